#pragma once
// The title screen: heading, tax year, what the program does, quick start
// instructions, and the way in ("Enter Data") and out (" E&xit Program").

#include "screens/ui/ScreenContext.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Shell;
struct Workspace;

class TfrmTitlepage : public QMainWindow {
    Q_OBJECT

public:
    // Kept as written on purpose, step 1 without its full stop.
    static constexpr const char* kQuickStart = "Quick Start Instructions\n"
                                               "\n"
                                               "1 - Select ENTER DATA\n"
                                               "\n"
                                               "2 - Enter your PERSONAL and FINANCIAL DATA.\n"
                                               "\n"
                                               "3 - Enter your RESOURCES DATA.\n"
                                               "\n"
                                               "4 - SHOW RESULTS.";

    explicit TfrmTitlepage(const ScreenContext& context);

    // Shows the tax year in force.
    void FormActivate() { ShowTaxYear(); }
    void ShowTaxYear();

    void btnEnterDataClick();
    void btnExitClick();
    void hlpSaveClick();
    void hlpPrintClick();
    void hlpExitClick();
    void hlpContentsClick();
    void hlpTutorialClick();
    void QuickStartInstructions1Click();
    void btnExitQuickStartClick();

private:
    void CreateMenus();

    const Workspace& workspace_;
    Shell& shell_;
    QLabel* lblHeading_ = nullptr;
    QLabel* lblTaxYear_ = nullptr;
    QPlainTextEdit* memoDescription_ = nullptr;
    QWidget* pnlQuickStart_ = nullptr;
    QPlainTextEdit* memoQuickStart_ = nullptr;
    QPushButton* btnExitQuickStart_ = nullptr;
};

} // namespace velmora
