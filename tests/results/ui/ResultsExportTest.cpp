// The results screen's exports driven through its menu: the comma-separated
// file, the PDF report, the printed report and the chart window. File and
// printer dialogs are answered by the test; message boxes are scripted.

#include "results/ui/ResultsExport.h"

#include "CsvReader.h"
#include "ExportTestSupport.h"
#include "FaultyFileSystem.h"
#include "PlanSamples.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "app/ui/PlanHistory.h"
#include "app/ui/widgets/StringGrid.h"
#include "plan/PlanFile.h"
#include "results/ui/ChartWindow.h"
#include "results/ui/TfrmCalc.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace velmora {
namespace {

using test::BoxKind;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsCompletePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// A household with holdings in every category, names that need quoting in CSV.
PlanData Household() {
    PlanData plan = testing::MarriedHousehold();
    plan.AnnualBudget = 150000; // more than the income: a withdrawal is needed
    plan.DebtHoldings[1].Name = "Bank CD, 5 yr";
    plan.EquityHoldings[1].Name = "\"Blue\" Utils";
    plan.EquityHoldings[4].Name = "Caf\xE9 REIT";
    return plan;
}

// 40 rows in each table, spread over the four categories.
PlanData FullPlan() {
    PlanData plan;
    plan.AgeSelf = 70;
    plan.AnnualBudget = 50000;
    for (int i = 0; i < kTableRows; ++i) {
        const std::string n = std::to_string(i);
        plan.IraHoldings[i] = {"Ira " + n, 0, 1000 + i, i % 9, 0, 0, i % 4, i % 4, 0.0};
        plan.RothHoldings[i] = {"Roth " + n, 0, 2000 + i, 0, 0, i % 5, 0, (i + 1) % 4, 0.0};
        plan.DebtHoldings[i] = {"Bond " + n, 100, 300 + i, 1 + i % 4, (i + 2) % 4, 0, "N", 0.0};
        plan.EquityHoldings[i] = {"Stock " + n, 100,         900, 0,   0,   0,
                                  i % 7,        (i + 3) % 4, 2,   "Y", "N", 0.0};
    }
    return plan;
}

class ResultsExportTest : public ::testing::Test {
protected:
    test::TempWorkingDirectory cwd;
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    test::ScriptedExportDialogs fileDialogs;
    std::unique_ptr<PlanHistory> history;
    std::unique_ptr<TfrmCalc> calc;
    ResultsExport* exporter = nullptr;

    // Writes the plan file, loads it as the program does and opens the results screen.
    void Open(const PlanData& plan) {
        ASSERT_FALSE(SavePlan(plan, cwd.File("UserData.dta").toStdString()));
        LoadPlan(ws->plan, cwd.File("UserData.dta").toStdString());
        history = std::make_unique<PlanHistory>(ws->plan, shell);
        calc = std::make_unique<TfrmCalc>(*ws, dialogs, shell, *history);
        calc->FormActivate();
        exporter = calc->findChild<ResultsExport*>("resultsExport");
        ASSERT_NE(exporter, nullptr);
        exporter->UseExportDialogs(fileDialogs);
    }

    void Trigger(const char* action) {
        QAction* item = calc->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }

    // Saves the PDF report through the menu as `name` in the working folder.
    QString SavePdf(const QString& name = QStringLiteral("report.pdf")) {
        fileDialogs.answer = cwd.File(name);
        Trigger("mnuSaveReportPdf");
        return fileDialogs.answer;
    }
};

TEST_F(ResultsExportTest, FileMenuKeepsItsItemsAndOffersTheExports) {
    Open(Household());
    QMenu* file = calc->findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    QStringList captions;
    for (QAction* action : file->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(captions, (QStringList{"&Save", "&Print", "-", "Export Results as &CSV...",
                                     "Save Report as &PDF...", "Print &Report...", "-", "E&xit"}));
    QStringList bar;
    for (QAction* action : calc->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"&File", "&Quick Help", "&Help", "&Charts"}));

    Trigger("hlpPrint");
    EXPECT_EQ(shell.printHints, 1) << "the print item still gives its hint";
    EXPECT_TRUE(fileDialogs.asked.empty());
    EXPECT_EQ(fileDialogs.printerDialogs, 0);
}

TEST_F(ResultsExportTest, CsvHoldsTheScreensTexts) {
    Open(Household());
    fileDialogs.answer = cwd.File("results.csv");
    Trigger("mnuExportCsv");
    ASSERT_EQ(fileDialogs.asked.size(), 1u);
    EXPECT_EQ(fileDialogs.asked[0].caption, "Export Results as CSV");
    EXPECT_EQ(fileDialogs.asked[0].suggested, QDir::current().filePath("Velmora Results.csv"));
    EXPECT_EQ(fileDialogs.asked[0].suffix, "csv");

    const QByteArray bytes = ReadAll(cwd.File("results.csv"));
    const auto records = testing::ParseCsv(bytes.toStdString());
    ASSERT_TRUE(records) << bytes.toStdString();

    // Every grid row of the screen is a record, in the grid's order, with its texts.
    static const char* const kTitles[] = {"Zero", "Low", "Medium", "High"};
    std::size_t at = 1;
    for (int k = 0; k < kCategories; ++k) {
        auto* grid = calc->findChild<StringGrid*>(QStringLiteral("StringGrid%1").arg(k));
        ASSERT_NE(grid, nullptr);
        for (int slot = 1; slot <= ws->ranking.CategoryCount[k]; ++slot, ++at) {
            ASSERT_LT(at, records->size());
            const testing::CsvRecord expected{kTitles[k], grid->Cells(0, slot).toStdString(),
                                              grid->Cells(1, slot).toStdString(),
                                              grid->Cells(2, slot).toStdString()};
            EXPECT_EQ((*records)[at], expected);
        }
    }
    EXPECT_EQ(at, 1u + 14u);
    bool quoted = false;
    bool accented = false;
    for (const testing::CsvRecord& record : *records) {
        quoted = quoted || (record.size() == 4 && record[1] == "S:\"Blue\" Utils");
        accented = accented || (record.size() == 4 && record[1] == "S:Caf\xC3\xA9 REIT");
    }
    EXPECT_TRUE(quoted);
    EXPECT_TRUE(accented);
    auto* withdrawal = calc->findChild<QLineEdit*>("editWithDrawalNeeded");
    ASSERT_NE(withdrawal, nullptr);
    EXPECT_NE(bytes.indexOf(("editWithDrawalNeeded,Withdrawal Needed," +
                             withdrawal->text().toStdString() + "\r\n")
                                .c_str()),
              -1);

    // Exporting again replaces the file and leaves nothing else behind.
    ws->plan.DebtHoldings[1].Name = "Renamed CD";
    calc->FormActivate();
    Trigger("mnuExportCsv");
    EXPECT_NE(ReadAll(cwd.File("results.csv")).indexOf("Renamed CD"), -1);
    EXPECT_EQ(Entries(cwd.Path()), (QStringList{"UserData.dta", "results.csv"}));

    // Cancelling the dialog writes nothing.
    fileDialogs.answer.clear();
    Trigger("mnuExportCsv");
    EXPECT_EQ(fileDialogs.asked.size(), 3u);
    EXPECT_EQ(Entries(cwd.Path()), (QStringList{"UserData.dta", "results.csv"}));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

#ifdef VELMORA_REPORT_EXE
TEST_F(ResultsExportTest, PdfHoldsTheFiguresOfTheReportTool) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    Open(Household());
    const QString path = SavePdf();
    ASSERT_EQ(fileDialogs.asked.size(), 1u);
    EXPECT_EQ(fileDialogs.asked[0].caption, "Save Report as PDF");
    EXPECT_EQ(fileDialogs.asked[0].suggested, QDir::current().filePath("Velmora Report.pdf"));
    EXPECT_TRUE(dialogs.Boxes().empty());
    const QByteArray bytes = ReadAll(path);
    ASSERT_TRUE(IsCompletePdf(bytes)) << bytes.left(16).toStdString();

    const QString text = test::Collapsed(test::PdfText(path));
    ASSERT_FALSE(text.isEmpty());
    const QJsonObject report = test::ReportJson(cwd.File("UserData.dta"));
    ASSERT_FALSE(report.isEmpty());
    const QJsonObject boxes = report["boxes"].toObject();
    // Each line is followed by more text, so a blank after it marks where it ends.
    auto expectLine = [&text](const QString& line) {
        EXPECT_TRUE(text.contains(line + ' '))
            << line.toStdString() << "\n in: " << text.toStdString();
    };
    ASSERT_NE(boxes["editWithDrawalNeeded"].toString(), "0");
    expectLine("WITHDRAWAL NEEDED, $/Yr " + boxes["editWithDrawalNeeded"].toString());
    expectLine("INVESTMENT TOTAL, $ " + boxes["editTotalInvestments"].toString());
    expectLine("Taxes on Income " + boxes["editTaxOnIncome"].toString());
    expectLine("Taxes on Withdrawals " + boxes["editTaxOnWithdrawals"].toString());
    expectLine("Entitlements " + boxes["editEntitlements"].toString());
    expectLine("Minimum IRA " + boxes["editIRA"].toString());
    expectLine("Federal Ordinary % " + boxes["editTaxRate"].toString());
    expectLine("Federal Qualified Div % " + boxes["editDivTaxRate"].toString());
    expectLine("Federal Capital Gain % " + boxes["editCGTaxRate"].toString());
    expectLine("State + Local % " + boxes["editStateTaxRate"].toString());
    expectLine("Marital status Married, filing jointly");
    expectLine("Ages 72 (self), 68 (spouse)");
    expectLine("Uses tax year 2004 Income Tax Rules and Rates");
    expectLine("The Equivalent Rate of Return is a calculated value which includes the following "
               "factors:");
    expectLine("NOTE: The ERR value is not the rate of return for any investment.");
    static const char* const kTitles[] = {"Zero", "Low", "Medium", "High"};
    static const char* const kTotals[] = {"editTotalZero", "editTotalLow", "editTotalMedium",
                                          "editTotalHigh"};
    const QJsonArray categories = report["categories"].toArray();
    ASSERT_EQ(categories.size(), kCategories);
    int holdings = 0;
    for (int k = 0; k < kCategories; ++k) {
        expectLine(QStringLiteral("%1 risk category: sub total %2, %3% of Total")
                       .arg(kTitles[k], boxes[kTotals[k]].toString(),
                            boxes[QStringLiteral("editPerCent%1").arg(k)].toString()));
        for (const QJsonValue& entry : categories[k].toArray()) {
            const QJsonObject row = entry.toObject();
            expectLine(row["name"].toString() + ' ' + row["value"].toString() + ' ' +
                       row["err"].toString());
            ++holdings;
        }
    }
    EXPECT_EQ(holdings, 14);
}
#endif

TEST_F(ResultsExportTest, ReportsOfAnEmptyPlanAndOf160Holdings) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    Open(PlanData{});
    QString text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("empty.pdf"))));
    EXPECT_TRUE(text.contains("No investments")) << text.toStdString();
    EXPECT_EQ(text.count("No holdings in this category."), 4);
    EXPECT_TRUE(text.contains("Page 1 of 2"));

    ws = std::make_unique<Workspace>();
    Open(FullPlan());
    ASSERT_EQ(ws->ranking.CategoryCount[0] + ws->ranking.CategoryCount[1] +
                  ws->ranking.CategoryCount[2] + ws->ranking.CategoryCount[3],
              160);
    text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("full.pdf"))));
    // Every holding's table row survives the page breaks, and every page says how many there are.
    for (int k = 0; k < kCategories; ++k) {
        for (int slot = 1; slot <= ws->ranking.CategoryCount[k]; ++slot) {
            const RankedHolding& entry = ws->ranking.RankedHoldings[k][slot - 1];
            auto* grid = calc->findChild<StringGrid*>(QStringLiteral("StringGrid%1").arg(k));
            const QString row =
                grid->Cells(0, slot) + ' ' + grid->Cells(1, slot) + ' ' + grid->Cells(2, slot);
            EXPECT_TRUE(text.contains(row)) << row.toStdString() << " " << entry.Name;
        }
    }
    const int pages = text.count(QRegularExpression("Page \\d+ of "));
    EXPECT_GE(pages, 5);
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    EXPECT_TRUE(text.contains("Zero risk category: sub total") && text.contains("(continued)"))
        << "a long category carries its heading onto the next page";
}

TEST_F(ResultsExportTest, PdfThatCannotBeWrittenLeavesNoFile) {
    Open(Household());
    const QString path = cwd.File("missing/Velmora Report.pdf");
    dialogs.Expect(BoxKind::Error, "Could not save \"" + path + "\": No such file or directory");
    fileDialogs.answer = path;
    Trigger("mnuSaveReportPdf");
    dialogs.VerifyAllShown();
    EXPECT_EQ(Entries(cwd.Path()), QStringList{"UserData.dta"});

    // A folder in the file's place is not replaced.
    ASSERT_TRUE(QDir(cwd.Path()).mkdir("taken.pdf"));
    dialogs.Expect(BoxKind::Error,
                   "Could not save \"" + cwd.File("taken.pdf") + "\": Is a directory");
    SavePdf(QStringLiteral("taken.pdf"));
    dialogs.VerifyAllShown();
    EXPECT_EQ(Entries(cwd.Path()), (QStringList{"UserData.dta", "taken.pdf"}));
    EXPECT_TRUE(QFileInfo(cwd.File("taken.pdf")).isDir());
}

TEST_F(ResultsExportTest, AFailureAtAnyFileStepKeepsTheOldFileWhole) {
    Open(Household());
    const QString path = cwd.File("report.pdf");
    const QByteArray old = "the previous report";

    // Counts the file operations of one successful save.
    testing::FaultyFileSystem counting;
    exporter->UseFileSystem(counting);
    SavePdf();
    ASSERT_TRUE(IsCompletePdf(ReadAll(path)));
    const int calls = counting.Calls();
    ASSERT_GE(calls, 5);

    dialogs.Tolerate(BoxKind::Error);
    int failures = 0;
    for (int n = 1; n <= calls; ++n) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(old);
        file.close();
        testing::FaultyFileSystem files;
        files.FailCall(n, ENOSPC);
        exporter->UseFileSystem(files);
        dialogs.Clear();
        SavePdf();

        const QByteArray now = ReadAll(path);
        if (dialogs.Count(BoxKind::Error) == 1) {
            ++failures;
            EXPECT_EQ(now, old) << "call " << n << " failed: " << files.Log()[n - 1];
            EXPECT_EQ(dialogs.Boxes()[0].text,
                      "Could not save \"" + path + "\": No space left on device.");
        } else {
            EXPECT_EQ(dialogs.Count(BoxKind::Error), 0);
            EXPECT_TRUE(IsCompletePdf(now)) << "call " << n << ": " << files.Log()[n - 1];
        }
        EXPECT_EQ(Entries(cwd.Path()), (QStringList{"UserData.dta", "report.pdf"}))
            << "call " << n << ": no temporary file or backup stays";
    }
    EXPECT_GE(failures, 4) << "creating, writing, syncing and renaming can each fail";
}

TEST_F(ResultsExportTest, PrintReportPaintsOnThePrinterTheDialogSetUp) {
    Open(Household());
    Trigger("mnuPrintReport");
    EXPECT_EQ(fileDialogs.printerDialogs, 1);
    EXPECT_EQ(Entries(cwd.Path()), QStringList{"UserData.dta"}) << "cancelled: nothing printed";

    const QString printed = cwd.File("printed.pdf");
    fileDialogs.setUpPrinter = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    Trigger("mnuPrintReport");
    EXPECT_TRUE(dialogs.Boxes().empty());
    ASSERT_TRUE(IsCompletePdf(ReadAll(printed)));
    if (test::HavePdfToText()) {
        const QString text = test::Collapsed(test::PdfText(printed));
        EXPECT_TRUE(text.contains("WITHDRAWAL NEEDED, $/Yr " +
                                  QString::fromStdString(ws->results.boxes.editWithDrawalNeeded)))
            << text.toStdString();
        EXPECT_TRUE(text.contains("S:\"Blue\" Utils"));
    }

    fileDialogs.setUpPrinter = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cwd.File("missing/printed.pdf"));
        return true;
    };
    dialogs.Expect(BoxKind::Error, "Could not print the report");
    Trigger("mnuPrintReport");
    dialogs.VerifyAllShown();
}

TEST_F(ResultsExportTest, ChartWindowShowsTheLatestResultsAndLeavesWithTheScreen) {
    Open(Household());
    ASSERT_TRUE(test::ShowAndActivate(*calc));
    EXPECT_EQ(exporter->Charts(), nullptr);
    Trigger("mnuCharts");
    ChartWindow* charts = exporter->Charts();
    ASSERT_NE(charts, nullptr);
    EXPECT_TRUE(charts->isVisible());
    EXPECT_EQ(charts->windowTitle(), "Charts");
    EXPECT_EQ(charts->Data().HoldingCount(), 14);
    EXPECT_EQ(charts->Data().Categories[2].PercentText,
              QString::fromStdString(ws->results.boxes.editPerCent2));

    calc->hide(); // back to the data input screen
    EXPECT_FALSE(charts->isVisible());

    ws->plan.DebtHoldings[10] = {"New bond", 1000, 1000, 4, 3, 0, "N", 0.0};
    ASSERT_TRUE(test::ShowAndActivate(*calc));
    calc->FormActivate();
    EXPECT_FALSE(charts->isVisible()) << "showing the screen again does not bring the charts";
    Trigger("mnuCharts");
    EXPECT_EQ(exporter->Charts(), charts) << "one chart window";
    EXPECT_TRUE(charts->isVisible());
    EXPECT_EQ(charts->Data().HoldingCount(), 15);
    EXPECT_EQ(charts->Data().Categories[3].Holdings.size(), 3u);

    auto* err = charts->findChild<QWidget*>("chartErr");
    ASSERT_NE(err, nullptr);
    EXPECT_GE(err->minimumHeight(), 19 * 14) << "room for every row of the ERR chart";
    EXPECT_FALSE(charts->grab().isNull());
}

} // namespace
} // namespace velmora
