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
    std::size_t clxOffset = 0;              // where the CLX starts in the table stream
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

// The header fields and tables of an 8-bit Word document (6/95, 2.0).
struct EightBitWordOptions {
    std::uint16_t lid = 0x0409;
    bool asPieces = false;  // two pieces stored in reverse order, else one run from fcMin
    std::uint16_t flags = 0;
    std::uint16_t ident = 0;         // 0: the version's own
    std::uint16_t characterSet = 0;  // Word 6/95 chse: 256 for the Mac character set
    std::string fontTable = {};
};

// A Word 6/95 WordDocument stream holding 8-bit `text` as its main story.
std::string word95Stream(const std::string& text, const EightBitWordOptions& options = {});

// A Word for Windows 2.0 file holding 8-bit `text` as its main story; its
// piece table has the 16-bit byte count of that version.
std::string word2File(const std::string& text, const EightBitWordOptions& options = {});

// A font table of fonts with these character sets, the character set at
// `charsetOffset` of each entry (4 in Word 6/95, 2 in Word 2.0).
std::string fontTable(const std::vector<std::uint8_t>& charsets, std::size_t charsetOffset);

}  // namespace harvelux::wordproc::test
