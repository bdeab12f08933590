#pragma once
// The layout that the equity and debt screens share: the title grid
// StringGridTitles over the table grid StringGridTable, the risk category
// label, and the buttons btnDeleteLine "Delete Line" and btnReturnToMiscInput
// "Done".

#include "holdings/ui/HoldingsGrid.h"
#include "app/ui/widgets/StringGrid.h"

#include <QPushButton>
#include <span>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {

class Dialogs;
class StringGrid;

struct HoldingsTableShape {
    const char* caption; // the window's caption, also what the grids are called
    std::span<const TitleLines> titles;
    std::span<const int> titleWidths;
    std::span<const int> tableWidths;
    const char* labelName;
    const char* labelText;
};

struct HoldingsTableParts {
    StringGrid* titles = nullptr;
    StringGrid* table = nullptr;
    QLabel* label = nullptr;
    QPushButton* deleteLine = nullptr;
    QPushButton* done = nullptr;
};

// Builds the screen's controls and layout and sets its window caption and chrome.
HoldingsTableParts BuildHoldingsTableScreen(QWidget& screen, Dialogs& dialogs,
                                            const HoldingsTableShape& shape);

// Connects the controls to the screen's handlers of the same names.
template <class Screen>
void ConnectHoldingsTableScreen(Screen& screen, const HoldingsTableParts& parts) {
    QObject::connect(parts.deleteLine, &QPushButton::clicked, &screen, &Screen::btnDeleteLineClick);
    QObject::connect(parts.done, &QPushButton::clicked, &screen,
                     &Screen::btnReturnToMiscInputClick);
    StringGrid& table = *parts.table;
    table.OnGetEditMask(
        [&screen](int col, int row) { return screen.StringGridTableGetEditMask(col, row); });
    table.OnSetEditText([&screen](int col, int row, const QString& text) {
        screen.StringGridTableSetEditText(col, row, text);
    });
    table.OnSelectCell([&screen](int col, int row) { screen.StringGridTableSelectCell(col, row); });
    table.OnExit([&screen] { screen.StringGridTableExit(); });
}

} // namespace velmora
