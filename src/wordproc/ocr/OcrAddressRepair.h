// Mending what optical character recognition typically gets wrong inside an
// e-mail address: "©" or "(at)" read for "@", "," for "." between the
// labels of the domain, and a space after "@". A word is mended only when
// the result has the shape of an address and the recognition was sure
// enough of the words involved; anything else is left as it was read, so
// that no address is made up.
#pragma once

#include <string>
#include <vector>

namespace harvelux::wordproc {

// One word of a recognised line and how sure the recognition was of it
// (0 to 100).
struct OcrWord {
    std::string text;
    float confidence = 0;
};

// The words a mended line consists of (fewer than given when a space after
// "@" was closed).
std::vector<std::string> repairAddressWords(const std::vector<OcrWord>& line);

// Whether `word` (UTF-8, without surrounding punctuation) has the shape of
// an address: a local part of letters, digits and ._%+-, "@", then labels
// of letters, digits and hyphens separated by dots, the last of two letters
// or more.
bool hasAddressShape(std::string_view word);

}  // namespace harvelux::wordproc
