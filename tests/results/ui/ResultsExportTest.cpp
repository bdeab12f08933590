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
#include "app/ui/StandardKeys.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/PlanFile.h"
#include "projection/Projection.h"
#include "projection/ProjectionTexts.h"
#include "projection/ui/WaysReport.h"
#include "projection/ui/YearsReport.h"
#include "projection/ui/YearsSettings.h"
#include "results/ui/ChartWindow.h"
#include "results/ui/TfrmCalc.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/Zoom.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

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

// Restores the default locale that a test changes.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale previous_;
};

class ResultsExportTest : public ::testing::Test {
protected:
    // The report's figures follow the user's locale; the tests read them in this one.
    DefaultLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    test::TempWorkingDirectory cwd;
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    test::ScriptedExportDialogs fileDialogs;
    std::unique_ptr<PlanHistory> history;
    std::unique_ptr<TfrmCalc> calc;
    ResultsExport* exporter = nullptr;
    // The user's documents folder, as the desktop names it (XDG_DOCUMENTS_DIR).
    QTemporaryDir home;
    QString documents = home.filePath(QStringLiteral("Papers"));
    QString userDirs = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs");

    void SetUp() override {
        QSettings().remove(QStringLiteral("Files/LastFolder")); // no folder used before
        ASSERT_TRUE(QDir().mkpath(documents));
        QFile dirs(userDirs);
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(("XDG_DOCUMENTS_DIR=\"" + documents + "\"\n").toUtf8());
    }
    void TearDown() override {
        QFile::remove(userDirs);
        QSettings().remove(QStringLiteral("Files/LastFolder"));
    }

    // Writes the plan file, loads it as the program does and opens the results screen.
    void Open(const PlanData& plan) {
        ASSERT_FALSE(SavePlan(plan, cwd.File("UserData.dta").toStdString()));
        LoadPlan(ws->plan, cwd.File("UserData.dta").toStdString());
        history = std::make_unique<PlanHistory>(ws->plan, shell);
        calc = std::make_unique<TfrmCalc>(ScreenContext{*ws, dialogs, shell, *history});
        calc->AddReportPages(&YearsReportSection); // as the program does
        calc->AddReportPages(&WaysReportSection);
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
    // Writes the report to `path` by `write` once to count its file operations,
    // then again with each operation failing in turn over a file that was there:
    // a failure is told and leaves that file as it was, no temporary file or
    // backup stays, and creating, writing, syncing and renaming can each fail.
    void ExpectEveryFailedStepKeepsTheOldFile(const QString& path,
                                              const std::function<void()>& write) {
        const QByteArray old = "the previous report";
        testing::FaultyFileSystem counting;
        exporter->UseFileSystem(counting);
        write();
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
            write();

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
            EXPECT_EQ(Entries(cwd.Path()),
                      (QStringList{"UserData.dta", QFileInfo(path).fileName()}))
                << "call " << n << ": no temporary file or backup stays";
        }
        EXPECT_GE(failures, 4) << "creating, writing, syncing and renaming can each fail";
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
                                     "Save Report as PD&F...", "Print &Report...", "-", "E&xit"}));
    QStringList bar;
    for (QAction* action : calc->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"&File", "&Quick Help", "&Help", "&Charts",
                                "How the Tax Was &Worked Out", "&Years Ahead"}));

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
    EXPECT_EQ(fileDialogs.asked[0].suggested, documents + "/Velmora Results 2004.csv");
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

TEST_F(ResultsExportTest, DialogsOpenInTheDocumentsFolderThenWhereTheLastFileWentAndSayWhere) {
    Open(Household());
    // Wherever the program was started (here in another folder), the first
    // dialog opens in the documents folder.
    fileDialogs.answer = cwd.File("results.csv");
    Trigger("mnuExportCsv");
    ASSERT_EQ(fileDialogs.asked.size(), 1u);
    EXPECT_EQ(fileDialogs.asked[0].suggested, documents + "/Velmora Results 2004.csv");
    EXPECT_EQ(WindowNoteText(*calc), "Saved to " + cwd.Path() + "/results.csv");

    fileDialogs.answer = cwd.File("report.pdf");
    Trigger("mnuSaveReportPdf");
    ASSERT_EQ(fileDialogs.asked.size(), 2u);
    EXPECT_EQ(fileDialogs.asked[1].suggested, cwd.Path() + "/Velmora Report 2004.pdf");
    EXPECT_EQ(WindowNoteText(*calc), "Saved to " + cwd.Path() + "/report.pdf");

    // The folder is remembered for the next run; a cancelled dialog changes nothing.
    fileDialogs.answer.clear();
    calc.reset();
    Open(Household());
    Trigger("mnuExportCsv");
    ASSERT_EQ(fileDialogs.asked.size(), 3u);
    EXPECT_EQ(fileDialogs.asked[2].suggested, cwd.Path() + "/Velmora Results 2004.csv");

    // A folder that is gone gives way to the documents folder, and a missing
    // documents folder to the home folder.
    QSettings().setValue(QStringLiteral("Files/LastFolder"), home.filePath("gone"));
    Trigger("mnuExportCsv");
    ASSERT_EQ(fileDialogs.asked.size(), 4u);
    EXPECT_EQ(fileDialogs.asked[3].suggested, documents + "/Velmora Results 2004.csv");
    ASSERT_TRUE(QDir(documents).removeRecursively());
    Trigger("mnuExportCsv");
    ASSERT_EQ(fileDialogs.asked.size(), 5u);
    EXPECT_EQ(fileDialogs.asked[4].suggested, QDir::homePath() + "/Velmora Results 2004.csv");
}

TEST_F(ResultsExportTest, KeepingTheFolderLeavesTheSettingsFileTheUsersAlone) {
    const QByteArray settingsFile = QFile::encodeName(QSettings().fileName());
    {
        QSettings settings;
        settings.setValue(QStringLiteral("Files/LastFolder"), documents);
    }
    ASSERT_EQ(::chmod(settingsFile.constData(), 0644), 0) << "as another program may leave it";
    Open(Household());
    fileDialogs.answer = cwd.File("results.csv");
    Trigger("mnuExportCsv");
    struct stat info {};
    ASSERT_EQ(::stat(settingsFile.constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(QSettings().value(QStringLiteral("Files/LastFolder")).toString(), cwd.Path());
}

TEST_F(ResultsExportTest, ThePrintDialogStartsOnThePaperOfTheUsersLocale) {
    Open(Household());
    struct Case {
        QLocale locale;
        QPageSize::PageSizeId paper;
    };
    for (const Case& c : {Case{QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter},
                          Case{QLocale(QLocale::French, QLocale::Canada), QPageSize::Letter},
                          Case{QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
                          Case{QLocale(QLocale::German, QLocale::Germany), QPageSize::A4},
                          Case{QLocale::c(), QPageSize::Letter}}) {
        const DefaultLocale locale(c.locale);
        QPageSize::PageSizeId offered = QPageSize::Custom;
        fileDialogs.setUpPrinter = [&offered](QPrinter& printer) {
            offered = printer.pageLayout().pageSize().id();
            return false;
        };
        Trigger("mnuPrintReport");
        EXPECT_EQ(offered, c.paper) << c.locale.name().toStdString();
    }
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
    EXPECT_EQ(fileDialogs.asked[0].suggested, documents + "/Velmora Report 2004.pdf");
    EXPECT_TRUE(dialogs.Boxes().empty());
    const QByteArray bytes = ReadAll(path);
    ASSERT_TRUE(IsCompletePdf(bytes)) << bytes.left(16).toStdString();

    const QString text = test::Collapsed(test::PdfText(path));
    ASSERT_FALSE(text.isEmpty());
    const QJsonObject report = test::ReportJson(cwd.File("UserData.dta"));
    ASSERT_FALSE(report.isEmpty());
    const QJsonObject boxes = report["boxes"].toObject();
    // The report's figure after `label`, compared by value with the report
    // tool's text: amounts whole where the tool's are, else to the cent.
    auto expectFigure = [&text](const QString& label, const QString& tool, bool err = false) {
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::escape(label) +
                               " (-?\\d{1,3}(?:,\\d{3})*(?:\\.\\d\\d)?)(?=,? )")
                .match(text);
        ASSERT_TRUE(match.hasMatch()) << label.toStdString() << "\n in: " << text.toStdString();
        const QString shown = match.captured(1);
        const double value = QString(shown).remove(',').toDouble();
        const double expected = tool.toDouble();
        const bool whole = !tool.contains('.') && !err;
        EXPECT_EQ(shown.contains('.'), !whole)
            << label.toStdString() << ": " << shown.toStdString();
        EXPECT_NEAR(value, expected, whole ? 0.0 : 0.005 + 1e-9)
            << label.toStdString() << ": " << shown.toStdString() << " for " << tool.toStdString();
    };
    // Each line is followed by more text, so a blank after it marks where it ends.
    auto expectLine = [&text](const QString& line) {
        EXPECT_TRUE(text.contains(line + ' '))
            << line.toStdString() << "\n in: " << text.toStdString();
    };
    ASSERT_NE(boxes["editWithDrawalNeeded"].toString(), "0");
    expectFigure("WITHDRAWAL NEEDED, $/Yr", boxes["editWithDrawalNeeded"].toString());
    expectFigure("INVESTMENT TOTAL, $", boxes["editTotalInvestments"].toString());
    expectFigure("Taxes on Income", boxes["editTaxOnIncome"].toString());
    expectFigure("Taxes on Withdrawals", boxes["editTaxOnWithdrawals"].toString());
    expectFigure("Entitlements", boxes["editEntitlements"].toString());
    expectFigure("Interest + Dividends", boxes["editIntAndDiv"].toString());
    expectFigure("Minimum IRA", boxes["editIRA"].toString());
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
        const QString title = QStringLiteral("%1 risk category: sub total").arg(kTitles[k]);
        expectFigure(title, boxes[kTotals[k]].toString());
        expectLine(QStringLiteral(", %1% of Total")
                       .arg(boxes[QStringLiteral("editPerCent%1").arg(k)].toString()));
        for (const QJsonValue& entry : categories[k].toArray()) {
            const QJsonObject row = entry.toObject();
            expectFigure(row["name"].toString(), row["value"].toString());
            // The row's ERR follows its value.
            const QRegularExpressionMatch match =
                QRegularExpression(QRegularExpression::escape(row["name"].toString()) +
                                   " [\\d,]+ (-?\\d+\\.\\d\\d) ")
                    .match(text);
            ASSERT_TRUE(match.hasMatch()) << row["name"].toString().toStdString();
            EXPECT_NEAR(match.captured(1).toDouble(), row["err"].toString().toDouble(),
                        0.005 + 1e-9)
                << row["name"].toString().toStdString();
            ++holdings;
        }
    }
    EXPECT_EQ(holdings, 14);
}
#endif

TEST_F(ResultsExportTest, PdfShowsAmountsWithSeparatorsAndErrsWithTwoDecimalsInTheUsersLocale) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    PlanData plan = Household();
    plan.IraHoldings[0].CurrentValue = 281000;
    Open(plan);
    auto* medium = calc->findChild<StringGrid*>("StringGrid2");
    ASSERT_NE(medium, nullptr);
    ASSERT_EQ(medium->Cells(0, 3), "I:Fidelity IRA");
    EXPECT_EQ(medium->Cells(1, 3), "281000") << "the screen keeps its own texts";
    EXPECT_EQ(medium->Cells(2, 3), "2.139293891896");

    {
        const QString text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("us.pdf"))));
        for (const char* line :
             {"I:Fidelity IRA 281,000 2.14 ", "I:Schwab IRA 92,000 0.00 ",
              "B:Bank CD, 5 yr 25,000 -1.16 ", "Medium risk category: sub total 417,700, 61% ",
              "INVESTMENT TOTAL, $ 679,750 ", "Interest + Dividends 3,721.50 ",
              "Minimum IRA 16,171.88 ", "Annual Budget, $/Yr 150,000 ", "Federal Ordinary % 28 ",
              "Total 679,750 ", "I:Fidelity IRA 2.14 R:Roth Vanguard 5.10 "}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(line)))
                << line << "\n in: " << text.toStdString();
        }
        EXPECT_FALSE(text.contains("2.139293891896"));
    }
    {
        const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        const QString text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("de.pdf"))));
        for (const char* line : {"I:Fidelity IRA 281.000 2,14 ", "B:Bank CD, 5 yr 25.000 -1,16 ",
                                 "Interest + Dividends 3.721,50 "}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(line)))
                << line << "\n in: " << text.toStdString();
        }
    }
}

TEST_F(ResultsExportTest, ReportsOfAnEmptyPlanAndOf160Holdings) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    Open(PlanData{});
    QString text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("empty.pdf"))));
    EXPECT_TRUE(text.contains("No investments")) << text.toStdString();
    EXPECT_EQ(text.count("No holdings in this category."), 4);
    EXPECT_TRUE(text.contains("How the tax was worked out, tax year 2004 Without withdrawal With "
                              "withdrawal Income Pensions 0 0"))
        << "the working stands on a page of its own";
    // The pages of the results, the tax's working over two pages, then the
    // years ahead of a single person of 60 through 95: the chart, and their
    // table continued on a page of its own; last the ways of selling side by side.
    EXPECT_TRUE(text.contains("Page 1 of 7"));
    EXPECT_TRUE(text.contains("The years ahead Through age 95 of you, 60 now, continued earnings "
                              "end at age 70"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Your investments last through 2039, when you are 95, with 0 left. "
                              "Taxes over the years: 0."));
    EXPECT_TRUE(text.contains("2039 95 0 0 0 0 0 0 0 Velmora Report,")) << text.toStdString();
    EXPECT_TRUE(text.contains("The ways of selling side by side"));
    EXPECT_TRUE(text.contains("Page 7 of 7"));

    ws = std::make_unique<Workspace>();
    Open(FullPlan());
    ASSERT_EQ(ws->ranking.CategoryCount[0] + ws->ranking.CategoryCount[1] +
                  ws->ranking.CategoryCount[2] + ws->ranking.CategoryCount[3],
              160);
    text = test::Collapsed(test::PdfText(SavePdf(QStringLiteral("full.pdf"))));
    // Every holding's table row survives the page breaks, and every page says how many there are.
    for (int k = 0; k < kCategories; ++k) {
        auto* grid = calc->findChild<StringGrid*>(QStringLiteral("StringGrid%1").arg(k));
        for (int slot = 1; slot <= ws->ranking.CategoryCount[k]; ++slot) {
            const QString name = grid->Cells(0, slot);
            const QRegularExpressionMatch row =
                QRegularExpression(QRegularExpression::escape(name) +
                                   " (\\d{1,3}(?:,\\d{3})*) (-?\\d+\\.\\d\\d) ")
                    .match(text);
            ASSERT_TRUE(row.hasMatch()) << name.toStdString();
            EXPECT_EQ(row.captured(1).remove(','), grid->Cells(1, slot)) << name.toStdString();
            EXPECT_NEAR(row.captured(2).toDouble(), grid->Cells(2, slot).toDouble(), 0.005 + 1e-9)
                << name.toStdString();
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
    ExpectEveryFailedStepKeepsTheOldFile(cwd.File("report.pdf"), [this] { SavePdf(); });
}

TEST_F(ResultsExportTest, PrintReportPaintsOnThePrinterTheDialogSetUp) {
    Open(Household());
    Trigger("mnuPrintReport");
    EXPECT_EQ(fileDialogs.printerDialogs, 1);
    EXPECT_EQ(Entries(cwd.Path()), QStringList{"UserData.dta"}) << "cancelled: nothing printed";
    // A file printed to is offered where the PDF would be saved, not in the
    // working folder that holds the plan.
    EXPECT_EQ(fileDialogs.printFileOffered, documents + "/Velmora Report 2004.pdf");
    EXPECT_EQ(WindowNoteText(*calc), "");

    const QString printed = cwd.File("printed.pdf");
    fileDialogs.setUpPrinter = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    Trigger("mnuPrintReport");
    EXPECT_TRUE(dialogs.Boxes().empty());
    ASSERT_TRUE(IsCompletePdf(ReadAll(printed)));
    EXPECT_EQ(WindowNoteText(*calc), "Saved to " + printed);
    if (test::HavePdfToText()) {
        const QString text = test::Collapsed(test::PdfText(printed));
        ASSERT_EQ(ws->results.boxes.editWithDrawalNeeded, "98907");
        EXPECT_TRUE(text.contains("WITHDRAWAL NEEDED, $/Yr 98,907 ")) << text.toStdString();
        EXPECT_TRUE(text.contains("S:\"Blue\" Utils"));
    }

    // A file that cannot be written is told with its reason, and nothing is left.
    fileDialogs.setUpPrinter = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cwd.File("missing/printed.pdf"));
        return true;
    };
    dialogs.Expect(BoxKind::Error, "Could not save \"" + cwd.File("missing/printed.pdf") +
                                       "\": No such file or directory");
    Trigger("mnuPrintReport");
    dialogs.VerifyAllShown();
    EXPECT_EQ(Entries(cwd.Path()), (QStringList{"UserData.dta", "printed.pdf"}));
}

// Printing to a file writes it whole or not at all, as saving the PDF does: a
// failure at any step of the write leaves the file that was there as it was.
TEST_F(ResultsExportTest, PrintingToAFileThatFailsKeepsTheOldFileWhole) {
    Open(Household());
    const QString path = cwd.File("printed.pdf");
    fileDialogs.setUpPrinter = [&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    ExpectEveryFailedStepKeepsTheOldFile(path, [this] { Trigger("mnuPrintReport"); });
}

// The report of the test plans under both laws: the first page says what to
// sell this year as the results screen does, whole, and no text on any page is
// cut short with an ellipsis; what is sold in each year stands whole in the
// years' table, however long.
TEST_F(ResultsExportTest, TheReportOfTheTestPlansSaysWhatToSellAndCutsNoText) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    PlanData married;
    ASSERT_EQ(LoadPlan(married, VELMORA_TEST_DATA_DIR "/plan/married-household.dta").status,
              LoadStatus::Complete);
    PlanData varied;
    ASSERT_EQ(LoadPlan(varied, VELMORA_TEST_DATA_DIR "/plan/varied-values.dta").status,
              LoadStatus::Complete);
    const std::vector<std::pair<QString, PlanData>> plans{
        {"married", married}, {"varied", varied}, {"household", Household()}, {"full", FullPlan()}};
    for (const auto& [name, plan] : plans) {
        for (const int year : {2004, 2026}) {
            ws = std::make_unique<Workspace>();
            ws->taxYear = *TaxYear::Find(year);
            Open(plan);
            const QString where = QStringLiteral("%1 %2").arg(name).arg(year);
            const QString path = SavePdf(where + QStringLiteral(".pdf"));
            const QString text = test::PdfText(path);
            ASSERT_FALSE(text.isEmpty()) << where.toStdString();
            EXPECT_FALSE(text.contains(QChar(0x2026))) << where.toStdString() << "\n"
                                                       << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("..."))) << where.toStdString();
            const QString sell =
                calc->findChild<QLabel*>(QStringLiteral("lblSellThisYear"))->text();
            ASSERT_FALSE(sell.isEmpty());
            QProcess firstPage;
            firstPage.start(QStringLiteral("pdftotext"),
                            {QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
            ASSERT_TRUE(firstPage.waitForFinished(60000));
            EXPECT_TRUE(test::Collapsed(QString::fromUtf8(firstPage.readAllStandardOutput()))
                            .contains(test::Collapsed(sell)))
                << where.toStdString() << ": " << sell.toStdString();
            const QString collapsed = test::Collapsed(text);
            QSettings settings;
            const projection::Projection years =
                projection::Project(ws->plan, ws->taxYear, KeptYearsSettings(settings));
            for (const projection::ProjectedYear& y : years.Years) {
                const QString sold = FromPlanText(projection::SalesText(y));
                EXPECT_TRUE(collapsed.contains(test::Collapsed(sold)))
                    << where.toStdString() << ", " << y.Year << ": " << sold.toStdString();
            }
        }
    }
}

// The page's size and the box around every word on the first page, in points,
// as `pdftotext -bbox` reads them.
struct PrintedPage {
    QSizeF size;
    QRectF words; // empty: no words read
};

PrintedPage FirstPage(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                   QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PrintedPage page;
    const QRegularExpression size(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    if (const QRegularExpressionMatch m = size.match(html); m.hasMatch()) {
        page.size = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        page.words = page.words.isEmpty() ? box : page.words.united(box);
    }
    return page;
}

TEST_F(ResultsExportTest, PrintedAndSavedPagesHaveMarginsOfThreeQuartersOfAnInch) {
    if (!test::HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    Open(Household());
    struct Paper {
        const char* name;
        QPageSize::PageSizeId id;
        QSizeF points; // A4 is 210 x 297 mm, Letter 8.5 x 11 inches
        bool printed;
    };
    for (const Paper& paper : {Paper{"A4", QPageSize::A4, {595.28, 841.89}, true},
                               Paper{"Letter", QPageSize::Letter, {612, 792}, true},
                               Paper{"PDF", QPageSize::Letter, {612, 792}, false}}) {
        QString path = cwd.File(QStringLiteral("%1.pdf").arg(paper.name));
        if (paper.printed) {
            // The paper chosen in the print dialog, which may have left the
            // whole sheet to print on.
            fileDialogs.setUpPrinter = [&paper, &path](QPrinter& printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                printer.setPageSize(QPageSize(paper.id));
                printer.setFullPage(true);
                printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
                return true;
            };
            Trigger("mnuPrintReport");
        } else {
            path = SavePdf(QStringLiteral("%1.pdf").arg(paper.name));
        }
        ASSERT_TRUE(dialogs.Boxes().empty()) << paper.name;
        const PrintedPage page = FirstPage(path);
        ASSERT_FALSE(page.words.isEmpty()) << paper.name;
        EXPECT_NEAR(page.size.width(), paper.points.width(), 0.5) << paper.name;
        EXPECT_NEAR(page.size.height(), paper.points.height(), 0.5) << paper.name;
        // 54 points each side: the title starts at the left margin, the page
        // number ends at the right one, the footer stands just above the bottom one.
        const double right = page.size.width() - page.words.right();
        const double bottom = page.size.height() - page.words.bottom();
        EXPECT_NEAR(page.words.left(), 54, 1.5) << paper.name;
        EXPECT_NEAR(right, 54, 1.5) << paper.name;
        EXPECT_GE(page.words.top(), 53.5) << paper.name;
        EXPECT_LT(page.words.top(), 54 + 20) << paper.name;
        EXPECT_GE(bottom, 53.5) << paper.name;
        EXPECT_LT(bottom, 54 + 20) << paper.name;
    }
}

TEST_F(ResultsExportTest, CtrlPPrintsTheReportAndEscapeOrCtrlWClosesTheCharts) {
    Open(Household());
    Zoom zoom(std::make_unique<QSettings>(cwd.File("settings.ini"), QSettings::IniFormat));
    InstallStandardKeys(*calc, shell, zoom);
    ASSERT_TRUE(test::ShowAndActivate(*calc));
    test::PressKey(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(fileDialogs.printerDialogs, 1);
    EXPECT_EQ(shell.printHints, 0) << "the report, not the hint";

    Trigger("mnuCharts");
    ChartWindow* charts = exporter->Charts();
    ASSERT_NE(charts, nullptr);
    ASSERT_TRUE(test::ShowAndActivate(*charts));
    test::PressKey(Qt::Key_Escape);
    EXPECT_FALSE(charts->isVisible());
    Trigger("mnuCharts");
    ASSERT_TRUE(test::ShowAndActivate(*charts));
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(charts->isVisible());
    EXPECT_TRUE(calc->isVisible());
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
    EXPECT_EQ(charts->Data().Categories[2].TotalText, "321,700") << "as in a report";
    EXPECT_EQ(charts->Data().TotalText, "583,750");
    ASSERT_EQ(charts->Data().Categories[2].Holdings.size(), 5u);
    EXPECT_EQ(charts->Data().Categories[2].Holdings[2].Name, "I:Fidelity IRA");
    EXPECT_EQ(charts->Data().Categories[2].Holdings[2].ErrText, "2.73");
    EXPECT_EQ(charts->Data().Categories[2].Holdings[2].ValueText, "185,000");

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
