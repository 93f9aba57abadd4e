#include "results/AddressTable.h"

#include "common/JoinedText.h"

#include "extract/WordEdges.h"

#include <algorithm>

#include <cstdio>

namespace harvelux::results {

namespace {

using extract::AddressIndex;

std::string firstDocument(const AddressIndex& index, const AddressIndex::Entry& entry) {
    return entry.documents.empty() ? std::string() : index.documentName(entry.documents.front().document);
}

std::string csvRow(const AddressIndex& index, const AddressIndex::Entry& entry) {
    const std::vector<std::string_view> names = index.namesByFrequency(entry);
    std::string row;
    row += csvField(entry.spelling) + ',';
    row += csvField(names.empty() ? std::string_view() : names.front()) + ',';
    row += std::to_string(entry.documents.size()) + ',';
    row += std::to_string(entry.times) + ',';
    row += csvField(firstDocument(index, entry)) + ',';
    row += csvField(documentsCell(index, entry)) + ',';
    row += csvField(whereCell(index, entry));
    row += "\r\n";
    return row;
}

std::string jsonArray(const std::vector<std::string_view>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += jsonString(items[i]);
    }
    return out + ']';
}

std::string jsonLine(const AddressIndex& index, const AddressIndex::Entry& entry) {
    const std::vector<std::string_view> names = index.namesByFrequency(entry);
    std::string line = "{\"address\":" + jsonString(entry.spelling);
    line += ",\"name\":" + jsonString(names.empty() ? std::string_view() : names.front());
    line += ",\"names\":[";
    // Counted, most frequent first, so that merged parts count them again.
    std::vector<AddressIndex::NameCount> counted = entry.names;
    std::stable_sort(
        counted.begin(), counted.end(),
        [](const AddressIndex::NameCount& a, const AddressIndex::NameCount& b) { return a.count > b.count; });
    for (std::size_t i = 0; i < counted.size(); ++i) {
        if (i > 0) line += ',';
        line += "{\"name\":" + jsonString(index.displayName(counted[i].name)) +
                ",\"times\":" + std::to_string(counted[i].count) + '}';
    }
    line += "],\"documents\":" + std::to_string(entry.documents.size());
    line += ",\"times\":" + std::to_string(entry.times);
    line += ",\"first_document\":" + jsonString(firstDocument(index, entry));
    line += ",\"all_documents\":[";
    for (std::size_t i = 0; i < entry.documents.size(); ++i) {
        const AddressIndex::DocumentRef& document = entry.documents[i];
        if (i > 0) line += ',';
        line += "{\"path\":" + jsonString(index.documentName(document.document)) +
                ",\"position\":" + std::to_string(index.documentPosition(document.document)) +
                ",\"member\":" + std::to_string(index.documentMember(document.document)) +
                ",\"stories\":" + jsonArray(extract::storyNames(document.stories)) + '}';
    }
    line += "]}\n";
    return line;
}

template <typename Format>
bool writeEach(const AddressIndex& index, const std::vector<std::size_t>& entries, const ExportOutput& output,
               Format format) {
    std::string piece;
    for (const std::size_t i : entries) {
        piece += format(index, index.entry(i));
        if (piece.size() < 64 * 1024) continue;
        if (!output(piece)) return false;
        piece.clear();
    }
    return piece.empty() || output(piece);
}

}  // namespace

std::vector<std::size_t> allEntries(const AddressIndex& index) {
    std::vector<std::size_t> entries(index.size());
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = i;
    return entries;
}

std::string csvField(std::string_view value) {
    const bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!quote) return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string jsonString(std::string_view value) {
    std::string out = "\"";
    for (std::size_t i = 0; i < value.size();) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte >= 0x80) {
            char32_t cp = 0;
            const std::size_t length = extract::decodeUtf8At(value, i, cp);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(value.substr(i, length));
                i += length;
            }
            continue;
        }
        ++i;
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out + '"';
}

std::string namesCell(const AddressIndex& index, const AddressIndex::Entry& entry) {
    return joinedText(index.namesByFrequency(entry), "; ");
}

std::string documentsCell(const AddressIndex& index, const AddressIndex::Entry& entry) {
    std::vector<std::string_view> names;
    for (const AddressIndex::DocumentRef& document : entry.documents)
        names.emplace_back(index.documentName(document.document));
    return joinedText(names, "\n");
}

std::string whereCell(const AddressIndex&, const AddressIndex::Entry& entry) {
    std::string out;
    for (std::size_t i = 0; i < entry.documents.size(); ++i) {
        if (i > 0) out += '\n';
        out += joinedText(extract::storyNames(entry.documents[i].stories), ", ");
    }
    return out;
}

bool writeAddressCsv(const AddressIndex& index, const std::vector<std::size_t>& entries, const ExportOutput& output) {
    if (!output(std::string("\xEF\xBB\xBF") + kCsvHeader)) return false;
    return writeEach(index, entries, output, csvRow);
}

bool writeAddressJsonLines(const AddressIndex& index, const std::vector<std::size_t>& entries,
                           const ExportOutput& output) {
    return writeEach(index, entries, output, jsonLine);
}

}  // namespace harvelux::results
