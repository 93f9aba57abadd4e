// The read options a fuzz input is read with: whole documents for about
// half of the inputs, chosen by the input's last byte and its length, so
// that the fuzzer reaches the readers of the other stories as well as the
// main-story-only paths, and a mutation can switch between them.
#pragma once

#include "wordproc/ReadOptions.h"

#include <cstddef>
#include <cstdint>

inline harvelux::wordproc::ReadOptions fuzzReadOptions(const std::uint8_t* data, std::size_t size) {
    harvelux::wordproc::ReadOptions options;
    options.allStories = size > 0 && (((data[size - 1] ^ size) & 1) != 0);
    return options;
}
