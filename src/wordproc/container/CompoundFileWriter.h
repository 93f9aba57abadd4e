// Writes one storage of a compound file, with everything below it, as a
// compound file of its own, in memory: an attached Outlook message or an
// object embedded in a document (a workbook in a Word document's
// ObjectPool) becomes a document the engine can recognise and read like any
// other file.
#pragma once

#include "wordproc/container/CompoundFile.h"

#include <cstdint>
#include <string>

namespace harvelux::wordproc {

// The storage `storage` of `source` as the root of a new compound file
// (4096-byte sectors, streams under 4096 bytes in the mini stream). Throws
// EngineError when a stream cannot be read, or TooLarge past the caps on
// entries, nesting and size.
std::string writeStorageAsCompoundFile(const CompoundFile& source, std::uint32_t storage);

}  // namespace harvelux::wordproc
