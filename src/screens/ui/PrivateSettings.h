#pragma once
// The program's settings file is the user's alone, whatever the umask: every
// value is kept through here. It is used only while it is a regular file (or a
// link to one) or not there yet: a folder, a device or a pipe in its place is
// never written over. A value that cannot be read takes its default.

class QSettings;
class QString;
class QVariant;

namespace velmora {

// Whether the file at `path` may hold the settings: it is missing, a regular
// file, or a link to one.
bool IsSettingsFile(const QString& path);

// Keeps `value` under `key` in `settings` and writes the file at once; the file
// is made readable and writable by the user alone first (Qt keeps the mode of a
// file it rewrites). False, and nothing kept, when the file is no settings file.
bool KeepPrivately(QSettings& settings, const QString& key, const QVariant& value);

// The whole number kept under `key`; `fallback` when there is none or what is
// kept is no whole number.
int IntSetting(const QSettings& settings, const QString& key, int fallback);

// The yes or no kept under `key`: "no", "off", "false" and "0" are no, "yes",
// "on", "true" and "1" yes, in any case; anything else gives `fallback`.
bool YesNoSetting(const QSettings& settings, const QString& key, bool fallback);

} // namespace velmora
