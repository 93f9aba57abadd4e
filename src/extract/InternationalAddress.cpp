#include "extract/InternationalAddress.h"

#include "extract/EmailPattern.h"
#include "extract/WordEdges.h"

#include <idn2.h>
#include <unicase.h>
#include <unictype.h>
#include <uninorm.h>

#include <cstdlib>
#include <memory>

namespace harvelux::extract {

namespace {

constexpr bool isAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool isAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }

// A letter, mark or digit outside ASCII.
bool isWideLetterOrDigit(char32_t c) { return c >= 0x80 && roleOf(c) == CharRole::Word; }

bool isLabelChar(char32_t c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '-' || isWideLetterOrDigit(c); }
bool isLocalFirstChar(char32_t c) { return isLabelChar(c) || c == '_' || c == '+'; }
bool isLocalChar(char32_t c) { return isLocalFirstChar(c) || c == '.' || c == '\''; }

bool isTopLabelChar(char32_t c) {
    return isAsciiLetter(c) ||
           (c >= 0x80 && uc_is_general_category(c, uc_general_category_or(UC_CATEGORY_L, UC_CATEGORY_M)));
}

// Calls `take` for every character of `s`; false when `s` is not well-formed
// UTF-8 or `take` refuses a character.
template <typename Take>
bool eachChar(std::string_view s, Take take) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8At(s, i, cp);
        if (length == 0 || !take(cp)) return false;
        i += length;
    }
    return true;
}

bool isLocalPart(std::string_view s) {
    bool first = true;
    return !s.empty() && eachChar(s, [&](char32_t c) {
        const bool ok = first ? isLocalFirstChar(c) : isLocalChar(c);
        first = false;
        return ok;
    });
}

bool isLabel(std::string_view s) { return !s.empty() && eachChar(s, isLabelChar); }

// Two or more letters of any script; marks may follow a letter.
bool isTopLabel(std::string_view s) {
    std::size_t count = 0;
    const bool letters = eachChar(s, [&](char32_t c) {
        const bool mark = c >= 0x80 && uc_is_general_category(c, UC_CATEGORY_M);
        return isTopLabelChar(c) && !(count++ == 0 && mark);
    });
    return letters && count >= 2;
}

bool hasLabelForm(std::string_view domain) {
    const std::size_t lastDot = domain.rfind('.');
    if (lastDot == std::string_view::npos || !isTopLabel(domain.substr(lastDot + 1))) return false;
    std::string_view labels = domain.substr(0, lastDot);
    while (true) {
        const std::size_t dot = labels.find('.');
        if (!isLabel(labels.substr(0, dot))) return false;
        if (dot == std::string_view::npos) return true;
        labels.remove_prefix(dot + 1);
    }
}

bool idnaAccepts(std::string_view domain) {
    const std::string zeroEnded(domain);
    char* ascii = nullptr;
    const int rc = idn2_lookup_u8(reinterpret_cast<const uint8_t*>(zeroEnded.c_str()),
                                  reinterpret_cast<uint8_t**>(&ascii), IDN2_NFC_INPUT | IDN2_NONTRANSITIONAL);
    idn2_free(ascii);
    return rc == IDN2_OK;
}

bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

bool IsValidInternationalEmail(std::string_view s) {
    if (isAscii(s)) return IsValidEmail(s);
    const std::size_t at = s.find('@');
    if (at == std::string_view::npos || !isLocalPart(s.substr(0, at))) return false;
    const std::string_view domain = s.substr(at + 1);
    return hasLabelForm(domain) && idnaAccepts(domain);
}

std::string internationalKey(std::string_view s) {
    std::string key(s);
    if (isAscii(s)) {
        for (char& c : key)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return key;
    }
    std::size_t length = 0;
    const std::unique_ptr<uint8_t, decltype(&std::free)> lower(
        u8_tolower(reinterpret_cast<const uint8_t*>(s.data()), s.size(), nullptr, UNINORM_NFC, nullptr, &length),
        &std::free);
    if (!lower) return key;  // out of memory: the spelling as found
    return std::string(reinterpret_cast<const char*>(lower.get()), length);
}

}  // namespace harvelux::extract
