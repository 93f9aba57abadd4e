#include "extract/ExtractEmails.h"

#include "extract/EmailPattern.h"
#include "extract/InternationalAddress.h"
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

class WordFinder {
public:
    WordFinder(std::string_view text, bool international)
        : text_(text), kinds_(byteKinds()), international_(international) {}

    // The start of the word that holds the byte before `from` (an "@"), not
    // before `floor` (where the word before it ended). No "@" lies between
    // `floor` and `from`, so every apostrophe met here is in a local part.
    std::size_t startBefore(std::size_t from, std::size_t floor) {
        std::size_t i = from;
        while (i > floor) {
            const ByteKind kind = kinds_[byte(i - 1)];
            if (kind == ByteKind::Word) {
                --i;
                continue;
            }
            if (kind == ByteKind::Break || !stepBack(i, floor)) break;
        }
        return i;
    }

    // The end of the word that holds the byte at `from`, just after its "@":
    // from here on every apostrophe ends the word.
    std::size_t endFrom(std::size_t from) {
        std::size_t i = from;
        const std::size_t n = text_.size();
        while (i < n) {
            const ByteKind kind = kinds_[byte(i)];
            if (kind == ByteKind::Word) {
                ++i;
                continue;
            }
            if (kind == ByteKind::Break || !stepForward(i, from)) break;
        }
        return i;
    }

    // Whether a word found since the last call held a character to remove or replace.
    bool takeSpecial() { return std::exchange(special_, false); }

private:
    unsigned char byte(std::size_t i) const { return static_cast<unsigned char>(text_[i]); }

    // Past the character that is no plain ASCII word character and ends at
    // `i`: false when the word begins at `i` (or at the new `i`, set to the
    // start of a letter of a script without spaces that begins the word).
    // Kept out of line so the loops over ASCII stay small.
    [[gnu::noinline]] bool stepBack(std::size_t& i, std::size_t floor) {
        const TextChar c = charEndingAt(text_, i, floor);
        if (c.role == CharRole::Break) return false;
        const std::size_t start = i - c.length;
        if (c.role == CharRole::Apostrophe) {
            if (start == floor || !apostropheJoins(charEndingAt(text_, start, floor), c, charAt(text_, i)))
                return false;
        } else if (isSpacelessLetter(c)) {
            if (cutsBetween(c, charAt(text_, i), international_)) return false;
            if (start > floor && cutsBetween(charEndingAt(text_, start, floor), c, international_)) {
                i = start;
                return false;
            }
        }
        special_ = special_ || c.role != CharRole::Word;
        i = start;
        return true;
    }

    // Past the character at `i` the same way, reading forward from `from`.
    [[gnu::noinline]] bool stepForward(std::size_t& i, std::size_t from) {
        const TextChar c = charAt(text_, i);
        if (c.role == CharRole::Break || c.role == CharRole::Apostrophe) return false;
        if (isSpacelessLetter(c)) {
            if (cutsBetween(charEndingAt(text_, i, from - 1), c, international_)) return false;
            if (i + c.length < text_.size() && cutsBetween(c, charAt(text_, i + c.length), international_)) {
                i += c.length;
                return false;
            }
        }
        special_ = special_ || c.role != CharRole::Word;
        i += c.length;
        return true;
    }

    bool apostropheJoins(const TextChar& left, const TextChar& apostrophe, const TextChar& right) const {
        return isLetterOrDigit(left) && isLetterOrDigit(right) && !cutsBetween(left, apostrophe, international_) &&
               !cutsBetween(apostrophe, right, international_);
    }

    std::string_view text_;
    const std::array<ByteKind, 256>& kinds_;
    bool international_;
    bool special_ = false;
};

// The word with optional hyphens removed, the other hyphens as "-" and the
// apostrophes (all of them joined ones here) as "'".
std::string settled(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size();) {
        const TextChar c = charAt(word, i);
        if (c.role == CharRole::Hyphen)
            out += '-';
        else if (c.role == CharRole::Apostrophe)
            out += '\'';
        else if (c.role == CharRole::Word)
            out.append(word.substr(i, c.length));
        i += c.length;
    }
    return out;
}

bool isAscii(std::string_view word) {
    for (const char c : word)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string toLowerAscii(std::string_view word) {
    std::string key(word);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

std::vector<std::string> ExtractEmails(std::string_view text, SeenAddresses& seen, const CandidatePump& pump,
                                       AddressOptions options, const AddressObserver& observe) {
    // Every candidate contains "@", so instead of cutting the whole text into
    // words, jump from one "@" to the next and widen it to its word.
    std::vector<std::string> result;
    WordFinder finder(text, options.international);
    const std::size_t n = text.size();
    std::size_t done = 0;  // everything before this offset has been examined
    std::string settledWord;
    while (done < n) {
        const void* hit = std::memchr(text.data() + done, '@', n - done);
        if (!hit) break;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        const std::size_t begin = finder.startBefore(at, done);
        const std::size_t end = finder.endFrom(at + 1);
        done = end;

        std::string_view word = text.substr(begin, end - begin);
        if (finder.takeSpecial()) {
            settledWord = settled(word);
            word = settledWord;
        }
        while (!word.empty() && word.back() == '.') word.remove_suffix(1);
        if (word.find('.') == std::string_view::npos) continue;
        if (pump) pump();
        if (word.size() > kMaxAddressLength) continue;
        if (options.international && !isAscii(word)) {
            if (!IsValidInternationalEmail(word)) continue;
            if (observe) observe(word, begin, end);
            if (seen.insert(internationalKey(word))) result.emplace_back(word);
            continue;
        }
        if (!IsValidEmail(word)) continue;
        if (observe) observe(word, begin, end);
        if (seen.insert(toLowerAscii(word))) result.emplace_back(word);
    }
    return result;
}

}  // namespace harvelux::extract
