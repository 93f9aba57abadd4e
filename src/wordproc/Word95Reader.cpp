#include "wordproc/Word95Reader.h"

#include "wordproc/AnsiCodePage.h"
#include "wordproc/Engine.h"
#include "wordproc/LittleEndian.h"
#include "wordproc/WordPieceTable.h"
#include "wordproc/WordStoryReader.h"
#include "wordproc/WordSubdocuments.h"

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kEncrypted = 0x0100;
constexpr std::uint16_t kMacCharacterSet = 256;

// Field offsets of the Word 6/95 File Information Block.
constexpr std::size_t kLid = 0x06;
constexpr std::size_t kFlags = 0x0A;
constexpr std::size_t kCharacterSet = 0x14;
constexpr std::size_t kFcMin = 0x18;
constexpr std::size_t kCcpText = 0x34;
constexpr std::size_t kFcClx = 0x160;
constexpr std::size_t kLcbClx = 0x164;

std::string characterSetName(std::string_view stream) {
    if (le16(stream, kCharacterSet, "the file information block") == kMacCharacterSet) return "MACINTOSH";
    return "CP" + std::to_string(ansiCodePageForLanguage(le16(stream, kLid, "the file information block")));
}

}  // namespace

std::string readWord95Text(std::string_view wordDocument, const ReadOptions& options) {
    const char* const fib = "the file information block";
    if (le16(wordDocument, kFlags, fib) & kEncrypted) throw EngineError("the document is encrypted");
    const std::uint32_t ccpText = le32(wordDocument, kCcpText, fib);
    const std::uint32_t fcClx = le32(wordDocument, kFcClx, fib);
    const std::uint32_t lcbClx = le32(wordDocument, kLcbClx, fib);
    const ByteCharacters characters = singleByteCharacters(characterSetName(wordDocument));

    const PieceEncoding encoding{false, &characters};
    std::vector<WordPiece> pieces;
    if (lcbClx != 0) pieces = parsePieceTable(sliceOf(wordDocument, fcClx, lcbClx, "the piece table"));
    const std::uint32_t fcMin = lcbClx != 0 ? 0 : le32(wordDocument, kFcMin, fib);
    if (!options.allStories) {
        if (lcbClx != 0) return readStoryFromPieces(wordDocument, pieces, ccpText, encoding);
        return readStoryFromBytes(sliceOf(wordDocument, fcMin, ccpText, "the document text"), characters);
    }
    OtherStories stories;
    // An unfragmented document keeps every story in one run from fcMin.
    const auto readRange = [&](std::uint64_t start, std::uint64_t end) {
        if (lcbClx != 0) return readStoryRange(wordDocument, pieces, start, end, encoding, &stories);
        return readStoryFromBytes(sliceOf(wordDocument, fcMin + start, end - start, "the document text"), characters,
                                  &stories);
    };
    std::string main = readRange(0, ccpText);
    StoryLengths lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i) lengths[i] = le32(wordDocument, kCcpText + 4 * i, fib);
    readWordSubdocuments(lengths, readRange, stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
