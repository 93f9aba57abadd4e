#include "wordproc/word/Word2Reader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/word/EightBitWordDocument.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kWord1Ident = 0xA59B;
constexpr std::uint16_t kWord1Ident2 = 0xA59C;
constexpr std::uint16_t kWord2Ident = 0xA5DB;
constexpr std::uint16_t kFirstWord6NFib = 101;
constexpr std::uint16_t kWord2NFib = 45;
constexpr std::uint16_t kComplex = 0x0004;
constexpr std::uint16_t kEncrypted = 0x0100;
// Files older than Word 2.0 keep a locale number, not a language id, in the
// lid field; every language id is above it.
constexpr std::uint16_t kLastLocaleNumber = 999;

// Field offsets of the File Information Block. The fc/cb pairs hold a
// 32-bit file offset and a 16-bit byte count.
constexpr std::size_t kNFib = 0x02;
constexpr std::size_t kLid = 0x06;
constexpr std::size_t kFlags = 0x0A;
constexpr std::size_t kFcMin = 0x18;
constexpr std::size_t kFcMac = 0x1C;
constexpr std::size_t kCcpText = 0x34;
constexpr std::size_t kStoryCount = 5;
constexpr std::size_t kFcSttbfffn = 0xB2;
constexpr std::size_t kCbSttbfffn = 0xB6;
constexpr std::size_t kFcNextToSttbfffn = 0xB8;
constexpr std::size_t kFcClx = 0x11E;
constexpr std::size_t kCbClx = 0x122;
constexpr std::size_t kHeaderBytes = 0x40;  // the smallest header that holds the text range
constexpr std::size_t kFontCharset = 2;     // in a font entry: cbFfnM1, flags, chs

const char* const kFib = "the file information block";

std::string_view fontTable(std::string_view data, std::uint16_t nFib) {
    // Word 1.x font entries carry no character set.
    if (nFib < kWord2NFib || data.size() < kCbSttbfffn + 2) return {};
    const std::uint32_t fc = le32(data, kFcSttbfffn, kFib);
    std::uint32_t cb = le16(data, kCbSttbfffn, kFib);
    // Some writers leave the byte count 0; the table then ends where the
    // next structure, the next fc of the header, begins.
    if (cb == 0 && data.size() >= kFcNextToSttbfffn + 4) {
        const std::uint32_t next = le32(data, kFcNextToSttbfffn, kFib);
        if (next > fc) cb = next - fc;
    }
    return fitsIn(data.size(), fc, cb) ? data.substr(fc, cb) : std::string_view();
}

// A fast-saved file's pieces. The piece table's byte count is 16-bit in
// these versions; a table written with the 32-bit count of later versions
// is read too.
std::vector<WordPiece> fastSavedPieces(std::string_view data) {
    const std::string_view clx = sliceOf(data, le32(data, kFcClx, kFib), le16(data, kCbClx, kFib), "the piece table");
    const auto fits = [&](const std::vector<WordPiece>& pieces) {
        return std::all_of(pieces.begin(), pieces.end(),
                           [&](const WordPiece& p) { return fitsIn(data.size(), p.fc, p.cpEnd - p.cpStart); });
    };
    try {
        std::vector<WordPiece> pieces = parsePieceTable(clx, 2);
        if (fits(pieces)) return pieces;
    } catch (const EngineError&) {}
    return parsePieceTable(clx, 4);
}

}  // namespace

bool looksLikeWord2(std::string_view data) {
    if (data.size() < kHeaderBytes) return false;
    const std::uint16_t ident = le16(data, 0, kFib);
    if (ident != kWord1Ident && ident != kWord1Ident2 && ident != kWord2Ident) return false;
    const std::uint32_t fcMin = le32(data, kFcMin, kFib);
    const std::uint32_t fcMac = le32(data, kFcMac, kFib);
    // A file cut short is still recognised, so that it is told damaged
    // rather than of an unknown format.
    return le16(data, kNFib, kFib) < kFirstWord6NFib && fcMin >= kHeaderBytes && fcMin <= fcMac;
}

std::string readWord2Text(std::string_view data, const ReadOptions& options) {
    const std::uint16_t flags = le16(data, kFlags, kFib);
    if (flags & kEncrypted) throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
    if (le32(data, kFcMac, kFib) > data.size())
        throw EngineError("the Word for Windows document is cut off: its text ends past the end of the file");
    EightBitWordDocument document;
    document.stream = data;
    if ((flags & kComplex) && data.size() >= kCbClx + 2 && le16(data, kCbClx, kFib) != 0)
        document.pieces = fastSavedPieces(data);
    else
        document.fcMin = le32(data, kFcMin, kFib);
    // Text, footnotes, headers, macro text and annotations; these versions
    // have no endnotes or text boxes.
    for (std::size_t i = 0; i < kStoryCount; ++i) document.lengths[i] = le32(data, kCcpText + 4 * i, kFib);
    const std::uint16_t lid = le16(data, kLid, kFib);
    document.hints = WordCodePageHints{lid > kLastLocaleNumber ? lid : std::uint16_t{0}, false,
                                       fontTable(data, le16(data, kNFib, kFib)), kFontCharset};
    return readEightBitWordText(document, options);
}

}  // namespace harvelux::wordproc
