// The help window: finding the help file, opening it at a context number, and
// a missing file.

#include "app/ui/HelpViewer.h"

#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "results/ResultBox.h"

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace velmora {
namespace {

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A help file whose second section starts far down.
QByteArray TwoSections(const char* marker) {
    QByteArray html = "<html><body><h1><a name=\"context-0\"></a>Contents ";
    html += marker;
    html += "</h1>";
    for (int i = 0; i < 200; ++i) {
        html += "<p>line</p>";
    }
    html += "<h1><a name=\"context-1\"></a>Tutorial</h1>";
    for (int i = 0; i < 200; ++i) {
        html += "<p>more</p>";
    }
    return html + "</body></html>";
}

TEST(HelpViewerTest, OpensAtTheSectionOfTheContextNumber) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("Velmora.hlp"), TwoSections("here"));
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {"/nonexistent", folder.path()});

    ASSERT_TRUE(viewer.ShowContext(kHelpTutorial));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.FilePath(), QFileInfo(folder.filePath("Velmora.hlp")).absoluteFilePath());
    QTextBrowser* browser = viewer.Browser();
    EXPECT_TRUE(browser->toPlainText().contains("Tutorial"));
    QScrollBar* bar = browser->verticalScrollBar();
    EXPECT_GT(bar->value(), bar->maximum() / 4) << "scrolled down to the tutorial";

    ASSERT_TRUE(viewer.ShowContext(kHelpContents));
    EXPECT_LT(bar->value(), 2 * browser->fontMetrics().height()) << "contents at the top";
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Whoever can write into the folder the program starts in must not decide what its
// help says: a help file planted there is never shown.
TEST(HelpViewerTest, AHelpFileInTheStartFolderIsNeverShown) {
    test::TempWorkingDirectory work;
    WriteFile(work.File("Velmora.hlp"), TwoSections("PLANTED"));
    const QString planted = QFileInfo(work.File("Velmora.hlp")).absoluteFilePath();
    EXPECT_NE(HelpViewer::FindHelpFileIn(HelpViewer::DefaultFolders()), planted);
    EXPECT_EQ(HelpViewer::FindHelpFileIn({QString(), ".", "./", "sub/.."}), "");

    QTemporaryDir installed;
    WriteFile(installed.filePath("Velmora.hlp"), TwoSections("installed"));
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {QString(), ".", installed.path()});
    ASSERT_TRUE(viewer.ShowContext(kHelpContents));
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("installed"));
    EXPECT_FALSE(viewer.Browser()->toPlainText().contains("PLANTED"));
}

TEST(HelpViewerTest, AMissingHelpFileIsReported) {
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {"/nonexistent"});
    dialogs.Tolerate(test::BoxKind::Error);
    EXPECT_FALSE(viewer.ShowContext(kHelpContents));
    ASSERT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.Boxes()[0].text.startsWith("The help file Velmora.hlp cannot be found."))
        << dialogs.Boxes()[0].text.toStdString();
    EXPECT_TRUE(dialogs.Boxes()[0].text.contains("/nonexistent"));
    EXPECT_FALSE(viewer.isVisible());
}

TEST(HelpViewerTest, TheProgramsHelpFileOpensAtBothContexts) {
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {QFileInfo(VELMORA_HELP_FILE).absolutePath()});
    ASSERT_TRUE(viewer.ShowContext(kHelpTutorial));
    QTextBrowser* browser = viewer.Browser();
    // The top line of the window is the tutorial's heading.
    const QTextCursor top = browser->cursorForPosition(QPoint(4, 4));
    EXPECT_EQ(top.block().text(), "Tutorial");
    ASSERT_TRUE(viewer.ShowContext(kHelpContents));
    EXPECT_EQ(browser->cursorForPosition(QPoint(4, 4)).block().text(),
              "Velmora Help: Table of Contents");

    // Every link of the file leads to a section of it.
    QFile file(VELMORA_HELP_FILE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const QRegularExpression link("href=\"#([^\"]+)\"");
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(html.contains("name=\"" + target + "\"")) << target.toStdString();
    }
    EXPECT_GT(links, 20);
    EXPECT_TRUE(html.contains("See Inst.")) << "explains the IRA basis column";
}

// The page on the exports names every box of the results' CSV file with the
// part of the Results screen it stands for, so that a spreadsheet's reader can
// find it; a box added to the file is missing here until the help says it.
TEST(HelpViewerTest, TheHelpNamesEveryBoxOfTheResultsCsvWithItsScreenLabel) {
    QFile file(VELMORA_HELP_FILE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const ResultBoxEntry& box : kResultBoxes) {
        const QRegularExpression row("<tr><td>" + QString::fromLatin1(box.Name.data()) +
                                     "</td><td>([^<]+)</td></tr>");
        const QRegularExpressionMatch found = row.match(html);
        ASSERT_TRUE(found.hasMatch()) << box.Name;
        EXPECT_GT(found.captured(1).size(), 3) << box.Name;
    }
    EXPECT_TRUE(html.contains("<tr><td>editTaxOnIncome</td><td>EXPENSES, Taxes on: - Income</td>"));
    EXPECT_TRUE(html.contains("(Velmora Results 2026.csv)"));
    EXPECT_TRUE(html.contains("(Velmora Years 2026 to 95.csv)"));
}

} // namespace
} // namespace velmora
