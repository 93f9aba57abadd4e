#include "wordproc/WordStoryReader.h"

#include "wordproc/Engine.h"
#include "wordproc/LittleEndian.h"
#include "wordproc/WordStoryText.h"

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

}  // namespace

const ByteCharacters& compressedPieceCharacters() {
    static const ByteCharacters table = makeCompressedPieceCharacters();
    return table;
}

std::string readStoryFromPieces(std::string_view stream, const std::vector<WordPiece>& pieces,
                                std::uint32_t length, const PieceEncoding& encoding, OtherStories* links) {
    return readStoryRange(stream, pieces, 0, length, encoding, links);
}

std::string readStoryRange(std::string_view stream, const std::vector<WordPiece>& pieces, std::uint64_t cpStart,
                           std::uint64_t cpEnd, const PieceEncoding& encoding, OtherStories* links) {
    WordStoryText out(links);
    Utf16Joiner joiner(out);
    for (const WordPiece& piece : pieces) {
        if (piece.cpStart >= cpEnd) break;
        if (piece.cpEnd <= cpStart) continue;
        const std::uint64_t from = std::max<std::uint64_t>(piece.cpStart, cpStart);
        const std::uint64_t count = std::min<std::uint64_t>(piece.cpEnd, cpEnd) - from;
        const std::uint64_t skipped = from - piece.cpStart;
        const bool eightBit = !encoding.unicodePieces || piece.compressed;
        if (eightBit) {
            const std::uint64_t offset = (encoding.unicodePieces ? piece.fc / 2 : piece.fc) + skipped;
            joiner.flush();
            for (const char byte : sliceOf(stream, offset, count, "a text piece"))
                out.put((*encoding.eightBit)[static_cast<unsigned char>(byte)]);
        } else {
            const std::string_view bytes = sliceOf(stream, piece.fc + 2 * skipped, 2 * count, "a text piece");
            for (std::size_t i = 0; i < bytes.size(); i += 2)
                joiner.put(static_cast<char16_t>(byteAt(bytes, i) | (byteAt(bytes, i + 1) << 8)));
        }
    }
    joiner.flush();
    return out.take();
}

std::string readStoryFromBytes(std::string_view bytes, const ByteCharacters& characters, OtherStories* links) {
    WordStoryText out(links);
    for (const char byte : bytes) out.put(characters[static_cast<unsigned char>(byte)]);
    return out.take();
}

}  // namespace harvelux::wordproc
