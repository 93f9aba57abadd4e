#include "wordproc/sheet/SheetExcelReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/PropertySet.h"
#include "wordproc/sheet/SheetExcelComments.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/SheetText.h"

#include <freexl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace harvelux::wordproc {

namespace {

// libfreexl opens workbooks by path only. The bytes go to an anonymous
// memory file, never to disk, and the library opens it through /proc.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view data) : fd_(memfd_create("harvelux-workbook", MFD_CLOEXEC)) {
        if (fd_ < 0) throw EngineError("no memory file for the workbook");
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t wrote = write(fd_, data.data() + done, data.size() - done);
            if (wrote <= 0) throw EngineError("the workbook could not be handed to its reader");
            done += static_cast<std::size_t>(wrote);
        }
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

class FreeXlWorkbook {
public:
    explicit FreeXlWorkbook(const std::string& path) {
        if (freexl_open(path.c_str(), &handle_) != FREEXL_OK) {
            handle_ = nullptr;
            throw EngineError("the workbook is damaged");
        }
    }
    ~FreeXlWorkbook() {
        if (handle_) freexl_close(handle_);
    }
    FreeXlWorkbook(const FreeXlWorkbook&) = delete;
    FreeXlWorkbook& operator=(const FreeXlWorkbook&) = delete;

    unsigned info(unsigned short what) const {
        unsigned value = 0;
        if (freexl_get_info(handle_, what, &value) != FREEXL_OK) return 0;
        return value;
    }
    const void* handle() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

void readSheet(const FreeXlWorkbook& workbook, unsigned short index, SheetText& sheet) {
    if (freexl_select_active_worksheet(workbook.handle(), index) != FREEXL_OK) return;
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(workbook.handle(), &rows, &columns) != FREEXL_OK) return;
    for (unsigned row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            WorkBudget::charge();
            FreeXL_CellValue value;
            if (freexl_get_cell_value(workbook.handle(), row, column, &value) != FREEXL_OK) continue;
            if ((value.type == FREEXL_CELL_TEXT || value.type == FREEXL_CELL_SST_TEXT) && value.value.text_value)
                sheet.cell(value.value.text_value);
        }
        sheet.endRow();
    }
    sheet.endSheet();
}

}  // namespace

bool isExcelWorkbook(const CompoundFile& file) {
    for (const std::u16string_view name : {u"Workbook", u"Book"})
        if (const auto id = file.find(name); id && file.entry(*id).type == CompoundFile::EntryType::Stream) return true;
    return false;
}

std::string readExcelText(std::string_view data, const CompoundFile& file, const ReadOptions& options) {
    if (file.find(u"EncryptedPackage")) throw EngineError("the workbook is encrypted", UnreadableReason::Encrypted);
    const MemoryFile memory(data);
    const FreeXlWorkbook workbook(memory.path());
    if (workbook.info(FREEXL_BIFF_PASSWORD) == FREEXL_BIFF_OBFUSCATED)
        throw EngineError("the workbook is encrypted", UnreadableReason::Encrypted);
    SheetText sheets;
    // Every workbook Excel writes has a sheet; a stream in which the
    // library finds none is no workbook.
    const unsigned count = workbook.info(FREEXL_BIFF_SHEET_COUNT);
    if (count == 0) throw EngineError("the workbook has no sheets");
    for (unsigned index = 0; index < count && index <= 0xFFFF; ++index)
        readSheet(workbook, static_cast<unsigned short>(index), sheets);
    std::string text = sheets.take();
    if (!options.allStories) return text;
    OtherStories stories;
    const ExcelStories more = readExcelStories(file);
    stories.add(StoryKind::Comments, more.comments);
    stories.add(StoryKind::HeadersFooters, more.headersFooters);
    stories.add(StoryKind::Properties, propertyStrings(file));
    return stories.appendTo(std::move(text));
}

}  // namespace harvelux::wordproc
