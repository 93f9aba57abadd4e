#include "results/IndexColumns.h"

#include "common/JoinedText.h"
#include "results/AddressTable.h"

namespace harvelux::results {

namespace {

using extract::AddressIndex;

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename Number>
int compareNumbers(Number a, Number b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

std::string_view firstName(const AddressIndex& index, const AddressIndex::Entry& entry) {
    if (entry.names.empty()) return {};
    // The most frequent name; of equals, the first used.
    const AddressIndex::NameCount* best = &entry.names.front();
    for (const AddressIndex::NameCount& name : entry.names)
        if (name.count > best->count) best = &name;
    return index.displayName(best->name);
}

std::string_view firstDocument(const AddressIndex& index, const AddressIndex::Entry& entry) {
    return entry.documents.empty() ? std::string_view()
                                   : std::string_view(index.documentName(entry.documents.front().document));
}

wordproc::StorySet allStories(const AddressIndex::Entry& entry) {
    wordproc::StorySet stories = 0;
    for (const AddressIndex::DocumentRef& document : entry.documents) stories |= document.stories;
    return stories;
}

// Every document with its stories: "/d/a.docx (main text, footer)".
std::string documentsWithStories(const AddressIndex& index, const AddressIndex::Entry& entry) {
    std::string out;
    for (const AddressIndex::DocumentRef& document : entry.documents) {
        if (!out.empty()) out += '\n';
        out += index.documentName(document.document);
        const std::vector<std::string_view> stories = extract::storyNames(document.stories);
        if (!stories.empty()) out += " (" + joinedText(stories, ", ") + ')';
    }
    return out;
}

struct ColumnInfo {
    IndexColumn column;
    const char* caption;
    long long widthTwips;
};

constexpr ColumnInfo kInfo[] = {
    {IndexColumn::Name, "Name", 2400},   {IndexColumn::Documents, "Documents", 1300},
    {IndexColumn::Times, "Times", 1000}, {IndexColumn::FoundIn, "Found In", 4500},
    {IndexColumn::Where, "Where", 2400},
};

const ColumnInfo& infoOf(IndexColumn column) { return kInfo[static_cast<std::size_t>(column)]; }

}  // namespace

const char* indexColumnCaption(IndexColumn column) { return infoOf(column).caption; }

long long indexColumnWidthTwips(IndexColumn column) { return infoOf(column).widthTwips; }

std::string indexColumnsSetting(const std::vector<IndexColumn>& columns) {
    std::string out;
    for (const IndexColumn column : columns) {
        if (!out.empty()) out += ',';
        out += indexColumnCaption(column);
    }
    return out;
}

std::vector<IndexColumn> indexColumnsFromSetting(std::string_view setting) {
    std::vector<IndexColumn> columns;
    for (const IndexColumn column : kIndexColumns) {
        std::string_view rest = setting;
        while (true) {
            const std::size_t comma = rest.find(',');
            if (rest.substr(0, comma) == indexColumnCaption(column)) {
                columns.push_back(column);
                break;
            }
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    return columns;
}

std::string indexCellText(const AddressIndex& index, const AddressIndex::Entry& entry, IndexColumn column) {
    switch (column) {
        case IndexColumn::Name:
            return std::string(firstName(index, entry));
        case IndexColumn::Documents:
            return std::to_string(entry.documents.size());
        case IndexColumn::Times:
            return std::to_string(entry.times);
        case IndexColumn::FoundIn:
            return std::string(firstDocument(index, entry));
        case IndexColumn::Where:
            return joinedText(extract::storyNames(allStories(entry)), ", ");
    }
    return {};
}

std::string indexCellToolTip(const AddressIndex& index, const AddressIndex::Entry& entry, IndexColumn column) {
    switch (column) {
        case IndexColumn::Name:
            return joinedText(index.namesByFrequency(entry), "\n");
        case IndexColumn::FoundIn:
        case IndexColumn::Where:
            return documentsWithStories(index, entry);
        case IndexColumn::Documents:
        case IndexColumn::Times:
            return {};
    }
    return {};
}

int compareTextsCaseBlind(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char x = asciiLower(a[i]);
        const char y = asciiLower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int compareIndexCells(const AddressIndex& index, const AddressIndex::Entry& a, const AddressIndex::Entry& b,
                      IndexColumn column) {
    switch (column) {
        case IndexColumn::Name:
            return compareTextsCaseBlind(firstName(index, a), firstName(index, b));
        case IndexColumn::Documents:
            return compareNumbers(a.documents.size(), b.documents.size());
        case IndexColumn::Times:
            return compareNumbers(a.times, b.times);
        case IndexColumn::FoundIn:
            return compareTextsCaseBlind(firstDocument(index, a), firstDocument(index, b));
        case IndexColumn::Where:
            return compareTextsCaseBlind(indexCellText(index, a, column), indexCellText(index, b, column));
    }
    return 0;
}

}  // namespace harvelux::results
