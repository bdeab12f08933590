#pragma once
// How the holdings screens' boxes say which cell they are about: the holding by
// its row and name ("Row 3, \"Vanguard\""), the column by its title lines
// ("Auto Reinvest (Y/N)"), after the box's own words and a blank line.

#include "grid/ui/ErrorBox.h"
#include "holdings/HoldingsColumn.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace velmora {

class Dialogs;
class StringGrid;

// "Row 3, \"Vanguard\"", or "Row 3 (no name)".
QString HoldingNamed(int row, const std::string& planName);

// The column's title lines as one: "Auto Reinvest (Y/N)".
template <class Row, std::size_t Cols>
QString ColumnNamed(const std::array<HoldingsColumn<Row>, Cols>& columns, int col) {
    QStringList lines;
    for (const char* line : columns[static_cast<std::size_t>(col)].title) {
        lines << QString::fromLatin1(line).simplified();
    }
    return lines.join(QLatin1Char(' ')).simplified();
}

// A box's own `words`, then a blank line and `details`, one to a line.
QString WithDetails(const QString& words, const QStringList& details);

// The error box of a table grid's cell that may not be left, saying after its
// own words which cell it is and what it takes: the grid's current cell, as
// `describe` gives it for (col, row) and the text standing in the cell.
class NamedCellErrors : public QObject, public ErrorBox {
public:
    using Describe = std::function<QStringList(int col, int row, const QString& text)>;
    NamedCellErrors(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

    void Watch(StringGrid& grid, Describe describe);
    void Error(const QString& text) override;

private:
    Dialogs& dialogs_;
    QPointer<StringGrid> grid_;
    Describe describe_;
};

} // namespace velmora
