// Archives and compressed files, told by their first bytes: 7-Zip, RAR,
// gzip, bzip2, xz, zstd and tar. A ZIP archive is one when no document
// format claims it (a .docx or .odt is a ZIP archive too).
#pragma once

#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

bool looksLikeArchive(std::string_view data);
// Any ZIP archive: asked last of the formats that look inside one.
bool isPlainZipArchive(const ZipArchive& zip);

}  // namespace harvelux::wordproc
