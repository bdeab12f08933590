// The results grids keep their title row in view while a long category scrolls.

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "results/ui/TfrmCalc.h"

#include <QImage>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TfrmCalcTitleRowTest, NameValueAndErrStayAboveTheEntriesScrolledToTheEnd) {
    Workspace workspace;
    workspace.plan.AgeSelf = 66;
    for (int i = 0; i < kTableRows; ++i) { // 40 medium-risk bonds
        workspace.plan.DebtHoldings[i] = {
            "Bond " + std::to_string(i + 1), 1000, 1000 + 10 * i, 1 + i % 7, 2, 0, "N", 0.0};
    }
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    PlanHistory history{workspace.plan, shell};
    TfrmCalc form({workspace, dialogs, shell, history});
    ASSERT_TRUE(test::ShowAndActivate(form));
    form.FormActivate();

    auto* grid = form.findChild<StringGrid*>("StringGrid2");
    ASSERT_NE(grid, nullptr);
    auto* titles = grid->findChild<QTableView*>("FrozenTitleRows");
    ASSERT_NE(titles, nullptr);
    const QRect titleStrip(grid->viewport()->geometry().topLeft(),
                           QSize(grid->viewport()->width(), 15));
    // The title row as the grid itself draws it, before anything scrolls.
    titles->hide();
    const QImage unscrolled = grid->grab(titleStrip).toImage();
    titles->show();

    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(160, 0))))
        << "the last row is in view";
    EXPECT_LT(grid->visualRect(grid->model()->index(0, 0)).bottom(), 0)
        << "the grid's own title row has scrolled away";
    EXPECT_TRUE(titles->isVisible());
    EXPECT_EQ(titles->geometry(), titleStrip);
    EXPECT_EQ(grid->grab(titleStrip).toImage(), unscrolled)
        << "\"Name / Value / ERR\" drawn as before";
    EXPECT_GT(grid->rowAt(titles->height()), 1) << "entries, not the titles, below the titles";

    // The next showing starts at the top again, with the first entries under the titles.
    form.FormActivate();
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid->rowViewportPosition(1), titles->height());
    EXPECT_EQ(grid->Cells(0, 1).left(7), "B:Bond ");
}

} // namespace
} // namespace velmora
