// The File-menu option "Read Scanned Pages and Pictures": when ticked, a run
// reads picture files and the scanned pages of PDFs by optical character
// recognition; when not, it lists them as scanned pages not read.
// Remembered in the settings as "OCR", "0" or "1".
#pragma once

#include "shell/MenuOption.h"

namespace harvelux::shell {

inline constexpr const char* kOcrKey = "OCR";
inline constexpr const char* kOcrCaption = "Read Scanned &Pages and Pictures";

inline bool loadOcr(SettingsStore& settings) { return loadMenuOption(settings, kOcrKey); }
inline void storeOcr(SettingsStore& settings, bool on) { storeMenuOption(settings, kOcrKey, on); }

}  // namespace harvelux::shell
