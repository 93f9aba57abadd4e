// Bounds-checked little-endian reads from untrusted bytes. Every read that
// would leave the buffer throws EngineError naming what was being read.
#pragma once

#include "wordproc/EngineInterface.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// True when [offset, offset + length) lies inside a buffer of `size` bytes,
// computed without overflow.
inline bool fitsIn(std::uint64_t size, std::uint64_t offset, std::uint64_t length) {
    return offset <= size && length <= size - offset;
}

// The bytes [offset, offset + length) of `data`; throws when they leave it.
inline std::string_view sliceOf(std::string_view data, std::uint64_t offset, std::uint64_t length, const char* what) {
    if (!fitsIn(data.size(), offset, length)) throw EngineError(std::string(what) + " lies outside its data");
    return data.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

// The byte at `offset`, which the caller has made sure lies inside `data`.
inline std::uint8_t byteAt(std::string_view data, std::size_t offset) {
    return static_cast<std::uint8_t>(data[offset]);
}

inline std::uint16_t le16(std::string_view data, std::uint64_t offset, const char* what) {
    const std::string_view b = sliceOf(data, offset, 2, what);
    return static_cast<std::uint16_t>(byteAt(b, 0) | (byteAt(b, 1) << 8));
}

inline std::uint32_t le32(std::string_view data, std::uint64_t offset, const char* what) {
    const std::string_view b = sliceOf(data, offset, 4, what);
    return static_cast<std::uint32_t>(byteAt(b, 0)) | (static_cast<std::uint32_t>(byteAt(b, 1)) << 8) |
           (static_cast<std::uint32_t>(byteAt(b, 2)) << 16) | (static_cast<std::uint32_t>(byteAt(b, 3)) << 24);
}

inline std::uint64_t le64(std::string_view data, std::uint64_t offset, const char* what) {
    return le32(data, offset, what) | (static_cast<std::uint64_t>(le32(data, offset + 4, what)) << 32);
}

}  // namespace harvelux::wordproc
