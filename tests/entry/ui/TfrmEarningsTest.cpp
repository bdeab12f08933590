// The continued earnings screen: its grid, the layouts of a single and a
// married household, what typing stores, and the way back.

#include "entry/ui/TfrmEarnings.h"

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::PressKey;
using test::TypeKeys;

class TfrmEarningsTest : public ::testing::Test {
protected:
    void Open() { ASSERT_TRUE(test::OpenScreen(form)); }
    template <class T> T* Find(const char* name) { return test::FindControl<T>(form, name); }
    StringGrid* Grid() { return Find<StringGrid>("StringGridEarnings"); }
    QLabel* Spouse() { return Find<QLabel>("lblSpouse"); }

    // Moves to a value cell and types into it, which opens its editor.
    void TypeInto(int col, const QString& keys) {
        Grid()->SetCurrentCell(col, 1);
        TypeKeys(keys);
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmEarnings form{{workspace, dialogs, shell, history}};
};

TEST_F(TfrmEarningsTest, ShowsTheEarningsUnderAMonthlyTitleRow) {
    workspace.plan.Married = "Yes";
    workspace.plan.EarningsSelf = 800;
    workspace.plan.EarningsSpouse = 1250;
    Open();
    EXPECT_EQ(form.windowTitle(), "Continued Earnings");
    EXPECT_EQ(Find<QLabel>("lblHeading")->text(), "Continued Earnings");
    EXPECT_TRUE(Find<QLabel>("lblHeading")->font().bold());
    EXPECT_EQ(Find<QLabel>("lblPerMonth")->text(), "$/Month");
    EXPECT_EQ(Find<QLabel>("lblSelf")->text(), "Self");
    EXPECT_EQ(Spouse()->text(), "Spouse");
    StringGrid* grid = Grid();
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Cells(0, 0), "$/month");
    EXPECT_EQ(grid->Cells(1, 0), "$/month");
    EXPECT_EQ(grid->Cells(0, 1), "800");
    EXPECT_EQ(grid->Cells(1, 1), "1250");
    EXPECT_EQ(grid->accessibleDescription(), "");
    EXPECT_EQ(form.StringGridEarningsGetEditMask(0, 1), "0000");
    EXPECT_EQ(form.StringGridEarningsGetEditMask(1, 1), "0000");
    auto* done = Find<QPushButton>("btnReturnToDataInput");
    EXPECT_EQ(done->text(), "Done");
    // The labels stand over their columns.
    const int selfCentre = Find<QLabel>("lblSelf")->geometry().center().x();
    const int spouseCentre = Spouse()->geometry().center().x();
    EXPECT_LT(selfCentre, grid->x() + grid->columnWidth(0));
    EXPECT_GT(spouseCentre, grid->x() + grid->columnWidth(0));
}

TEST_F(TfrmEarningsTest, TheMaritalStatusChoosesTheLayoutAndKeepsTheSpouseAmount) {
    workspace.plan.Married = "Yes";
    workspace.plan.EarningsSpouse = 300;
    Open();
    StringGrid* grid = Grid();
    EXPECT_FALSE(grid->isColumnHidden(1));
    EXPECT_EQ(grid->width(), 134);
    EXPECT_TRUE(Spouse()->isVisible());

    workspace.plan.Married = "No";
    form.FormActivate();
    EXPECT_TRUE(grid->isColumnHidden(1));
    EXPECT_EQ(grid->width(), 65);
    EXPECT_FALSE(Spouse()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), "300") << "the hidden cell keeps its value";
    EXPECT_EQ(workspace.plan.EarningsSpouse, 300);

    workspace.plan.Married = "Maybe"; // neither: the layout stays as it was
    form.FormActivate();
    EXPECT_TRUE(grid->isColumnHidden(1));
    EXPECT_EQ(grid->width(), 65);

    workspace.plan.Married = "Yes";
    form.FormActivate();
    EXPECT_EQ(grid->width(), 134);
    EXPECT_EQ(grid->Cells(1, 1), "300");
    workspace.plan.Married = "yes";
    form.FormActivate();
    EXPECT_EQ(grid->width(), 134) << "compared exactly, so still the married layout";
    EXPECT_TRUE(Spouse()->isVisible());
}

TEST_F(TfrmEarningsTest, TypingStoresEveryChangeUpToFourDigits) {
    workspace.plan.Married = "Yes";
    Open();
    TypeInto(0, "1234");
    EXPECT_EQ(workspace.plan.EarningsSelf, 1234);
    TypeKeys("5");
    EXPECT_EQ(workspace.plan.EarningsSelf, 0) << "five digits: the value the cell had";
    PressKey(Qt::Key_Tab);
    ASSERT_TRUE(Grid()->IsEditing()) << "refused whole, never cut";
    EXPECT_EQ(CellHint::Of(*Grid()->Editor())->text(), "Too large: this cell takes 0 to 9999");
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(Grid()->Col(), 1);
    EXPECT_EQ(workspace.plan.EarningsSelf, 1234);
    TypeKeys("75");
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(Grid()->IsEditing()) << "two digits of four: the cell fills the zeros";
    EXPECT_EQ(workspace.plan.EarningsSpouse, 75);
    EXPECT_EQ(Grid()->Cells(1, 1), "75");
    EXPECT_TRUE(dialogs.Boxes().empty());

    form.StringGridEarningsSetEditText(0, 0, "99"); // the title row stores nothing
    EXPECT_EQ(workspace.plan.EarningsSelf, 1234);
    EXPECT_EQ(workspace.plan.EarningsSpouse, 75);
}

TEST_F(TfrmEarningsTest, ClearingACellGivesZero) {
    workspace.plan.EarningsSelf = 800;
    Open();
    TypeInto(0, "5");
    EXPECT_EQ(workspace.plan.EarningsSelf, 5);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.EarningsSelf, 0);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(Grid()->IsEditing());
    EXPECT_EQ(Grid()->Cells(0, 1), "0");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

} // namespace
} // namespace velmora
