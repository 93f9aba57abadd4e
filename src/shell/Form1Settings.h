// What the main window keeps in the settings: the option "Include filename
// next to each email address in results" ("Check1"), and the window's
// placement at shutdown ("Left", "Top", "Width", "Height", in twips).
#pragma once

#include "results/ResultsWindowInterface.h"
#include "ui/SettingsStore.h"

#include <string>

class QWidget;

namespace harvelux::shell {

inline constexpr const char* kCheck1Key = "Check1";
inline constexpr const char* kLeftKey = "Left";
inline constexpr const char* kTopKey = "Top";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";

// The check box state stored as text: 0 unticked, 1 ticked, 2 greyed.
// Anything else (not a whole number, or out of range) gives `fallback`, so a
// damaged settings file never stops the program from starting.
int optionFromSetting(const std::string& text, int fallback);

// The handler of the option's check box (`Check1`): `value` is the box's
// state, 0 cleared, 1 set. Stores it as "0" or "1" under "Check1", then gives
// the results list the columns for it, dropping any rows it holds (the first
// call loads the results window, hidden).
void Check1_Click(SettingsStore& settings, results::ResultsWindowInterface& results, int value);

// Writes the window's outer left, top, width and height in twips as decimal
// text, in that order, when the window is in its normal state; a minimised,
// maximised or full-screen window leaves the keys as they were.
void SaveFormPlacement(const QWidget& window, SettingsStore& settings);

}  // namespace harvelux::shell
