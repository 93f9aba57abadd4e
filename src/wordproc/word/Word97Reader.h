// Word 97-2003 binary documents ([MS-DOC]): the File Information Block at
// the start of the WordDocument stream, the table stream it names, and the
// piece table there that places the main story's characters.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The name of the table stream ("0Table" or "1Table") the document uses.
// Throws EngineError for an encrypted document.
std::u16string_view word97TableStreamName(std::string_view wordDocument);

// The main story's text (and with `options`, the other stories). Throws EngineError for an encrypted document and
// for a damaged FIB or piece table.
std::string readWord97Text(std::string_view wordDocument, std::string_view table, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
