#pragma once
// The results screen: the holdings ranked by Err in the four risk category
// grids with their totals and shares, the total of all investments, income,
// expenses, tax rates and the withdrawal needed, and the quick help texts.
// Every activation runs the whole results calculation.

#include "export/ui/ReportSection.h"
#include "results/ResultBox.h"
#include "screens/ui/ScreenContext.h"

#include <QMainWindow>
#include <array>
#include <span>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Dialogs;
class PlanHistory;
class ResultsExport;
class Shell;
class StringGrid;
class TaxWorkingWindow;
struct Workspace;

class TfrmCalc : public QMainWindow {
    Q_OBJECT

public:
    // Rows of a result grid: the title row and one row for each entry that a
    // category can receive (four tables of 40 rows).
    static constexpr int kGridRows = 161;

    explicit TfrmCalc(const ScreenContext& context);

    // Runs the results calculation; what it changes in the plan (Social Security
    // cleared by the age and marital rules, a regular IRA's basis) is one step
    // of the history, "Show Results", taken back on the screen that shows what
    // it brings back (else on the data input screen).
    void FormActivate();

    // The results calculation; fills every box and grid.
    void Calculate();
    // The ranking steps of the calculation, as the results screen offers them.
    void LoadArrays();
    void SortCategory(int category, int low, int high);

    void btnReturnClick();
    // Shows the Years Ahead screen.
    void btnYearsAheadClick();
    void mnuGenerealClick();
    void hlpRiskCategoriesClick();
    void hlpRetentionValuesClick();
    void hlpIncomeClick();
    void hlpExpensesClick();
    void hlpTaxInfoClick();
    void hlpWithdrawalNeededClick();
    void btnExitMemoHelpClick();
    void hlpSaveClick();
    void hlpPrintClick();
    void hlpExitClick();
    void hlpContentClick();
    // The results as a file, a report and charts.
    void mnuExportCsvClick();
    void mnuSaveReportPdfClick();
    void mnuPrintReportClick();
    void mnuChartsClick();
    // How the tax was worked out, line by line, without and with the withdrawal.
    void mnuTaxWorkingClick();

    // Pages that the printed report carries after the results' own.
    void AddReportPages(ReportSectionMaker make);

private:
    void CreateMenus();
    void CreateGrids(QWidget* parent, Dialogs& dialogs);
    void CreateBoxes(QWidget* parent);
    void CreateButtons(QWidget* parent);
    void ShowBoxes();
    // "To raise 6,636: sell 412 of Treasury, ...": year 0 of the years ahead.
    void ShowSellLine();
    void ShowGrids();
    void ShowTaxYear();
    // Shows the help memo with the given lines, replacing whatever it held.
    void ShowQuickHelp(std::span<const char* const> lines);

    Workspace& workspace_;
    Shell& shell_;
    PlanHistory& history_;
    ResultsExport* export_ = nullptr;
    std::array<StringGrid*, 4> grids_{};
    std::array<QLineEdit*, kResultBoxCount> boxes_{}; // by ResultBox
    QPlainTextEdit* memoHelp = nullptr;
    QLabel* lblSellThisYear = nullptr;
    QPushButton* btnExitMemoHelp = nullptr;
    TaxWorkingWindow* taxWorking_ = nullptr; // once opened
};

} // namespace velmora
