#include "app/ui/TaxYearChoice.h"

#include "Workspace.h"
#include "screens/ui/PrivateSettings.h"
#include "tax/TaxYear.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace velmora {

TaxYearChoice::TaxYearChoice(Workspace& workspace, std::unique_ptr<QSettings> settings)
    : workspace_(workspace), settings_(std::move(settings)) {
    const int saved = IntSetting(*settings_, QString::fromLatin1(kSettingsKey), kDefaultTaxYear);
    workspace_.taxYear = TaxYear::Find(saved).value_or(TaxYear());
}

TaxYearChoice::~TaxYearChoice() = default;

void TaxYearChoice::AddMenu(QMainWindow& screen) {
    QMenu* menu = screen.menuBar()->addMenu(QStringLiteral("&Tax Year"));
    menu->setObjectName(QStringLiteral("mnuTaxYear"));
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const std::int32_t year : KnownTaxYears()) {
        const QString number = QString::number(year);
        QAction* item = menu->addAction(number);
        item->setObjectName(QStringLiteral("mnuTaxYear") + number);
        item->setCheckable(true);
        item->setToolTip(QString::fromStdString(TaxYearLine(year)));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, year] { Choose(year); });
    }
    // The group goes with its screen.
    connect(group, &QObject::destroyed, this, [this, group] { std::erase(menus_, group); });
    menus_.push_back(group);
    ShowChecked();
}

bool TaxYearChoice::Choose(std::int32_t year) {
    const std::optional<TaxYear> chosen = TaxYear::Find(year);
    if (!chosen) {
        return false;
    }
    const bool changed = !(workspace_.taxYear == *chosen);
    workspace_.taxYear = *chosen;
    KeepPrivately(*settings_, QString::fromLatin1(kSettingsKey), year);
    ShowChecked();
    if (changed) {
        emit Changed(year);
    }
    return true;
}

void TaxYearChoice::ShowChecked() {
    const QString current =
        QStringLiteral("mnuTaxYear") + QString::number(workspace_.taxYear.Number());
    for (QActionGroup* group : menus_) {
        for (QAction* item : group->actions()) {
            item->setChecked(item->objectName() == current);
        }
    }
}

} // namespace velmora
