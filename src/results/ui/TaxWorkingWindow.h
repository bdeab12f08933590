#pragma once
// A window beside the results screen that shows how the tax was worked out:
// the tax engine's own figures for the year, line by line as a return has
// them, without the withdrawal and with it. It shows the results as they stood
// when it was opened or last refreshed, and hides whenever the results screen
// is left. Escape or Ctrl+W closes it.

#include <QWidget>

class QLabel;
class QTableWidget;

namespace velmora {

struct Workspace;

class TaxWorkingWindow : public QWidget {
    Q_OBJECT

public:
    TaxWorkingWindow(const Workspace& workspace, QWidget& resultsScreen);

    // Takes the results as they stand now and shows them again.
    void Refresh();

    const QTableWidget& Table() const { return *table_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Workspace& workspace_;
    QWidget& resultsScreen_;
    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr; // how the working leads to the results screen's boxes
    QTableWidget* table_ = nullptr;
};

} // namespace velmora
