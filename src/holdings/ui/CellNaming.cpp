#include "holdings/ui/CellNaming.h"

#include "grid/ui/StringGrid.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/ScreenText.h"

namespace velmora {

QString HoldingNamed(int row, const std::string& planName) {
    const QString number = QStringLiteral("Row %1").arg(row + 1);
    if (planName.empty()) {
        return number + QStringLiteral(" (no name)");
    }
    return number + QStringLiteral(", \"") + FromPlanText(planName) + QLatin1Char('"');
}

QString WithDetails(const QString& words, const QStringList& details) {
    if (details.isEmpty()) {
        return words;
    }
    return words + QStringLiteral("\n\n") + details.join(QLatin1Char('\n'));
}

void NamedCellErrors::Watch(StringGrid& grid, Describe describe) {
    grid_ = &grid;
    describe_ = std::move(describe);
}

void NamedCellErrors::Error(const QString& text) {
    // The box adds the full stop after the whole text, so the error's own words
    // get theirs here, before the details.
    if (grid_ == nullptr || !describe_ || grid_->Col() < 0 || grid_->Row() < 0) {
        dialogs_.Error(text);
        return;
    }
    const int col = grid_->Col();
    const int row = grid_->Row();
    QStringList details = describe_(col, row, grid_->Cells(col, row));
    if (details.isEmpty()) {
        dialogs_.Error(text);
        return;
    }
    QString last = details.takeLast();
    if (last.endsWith(QLatin1Char('.'))) {
        last.chop(1);
    }
    details << last;
    dialogs_.Error(WithDetails(text + QLatin1Char('.'), details));
}

} // namespace velmora
