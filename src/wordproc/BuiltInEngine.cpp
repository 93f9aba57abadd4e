#include "wordproc/BuiltInEngine.h"

#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/StoryKind.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

class LoadedDocument final : public Document {
public:
    LoadedDocument(std::string text, StorySpans stories)
        : text_(std::make_shared<const std::string>(std::move(text))), stories_(std::move(stories)) {}
    Range content() override {
        if (closed_) throw EngineError("The document is closed");
        return Range(text_, stories_);
    }
    void close() override { closed_ = true; }

private:
    std::shared_ptr<const std::string> text_;
    StorySpans stories_;
    bool closed_ = false;
};

class EngineInstance final : public Application {
public:
    std::unique_ptr<Document> open(const std::string& path, const ReadOptions& options) override {
        if (quit_) throw EngineError("The word processor has quit");
        const DocumentBytes bytes = readDocumentBytes(path);
        const std::size_t limit = textLimitFor(bytes.view().size());
        const TextLimitScope scope(limit);
        // The readers mark where each story begins; the marks become the
        // range's spans.
        const StoryMarksScope marks(true);
        std::string text = readDocumentText(bytes.view(), options);
        StorySpans stories = takeStoryMarks(text);
        // Readers that do not collect through a TextBuilder are held to the
        // same limit here.
        if (text.size() > limit) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
        return std::make_unique<LoadedDocument>(std::move(text), std::move(stories));
    }
    void quit() override { quit_ = true; }

private:
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<Application> BuiltInEngineFactory::create() { return std::make_unique<EngineInstance>(); }

}  // namespace harvelux::wordproc
