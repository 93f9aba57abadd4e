#include "wordproc/sheet/BiffWorkbook.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/sheet/BiffRecords.h"
#include "wordproc/sheet/BiffSharedStrings.h"
#include "wordproc/sheet/BiffSheetCells.h"
#include "wordproc/sheet/BiffStories.h"
#include "wordproc/sheet/BiffStrings.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/SheetText.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace harvelux::wordproc::biff {

namespace {

// What a BOF record begins (its second field).
enum class Substream : std::uint8_t { Globals, Sheet, Other };

constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::uint16_t kMacroSheetType = 0x0040;
constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kStringResult = 0xFFFF;  // the last two bytes of a formula's result

Version versionOf(const Record& bof) {
    switch (bof.type) {
        case kBof2:
            return Version::Biff2;
        case kBof3:
            return Version::Biff3;
        case kBof4:
            return Version::Biff4;
        default:
            return bof.body.size() >= 2 && le16(bof.body, 0, "a BOF record") >= kBiff8Version ? Version::Biff8
                                                                                              : Version::Biff5;
    }
}

Substream substreamOf(const Record& bof) {
    if (bof.body.size() < 4) return Substream::Other;
    const std::uint16_t type = le16(bof.body, 2, "a BOF record");
    if (type == kGlobalsType) return Substream::Globals;
    return type == kWorksheetType || type == kMacroSheetType ? Substream::Sheet : Substream::Other;
}

struct Sheet {
    std::size_t order;  // its place among the BOUNDSHEET records, or after them in the stream's order
    SheetCells cells;
};

class WorkbookWalk {
public:
    WorkbookWalk(std::string_view stream, OtherStories* stories) : records_(stream) {
        if (!records_.next(bof_) || !isBof(bof_.type))
            throw EngineError("the workbook stream begins with no BOF record");
        strings_.emplace(versionOf(bof_));
        if (stories) storyRecords_.emplace(*strings_, *stories);
    }

    std::string read() {
        begin(bof_);
        Record record;
        while (records_.next(record)) {
            WorkBudget::charge();
            if (isBof(record.type)) {
                begin(record);
            } else if (record.type == kEof) {
                if (depth_ > 0) --depth_;
            } else if (depth_ == 1) {
                readRecord(record);
            } else if (depth_ > 1 && storyRecords_) {
                readStoryRecord(record);  // an embedded chart's text boxes
            }
        }
        if (storyRecords_) storyRecords_->finish();
        if (sheets_.empty() && sheetStarts_.empty()) throw EngineError("the workbook has no sheets");
        std::stable_sort(sheets_.begin(), sheets_.end(),
                         [](const Sheet& a, const Sheet& b) { return a.order < b.order; });
        SheetText text;
        for (Sheet& sheet : sheets_) sheet.cells.writeTo(text, shared_);
        return text.take();
    }

private:
    // A BOF begins a substream at the top level, or where a BOUNDSHEET
    // record says a sheet begins (a sheet whose EOF is missing ends there);
    // inside a sheet it begins an embedded chart, whose records are passed.
    void begin(const Record& bof) {
        const auto listed = sheetStarts_.find(bof.offset);
        if (depth_ > 0 && listed == sheetStarts_.end()) {
            ++depth_;
            return;
        }
        depth_ = 1;
        substream_ = substreamOf(bof);
        pendingFormula_.reset();
        if (substream_ != Substream::Sheet) return;
        const std::size_t order = listed != sheetStarts_.end() ? listed->second : sheetStarts_.size() + sheets_.size();
        sheets_.push_back({order, {}});
    }

    void readRecord(const Record& record) {
        try {
            if (record.type == kFilePass) throw EngineError("the workbook is encrypted", UnreadableReason::Encrypted);
            if (record.type == kCodePage && record.body.size() >= 2)
                strings_->setCodePage(le16(record.body, 0, "a code page"));
            if (substream_ == Substream::Globals)
                readGlobal(record);
            else if (substream_ == Substream::Sheet)
                readSheetRecord(record);
            else if (storyRecords_)
                storyRecords_->read(record, records_);  // a chart sheet's text boxes, headers and footers
        } catch (const EngineError& error) {
            // A record too short for what it claims is passed over.
            if (error.reason() != UnreadableReason::Damaged) throw;
        }
    }

    void readStoryRecord(const Record& record) {
        try {
            storyRecords_->read(record, records_);
        } catch (const EngineError& error) {
            if (error.reason() != UnreadableReason::Damaged) throw;
        }
    }

    void readGlobal(const Record& record) {
        if (record.type == kBoundSheet && record.body.size() >= 4) {
            sheetStarts_.emplace(le32(record.body, 0, "a sheet's position"), sheetStarts_.size());
        } else if (record.type == kSst) {
            std::vector<std::string_view> segments{record.body};
            records_.takeContinues(segments);
            shared_.read(std::move(segments), *strings_);
        } else if (storyRecords_) {
            storyRecords_->read(record, records_);
        }
    }

    void readSheetRecord(const Record& record) {
        SheetCells& cells = sheets_.back().cells;
        const std::string_view body = record.body;
        switch (record.type) {
            case kLabelSst:
                cells.addShared(le16(body, 0, "a cell"), le16(body, 2, "a cell"), le32(body, 6, "a cell"));
                return;
            case kLabel:
            case kRString:
                addCellText(body, 6, false);
                return;
            case kLabel2:
                addCellText(body, 7, true);
                return;
            case kFormula:
            case kFormula3:
            case kFormula4:
                readFormula(record);
                return;
            case kString:
            case kString2:
                readFormulaString(record);
                return;
            default:
                if (storyRecords_) storyRecords_->read(record, records_);
        }
    }

    void addCellText(std::string_view body, std::size_t at, bool shortCount) {
        const std::uint16_t row = le16(body, 0, "a cell");
        const std::uint16_t column = le16(body, 2, "a cell");
        ContinuedBytes bytes(sliceOf(body, at, body.size() - std::min(at, body.size()), "a cell"));
        std::string text;
        if (shortCount)
            strings_->readString8(bytes, text);
        else
            strings_->readString16(bytes, text);
        sheets_.back().cells.addText(row, column, text);
    }

    // A formula whose result is text keeps the text in the STRING record
    // that follows it.
    void readFormula(const Record& record) {
        pendingFormula_.reset();
        const std::size_t result = strings_->version() == Version::Biff2 ? 7 : 6;
        if (byteAt(sliceOf(record.body, result, 8, "a formula"), 0) != 0) return;
        if (le16(record.body, result + 6, "a formula") != kStringResult) return;
        pendingFormula_ = std::pair{le16(record.body, 0, "a cell"), le16(record.body, 2, "a cell")};
    }

    void readFormulaString(const Record& record) {
        if (!pendingFormula_) return;
        const auto [row, column] = *pendingFormula_;
        pendingFormula_.reset();
        std::vector<std::string_view> segments{record.body};
        if (strings_->version() == Version::Biff8) records_.takeContinues(segments);
        ContinuedBytes bytes(std::move(segments));
        std::string text;
        if (record.type == kString2)
            strings_->readString8(bytes, text);
        else
            strings_->readString16(bytes, text);
        sheets_.back().cells.addText(row, column, text);
    }

    Records records_;
    Record bof_;
    std::optional<StringReader> strings_;
    std::optional<StoryRecords> storyRecords_;
    SharedStrings shared_;
    std::unordered_map<std::size_t, std::size_t> sheetStarts_;  // a BOUNDSHEET's position: its place
    std::vector<Sheet> sheets_;
    std::size_t depth_ = 0;
    Substream substream_ = Substream::Other;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> pendingFormula_;  // row, column
};

}  // namespace

std::string readWorkbookStream(std::string_view stream, OtherStories* stories) {
    return WorkbookWalk(stream, stories).read();
}

bool looksLikeSingleStreamWorkbook(std::string_view data) {
    if (data.size() < 8) return false;
    const std::uint16_t type = le16(data, 0, "a BOF record");
    if (type != kBof2 && type != kBof3 && type != kBof4) return false;
    const std::uint16_t length = le16(data, 2, "a BOF record");
    if (length < 4 || length > 16) return false;
    const std::uint16_t substream = le16(data, 6, "a BOF record");
    return substream == kWorksheetType || substream == kMacroSheetType;
}

}  // namespace harvelux::wordproc::biff
