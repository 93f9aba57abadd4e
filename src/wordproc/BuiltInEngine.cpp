#include "wordproc/BuiltInEngine.h"

#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

class LoadedDocument final : public Document {
public:
    LoadedDocument(DocumentTree tree, std::optional<UnreadableReason> partNotRead)
        : text_(std::make_shared<const std::string>(std::move(tree.text))),
          inner_(std::move(tree.inner)),
          partNotRead_(partNotRead) {}
    Range content() override {
        if (closed_) throw EngineError("The document is closed");
        return Range(text_);
    }
    std::vector<InnerDocument> takeInnerDocuments() override { return std::move(inner_); }
    void close() override { closed_ = true; }
    std::optional<UnreadableReason> partNotRead() const override { return partNotRead_; }

private:
    std::shared_ptr<const std::string> text_;
    std::vector<InnerDocument> inner_;
    std::optional<UnreadableReason> partNotRead_;
    bool closed_ = false;
};

class EngineInstance final : public Application {
public:
    std::unique_ptr<Document> open(const std::string& path, const ReadOptions& options) override {
        if (quit_) throw EngineError("The word processor has quit");
        const DocumentBytes bytes = readDocumentBytes(path);
        const std::size_t limit = textLimitFor(bytes.view().size());
        const TextLimitScope scope(limit);
        ReadNotes::reset();
        DocumentTree tree = readDocumentTree(bytes.view(), options);
        // Readers that do not collect through a TextBuilder are held to the
        // same limit here.
        if (tree.text.size() > limit) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
        std::optional<UnreadableReason> partNotRead;
        if (ReadNotes::scannedPagesUnread()) partNotRead = UnreadableReason::ScannedNotRead;
        return std::make_unique<LoadedDocument>(std::move(tree), partNotRead);
    }
    void quit() override { quit_ = true; }

private:
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<Application> BuiltInEngineFactory::create() { return std::make_unique<EngineInstance>(); }

}  // namespace harvelux::wordproc
