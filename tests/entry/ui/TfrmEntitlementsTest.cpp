// The entitlements screen: its grid of titles and six amounts, the layouts of
// a single and a married household, masks, what typing stores, and the way back.

#include "entry/ui/TfrmEntitlements.h"

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

class TfrmEntitlementsTest : public ::testing::Test {
protected:
    void Open() { ASSERT_TRUE(test::OpenScreen(form)); }
    template <class T> T* Find(const char* name) { return test::FindControl<T>(form, name); }
    StringGrid* Grid() { return Find<StringGrid>("StringGridEntitlements"); }
    QLabel* Spouse() { return Find<QLabel>("lblSpouse"); }

    // Moves to a cell, types into it and leaves it with Return.
    void Enter(int col, int row, const QString& keys) {
        Grid()->SetCurrentCell(col, row);
        TypeKeys(keys);
        PressKey(Qt::Key_Return);
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmEntitlements form{{workspace, dialogs, shell, history}};
};

TEST_F(TfrmEntitlementsTest, ShowsTitlesAndTheSixAmounts) {
    PlanData& plan = workspace.plan;
    plan.Married = "Yes";
    plan.SocialSecuritySelf = 1100;
    plan.SocialSecuritySpouse = 900;
    plan.PensionSelf = 2000;
    plan.PensionSpouse = 12345;
    plan.TaxFreeSelf = 50;
    plan.TaxFreeSpouse = 7;
    Open();
    EXPECT_EQ(form.windowTitle(), "Entitlements");
    StringGrid* grid = Grid();
    ASSERT_EQ(grid->ColCount(), 3);
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(grid->frameShape(), QFrame::NoFrame) << "no outer border";
    EXPECT_FALSE(grid->showGrid()) << "lines only around the amounts, drawn by the screen";
    const QStringList expected[] = {
        {"", " ($/mo)", " ($/mo)"},
        {"Social Security", "1100", "900"},
        {"Pensions", "2000", "12345"},
        {"Tax Free Benefits", "50", "7"},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(grid->Cells(col, row), expected[row][col]) << col << "," << row;
        }
    }
    EXPECT_EQ(Find<QLabel>("lblSelf")->text(), "Self");
    EXPECT_TRUE(Find<QLabel>("lblSelf")->font().bold());
    EXPECT_EQ(Spouse()->text(), "Spouse");
    EXPECT_TRUE(Spouse()->font().bold());
    EXPECT_EQ(Find<QPushButton>("btnReturnToDataInput")->text(), "Done");
    EXPECT_EQ(grid->accessibleDescription(), "");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Self ($/mo)");
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Spouse ($/mo)");
}

TEST_F(TfrmEntitlementsTest, TheMaritalStatusChoosesTheLayoutAndKeepsTheSpouseAmounts) {
    workspace.plan.Married = "No";
    workspace.plan.PensionSpouse = 500;
    workspace.plan.TaxFreeSpouse = 40;
    Open();
    StringGrid* grid = Grid();
    EXPECT_TRUE(grid->isColumnHidden(2));
    EXPECT_EQ(grid->width(), 165);
    EXPECT_FALSE(Spouse()->isVisible());
    EXPECT_EQ(grid->Cells(2, 2), "500") << "the hidden cells keep their values";
    EXPECT_EQ(grid->Cells(2, 3), "40");

    workspace.plan.Married = "Yes";
    form.FormActivate();
    EXPECT_FALSE(grid->isColumnHidden(2));
    EXPECT_EQ(grid->width(), 230);
    EXPECT_TRUE(Spouse()->isVisible());

    workspace.plan.Married = ""; // neither "Yes" nor "No": the layout stays as it was
    form.FormActivate();
    EXPECT_EQ(grid->width(), 230);
    EXPECT_TRUE(Spouse()->isVisible());
    workspace.plan.Married = "No";
    form.FormActivate();
    workspace.plan.Married = "NO";
    form.FormActivate();
    EXPECT_EQ(grid->width(), 165);
    EXPECT_EQ(workspace.plan.PensionSpouse, 500);
}

TEST_F(TfrmEntitlementsTest, SocialSecurityTakesFourDigitsPensionsAndBenefitsFive) {
    workspace.plan.Married = "Yes";
    Open();
    Enter(1, 1, "12345");
    ASSERT_TRUE(Grid()->IsEditing()) << "five digits in four are refused whole";
    EXPECT_EQ(CellHint::Of(*Grid()->Editor())->text(), "Too large: this cell takes 0 to 9999");
    EXPECT_EQ(workspace.plan.SocialSecuritySelf, 0);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Return);
    Enter(2, 1, "9,876");
    Enter(1, 2, "12345");
    Enter(2, 2, "99999");
    Enter(1, 3, "54321");
    Enter(2, 3, "00012");
    const PlanData& plan = workspace.plan;
    EXPECT_EQ(plan.SocialSecuritySelf, 1234);
    EXPECT_EQ(plan.SocialSecuritySpouse, 9876);
    EXPECT_EQ(plan.PensionSelf, 12345);
    EXPECT_EQ(plan.PensionSpouse, 99999);
    EXPECT_EQ(plan.TaxFreeSelf, 54321);
    EXPECT_EQ(plan.TaxFreeSpouse, 12);
    EXPECT_EQ(Grid()->Cells(1, 3), "54321");
    EXPECT_TRUE(dialogs.Boxes().empty());

    EXPECT_EQ(form.StringGridEntitlementsGetEditMask(0, 1), "") << "titles have no mask";
    EXPECT_EQ(form.StringGridEntitlementsGetEditMask(1, 0), "");
    form.StringGridEntitlementsSetEditText(0, 2, "77"); // a title cell stores nothing
    form.StringGridEntitlementsSetEditText(1, 0, "77");
    EXPECT_EQ(plan.PensionSelf, 12345);
    EXPECT_EQ(plan.SocialSecuritySelf, 1234);
}

TEST_F(TfrmEntitlementsTest, ClearingACellGivesZero) {
    workspace.plan.PensionSelf = 2000;
    Open();
    StringGrid* grid = Grid();
    grid->SetCurrentCell(1, 2);
    TypeKeys("3");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(workspace.plan.PensionSelf, 0);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(1, 2), "0");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

} // namespace
} // namespace velmora
