// The File-menu option "Read Scanned Pages and Pictures": when ticked, a run
// reads picture files and the scanned pages of PDFs by optical character
// recognition; when not, it lists them as scanned pages not read.
// Remembered in the settings as "OCR", "0" or "1".
#pragma once

#include "ui/SettingsStore.h"

namespace harvelux::shell {

inline constexpr const char* kOcrKey = "OCR";
inline constexpr const char* kOcrCaption = "Read Scanned &Pages and Pictures";

// The stored option: "1" is on; anything else (absent, damaged) is off and
// is written back as "0".
bool loadOcr(SettingsStore& settings);
void storeOcr(SettingsStore& settings, bool on);

}  // namespace harvelux::shell
