#pragma once
// The size of everything the program shows, chosen by the user in steps from
// 100 % (the screens as designed) to 250 %, and remembered between runs. Every
// window taken in follows a change at once: its fonts, grids, boxes, buttons,
// spacing and its own size. A screen's window never grows beyond the free area
// of the desktop: its content then scrolls. The windows that a screen opens
// beside itself (not its dialogs or menus) follow that screen's size too, and
// so do the tooltips, and in every window the circles of radio buttons, the
// boxes of check marks and the scroll bars (the application's SizedStyle).

#include <QFont>
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace velmora {

class SizedWindow;
class SizedStyle;

class Zoom : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 225, 250};
    // Where the chosen size is kept in the settings.
    static constexpr const char* kSettingsKey = "View/SizePercent";

    // Reads the size chosen last time from `settings`, and keeps every new
    // choice there. Installs the application's SizedStyle unless it is installed.
    explicit Zoom(std::unique_ptr<QSettings> settings);
    ~Zoom() override;
    Zoom(const Zoom&) = delete;
    Zoom& operator=(const Zoom&) = delete;

    int Percent() const { return percent_; }
    // Takes the step nearest to `percent`, shows every window at it and keeps it.
    void SetPercent(int percent);
    void Larger();
    void Smaller();
    void Normal();

    // Takes a window in as it is now (at 100 %) and shows it at the chosen
    // size. A `designed` window (a screen) keeps its content's designed size
    // and proportions; any other lets its content follow the window's size.
    void Register(QWidget& window, bool designed);

    static int NearestStep(int percent);

signals:
    void Changed(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double Factor() const { return percent_ / 100.0; }
    void ApplyAll();
    bool IsRegistered(const QWidget* window) const;
    // Gives the style the factor, and lets `window` and what it holds measure
    // themselves again with it.
    void SizeStyle(double factor, QWidget& window);

    std::unique_ptr<QSettings> settings_;
    QPointer<SizedStyle> style_; // owned by QApplication
    int percent_ = 100;
    QFont baseTipFont_;
    bool tipsScaled_ = false;
    std::vector<std::unique_ptr<SizedWindow>> windows_;
};

} // namespace velmora
