// WordPerfect, Works (with Write and Word for DOS) and the old Mac word
// processors are read through the Document Liberation Project's libraries
// (libwpd, libwps, libmwaw over librevenge). Those libraries are large and
// only old archives need them, so they live in a module of their own,
// loaded the first time such a document is read, apart from the PDF and
// HTML module: reading either kind never loads the other's libraries.
#pragma once

#include "wordproc/legacy/LegacySignature.h"
#include "wordproc/module/ModuleAbi.h"
#include "wordproc/text/ReaderLimits.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// A document's main story, and the stories a word processor keeps beside
// it (headers, footers, notes, comments, text boxes, then mailto: targets
// of links), each in the range form of the main story.
struct LegacyStories {
    std::string main;
    std::string others;
};

struct LegacyModuleTable {
    int abiVersion;
    // Outcomes as ReaderOutcome; on failure `main` receives the message.
    // `limits` may be null: the reader's own defaults.
    int (*read)(int family, const char* data, std::size_t size, const ReaderLimits* limits, std::string* main,
                std::string* others);
};

inline constexpr int kLegacyModuleAbi = 2;
inline constexpr char kLegacyModuleFile[] = "harvelux-legacy.so";
inline constexpr char kLegacyModuleEntry[] = "harvelux_legacy_module";

// Throws EngineError when the document cannot be read or the module cannot
// be loaded (the message names the format, or says which).
LegacyStories readLegacyThroughModule(LegacyFamily family, std::string_view data);

// A program that links the reader in (its fuzzer) hands its table here;
// null goes back to loading the module.
void useLinkedLegacyReader(const LegacyModuleTable* table);

}  // namespace harvelux::wordproc
