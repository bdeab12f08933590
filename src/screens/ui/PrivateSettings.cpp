#include "screens/ui/PrivateSettings.h"

#include "plan/PrivateFiles.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace velmora {

void KeepPrivately(QSettings& settings, const QString& key, const QVariant& value) {
    MakePrivateFile(QFile::encodeName(settings.fileName()).toStdString());
    settings.setValue(key, value);
    settings.sync();
}

} // namespace velmora
