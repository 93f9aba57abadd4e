// The central directory of a ZIP archive, walked on its own to check what
// the libraries reading the archive take on trust.
#pragma once

#include <string_view>

namespace harvelux::wordproc {

// Whether two entries of the directory claim the same bytes of the archive:
// an entry that begins inside another's data, or two entries that share a
// local header. No archiver writes that; a ZIP bomb does, so that a few
// megabytes of one deflate stream inflate once per entry. False when the
// directory cannot be found or read (the libraries then judge the archive).
bool zipEntriesOverlap(std::string_view data);

}  // namespace harvelux::wordproc
