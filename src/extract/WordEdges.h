// Where words begin and end in a document's text, character by character.
//
// A word ends at every control character (TAB, CR, line feed, form feed,
// note marks, ...), at the space and the printable ASCII punctuation other
// than "+ - . @ _", and at every character outside ASCII whose Unicode
// category is punctuation, symbol, separator or other. Letters, marks and
// digits of every script stay inside words. Two kinds of hyphen are not
// seen as breaks: the optional hyphens (Word's U+001F and the soft hyphen
// U+00AD) vanish, and the non-breaking hyphens (Word's U+001E and U+2011)
// read as "-".
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::extract {

enum class CharRole : unsigned char {
    Word,     // part of a word
    Break,    // ends a word
    Dropped,  // part of no word: removed
    Hyphen,   // read as "-"
};

CharRole roleOf(char32_t cp);

// The well-formed UTF-8 character starting at text[at]: its length (1 to 4)
// and code point, or 0 when the bytes there are not one. A byte that starts
// no character is part of a word, like a letter.
std::size_t decodeUtf8At(std::string_view text, std::size_t at, char32_t& cp);

}  // namespace harvelux::extract
