#include "wordproc/encoding/CodePages.h"

#include "common/Utf8.h"
#include "wordproc/text/TextBuilder.h"

#include <iconv.h>
#include <cerrno>

namespace harvelux::wordproc {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// What iconv_open returns on failure: (iconv_t)-1, an integer as a pointer.
iconv_t invalidDescriptor() { return reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)

// iconv names of the double-byte Windows pages.
const char* iconvName(int codePage) {
    switch (codePage) {
        case 932:
            return "CP932";
        case 936:
            return "CP936";
        case 949:
            return "CP949";
        case 950:
            return "CP950";
        case 1361:
            return "CP1361";
        default:
            return nullptr;
    }
}

void decodeUtf8(std::string_view bytes, TextBuilder& out) {
    if (isValidUtf8(bytes)) {
        out.append(bytes);
        return;
    }
    // Keep the well-formed characters, replace each bad byte.
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t length = 1;
        const auto b = static_cast<unsigned char>(bytes[start]);
        if (b >= 0xF0)
            length = 4;
        else if (b >= 0xE0)
            length = 3;
        else if (b >= 0xC0)
            length = 2;
        const std::string_view one = bytes.substr(start, length);
        if (one.size() == length && isValidUtf8(one)) {
            out.append(one);
            start += length;
        } else {
            out.append(kReplacement);
            ++start;
        }
    }
}

}  // namespace

int codePageForCharset(int charset) {
    switch (charset) {
        case 77:
            return 10000;  // Mac
        case 128:
            return 932;  // Shift JIS
        case 129:
            return 949;  // Hangul
        case 130:
            return 1361;  // Johab
        case 134:
            return 936;  // GB 2312
        case 136:
            return 950;  // Big5
        case 161:
            return 1253;  // Greek
        case 162:
            return 1254;  // Turkish
        case 163:
            return 1258;  // Vietnamese
        case 177:
            return 1255;  // Hebrew
        case 178:
            return 1256;  // Arabic
        case 186:
            return 1257;  // Baltic
        case 204:
            return 1251;  // Cyrillic
        case 222:
            return 874;  // Thai
        case 238:
            return 1250;  // Central European
        case 254:         // PC 437
        case 255:
            return 437;  // OEM (the US one)
        default:
            return 0;
    }
}

ByteCharacters singleByteCharacters(int codePage) {
    ByteCharacters table{};
    const std::array<char16_t, 128>* upper = singleByteUpperHalf(codePage);
    for (std::size_t b = 0; b < table.size(); ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte < 0x80)
            table[b] = byte;
        else
            table[b] = upper ? char32_t((*upper)[byte - 0x80]) : windows1252ToUnicode(byte);
    }
    return table;
}

bool isDoubleByteCodePage(int codePage) { return iconvName(codePage) != nullptr; }

std::size_t doubleByteSafeEnd(std::string_view bytes, std::size_t most) {
    if (bytes.size() <= most) return bytes.size();
    for (std::size_t end = most; end > 0; --end)
        if (static_cast<unsigned char>(bytes[end - 1]) < 0x30) return end;
    return most;
}

int codePageForLanguage(std::uint16_t lid) {
    switch (lid & 0x3FF) {  // the primary language
        case 0x05:
        case 0x0E:
        case 0x15:
        case 0x18:
        case 0x1B:
        case 0x1C:
        case 0x24:
            return 1250;  // Czech, Hungarian, Polish, Romanian, Slovak, Albanian, Slovenian
        case 0x02:
        case 0x19:
        case 0x22:
        case 0x23:
        case 0x2F:
            return 1251;  // Bulgarian, Russian, Ukrainian, Belarusian, Macedonian
        case 0x08:
            return 1253;  // Greek
        case 0x1F:
            return 1254;  // Turkish
        case 0x0D:
            return 1255;  // Hebrew
        case 0x01:
        case 0x29:
            return 1256;  // Arabic, Farsi
        case 0x25:
        case 0x26:
        case 0x27:
            return 1257;  // Estonian, Latvian, Lithuanian
        case 0x2A:
            return 1258;  // Vietnamese
        case 0x1E:
            return 874;  // Thai
        case 0x11:
            return 932;  // Japanese
        case 0x12:
            return 949;  // Korean
        case 0x04:
            // Chinese: simplified for the PRC and Singapore, traditional for
            // Taiwan, Hong Kong and Macau.
            return ((lid >> 10) == 2 || (lid >> 10) == 4) ? 936 : 950;
        case 0x1A:
            // Croatian and Serbian (Latin) share 0x1A with Serbian (Cyrillic),
            // which the sublanguage tells apart.
            return (lid >> 10) == 3 ? 1251 : 1250;
        default:
            return kWindowsLatin1;
    }
}

CodePageDecoder::~CodePageDecoder() {
    for (const Converter& converter : converters_)
        if (converter.descriptor != invalidDescriptor()) iconv_close(static_cast<iconv_t>(converter.descriptor));
}

void* CodePageDecoder::converterFor(int codePage) {
    for (const Converter& converter : converters_)
        if (converter.codePage == codePage) return converter.descriptor;
    void* descriptor = iconv_open("UTF-8", iconvName(codePage));
    converters_.push_back({codePage, descriptor});
    return descriptor;
}

void CodePageDecoder::decodeDoubleByte(void* descriptor, std::string_view bytes, TextBuilder& out) {
    if (descriptor == invalidDescriptor()) {
        // Without a converter only the ASCII bytes can be trusted.
        for (const char c : bytes) out.append(static_cast<unsigned char>(c) < 0x80 ? char32_t(c) : kReplacement);
        return;
    }
    const auto cd = static_cast<iconv_t>(descriptor);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(std::string_view(buffer, sizeof buffer - outLeft));
        if (result != static_cast<std::size_t>(-1)) break;
        if (error == E2BIG) continue;
        // EILSEQ: an undefined sequence; EINVAL: a lead byte at the end.
        out.append(kReplacement);
        if (error == EINVAL) break;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
}

void CodePageDecoder::decode(int codePage, std::string_view bytes, TextBuilder& out) {
    if (codePage == 65001) {
        decodeUtf8(bytes, out);
        return;
    }
    if (iconvName(codePage)) {
        decodeDoubleByte(converterFor(codePage), bytes, out);
        return;
    }
    const std::array<char16_t, 128>* upper = singleByteUpperHalf(codePage);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.append(char32_t(b));
        else if (upper)
            out.append(char32_t((*upper)[b - 0x80]));
        else
            out.append(windows1252ToUnicode(b));
    }
}

}  // namespace harvelux::wordproc
