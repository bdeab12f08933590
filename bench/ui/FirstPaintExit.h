#pragma once
// Ends the process once a window has been painted for the first time: the
// start-up probes stop there, so that a probe's whole run, measured from
// outside, is its start-up up to the first painted window.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace velmora::bench {

class FirstPaintExit : public QObject {
public:
    // `windowName`: the object name of the window to wait for; empty for any.
    explicit FirstPaintExit(QString windowName, QObject* parent = nullptr)
        : QObject(parent), windowName_(std::move(windowName)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            if (windowName_.isEmpty() || window->objectName() == windowName_) {
                seen_ = true;
                // The rest of the window is painted and flushed in the same pass;
                // the process ends right after it, without tearing anything down.
                QTimer::singleShot(0, [] {
                    std::fflush(nullptr);
                    _exit(0);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString windowName_;
    bool seen_ = false;
};

} // namespace velmora::bench
