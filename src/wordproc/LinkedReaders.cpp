#include "wordproc/LinkedReaders.h"

#include "wordproc/GuardedModuleRead.h"
#include "wordproc/HtmlReader.h"
#include "wordproc/PdfReader.h"

namespace harvelux::wordproc {

namespace {

template <std::string (*Read)(std::string_view, const ReadOptions&)>
int guarded(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
            std::string* text) noexcept {
    return guardedModuleRead(limits, text,
                             [&] { *text = Read(std::string_view(data, size), readOptionsFrom(options)); });
}

}  // namespace

const ReaderModuleTable& linkedReaders() {
    static const ReaderModuleTable table{kReaderModuleAbi, &guarded<readHtmlText>, &guarded<readPdfText>};
    return table;
}

}  // namespace harvelux::wordproc
