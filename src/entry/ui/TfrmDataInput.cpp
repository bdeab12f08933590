#include "entry/ui/TfrmDataInput.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/FilingStatus.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>
#include <utility>

namespace velmora {

namespace {

constexpr int kCellWidth = 64;
constexpr int kCellHeight = 22;

// The texts of this screen are kept exactly as written, on purpose: the double
// blanks, the last line's trailing blank, "form your IRAs" and "IRA's" included.
const char* const kInstructions[] = {
    "STEP 1: Enter your PERSONAL DATA - Married or Single and current age(s).",
    "Enter FINANCIAL ASSUMPTIONS as follows:",
    "- ANNUAL BUDGET (Optional)  Used only to assist in determining your tax brackets if you are "
    "retired and/or will be withdrawing from your investments.",
    "- ANNUAL INFLATION RATE. All of your investment rates of return will be decreased by this "
    "value.",
    "- STATE and LOCAL INCREMENTAL TAX RATE.  Reduces your Effective Rate of Return as well as "
    "determining if you have to withdraw additional funds to pay these taxes.",
    "STEP 2: Enter your RESOURCES DATA for ALL applicable items.",
    "NOTE: FAILURE TO ENTER ALL OF YOUR INCOME AND RESOURCES WILL RESULT IN CALCULATION OF THE "
    "WRONG TAX BRACKETS, AND WRONG RESULTS.",
    "STEP 3: Press SHOW RESULTS to see your investments listed in the Risk Categories of your "
    "choice and their ERR (EFFECTIVE RATE OF RETURN) values. ",
};

const char* const kBottomNotes[] = {
    "Note: While you may lump similar items together, you must enter ALL of your income data in "
    "order for the",
    "program to determine the proper marginal tax rate for your income, dividends and capital "
    "gains.  You must",
    "also enter your age and marital status to determine any minimum required withdrawal form your "
    "IRAs.",
    "Data on Annual Budget is only necessary if you will need to withdraw from an IRA to meet your "
    "budget.",
    "Data for Annual Inflation and State / Local Incremental Tax Rates are Optional, but real for "
    "most cases.",
};

// The age from which Social Security counts.
constexpr std::int32_t kSocialSecurityAge = 62;

} // namespace

TfrmDataInput::TfrmDataInput(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell), history_(context.history) {
    setObjectName("frmDataInput");
    setWindowTitle(QStringLiteral("Data Input Screen"));
    CreateMenus();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    content_ = new QWidget(central);
    QWidget* content = content_;

    auto* blocks = new QHBoxLayout();
    blocks->setSpacing(28);
    blocks->addWidget(CreatePersonalBlock(context.dialogs), 0, Qt::AlignTop);
    blocks->addWidget(CreateFinancialBlock(context.dialogs), 0, Qt::AlignTop);
    blocks->addWidget(CreateResourcesBlock(), 0, Qt::AlignTop);

    auto* note =
        NamedLabel(content, "lblNote",
                   QStringLiteral("(NOTE:  This program only provides data on the equivalent "
                                  "rates of return.\nIt does not help evaluate the stability "
                                  "or future value of any investment.)"));
    note->setAlignment(Qt::AlignCenter);

    // "Tiltle" is the control's documented name, kept as it is on purpose.
    auto* btnReturn =
        NamedButton(content, "btnReturnToTiltleScreen", QStringLiteral("Return To Title Screen"));
    btnResults = NamedButton(content, "btnResults", QStringLiteral("Show Results"),
                             QStringLiteral("Enter Resources Data first, then Show Results"));
    QFont large = btnResults->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    btnResults->setFont(large);
    btnResults->setMinimumSize(180, 44);
    auto* btnExit = NamedButton(content, "btnExit", QStringLiteral("Exit Program"));
    btnReturn->setMinimumSize(160, 32);
    btnExit->setMinimumSize(120, 32);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnReturn);
    buttons->addSpacing(40);
    buttons->addWidget(btnResults);
    buttons->addSpacing(40);
    buttons->addWidget(btnExit);
    buttons->addStretch(1);
    for (QWidget* button : {static_cast<QWidget*>(btnReturn), static_cast<QWidget*>(btnResults),
                            static_cast<QWidget*>(btnExit)}) {
        KeepInView(*button);
    }

    QStringList noteLines;
    for (const char* line : kBottomNotes) {
        noteLines << QString::fromLatin1(line);
    }
    auto* notes = NamedLabel(content, "lblNotes", noteLines.join(QLatin1Char('\n')));

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(blocks);
    layout->addSpacing(10);
    layout->addWidget(note);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->addSpacing(12);
    layout->addWidget(notes);
    layout->addStretch(1);

    // The instructions: a text box over nearly the whole screen, with its button.
    pnlHelp = new QWidget(central);
    pnlHelp->setObjectName("pnlHelp");
    pnlHelp->setAutoFillBackground(true);
    memoHelp = new QPlainTextEdit(pnlHelp);
    NameControl(*memoHelp, "memoHelp", QStringLiteral("Data Entry Instructions"));
    memoHelp->setReadOnly(true);
    memoHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont memoFont = memoHelp->font();
    memoFont.setPointSize(memoFont.pointSize() + 2);
    memoHelp->setFont(memoFont);
    btnExitMemoHelp =
        NamedButton(pnlHelp, "btnExitMemoHelp", QStringLiteral("Exit this help screen"));
    btnExitMemoHelp->setMinimumHeight(40);
    auto* helpLayout = new QVBoxLayout(pnlHelp);
    helpLayout->setContentsMargins(0, 0, 0, 0);
    helpLayout->addWidget(memoHelp, 1);
    helpLayout->addWidget(btnExitMemoHelp);
    pnlHelp->hide();
    FitInView(*pnlHelp);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(18, 12, 18, 12);
    grid->addWidget(content, 0, 0);
    grid->addWidget(pnlHelp, 0, 0);

    connect(btnReturn, &QPushButton::clicked, this, &TfrmDataInput::btnReturnToTiltleScreenClick);
    connect(btnResults, &QPushButton::clicked, this, &TfrmDataInput::btnResultsClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmDataInput::btnExitClick);
    connect(btnExitMemoHelp, &QPushButton::clicked, this, &TfrmDataInput::btnExitMemoHelpClick);
    RecordSteps();
    // After the edit's own step.
    connect(StringGridAge, &StringGrid::EditEnded, this, &TfrmDataInput::AgeEditEnded);

    resize(860, 500);
}

void TfrmDataInput::RecordSteps() {
    const auto personal = [](const char* name) {
        return std::optional<CellField>({{PlanPart::Personal}, QString::fromLatin1(name)});
    };
    history_.RecordCellEdits(*StringGridAge, Screen::DataInput,
                             [personal](int col, int row) -> std::optional<CellField> {
                                 if (row != 0 || (col != 0 && col != 1)) {
                                     return std::nullopt;
                                 }
                                 return personal(col == 0 ? "Age (Self)" : "Age (Spouse)");
                             });
    const auto single = [personal](const char* name) {
        return [personal, name](int col, int row) -> std::optional<CellField> {
            return col == 0 && row == 0 ? personal(name) : std::nullopt;
        };
    };
    history_.RecordCellEdits(*StringGridBudget, Screen::DataInput, single("Annual Budget"));
    history_.RecordCellEdits(*StringGridInflation, Screen::DataInput, single("Annual Inflation"));
    history_.RecordCellEdits(*StringGridStateTaxRate, Screen::DataInput,
                             single("State and Local Tax Rate"));
}

template <class Change> void TfrmDataInput::RecordMaritalChange(const char* text, Change change) {
    const PlanWatch watch(workspace_.plan, {{PlanPart::Personal}});
    change();
    QWidget* button = FilingStatusOf(workspace_.plan.Married) == FilingStatus::Married
                          ? static_cast<QWidget*>(RadioButtonMarried)
                          : RadioButtonS;
    history_.Record({Screen::DataInput, button}, QString::fromLatin1(text),
                    watch.Changes(workspace_.plan));
}

void TfrmDataInput::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    NamedAction(*this, file, "hlpSave", QStringLiteral("&Save"), &TfrmDataInput::hlpSaveClick);
    // "&Print..." and "E&xit" here, "&Print" and "&Exit" on the title screen: on purpose.
    NamedAction(*this, file, "hlpPrint", QStringLiteral("&Print..."),
                &TfrmDataInput::hlpPrintClick);
    NamedAction(*this, file, "hlpExit", QStringLiteral("E&xit"), &TfrmDataInput::hlpExitClick);
    NamedAction(*this, nullptr, "hlpHelp", QStringLiteral("&Help"), &TfrmDataInput::hlpHelpClick);
    NamedAction(*this, nullptr, "DataEntryInstructions1", QStringLiteral("Data Entry Instructions"),
                &TfrmDataInput::DataEntryInstructions1Click);
}

StringGrid* TfrmDataInput::CreateCellGrid(Dialogs& dialogs, const char* name,
                                          const QString& readable, int cols) {
    auto* grid = new StringGrid(dialogs);
    NameControl(*grid, name, readable);
    grid->SetSize(cols, 1);
    for (int col = 0; col < cols; ++col) {
        grid->SetColWidth(col, kCellWidth);
    }
    if (cols == 1) {
        grid->SetColTitle(0, readable); // the one value is read as its label
    }
    grid->SetDefaultRowHeight(kCellHeight);
    grid->setTabKeyNavigation(true);
    grid->SizeToCells();
    return grid;
}

QWidget* TfrmDataInput::CreatePersonalBlock(Dialogs& dialogs) {
    auto* block = new QWidget();
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NamedLabel(block, "lblPersonalData", QStringLiteral("Personal Data"), true));

    auto* group = new QGroupBox(QStringLiteral("Marital Status"), block);
    NameControl(*group, "grpMaritalStatus", group->title());
    RadioButtonS = new QRadioButton(QStringLiteral("Single"), group);
    NameControl(*RadioButtonS, "RadioButtonS", RadioButtonS->text());
    RadioButtonMarried = new QRadioButton(QStringLiteral("Married"), group);
    NameControl(*RadioButtonMarried, "RadioButtonMarried", RadioButtonMarried->text());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(RadioButtonS);
    groupLayout->addWidget(RadioButtonMarried);
    layout->addWidget(group);
    layout->addSpacing(12);

    layout->addWidget(NamedLabel(block, "lblAge", QStringLiteral("Age")));
    auto* heads = new QHBoxLayout();
    heads->setSpacing(0);
    QLabel* self = NamedLabel(block, "lblSelf", QStringLiteral("Self"));
    QLabel* spouse = NamedLabel(block, "lblSpouse", QStringLiteral("Spouse"));
    self->setFixedWidth(kCellWidth);
    spouse->setFixedWidth(kCellWidth);
    self->setAlignment(Qt::AlignCenter);
    spouse->setAlignment(Qt::AlignCenter);
    heads->addWidget(self);
    heads->addWidget(spouse);
    heads->addStretch(1);
    layout->addLayout(heads);
    StringGridAge = CreateCellGrid(dialogs, "StringGridAge", QStringLiteral("Age"), 2);
    StringGridAge->SetColTitle(0, QStringLiteral("Self"));
    StringGridAge->SetColTitle(1, QStringLiteral("Spouse"));
    layout->addWidget(StringGridAge);
    lblClearedNote = NamedLabel(block, "lblClearedNote", QString());
    lblClearedNote->setWordWrap(true);
    lblClearedNote->setMaximumWidth(2 * kCellWidth + 60);
    lblClearedNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblClearedNote->hide();
    layout->addSpacing(6);
    layout->addWidget(lblClearedNote);

    connect(RadioButtonS, &QRadioButton::clicked, this, &TfrmDataInput::RadioButtonSClick);
    connect(RadioButtonMarried, &QRadioButton::clicked, this,
            &TfrmDataInput::RadioButtonMarriedClick);
    StringGridAge->OnGetEditMask(
        [this](int col, int row) { return StringGridAgeGetEditMask(col, row); });
    StringGridAge->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridAgeSetEditText(col, row, text);
    });
    return block;
}

QWidget* TfrmDataInput::CreateFinancialBlock(Dialogs& dialogs) {
    auto* block = new QWidget();
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NamedLabel(block, "lblFinancialAssumptions",
                                 QStringLiteral("Financial Assumptions"), true));
    layout->addWidget(NamedLabel(
        block, "lblFinancialNote",
        QStringLiteral("(Data on this screen is also used to calculate your tax rates and "
                       "inflation)")));
    layout->addSpacing(8);

    auto* rows = new QGridLayout();
    rows->setHorizontalSpacing(12);
    rows->setVerticalSpacing(2);
    rows->addWidget(NamedLabel(block, "lblBudget", QStringLiteral("Annual Budget, $/Yr")), 0, 0);
    rows->addWidget(
        NamedLabel(block, "lblLessFederalTaxes", QStringLiteral("(Less Federal Taxes)")), 1, 0);
    StringGridBudget =
        CreateCellGrid(dialogs, "StringGridBudget", QStringLiteral("Annual Budget, $/Yr"), 1);
    SetHint(*StringGridBudget,
            QStringLiteral("Federal income taxes will be calculated separately."));
    rows->addWidget(StringGridBudget, 0, 1, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    rows->addWidget(
        NamedLabel(block, "lblBudgetNote",
                   QStringLiteral("(Used to calculate the amount you need to withdraw.  "
                                  "Your\ntotal withdrawal will include this plus an amount "
                                  "to pay taxes.)")),
        2, 0, 1, 2);
    rows->setRowMinimumHeight(3, 10);

    rows->addWidget(NamedLabel(block, "lblInflation", QStringLiteral("Annual Inflation, %/Yr")), 4,
                    0);
    StringGridInflation =
        CreateCellGrid(dialogs, "StringGridInflation", QStringLiteral("Annual Inflation, %/Yr"), 1);
    SetHint(*StringGridInflation,
            QStringLiteral("Subtracts from interest/growth rates to give inflation free rate."));
    rows->addWidget(StringGridInflation, 4, 1, Qt::AlignLeft);
    rows->addWidget(
        NamedLabel(block, "lblInflationNote",
                   QStringLiteral("(Subtracts from the actual earnings to give real earnings.)")),
        5, 0, 1, 2);
    rows->setRowMinimumHeight(6, 10);

    rows->addWidget(NamedLabel(block, "lblStateTaxRate",
                               QStringLiteral("State and Local Incremental Tax Rate, %/Yr")),
                    7, 0);
    StringGridStateTaxRate =
        CreateCellGrid(dialogs, "StringGridStateTaxRate",
                       QStringLiteral("State and Local Incremental Tax Rate, %/Yr"), 1);
    rows->addWidget(StringGridStateTaxRate, 7, 1, Qt::AlignLeft);
    rows->addWidget(
        NamedLabel(block, "lblStateTaxNote",
                   QStringLiteral("(State taxes vary and are NOT used to modify Rates of "
                                  "Return\nUsed only to calculate IRA withdrawals needed "
                                  "for budget.)")),
        8, 0, 1, 2);
    layout->addLayout(rows);

    StringGridBudget->OnGetEditMask(
        [this](int col, int row) { return StringGridBudgetGetEditMask(col, row); });
    StringGridBudget->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridBudgetSetEditText(col, row, text);
    });
    StringGridInflation->OnGetEditMask(
        [this](int col, int row) { return StringGridInflationGetEditMask(col, row); });
    StringGridInflation->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridInflationSetEditText(col, row, text);
    });
    StringGridStateTaxRate->OnGetEditMask(
        [this](int col, int row) { return StringGridStateTaxRateGetEditMask(col, row); });
    StringGridStateTaxRate->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridStateTaxRateSetEditText(col, row, text);
    });
    // A cell left with a new value shows it as the screen shows it when opened.
    for (StringGrid* grid :
         {StringGridAge, StringGridBudget, StringGridInflation, StringGridStateTaxRate}) {
        connect(grid, &StringGrid::EditStored, this, &TfrmDataInput::ShowCells);
    }
    return block;
}

QWidget* TfrmDataInput::CreateResourcesBlock() {
    auto* block = new QWidget();
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        NamedLabel(block, "lblResourcesData", QStringLiteral("Resources Data"), true));
    struct Entry {
        const char* name;
        const char* caption;
        const char* hint;
        void (TfrmDataInput::*handler)();
    };
    const Entry entries[] = {
        {"btnEarn", "Continued Earnings", "Annual post-retirement earned income.",
         &TfrmDataInput::btnEarnClick},
        {"btnEntitlements", "Entitlements", "Social Security, Pensions, Tax Free",
         &TfrmDataInput::btnEntitlementsClick},
        {"btnIRAs", "IRA's", "Normal IRA and Roth IRA", &TfrmDataInput::btnIRAsClick},
        {"btnDebt", "Bonds, CDs, etc.", "Interest only items.", &TfrmDataInput::btnDebtClick},
        {"btnStocks", "Stocks, Equities", "Stocks and other growth items.",
         &TfrmDataInput::btnStocksClick},
    };
    for (const Entry& entry : entries) {
        QPushButton* button = NamedButton(block, entry.name, QString::fromLatin1(entry.caption),
                                          QString::fromLatin1(entry.hint));
        button->setMinimumSize(150, 30);
        KeepInView(*button);
        connect(button, &QPushButton::clicked, this, entry.handler);
        layout->addWidget(button);
    }
    return block;
}

void TfrmDataInput::FormActivate() {
    PlanData& plan = workspace_.plan;
    // Neither status leaves the buttons as they are and shows the spouse's age.
    const FilingStatus status = FilingStatusOf(plan.Married);
    if (status == FilingStatus::Single) {
        RadioButtonS->setChecked(true);
        RadioButtonSClick();
    }
    if (status == FilingStatus::Married) {
        RadioButtonMarried->setChecked(true);
        RadioButtonMarriedClick();
    }
    ShowCells();
    NoteWhatResultsCleared();
    if (pnlHelp->isVisible()) {
        btnExitMemoHelp->setFocus();
    } else {
        btnResults->setFocus();
    }
}

void TfrmDataInput::ShowCells() {
    const PlanData& plan = workspace_.plan;
    StringGridAge->SetCells(0, 0, NumberText(plan.AgeSelf));
    StringGridAge->SetCells(1, 0, NumberText(plan.AgeSpouse));
    if (FilingStatusOf(plan.Married) == FilingStatus::Single) {
        ShowSpouseAgeNA();
    }
    StringGridBudget->SetCells(0, 0, NumberText(plan.AnnualBudget));
    StringGridInflation->SetCells(0, 0, NumberText(plan.InflationRate));
    StringGridStateTaxRate->SetCells(0, 0, NumberText(plan.StateTaxRate));
}

void TfrmDataInput::ShowSpouseAgeNA() {
    spouseAgeBehindNA_ = workspace_.plan.AgeSpouse;
    StringGridAge->SetCells(1, 0, QString::fromLatin1(kNA));
}

void TfrmDataInput::RadioButtonSClick() {
    RecordMaritalChange("change to Single", [this] {
        PlanData& plan = workspace_.plan;
        if (RadioButtonS->isChecked()) {
            plan.Married = kSingleText;
        }
        if (FilingStatusOf(plan.Married) == FilingStatus::Single) {
            RadioButtonS->setChecked(true);
            ShowSpouseAgeNA();
        }
    });
}

void TfrmDataInput::RadioButtonMarriedClick() {
    const bool wasSingle = FilingStatusOf(workspace_.plan.Married) == FilingStatus::Single;
    RecordMaritalChange("change to Married", [this] {
        PlanData& plan = workspace_.plan;
        if (RadioButtonMarried->isChecked()) {
            plan.Married = kMarriedText;
        }
        if (FilingStatusOf(plan.Married) == FilingStatus::Married) {
            RadioButtonMarried->setChecked(true);
            StringGridAge->SetCells(1, 0, NumberText(plan.AgeSpouse));
        }
    });
    if (wasSingle && FilingStatusOf(workspace_.plan.Married) == FilingStatus::Married &&
        spouseClearedSingle_ > 0) {
        BringBack(Who::Spouse, std::exchange(spouseClearedSingle_, 0), RadioButtonMarried);
        ShowClearedNote();
    }
}

void TfrmDataInput::NoteWhatResultsCleared() {
    const PlanData& plan = workspace_.plan;
    if (std::exchange(toResults_, false)) {
        if (spouseBeforeResults_ > 0 && plan.SocialSecuritySpouse == 0) {
            if (FilingStatusOf(plan.Married) == FilingStatus::Single) {
                spouseClearedSingle_ = spouseBeforeResults_;
            } else if (plan.AgeSpouse < kSocialSecurityAge) {
                spouseClearedYoung_ = spouseBeforeResults_;
            }
        }
        if (selfBeforeResults_ > 0 && plan.SocialSecuritySelf == 0 &&
            plan.AgeSelf < kSocialSecurityAge) {
            selfClearedYoung_ = selfBeforeResults_;
        }
    }
    // An amount that is back (Ctrl+Z, typed again) is no longer cleared.
    if (plan.SocialSecuritySpouse != 0) {
        spouseClearedSingle_ = 0;
        spouseClearedYoung_ = 0;
    }
    if (plan.SocialSecuritySelf != 0) {
        selfClearedYoung_ = 0;
    }
    ShowClearedNote();
}

void TfrmDataInput::ShowClearedNote() {
    QStringList lines;
    if (spouseClearedSingle_ > 0) {
        lines << QStringLiteral("Social Security (Spouse) of %1 $/mo counts only for a married "
                                "household: Show Results set it to 0. Choosing Married brings it "
                                "back.")
                     .arg(spouseClearedSingle_);
    }
    if (selfClearedYoung_ > 0) {
        lines << QStringLiteral("Social Security (Self) of %1 $/mo counts from age 62: Show "
                                "Results set it to 0. An age (Self) of 62 or more brings it back.")
                     .arg(selfClearedYoung_);
    }
    if (spouseClearedYoung_ > 0) {
        lines << QStringLiteral("Social Security (Spouse) of %1 $/mo counts from age 62: Show "
                                "Results set it to 0. An age (Spouse) of 62 or more brings it "
                                "back.")
                     .arg(spouseClearedYoung_);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    lblClearedNote->setText(text);
    lblClearedNote->setAccessibleName(text);
    lblClearedNote->setVisible(!text.isEmpty());
}

void TfrmDataInput::BringBack(Who who, std::int32_t amount, QWidget* place) {
    PlanData& plan = workspace_.plan;
    std::int32_t& field = who == Who::Self ? plan.SocialSecuritySelf : plan.SocialSecuritySpouse;
    if (field != 0) {
        return; // typed again meanwhile
    }
    const PlanWatch watch(plan, {{PlanPart::Personal}});
    field = amount;
    history_.Record({Screen::DataInput, place},
                    who == Who::Self ? QStringLiteral("return of Social Security (Self)")
                                     : QStringLiteral("return of Social Security (Spouse)"),
                    watch.Changes(plan));
}

void TfrmDataInput::AgeEditEnded() {
    const PlanData& plan = workspace_.plan;
    if (selfClearedYoung_ > 0 && plan.AgeSelf >= kSocialSecurityAge) {
        BringBack(Who::Self, std::exchange(selfClearedYoung_, 0), StringGridAge);
    }
    if (spouseClearedYoung_ > 0 && plan.AgeSpouse >= kSocialSecurityAge &&
        FilingStatusOf(plan.Married) == FilingStatus::Married) {
        BringBack(Who::Spouse, std::exchange(spouseClearedYoung_, 0), StringGridAge);
    }
    ShowClearedNote();
}

QString TfrmDataInput::StringGridAgeGetEditMask(int ACol, int /*ARow*/) {
    return ACol == 0 || ACol == 1 ? QStringLiteral("000") : QString();
}

void TfrmDataInput::StringGridAgeSetEditText(int ACol, int ARow, const QString& Value_) {
    if (ARow != 0) {
        return;
    }
    if (ACol == 0) {
        workspace_.plan.AgeSelf = LeadingDigitsOf(Value_);
    } else if (ACol == 1) {
        // "NA" cannot be typed (the cell takes digits only): it is the text that
        // Escape brings back, and stands for the spouse age kept behind it.
        workspace_.plan.AgeSpouse =
            Value_ == QLatin1String(kNA) ? spouseAgeBehindNA_ : LeadingDigitsOf(Value_);
    }
}

QString TfrmDataInput::StringGridBudgetGetEditMask(int /*ACol*/, int /*ARow*/) {
    return QStringLiteral("000000");
}

void TfrmDataInput::StringGridBudgetSetEditText(int ACol, int ARow, const QString& Value_) {
    if (ACol == 0 && ARow == 0) {
        workspace_.plan.AnnualBudget = LeadingDigitsOf(Value_);
    }
}

QString TfrmDataInput::StringGridInflationGetEditMask(int /*ACol*/, int /*ARow*/) {
    return QStringLiteral("00");
}

void TfrmDataInput::StringGridInflationSetEditText(int ACol, int ARow, const QString& Value_) {
    if (ACol == 0 && ARow == 0) {
        workspace_.plan.InflationRate = LeadingDigitsOf(Value_);
    }
}

QString TfrmDataInput::StringGridStateTaxRateGetEditMask(int /*ACol*/, int /*ARow*/) {
    return QStringLiteral("00");
}

void TfrmDataInput::StringGridStateTaxRateSetEditText(int ACol, int ARow, const QString& Value_) {
    if (ACol == 0 && ARow == 0) {
        workspace_.plan.StateTaxRate = LeadingDigitsOf(Value_);
        workspace_.AppliedStateTaxRate = workspace_.plan.StateTaxRate;
    }
}

void TfrmDataInput::btnEarnClick() {
    shell_.Show(Screen::Earnings);
}

void TfrmDataInput::btnEntitlementsClick() {
    shell_.Show(Screen::Entitlements);
}

void TfrmDataInput::btnIRAsClick() {
    shell_.Show(Screen::IRAs);
}

void TfrmDataInput::btnDebtClick() {
    shell_.Show(Screen::Debt);
}

void TfrmDataInput::btnStocksClick() {
    shell_.Show(Screen::Equity);
}

void TfrmDataInput::btnResultsClick() {
    toResults_ = true;
    selfBeforeResults_ = workspace_.plan.SocialSecuritySelf;
    spouseBeforeResults_ = workspace_.plan.SocialSecuritySpouse;
    shell_.Show(Screen::Results);
}

void TfrmDataInput::btnReturnToTiltleScreenClick() {
    shell_.Show(Screen::Title);
}

void TfrmDataInput::btnExitClick() {
    shell_.ExitSequence();
}

void TfrmDataInput::hlpExitClick() {
    shell_.ExitSequence();
}

void TfrmDataInput::hlpSaveClick() {
    shell_.Save();
}

void TfrmDataInput::hlpPrintClick() {
    shell_.PrintHint();
}

void TfrmDataInput::hlpHelpClick() {
    shell_.HelpContents();
}

void TfrmDataInput::DataEntryInstructions1Click() {
    // The instructions cover the screen and take the keyboard, so that nothing
    // is typed into a cell that cannot be seen. A cell that may not be left yet
    // keeps the focus (and says so); the instructions then stay closed.
    pnlHelp->show();
    pnlHelp->raise();
    btnExitMemoHelp->setFocus();
    if (content_->isAncestorOf(QApplication::focusWidget())) {
        pnlHelp->hide();
        return;
    }
    content_->setEnabled(false);
    memoHelp->setPlainText(QStringLiteral("Data Entry Procedure:"));
    for (const char* line : kInstructions) {
        memoHelp->appendPlainText(QStringLiteral(" "));
        memoHelp->appendPlainText(QString::fromLatin1(line));
    }
    memoHelp->moveCursor(QTextCursor::Start);
}

void TfrmDataInput::btnExitMemoHelpClick() {
    pnlHelp->hide();
    content_->setEnabled(true);
    btnResults->setFocus();
}

TfrmDataInput::~TfrmDataInput() {
    // The grids end their edits when they are hidden, which happens only after
    // this screen is gone: they must not call back into it then.
    for (StringGrid* grid : findChildren<StringGrid*>()) {
        disconnect(grid, nullptr, this, nullptr);
    }
}

} // namespace velmora
