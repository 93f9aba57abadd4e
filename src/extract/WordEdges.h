// Where words begin and end in a document's text, character by character.
//
// A word ends at every control character (TAB, CR, line feed, form feed,
// note marks, ...), at the space and the printable ASCII punctuation other
// than "+ - . @ _", and at every character outside ASCII whose Unicode
// category is punctuation, symbol, separator or other. Letters, marks and
// digits of every script stay inside words. Three kinds of character are
// not simply breaks: the optional hyphens (Word's U+001F and the soft
// hyphen U+00AD) vanish; the non-breaking hyphens (Word's U+001E, U+2011)
// and U+2010 HYPHEN read as "-"; an apostrophe (U+0027, or U+2019 as Word
// types it) between two letters or digits of a local part reads as "'",
// and is a break anywhere else.
//
// Scripts written without spaces (Han, kana, Thai, ...) glue words to the
// addresses among them, so a word also ends between one of their letters
// and an ASCII character; with international addresses, only between one
// of their letters and an ASCII letter or digit, so that "@", "." and "-"
// join an address written in those scripts.
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::extract {

enum class CharRole : unsigned char {
    Word,        // part of a word
    Break,       // ends a word
    Dropped,     // part of no word: removed
    Hyphen,      // read as "-"
    Apostrophe,  // "'" between letters or digits of a local part, else a break
};

CharRole roleOf(char32_t cp);

// The well-formed UTF-8 character starting at text[at]: its length (1 to 4)
// and code point, or 0 when the bytes there are not one. A byte that starts
// no character is part of a word, like a letter.
std::size_t decodeUtf8At(std::string_view text, std::size_t at, char32_t& cp);

// One character of the text as the word cutting sees it. A byte that starts
// no character is a character of its own, of length 1, with the role Word.
struct TextChar {
    char32_t cp = 0;
    std::size_t length = 0;
    CharRole role = CharRole::Break;
};

// The character starting at text[at] (at < text.size()).
TextChar charAt(std::string_view text, std::size_t at);

// The character ending just before text[end], not starting before `floor`
// (floor < end). Its lead byte is the nearest byte before that is no
// continuation byte; it counts only when the character it starts ends
// exactly at `end`, which is how reading forward sees it too. Otherwise the
// last byte stands alone.
TextChar charEndingAt(std::string_view text, std::size_t end, std::size_t floor);

// A letter or digit of any script (a mark counts with its letter; a stray
// byte counts as a letter): what may stand on both sides of an apostrophe.
bool isLetterOrDigit(const TextChar& c);

// A letter, mark or digit of a script written without spaces.
bool isSpacelessLetter(const TextChar& c);

// Whether a word ends between two adjacent characters of a word: one is a
// letter of a script written without spaces, the other an ASCII character
// (or one read as ASCII: U+2010, U+2011, U+2019), or with `international`
// an ASCII letter or digit.
bool cutsBetween(const TextChar& before, const TextChar& after, bool international);

}  // namespace harvelux::extract
