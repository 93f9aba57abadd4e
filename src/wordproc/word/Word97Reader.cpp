#include "wordproc/word/Word97Reader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/word/WordPieceCharacters.h"
#include "wordproc/word/WordPieceTable.h"
#include "wordproc/word/WordSubdocuments.h"

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kFibBaseBytes = 32;
constexpr std::uint16_t kEncrypted = 0x0100;
constexpr std::uint16_t kWhichTableStream = 0x0200;
constexpr std::size_t kCcpTextIndex = 3;  // in FibRgLw97
constexpr std::size_t kClxIndex = 33;     // fcClx/lcbClx pair in FibRgFcLcb97

struct Fib {
    std::uint16_t flags = 0;
    std::uint32_t ccpText = 0;
    StoryLengths storyLengths{};  // ccpText and the stories after it; zero when the FIB lacks them
    std::uint32_t fcClx = 0;
    std::uint32_t lcbClx = 0;
};

// The base, then three arrays each led by its own count (csw 16-bit words,
// cslw 32-bit longs, cbRgFcLcb fc/lcb pairs). Later Word versions lengthen
// the arrays; the counts are read, never assumed.
Fib parseFib(std::string_view stream) {
    Fib fib;
    fib.flags = le16(stream, 0x0A, "the file information block");
    // Encrypted (or XOR-obfuscated, which sets the same flag) documents keep
    // only the FIB's base in the clear; the rest cannot be read without the
    // password.
    if (fib.flags & kEncrypted) throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
    std::uint64_t pos = kFibBaseBytes;
    const std::uint16_t csw = le16(stream, pos, "the file information block");
    pos += 2 + 2ull * csw;
    const std::uint16_t cslw = le16(stream, pos, "the file information block");
    const std::uint64_t rgLw = pos + 2;
    if (cslw <= kCcpTextIndex) throw EngineError("damaged file information block");
    fib.ccpText = le32(stream, rgLw + 4 * kCcpTextIndex, "the file information block");
    for (std::size_t i = 0; i < fib.storyLengths.size() && kCcpTextIndex + i < cslw; ++i)
        fib.storyLengths[i] = le32(stream, rgLw + 4 * (kCcpTextIndex + i), "the file information block");
    pos = rgLw + 4ull * cslw;
    const std::uint16_t cbRgFcLcb = le16(stream, pos, "the file information block");
    const std::uint64_t rgFcLcb = pos + 2;
    if (cbRgFcLcb <= kClxIndex) throw EngineError("damaged file information block");
    fib.fcClx = le32(stream, rgFcLcb + 8 * kClxIndex, "the file information block");
    fib.lcbClx = le32(stream, rgFcLcb + 8 * kClxIndex + 4, "the file information block");
    if (fib.ccpText > 0x7FFFFFFF) throw EngineError("damaged file information block");
    return fib;
}

}  // namespace

std::u16string_view word97TableStreamName(std::string_view wordDocument) {
    return (parseFib(wordDocument).flags & kWhichTableStream) ? u"1Table" : u"0Table";
}

std::string readWord97Text(std::string_view wordDocument, std::string_view table, const ReadOptions& options) {
    const Fib fib = parseFib(wordDocument);
    if (fib.lcbClx == 0) throw EngineError("the document has no piece table");
    const std::vector<WordPiece> pieces = parsePieceTable(sliceOf(table, fib.fcClx, fib.lcbClx, "the piece table"));
    if (!options.allStories) return readStoryFromPieces(wordDocument, pieces, fib.ccpText);
    OtherStories stories;
    std::string main = readStoryFromPieces(wordDocument, pieces, fib.ccpText, &stories);
    readWordSubdocuments(
        fib.storyLengths,
        [&](std::uint64_t start, std::uint64_t end) {
            return readStoryRange(wordDocument, pieces, start, end, &stories);
        },
        stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
