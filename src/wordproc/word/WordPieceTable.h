// The piece table of a Word binary document (the CLX of [MS-DOC]): which
// stretch of the WordDocument stream holds each run of character positions.
// Fast-saved documents have many pieces in any order in the file; full saves
// have one. Word 97 and later mark 8-bit pieces with fCompressed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

struct WordPiece {
    std::uint32_t cpStart = 0;  // first character position
    std::uint32_t cpEnd = 0;    // one past the last
    std::uint32_t fc = 0;       // the stored file position, flag bits removed
    bool compressed = false;    // the fCompressed flag
};

// Parses a CLX: any number of Prc entries (skipped), then the Pcdt with its
// PlcPcd, whose byte count takes `countBytes` bytes (4; 2 in Word for
// Windows 2.0). Throws EngineError when the table is damaged: cut off,
// unknown entries, character positions that run backwards.
std::vector<WordPiece> parsePieceTable(std::string_view clx, std::size_t countBytes = 4);

}  // namespace harvelux::wordproc
