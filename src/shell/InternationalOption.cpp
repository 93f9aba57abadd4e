#include "shell/InternationalOption.h"

namespace harvelux::shell {

bool loadInternational(SettingsStore& settings) {
    const std::string stored = settings.read(kInternationalKey, std::string());
    if (stored == "1") return true;
    if (stored != "0") storeInternational(settings, false);
    return false;
}

void storeInternational(SettingsStore& settings, bool on) { settings.write(kInternationalKey, on ? "1" : "0"); }

}  // namespace harvelux::shell
