#pragma once
// The data input screen, the hub of the program: marital status, ages, budget,
// inflation and state rate, the way to every other entry screen and to the
// results, and the data entry instructions.

#include "screens/ui/ScreenContext.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class Dialogs;
class PlanHistory;
class Shell;
class StringGrid;
struct Workspace;

class TfrmDataInput : public QMainWindow {
    Q_OBJECT

public:
    // What the spouse age cell shows for a single household.
    static constexpr const char* kNA = "NA";

    explicit TfrmDataInput(const ScreenContext& context);
    ~TfrmDataInput() override;

    void FormActivate();

    void RadioButtonSClick();
    void RadioButtonMarriedClick();
    QString StringGridAgeGetEditMask(int ACol, int ARow);
    void StringGridAgeSetEditText(int ACol, int ARow, const QString& Value);
    QString StringGridBudgetGetEditMask(int ACol, int ARow);
    void StringGridBudgetSetEditText(int ACol, int ARow, const QString& Value);
    QString StringGridInflationGetEditMask(int ACol, int ARow);
    void StringGridInflationSetEditText(int ACol, int ARow, const QString& Value);
    QString StringGridStateTaxRateGetEditMask(int ACol, int ARow);
    void StringGridStateTaxRateSetEditText(int ACol, int ARow, const QString& Value);
    void btnEarnClick();
    void btnEntitlementsClick();
    void btnIRAsClick();
    void btnDebtClick();
    void btnStocksClick();
    void btnResultsClick();
    void btnReturnToTiltleScreenClick();
    void btnExitClick();
    void hlpExitClick();
    void hlpSaveClick();
    void hlpPrintClick();
    void hlpHelpClick();
    void DataEntryInstructions1Click();
    void btnExitMemoHelpClick();

private:
    QWidget* CreatePersonalBlock(Dialogs& dialogs);
    QWidget* CreateFinancialBlock(Dialogs& dialogs);
    QWidget* CreateResourcesBlock();
    void CreateMenus();
    StringGrid* CreateCellGrid(Dialogs& dialogs, const char* name, const QString& readable,
                               int cols);
    // Shows the plan's values in the cells, as the screen does when it opens.
    void ShowCells();
    // Shows "NA" in the spouse age cell; the spouse age stays as it is.
    void ShowSpouseAgeNA();
    // Makes each edit of the grids' cells and each change of marital status a
    // step of the history.
    void RecordSteps();
    template <class Change> void RecordMaritalChange(const char* text, Change change);

    // Social Security that Show Results set to 0 (a single household's
    // spouse, anyone under 62) is remembered while it stays 0, said under the
    // ages with the way to bring it back, and comes back as a step of its own
    // when Married is chosen again or the age becomes 62 or more.
    enum class Who { Self, Spouse };
    void NoteWhatResultsCleared();
    void ShowClearedNote();
    void BringBack(Who who, std::int32_t amount, QWidget* place);
    void AgeEditEnded();

    Workspace& workspace_;
    Shell& shell_;
    PlanHistory& history_;
    QRadioButton* RadioButtonS = nullptr;
    QRadioButton* RadioButtonMarried = nullptr;
    StringGrid* StringGridAge = nullptr;
    StringGrid* StringGridBudget = nullptr;
    StringGrid* StringGridInflation = nullptr;
    StringGrid* StringGridStateTaxRate = nullptr;
    QPushButton* btnResults = nullptr;
    QWidget* content_ = nullptr; // everything that the instructions cover
    QWidget* pnlHelp = nullptr;
    QPlainTextEdit* memoHelp = nullptr;
    QPushButton* btnExitMemoHelp = nullptr;
    // The spouse age when "NA" was last shown in its place.
    std::int32_t spouseAgeBehindNA_ = 0;
    QLabel* lblClearedNote = nullptr;
    // The Social Security amounts when Show Results was pressed.
    bool toResults_ = false;
    std::int32_t selfBeforeResults_ = 0;
    std::int32_t spouseBeforeResults_ = 0;
    // What Show Results cleared and what brings it back; 0 for nothing.
    std::int32_t spouseClearedSingle_ = 0;
    std::int32_t selfClearedYoung_ = 0;
    std::int32_t spouseClearedYoung_ = 0;
};

} // namespace velmora
