#include "wordproc/sheet/SheetExcelReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/PropertySet.h"
#include "wordproc/sheet/BiffWorkbook.h"
#include "wordproc/text/OtherStories.h"

#include <optional>

namespace harvelux::wordproc {

namespace {

// BIFF8's stream, or else BIFF5's.
std::optional<std::uint32_t> workbookStream(const CompoundFile& file) {
    for (const std::u16string_view name : {u"Workbook", u"Book"})
        if (const auto id = file.find(name); id && file.entry(*id).type == CompoundFile::EntryType::Stream) return id;
    return std::nullopt;
}

}  // namespace

bool isExcelWorkbook(const CompoundFile& file) { return workbookStream(file).has_value(); }

std::string readExcelText(const CompoundFile& file, const ReadOptions& options) {
    if (file.find(u"EncryptedPackage")) throw EngineError("the workbook is encrypted", UnreadableReason::Encrypted);
    const auto id = workbookStream(file);
    if (!id) throw EngineError("the file holds no workbook");
    const std::string stream = file.readStream(*id);
    if (!options.allStories) return biff::readWorkbookStream(stream, nullptr);
    OtherStories stories;
    std::string text = biff::readWorkbookStream(stream, &stories);
    stories.add(StoryKind::Properties, propertyStrings(file));
    return stories.appendTo(std::move(text));
}

bool isSingleStreamWorkbook(std::string_view data) { return biff::looksLikeSingleStreamWorkbook(data); }

std::string readSingleStreamWorkbookText(std::string_view data, const ReadOptions& options) {
    if (!options.allStories) return biff::readWorkbookStream(data, nullptr);
    OtherStories stories;
    std::string text = biff::readWorkbookStream(data, &stories);
    return stories.appendTo(std::move(text));
}

}  // namespace harvelux::wordproc
