#include "common/SettingsStore.h"

#include <QSettings>

namespace harvelux {

namespace {
QSettings openStore() { return QSettings(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux")); }
}  // namespace

std::string SettingsStore::read(const std::string& key, const std::string& fallback) const {
    const QSettings store = openStore();
    const QVariant value = store.value(QString::fromStdString(key));
    if (!value.isValid()) return fallback;
    return value.toString().toStdString();
}

void SettingsStore::write(const std::string& key, const std::string& value) { write({{key, value}}); }

void SettingsStore::write(std::initializer_list<std::pair<std::string, std::string>> entries) {
    QSettings store = openStore();
    for (const auto& [key, value] : entries)
        store.setValue(QString::fromStdString(key), QString::fromStdString(value));
    store.sync();
}

}  // namespace harvelux
