// The text of one Outlook message, whichever file it came from (.msg,
// winmail.dat, a mail store): one line per address, `Display Name
// <address>` or the bare address, sender first; the subject; then the body.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <utility>
#include <vector>

namespace harvelux::wordproc {

struct OutlookMessageParts {
    std::vector<std::pair<std::string, std::string>> people;  // display name, address (UTF-8)
    std::string subject;
    std::string plainBody;      // UTF-8
    std::string htmlBody;       // HTML as stored
    std::string compressedRtf;  // PR_RTF_COMPRESSED as stored
    std::string transportHeaders;
};

// The message's text. The body is the plain one, else the HTML one (through
// the HTML reader), else the compressed RTF one (decompressed and read as
// RTF); with `options.allStories` the HTML body follows a plain one, and the
// Internet headers the message was received with close the text.
std::string composeOutlookMessageText(const OutlookMessageParts& parts, const ReadOptions& options);

// UTF-16LE bytes as UTF-8 (up to the first NUL); lone surrogates become U+FFFD.
std::string utf16LeToUtf8(std::string_view bytes);

// An 8-bit string property as UTF-8: as it is when it is valid UTF-8, else
// read as Windows-1252.
std::string eightBitToUtf8(std::string_view bytes);

}  // namespace harvelux::wordproc
