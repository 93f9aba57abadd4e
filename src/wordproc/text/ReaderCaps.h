// Caps that keep a hostile document from exhausting memory or the stack.
#pragma once

#include <cstddef>
#include <cstdint>

namespace harvelux::wordproc {

inline constexpr std::uint64_t kMaxFileBytes = 1ull << 30;        // a document file
inline constexpr std::uint64_t kMaxInflatedBytes = 256ull << 20;  // one decompressed part
inline constexpr std::uint64_t kMaxInflateRatio = 1000;           // part size / compressed size
inline constexpr std::size_t kMaxNesting = 1000;                  // element or group depth
inline constexpr std::size_t kMaxTextBytes = 256ull << 20;        // text read from one document
inline constexpr std::size_t kMaxTextRatio = 1000;                // text size / file size
inline constexpr std::uint64_t kMaxStreamBytes = 256ull << 20;    // one stream of a compound file
inline constexpr std::uint64_t kMaxMarkupBytes = 256ull << 20;    // an HTML document parsed into a tree

}  // namespace harvelux::wordproc
