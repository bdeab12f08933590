#pragma once
// A window's menu bar in as many rows as the window's width needs, so that no
// item ever hides behind the bar's "»": the items that the bar cannot show
// beside the others go, in their order, to a row of their own below it (a
// menu bar at the top of the window's content); they come back as the window
// widens.

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QBoxLayout;
class QMainWindow;
class QMenuBar;

namespace velmora {

class MenuRows : public QObject {
public:
    // The rows stand at the top of `frame`, the layout of the window's content.
    MenuRows(QMainWindow& window, QBoxLayout& frame);

    // Shares the items among as many rows as a window `width` wide needs.
    void Arrange(int width);
    // The height of the rows below the window's own menu bar.
    int Height() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* Bar() const;
    QMenuBar* Row(std::size_t index);

    QPointer<QMainWindow> window_;
    const QObject* watchedWindow_; // the same window, as the events name it
    QPointer<QBoxLayout> frame_;
    std::vector<QPointer<QMenuBar>> rows_; // below the window's own bar
    bool arranging_ = false;
};

} // namespace velmora
