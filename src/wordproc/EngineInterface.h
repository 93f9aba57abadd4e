// Our word processor: the steps the text reader takes with it are those of a
// desktop word processor driven by automation: start an instance, open a
// document by path, take the range of its main story, read its text, close
// the document, quit the instance. Each document gets its own instance and
// nothing is shared between documents, so instances may live on different
// threads.
//
// Failures are thrown as EngineError, which says why in a kind a user can act
// on besides its message.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/StoryKind.h"
#include "wordproc/UnreadableReason.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace harvelux::wordproc {

class EngineError : public std::runtime_error {
public:
    explicit EngineError(const std::string& message, UnreadableReason reason = UnreadableReason::Damaged)
        : std::runtime_error(message), reason_(reason) {}
    UnreadableReason reason() const { return reason_; }

private:
    UnreadableReason reason_;
};

// The text of a document's main story (or of all its stories, as the
// document was opened), UTF-8, in the form a word processor's
// range gives: paragraphs end in CR, table cells in CR BEL, and so on.
// `stories` says where each story of the text begins (none: all main text).
class Range {
public:
    explicit Range(std::shared_ptr<const std::string> text, StorySpans stories = {})
        : text_(std::move(text)), stories_(std::move(stories)) {}
    const std::string& text() const { return *text_; }
    const StorySpans& stories() const { return stories_; }

private:
    std::shared_ptr<const std::string> text_;
    StorySpans stories_;
};

class Document {
public:
    virtual ~Document() = default;
    virtual Range content() = 0;
    virtual void close() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    // `options` say which of the document's stories its range holds.
    virtual std::unique_ptr<Document> open(const std::string& path, const ReadOptions& options) = 0;
    std::unique_ptr<Document> open(const std::string& path) { return open(path, ReadOptions{}); }
    virtual void quit() = 0;
};

// Starts instances. `create` throws EngineError when no instance can be made.
class ApplicationFactory {
public:
    virtual ~ApplicationFactory() = default;
    virtual std::unique_ptr<Application> create() = 0;
};

}  // namespace harvelux::wordproc
