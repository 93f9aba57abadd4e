// Containers made to exhaust a reader, built in memory in well under a
// second each: the tests read them, and bench/make_hostile_containers writes
// them out for timing the whole program over them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace harvelux::testfiles::hostile {

// 16 ZIPs in each ZIP, 5 levels deep, each ZIP of the lowest level holding
// 16 files of 1 GiB of zeros: 2^50 bytes (1 PiB) in all. `disguised`: each
// ZIP's first entry is "[Content_Types].xml", as a document package's is.
std::string nestedZipBomb(bool disguised = false);

// One layer: `entries` central-directory entries that all point at the same
// deflate stream of `memberBytes` zeros. As a .docx, the entries are
// embeddings of a Word package beside its real main part.
std::string overlappingZipBomb(std::size_t entries, std::uint64_t memberBytes, bool asDocx);

// A ZIP holding "self.zip", a ZIP that again holds "self.zip", `levels`
// deep, the innermost holding a line of text.
std::string selfNamingZip(int levels);

// A tar of `files` empty files with their raw 512-byte headers, gzipped at
// level 1.
std::string emptyFilesTarGz(std::size_t files);

// An e-mail with `count` small text attachments, each with an address.
std::string mailWithAttachments(std::size_t count);

}  // namespace harvelux::testfiles::hostile
