// The File-menu option "Find International Addresses": when ticked, a run
// also finds addresses with letters outside ASCII ("jürgen@bücher.de").
// Remembered in the settings as "International", "0" or "1".
#pragma once

#include "ui/SettingsStore.h"

namespace harvelux::shell {

inline constexpr const char* kInternationalKey = "International";
inline constexpr const char* kInternationalCaption = "Find &International Addresses";

// The stored option: "1" is on; anything else (absent, damaged) is off and
// is written back as "0".
bool loadInternational(SettingsStore& settings);
void storeInternational(SettingsStore& settings, bool on);

}  // namespace harvelux::shell
