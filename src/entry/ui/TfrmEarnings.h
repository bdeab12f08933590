#pragma once
// The continued earnings screen: earned income after retirement, per person
// and per month, in a one-row grid under a "$/month" title row.

#include "screens/ui/ScreenContext.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace velmora {

class Dialogs;
class PlanHistory;
class Shell;
class StringGrid;
struct Workspace;

class TfrmEarnings : public QWidget {
    Q_OBJECT

public:
    explicit TfrmEarnings(const ScreenContext& context);
    ~TfrmEarnings() override;

    void FormActivate();

    QString StringGridEarningsGetEditMask(int ACol, int ARow);
    void StringGridEarningsSetEditText(int ACol, int ARow, const QString& Value);
    void btnReturnToDataInputClick();

private:
    // A single household sees only the "Self" column; the spouse's cell keeps its value.
    void ShowSpouseColumn(bool shown);
    // Shows the plan's earnings in the cells, as the screen does when it opens.
    void ShowCells();

    Workspace& workspace_;
    Shell& shell_;
    StringGrid* StringGridEarnings = nullptr;
    QLabel* lblSpouse = nullptr;
};

} // namespace velmora
