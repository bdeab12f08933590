// The help window: finding the help file, opening it at a context number, and
// a missing file.

#include "app/HelpViewer.h"

#include "ScriptedDialogs.h"
#include "UiTestSupport.h"

#include <QFile>
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
    test::TempWorkingDirectory work;
    WriteFile(work.File("Velmora.hlp"), TwoSections("here"));
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {QString(), "/nonexistent"});

    ASSERT_TRUE(viewer.ShowContext(kHelpTutorial));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.FilePath(), QFileInfo(work.File("Velmora.hlp")).absoluteFilePath());
    QTextBrowser* browser = viewer.Browser();
    EXPECT_TRUE(browser->toPlainText().contains("Tutorial"));
    QScrollBar* bar = browser->verticalScrollBar();
    EXPECT_GT(bar->value(), bar->maximum() / 4) << "scrolled down to the tutorial";

    ASSERT_TRUE(viewer.ShowContext(kHelpContents));
    EXPECT_LT(bar->value(), 2 * browser->fontMetrics().height()) << "contents at the top";
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST(HelpViewerTest, TheWorkingDirectoryComesBeforeTheOtherFolders) {
    test::TempWorkingDirectory work;
    QTemporaryDir other;
    WriteFile(other.filePath("Velmora.hlp"), TwoSections("beside the program"));
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {QString(), other.path()});
    ASSERT_TRUE(viewer.ShowContext(kHelpContents));
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains("beside the program"));

    WriteFile(work.File("Velmora.hlp"), TwoSections("in the working directory"));
    HelpViewer second(dialogs, {QString(), other.path()});
    ASSERT_TRUE(second.ShowContext(kHelpContents));
    EXPECT_TRUE(second.Browser()->toPlainText().contains("in the working directory"));
}

TEST(HelpViewerTest, AMissingHelpFileIsReported) {
    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    HelpViewer viewer(dialogs, {QString(), "/nonexistent"});
    dialogs.Tolerate(test::BoxKind::Error);
    EXPECT_FALSE(viewer.ShowContext(kHelpContents));
    ASSERT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.Boxes()[0].text.startsWith("The help file Velmora.hlp cannot be found."))
        << dialogs.Boxes()[0].text.toStdString();
    EXPECT_TRUE(dialogs.Boxes()[0].text.contains("/nonexistent"));
    EXPECT_FALSE(viewer.isVisible());
}

} // namespace
} // namespace velmora
