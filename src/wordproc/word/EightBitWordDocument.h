// The text of an 8-bit Word document (Word for Windows 1.x, 2.0, 6.0 and
// 95): its stories lie in one run of bytes from fcMin or, in a fast-saved
// document, are placed by a piece table, and all are in one code page,
// chosen from the main story's bytes and the header's hints.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/word/WordCodePage.h"
#include "wordproc/word/WordPieceTable.h"
#include "wordproc/word/WordSubdocuments.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

struct EightBitWordDocument {
    std::string_view stream;                       // the file, or its WordDocument stream
    std::optional<std::vector<WordPiece>> pieces;  // a fast-saved document's pieces
    std::uint32_t fcMin = 0;                       // where an unfragmented document's text starts
    StoryLengths lengths{};                        // lengths[0] is the main story's
    WordCodePageHints hints;
};

// The main story's text, followed by the other stories when the options ask
// for them. Throws EngineError when the main story lies outside the stream.
std::string readEightBitWordText(const EightBitWordDocument& document, const ReadOptions& options);

}  // namespace harvelux::wordproc
