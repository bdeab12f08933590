// The Years Ahead screen: what it shows of a plan worked out by hand, its
// settings kept between runs, its CSV export and the way back.

#include "projection/ui/TfrmYearsAhead.h"

#include "../../results/ui/ExportTestSupport.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "history/ui/PlanHistory.h"
#include "projection/ui/YearsExport.h"
#include "projection/ui/YearsSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
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
    EXPECT_TRUE(exportDialogs.asked[0].suggested.endsWith("Velmora Years Ahead 2004.csv"));
    QFile file(exportDialogs.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7) << "a header, five years and the end";
    EXPECT_EQ(lines[1], "2004,66,,10000,0,0,10000,0,0,0,35000,0,10000 of R:Our Roth,0,\r");
    EXPECT_EQ(lines[5], "2008,70,,10000,0,0,5000,0,0,0,0,0,5000 of R:Our Roth,5000,Yes\r");
}

} // namespace
} // namespace velmora
