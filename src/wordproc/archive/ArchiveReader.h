// The members of an archive (ZIP, 7-Zip, tar, RAR and whatever else
// libarchive reads) or of a single compressed file (.gz, .bz2, .xz, .zst),
// read from memory, never written to disk.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string_view>

namespace harvelux::wordproc {

class MemberSink;

// Hands each file of the archive to `sink`, in the archive's order: its
// path and bytes, or why it could not be taken out (a password, damage, a
// member that inflates beyond the sink's room). Throws EngineError when the
// archive cannot be opened at all.
void listArchiveMembers(std::string_view data, MemberSink& sink);

}  // namespace harvelux::wordproc
