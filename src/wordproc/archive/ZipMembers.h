// The members of a plain ZIP archive whose entries are all stored or
// deflated, taken out with the sizes and CRCs of its central directory and
// inflated with libdeflate, which is several times as fast as the zlib
// inside libarchive. Other ZIP archives are left to libarchive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

class MemberSink;

// Hands each file of the archive to `sink` in the order of the data, as
// listArchiveMembers does; false, having handed nothing, when the archive
// is not one this reads whole (no directory, an entry encrypted or
// compressed otherwise, a name whose encoding is not plain, entries that
// overlap or leave the data).
bool listZipMembers(std::string_view data, MemberSink& sink);

// The `size` bytes that `compressed` inflates to by `method` (0 stored, 8
// deflate), checked against `crc`; false when they are not exactly that.
bool inflateZipMember(std::string_view compressed, std::uint16_t method, std::uint64_t size, std::uint32_t crc,
                      std::string& out);

}  // namespace harvelux::wordproc
