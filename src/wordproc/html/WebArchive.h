// Web archives (.mht, .mhtml: a web page saved with its pictures and style
// sheets as one MIME message, multipart/related). The page is the first
// text/html part; it is decoded here and handed to the HTML reader.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes start with the headers of a MIME message whose content
// is multipart/related (what browsers and word processors save).
bool looksLikeWebArchive(std::string_view data);

// The first text/html part, its transfer encoding (quoted-printable or
// base64) undone. A part whose charset the C library can convert comes
// back as UTF-8 behind a byte-order mark, which the HTML reader puts before
// any <meta> charset; otherwise as it was, for the reader to recognise.
// Throws EngineError when the archive holds no HTML part.
std::string webArchivePage(std::string_view data);

}  // namespace harvelux::wordproc
