// The stories a Word binary document keeps after its main story in the
// text stream, each a run of character positions whose length the File
// Information Block gives: footnotes, headers and footers, macro text
// (unused), annotations, endnotes, text boxes, header text boxes.
#pragma once

#include "wordproc/text/OtherStories.h"

#include <array>
#include <cstdint>

namespace harvelux::wordproc {

// ccpText, ccpFtn, ccpHdd, ccpMcr, ccpAtn, ccpEdn, ccpTxbx, ccpHdrTxbx, in
// the order of the stream (and of both FIBs).
using StoryLengths = std::array<std::uint32_t, 8>;

// Adds each story after the main one as `readRange(cpStart, cpEnd)` gives
// it; a story that cannot be read (past the end of the stream, a damaged
// piece) reads as empty.
template <typename ReadRange>
void readWordSubdocuments(const StoryLengths& lengths, ReadRange readRange, OtherStories& stories) {
    std::array<std::uint64_t, 9> starts{};
    for (std::size_t i = 0; i < lengths.size(); ++i) starts[i + 1] = starts[i] + lengths[i];
    // Index in the stream's order, and the kind of story it is.
    constexpr std::pair<std::size_t, StoryKind> kStories[] = {
        {1, StoryKind::Footnotes}, {5, StoryKind::Endnotes},  {4, StoryKind::Comments},
        {6, StoryKind::TextBoxes}, {7, StoryKind::TextBoxes}, {2, StoryKind::HeadersFooters}};
    for (const auto& [index, kind] : kStories) {
        if (lengths[index] == 0) continue;
        stories.read(kind, [&, index = index] { return readRange(starts[index], starts[index + 1]); });
    }
}

}  // namespace harvelux::wordproc
