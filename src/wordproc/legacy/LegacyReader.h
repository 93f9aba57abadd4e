// Reads WordPerfect (libwpd), Works, Write and Word for DOS (libwps) and the
// old Mac word processors (libmwaw) through librevenge into the range form
// of a main story and its side stories. Part of the legacy reader module.
#pragma once

#include "wordproc/module/LegacyModule.h"

#include <string_view>

namespace harvelux::wordproc {

// Throws EngineError naming the format when the document is not one the
// family's library takes, is encrypted, or cannot be parsed.
LegacyStories readLegacyStories(LegacyFamily family, std::string_view data);

}  // namespace harvelux::wordproc
