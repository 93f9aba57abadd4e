// What a run found of each address: its first spelling, how many times it
// occurs, every document it is in with the stories it stood in there, and the
// display names written with it, counted.
//
// Small per occurrence: documents are read one after the other, so an
// occurrence in the document of the address's last one costs a bit in that
// document's set of stories and nothing more; a name already counted costs a
// count. Strings are kept once: document names and display names in tables,
// addresses in their entry.
#pragma once

#include "wordproc/StoryKind.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harvelux::extract {

class AddressIndex {
public:
    struct DocumentRef {
        std::uint32_t document;  // into documentName / documentPosition
        wordproc::StorySet stories;
    };
    struct NameCount {
        std::uint32_t name;  // into displayName
        std::uint32_t count;
    };
    struct Entry {
        std::string spelling;  // as first found
        std::uint32_t times = 0;
        std::vector<DocumentRef> documents;  // in the order they were read
        std::vector<NameCount> names;        // in order of first use
    };

    // The occurrences that follow belong to this document, numbered
    // `position` in the run's list (the number a sharded run is merged by).
    void beginDocument(std::string name, std::size_t position);
    // The same with its member number given (a merge of parts keeps the
    // numbers the parts' runs gave, documents without addresses counted).
    void beginDocument(std::string name, std::size_t position, std::size_t member);
    // Positions given from now on count from `first` instead of 1: a run over
    // a part of a list numbers its documents as the whole list does.
    void setFirstPosition(std::size_t first) { positionBase_ = first > 0 ? first - 1 : 0; }
    // An occurrence in the current document; `displayName` may be empty.
    void add(std::string_view address, wordproc::StoryKind story, std::string_view displayName = {});
    // For merging indexes: the address's occurrences in the current
    // document, `times` in all, in `stories`, and a name used `count` times.
    void addCounted(std::string_view address, wordproc::StorySet stories, std::uint32_t times);
    void addName(std::string_view address, std::string_view displayName, std::uint32_t count);

    std::size_t size() const { return entries_.size(); }
    // Addresses in order of first occurrence.
    const Entry& entry(std::size_t i) const { return entries_[i]; }
    std::optional<std::size_t> find(std::string_view address) const;

    const std::string& documentName(std::uint32_t document) const { return documents_[document].name; }
    std::size_t documentPosition(std::uint32_t document) const { return documents_[document].position; }
    // 0 for the first document of its position, 1 for the next (the inner
    // documents of a container share its position), and so on.
    std::size_t documentMember(std::uint32_t document) const { return documents_[document].member; }
    std::size_t documentCount() const { return documents_.size(); }
    const std::string& displayName(std::uint32_t name) const { return names_[name]; }
    // The entry's names, most frequent first (ties: first used first).
    std::vector<std::string_view> namesByFrequency(const Entry& entry) const;

    void clear();

private:
    Entry& entryFor(std::string_view address);
    DocumentRef& currentDocumentOf(Entry& entry);

    struct Document {
        std::string name;
        std::size_t position;
        std::size_t member;
    };
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::uint32_t> byKey_;  // lower-case address -> entry
    std::vector<Document> documents_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::uint32_t> nameIds_;
    std::string key_;  // reused for look-ups
    std::size_t positionBase_ = 0;
};

// The stories of a set, in the order of their kinds, by name.
std::vector<std::string_view> storyNames(wordproc::StorySet stories);

}  // namespace harvelux::extract
