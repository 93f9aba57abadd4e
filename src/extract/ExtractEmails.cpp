#include "extract/ExtractEmails.h"

#include "extract/EmailPattern.h"

#include <array>
#include <cstring>

namespace harvelux::extract {

namespace {

constexpr unsigned char kNbspLead = 0xC2;   // U+00A0 in UTF-8 is C2 A0
constexpr unsigned char kNbspTrail = 0xA0;

// Bytes that end a word: the three delimiters plus the ASCII separators.
constexpr std::array<bool, 256> makeBreakTable() {
    std::array<bool, 256> table{};
    table['\t'] = table['\r'] = table[' '] = true;
    table[0x07] = table[0x0B] = true;
    for (const char c : std::string_view(",!\"#$%&'()*/:;<=>?[\\]^`{|}~")) table[static_cast<unsigned char>(c)] = true;
    return table;
}
constexpr std::array<bool, 256> kBreaks = makeBreakTable();

constexpr std::array<bool, 256> makeSeparatorTable() {
    std::array<bool, 256> table = makeBreakTable();
    table['\t'] = table['\r'] = table[' '] = false;
    return table;
}
constexpr std::array<bool, 256> kSeparators = makeSeparatorTable();

// Whether the byte at i belongs to a word break (including either byte of a
// no-break space).
inline bool isBreakAt(const unsigned char* s, std::size_t n, std::size_t i) {
    const unsigned char b = s[i];
    if (kBreaks[b]) return true;
    if (b == kNbspTrail) return i > 0 && s[i - 1] == kNbspLead;
    if (b == kNbspLead) return i + 1 < n && s[i + 1] == kNbspTrail;
    return false;
}

std::string toLowerAscii(std::string_view word) {
    std::string key(word);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

std::vector<std::string> ExtractEmails(std::string_view text, SeenAddresses& seen, const CandidatePump& pump) {
    // Every candidate contains "@", so instead of cutting the whole text into
    // words, jump from one "@" to the next and widen it to its word.
    std::vector<std::string> result;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t done = 0;  // everything before this offset has been examined
    while (done < n) {
        const void* hit = std::memchr(s + done, '@', n - done);
        if (!hit) break;
        const std::size_t at = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - s);
        std::size_t begin = at;
        while (begin > done && !isBreakAt(s, n, begin - 1)) --begin;
        std::size_t end = at + 1;
        while (end < n && !isBreakAt(s, n, end)) ++end;
        done = end;

        const std::string_view word = text.substr(begin, end - begin);
        if (word.find('.') == std::string_view::npos) continue;
        if (pump) pump();
        if (!IsValidEmail(word)) continue;
        if (seen.insert(toLowerAscii(word))) result.emplace_back(word);
    }
    return result;
}

std::string& ReplaceSeparators(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (kSeparators[b]) {
            out += ' ';
        } else if (b == kNbspLead && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == kNbspTrail) {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    text.swap(out);
    return text;
}

std::vector<std::string> SplitCandidates(std::string_view text) {
    std::vector<std::string> candidates;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\t' && text[i] != '\r' && text[i] != ' ') continue;
        const std::string_view word = text.substr(start, i - start);
        if (word.find('@') != std::string_view::npos && word.find('.') != std::string_view::npos)
            candidates.emplace_back(word);
        start = i + 1;
    }
    return candidates;
}

}  // namespace harvelux::extract
