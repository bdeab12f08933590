#pragma once
// The layout that the equity and debt screens share: the title grid
// StringGridTitles over the table grid StringGridTable, the risk category
// label, and the buttons btnDeleteLine "Delete Line" and btnReturnToMiscInput
// "Done".

#include "grid/ui/StringGrid.h"
#include "holdings/HoldingsColumn.h"
#include "holdings/ui/HoldingsGrid.h"

#include <QPushButton>
#include <array>
#include <cstddef>

class QLabel;
class QWidget;

namespace velmora {

class Dialogs;
class NamedCellErrors;

struct HoldingsTableShape {
    const char* caption; // the window's caption, also what the grids are called
    const char* labelName;
    const char* labelText;
};

struct HoldingsTableParts {
    NamedCellErrors* errors = nullptr; // the table grid's error box
    StringGrid* titles = nullptr;
    StringGrid* table = nullptr;
    QLabel* label = nullptr;
    QPushButton* deleteLine = nullptr;
    QPushButton* done = nullptr;
};

inline constexpr int kHoldingsTableVisibleRows = 16;

// Sets the window's caption and chrome and makes the two grids, empty.
HoldingsTableParts CreateHoldingsGrids(QWidget& screen, Dialogs& dialogs, const char* caption);

// Adds the label and the buttons and lays the screen out.
void LayOutHoldingsTableScreen(QWidget& screen, const HoldingsTableShape& shape,
                               HoldingsTableParts& parts);

// Builds the screen's controls and layout, its grids from `columns`, and sets
// its window caption and chrome.
template <class Row, std::size_t Cols>
HoldingsTableParts BuildHoldingsTableScreen(QWidget& screen, Dialogs& dialogs,
                                            const HoldingsTableShape& shape,
                                            const std::array<HoldingsColumn<Row>, Cols>& columns) {
    HoldingsTableParts parts = CreateHoldingsGrids(screen, dialogs, shape.caption);
    const QFont font = FitTitleFont(*parts.titles, TitleRooms(*parts.titles, columns));
    parts.titles->setFont(font);
    parts.table->setFont(font);
    SetUpTitleGrid(*parts.titles, columns);
    SetUpTableGrid(*parts.table, columns, kHoldingsTableVisibleRows);
    LayOutHoldingsTableScreen(screen, shape, parts);
    return parts;
}

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
