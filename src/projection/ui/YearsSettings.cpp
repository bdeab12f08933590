#include "projection/ui/YearsSettings.h"

#include "screens/ui/PrivateSettings.h"

#include <QSettings>
#include <QString>

namespace velmora {

projection::Settings KeptYearsSettings(QSettings& settings) {
    const projection::Settings defaults;
    projection::Settings kept;
    kept.ThroughAge =
        IntSetting(settings, QString::fromLatin1(kThroughAgeKey), defaults.ThroughAge);
    kept.EarningsEndAge =
        IntSetting(settings, QString::fromLatin1(kEarningsEndAgeKey), defaults.EarningsEndAge);
    kept.PensionsIndexed =
        YesNoSetting(settings, QString::fromLatin1(kPensionsIndexedKey), defaults.PensionsIndexed);
    const QString way = settings.value(QString::fromLatin1(kWayKey)).toString();
    kept.way = projection::WayNamed(way.toStdString()).value_or(defaults.way);
    return projection::Clamped(kept);
}

void KeepYearsSettings(QSettings& settings, const projection::Settings& kept) {
    KeepPrivately(settings, QString::fromLatin1(kThroughAgeKey), kept.ThroughAge);
    KeepPrivately(settings, QString::fromLatin1(kEarningsEndAgeKey), kept.EarningsEndAge);
    KeepPrivately(settings, QString::fromLatin1(kPensionsIndexedKey), kept.PensionsIndexed);
    KeepPrivately(settings, QString::fromLatin1(kWayKey),
                  QString::fromLatin1(projection::WayName(kept.way)));
}

} // namespace velmora
