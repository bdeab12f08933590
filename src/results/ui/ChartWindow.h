#pragma once
// A window beside the results screen with the two charts of the results: the
// risk categories' shares of the investment total, and every holding's ERR
// grouped by category (a list that scrolls when it is long). It shows the
// results as they stood when it was opened or last refreshed, and hides
// whenever the results screen is left. Escape or Ctrl+W closes it. Its
// charts' text grows with the window's type (the chosen size).

#include "results/ui/ChartData.h"

#include <QWidget>

namespace velmora {

struct Workspace;

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    ChartWindow(const Workspace& workspace, QWidget& resultsScreen);

    // Takes the results as they stand now and draws them again.
    void Refresh();

    const charts::ChartData& Data() const { return data_; }
    // The charts' scale (ChartPainter.h): their type's size against the
    // designed size, so 2 when the window is shown at 200 %.
    double Scale() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives the ERR chart the height of all its rows, so that it scrolls.
    void FitErrChart();

    const Workspace& workspace_;
    QWidget& resultsScreen_;
    charts::ChartData data_;
    QWidget* shares_ = nullptr;
    QWidget* bars_ = nullptr;
};

} // namespace velmora
