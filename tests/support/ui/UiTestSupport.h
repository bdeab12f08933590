#pragma once
// Small helpers for driving real widgets in the screen tests.

#include "grid/ui/StringGrid.h"

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>

// Failure messages show texts as text (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

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

// A control of a screen by its name; a missing one fails the test.
template <class T> T* FindControl(const QWidget& screen, const char* name) {
    T* child = screen.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Selects a cell, types `text` into it and ends the edit with Return.
inline void TypeIntoCell(StringGrid& grid, int col, int row, const QString& text) {
    grid.setFocus(Qt::OtherFocusReason);
    grid.SetCurrentCell(col, row);
    TypeKeys(text);
    PressKey(Qt::Key_Return);
}

// The texts of one grid row.
inline QStringList RowTexts(const StringGrid& grid, int row) {
    QStringList texts;
    for (int col = 0; col < grid.ColCount(); ++col) {
        texts << grid.Cells(col, row);
    }
    return texts;
}

// Shows a screen in front and runs its activation, as the program does.
template <class Form> bool OpenScreen(Form& form) {
    if (!ShowAndActivate(form)) {
        return false;
    }
    form.FormActivate();
    return true;
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
