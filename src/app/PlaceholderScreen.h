#pragma once
// Stands in for a screen that the program does not have yet: its caption, a
// note and a "Done" button back to the data input screen.

#include <QString>
#include <QWidget>

namespace velmora {

class Shell;

class PlaceholderScreen : public QWidget {
    Q_OBJECT

public:
    PlaceholderScreen(Shell& shell, const QString& caption);

    void FormActivate() {}
    void btnDoneClick();

private:
    Shell& shell_;
};

} // namespace velmora
