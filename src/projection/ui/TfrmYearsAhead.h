#pragma once
// The Years Ahead screen, reached from the results: the plan carried forward
// year by year, as a table with one row a year and a chart of the investments
// at each year's end by risk category beside the budget, under one sentence
// that says how long the investments last. Its four settings are remembered
// in the program's settings. Every activation works the years out again from
// the plan as it stands.

#include "projection/Projection.h"
#include "projection/WaysCompared.h"
#include "screens/ui/ScreenContext.h"

#include <QMainWindow>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace velmora {

class Shell;
class WaysWindow;
class YearsChartView;
class YearsExport;
struct Workspace;

class TfrmYearsAhead : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmYearsAhead(const ScreenContext& context);
    ~TfrmYearsAhead() override;

    // Takes the settings kept last time and works the years out.
    void FormActivate();

    void btnReturnClick();
    void mnuExportCsvClick();
    void hlpSaveClick();
    void hlpExitClick();
    void hlpContentClick();
    // A setting changed on the screen: kept, and the years worked out again.
    void SettingChanged();
    // Opens the four ways of selling side by side.
    void btnCompareWaysClick();

    const projection::Projection& Years() const { return years_; }
    YearsExport& Export() { return *export_; }

private:
    void CreateMenus();
    void CreateControls(QWidget* parent);
    void Recalculate();
    void ShowTable();
    projection::Settings ChosenSettings() const;

    Workspace& workspace_;
    Shell& shell_;
    std::unique_ptr<YearsExport> export_;
    projection::Projection years_;
    QLabel* lblSummary = nullptr;
    QSpinBox* editThroughAge = nullptr;
    QSpinBox* editEarningsEndAge = nullptr;
    QCheckBox* chkPensionsIndexed = nullptr;
    QComboBox* cmbWay = nullptr;
    QLabel* lblThroughWhom = nullptr;
    QLabel* lblTaxLaw = nullptr;
    WaysWindow* ways_ = nullptr;
    QTableWidget* StringGridYears = nullptr;
    YearsChartView* chart_ = nullptr;
};

} // namespace velmora
