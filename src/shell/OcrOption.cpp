#include "shell/OcrOption.h"

namespace harvelux::shell {

bool loadOcr(SettingsStore& settings) {
    const std::string stored = settings.read(kOcrKey, std::string());
    if (stored == "1") return true;
    if (stored != "0") storeOcr(settings, false);
    return false;
}

void storeOcr(SettingsStore& settings, bool on) { settings.write(kOcrKey, on ? "1" : "0"); }

}  // namespace harvelux::shell
