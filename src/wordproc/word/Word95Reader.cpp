#include "wordproc/word/Word95Reader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/word/EightBitWordDocument.h"
#include "wordproc/word/WordPieceCharacters.h"
#include "wordproc/word/WordPieceTable.h"
#include "wordproc/word/WordSubdocuments.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kEncrypted = 0x0100;
// fExtChar: the characters are 16-bit, as Word 97 and later keep them.
constexpr std::uint16_t kExtendedCharacters = 0x1000;
constexpr std::uint16_t kMacCharacterSet = 256;
constexpr std::uint16_t kFirstNFib = 101;
constexpr std::uint16_t kLastNFib = 105;

// Field offsets of the Word 6/95 File Information Block.
constexpr std::size_t kNFib = 0x02;
constexpr std::size_t kLid = 0x06;
constexpr std::size_t kFlags = 0x0A;
constexpr std::size_t kCharacterSet = 0x14;
constexpr std::size_t kFcMin = 0x18;
constexpr std::size_t kFcMac = 0x1C;
constexpr std::size_t kCcpText = 0x34;
constexpr std::size_t kFcSttbfffn = 0xD0;
constexpr std::size_t kLcbSttbfffn = 0xD4;
constexpr std::size_t kFcClx = 0x160;
constexpr std::size_t kLcbClx = 0x164;
constexpr std::size_t kFibBytes = 0x168;  // up to the last field read here
constexpr std::size_t kFontCharset = 4;   // in a font entry: cbFfnM1, flags, wWeight, chs

const char* const kFib = "the file information block";

// The font table, or nothing when the header places it outside the stream:
// it only helps to choose the code page.
std::string_view fontTable(std::string_view stream) {
    const std::uint32_t fc = le32(stream, kFcSttbfffn, kFib);
    const std::uint32_t lcb = le32(stream, kLcbSttbfffn, kFib);
    return fitsIn(stream.size(), fc, lcb) ? stream.substr(fc, lcb) : std::string_view();
}

// A document with 16-bit characters: its pieces (or, unfragmented, its one
// run of text from fcMin) read as Word 97's are, a piece's characters at its
// stored position, two bytes each.
std::string readWideWord95Text(std::string_view wordDocument, std::vector<WordPiece> pieces,
                               const StoryLengths& lengths, const ReadOptions& options) {
    if (!options.allStories) return readStoryFromPieces(wordDocument, pieces, lengths[0]);
    OtherStories stories;
    std::string main = readStoryFromPieces(wordDocument, pieces, lengths[0], &stories);
    readWordSubdocuments(
        lengths,
        [&](std::uint64_t start, std::uint64_t end) {
            return readStoryRange(wordDocument, pieces, start, end, &stories);
        },
        stories);
    return stories.appendTo(std::move(main));
}

// The one piece of an unfragmented 16-bit document: every story, as far as
// the text the header places holds them.
std::vector<WordPiece> wholeTextPiece(std::string_view wordDocument, const StoryLengths& lengths) {
    const std::uint32_t fcMin = le32(wordDocument, kFcMin, kFib);
    const std::uint32_t fcMac = le32(wordDocument, kFcMac, kFib);
    std::uint64_t characters = 0;
    for (const std::uint32_t length : lengths) characters += length;
    characters = std::min<std::uint64_t>(characters, (fcMac - fcMin) / 2);
    return {WordPiece{0, static_cast<std::uint32_t>(characters), fcMin, false}};
}

}  // namespace

bool hasWord95Header(std::string_view stream) {
    if (stream.size() < kFibBytes) return false;
    const std::uint16_t nFib = le16(stream, kNFib, kFib);
    const std::uint32_t fcMin = le32(stream, kFcMin, kFib);
    const std::uint32_t fcMac = le32(stream, kFcMac, kFib);
    const std::uint32_t ccpText = le32(stream, kCcpText, kFib);
    const bool fastSaved = le32(stream, kLcbClx, kFib) != 0;
    return nFib >= kFirstNFib && nFib <= kLastNFib && fcMin >= kFibBytes && fcMin <= fcMac && fcMac <= stream.size() &&
           (fastSaved || ccpText <= fcMac - fcMin);
}

std::string readWord95Text(std::string_view wordDocument, const ReadOptions& options) {
    if (le16(wordDocument, kFlags, kFib) & kEncrypted)
        throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
    EightBitWordDocument document;
    document.stream = wordDocument;
    for (std::size_t i = 0; i < document.lengths.size(); ++i)
        document.lengths[i] = le32(wordDocument, kCcpText + 4 * i, kFib);
    const std::uint32_t lcbClx = le32(wordDocument, kLcbClx, kFib);
    if (le16(wordDocument, kFlags, kFib) & kExtendedCharacters)
        return readWideWord95Text(wordDocument,
                                  lcbClx != 0 ? parsePieceTable(sliceOf(wordDocument, le32(wordDocument, kFcClx, kFib),
                                                                        lcbClx, "the piece table"))
                                              : wholeTextPiece(wordDocument, document.lengths),
                                  document.lengths, options);
    if (lcbClx != 0)
        document.pieces =
            parsePieceTable(sliceOf(wordDocument, le32(wordDocument, kFcClx, kFib), lcbClx, "the piece table"));
    else
        document.fcMin = le32(wordDocument, kFcMin, kFib);
    document.hints =
        WordCodePageHints{le16(wordDocument, kLid, kFib), le16(wordDocument, kCharacterSet, kFib) == kMacCharacterSet,
                          fontTable(wordDocument), kFontCharset};
    return readEightBitWordText(document, options);
}

}  // namespace harvelux::wordproc
