#include "extract/AddressIndex.h"

#include <algorithm>
#include <stdexcept>

namespace harvelux::extract {

namespace {

void lowerInto(std::string_view address, std::string& key) {
    key.assign(address);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

}  // namespace

void AddressIndex::beginDocument(std::string name, std::size_t position) {
    position += positionBase_;
    const std::size_t member =
        !documents_.empty() && documents_.back().position == position ? documents_.back().member + 1 : 0;
    documents_.push_back({std::move(name), position, member});
}

void AddressIndex::beginDocument(std::string name, std::size_t position, std::size_t member) {
    documents_.push_back({std::move(name), position + positionBase_, member});
}

AddressIndex::Entry& AddressIndex::entryFor(std::string_view address) {
    lowerInto(address, key_);
    const auto found = byKey_.find(key_);
    if (found != byKey_.end()) return entries_[found->second];
    byKey_.emplace(key_, static_cast<std::uint32_t>(entries_.size()));
    Entry& entry = entries_.emplace_back();
    entry.spelling.assign(address);
    return entry;
}

AddressIndex::DocumentRef& AddressIndex::currentDocumentOf(Entry& entry) {
    if (documents_.empty()) beginDocument(std::string(), 0);
    const auto current = static_cast<std::uint32_t>(documents_.size() - 1);
    if (entry.documents.empty() || entry.documents.back().document != current) entry.documents.push_back({current, 0});
    return entry.documents.back();
}

void AddressIndex::add(std::string_view address, wordproc::StoryKind story, std::string_view displayName) {
    Entry& entry = entryFor(address);
    ++entry.times;
    currentDocumentOf(entry).stories |= wordproc::storyBit(story);
    if (!displayName.empty()) addName(address, displayName, 1);
}

void AddressIndex::addCounted(std::string_view address, wordproc::StorySet stories, std::uint32_t times) {
    Entry& entry = entryFor(address);
    entry.times += times;
    currentDocumentOf(entry).stories |= stories;
}

void AddressIndex::addName(std::string_view address, std::string_view displayName, std::uint32_t count) {
    Entry& entry = entryFor(address);
    auto [id, added] = nameIds_.try_emplace(std::string(displayName), static_cast<std::uint32_t>(names_.size()));
    if (added) names_.emplace_back(displayName);
    for (NameCount& name : entry.names)
        if (name.name == id->second) {
            name.count += count;
            return;
        }
    entry.names.push_back({id->second, count});
}

std::optional<std::size_t> AddressIndex::find(std::string_view address) const {
    std::string key;
    lowerInto(address, key);
    const auto found = byKey_.find(key);
    if (found == byKey_.end()) return std::nullopt;
    return found->second;
}

std::vector<std::string_view> AddressIndex::namesByFrequency(const Entry& entry) const {
    std::vector<NameCount> sorted = entry.names;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const NameCount& a, const NameCount& b) { return a.count > b.count; });
    std::vector<std::string_view> names;
    names.reserve(sorted.size());
    for (const NameCount& name : sorted) names.emplace_back(names_[name.name]);
    return names;
}

void AddressIndex::clear() {
    const std::size_t base = positionBase_;
    *this = AddressIndex();
    positionBase_ = base;
}

std::vector<std::string_view> storyNames(wordproc::StorySet stories) {
    // Main text first, then the others in the order they follow it.
    static constexpr wordproc::StoryKind kOrder[] = {
        wordproc::StoryKind::Main,           wordproc::StoryKind::MailHeader, wordproc::StoryKind::Footnotes,
        wordproc::StoryKind::Endnotes,       wordproc::StoryKind::Comments,   wordproc::StoryKind::TextBoxes,
        wordproc::StoryKind::HeadersFooters, wordproc::StoryKind::Notes,      wordproc::StoryKind::Properties,
        wordproc::StoryKind::LinkTargets,
    };
    std::vector<std::string_view> names;
    for (const wordproc::StoryKind kind : kOrder)
        if ((stories & wordproc::storyBit(kind)) != 0) names.push_back(wordproc::storyName(kind));
    return names;
}

}  // namespace harvelux::extract
