// The Years Ahead screen: what it shows of a plan worked out by hand, its
// settings kept between runs, its CSV export and the way back.

#include "projection/ui/TfrmYearsAhead.h"

#include "../../results/ui/ExportTestSupport.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "history/ui/PlanHistory.h"
#include "projection/ui/ShortfallShade.h"
#include "projection/ui/WaysWindow.h"
#include "projection/ui/YearsChart.h"
#include "projection/ui/YearsExport.h"
#include "projection/ui/YearsReport.h"
#include "projection/ui/YearsSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velmora {
namespace {

class TfrmYearsAheadTest : public ::testing::Test {
protected:
    TfrmYearsAheadTest() {
        QSettings().remove(QStringLiteral("YearsAhead"));
        // Single at 66, budget 10,000, prices steady, a Roth of 45,000: a Roth's
        // dollars are not taxed, so 10,000 is sold every year, and the Roth
        // gives its last 5,000 in 2008 (see the projection's own tests).
        PlanData& plan = workspace.plan;
        plan.Married = "No";
        plan.AgeSelf = 66;
        plan.AnnualBudget = 10000;
        plan.InflationRate = 0;
        plan.RothHoldings[0] = {"Our Roth", 45000, 45000, 0, 0, 0, 0, 0, 0.0};
    }
    ~TfrmYearsAheadTest() override { QSettings().remove(QStringLiteral("YearsAhead")); }

    template <class T> T* Find(const char* name) {
        T* child = form.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString CellText(int row, int column) {
        const QTableWidgetItem* item = Find<QTableWidget>("StringGridYears")->item(row, column);
        return item != nullptr ? item->text() : QStringLiteral("<none>");
    }

    Workspace workspace;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmYearsAhead form{{workspace, dialogs, shell, history}};
};

TEST_F(TfrmYearsAheadTest, ShowsEveryYearAndTheYearTheInvestmentsRunOut) {
    ASSERT_TRUE(test::ShowAndActivate(form));
    form.FormActivate();
    EXPECT_EQ(form.windowTitle(), "Years Ahead");
    EXPECT_EQ(Find<QSpinBox>("editThroughAge")->value(), 95) << "the default";
    EXPECT_EQ(Find<QSpinBox>("editEarningsEndAge")->value(), 70);
    EXPECT_FALSE(Find<QCheckBox>("chkPensionsIndexed")->isChecked());

    Find<QSpinBox>("editThroughAge")->setValue(72);
    auto* table = Find<QTableWidget>("StringGridYears");
    ASSERT_EQ(table->rowCount(), 7);
    EXPECT_TRUE(table->isColumnHidden(2)) << "no spouse's age for a single household";
    struct Row {
        int row;
        const char* year;
        const char* sold;
        const char* investments;
        const char* sales;
    };
    // A Roth's dollars are not taxed: 10,000 a year meets the budget.
    for (const Row& r : {Row{0, "2004", "10,000", "35,000", "10,000 of R:Our Roth"},
                         Row{4, "2008", "5,000", "0", "5,000 of R:Our Roth; 5,000 cannot be met"},
                         Row{6, "2010", "0", "0", "10,000 cannot be met"}}) {
        EXPECT_EQ(CellText(r.row, 0), r.year);
        EXPECT_EQ(CellText(r.row, 6), r.sold) << r.year;
        EXPECT_EQ(CellText(r.row, 7), "0") << r.year;
        EXPECT_EQ(CellText(r.row, 9), r.investments) << r.year;
        EXPECT_EQ(CellText(r.row, 10), r.sales) << r.year;
    }
    EXPECT_EQ(Find<QLabel>("lblSummary")->text(),
              "Your investments run out in 2008, when you are 70: that year 5,000 of the budget "
              "cannot be met. Taxes over the years: 0.");
    // A screen reader names each column in words.
    EXPECT_EQ(table->horizontalHeaderItem(5)->data(Qt::AccessibleTextRole).toString(),
              "Minimum IRA withdrawal");
    EXPECT_EQ(table->horizontalHeaderItem(9)->data(Qt::AccessibleTextRole).toString(),
              "Investments at the year's end");

    Find<QPushButton>("btnReturn")->click();
    EXPECT_EQ(shell.shown, std::vector<Screen>{Screen::Results});
}

TEST_F(TfrmYearsAheadTest, TheSettingsAreKeptAndAHandEditedOneIsBroughtIntoRange) {
    form.FormActivate();
    Find<QSpinBox>("editEarningsEndAge")->setValue(65);
    Find<QCheckBox>("chkPensionsIndexed")->setChecked(true);
    QSettings().setValue(kThroughAgeKey, 200);

    TfrmYearsAhead again{{workspace, dialogs, shell, history}};
    again.FormActivate();
    EXPECT_EQ(again.findChild<QSpinBox*>("editThroughAge")->value(), 110);
    EXPECT_EQ(again.findChild<QSpinBox*>("editEarningsEndAge")->value(), 65);
    EXPECT_TRUE(again.findChild<QCheckBox*>("chkPensionsIndexed")->isChecked());
    EXPECT_EQ(again.Years().settings.ThroughAge, 110);
    EXPECT_TRUE(again.Years().settings.PensionsIndexed);
}

TEST_F(TfrmYearsAheadTest, ExportsTheYearsAsCsv) {
    QSettings().setValue(kThroughAgeKey, 70);
    form.FormActivate();
    const QTemporaryDir folder;
    test::ScriptedExportDialogs exportDialogs;
    exportDialogs.answer = folder.filePath("years.csv");
    form.Export().UseExportDialogs(exportDialogs);
    Find<QPushButton>("btnExportCsv")->click();
    ASSERT_EQ(exportDialogs.asked.size(), 1u);
    EXPECT_TRUE(exportDialogs.asked[0].suggested.endsWith("Velmora Years 2004 to 70.csv"));
    QFile file(exportDialogs.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7) << "a header, five years and the end";
    EXPECT_EQ(lines[1], "2004,66,,10000,0,0,10000,0,0,0,35000,0,10000 of R:Our Roth,0,\r");
    EXPECT_EQ(lines[5], "2008,70,,10000,0,0,5000,0,0,0,0,0,5000 of R:Our Roth,5000,Yes\r");
}

// The pixels of a colour in an image.
int Count(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A married household, he 67 and she 65, whose money runs out: the settings
// and the sentence say whose age they mean, the screen names its law under
// 2004 too, and the years after the money runs out are marked in the table,
// the chart and the printed years.
TEST_F(TfrmYearsAheadTest, NamesThePersonsAndTheLawAndMarksTheYearsAfterTheMoneyRunsOut) {
    PlanData& plan = workspace.plan;
    plan.Married = "Yes";
    plan.AgeSelf = 67;
    plan.AgeSpouse = 65;
    QSettings().setValue(kThroughAgeKey, 75);
    form.FormActivate();
    EXPECT_EQ(Find<QLabel>("lblThroughWhom")->text(), "of the younger, your spouse, 65 now");
    EXPECT_EQ(Find<QLabel>("lblTaxLaw")->text(),
              "Tax law of 2004, its dollar amounts raised with prices each year");
    // The Roth of 45,000 gives 10,000 a year: the money runs out in 2008, when
    // he is 71 and she is 69.
    EXPECT_EQ(Find<QLabel>("lblSummary")->text(),
              "Your investments run out in 2008, when you are 71 and your spouse is 69: that "
              "year 5,000 of the budget cannot be met. Taxes over the years: 0.");

    auto* table = Find<QTableWidget>("StringGridYears");
    ASSERT_EQ(table->rowCount(), 11);
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool runShort = row >= 4; // 2008 on
        EXPECT_EQ(table->item(row, 0)->background().color() == ShortfallShade(), runShort) << row;
    }

    // The chart shades the slots of those years, and only when the money runs out.
    QImage chart(600, 200, QImage::Format_RGB32);
    chart.fill(Qt::white);
    {
        QPainter painter(&chart);
        DrawYearsChart(painter, QRectF(0, 0, 600, 200), form.Years());
    }
    EXPECT_GT(Count(chart, ShortfallShade()), 2000);

    // The printed years: the rows of those years shaded.
    QImage page(600, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        YearsReport report(form.Years());
        report.LayOut(600, 800);
        report.PaintPage(painter, 0);
    }
    EXPECT_GT(Count(page, ShortfallShade()), 600 * 7 * 5);

    plan.RothHoldings[0].CurrentValue = 900000;
    form.FormActivate();
    EXPECT_EQ(table->item(4, 0)->background().color() == ShortfallShade(), false);
    QImage lasting(600, 200, QImage::Format_RGB32);
    lasting.fill(Qt::white);
    {
        QPainter painter(&lasting);
        DrawYearsChart(painter, QRectF(0, 0, 600, 200), form.Years());
    }
    EXPECT_EQ(Count(lasting, ShortfallShade()), 0);
}

// Compare Ways through its real widgets: the way kept as a setting, one line
// per way with the best of each column marked, within the desktop, and its CSV.
TEST_F(TfrmYearsAheadTest, ComparesTheFourWays) {
    PlanData& plan = workspace.plan;
    plan.AnnualBudget = 20000;
    plan.RothHoldings[0] = {"Roth", 50000, 50000, 0, 0, 0, 0, 1, 0.0};
    plan.IraHoldings[0] = {"Rollover", 0, 50000, 0, 0, 0, 0, 0, 0.0};
    plan.DebtHoldings[0] = {"Bond", 40000, 50000, 0, 2, 0, "N", 0.0};
    QSettings().setValue(kThroughAgeKey, 70);
    ASSERT_TRUE(test::ShowAndActivate(form));
    form.FormActivate();
    auto* way = Find<QComboBox>("cmbWay");
    ASSERT_EQ(way->count(), 4);
    EXPECT_EQ(way->currentText(), "in ranked order");
    way->setCurrentIndex(1);
    EXPECT_EQ(form.Years().settings.way, projection::Way::TaxableFirst);
    EXPECT_EQ(QSettings().value(kWayKey).toString(), "taxable-first");
    EXPECT_EQ(CellText(0, 10), "20,000 of B:Bond");

    Find<QPushButton>("btnCompareWays")->click();
    auto* window = form.findChild<WaysWindow*>("frmCompareWays");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const auto* ways = window->findChild<QTableWidget*>("StringGridWays");
    ASSERT_NE(ways, nullptr);
    ASSERT_EQ(ways->rowCount(), 4);
    EXPECT_EQ(ways->item(0, 0)->text(), "in ranked order");
    EXPECT_EQ(ways->item(3, 0)->text(), "IRA to the bracket top");
    // The 2004 household of the ways' own test: only the IRA to the bracket top
    // pays tax (1,494 in 2004), so the other three share the least tax.
    EXPECT_EQ(ways->item(3, 2)->font().bold(), false);
    EXPECT_EQ(ways->item(0, 2)->font().bold(), true);
    EXPECT_TRUE(ways->item(0, 2)->data(Qt::AccessibleTextRole).toString().endsWith("the best"));
    EXPECT_TRUE(window->findChild<QLabel*>("lblWaysSentence")
                    ->text()
                    .startsWith("Selling in ranked order "));
    const QRect desktop = window->screen()->availableGeometry();
    EXPECT_LE(window->width(), desktop.width());
    EXPECT_LE(window->height(), desktop.height());

    const QTemporaryDir folder;
    test::ScriptedExportDialogs exportDialogs;
    exportDialogs.answer = folder.filePath("ways.csv");
    form.Export().UseExportDialogs(exportDialogs);
    window->findChild<QPushButton*>("btnExportWaysCsv")->click();
    ASSERT_EQ(exportDialogs.asked.size(), 1u);
    EXPECT_TRUE(exportDialogs.asked[0].suggested.endsWith("Velmora Ways Compared 2004 to 70.csv"));
    QFile file(exportDialogs.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 6) << "a header, four ways and the end";
    EXPECT_EQ(lines[0], "Way,Runs out,Years,Taxes,Shortfall,Investments at the end,Regular IRA at "
                        "the end\r");
}

} // namespace
} // namespace velmora
