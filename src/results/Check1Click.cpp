#include "results/Check1Click.h"

#include <string>

namespace harvelux::results {

void Check1_Click(SettingsStore& settings, shell::ResultsView& results, int value) {
    settings.write(kCheck1Key, std::to_string(value));
    // Any value but 0 is "set", as for the extraction run, so the columns
    // always match the rows the run adds.
    results.setFilenameColumns(value != 0);
}

}  // namespace harvelux::results
