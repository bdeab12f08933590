// The grid of text cells, driven through the real widget with key clicks.

#include "grid/ui/StringGrid.h"

#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "grid/ui/CellHint.h"
#include "screens/ui/QtDialogs.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <vector>

namespace velmora {
namespace {

using test::BoxKind;
using test::PressKey;
using test::TypeKeys;

const QString kInvalidInput = "Invalid input value.  Use escape key to abandon changes";

struct Edit {
    int col;
    int row;
    QString text;
    bool operator==(const Edit& other) const {
        return col == other.col && row == other.row && text == other.text;
    }
};

void PrintTo(const Edit& edit, std::ostream* os) {
    *os << "(" << edit.col << "," << edit.row << ",\"" << edit.text.toStdString() << "\")";
}

QString Event(const char* what, int col, int row) {
    return QString("%1 %2,%3").arg(QString::fromLatin1(what)).arg(col).arg(row);
}

// A window with a 3 x 3 grid (mask "00" in column 0, ">L" in column 1, none in
// column 2) above a button, recording the grid's events.
class StringGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new StringGrid(dialogs, &window);
        grid->setObjectName("StringGridTest");
        grid->SetSize(3, 3);
        grid->SetColWidths({60, 60, 60});
        button = new QPushButton("Done", &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(button);
        grid->OnGetEditMask([](int col, int) {
            return col == 0 ? QString("00") : col == 1 ? QString(">L") : QString();
        });
        grid->OnSetEditText([this](int col, int row, const QString& text) {
            edits.push_back({col, row, text});
        });
        grid->OnSelectCell([this](int col, int row) { selected.push_back({col, row, {}}); });
        grid->OnExit([this] { ++exits; });
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        ASSERT_TRUE(test::ShowAndActivate(window));
        grid->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return grid->hasFocus(); }));
    }

    // Selects a cell and types into it, which opens its editor.
    void TypeInto(int col, int row, const QString& text) {
        grid->SetCurrentCell(col, row);
        TypeKeys(text);
    }

    test::ScriptedDialogs dialogs;
    QWidget window;
    StringGrid* grid = nullptr;
    QPushButton* button = nullptr;
    std::vector<Edit> edits;
    std::vector<Edit> selected;
    QStringList events; // handlers and signals in the order they came
    int exits = 0;
    int clicks = 0;
};

TEST_F(StringGridTest, EveryChangeOfTheTextReachesTheHandler) {
    grid->SetCells(0, 1, "5");
    TypeInto(0, 1, "42");
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(edits, (std::vector<Edit>{{0, 1, "4"}, {0, 1, "42"}}))
        << "typing replaces the old text and each key is reported";
    EXPECT_EQ(grid->Cells(0, 1), "42") << "the cell follows the editor";
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(edits.back(), (Edit{0, 1, "4"}));
    TypeKeys("3");
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(0, 1), "43");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, TheMaskFiltersWhatCanBeTyped) {
    TypeInto(0, 0, "1a-2 ");
    EXPECT_EQ(grid->Cells(0, 0), "12") << "digits only";
    PressKey(Qt::Key_Return);
    TypeInto(1, 0, "7y");
    EXPECT_EQ(grid->Cells(1, 0), "Y") << "one letter, upper case";
    PressKey(Qt::Key_Return);
    TypeInto(2, 0, "Any text, 12");
    EXPECT_EQ(grid->Cells(2, 0), "Any text, 12") << "no mask, no limit";
    PressKey(Qt::Key_Return);
}

TEST_F(StringGridTest, ARefusedKeyShowsWhatTheCellTakes) {
    TypeInto(0, 0, "4-");
    ASSERT_TRUE(grid->IsEditing());
    QLabel* hint = CellHint::Of(*grid->Editor());
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "Whole numbers only");
    TypeKeys("x");
    EXPECT_TRUE(hint->isVisible()) << "a refused key keeps a refusal's note";
    TypeKeys("5");
    EXPECT_EQ(grid->Cells(0, 0), "45") << "the sign is refused, the digits stand";
    EXPECT_FALSE(hint->isVisible()) << "the note goes with the next key the cell takes";
    EXPECT_TRUE(grid->Editor()->hasFocus());
    PressKey(Qt::Key_Return);

    TypeInto(1, 0, "7");
    ASSERT_TRUE(grid->IsEditing());
    ASSERT_NE(CellHint::Of(*grid->Editor()), nullptr);
    EXPECT_EQ(CellHint::Of(*grid->Editor())->text(), "Y or N");
    PressKey(Qt::Key_Escape);

    TypeInto(2, 0, "1,5.");
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(CellHint::Of(*grid->Editor()), nullptr) << "a cell without a mask refuses nothing";
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, AFirstKeyTheMaskRefusesLeavesTheEditorEmpty) {
    grid->SetCells(0, 1, "42");
    TypeInto(0, 1, "x");
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->Editor()->text(), "") << "neither the key nor the old text";
    EXPECT_EQ(edits, (std::vector<Edit>{{0, 1, ""}})) << "the emptied cell is reported";
    ASSERT_NE(CellHint::Of(*grid->Editor()), nullptr);
    EXPECT_TRUE(CellHint::Of(*grid->Editor())->isVisible());
    EXPECT_EQ(CellHint::Of(*grid->Editor())->text(), "Whole numbers only");
    TypeKeys("7");
    EXPECT_EQ(grid->Editor()->text(), "7") << "the next digit is taken";
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(0, 1), "42");

    TypeInto(0, 1, "5");
    EXPECT_EQ(grid->Editor()->text(), "5") << "a key the mask takes replaces the text";
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(dialogs.Boxes().size(), 0u);
}

TEST_F(StringGridTest, EscapeRestoresThePreviousText) {
    grid->SetCells(0, 2, "17");
    TypeInto(0, 2, "9");
    EXPECT_EQ(grid->Cells(0, 2), "9");
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(0, 2), "17");
    EXPECT_EQ(edits, (std::vector<Edit>{{0, 2, "9"}, {0, 2, "17"}}))
        << "the field follows the restored text";
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(StringGridTest, SettingACellFiresNoEditEvenWhileItIsEdited) {
    grid->SetCells(2, 2, "set");
    EXPECT_TRUE(edits.empty());
    TypeInto(0, 0, "1");
    grid->SetCells(0, 0, "0"); // a handler correcting the cell being typed in
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->Editor()->text(), "0");
    EXPECT_EQ(edits.size(), 1u);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing()) << "the program's own text may be left although it is short";
    EXPECT_EQ(grid->Cells(0, 0), "0");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, AChangedCellMissingARequiredLetterIsRefused) {
    grid->SetCells(1, 1, "N");
    TypeInto(1, 1, "y");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(grid->Cells(1, 1), "");

    dialogs.Expect(BoxKind::Error, kInvalidInput);
    PressKey(Qt::Key_Tab);
    EXPECT_TRUE(grid->IsEditing()) << "Tab does not leave the cell";
    EXPECT_EQ(grid->Col(), 1);

    dialogs.Expect(BoxKind::Error, kInvalidInput);
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(grid->IsEditing());

    dialogs.Expect(BoxKind::Error, kInvalidInput);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0) << "the button is not pressed";
    EXPECT_EQ(exits, 0);
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_TRUE(grid->Editor()->hasFocus()) << "the focus stays in the cell";

    dialogs.Expect(BoxKind::Error, kInvalidInput);
    button->setFocus(Qt::ShortcutFocusReason); // e.g. a mnemonic
    EXPECT_TRUE(grid->Editor()->hasFocus());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(dialogs.Pending(), 0);

    PressKey(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(1, 1), "N");
    EXPECT_EQ(edits.back(), (Edit{1, 1, "N"}));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(exits, 1);
}

TEST_F(StringGridTest, APressRefusedWhileTheBoxRunsItsEventsGivesOneBox) {
    // A real box runs an event loop of its own while the press that it refuses
    // is still on its way to the button.
    dialogs.OnBox([](const test::Box&) { QCoreApplication::processEvents(); });
    grid->SetCells(1, 1, "N");
    TypeInto(1, 1, "y");
    PressKey(Qt::Key_Backspace);
    dialogs.Expect(BoxKind::Error, kInvalidInput);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(dialogs.Count(BoxKind::Error), 1);
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_TRUE(grid->Editor()->hasFocus());
}

// A number typed as people write it: the handler has its digits, and the
// cell, once left, holds it in every position; a fraction or a number too
// large is refused whole, with a note and no box, and the handler has the
// cell's previous text meanwhile.
TEST_F(StringGridTest, ANumberCellIsLeftWithTheNumberTypedOrRefusedWhole) {
    grid->OnGetEditMask([](int, int) { return QString("000000"); });
    struct Case {
        const char* typed; // "" empties the cell
        const char* kept;  // "" when refused
        const char* stored;
        const char* note;
    };
    const Case cases[] = {
        {"67", "000067", "67", ""},
        {"$60,000", "060000", "60000", ""},
        {"", "000000", "", ""},
        {"4.5", "", "45000", "Whole numbers only: 4.5 cannot be entered, type 4 or 5"},
        {"1000,5", "", "45000", "Whole numbers only: 1000,5 cannot be entered, type 1000 or 1001"},
        {"1000000", "", "45000", "Too large: this cell takes 0 to 999999"},
        {"1,000,000", "", "45000", "Too large: this cell takes 0 to 999999"},
    };
    for (const Case& c : cases) {
        grid->SetCells(0, 0, "45000");
        TypeInto(0, 0, *c.typed != '\0' ? c.typed : "1");
        if (*c.typed == '\0') {
            PressKey(Qt::Key_Backspace);
        }
        PressKey(Qt::Key_Tab);
        ASSERT_FALSE(edits.empty());
        EXPECT_EQ(edits.back().text, c.stored) << c.typed;
        if (*c.kept != '\0') {
            EXPECT_FALSE(grid->IsEditing()) << c.typed;
            EXPECT_EQ(grid->Cells(0, 0), c.kept) << c.typed;
            continue;
        }
        ASSERT_TRUE(grid->IsEditing()) << c.typed;
        EXPECT_TRUE(grid->Editor()->hasFocus()) << c.typed;
        EXPECT_EQ(grid->Editor()->text(), c.typed) << "nothing appended or cut";
        const QLabel* note = CellHint::Of(*grid->Editor());
        ASSERT_NE(note, nullptr) << c.typed;
        EXPECT_TRUE(note->isVisible()) << c.typed;
        EXPECT_EQ(note->text(), c.note);
        PressKey(Qt::Key_Escape);
        EXPECT_EQ(grid->Cells(0, 0), "45000");
    }
    EXPECT_TRUE(dialogs.Boxes().empty()) << "no box for any number";
}

TEST_F(StringGridTest, ANoteGoesWithItsEditorAndLiesOverNoCellToBeUsed) {
    const QPoint below = grid->visualRect(grid->model()->index(1, 0)).center();
    TypeInto(0, 0, "5");
    ASSERT_TRUE(grid->IsEditing());
    const QPointer<QLabel> form = CellHint::Of(*grid->Editor());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible()) << "the form, said as the editor opens";
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(form.isNull() || !form->isVisible()) << "gone with the editor";
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, below);
    ASSERT_TRUE(grid->IsEditing()) << "a double click right after Return edits the cell below";
    EXPECT_EQ(grid->Row(), 1);
    PressKey(Qt::Key_Escape);

    grid->MarkChanged(0, 2, "changed by a rule");
    const QLabel* mark = CellHint::Of(*grid->viewport());
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisible());
    TypeInto(1, 0, "7");
    EXPECT_FALSE(mark->isVisible()) << "another cell taken up";
    EXPECT_TRUE(CellHint::Of(*grid->Editor())->isVisible()) << "its own note instead";
    QWidget box;
    ASSERT_TRUE(test::ShowAndActivate(box));
    EXPECT_FALSE(CellHint::Of(*grid->Editor())->isVisible()) << "nothing over another window";
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, TabWalksTheCellsAndLeavesAfterTheLast) {
    grid->SetCurrentCell(1, 2);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->hasFocus());
    PressKey(Qt::Key_Backtab);
    PressKey(Qt::Key_Backtab);
    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1) << "Backtab wraps to the end of the row above";
    EXPECT_EQ(exits, 0);
    grid->SetCurrentCell(2, 2);
    TypeInto(2, 2, "x");
    PressKey(Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus()) << "Tab from the last cell goes on to the button";
    EXPECT_EQ(grid->Cells(2, 2), "x");
    EXPECT_EQ(exits, 1);
}

TEST_F(StringGridTest, SelectingACellIsReported) {
    selected.clear();
    grid->SetCurrentCell(2, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 1)).center());
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0], (Edit{2, 1, {}}));
    EXPECT_EQ(selected[1], (Edit{1, 0, {}}));
}

TEST_F(StringGridTest, KeysTypedRightAfterAClickOnTheCurrentCellReachIt) {
    grid->SetCells(0, 1, "5");
    const QPoint cell = grid->visualRect(grid->model()->index(1, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_FALSE(grid->IsEditing()) << "a click on another cell only selects it";
    TypeKeys("42");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(0, 1), "42");

    // The cell is the current one now: a click on it opens its editor at once,
    // and the keys that follow within a double-click's time are not lost.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    TypeKeys("7");
    EXPECT_EQ(grid->Cells(0, 1), "7");
    EXPECT_EQ(edits.back(), (Edit{0, 1, "7"}));
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(0, 1), "42");

    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    ASSERT_TRUE(grid->IsEditing()) << "a double click edits too";
    EXPECT_EQ(grid->Editor()->text(), "42");
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, TheGridIsLeftWhenAButtonIsPressed) {
    TypeInto(0, 0, "03");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(0, 0), "03");
    grid->setFocus();
    grid->SetCurrentCell(2, 0);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(exits, 1) << "moving inside the grid is no exit";
}

TEST_F(StringGridTest, AMessageBoxShownWhileTypingDoesNotEndTheEdit) {
    // A handler that warns about the first key, with a real modal box.
    QtDialogs real;
    grid->OnSetEditText([&](int, int, const QString& text) {
        if (text == "a") {
            QTimer::singleShot(0, [] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    box->close();
                }
            });
            real.Warning("careful");
        }
    });
    TypeInto(2, 0, "a");
    ASSERT_TRUE(grid->IsEditing());
    ASSERT_TRUE(test::ShowAndActivate(window)); // the window manager's part
    ASSERT_TRUE(grid->Editor()->hasFocus());
    TypeKeys("b");
    EXPECT_EQ(grid->Cells(2, 0), "ab") << "the second key goes on in the same edit";
    EXPECT_EQ(exits, 0);
}

TEST_F(StringGridTest, AnEditIsReportedInOrder) {
    grid->OnSetEditText([this](int col, int row, const QString& text) {
        events << Event("text", col, row) + " " + text;
    });
    grid->OnSelectCell([this](int col, int row) { events << Event("select", col, row); });
    QObject::connect(grid, &StringGrid::EditStarted,
                     [this](int col, int row) { events << Event("started", col, row); });
    QObject::connect(grid, &StringGrid::EditTextSet,
                     [this](int col, int row) { events << Event("set", col, row); });
    QObject::connect(grid, &StringGrid::EditEnded,
                     [this](int col, int row) { events << Event("ended", col, row); });
    grid->SetCurrentCell(2, 0);
    events.clear();

    TypeKeys("a");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(events,
              QStringList({"started 2,0", "text 2,0 a", "set 2,0", "ended 2,0", "select 0,1"}))
        << "Tab ends the edit before it moves on";

    events.clear();
    grid->SetCells(1, 1, "N");
    TypeInto(1, 1, "y");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(events, QStringList({"select 1,1", "started 1,1", "text 1,1 Y", "set 1,1",
                                   "text 1,1 N", "set 1,1", "ended 1,1"}));

    events.clear();
    PressKey(Qt::Key_F2);
    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(events, QStringList({"started 1,1", "ended 1,1", "select 0,1"}))
        << "Shift+Tab from the editor goes back one cell";
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(StringGridTest, TheProgramChoosingAnotherCellEndsTheEditUnchecked) {
    TypeInto(0, 0, "7");
    grid->SetCurrentCell(2, 2);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(0, 0), "07");
    grid->SetCells(0, 1, "12");
    TypeInto(0, 1, "4.5");
    EXPECT_EQ(edits.back(), (Edit{0, 1, "12"}));
    grid->SetCurrentCell(2, 2);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(0, 1), "12") << "nothing of a refused entry stays";
    EXPECT_TRUE(dialogs.Boxes().empty()) << "only the user's leaving is checked";
}

TEST_F(StringGridTest, ARefusedCellKeepsItsEditorAsItWas) {
    TypeInto(0, 2, "4.5");
    grid->Editor()->selectAll();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->Editor()->selectedText(), "4.5") << "the refused leave deselects nothing";
    TypeKeys("42");
    EXPECT_EQ(grid->Cells(0, 2), "42") << "the selection is typed over";
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing());
}

TEST_F(StringGridTest, AfterARefusalTheEditorHasTheFocusForAssistiveTechnologyToo) {
    // A modal box takes the activation from the window and leaves it
    // inactive when it closes: nothing has the focus until the window is
    // activated again.
    dialogs.OnBox([](const test::Box&) {
        QWidget box;
        ASSERT_TRUE(test::ShowAndActivate(box));
    });
    grid->SetCells(1, 1, "N");
    TypeInto(1, 1, "y");
    PressKey(Qt::Key_Backspace);
    ASSERT_TRUE(grid->IsEditing());
    QLineEdit* editor = grid->Editor();
    dialogs.Expect(BoxKind::Error, kInvalidInput);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dialogs.Pending(), 0);
    ASSERT_EQ(grid->Editor(), editor) << "the cell is still edited";

    // (QTRY_VERIFY would end the test silently on failure: gtest never hears of it.)
    ASSERT_TRUE(QTest::qWaitFor([editor] { return editor->hasFocus(); }, 2000))
        << "the window is active again with the focus in the editor";
    EXPECT_EQ(QApplication::activeWindow(), &window);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->state().focused);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown->focusChild(), nullptr);
    EXPECT_EQ(shown->focusChild()->object(), editor);
    TypeKeys("n");
    EXPECT_EQ(grid->Cells(1, 1), "N") << "the keys go on into the cell";
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing());
}

TEST_F(StringGridTest, TitleCellsTakeTheirColoursFromTheGridsPalette) {
    grid->SetFixedRows(1);
    const auto colour = [this](int role) {
        return grid->model()->index(0, 1).data(role).value<QBrush>().color();
    };
    QPalette shades = window.palette();
    shades.setColor(QPalette::Button, QColor(10, 20, 30));
    shades.setColor(QPalette::ButtonText, QColor(200, 100, 0));
    shades.setColor(QPalette::Inactive, QPalette::Button, QColor(40, 50, 60));
    shades.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
    window.setPalette(shades);
    EXPECT_EQ(colour(Qt::BackgroundRole), QColor(10, 20, 30)) << "from the window's palette";
    EXPECT_EQ(colour(Qt::ForegroundRole), QColor(200, 100, 0));

    grid->setEnabled(false);
    EXPECT_EQ(colour(Qt::ForegroundRole), QColor(90, 90, 90)) << "a disabled grid";
    grid->setEnabled(true);
    EXPECT_EQ(colour(Qt::ForegroundRole), QColor(200, 100, 0));

    QWidget other;
    ASSERT_TRUE(test::ShowAndActivate(other));
    EXPECT_EQ(colour(Qt::BackgroundRole), QColor(40, 50, 60)) << "in a window not active";
    ASSERT_TRUE(test::ShowAndActivate(window));
    EXPECT_EQ(colour(Qt::BackgroundRole), QColor(10, 20, 30));

    QPalette own = grid->palette();
    own.setColor(QPalette::Button, QColor(0, 128, 0));
    grid->setPalette(own);
    EXPECT_EQ(colour(Qt::BackgroundRole), QColor(0, 128, 0)) << "from the grid's own palette";
    EXPECT_FALSE(grid->model()->index(1, 1).data(Qt::ForegroundRole).isValid());
}

TEST_F(StringGridTest, TitleCellsAreNeverEditedOrSelected) {
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->SetCells(0, 0, "title");
    const auto flags = [this](int row, int col) {
        return grid->model()->flags(grid->model()->index(row, col));
    };
    EXPECT_FALSE(flags(0, 1) & Qt::ItemIsEditable);
    EXPECT_FALSE(flags(1, 0) & Qt::ItemIsEnabled);
    EXPECT_TRUE(flags(1, 1) & Qt::ItemIsEditable);
    grid->SetCurrentCell(2, 1);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 1) << "Tab skips the title column";
    EXPECT_EQ(grid->Row(), 2);

    grid->SetEditable(false);
    TypeKeys("7");
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->Cells(1, 2), "");
}

TEST_F(StringGridTest, ResizingKeepsTheCellsThatStay) {
    grid->SetCells(0, 0, "a");
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 2, "c");
    grid->SetSize(4, 5);
    EXPECT_EQ(test::RowTexts(*grid, 0), QStringList({"a", "", "", ""}));
    EXPECT_EQ(test::RowTexts(*grid, 1), QStringList({"", "", "b", ""}));
    EXPECT_EQ(test::RowTexts(*grid, 2), QStringList({"", "c", "", ""}));
    EXPECT_EQ(test::RowTexts(*grid, 4), QStringList({"", "", "", ""}));
    grid->SetCells(3, 4, "d");
    grid->SetCells(1, 0, "e");
    grid->SetSize(2, 3);
    EXPECT_EQ(grid->model()->columnCount(), 2);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(test::RowTexts(*grid, 0), QStringList({"a", "e"}));
    EXPECT_EQ(test::RowTexts(*grid, 2), QStringList({"", "c"}));
    EXPECT_EQ(grid->Cells(2, 1), "") << "outside the grid";
    grid->SetCells(2, 1, "ignored");
    grid->SetSize(4, 5);
    EXPECT_EQ(grid->Cells(2, 1), "") << "a cell that went comes back empty";
    EXPECT_EQ(grid->Cells(3, 4), "");
    EXPECT_EQ(grid->Cells(1, 2), "c");
}

TEST_F(StringGridTest, CellsGiveTheirTextsTipsAndShadingThroughTheItemModel) {
    grid->SetFixedRows(1);
    grid->SetCells(1, 0, "Value");
    grid->SetCells(1, 2, "Bond 7");
    grid->SetCellTip(1, 2, "Bond 7 of the city");
    const QAbstractItemModel& cells = *grid->model();
    EXPECT_EQ(cells.index(0, 1).data(Qt::DisplayRole).toString(), "Value");
    EXPECT_EQ(cells.index(2, 1).data(Qt::DisplayRole).toString(), "Bond 7");
    EXPECT_EQ(cells.index(2, 1).data(Qt::ToolTipRole).toString(), "Bond 7 of the city");
    EXPECT_FALSE(cells.index(1, 1).data(Qt::ToolTipRole).isValid()) << "no tip";
    EXPECT_TRUE(cells.index(0, 2).data(Qt::BackgroundRole).isValid()) << "titles are shaded";
    EXPECT_FALSE(cells.index(1, 2).data(Qt::BackgroundRole).isValid());
    grid->SetCellTip(1, 2, "");
    EXPECT_FALSE(cells.index(2, 1).data(Qt::ToolTipRole).isValid());

    grid->SetFixedRows(0);
    EXPECT_FALSE(cells.index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(cells.flags(cells.index(0, 1)) & Qt::ItemIsEditable) << "a title no more";
}

TEST_F(StringGridTest, TitleRowsStayInViewWhileTheRowsScroll) {
    grid->SetSize(3, 30);
    grid->SetFixedRows(1);
    grid->SetCells(0, 0, "Name");
    grid->setFixedHeight(6 * 20 + 2 * grid->frameWidth());
    ASSERT_TRUE(QTest::qWaitFor([this] { return grid->verticalScrollBar()->maximum() > 0; }));
    auto* titles = grid->findChild<QTableView*>("FrozenTitleRows");
    ASSERT_NE(titles, nullptr);
    EXPECT_TRUE(titles->isVisible());
    EXPECT_EQ(titles->geometry(),
              QRect(grid->viewport()->geometry().topLeft(), QSize(grid->viewport()->width(), 20)));

    grid->setFocus();
    grid->SetCurrentCell(0, 29);
    EXPECT_LT(grid->visualRect(grid->model()->index(0, 0)).bottom(), 0) << "the grid has scrolled";
    EXPECT_TRUE(titles->isVisible());
    EXPECT_EQ(titles->model()->index(0, 0).data().toString(), "Name");
    EXPECT_EQ(titles->visualRect(titles->model()->index(0, 0)),
              QRect(QPoint(0, 0), grid->visualRect(grid->model()->index(29, 0)).size()))
        << "the title cell lies at the top, as wide and high as the grid's cells";

    // Moving up through the rows never leaves the current one under the titles.
    for (int row = 28; row >= 1; --row) {
        PressKey(Qt::Key_Up);
        ASSERT_EQ(grid->Row(), row);
        EXPECT_GE(grid->rowViewportPosition(row), titles->height()) << "row " << row;
    }

    // The titles follow the grid's columns.
    grid->SetColWidth(0, 80);
    grid->setColumnHidden(1, true);
    EXPECT_EQ(titles->columnWidth(0), 80);
    EXPECT_TRUE(titles->isColumnHidden(1));
    grid->setColumnHidden(1, false);
    EXPECT_FALSE(titles->isColumnHidden(1));
    EXPECT_EQ(titles->columnWidth(1), 60);

    // A grid whose rows all fit needs no second view of its titles.
    grid->SetSize(3, 4);
    ASSERT_TRUE(QTest::qWaitFor([this] { return grid->verticalScrollBar()->maximum() == 0; }))
        << "maximum " << grid->verticalScrollBar()->maximum();
    EXPECT_FALSE(titles->isVisible());
}

} // namespace
} // namespace velmora
