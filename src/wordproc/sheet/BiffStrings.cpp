#include "wordproc/sheet/BiffStrings.h"

#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc::biff {

namespace {
constexpr std::uint8_t kHighBytes = 0x01;  // two bytes a character
constexpr std::uint8_t kPhonetic = 0x04;   // phonetic data follows the characters
constexpr std::uint8_t kRichText = 0x08;   // formatting runs follow the characters
constexpr std::uint16_t kUtf16 = 1200;
}  // namespace

void StringReader::setCodePage(std::uint16_t value) {
    utf16_ = value == kUtf16;
    switch (value) {
        case 367:     // US-ASCII
        case kUtf16:  // see decodeBytes
        case 0x8001:  // Windows-1252 as BIFF2 to BIFF4 name it
            codePage_ = kWindowsLatin1;
            break;
        case 0x8000:  // Mac Roman
            codePage_ = 10000;
            break;
        default:
            codePage_ = value;
    }
}

namespace {
// Gnumeric's Excel 5.0/95 files say code page 1200 (UTF-16) and keep a
// string with characters outside ASCII as UTF-16LE, its count in bytes,
// and any other as ASCII bytes.
bool looksLikeUtf16(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return false;
    for (std::size_t i = 1; i < bytes.size(); i += 2)
        if (bytes[i] == '\0') return true;
    return false;
}
}  // namespace

void StringReader::decodeBytes(std::string_view bytes, std::string& out) {
    if (utf16_ && looksLikeUtf16(bytes)) {
        ContinuedBytes(bytes).characters(bytes.size() / 2, true, out);
        return;
    }
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        out.append(bytes);
        return;
    }
    TextBuilder text;
    decoder_.decode(codePage_, bytes, text);
    out += text.take();
}

void StringReader::readCharacters(ContinuedBytes& bytes, std::size_t count, std::string& out) {
    if (version_ != Version::Biff8) {
        decodeBytes(bytes.bytes(count), out);
        return;
    }
    if (count == 0) return;
    const std::uint8_t flags = bytes.u8();
    bytes.characters(count, (flags & kHighBytes) != 0, out);
}

void StringReader::readString16(ContinuedBytes& bytes, std::string& out) {
    const std::uint16_t count = bytes.u16();
    if (version_ != Version::Biff8) {
        decodeBytes(bytes.bytes(count), out);
        return;
    }
    const std::uint8_t flags = bytes.u8();
    const std::uint16_t runs = (flags & kRichText) ? bytes.u16() : 0;
    const std::uint32_t phonetic = (flags & kPhonetic) ? bytes.u32() : 0;
    bytes.characters(count, (flags & kHighBytes) != 0, out);
    bytes.skip(std::uint64_t{4} * runs);
    bytes.skip(phonetic);
}

void StringReader::readString8(ContinuedBytes& bytes, std::string& out) {
    const std::uint8_t count = bytes.u8();
    readCharacters(bytes, count, out);
}

}  // namespace harvelux::wordproc::biff
