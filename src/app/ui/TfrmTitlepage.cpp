#include "app/ui/TfrmTitlepage.h"

#include "Workspace.h"
#include "app/ui/TaxYearChoice.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"
#include "tax/TaxYear.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Kept exactly as written, on purpose: the uneven "2-  " and "6- " and "IRA's".
const char* const kDescription[] = {
    "Determine the Effective Rate of Return for each of your investments, after each is "
    "modified for:",
    "     1 - Tax Savings due to Tax Free Earnings.",
    "     2-  Value of Deferral of Tax on Capital Gains on Stock.",
    "     3 - Value of Tax Deferral on regular IRA's.",
    "     4 - Value of Tax Free (but not tax deductible) Roth IRAs.",
    "     5 - The Effects of Inflation.",
    "     6- The Effects of Possible Loss due to Risk.",
    "",
    "Also, retain a balance in your Portfolio for varying degrees of investment risk.",
    "",
    "Click on Help above for program Purpose, Description, Tutorial and Detailed Instructions.",
};

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TfrmTitlepage::TfrmTitlepage(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell) {
    setObjectName("frmTitlepage");
    setWindowTitle(QStringLiteral("Title Page"));
    CreateMenus();

    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Heading, tax year and description; the quick start panel lies over them.
    auto* content = new QWidget(central);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    lblHeading_ =
        NamedLabel(content, "lblHeading", QStringLiteral("Velmora RATES OF RETURN"), true);
    QFont headingFont = lblHeading_->font();
    headingFont.setPointSize(24);
    lblHeading_->setFont(headingFont);
    lblHeading_->setAlignment(Qt::AlignCenter);

    lblTaxYear_ = NamedLabel(content, "lblTaxYear", QString());
    lblTaxYear_->setToolTip(QString::fromLatin1(TaxYearChoice::kMenuTip));
    ShowTaxYear();
    lblTaxYear_->setAlignment(Qt::AlignCenter);

    memoDescription_ = new QPlainTextEdit(content);
    QStringList lines;
    for (const char* line : kDescription) {
        lines << QString::fromLatin1(line);
    }
    memoDescription_->setPlainText(lines.join(QLatin1Char('\n')));
    NameControl(*memoDescription_, "memoDescription", QStringLiteral("Description"));
    memoDescription_->setReadOnly(true);
    memoDescription_->setFrameShape(QFrame::NoFrame);
    memoDescription_->setFocusPolicy(Qt::NoFocus);
    memoDescription_->setTextInteractionFlags(Qt::NoTextInteraction);
    memoDescription_->viewport()->setAutoFillBackground(false);
    memoDescription_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoDescription_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    contentLayout->addWidget(lblHeading_);
    contentLayout->addSpacing(4);
    contentLayout->addWidget(lblTaxYear_);
    contentLayout->addSpacing(12);
    contentLayout->addWidget(memoDescription_, 1);

    auto* panel = new QWidget(central);
    panel->setObjectName("pnlQuickStart");
    panel->setAutoFillBackground(true);
    pnlQuickStart_ = panel;
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    // Its text is set when it is first shown: laying out hidden text would only
    // slow the start. Its type is set now, with the rest of the screen's, so
    // that it grows and shrinks with the size the user chooses.
    memoQuickStart_ = new QPlainTextEdit(panel);
    NameControl(*memoQuickStart_, "memoQuickStart", QStringLiteral("Quick Start Instructions"));
    memoQuickStart_->setReadOnly(true);
    QFont bold = memoQuickStart_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    memoQuickStart_->setFont(bold);
    btnExitQuickStart_ = NamedButton(panel, "btnExitQuickStart",
                                     QStringLiteral("Exit the above Quick Start Instructions"));
    btnExitQuickStart_->setMinimumHeight(36);
    panelLayout->addWidget(memoQuickStart_, 1);
    panelLayout->addWidget(btnExitQuickStart_);
    panel->hide();
    // At a size larger than the desktop, the panel is no larger than what is
    // seen of the screen, with its Exit button in view.
    FitInView(*panel);

    QPushButton* btnEnterData = NamedButton(central, "btnEnterData", QStringLiteral("Enter Data"),
                                            QStringLiteral("Enter data, then see results."));
    btnEnterData->setMinimumSize(120, 32);
    // The caption's leading blank is kept on purpose.
    QPushButton* btnExit = NamedButton(central, "btnExit", QStringLiteral(" E&xit Program"));
    btnExit->setMinimumSize(120, 32);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->addWidget(content, 0, 0, 1, 3);
    grid->addWidget(panel, 0, 0, 1, 3); // in the same cell: over the heading and description
    grid->setRowStretch(0, 1);
    grid->addWidget(btnEnterData, 1, 1, Qt::AlignCenter);
    grid->addWidget(btnExit, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    panel->raise();

    connect(btnEnterData, &QPushButton::clicked, this, &TfrmTitlepage::btnEnterDataClick);
    KeepInView(*btnEnterData);
    KeepInView(*btnExit);
    connect(btnExit, &QPushButton::clicked, this, &TfrmTitlepage::btnExitClick);
    connect(btnExitQuickStart_, &QPushButton::clicked, this,
            &TfrmTitlepage::btnExitQuickStartClick);

    resize(640, 440);
}

void TfrmTitlepage::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    connect(AddItem(file, "hlpSave", QStringLiteral("&Save")), &QAction::triggered, this,
            &TfrmTitlepage::hlpSaveClick);
    connect(AddItem(file, "hlpPrint", QStringLiteral("&Print")), &QAction::triggered, this,
            &TfrmTitlepage::hlpPrintClick);
    connect(AddItem(file, "hlpExit", QStringLiteral("&Exit")), &QAction::triggered, this,
            &TfrmTitlepage::hlpExitClick);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName("mnuHelp");
    connect(AddItem(help, "hlpContents", QStringLiteral("&Table of Contents")), &QAction::triggered,
            this, &TfrmTitlepage::hlpContentsClick);
    connect(AddItem(help, "hlpTutorial", QStringLiteral("&Tutorial")), &QAction::triggered, this,
            &TfrmTitlepage::hlpTutorialClick);

    QAction* quickStart = menuBar()->addAction(QStringLiteral("&Quick Start Instructions"));
    quickStart->setObjectName("QuickStartInstructions1");
    connect(quickStart, &QAction::triggered, this, &TfrmTitlepage::QuickStartInstructions1Click);
}

void TfrmTitlepage::btnEnterDataClick() {
    shell_.Show(Screen::DataInput);
}

void TfrmTitlepage::btnExitClick() {
    shell_.ExitSequence();
}

void TfrmTitlepage::hlpSaveClick() {
    shell_.Save();
}

void TfrmTitlepage::hlpPrintClick() {
    shell_.PrintHint();
}

void TfrmTitlepage::hlpExitClick() {
    shell_.ExitSequence();
}

void TfrmTitlepage::hlpContentsClick() {
    shell_.HelpContents();
}

void TfrmTitlepage::hlpTutorialClick() {
    shell_.HelpTutorial();
}

void TfrmTitlepage::QuickStartInstructions1Click() {
    if (memoQuickStart_->document()->isEmpty()) {
        memoQuickStart_->setPlainText(QString::fromLatin1(kQuickStart));
    }
    pnlQuickStart_->show();
    pnlQuickStart_->raise();
}

void TfrmTitlepage::btnExitQuickStartClick() {
    pnlQuickStart_->hide();
}

void TfrmTitlepage::ShowTaxYear() {
    const QString line = QString::fromStdString(TaxYearLine(workspace_.taxYear.Number()));
    lblTaxYear_->setText(line);
    lblTaxYear_->setAccessibleName(line);
}

} // namespace velmora
