// The handler of the main window's option "Include filename next to each
// email address in results" (`Check1`): it stores the option and gives the
// results list the columns for it, dropping any rows it holds.
#pragma once

#include "common/SettingsStore.h"
#include "shell/ResultsView.h"

namespace harvelux::results {

inline constexpr const char* kCheck1Key = "Check1";

// `value` is the check box's state: 0 cleared, 1 set. Stores it as "0" or
// "1" under "Check1", then rebuilds the columns (the first call loads the
// results window, hidden).
void Check1_Click(SettingsStore& settings, shell::ResultsView& results, int value);

}  // namespace harvelux::results
