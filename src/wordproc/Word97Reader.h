// Word 97-2003 binary documents ([MS-DOC]): the File Information Block at
// the start of the WordDocument stream, the table stream it names, and the
// piece table there that places the main story's characters.
#pragma once

#include "wordproc/CompoundFile.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The main story's text. Throws EngineError for an encrypted document and
// for a missing or damaged table stream or piece table.
std::string readWord97Text(const CompoundFile& file, std::string_view wordDocument);

}  // namespace harvelux::wordproc
