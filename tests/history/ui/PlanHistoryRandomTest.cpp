// Many random changes through the real screens, mixed with undos and redos,
// then everything undone: the plan saved is the plan loaded, byte for byte.

#include "HistoryTestSupport.h"
#include "PlanSamples.h"

#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace velmora {
namespace {

using test::PressKey;
using test::TypeKeys;

// A grid that takes typed values: its screen, its name, the rows and columns
// that hold fields, and each column's mask as far as the typing needs it: "0"
// repeated for a number of that many digits, "c" for a name, "L" for a flag.
struct GridShape {
    Screen screen;
    const char* name;
    int firstRow;
    int rows;
    int firstCol;
    std::vector<const char*>
        masks;          // from firstCol on; the typing asks the grid for each cell's own mask
    int spouseCol = -1; // hidden for a single household
};

const std::vector<GridShape>& Grids() {
    static const std::vector<GridShape> grids = {
        {Screen::DataInput, "StringGridAge", 0, 1, 0, {"000", "000"}},
        {Screen::DataInput, "StringGridBudget", 0, 1, 0, {"000000"}},
        {Screen::DataInput, "StringGridInflation", 0, 1, 0, {"00"}},
        {Screen::DataInput, "StringGridStateTaxRate", 0, 1, 0, {"00"}},
        {Screen::Earnings, "StringGridEarnings", 1, 1, 0, {"0000", "0000"}, 1},
        {Screen::Entitlements, "StringGridEntitlements", 1, 3, 1, {"0000", "0000"}, 2},
        {Screen::IRAs,
         "StringGridIRAs",
         0,
         40,
         0,
         {"c", "000000", "000000", "00", "00000", "00", "00", "0"}},
        {Screen::IRAs,
         "StringGridRothIRAs",
         0,
         40,
         0,
         {"c", "000000", "000000", "00", "00000", "00", "00", "0"}},
        {Screen::Equity,
         "StringGridTable",
         0,
         40,
         0,
         {"c", "000000", "000000", "000000", "000000", "000000", "00", "L", "L", "00", "0"}},
        {Screen::Debt,
         "StringGridTable",
         0,
         40,
         0,
         {"c", "000000", "000000", "00", "L", "0", "00"}},
    };
    return grids;
}

class PlanHistoryRandomTest : public test::HistoryTest {
protected:
    int Pick(int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }

    void GoTo(Screen screen) {
        if (app->Current() != screen) {
            app->Show(screen);
            Activate();
        }
    }

    // The kind of text a cell's mask takes: "L" a flag, "0" repeated for a number
    // of that many digits, "c" a name.
    static std::string TypingKind(const QString& mask) {
        if (mask.contains(QLatin1Char('L'))) {
            return "L";
        }
        const auto digits = static_cast<std::size_t>(mask.count(QLatin1Char('0')));
        return digits > 0 ? std::string(digits, '0') : std::string("c");
    }

    QString RandomText(const std::string& kind) {
        if (kind == "c") {
            static const char kLetters[] = "AbCdeXyz ";
            QString text;
            for (int i = 1 + Pick(10); i > 0; --i) {
                text += QLatin1Char(kLetters[Pick(sizeof kLetters - 1)]);
            }
            return text;
        }
        if (kind == "L") {
            static const char kFlags[] = "YNynq";
            return QString(QLatin1Char(kFlags[Pick(5)]));
        }
        QString digits;
        // Every "0" of a mask is a required digit, so a number fills them all.
        for (std::size_t i = 0; i < kind.size(); ++i) {
            digits += QLatin1Char(static_cast<char>('0' + Pick(10)));
        }
        return digits;
    }

    // Types a value into a random cell; most edits are left with Return or
    // Tab, some stay open for the next step to close.
    void EditCell() {
        const GridShape& shape = Grids()[Pick(static_cast<int>(Grids().size()))];
        GoTo(shape.screen);
        int col = shape.firstCol + Pick(static_cast<int>(shape.masks.size()));
        if (col == shape.spouseCol && Plan().Married != "Yes") {
            col = shape.firstCol;
        }
        const int row = shape.firstRow + Pick(shape.rows);
        StringGrid& grid = Grid(shape.screen, shape.name);
        grid.setFocus();
        grid.SetCurrentCell(col, row);
        TypeKeys(RandomText(TypingKind(grid.EditMaskFor(col, row))));
        switch (Pick(4)) {
        case 0:
            PressKey(Qt::Key_Tab);
            break;
        case 1:
            break; // still editing
        default:
            PressKey(Qt::Key_Return);
        }
    }

    // Empties a holding's name, so that its row counts as unnamed.
    void ClearName() {
        const GridShape& shape = Grids()[6 + Pick(4)];
        GoTo(shape.screen);
        StringGrid& grid = Grid(shape.screen, shape.name);
        grid.setFocus();
        grid.SetCurrentCell(0, Pick(40));
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Return);
    }

    void DeleteRow() {
        struct Delete {
            Screen screen;
            const char* grid;
            const char* button;
        };
        static const Delete kDeletes[] = {
            {Screen::IRAs, "StringGridIRAs", "btnDeleteRowIRA"},
            {Screen::IRAs, "StringGridRothIRAs", "btnDeleteRowRoth"},
            {Screen::Equity, "StringGridTable", "btnDeleteLine"},
            {Screen::Debt, "StringGridTable", "btnDeleteLine"},
        };
        const Delete& pick = kDeletes[Pick(4)];
        GoTo(pick.screen);
        StringGrid& grid = Grid(pick.screen, pick.grid);
        grid.setFocus();
        grid.SetCurrentCell(Pick(3), Pick(40));
        Click(pick.screen, pick.button);
    }

    void ChangeMaritalStatus() {
        GoTo(Screen::DataInput);
        const char* name = Plan().Married == "Yes" ? "RadioButtonS" : "RadioButtonMarried";
        auto* button = Find<QRadioButton>(Screen::DataInput, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void ShowResults() {
        GoTo(Screen::DataInput);
        Click(Screen::DataInput, "btnResults");
        Click(Screen::Results, "btnReturn");
    }

    void LeaveDebtsByDone() {
        GoTo(Screen::Debt);
        Click(Screen::Debt, "btnReturnToMiscInput");
    }

    bool Editing() const {
        for (const GridShape& shape : Grids()) {
            if (Grid(shape.screen, shape.name).IsEditing()) {
                return true;
            }
        }
        return false;
    }

    // Keeps the plan as it stood at each place of the history, as the steps
    // are recorded; an undo or redo must bring back the plan of its place.
    void FollowHistory() {
        states.assign(1, PlanFileText(Plan()));
        QObject::connect(&app->History().Stack(), &QUndoStack::indexChanged, &guard,
                         [this](int index) {
                             const std::string now = PlanFileText(Plan());
                             if (replaying && !leavingEdit) {
                                 if (static_cast<std::size_t>(index) < states.size()) {
                                     EXPECT_EQ(Difference(states[index], now), "")
                                         << "the plan of history place " << index;
                                 }
                                 return;
                             }
                             leavingEdit = false; // that was the edit's step
                             states.resize(static_cast<std::size_t>(index) + 1);
                             states[index] = now;
                         });
    }

    // An undo or redo; an edit going on that changed the plan is recorded first.
    template <class Key> void Replay(Key key) {
        const int index = app->History().Stack().index();
        leavingEdit = Editing() && PlanFileText(Plan()) != states[index];
        replaying = true;
        key();
        replaying = false;
        leavingEdit = false;
    }

    std::mt19937 random{20240611u};  // fixed: the same steps on every run
    std::vector<std::string> states; // by place in the history
    bool replaying = false;
    bool leavingEdit = false;
    QObject guard; // ends the following before the states go
};

TEST_F(PlanHistoryRandomTest, FiveHundredRandomStepsAllUndoneGiveTheLoadedPlanBack) {
    Start(testing::FullPlan());
    FollowHistory();
    Click(Screen::Title, "btnEnterData");
    const QUndoStack& history = app->History().Stack();
    for (int step = 0; step < 500; ++step) {
        const int kind = Pick(100);
        if (kind < 40) {
            EditCell();
        } else if (kind < 47) {
            DeleteRow();
        } else if (kind < 52) {
            ClearName();
        } else if (kind < 55) {
            ChangeMaritalStatus();
        } else if (kind < 58) {
            ShowResults();
        } else if (kind < 61) {
            LeaveDebtsByDone();
        } else if (kind < 82) {
            Replay([this] { Undo(); });
        } else {
            const Qt::Key key = Pick(2) == 0 ? Qt::Key_Z : Qt::Key_Y;
            Replay([this, key] { Redo(key); });
        }
        ASSERT_EQ(dialogs.Count(test::BoxKind::Error), 0) << "step " << step;
        if (!Editing()) {
            ASSERT_EQ(Difference(states[history.index()], PlanFileText(Plan())), "")
                << "step " << step << ": every change is in the history";
        }
    }
    GoTo(Screen::Title); // a cell still being edited is left
    ASSERT_GT(history.index(), 50) << "the steps did change the plan";
    EXPECT_NE(PlanFileText(Plan()), loadedFile);

    for (int left = history.index(); left > 0; --left) {
        Replay([this] { Undo(); });
        ASSERT_EQ(history.index(), left - 1) << "an undo records nothing new";
    }
    EXPECT_FALSE(app->History().IsModified());
    EXPECT_EQ(Difference(testing::FullPlan(), Plan()), "");
    EXPECT_EQ(SaveThroughMenu(), loadedFile);
}

} // namespace
} // namespace velmora
