#pragma once
// The entitlements screen: monthly Social Security, pensions and tax free
// benefits per person, in a grid with a title row and a title column.

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

class TfrmEntitlements : public QWidget {
    Q_OBJECT

public:
    explicit TfrmEntitlements(const ScreenContext& context);
    ~TfrmEntitlements() override;

    void FormActivate();

    QString StringGridEntitlementsGetEditMask(int ACol, int ARow);
    void StringGridEntitlementsSetEditText(int ACol, int ARow, const QString& Value);
    void btnReturnToDataInputClick();

private:
    // A single household sees only the titles and the "Self" column; the
    // spouse's cells keep their values.
    void ShowSpouseColumn(bool shown);
    // Shows the plan's amounts in the cells, as the screen does when it opens.
    void ShowCells();

    Workspace& workspace_;
    Shell& shell_;
    StringGrid* StringGridEntitlements = nullptr;
    QLabel* lblSpouse = nullptr;
};

} // namespace velmora
