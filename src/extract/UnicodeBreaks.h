// Which characters outside ASCII end a word: those whose Unicode general
// category is punctuation, symbol, separator or other (controls, format
// characters, private use, unassigned). Letters, marks and digits of every
// script do not. And which letters, marks and digits belong to the scripts
// written without spaces between words (Han, Hiragana, Katakana, Bopomofo,
// Thai, Lao, Khmer, Myanmar). The tables are generated
// (scripts/gen_unicode_breaks.py) so the extractor needs no Unicode library.
#pragma once

namespace harvelux::extract {

// For a code point from U+0080 on; values past U+10FFFF count as breaks.
bool endsWordOutsideAscii(char32_t cp);

// For a code point from U+0080 on: a letter, mark or digit of a script
// written without spaces.
bool isSpacelessScriptLetter(char32_t cp);

}  // namespace harvelux::extract
