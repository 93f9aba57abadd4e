// WordprocessingML packages (.docx .docm .dotx .dotm), transitional or
// strict: the main document part found through the package relationships,
// and the text of its body.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>

namespace harvelux::wordproc {

class ZipArchive;

// Whether the archive holds a WordprocessingML main document.
bool isOoxmlPackage(const ZipArchive& zip);

std::string readOoxmlText(const ZipArchive& zip, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
