#include "wordproc/BuiltInEngine.h"

#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/StoryKind.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

class LoadedDocument final : public Document {
public:
    LoadedDocument(DocumentTree tree, StorySpans stories, std::optional<UnreadableReason> partNotRead)
        : text_(std::make_shared<const std::string>(std::move(tree.text))),
          stories_(std::move(stories)),
          inner_(std::move(tree.inner)),
          partNotRead_(partNotRead) {}
    Range content() override {
        if (closed_) throw EngineError("The document is closed");
        return Range(text_, stories_);
    }
    std::vector<InnerDocument> takeInnerDocuments() override { return std::move(inner_); }
    void close() override { closed_ = true; }
    std::optional<UnreadableReason> partNotRead() const override { return partNotRead_; }

private:
    std::shared_ptr<const std::string> text_;
    StorySpans stories_;
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
        // The readers mark where each story begins; the marks become the
        // range's spans. An inner document's marks are taken out of its text.
        const StoryMarksScope marks(true);
        DocumentTree tree = readDocumentTree(bytes.view(), options);
        StorySpans stories = takeStoryMarks(tree.text);
        for (InnerDocument& inner : tree.inner) inner.stories = takeStoryMarks(inner.text);
        // Readers that do not collect through a TextBuilder are held to the
        // same limit here.
        if (tree.text.size() > limit) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
        std::optional<UnreadableReason> partNotRead;
        if (ReadNotes::scannedPagesUnread()) partNotRead = UnreadableReason::ScannedNotRead;
        return std::make_unique<LoadedDocument>(std::move(tree), std::move(stories), partNotRead);
    }
    void quit() override { quit_ = true; }

private:
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<Application> BuiltInEngineFactory::create() { return std::make_unique<EngineInstance>(); }

}  // namespace harvelux::wordproc
