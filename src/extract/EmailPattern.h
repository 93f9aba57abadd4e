// The address test: whether a whole word matches the address pattern
//
//   ^([a-zA-Z0-9_\-+])([a-zA-Z0-9_\-\.+']*)@(\[((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|
//   [1-9][0-9]|[0-9])\.){3}|((([a-zA-Z0-9\-]+)\.)+))([a-zA-Z]{2,}|(25[0-5]|
//   2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\])$
//
// with ECMAScript semantics ("$" only at the very end). "+" may stand in a
// local part wherever a letter may, as plus addressing has it; an apostrophe
// anywhere after the first character (the word cutting keeps only those
// between letters or digits). The test is written by
// hand as a linear scan: a backtracking regex engine recurses per character
// and overflows the stack on the very long words a document may contain.
#pragma once

#include <string_view>

namespace harvelux::extract {

// The pattern in its textual form, for differential tests against a regex engine.
inline constexpr std::string_view kEmailPattern =
    "^([a-zA-Z0-9_\\-+])([a-zA-Z0-9_\\-\\.+']*)@(\\[((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\\.){3}|"
    "((([a-zA-Z0-9\\-]+)\\.)+))([a-zA-Z]{2,}|(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\\])$";

// True when the whole candidate (UTF-8 bytes) matches the pattern.
bool IsValidEmail(std::string_view candidate);

}  // namespace harvelux::extract
