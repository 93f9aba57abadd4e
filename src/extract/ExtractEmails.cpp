#include "extract/ExtractEmails.h"

#include "extract/EmailPattern.h"
#include "extract/WordEdges.h"

#include <array>
#include <cstring>
#include <utility>

namespace harvelux::extract {

namespace {

// What one byte says about the word around it. Bytes from 0x80 on belong
// to characters of two to four bytes, which are decoded to be classified.
enum class ByteKind : unsigned char { Word, Break, Special, Multi };

std::array<ByteKind, 256> makeByteKinds() {
    std::array<ByteKind, 256> kinds{};
    for (unsigned b = 0; b < 256; ++b) {
        if (b >= 0x80) {
            kinds[b] = ByteKind::Multi;
            continue;
        }
        switch (roleOf(b)) {
            case CharRole::Word:
                kinds[b] = ByteKind::Word;
                break;
            case CharRole::Break:
                kinds[b] = ByteKind::Break;
                break;
            default:
                kinds[b] = ByteKind::Special;
                break;
        }
    }
    return kinds;
}

const std::array<ByteKind, 256>& byteKinds() {
    static const std::array<ByteKind, 256> kinds = makeByteKinds();
    return kinds;
}

constexpr bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

class WordFinder {
public:
    explicit WordFinder(std::string_view text) : text_(text), kinds_(byteKinds()) {}

    // The start of the word that holds the byte before `from`, not before `floor`
    // (where a break starts).
    std::size_t startBefore(std::size_t from, std::size_t floor) {
        std::size_t i = from;
        while (i > floor) {
            const ByteKind kind = kinds_[byte(i - 1)];
            if (kind == ByteKind::Word) {
                --i;
                continue;
            }
            if (kind == ByteKind::Break) break;
            std::size_t length = 1;
            CharRole role = CharRole::Dropped;  // an ASCII hyphen of Word's
            if (kind == ByteKind::Multi) role = roleEndingAt(i, floor, length);
            if (role == CharRole::Break) break;
            special_ = special_ || role != CharRole::Word;
            i -= length;
        }
        return i;
    }

    // The end of the word that holds the byte at `from`.
    std::size_t endFrom(std::size_t from) {
        std::size_t i = from;
        const std::size_t n = text_.size();
        while (i < n) {
            const ByteKind kind = kinds_[byte(i)];
            if (kind == ByteKind::Word) {
                ++i;
                continue;
            }
            if (kind == ByteKind::Break) break;
            std::size_t length = 1;
            CharRole role = CharRole::Dropped;
            if (kind == ByteKind::Multi) {
                char32_t cp = 0;
                length = decodeUtf8At(text_, i, cp);
                role = length == 0 ? CharRole::Word : roleOf(cp);
                if (length == 0) length = 1;
            }
            if (role == CharRole::Break) break;
            special_ = special_ || role != CharRole::Word;
            i += length;
        }
        return i;
    }

    // Whether a word found since the last call held a hyphen to remove or replace.
    bool takeSpecial() { return std::exchange(special_, false); }

private:
    unsigned char byte(std::size_t i) const { return static_cast<unsigned char>(text_[i]); }

    // The role and length of the character that ends just before `end`. Its
    // lead byte is the nearest byte before that is no continuation byte; it
    // counts only when the character it starts ends exactly at `end`, which
    // is how reading forward sees it too. Otherwise the last byte stands
    // alone and belongs to a word.
    CharRole roleEndingAt(std::size_t end, std::size_t floor, std::size_t& length) {
        length = 1;
        if (!isContinuation(byte(end - 1))) return CharRole::Word;  // a lone lead byte
        for (std::size_t back = 2; back <= 4 && end - floor >= back; ++back) {
            if (isContinuation(byte(end - back))) continue;
            char32_t cp = 0;
            if (decodeUtf8At(text_, end - back, cp) != back) return CharRole::Word;
            length = back;
            return roleOf(cp);
        }
        return CharRole::Word;
    }

    std::string_view text_;
    const std::array<ByteKind, 256>& kinds_;
    bool special_ = false;
};

// The word with optional hyphens removed and non-breaking ones as "-".
std::string withHyphensSettled(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size();) {
        char32_t cp = 0;
        std::size_t length = decodeUtf8At(word, i, cp);
        const CharRole role = length == 0 ? CharRole::Word : roleOf(cp);
        if (length == 0) length = 1;
        if (role == CharRole::Hyphen)
            out += '-';
        else if (role == CharRole::Word)
            out.append(word.substr(i, length));
        i += length;
    }
    return out;
}

std::string toLowerAscii(std::string_view word) {
    std::string key(word);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

std::vector<std::string> ExtractEmails(std::string_view text, SeenAddresses& seen, const CandidatePump& pump,
                                       const AddressObserver& observe) {
    // Every candidate contains "@", so instead of cutting the whole text into
    // words, jump from one "@" to the next and widen it to its word.
    std::vector<std::string> result;
    WordFinder finder(text);
    const std::size_t n = text.size();
    std::size_t done = 0;  // everything before this offset has been examined
    std::string settled;
    while (done < n) {
        const void* hit = std::memchr(text.data() + done, '@', n - done);
        if (!hit) break;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        const std::size_t begin = finder.startBefore(at, done);
        const std::size_t end = finder.endFrom(at + 1);
        done = end;

        std::string_view word = text.substr(begin, end - begin);
        if (finder.takeSpecial()) {
            settled = withHyphensSettled(word);
            word = settled;
        }
        while (!word.empty() && word.back() == '.') word.remove_suffix(1);
        if (word.find('.') == std::string_view::npos) continue;
        if (pump) pump();
        if (word.size() > kMaxAddressLength || !IsValidEmail(word)) continue;
        if (observe) observe(word, begin, end);
        if (seen.insert(toLowerAscii(word))) result.emplace_back(word);
    }
    return result;
}

}  // namespace harvelux::extract
