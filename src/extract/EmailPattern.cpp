#include "extract/EmailPattern.h"

#include <cstddef>

namespace harvelux::extract {

namespace {

constexpr bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isLabelChar(char c) { return isAsciiAlpha(c) || isAsciiDigit(c) || c == '-'; }
constexpr bool isLocalFirstChar(char c) { return isLabelChar(c) || c == '_' || c == '+'; }
constexpr bool isLocalChar(char c) { return isLocalFirstChar(c) || c == '.' || c == '\''; }

// A decimal number from 0 to 255 without leading zeros.
bool isOctet(std::string_view s) {
    for (const char c : s)
        if (!isAsciiDigit(c)) return false;
    switch (s.size()) {
        case 1:
            return true;
        case 2:
            return s[0] != '0';
        case 3:
            return s[0] == '1' || (s[0] == '2' && (s[1] < '5' || (s[1] == '5' && s[2] <= '5')));
        default:
            return false;
    }
}

bool isLabel(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (!isLabelChar(c)) return false;
    return true;
}

// The end of the domain: two or more letters, or an octet and "]". Neither
// contains a dot.
bool isDomainTail(std::string_view s) {
    if (!s.empty() && s.back() == ']') return isOctet(s.substr(0, s.size() - 1));
    if (s.size() < 2) return false;
    for (const char c : s)
        if (!isAsciiAlpha(c)) return false;
    return true;
}

// "[" followed by three octets each followed by ".", then the tail.
bool isBracketedDomain(std::string_view d) {
    d.remove_prefix(1);
    for (int i = 0; i < 3; ++i) {
        const std::size_t dot = d.find('.');
        if (dot == std::string_view::npos || !isOctet(d.substr(0, dot))) return false;
        d.remove_prefix(dot + 1);
    }
    return d.find('.') == std::string_view::npos && isDomainTail(d);
}

// One or more labels each followed by ".", then the tail. The tail holds no
// dot, so it is whatever follows the last dot.
bool isLabelDomain(std::string_view d) {
    const std::size_t lastDot = d.rfind('.');
    if (lastDot == std::string_view::npos) return false;
    if (!isDomainTail(d.substr(lastDot + 1))) return false;
    std::string_view labels = d.substr(0, lastDot);
    while (true) {
        const std::size_t dot = labels.find('.');
        if (!isLabel(labels.substr(0, dot))) return false;
        if (dot == std::string_view::npos) return true;
        labels.remove_prefix(dot + 1);
    }
}

}  // namespace

bool IsValidEmail(std::string_view s) {
    if (s.empty() || !isLocalFirstChar(s[0])) return false;
    std::size_t at = 1;
    while (at < s.size() && isLocalChar(s[at])) ++at;
    if (at >= s.size() || s[at] != '@') return false;
    const std::string_view domain = s.substr(at + 1);
    if (domain.empty()) return false;
    return domain[0] == '[' ? isBracketedDomain(domain) : isLabelDomain(domain);
}

}  // namespace harvelux::extract
