// "Save Results As CSV": the rows ticked in the results window, by address
// with their names, counts and documents, to a CSV file the user names.
#pragma once

#include "extract/AddressIndex.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace harvelux::results {

inline constexpr const char* kCommandCaptionSaveCsv = "Save Results As CSV";

// `name` with ".csv" added when its file name has no extension.
std::string withCsvExtension(const std::string& name);

// Asks for a file (offering "CSV Files (*.csv)") and writes `entries` of
// `index` there, whole or not at all. Cancelling, or answering anything but
// Yes to the overwrite question, does nothing; a failure is reported and
// leaves any file as it was.
void saveIndexAsCsv(const extract::AddressIndex& index, const std::vector<std::size_t>& entries,
                    platform::Platform& platform, platform::Pointer& pointer);

}  // namespace harvelux::results
