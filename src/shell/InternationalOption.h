// The File-menu option "Find International Addresses": when ticked, a run
// also finds addresses with letters outside ASCII ("jürgen@bücher.de").
// Remembered in the settings as "International", "0" or "1".
#pragma once

#include "shell/MenuOption.h"

namespace harvelux::shell {

inline constexpr const char* kInternationalKey = "International";
inline constexpr const char* kInternationalCaption = "Find &International Addresses";

inline bool loadInternational(SettingsStore& settings) { return loadMenuOption(settings, kInternationalKey); }
inline void storeInternational(SettingsStore& settings, bool on) { storeMenuOption(settings, kInternationalKey, on); }

}  // namespace harvelux::shell
