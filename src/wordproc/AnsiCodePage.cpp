#include "wordproc/AnsiCodePage.h"

#include "wordproc/PlainTextReader.h"

#include <iconv.h>
#include <optional>

namespace harvelux::wordproc {

namespace {

class IconvHandle {
public:
    explicit IconvHandle(const std::string& from) : cd_(iconv_open("UTF-32LE", from.c_str())) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // The code point for one byte, or nothing when the set does not define it.
    std::optional<char32_t> convert(unsigned char byte) {
        char in[1] = {static_cast<char>(byte)};
        char out[16] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        const bool converted = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        // Sets with combining letters hold a base letter back until flushed.
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        if (!converted || inLeft != 0 || sizeof out - outLeft < 4) return std::nullopt;
        const auto unit = [&](int i) { return static_cast<char32_t>(static_cast<unsigned char>(out[i])); };
        return unit(0) | (unit(1) << 8) | (unit(2) << 16) | (unit(3) << 24);
    }

private:
    iconv_t cd_;
};

}  // namespace

unsigned ansiCodePageForLanguage(std::uint16_t lid) {
    switch (lid & 0x3FF) {  // the primary language
        case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1B: case 0x1C: case 0x24:
            return 1250;  // Czech, Hungarian, Polish, Romanian, Slovak, Albanian, Slovenian
        case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F:
            return 1251;  // Bulgarian, Russian, Ukrainian, Belarusian, Macedonian
        case 0x08:
            return 1253;  // Greek
        case 0x1F:
            return 1254;  // Turkish
        case 0x0D:
            return 1255;  // Hebrew
        case 0x01: case 0x29:
            return 1256;  // Arabic, Farsi
        case 0x25: case 0x26: case 0x27:
            return 1257;  // Estonian, Latvian, Lithuanian
        case 0x2A:
            return 1258;  // Vietnamese
        case 0x1E:
            return 874;  // Thai
        case 0x1A:
            // Croatian and Serbian (Latin) share 0x1A with Serbian (Cyrillic),
            // which the sublanguage tells apart.
            return (lid >> 10) == 3 ? 1251 : 1250;
        default:
            return 1252;
    }
}

ByteCharacters singleByteCharacters(const std::string& iconvName) {
    ByteCharacters table{};
    for (std::size_t b = 0; b < table.size(); ++b) table[b] = windows1252ToUnicode(static_cast<unsigned char>(b));
    if (iconvName == "CP1252") return table;
    IconvHandle handle(iconvName);
    if (!handle.valid()) return table;
    for (std::size_t b = 0; b < table.size(); ++b) {
        const std::optional<char32_t> c = handle.convert(static_cast<unsigned char>(b));
        table[b] = c ? *c : static_cast<char32_t>(b);
    }
    return table;
}

}  // namespace harvelux::wordproc
