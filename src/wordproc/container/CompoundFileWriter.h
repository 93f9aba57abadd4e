// Writes one storage of a compound file, with everything below it, as a
// compound file of its own, in memory: an attached Outlook message or an
// object embedded in a document (a workbook in a Word document's
// ObjectPool) becomes a document the engine can recognise and read like any
// other file. Also writes a tree built in memory (a mail store's message as
// an Outlook message file).
#pragma once

#include "wordproc/container/CompoundFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace harvelux::wordproc {

// The storage `storage` of `source` as the root of a new compound file
// (4096-byte sectors, streams under 4096 bytes in the mini stream). Throws
// EngineError when a stream cannot be read, or TooLarge past the caps on
// entries, nesting and size.
std::string writeStorageAsCompoundFile(const CompoundFile& source, std::uint32_t storage);

// A storage or stream of a compound file built in memory: a storage has
// children, a stream data.
struct CompoundNode {
    std::u16string name;
    bool storage = false;
    std::string data;
    std::vector<CompoundNode> children;
};

// `root`'s children as the root storage of a new compound file, laid out
// as above, with the same caps.
std::string writeCompoundFile(const CompoundNode& root);

}  // namespace harvelux::wordproc
