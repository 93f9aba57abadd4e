// The address test for international addresses (RFC 6531), and the key
// that tells two spellings of one such address apart from two addresses.
//
// An international address is an address by IsValidEmail's rules, except
// that its local part and its domain's labels may also hold letters,
// combining marks and digits of any script, and its last label may be
// letters and marks of any script, at least two. The domain must pass
// libidn2's lookup (IDNA 2008 with the UTS #46 mapping, non-transitional):
// a domain libidn2 refuses is no address.
//
// Text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::extract {

// True when the whole candidate is an international address. A candidate
// of ASCII alone is tested by IsValidEmail.
bool IsValidInternationalEmail(std::string_view candidate);

// The candidate in lower case (Unicode's full case mapping) and in Unicode
// normal form C: "Jürgen@Bücher.de", "jürgen@bücher.de" and the same with
// "ü" written as "u" and a combining diaeresis give one key. An ASCII
// candidate's key is its ASCII lower case.
std::string internationalKey(std::string_view candidate);

}  // namespace harvelux::extract
