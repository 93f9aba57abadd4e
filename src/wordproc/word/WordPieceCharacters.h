// Reads the characters of a Word binary document's stories (the main story
// is the first `length` character positions; the others follow it) and
// hands them to WordStoryText.
#pragma once

#include "wordproc/encoding/CodePages.h"
#include "wordproc/word/WordPieceTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class OtherStories;

// Word 97-2003's 8-bit ("compressed") pieces: Latin-1 except for the bytes
// [MS-DOC] maps to the Windows-1252 punctuation and letters.
const ByteCharacters& compressedPieceCharacters();

// The main story's text from the pieces of a Word 97 and later `stream`: a
// piece is 16-bit unless fCompressed, then 8-bit at fc / 2. Pieces that
// would read past the stream throw EngineError. With `links`, the targets
// of its HYPERLINK fields go there.
std::string readStoryFromPieces(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint32_t length,
                                OtherStories* links = nullptr);

// The text of the character positions [cpStart, cpEnd), a story that
// follows the main story in the text stream (notes, headers, text boxes).
std::string readStoryRange(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                           std::uint64_t cpEnd, OtherStories* links);

// The bytes of the character positions [cpStart, cpEnd) of an 8-bit
// document (Word 6/95 and older), whose pieces all hold one byte per
// character position at fc. Throws EngineError for pieces past the stream
// and for a story over the text cap.
std::string eightBitStoryBytes(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                               std::uint64_t cpEnd);

// The story's text from its 8-bit bytes in a code page, single- or
// double-byte.
std::string readStoryFromBytes(std::string_view bytes, int codePage, OtherStories* links = nullptr);

}  // namespace harvelux::wordproc
