// A check of a WordPerfect 5 document's prefix before libwpd reads it. The
// prefix's graphics packet lists the sizes of the pictures the document
// holds, and libwpd allocates each picture's size before it reads a byte of
// it: a hostile file of a few kilobytes asks for gigabytes. A picture cannot
// be larger than the file that holds it, so a document whose packet says so
// is damaged, and refused here without libwpd.
#pragma once

#include <string_view>

namespace harvelux::wordproc {

// Throws EngineError (damaged) when a WordPerfect 5 document's graphics
// packet lists pictures larger than the file; other documents, and
// encrypted ones (whose prefix cannot be read), pass.
void checkWordPerfectPrefix(std::string_view data);

}  // namespace harvelux::wordproc
