#include "results/ui/ResultsLayout.h"

#include "plan/RiskCategory.h"
#include "results/ResultBox.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/FontFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace velmora {

namespace {

constexpr int kLargestPixelSize = 11;
constexpr int kSmallestPixelSize = 8;

constexpr int kMargin = 8;    // around the screen's content
constexpr int kGroupGap = 16; // between two grids, between two groups of boxes
constexpr int kLabelGap = 6;  // between a label and the box it names
constexpr int kBoxHeight = 21;
constexpr int kRowStep = 24; // from one row of boxes to the next
constexpr int kGridHeight = 180;
// A pixel or two more than the text measures at 100 %: a font at a larger size
// is not always exactly as much wider.
constexpr int kSlack = 2;

// The widths a category grid's columns have at the least, as designed.
constexpr std::array<int, 3> kLeastColumns{65, 40, 27};

struct LabelText {
    const char* name;
    const char* text;
    bool bold;
    int room; // widest the text may be before what stands to its right; 0: any width
};

// Texts with leading blanks stand exactly so on the screen (they line up under
// the label above); they are kept as they are on purpose.
const LabelText kLabels[] = {
    {"lblNote", "ERR = Effective Rate of Return (%)", false, 182},
    {"lblBonds", "B: Bonds, CDs, Bank", false, 110},
    {"lblStocks", "S: Stock, Equities", false, 110},
    {"lblIRA", "I: IRA, standard", false, 94},
    {"lblRoth", "R: IRA, Roth", false, 94},
    {"lblZero", Title(RiskCategory::Zero).data(), true, 0},
    {"lblLow", Title(RiskCategory::Low).data(), true, 0},
    {"lblMedium", Title(RiskCategory::Medium).data(), true, 0},
    {"lblHigh", Title(RiskCategory::High).data(), true, 0},
    {"lblSubTotal0", "sub total", true, 0},
    {"lblPercentOfTotal0", "% of Total", true, 0},
    {"lblSubTotal1", "sub total", true, 0},
    {"lblPercentOfTotal1", "% of Total", true, 0},
    {"lblSubTotal2", "sub total", true, 0},
    {"lblPercentOfTotal2", "% of Total", true, 0},
    {"lblSubTotal3", "sub total", true, 0},
    {"lblPercentOfTotal3", "% of Total", true, 0},
    {"lblIncome", "INCOME", true, 0},
    {"lblContinuedEarnings", "Continued Earnings", false, 0},
    {"lblEntitlements", "Entitlements", false, 0},
    {"lblIntAndDiv", "Interest + Dividends", false, 0},
    {"lblMinimumIRA", "Minimum IRA", false, 0},
    {"lblExpenses", "EXPENSES", true, 0},
    {"lblAnnual", "Annual", false, 0},
    {"lblBudget", "Budget", false, 0},
    {"lblTaxesOn", "Taxes on:", false, 0},
    {"lblTaxesOnIncome", " - Income", false, 0},
    {"lblTaxesOnWithdrawals", " - Withdrawals", false, 0},
    {"lblTaxInformation", "TAX INFORMATION", true, 0},
    {"lblIncrementalTaxRates", "Incremental Tax Rates", false, 0},
    {"lblQualified", "Qualified", false, 0},
    {"lblRateColumns", " Ordinary   Div  CapGain", false, 0},
    {"lblFederal", "Federal", false, 0},
    {"lblStateAndLocal", "State + Local", false, 0},
    {"lblInvestmentTotal", "INVESTMENT TOTAL", true, 0},
    {"lblWithdrawalNeeded", "WITHDRAWAL NEEDED", true, 0},
};

QWidget& Part(QWidget& panel, const char* name) {
    auto* part = panel.findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (part == nullptr) {
        qFatal("The results screen has no part named %s", name);
    }
    return *part;
}

QWidget& Box(QWidget& panel, ResultBox box) {
    return Part(panel, std::string(BoxName(box)).c_str());
}

QChar Widest(const QFontMetrics& metrics, char first, char last) {
    char widest = first;
    for (char c = first; c <= last; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) >
            metrics.horizontalAdvance(QLatin1Char(widest))) {
            widest = c;
        }
    }
    return QLatin1Char(widest);
}

// The width a grid's column needs to draw `text` whole: the text, the margin
// the style keeps on either side of a cell's text and the grid line.
int CellWidthFor(const QTableView& grid, const QString& text) {
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    return grid.fontMetrics().horizontalAdvance(text) + 2 * margin + 1 + kSlack;
}

// The width a box needs to show `text` whole: the text and what the box keeps
// around the 17 characters of its usual width.
int BoxWidthFor(const QWidget& box, const QString& text) {
    const QFontMetrics metrics = box.fontMetrics();
    const int around = box.sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return metrics.horizontalAdvance(text) + std::max(0, around) + kSlack;
}

// The widest texts the boxes and grid columns can show, in the widest digit
// and character of the font.
struct WidestTexts {
    QString name;  // 15 characters
    QString value; // a 32-bit whole number
    QString err;   // 15 significant digits, in either notation
    QString money; // 15 significant digits and a point
    QString share; // a rate or a share of the total
};

WidestTexts WidestTextsOf(const QFontMetrics& metrics) {
    const QChar digit = Widest(metrics, '0', '9');
    const QString digits15(15, digit);
    WidestTexts texts;
    texts.name = QString(15, Widest(metrics, '!', '~'));
    texts.value = QLatin1Char('-') + QString(10, digit);
    const QString small = QStringLiteral("-0.000") + digits15;
    const QString large =
        QLatin1Char('-') + digit + QLatin1Char('.') + QString(14, digit) + QStringLiteral("e-308");
    texts.err = metrics.horizontalAdvance(small) > metrics.horizontalAdvance(large) ? small : large;
    texts.money = QLatin1Char('-') + digits15 + QLatin1Char('.');
    texts.share = QString(4, digit);
    return texts;
}

void PlaceLabel(QWidget& panel, const char* name, int x, int y) {
    QWidget& label = Part(panel, name);
    label.adjustSize();
    label.move(x, y);
}

int WidthOf(QWidget& panel, const char* name) {
    QWidget& label = Part(panel, name);
    label.adjustSize();
    return label.width();
}

// Places a label beside a box, centred on the box's height.
void PlaceBeside(QWidget& panel, const char* name, int x, int boxY) {
    QWidget& label = Part(panel, name);
    label.adjustSize();
    label.move(x, boxY + (kBoxHeight - label.height()) / 2);
}

void PlaceBox(QWidget& panel, ResultBox box, int x, int y, int width) {
    Box(panel, box).setGeometry(x, y, width, kBoxHeight);
}

struct Widths {
    int money = 0;
    int share = 0;
};

// The four grids, two by two, each with its title above it and its sub total
// and share below it. Returns the bottom of the last row of boxes and the
// right edge of the grids.
QPoint PlaceCategories(QWidget& panel, const WidestTexts& texts, const Widths& boxes,
                       int titleTop) {
    std::array<QTableView*, kCategories> grids{};
    std::array<int, 3> columns = kLeastColumns;
    for (const RiskCategory category : kRiskCategories) {
        const int k = Number(category);
        const std::string name = "StringGrid" + std::to_string(k);
        grids[k] = static_cast<QTableView*>(&Part(panel, name.c_str()));
        const QString widest[] = {texts.name, texts.value, texts.err};
        for (int col = 0; col < 3; ++col) {
            columns[col] = std::max(columns[col], CellWidthFor(*grids[k], widest[col]));
        }
    }
    const QTableView& first = *grids[0];
    const int bar = first.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &first);
    const int gridWidth = columns[0] + columns[1] + columns[2] + 2 * first.frameWidth() + bar;
    const int labelWidth =
        std::max(WidthOf(panel, "lblSubTotal0"), WidthOf(panel, "lblPercentOfTotal0"));
    // Title, grid, two rows of boxes and a gap.
    const int kTitleTop = titleTop;
    const int kGridTop = titleTop + 16;
    const int blockHeight = (kGridTop - kTitleTop) + kGridHeight + 4 + 2 * kRowStep + 5;
    int bottom = 0;
    for (const RiskCategory category : kRiskCategories) {
        const int k = Number(category);
        const int left = kMargin + (k % 2) * (gridWidth + kGroupGap);
        const int top = kTitleTop + (k / 2) * blockHeight;
        QTableView& grid = *grids[k];
        for (int col = 0; col < 3; ++col) {
            grid.setColumnWidth(col, columns[col]);
        }
        grid.setGeometry(left, top + (kGridTop - kTitleTop), gridWidth, kGridHeight);
        // The category's title, centred over its grid.
        QWidget& title = Part(panel, ("lbl" + std::string(Title(category))).c_str());
        title.adjustSize();
        title.move(left + (gridWidth - title.width()) / 2, top);

        const int totalY = grid.geometry().bottom() + 1 + 4;
        const int shareY = totalY + kRowStep;
        const std::string suffix = std::to_string(k);
        PlaceBeside(panel, ("lblSubTotal" + suffix).c_str(), left, totalY);
        PlaceBeside(panel, ("lblPercentOfTotal" + suffix).c_str(), left, shareY);
        const int boxLeft = left + labelWidth + kLabelGap;
        PlaceBox(panel, TotalBox(category), boxLeft, totalY, boxes.money);
        PlaceBox(panel, ShareBox(category), boxLeft, shareY, boxes.share);
        bottom = shareY + kBoxHeight;
    }
    return {kMargin + 2 * gridWidth + kGroupGap, bottom};
}

// The height of a line of `label`'s text.
int LineHeight(QWidget& panel, const char* label) {
    QWidget& part = Part(panel, label);
    part.adjustSize();
    return part.height();
}

// A group below the grids: its right edge and its bottom.
struct Extent {
    int right = 0;
    int bottom = 0;
};

// INCOME: four boxes under the heading, each with its label to the left.
Extent PlaceIncome(QWidget& panel, int left, int top, const Widths& boxes) {
    PlaceLabel(panel, "lblIncome", left, top);
    const char* const labels[] = {"lblContinuedEarnings", "lblEntitlements", "lblIntAndDiv",
                                  "lblMinimumIRA"};
    const ResultBox values[] = {ResultBox::ContinuedEarnings, ResultBox::Entitlements,
                                ResultBox::IntAndDiv, ResultBox::Ira};
    int widest = 0;
    for (const char* label : labels) {
        widest = std::max(widest, WidthOf(panel, label));
    }
    const int boxLeft = left + widest + kLabelGap;
    const int first = top + LineHeight(panel, "lblIncome") + 2;
    for (int i = 0; i < 4; ++i) {
        const int y = first + i * kRowStep;
        PlaceBeside(panel, labels[i], left, y);
        PlaceBox(panel, values[i], boxLeft, y, boxes.money);
    }
    return {boxLeft + boxes.money, first + 3 * kRowStep + kBoxHeight};
}

// EXPENSES: the budget ("Annual" over "Budget") and the taxes on income and on
// withdrawals (under "Taxes on:").
Extent PlaceExpenses(QWidget& panel, int left, int top, const Widths& boxes) {
    PlaceLabel(panel, "lblExpenses", left + 8, top);
    int widest = 0;
    for (const char* label :
         {"lblAnnual", "lblBudget", "lblTaxesOn", "lblTaxesOnIncome", "lblTaxesOnWithdrawals"}) {
        widest = std::max(widest, WidthOf(panel, label));
    }
    const int boxLeft = left + widest + kLabelGap;
    const int line = LineHeight(panel, "lblAnnual");
    const int annual = top + LineHeight(panel, "lblExpenses") + 2;
    PlaceLabel(panel, "lblAnnual", left, annual);
    PlaceLabel(panel, "lblBudget", left, annual + line);
    PlaceBox(panel, ResultBox::Budget, boxLeft, annual + line - kBoxHeight / 2, boxes.money);
    const int taxesOn = annual + 2 * line + 4;
    PlaceLabel(panel, "lblTaxesOn", left, taxesOn);
    const int income = taxesOn + line + 2;
    PlaceBeside(panel, "lblTaxesOnIncome", left, income);
    PlaceBox(panel, ResultBox::TaxOnIncome, boxLeft, income, boxes.money);
    PlaceBeside(panel, "lblTaxesOnWithdrawals", left, income + kRowStep);
    PlaceBox(panel, ResultBox::TaxOnWithdrawals, boxLeft, income + kRowStep, boxes.money);
    return {std::max(boxLeft + boxes.money, left + 8 + WidthOf(panel, "lblExpenses")),
            income + kRowStep + kBoxHeight};
}

// TAX INFORMATION: the three federal rates each under its word of the column
// labels " Ordinary   Div  CapGain", and the state and local rate under "Div".
Extent PlaceTaxInformation(QWidget& panel, int left, int top, const Widths& boxes) {
    PlaceLabel(panel, "lblTaxInformation", left, top);
    const int line = LineHeight(panel, "lblIncrementalTaxRates");
    const int rates = top + LineHeight(panel, "lblTaxInformation") + 2;
    PlaceLabel(panel, "lblIncrementalTaxRates", left + 16, rates);
    auto& columnsLabel = static_cast<QLabel&>(Part(panel, "lblRateColumns"));
    const QFontMetrics metrics = columnsLabel.fontMetrics();
    const QString words = columnsLabel.text();
    // The middle of each word, from the label's left edge.
    std::array<int, 3> middles{};
    int from = 0;
    const QString names[] = {QStringLiteral("Ordinary"), QStringLiteral("Div"),
                             QStringLiteral("CapGain")};
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<int>(words.indexOf(names[i], from));
        middles[i] = metrics.horizontalAdvance(words.left(at)) +
                     metrics.horizontalAdvance(names[i]) / 2 +
                     columnsLabel.contentsMargins().left();
        from = at + static_cast<int>(names[i].size());
    }
    const int half = boxes.share / 2;
    const int federal = WidthOf(panel, "lblFederal");
    const int state = WidthOf(panel, "lblStateAndLocal");
    // The column labels as far left as the row labels before the boxes allow.
    const int columnsLeft = std::max({left + 24, left + federal + kLabelGap + half - middles[0],
                                      left + 8 + state + kLabelGap + half - middles[1]});
    PlaceLabel(panel, "lblRateColumns", columnsLeft, rates + 2 * line);
    const int federalY = rates + 3 * line + 2;
    const ResultBox federalRates[] = {ResultBox::TaxRate, ResultBox::DivTaxRate,
                                      ResultBox::CGTaxRate};
    int right = 0;
    int previous = 0;
    std::array<int, 3> boxLeft{};
    for (int i = 0; i < 3; ++i) {
        boxLeft[i] = std::max(columnsLeft + middles[i] - half, previous + 2);
        PlaceBox(panel, federalRates[i], boxLeft[i], federalY, boxes.share);
        previous = boxLeft[i] + boxes.share;
        right = std::max(right, previous);
    }
    const int qualified = WidthOf(panel, "lblQualified");
    PlaceLabel(panel, "lblQualified", boxLeft[1] + half - qualified / 2, rates + line);
    PlaceBeside(panel, "lblFederal", left, federalY);
    PlaceBeside(panel, "lblStateAndLocal", left + 8, federalY + kRowStep);
    PlaceBox(panel, ResultBox::StateTaxRate, boxLeft[1], federalY + kRowStep, boxes.share);
    for (const char* label :
         {"lblTaxInformation", "lblIncrementalTaxRates", "lblRateColumns", "lblQualified"}) {
        right = std::max(right, Part(panel, label).geometry().right() + 1);
    }
    return {right, federalY + kRowStep + kBoxHeight};
}

// The investment total, the withdrawal needed and the way back, each box and
// the button flush with the right edge of the widest label.
Extent PlaceTotals(QWidget& panel, int left, int top, const Widths& boxes) {
    QWidget& button = Part(panel, "btnReturn");
    const int buttonWidth =
        std::max({129, button.sizeHint().width(), Part(panel, "btnYearsAhead").sizeHint().width()});
    const int width = std::max({WidthOf(panel, "lblInvestmentTotal"),
                                WidthOf(panel, "lblWithdrawalNeeded"), boxes.money, buttonWidth});
    const int right = left + width;
    const int line = LineHeight(panel, "lblInvestmentTotal");
    PlaceLabel(panel, "lblInvestmentTotal", left, top);
    const int total = top + line + 2;
    PlaceBox(panel, ResultBox::TotalInvestments, right - boxes.money, total, boxes.money);
    const int withdrawalLabel = total + kBoxHeight + 4;
    PlaceLabel(panel, "lblWithdrawalNeeded", left, withdrawalLabel);
    const int withdrawal = withdrawalLabel + line + 2;
    PlaceBox(panel, ResultBox::WithdrawalNeeded, right - boxes.money, withdrawal, boxes.money);
    const int buttonTop = withdrawal + kBoxHeight + 6;
    button.setGeometry(right - buttonWidth, buttonTop, buttonWidth, 25);
    // How the tax was worked out, under the way back.
    QWidget& working = Part(panel, "btnTaxWorking");
    const int workingWidth = std::max(buttonWidth, working.sizeHint().width());
    const int workingTop = buttonTop + 25 + 4;
    working.setGeometry(right - workingWidth, workingTop, workingWidth, 25);
    return {std::max(right, right - buttonWidth + workingWidth), workingTop + 25};
}

// "Years Ahead" to the left of the lowest button of the totals when the group
// beside it (`besideBottom`) ends above that button, else under it; the line of
// what to sell this year from the left edge up to the button, in up to two
// lines, as high as the groups to the left (`othersBottom`) allow. Returns the
// new bottom.
int PlaceYearsAhead(QWidget& panel, int besideBottom, int othersBottom, int bottom) {
    const QRect back = Part(panel, "btnTaxWorking").geometry();
    QWidget& years = Part(panel, "btnYearsAhead");
    const int yearsWidth = std::max(90, years.sizeHint().width());
    const int lines = 2 * LineHeight(panel, "lblContinuedEarnings") + 2;
    if (besideBottom + 4 <= back.top()) {
        years.setGeometry(back.left() - kGroupGap - yearsWidth, back.top(), yearsWidth,
                          back.height());
    } else {
        // Under that button, as wide.
        years.setGeometry(back.left(), bottom + 4, back.width(), back.height());
    }
    const int sellTop = std::max(years.y(), othersBottom + 4);
    bottom = std::max({bottom, years.geometry().bottom() + 1, sellTop + lines});
    // Its size is fixed: a wrapped text's own preferred height must not change it.
    QWidget& sell = Part(panel, "lblSellThisYear");
    sell.setFixedSize(std::max(0, std::min(years.x(), back.left()) - kGroupGap - kMargin), lines);
    sell.move(kMargin, sellTop);
    return bottom;
}

} // namespace

QFont ResultsFont(const QFont& font) {
    std::vector<TextRoom> labels;
    for (const LabelText& label : kLabels) {
        if (label.room != 0) {
            labels.push_back({QString::fromLatin1(label.text), label.room, label.bold});
        }
    }
    return LargestFittingFont(font, {kLargestPixelSize, kSmallestPixelSize, QFont::SemiCondensed},
                              labels);
}

void MakeResultsLabels(QWidget& panel) {
    for (const LabelText& text : kLabels) {
        QLabel* label = NamedLabel(&panel, text.name, QString::fromLatin1(text.text), text.bold);
        label->setAccessibleName(label->text().trimmed());
    }
    QLabel* title = NamedLabel(&panel, "lblTitle", QStringLiteral("Portfolio Risk Categories"));
    QFont large = title->font();
    large.setBold(true);
    large.setPixelSize(large.pixelSize() + 5);
    title->setFont(large);
    // The tax year in force, under the note and the title; its text is the screen's to set.
    NamedLabel(&panel, "lblTaxYear",
               QStringLiteral("Uses tax year 2004 Income Tax Rules and Rates"));
}

QSize PlaceResultsControls(QWidget& panel) {
    const QFontMetrics metrics = panel.fontMetrics();
    const WidestTexts texts = WidestTextsOf(metrics);
    const QWidget& anyBox = Box(panel, ResultBox::Budget);
    const Widths boxes{BoxWidthFor(anyBox, texts.money), BoxWidthFor(anyBox, texts.share)};

    // The top line as designed: the note, the title and the legend.
    PlaceLabel(panel, "lblNote", 8, 12);
    PlaceLabel(panel, "lblTitle", 192, 8);
    PlaceLabel(panel, "lblBonds", 432, 8);
    PlaceLabel(panel, "lblStocks", 432, 24);
    PlaceLabel(panel, "lblIRA", 544, 8);
    PlaceLabel(panel, "lblRoth", 544, 24);

    // The tax year's line under the note and the title, the categories below it
    // and the legend.
    const int underTitle = std::max(Part(panel, "lblTitle").geometry().bottom(),
                                    Part(panel, "lblNote").geometry().bottom());
    PlaceLabel(panel, "lblTaxYear", 8, underTitle + 1);
    const int categoriesTop = std::max({40, Part(panel, "lblTaxYear").geometry().bottom() + 4,
                                        Part(panel, "lblRoth").geometry().bottom() + 4});
    const QPoint categories = PlaceCategories(panel, texts, boxes, categoriesTop);
    const int top = categories.y() + 8;
    const Extent income = PlaceIncome(panel, kMargin, top, boxes);
    const Extent expenses = PlaceExpenses(panel, income.right + kGroupGap, top, boxes);
    const Extent tax = PlaceTaxInformation(panel, expenses.right + kGroupGap, top, boxes);
    const Extent groups = PlaceTotals(panel, tax.right + kGroupGap, top, boxes);
    const int othersBottom = std::max({income.bottom, expenses.bottom, tax.bottom});
    int bottom = std::max(othersBottom, groups.bottom);
    bottom = PlaceYearsAhead(panel, tax.bottom, othersBottom, bottom);

    int width = std::max(groups.right, categories.x());
    for (const char* label : {"lblRoth", "lblIRA"}) {
        width = std::max(width, Part(panel, label).geometry().right() + 1);
    }
    width += kMargin;
    const int height = bottom + kMargin;

    // The quick help memo and its button cover the grids and the boxes while shown.
    constexpr int kHelpLeft = 48;
    constexpr int kHelpTop = 32;
    constexpr int kHelpButtonHeight = 57;
    const int helpWidth = width - 2 * kHelpLeft;
    const int helpButtonTop = height - kMargin - kHelpButtonHeight;
    Part(panel, "memoHelp").setGeometry(kHelpLeft, kHelpTop, helpWidth, helpButtonTop - kHelpTop);
    Part(panel, "btnExitMemoHelp")
        .setGeometry(kHelpLeft, helpButtonTop, helpWidth, kHelpButtonHeight);
    return {width, height};
}

} // namespace velmora
