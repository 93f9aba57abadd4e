// --merge: the JSON Lines outputs of runs over consecutive parts of one
// list (each run told the list position of its first document with
// --first-position) merged into the index one run over the whole list gives:
// addresses in order of first occurrence (by the position of their first
// document), first spelling, every document in list order, counts and
// names added up.
#pragma once

#include "extract/AddressIndex.h"

#include <string>
#include <string_view>
#include <vector>

namespace harvelux::cli {

// One part's output, as harvelux-extract --format jsonl writes it; false with
// a sentence in `error` for a line that is not such an object.
bool mergeJsonLines(std::string_view part, std::vector<struct PartEntry>& into, std::string& error);

struct PartEntry {
    struct Document {
        std::string path;
        std::size_t position = 0;
        // Its number among the documents of its position: the inner
        // documents of one container share their container's position.
        std::size_t read = 0;
        wordproc::StorySet stories = 0;
    };
    std::string address;
    std::vector<std::pair<std::string, std::uint32_t>> names;  // most frequent first
    std::uint32_t times = 0;
    std::vector<Document> documents;
    std::size_t order = 0;  // the line's number over all parts
};

// The index the entries of every part give together.
extract::AddressIndex mergedIndex(std::vector<PartEntry> entries);

}  // namespace harvelux::cli
