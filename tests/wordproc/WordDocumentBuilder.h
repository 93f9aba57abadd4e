// Builds Word binary documents for tests: a Word 97 FIB with a piece table
// in the table stream, or a Word 6/95 FIB with text from fcMin or pieces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace harvelux::wordproc::test {

struct TestPiece {
    std::u16string text;
    bool compressed = true;  // 8-bit; every character must fit a byte
};

struct Word97Streams {
    std::string wordDocument;
    std::string table;
    std::size_t clxOffset = 0;  // where the CLX starts in the table stream
    std::vector<std::size_t> pieceOffsets;  // where each piece's text starts in WordDocument
};

inline constexpr std::uint16_t kUseTable1 = 0x0200;
inline constexpr std::uint16_t kEncryptedFlag = 0x0100;

// The pieces are stored in the stream in reverse order, as fast saves do;
// `prcs` property entries come before the piece descriptors.
Word97Streams word97Streams(const std::vector<TestPiece>& pieces, std::uint32_t ccpText,
                            std::uint16_t flags = kUseTable1, int prcs = 0);

// A compound file with the WordDocument stream and the table stream under
// `tableName`.
std::string word97File(const Word97Streams& streams, const std::string& tableName = "1Table");

// A Word 6/95 WordDocument stream holding 8-bit `text` as its main story,
// from fcMin or, with `asPieces`, as two pieces stored in reverse order.
std::string word95Stream(const std::string& text, std::uint16_t lid, bool asPieces, std::uint16_t flags = 0);

}  // namespace harvelux::wordproc::test
