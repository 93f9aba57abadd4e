#include "ui/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>
#include <cerrno>

namespace harvelux {

namespace {

// Far more than the few keys the program keeps; a larger file is not ours.
constexpr off_t kMaxSettingsBytes = 1 << 20;

std::string settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
           "/Quenbrook/Harvelux.conf";
}

enum class SettingsFile { Absent, Usable, Foreign };

// Only a regular file of settings size is read or written, links followed.
// Anything else at that path (a FIFO, which would block the open for ever,
// a device, a folder, a huge file) is left alone, and the program runs on
// its defaults.
SettingsFile examine(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? SettingsFile::Absent : SettingsFile::Foreign;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxSettingsBytes) return SettingsFile::Foreign;
    return SettingsFile::Usable;
}

// The one per-user file only: no system-wide or organization-wide
// fallbacks, which could be anything.
QSettings openStore(const std::string& path) { return QSettings(QString::fromStdString(path), QSettings::IniFormat); }

}  // namespace

std::string SettingsStore::read(const std::string& key, const std::string& fallback) const {
    const std::string path = settingsPath();
    if (examine(path) != SettingsFile::Usable) return fallback;
    const QSettings store = openStore(path);
    const QVariant value = store.value(QString::fromStdString(key));
    if (!value.isValid()) return fallback;
    return value.toString().toStdString();
}

void SettingsStore::write(const std::string& key, const std::string& value) { write({{key, value}}); }

void SettingsStore::write(std::initializer_list<std::pair<std::string, std::string>> entries) {
    const std::string path = settingsPath();
    if (examine(path) == SettingsFile::Foreign) return;
    QSettings store = openStore(path);
    for (const auto& [key, value] : entries) store.setValue(QString::fromStdString(key), QString::fromStdString(value));
    store.sync();
}

}  // namespace harvelux
