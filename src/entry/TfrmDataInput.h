#pragma once
// The data input screen, the hub of the program: marital status, ages, budget,
// inflation and state rate, the way to every other entry screen and to the
// results, and the data entry instructions.

#include <QMainWindow>
#include <QString>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class Dialogs;
class Shell;
class StringGrid;
struct Workspace;

class TfrmDataInput : public QMainWindow {
    Q_OBJECT

public:
    TfrmDataInput(Workspace& workspace, Dialogs& dialogs, Shell& shell);

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

    Workspace& workspace_;
    Shell& shell_;
    QRadioButton* RadioButtonS = nullptr;
    QRadioButton* RadioButtonMarried = nullptr;
    StringGrid* StringGridAge = nullptr;
    StringGrid* StringGridBudget = nullptr;
    StringGrid* StringGridInflation = nullptr;
    StringGrid* StringGridStateTaxRate = nullptr;
    QPushButton* btnResults = nullptr;
    QWidget* pnlHelp = nullptr;
    QPlainTextEdit* memoHelp = nullptr;
};

} // namespace velmora
