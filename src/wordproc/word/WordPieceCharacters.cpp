#include "wordproc/word/WordPieceCharacters.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"
#include "wordproc/word/WordStoryText.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

ByteCharacters makeCompressedPieceCharacters() {
    ByteCharacters table{};
    for (std::size_t b = 0; b < table.size(); ++b) table[b] = static_cast<char32_t>(b);
    constexpr std::pair<std::uint8_t, char32_t> kMapped[] = {
        {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021},
        {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x91, 0x2018},
        {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
        {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9F, 0x0178}};
    for (const auto& [byte, character] : kMapped) table[byte] = character;
    return table;
}

// Joins UTF-16 surrogate pairs, also across piece boundaries; an unpaired
// surrogate goes through as it is and becomes U+FFFD in the text.
class Utf16Joiner {
public:
    explicit Utf16Joiner(WordStoryText& out) : out_(out) {}
    void put(char16_t unit) {
        if (high_ != 0) {
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                out_.put(0x10000 + ((static_cast<char32_t>(high_) - 0xD800) << 10) + (unit - 0xDC00));
                high_ = 0;
                return;
            }
            out_.put(high_);
            high_ = 0;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            high_ = unit;
        else
            out_.put(unit);
    }
    void flush() {
        if (high_ != 0) out_.put(high_);
        high_ = 0;
    }

private:
    WordStoryText& out_;
    char16_t high_ = 0;
};

// Calls `put` with each code point of well-formed UTF-8.
template <typename Put>
void forEachCodePoint(std::string_view utf8, Put put) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? char32_t{lead} : char32_t{lead} & (0x7Fu >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (char32_t{static_cast<unsigned char>(utf8[i + k])} & 0x3Fu);
        put(c);
        i += length;
    }
}

}  // namespace

const ByteCharacters& compressedPieceCharacters() {
    static const ByteCharacters table = makeCompressedPieceCharacters();
    return table;
}

std::string readStoryFromPieces(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint32_t length,
                                OtherStories* links) {
    return readStoryRange(stream, pieces, 0, length, links);
}

std::string readStoryRange(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                           std::uint64_t cpEnd, OtherStories* links) {
    const ByteCharacters& compressed = compressedPieceCharacters();
    WordStoryText out(links);
    Utf16Joiner joiner(out);
    for (const WordPiece& piece : pieces) {
        if (piece.cpStart >= cpEnd) break;
        if (piece.cpEnd <= cpStart) continue;
        const std::uint64_t from = std::max<std::uint64_t>(piece.cpStart, cpStart);
        const std::uint64_t count = std::min<std::uint64_t>(piece.cpEnd, cpEnd) - from;
        const std::uint64_t skipped = from - piece.cpStart;
        if (piece.compressed) {
            joiner.flush();
            for (const char byte : sliceOf(stream, piece.fc / 2 + skipped, count, "a text piece"))
                out.put(compressed[static_cast<unsigned char>(byte)]);
        } else {
            const std::string_view bytes = sliceOf(stream, piece.fc + 2 * skipped, 2 * count, "a text piece");
            for (std::size_t i = 0; i < bytes.size(); i += 2)
                joiner.put(static_cast<char16_t>(byteAt(bytes, i) | (byteAt(bytes, i + 1) << 8)));
        }
    }
    joiner.flush();
    return out.take();
}

std::string eightBitStoryBytes(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                               std::uint64_t cpEnd) {
    // Pieces may repeat one stretch of the stream, but not without end: a
    // story is held to the cap on inflated parts.
    const std::uint64_t cap = std::min<std::uint64_t>(kMaxTextBytes, kMaxInflateRatio * stream.size());
    std::string bytes;
    for (const WordPiece& piece : pieces) {
        if (piece.cpStart >= cpEnd) break;
        if (piece.cpEnd <= cpStart) continue;
        const std::uint64_t from = std::max<std::uint64_t>(piece.cpStart, cpStart);
        const std::uint64_t count = std::min<std::uint64_t>(piece.cpEnd, cpEnd) - from;
        if (bytes.size() + count > cap)
            throw EngineError("the document's text is too large", UnreadableReason::TooLarge);
        bytes += sliceOf(stream, piece.fc + (from - piece.cpStart), count, "a text piece");
    }
    return bytes;
}

std::string readStoryFromBytes(std::string_view bytes, int codePage, OtherStories* links) {
    WordStoryText out(links);
    if (!isDoubleByteCodePage(codePage)) {
        const ByteCharacters characters = singleByteCharacters(codePage);
        for (const char byte : bytes) out.put(characters[static_cast<unsigned char>(byte)]);
        return out.take();
    }
    // Control codes lie below every double-byte page's trail bytes, so the
    // story's structure survives decoding the bytes apart from it; they are
    // decoded a piece at a time, never cutting a character in two.
    constexpr std::size_t kPieceBytes = 1 << 20;
    CodePageDecoder decoder;
    while (!bytes.empty()) {
        const std::size_t end = doubleByteSafeEnd(bytes, kPieceBytes);
        TextBuilder text;
        decoder.decode(codePage, bytes.substr(0, end), text);
        forEachCodePoint(text.text(), [&out](char32_t c) { out.put(c); });
        bytes.remove_prefix(end);
    }
    return out.take();
}

}  // namespace harvelux::wordproc
