#include "wordproc/FormatDispatch.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/FormatTable.h"
#include "wordproc/OtherFileKind.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/ZipArchive.h"

#include <optional>

namespace harvelux::wordproc {

namespace {

// The first format of the table that a signature of `stage` recognises.
const FormatEntry* firstMatch(DetectStage stage, const FormatInput& input) {
    for (const FormatEntry& entry : formatTable())
        if (entry.matches(stage, input)) return &entry;
    return nullptr;
}

// The format of the bytes, found by walking the table's stages in order. A
// ZIP archive or compound file opened to look inside stays here, so that the
// reader need not parse the container a second time. A container that
// cannot be opened at all (a cut-off download, say) is unknown, with the
// reason left in `damage`.
class Detection {
public:
    explicit Detection(std::string_view data) : input_{.data = data} {
        entry_ = firstMatch(DetectStage::LeadingBytes, input_);
        if (entry_) return;
        if (ZipArchive::looksLikeZip(data)) {
            entry_ = insideContainer(DetectStage::InsideZip, zip_, &FormatInput::zip);
            return;
        }
        // Word documents, but also encrypted OOXML packages, spreadsheets
        // and other compound files, which no reader takes.
        if (CompoundFile::hasSignature(data)) {
            entry_ = insideContainer(DetectStage::InsideCompoundFile, compound_, &FormatInput::compound);
            return;
        }
        entry_ = firstMatch(DetectStage::Content, input_);
        if (!entry_) entry_ = firstMatch(DetectStage::Fallback, input_);
    }
    Detection(const Detection&) = delete;
    Detection& operator=(const Detection&) = delete;

    Format format() const { return entry_ ? entry_->format : Format::Unknown; }

    std::string read(const ReadOptions& options) const {
        if (entry_) return entry_->read(input_, options);
        if (!damage_.empty()) throw EngineError(damage_);
        // Only what no format takes is looked at as a picture, a program...:
        // a format that reads such files comes first.
        const std::string_view kind = otherFileKind(input_.data);
        if (!kind.empty()) throw EngineError(std::string(kind), UnreadableReason::OtherFile);
        throw EngineError("unknown document format", UnreadableReason::UnknownFormat);
    }

private:
    // Opens the container and asks the formats of `stage` about it; a test
    // that finds the container damaged leaves the document unknown.
    template <typename Container>
    const FormatEntry* insideContainer(DetectStage stage, std::optional<Container>& container,
                                       const Container* FormatInput::*slot) {
        try {
            container.emplace(input_.data);
            input_.*slot = &*container;
            return firstMatch(stage, input_);
        } catch (const EngineError& error) {
            if (!container) damage_ = error.what();
        }
        return nullptr;
    }

    FormatInput input_;
    std::optional<ZipArchive> zip_;
    std::optional<CompoundFile> compound_;
    std::string damage_;
    const FormatEntry* entry_ = nullptr;
};

}  // namespace

Format detectFormat(std::string_view data) { return Detection(data).format(); }

std::string readDocumentText(std::string_view data, const ReadOptions& options) {
    return Detection(data).read(options);
}

}  // namespace harvelux::wordproc
