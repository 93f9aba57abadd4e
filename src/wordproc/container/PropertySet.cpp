#include "wordproc/container/PropertySet.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/encoding/CodePages.h"
#include "wordproc/text/TextBuilder.h"

#include "common/Utf8.h"

namespace harvelux::wordproc {

namespace {

constexpr std::uint32_t kCodePageId = 1;
constexpr std::uint32_t kTypeI2 = 0x02;
constexpr std::uint32_t kTypeAnsiString = 0x1E;
constexpr std::uint32_t kTypeUnicodeString = 0x1F;
constexpr std::uint32_t kUtf16CodePage = 1200;
constexpr std::uint32_t kMaxSections = 2;       // the sets have one or two
constexpr std::uint32_t kMaxProperties = 4096;  // a section's entries read at most

void appendUtf16(std::string_view bytes, TextBuilder& out) {
    std::string text;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto unit = static_cast<char16_t>(byteAt(bytes, at) | (byteAt(bytes, at + 1) << 8));
        if (unit == 0) break;
        appendUtf8(text, unit >= 0xD800 && unit < 0xE000 ? char32_t{0xFFFD} : char32_t{unit});
    }
    out.append(text);
}

// The strings of one section that starts at `start`.
void readSection(std::string_view stream, std::uint64_t start, CodePageDecoder& decoder, TextBuilder& out) {
    const std::uint32_t size = le32(stream, start, "a property section");
    const std::string_view section = sliceOf(stream, start, size, "a property section");
    const std::uint32_t count = std::min(le32(section, 4, "a property section"), kMaxProperties);
    int codePage = kWindowsLatin1;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (le32(section, 8 + 8ull * i, "a property") != kCodePageId) continue;
        const std::uint32_t offset = le32(section, 12 + 8ull * i, "a property");
        if (le32(section, offset, "a property") == kTypeI2) codePage = le16(section, offset + 4ull, "a property");
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        WorkBudget::charge();
        const std::uint32_t offset = le32(section, 12 + 8ull * i, "a property");
        const std::uint32_t type = le32(section, offset, "a property");
        if (type != kTypeAnsiString && type != kTypeUnicodeString) continue;
        const std::uint32_t length = le32(section, offset + 4ull, "a property");
        const bool wide = type == kTypeUnicodeString || static_cast<std::uint32_t>(codePage) == kUtf16CodePage;
        const std::uint64_t bytes = type == kTypeUnicodeString ? 2ull * length : length;
        std::string_view value = sliceOf(section, offset + 8ull, bytes, "a property");
        if (wide) {
            appendUtf16(value, out);
        } else {
            value = value.substr(0, value.find('\0'));
            decoder.decode(codePage, value, out);
        }
        if (!value.empty()) out.append(chars::kParagraph);
    }
}

void readPropertySet(const CompoundFile& file, std::u16string_view name, CodePageDecoder& decoder, TextBuilder& out) {
    const auto id = file.find(name);
    if (!id || file.entry(*id).type != CompoundFile::EntryType::Stream) return;
    try {
        const std::string stream = file.readStream(*id);
        const std::uint32_t sections = std::min(le32(stream, 24, "a property set"), kMaxSections);
        for (std::uint32_t i = 0; i < sections; ++i)
            readSection(stream, le32(stream, 28 + 20ull * i + 16, "a property set"), decoder, out);
    } catch (const EngineError& error) {
        if (error.reason() == UnreadableReason::TooLarge) throw;
    }
}

}  // namespace

std::string propertyStrings(const CompoundFile& file) {
    CodePageDecoder decoder;
    TextBuilder out;
    readPropertySet(file, u"\u0005SummaryInformation", decoder, out);
    readPropertySet(file, u"\u0005DocumentSummaryInformation", decoder, out);
    std::string text = out.take();
    // Empty strings leave bare marks.
    std::string tidy;
    for (const char c : text)
        if (c != '\r' || (!tidy.empty() && tidy.back() != '\r')) tidy += c;
    return tidy;
}

}  // namespace harvelux::wordproc
