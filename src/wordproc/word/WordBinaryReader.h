// Word binary documents (.doc, .dot): a compound file whose root holds a
// WordDocument stream. Its File Information Block tells Word 97-2003 from
// Word 6/95.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/container/CompoundFile.h"

#include <string>

namespace harvelux::wordproc {

bool isWordBinary(const CompoundFile& file);

// The main story's text. Throws EngineError for encrypted, damaged and
// unsupported documents.
std::string readWordBinaryText(const CompoundFile& file, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
