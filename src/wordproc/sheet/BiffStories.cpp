#include "wordproc/sheet/BiffStories.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/sheet/BiffHyperlink.h"

#include <algorithm>
#include <array>
#include <vector>

namespace harvelux::wordproc::biff {

namespace {

constexpr std::uint16_t kNoteGoesOn = 0xFFFF;    // the row of a NOTE that continues the one before
constexpr std::size_t kTextObjectCount = 10;     // where a TXO keeps its character count
constexpr std::size_t kFutureRecordHeader = 12;  // the record type again, flags and reserved bytes
constexpr std::size_t kViewId = 16;              // the GUID of the sheet view

// Line feeds inside a comment end its lines, as paragraphs elsewhere do.
std::string withParagraphs(std::string text) {
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

}  // namespace

std::string withoutHeaderCodes(const std::string& code) {
    std::string text;
    for (std::size_t at = 0; at < code.size(); ++at) {
        if (code[at] != '&') {
            text += code[at];
        } else if (at + 1 < code.size() && code[at + 1] == '&') {
            text += code[++at];
        } else if (at + 1 < code.size() && code[at + 1] == '"') {
            const std::size_t close = code.find('"', at + 2);
            at = close == std::string::npos ? code.size() : close;
        } else {
            ++at;
            while (at + 1 < code.size() && code[at + 1] >= '0' && code[at + 1] <= '9') ++at;
            if (!text.empty() && text.back() != ' ') text += ' ';
        }
    }
    return text;
}

bool StoryRecords::read(const Record& record, Records& records) {
    if (record.type != kNote) endNote();
    switch (record.type) {
        case kTxo:
            readTextObject(record, records);
            return true;
        case kNote:
            readNote(record);
            return true;
        case kHeader:
        case kFooter:
            readHeaderFooter(record);
            return true;
        case kHeaderFooter:
            readOtherPagesHeaders(record);
            return true;
        case kHyperlink:
            stories_.addLink(hyperlinkTarget(record.body));
            return true;
        default:
            return false;
    }
}

void StoryRecords::readTextObject(const Record& record, Records& records) {
    if (record.body.size() < kTextObjectCount + 2) return;
    const std::uint16_t count = le16(record.body, kTextObjectCount, "a text object");
    std::vector<std::string_view> continues;
    records.takeContinues(continues);
    if (count == 0 || continues.empty()) return;
    ContinuedBytes bytes(std::move(continues));
    std::string text;
    try {
        strings_.readCharacters(bytes, count, text);
    } catch (const EngineError&) {}
    stories_.add(StoryKind::Comments, withParagraphs(std::move(text)));
}

// Before BIFF8 a NOTE holds the comment's text, 2048 bytes at the most; a
// longer comment goes on in NOTE records whose row is 0xFFFF. BIFF8's NOTE
// names only the author; the text is in a TXO.
void StoryRecords::readNote(const Record& record) {
    if (strings_.version() == Version::Biff8 || record.body.size() < 6) return;
    if (le16(record.body, 0, "a note") != kNoteGoesOn) endNote();
    ContinuedBytes bytes(record.body.substr(4));
    strings_.readString16(bytes, note_);
}

void StoryRecords::endNote() {
    if (note_.empty()) return;
    stories_.add(StoryKind::Comments, withParagraphs(std::move(note_)));
    note_.clear();
}

void StoryRecords::readHeaderFooter(const Record& record) {
    if (record.body.empty()) return;
    ContinuedBytes bytes(record.body);
    std::string code;
    try {
        if (strings_.version() == Version::Biff8)
            strings_.readString16(bytes, code);
        else
            strings_.readString8(bytes, code);
    } catch (const EngineError&) {}
    addHeaderFooter(code);
}

void StoryRecords::addHeaderFooter(const std::string& code) {
    const std::string text = withoutHeaderCodes(code);
    if (text.find_first_not_of(' ') != std::string::npos) stories_.add(StoryKind::HeadersFooters, text);
}

// After its record header, the sheet view's id and flags come four counts
// (even pages' header and footer, first page's header and footer) and a
// string for each count that is not zero.
void StoryRecords::readOtherPagesHeaders(const Record& record) {
    if (strings_.version() != Version::Biff8) return;
    try {
        ContinuedBytes bytes(record.body);
        bytes.skip(kFutureRecordHeader + kViewId + 2);
        std::array<std::uint16_t, 4> counts{};
        for (std::uint16_t& count : counts) count = bytes.u16();
        for (const std::uint16_t count : counts) {
            if (count == 0) continue;
            std::string code;
            strings_.readString16(bytes, code);
            addHeaderFooter(code);
        }
    } catch (const EngineError&) {}
}

}  // namespace harvelux::wordproc::biff
