#pragma once

#include <string>
#include <string_view>

namespace harvelux {

// Writes `data` to `path` completely or not at all: a temporary file beside
// the target is written and renamed over it, so a full disk or a read-only
// folder never leaves a cut-off file and an existing file stays as it was.
// On failure returns false and puts a sentence for the user in `error`.
bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error);

}  // namespace harvelux
