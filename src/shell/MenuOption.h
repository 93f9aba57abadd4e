// A File-menu option that is on or off, remembered in the settings under its
// own key as "0" or "1".
#pragma once

#include "ui/SettingsStore.h"

namespace harvelux::shell {

// The stored option: "1" is on; anything else (absent, damaged) is off and
// is written back as "0", so the file always holds a value the program
// understands.
bool loadMenuOption(SettingsStore& settings, const char* key);
void storeMenuOption(SettingsStore& settings, const char* key, bool on);

}  // namespace harvelux::shell
