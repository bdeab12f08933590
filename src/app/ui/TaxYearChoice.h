#pragma once
// The tax year whose law every calculation follows, chosen by the user in the
// "Tax Year" menu of the screens that have a menu bar, and remembered between
// runs beside the chosen size. Choosing a year is no change to the plan: it
// records no step and leaves the plan file as it is.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QActionGroup;
class QMainWindow;
class QSettings;

namespace velmora {

struct Workspace;

class TaxYearChoice : public QObject {
    Q_OBJECT

public:
    // Where the chosen year is kept in the settings.
    static constexpr const char* kSettingsKey = "Tax/Year";
    static constexpr const char* kMenuTip =
        "The tax year is chosen in the Tax Year menu of this screen, the data input screen and "
        "the results screen.";

    // Puts the year chosen last time into the workspace (2004 when none was,
    // or when the settings name a year the program does not know).
    TaxYearChoice(Workspace& workspace, std::unique_ptr<QSettings> settings);
    ~TaxYearChoice() override;
    TaxYearChoice(const TaxYearChoice&) = delete;
    TaxYearChoice& operator=(const TaxYearChoice&) = delete;

    // Adds the "Tax Year" menu, one radio item for each year the program knows.
    void AddMenu(QMainWindow& screen);

    // Makes `year` the year in force and keeps it; false for a year the
    // program does not know.
    bool Choose(std::int32_t year);

signals:
    void Changed(std::int32_t year);

private:
    void ShowChecked();

    Workspace& workspace_;
    std::unique_ptr<QSettings> settings_;
    std::vector<QActionGroup*> menus_;
};

} // namespace velmora
