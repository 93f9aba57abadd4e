#include "wordproc/ocr/OcrAddressRepair.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace harvelux::wordproc {

namespace {

// Below this confidence a word is too uncertain to be mended: what it shows
// may not be an address at all.
constexpr float kLeastConfidence = 45.0F;

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isLocalChar(char c) {
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-';
}
bool isLabelChar(char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '-'; }

// The word without the punctuation a sentence puts around it: brackets,
// quotes, a full stop or comma after it.
struct Core {
    std::string_view before, core, after;
};
Core coreOf(std::string_view word) {
    constexpr std::string_view kLeading = "([{<\"'";
    constexpr std::string_view kTrailing = ")]}>\"'.,;:!?";
    std::size_t begin = 0;
    while (begin < word.size() && kLeading.find(word[begin]) != std::string_view::npos) ++begin;
    std::size_t end = word.size();
    while (end > begin && kTrailing.find(word[end - 1]) != std::string_view::npos) --end;
    return {word.substr(0, begin), word.substr(begin, end - begin), word.substr(end)};
}

// "©", "(at)", "(@)" and "[at]" read where "@" is: the one replaced, if any.
std::optional<std::string> withAtSign(std::string_view core) {
    constexpr std::string_view kStandIns[] = {"\xC2\xA9", "(at)", "(@)", "[at]", "(AT)", "[AT]"};
    for (const std::string_view standIn : kStandIns) {
        const std::size_t at = core.find(standIn);
        if (at == std::string_view::npos || at == 0) continue;
        std::string mended(core.substr(0, at));
        mended += '@';
        mended += core.substr(at + standIn.size());
        return mended;
    }
    return std::nullopt;
}

// A comma between two labels of the domain read as a full stop.
std::string withDotsInDomain(std::string_view core) {
    std::string mended(core);
    const std::size_t at = mended.find('@');
    if (at == std::string::npos) return mended;
    for (std::size_t i = at + 1; i + 1 < mended.size(); ++i)
        if (mended[i] == ',' && i > at + 1 && isLabelChar(mended[i - 1]) && isLabelChar(mended[i + 1])) mended[i] = '.';
    return mended;
}

// The word mended when that gives an address; the word as it was otherwise.
std::string mendWord(const std::string& word) {
    const Core parts = coreOf(word);
    if (hasAddressShape(parts.core)) return word;
    std::string core(parts.core);
    if (const std::optional<std::string> atSign = withAtSign(core)) core = *atSign;
    core = withDotsInDomain(core);
    if (!hasAddressShape(core)) return word;
    return std::string(parts.before) + core + std::string(parts.after);
}

}  // namespace

bool hasAddressShape(std::string_view word) {
    const std::size_t at = word.find('@');
    if (at == 0 || at == std::string_view::npos) return false;
    for (std::size_t i = 0; i < at; ++i)
        if (!isLocalChar(word[i])) return false;
    const std::string_view domain = word.substr(at + 1);
    std::size_t labels = 0;
    std::size_t start = 0;
    while (start <= domain.size()) {
        const std::size_t dot = domain.find('.', start);
        const std::string_view label = domain.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (label.empty()) return false;
        for (const char c : label)
            if (!isLabelChar(c)) return false;
        ++labels;
        if (dot == std::string_view::npos) {
            if (labels < 2 || label.size() < 2) return false;
            for (const char c : label)
                if (!isAsciiLetter(c)) return false;
            return true;
        }
        start = dot + 1;
    }
    return false;
}

std::vector<std::string> repairAddressWords(const std::vector<OcrWord>& line) {
    std::vector<std::string> words;
    words.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const OcrWord& word = line[i];
        if (word.confidence < kLeastConfidence) {
            words.push_back(word.text);
            continue;
        }
        // "name@ example.com": the space after "@" closed when the two
        // words make an address and neither is one already.
        if (i + 1 < line.size() && !word.text.empty() && word.text.back() == '@' &&
            line[i + 1].confidence >= kLeastConfidence) {
            const std::string joined = mendWord(word.text + line[i + 1].text);
            if (hasAddressShape(coreOf(joined).core)) {
                words.push_back(joined);
                ++i;
                continue;
            }
        }
        words.push_back(mendWord(word.text));
    }
    return words;
}

}  // namespace harvelux::wordproc
