// The display name written with an address: "Jane Doe <jane@example.org>",
// "\"Doe, Jane\" <jane@example.org>", an e-mail header's "From: Jane Doe
// <jane@example.org>", or a mailto: link written as its text before the
// address in angle brackets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux::extract {

// The longest name kept, in bytes; longer text before "<" is no name.
inline constexpr std::size_t kMaxDisplayNameBytes = 128;
// The most words an unquoted name runs back over.
inline constexpr std::size_t kMaxDisplayNameWords = 4;

// The name before the address whose word runs from `begin` to `end` in
// `text`, when the address stands in angle brackets after one; otherwise "".
std::string displayNameBefore(std::string_view text, std::size_t begin, std::size_t end);

}  // namespace harvelux::extract
