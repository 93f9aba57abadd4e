#include "wordproc/word/WordPieceTable.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"

namespace harvelux::wordproc {

namespace {

constexpr std::uint8_t kPrc = 0x01;
constexpr std::uint8_t kPcdt = 0x02;
constexpr std::size_t kCpBytes = 4;
constexpr std::size_t kPcdBytes = 8;
constexpr std::uint32_t kFcCompressed = 0x40000000;
constexpr std::uint32_t kFcMask = 0x3FFFFFFF;

std::vector<WordPiece> parsePlcPcd(std::string_view plc) {
    if (plc.size() < kCpBytes || (plc.size() - kCpBytes) % (kCpBytes + kPcdBytes) != 0)
        throw EngineError("damaged piece table: bad size");
    const std::size_t count = (plc.size() - kCpBytes) / (kCpBytes + kPcdBytes);
    const std::size_t descriptors = (count + 1) * kCpBytes;
    std::vector<WordPiece> pieces;
    pieces.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        WordPiece piece;
        piece.cpStart = le32(plc, i * kCpBytes, "the piece table");
        piece.cpEnd = le32(plc, (i + 1) * kCpBytes, "the piece table");
        if (piece.cpEnd < piece.cpStart) throw EngineError("damaged piece table: positions run backwards");
        const std::uint32_t fc = le32(plc, descriptors + i * kPcdBytes + 2, "the piece table");
        piece.fc = fc & kFcMask;
        piece.compressed = (fc & kFcCompressed) != 0;
        pieces.push_back(piece);
    }
    return pieces;
}

}  // namespace

std::vector<WordPiece> parsePieceTable(std::string_view clx, std::size_t countBytes) {
    std::size_t pos = 0;
    while (pos < clx.size()) {
        const std::uint8_t type = byteAt(clx, pos);
        if (type == kPrc) {
            // A Prc holds a group of property modifiers for the pieces; the
            // text does not need them.
            const auto size = static_cast<std::int16_t>(le16(clx, pos + 1, "the piece table"));
            if (size < 0) throw EngineError("damaged piece table: negative property size");
            pos += 3 + static_cast<std::size_t>(size);
        } else if (type == kPcdt) {
            const std::uint32_t size =
                countBytes == 2 ? le16(clx, pos + 1, "the piece table") : le32(clx, pos + 1, "the piece table");
            return parsePlcPcd(sliceOf(clx, pos + 1 + countBytes, size, "the piece table"));
        } else {
            throw EngineError("damaged piece table: unknown entry");
        }
    }
    throw EngineError("damaged piece table: no piece descriptors");
}

}  // namespace harvelux::wordproc
