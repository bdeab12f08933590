#pragma once
// The program's settings file is the user's alone, whatever the umask: every
// value is kept through here.

class QSettings;
class QString;
class QVariant;

namespace velmora {

// Keeps `value` under `key` in `settings` and writes the file at once; the file
// is made readable and writable by the user alone first (Qt keeps the mode of a
// file it rewrites).
void KeepPrivately(QSettings& settings, const QString& key, const QVariant& value);

} // namespace velmora
