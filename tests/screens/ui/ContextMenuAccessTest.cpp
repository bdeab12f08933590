// A right-click menu on the accessibility bus: while it is open, the screen
// window lists it among its children as a popup menu with its items, where a
// screen reader or an outside test walking the windows finds it.

#include "screens/ui/ContextMenuAccess.h"

#include "UiTestSupport.h"

#include <QAccessible>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora {

// A screen, as the program's screens are named.
class TfrmProbe : public QMainWindow {
    Q_OBJECT
};

namespace {

// The popup menus among the window's accessible children, each as its items' texts.
std::vector<QStringList> PopupMenus(QWidget& window) {
    std::vector<QStringList> menus;
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; access != nullptr && i < access->childCount(); ++i) {
        QAccessibleInterface* child = access->child(i);
        if (child == nullptr || child->role() != QAccessible::PopupMenu) {
            continue;
        }
        EXPECT_EQ(access->indexOfChild(child), i);
        QStringList items;
        for (int k = 0; k < child->childCount(); ++k) {
            items << child->child(k)->text(QAccessible::Name);
        }
        menus.push_back(items);
    }
    return menus;
}

TEST(ContextMenuAccess, AnOpenRightClickMenuIsAChildOfItsScreenWithItsItems) {
    InstallContextMenuAccess();
    InstallContextMenuAccess(); // a second call changes nothing
    TfrmProbe screen;
    auto* grid = new QWidget(&screen);
    screen.setCentralWidget(grid);
    QMenu* file = screen.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"));
    auto* context = new QMenu(grid);
    context->addAction(QStringLiteral("&Undo edit of IRA row 1"));
    context->addAction(QStringLiteral("Re&do"));
    ASSERT_TRUE(test::ShowAndActivate(screen));
    EXPECT_TRUE(PopupMenus(screen).empty()) << "nothing while closed";

    context->popup(grid->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitFor([context] { return context->isVisible(); }));
    file->popup(grid->mapToGlobal(QPoint(40, 40))); // a menu bar's menu is announced by its bar
    const std::vector<QStringList> open = PopupMenus(screen);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0], (QStringList{"Undo edit of IRA row 1", "Redo"}));
    file->hide();
    context->hide();
    EXPECT_TRUE(PopupMenus(screen).empty()) << "gone once closed";
}

} // namespace
} // namespace velmora

#include "ContextMenuAccessTest.moc"
