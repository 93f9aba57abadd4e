#include "extract/WordEdges.h"

#include "extract/UnicodeBreaks.h"

namespace harvelux::extract {

namespace {

constexpr char32_t kNonBreakingHyphen = 0x1E;  // Word's own
constexpr char32_t kOptionalHyphen = 0x1F;     // Word's own
constexpr char32_t kSoftHyphen = 0xAD;
constexpr char32_t kHyphen = 0x2010;
constexpr char32_t kUnicodeNonBreakingHyphen = 0x2011;
constexpr char32_t kRightSingleQuotation = 0x2019;  // the apostrophe Word types

constexpr bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

constexpr bool isAsciiLetterOrDigit(char32_t cp) {
    return (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9');
}

bool readsAsAscii(const TextChar& c) {
    return (c.length == 1 && c.cp < 0x80) || c.cp == kHyphen || c.cp == kUnicodeNonBreakingHyphen ||
           c.cp == kRightSingleQuotation;
}

bool isAsciiLetterOrDigitChar(const TextChar& c) { return c.length == 1 && isAsciiLetterOrDigit(c.cp); }

}  // namespace

CharRole roleOf(char32_t cp) {
    switch (cp) {
        case kNonBreakingHyphen:
        case kUnicodeNonBreakingHyphen:
        case kHyphen:
            return CharRole::Hyphen;
        case kOptionalHyphen:
        case kSoftHyphen:
            return CharRole::Dropped;
        case U'\'':
        case kRightSingleQuotation:
            return CharRole::Apostrophe;
        default:
            break;
    }
    if (cp < 0x20 || cp == 0x7F || cp == ' ') return CharRole::Break;
    if (cp < 0x7F) {
        static constexpr std::string_view kAsciiBreaks = ",!\"#$%&()*/:;<=>?[\\]^`{|}~";
        return kAsciiBreaks.find(static_cast<char>(cp)) == std::string_view::npos ? CharRole::Word : CharRole::Break;
    }
    return endsWordOutsideAscii(cp) ? CharRole::Break : CharRole::Word;
}

std::size_t decodeUtf8At(std::string_view text, std::size_t at, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    std::size_t length;
    unsigned char low = 0x80;   // the second byte's bounds exclude overlong forms,
    unsigned char high = 0xBF;  // surrogates and values past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(at + i))) return 0;
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    return length;
}

TextChar charAt(std::string_view text, std::size_t at) {
    TextChar c;
    c.length = decodeUtf8At(text, at, c.cp);
    if (c.length == 0) return {static_cast<unsigned char>(text[at]), 1, CharRole::Word};
    c.role = roleOf(c.cp);
    return c;
}

TextChar charEndingAt(std::string_view text, std::size_t end, std::size_t floor) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const TextChar stray{byte(end - 1), 1, CharRole::Word};
    if (byte(end - 1) < 0x80) return {byte(end - 1), 1, roleOf(byte(end - 1))};
    if (!isContinuation(byte(end - 1))) return stray;  // a lone lead byte
    for (std::size_t back = 2; back <= 4 && end - floor >= back; ++back) {
        if (isContinuation(byte(end - back))) continue;
        char32_t cp = 0;
        if (decodeUtf8At(text, end - back, cp) != back) return stray;
        return {cp, back, roleOf(cp)};
    }
    return stray;
}

bool isSpacelessLetter(const TextChar& c) {
    return c.length > 1 && c.role == CharRole::Word && isSpacelessScriptLetter(c.cp);
}

bool isLetterOrDigit(const TextChar& c) {
    return c.role == CharRole::Word && (c.cp >= 0x80 || isAsciiLetterOrDigit(c.cp));
}

bool cutsBetween(const TextChar& before, const TextChar& after, bool international) {
    if (international)
        return (isSpacelessLetter(before) && isAsciiLetterOrDigitChar(after)) ||
               (isAsciiLetterOrDigitChar(before) && isSpacelessLetter(after));
    return (isSpacelessLetter(before) && readsAsAscii(after)) || (readsAsAscii(before) && isSpacelessLetter(after));
}

}  // namespace harvelux::extract
