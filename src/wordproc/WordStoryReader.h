// Reads the characters of a Word binary document's stories (the main story
// is the first `length` character positions; the others follow it) and
// hands them to WordStoryText.
#pragma once

#include "wordproc/WordPieceTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

// Unicode for each byte value of an 8-bit character set.
using ByteCharacters = std::array<char32_t, 256>;

// Word 97-2003's 8-bit ("compressed") pieces: Latin-1 except for the bytes
// [MS-DOC] maps to the Windows-1252 punctuation and letters.
const ByteCharacters& compressedPieceCharacters();

// How a document's pieces store their characters.
struct PieceEncoding {
    // Word 97 and later: a piece is 16-bit unless fCompressed, then 8-bit at
    // fc / 2. Word 6/95: every piece is 8-bit at fc.
    bool unicodePieces = true;
    const ByteCharacters* eightBit = &compressedPieceCharacters();
};

class OtherStories;

// The main story's text from the pieces of `stream`. Pieces that would read
// past the stream throw EngineError. With `links`, the targets of its
// HYPERLINK fields go there.
std::string readStoryFromPieces(std::string_view stream, const std::vector<WordPiece>& pieces,
                                std::uint32_t length, const PieceEncoding& encoding, OtherStories* links = nullptr);

// The text of the character positions [cpStart, cpEnd), a story that
// follows the main story in the text stream (notes, headers, text boxes).
std::string readStoryRange(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                           std::uint64_t cpEnd, const PieceEncoding& encoding, OtherStories* links);

// The story's text from 8-bit characters stored in one run (an unfragmented
// Word 6/95 document).
std::string readStoryFromBytes(std::string_view bytes, const ByteCharacters& characters,
                               OtherStories* links = nullptr);

}  // namespace harvelux::wordproc
