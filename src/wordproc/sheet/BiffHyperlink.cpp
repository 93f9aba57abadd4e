#include "wordproc/sheet/BiffHyperlink.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/sheet/BiffRecords.h"

#include <cstdint>

namespace harvelux::wordproc::biff {

namespace {

constexpr std::uint32_t kHasMoniker = 0x0001;
constexpr std::uint32_t kHasDisplayName = 0x0010;
constexpr std::uint32_t kHasFrameName = 0x0080;
constexpr std::uint32_t kMonikerAsString = 0x0100;
constexpr std::size_t kCellRangeAndClassId = 8 + 16;
constexpr std::string_view kUrlMoniker("\xE0\xC9\xEA\x79\xF9\xBA\xCE\x11\x8C\x82\x00\xAA\x00\x4B\xA9\x0B", 16);

// A count of UTF-16 characters (with the closing NUL) and the characters.
std::string hyperlinkString(ContinuedBytes& bytes) {
    const std::uint32_t count = bytes.u32();
    std::string text;
    bytes.characters(count, true, text);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void skipHyperlinkString(ContinuedBytes& bytes) {
    const std::uint32_t count = bytes.u32();
    if (count > bytes.remaining() / 2) throw EngineError("a hyperlink string leaves its record");
    bytes.skip(2ull * count);
}

}  // namespace

std::string hyperlinkTarget(std::string_view body) {
    try {
        ContinuedBytes bytes(body);
        bytes.skip(kCellRangeAndClassId);
        bytes.skip(4);  // the stream version
        const std::uint32_t flags = bytes.u32();
        if (!(flags & kHasMoniker)) return {};
        if (flags & kHasDisplayName) skipHyperlinkString(bytes);
        if (flags & kHasFrameName) skipHyperlinkString(bytes);
        if (flags & kMonikerAsString) return hyperlinkString(bytes);
        if (bytes.bytes(16) != kUrlMoniker) return {};
        const std::uint32_t length = bytes.u32();  // in bytes, with the closing NUL
        std::string url;
        bytes.characters(length / 2, true, url);
        const std::size_t end = url.find('\0');
        if (end != std::string::npos) url.resize(end);
        return url;
    } catch (const EngineError&) {
        return {};
    }
}

}  // namespace harvelux::wordproc::biff
