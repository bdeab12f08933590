#include "screens/ui/PrivateSettings.h"

#include "plan/PrivateFiles.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <sys/stat.h>

namespace velmora {

bool IsSettingsFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        return true; // not there yet: made as a regular file
    }
    // A link counts by what it points to; a dangling one is made as a file.
    return ::stat(name.constData(), &status) != 0 || S_ISREG(status.st_mode);
}

bool KeepPrivately(QSettings& settings, const QString& key, const QVariant& value) {
    if (!IsSettingsFile(settings.fileName())) {
        return false;
    }
    MakePrivateFile(QFile::encodeName(settings.fileName()).toStdString());
    settings.setValue(key, value);
    settings.sync();
    return true;
}

int IntSetting(const QSettings& settings, const QString& key, int fallback) {
    const QVariant kept = settings.value(key);
    bool whole = false;
    const int value = kept.toString().trimmed().toInt(&whole);
    return kept.isValid() && whole ? value : fallback;
}

bool YesNoSetting(const QSettings& settings, const QString& key, bool fallback) {
    const QString kept = settings.value(key).toString().trimmed().toLower();
    for (const char* no : {"no", "off", "false", "0"}) {
        if (kept == QLatin1String(no)) {
            return false;
        }
    }
    for (const char* yes : {"yes", "on", "true", "1"}) {
        if (kept == QLatin1String(yes)) {
            return true;
        }
    }
    return fallback;
}

} // namespace velmora
