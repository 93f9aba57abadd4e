#include "cli/PartMerge.h"

#include "common/Utf8.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

namespace harvelux::cli {

namespace {

// Reads the objects harvelux-extract writes: strings, whole numbers, arrays
// and objects, nothing else. Throws std::runtime_error.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void expect(char c) {
        skipSpace();
        if (at_ >= text_.size() || text_[at_] != c) throw std::runtime_error(std::string("expected '") + c + "'");
        ++at_;
    }
    bool take(char c) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) break;
            const char e = text_[at_++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    out += unicodeEscape();
                    break;
                default:
                    out += e;
                    break;
            }
        }
        expect('"');
        return out;
    }
    std::uint64_t number() {
        skipSpace();
        std::uint64_t value = 0;
        const auto [end, ec] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (ec != std::errc()) throw std::runtime_error("expected a number");
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    // Calls `each` for every element of an array.
    template <typename Each>
    void array(Each each) {
        expect('[');
        if (take(']')) return;
        do each();
        while (take(','));
        expect(']');
    }
    // Calls `member(name)` for every member of an object.
    template <typename Member>
    void object(Member member) {
        expect('{');
        if (take('}')) return;
        do {
            const std::string name = string();
            expect(':');
            member(name);
        } while (take(','));
        expect('}');
    }
    bool atEnd() {
        skipSpace();
        return at_ >= text_.size();
    }

private:
    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r')) ++at_;
    }
    std::string unicodeEscape() {
        if (at_ + 4 > text_.size()) throw std::runtime_error("a short \\u escape");
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, value, 16);
        if (ec != std::errc() || end != text_.data() + at_ + 4) throw std::runtime_error("a bad \\u escape");
        at_ += 4;
        std::string out;
        appendUtf8(out, static_cast<char32_t>(value));
        return out;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

PartEntry readEntry(std::string_view line) {
    JsonReader json(line);
    PartEntry entry;
    json.object([&](const std::string& name) {
        if (name == "address") {
            entry.address = json.string();
        } else if (name == "names") {
            json.array([&] {
                std::pair<std::string, std::uint32_t> counted;
                json.object([&](const std::string& field) {
                    if (field == "name")
                        counted.first = json.string();
                    else
                        counted.second = static_cast<std::uint32_t>(json.number());
                });
                entry.names.push_back(std::move(counted));
            });
        } else if (name == "times") {
            entry.times = static_cast<std::uint32_t>(json.number());
        } else if (name == "all_documents") {
            json.array([&] {
                PartEntry::Document document;
                json.object([&](const std::string& field) {
                    if (field == "path") {
                        document.path = json.string();
                    } else if (field == "position") {
                        document.position = static_cast<std::size_t>(json.number());
                    } else if (field == "member") {
                        document.read = static_cast<std::size_t>(json.number());
                    } else {
                        json.array([&] {
                            wordproc::StoryKind kind{};
                            if (wordproc::storyFromName(json.string(), kind))
                                document.stories |= wordproc::storyBit(kind);
                        });
                    }
                });
                entry.documents.push_back(std::move(document));
            });
        } else if (name == "documents") {
            json.number();
        } else {
            json.string();  // name, first_document: given again by the others
        }
    });
    if (!json.atEnd() || entry.address.empty() || entry.documents.empty())
        throw std::runtime_error("not an address of harvelux-extract --format jsonl");
    return entry;
}

}  // namespace

bool mergeJsonLines(std::string_view part, std::vector<PartEntry>& into, std::string& error) {
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < part.size();) {
        std::size_t stop = part.find('\n', start);
        if (stop == std::string_view::npos) stop = part.size();
        const std::string_view line = part.substr(start, stop - start);
        start = stop + 1;
        ++lineNumber;
        if (line.empty()) continue;
        try {
            PartEntry entry = readEntry(line);
            entry.order = into.size();
            into.push_back(std::move(entry));
        } catch (const std::exception& e) {
            error = "line " + std::to_string(lineNumber) + ": " + e.what();
            return false;
        }
    }
    return true;
}

extract::AddressIndex mergedIndex(std::vector<PartEntry> entries) {
    // One run meets addresses in the order of their first documents, and
    // within a document in the order its part wrote them.
    std::stable_sort(entries.begin(), entries.end(), [](const PartEntry& a, const PartEntry& b) {
        return a.documents.front().position < b.documents.front().position;
    });
    struct Occurrence {
        std::size_t entry;
        wordproc::StorySet stories;
    };
    std::map<std::pair<std::size_t, std::size_t>, std::pair<std::string, std::vector<Occurrence>>> byDocument;
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (const PartEntry::Document& document : entries[i].documents) {
            auto& slot = byDocument[{document.position, document.read}];
            slot.first = document.path;
            slot.second.push_back({i, document.stories});
        }
    extract::AddressIndex index;
    for (auto& [key, document] : byDocument) {
        const std::size_t position = key.first;
        index.beginDocument(document.first, position, key.second);
        for (const Occurrence& occurrence : document.second) {
            const PartEntry& entry = entries[occurrence.entry];
            // An address found in several parts counts the times of each.
            const bool first =
                entry.documents.front().position == position && entry.documents.front().read == key.second;
            index.addCounted(entry.address, occurrence.stories, first ? entry.times : 0);
            if (first)
                for (const auto& [name, count] : entry.names) index.addName(entry.address, name, count);
        }
    }
    return index;
}

}  // namespace harvelux::cli
