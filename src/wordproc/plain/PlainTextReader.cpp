#include "wordproc/plain/PlainTextReader.h"

#include "common/Utf8.h"
#include "wordproc/encoding/ByteOrderMark.h"
#include "wordproc/encoding/CodePages.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

enum class Utf16Order { None, LittleEndian, BigEndian };

// UTF-16 without a byte-order mark, as Latin-script text has it: in the first
// characters every other byte is zero, the bytes between are not all zero.
Utf16Order unmarkedUtf16(std::string_view data) {
    constexpr std::size_t kSample = 512;
    const std::size_t sample = std::min(data.size(), kSample) & ~std::size_t{1};
    if (sample < 4 || data.size() % 2 != 0) return Utf16Order::None;
    bool evenZero = true;
    bool oddZero = true;
    for (std::size_t i = 0; i < sample; ++i) {
        if (data[i] == '\0') continue;
        (i % 2 == 0 ? evenZero : oddZero) = false;
    }
    if (oddZero && !evenZero) return Utf16Order::LittleEndian;
    if (evenZero && !oddZero) return Utf16Order::BigEndian;
    return Utf16Order::None;
}

// Control characters that plain text does not hold (NUL among them).
bool isStrayControl(char32_t c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v'; }

// At most two stray control characters, or at most 1% of them: text with a
// few NULs or other codes is still text, also when it is short; pictures and
// other binary files hold far more.
bool fewStrayControls(std::size_t controls, std::size_t characters) {
    return controls <= 2 || controls * 100 <= characters;
}

char16_t utf16UnitAt(std::string_view data, std::size_t i, bool bigEndian) {
    const auto a = static_cast<unsigned char>(data[2 * i]);
    const auto b = static_cast<unsigned char>(data[2 * i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
}

// Appends one code point, turning line ends into CR. `pendingCr` carries a CR
// whose following LF is to be dropped.
void appendTextChar(TextBuilder& out, char32_t cp, bool& lastWasCr) {
    if (cp == U'\n') {
        if (!lastWasCr) out.append(U'\r');
        lastWasCr = false;
        return;
    }
    lastWasCr = cp == U'\r';
    out.append(cp);
}

std::string readUtf16(std::string_view data, bool bigEndian) {
    TextBuilder out;
    bool lastWasCr = false;
    const std::size_t units = data.size() / 2;
    const auto unitAt = [&](std::size_t i) { return utf16UnitAt(data, i, bigEndian); };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t cp = unitAt(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        appendTextChar(out, cp, lastWasCr);
    }
    return out.take();
}

std::string convertLineEnds(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\n') {
            if (i == 0 || utf8[i - 1] != '\r') out += '\r';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

bool looksLikePlainText(std::string_view data) {
    const ByteOrderMark mark = byteOrderMarkOf(data);
    if (mark == ByteOrderMark::Utf16Le || mark == ByteOrderMark::Utf16Be) return true;
    std::size_t controls = 0;
    if (const Utf16Order order = unmarkedUtf16(data); order != Utf16Order::None) {
        const std::size_t units = data.size() / 2;
        for (std::size_t i = 0; i < units; ++i)
            if (isStrayControl(utf16UnitAt(data, i, order == Utf16Order::BigEndian))) ++controls;
        return fewStrayControls(controls, units);
    }
    for (const char c : data)
        if (isStrayControl(static_cast<unsigned char>(c))) ++controls;
    return fewStrayControls(controls, data.size());
}

std::string readPlainText(std::string_view data) {
    const ByteOrderMark mark = byteOrderMarkOf(data);
    const std::string_view marked = data.substr(byteOrderMarkLength(mark));
    switch (mark) {
        case ByteOrderMark::Utf8:
            return convertLineEnds(marked);
        case ByteOrderMark::Utf16Le:
            return readUtf16(marked, false);
        case ByteOrderMark::Utf16Be:
            return readUtf16(marked, true);
        case ByteOrderMark::None:
            break;
    }
    if (const Utf16Order order = unmarkedUtf16(data); order != Utf16Order::None)
        return readUtf16(data, order == Utf16Order::BigEndian);
    if (isValidUtf8(data)) return convertLineEnds(data);
    TextBuilder out;
    bool lastWasCr = false;
    for (const char c : data) appendTextChar(out, windows1252ToUnicode(static_cast<unsigned char>(c)), lastWasCr);
    return out.take();
}

}  // namespace harvelux::wordproc
