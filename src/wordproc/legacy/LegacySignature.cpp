#include "wordproc/legacy/LegacySignature.h"

#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/LittleEndian.h"

#include <cstddef>
#include <cstdint>

namespace harvelux::wordproc {

namespace {

std::uint16_t be16(std::string_view data, std::size_t at) {
    if (at + 2 > data.size()) return 0xFFFF;
    return static_cast<std::uint16_t>((static_cast<unsigned char>(data[at]) << 8) |
                                      static_cast<unsigned char>(data[at + 1]));
}

bool startsWith(std::string_view data, std::string_view prefix, std::size_t at = 0) {
    return data.size() >= at + prefix.size() && data.substr(at, prefix.size()) == prefix;
}

// WordPerfect 4.2 has no header: its text is ASCII with one-byte codes in
// 0x80-0xBF and multi-byte codes that begin and end with the same byte in
// 0xC0-0xFE. The file is taken when every such code closes within a short
// distance, at least two do, and nothing else but text is found.
bool looksLikeWordPerfect42(std::string_view data) {
    constexpr std::size_t kLongestCode = 0x200;
    std::size_t codes = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const unsigned b = static_cast<unsigned char>(data[i]);
        if (b >= 0xC0 && b <= 0xFE) {
            const std::size_t close = data.substr(i + 1, kLongestCode).find(static_cast<char>(b));
            if (close == std::string_view::npos) return false;
            i += 1 + close;
            ++codes;
        } else if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0xFF) {
            return false;
        }
    }
    return codes >= 2;
}

}  // namespace

LegacyFamily distinctLegacyFamily(std::string_view data) {
    if (startsWith(data, "\xFFWPC")) return LegacyFamily::WordPerfect;
    if (startsWith(data, "WriteNow") || startsWith(data, "FFFF0000")) return LegacyFamily::Mac;
    if (startsWith(data, "BOBO", 4) && byteAt(data, 0) < 8) return LegacyFamily::Mac;  // ClarisWorks, AppleWorks
    const std::uint16_t first = be16(data, 0);
    const std::uint16_t second = be16(data, 2);
    if (((first == 0xFE32 || first == 0xFE34) && second == 0) ||
        (first == 0xFE37 && (second == 0x1C || second == 0x23))) {
        return LegacyFamily::Mac;  // Word for the Mac 1, 3, 4 and 5
    }
    return LegacyFamily::None;
}

bool isWorksCompound(const CompoundFile& compound) {
    // Works 4 keeps its text in "MN0"; Works 5 to 2000 and later in
    // "CONTENTS", which the module checks for the Works magic.
    return compound.find(u"MN0").has_value() || compound.find(u"CONTENTS").has_value();
}

LegacyFamily weakLegacyFamily(std::string_view data) {
    if (data.size() < 16) return LegacyFamily::None;
    const unsigned b0 = byteAt(data, 0);
    const unsigned b1 = byteAt(data, 1);
    const std::uint16_t first = be16(data, 0);
    const std::uint16_t second = be16(data, 2);
    if (b0 < 6 && b1 == 0xFE) return LegacyFamily::Works;                                     // Works for DOS
    if ((b0 == 0x31 || b0 == 0x32) && b1 == 0xBE && second == 0) return LegacyFamily::Works;  // Write, Word for DOS
    if (first == 3 || first == 6) return LegacyFamily::Mac;                                   // MacWrite
    if ((first == 0x2E2E && second == 0x2E2E) || (first == 4 && second == 4))
        return LegacyFamily::Mac;                                                                 // MacWrite II, Pro
    if (first == 0 && (second == 4 || second == 8 || second == 9)) return LegacyFamily::Mac;      // Works for the Mac
    if (startsWith(data, std::string_view("\0\0\0\0\0\0\0\0\x04", 9))) return LegacyFamily::Mac;  // WriteNow 1, 2
    if (looksLikeWordPerfect42(data)) return LegacyFamily::WordPerfect;
    return LegacyFamily::None;
}

}  // namespace harvelux::wordproc
