#pragma once
// Small helpers for driving real widgets in the screen tests.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {

// Shows a top-level widget and makes it the active window, as a user would see it.
inline bool ShowAndActivate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Types into whatever widget has the keyboard focus, one key at a time, so
// that a grid that opens its editor on the first key hands it the rest.
inline void TypeKeys(const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), c.toLatin1());
    }
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// Runs a test in a fresh empty working directory and goes back afterwards.
class TempWorkingDirectory {
public:
    TempWorkingDirectory() : previous_(QDir::currentPath()) {
        EXPECT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
    }
    ~TempWorkingDirectory() { QDir::setCurrent(previous_); }
    TempWorkingDirectory(const TempWorkingDirectory&) = delete;
    TempWorkingDirectory& operator=(const TempWorkingDirectory&) = delete;

    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

} // namespace velmora::test
