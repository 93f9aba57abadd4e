#include "shell/MenuOption.h"

namespace harvelux::shell {

bool loadMenuOption(SettingsStore& settings, const char* key) {
    const std::string stored = settings.read(key, std::string());
    if (stored == "1") return true;
    if (stored != "0") storeMenuOption(settings, key, false);
    return false;
}

void storeMenuOption(SettingsStore& settings, const char* key, bool on) { settings.write(key, on ? "1" : "0"); }

}  // namespace harvelux::shell
