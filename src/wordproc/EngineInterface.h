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
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

// A document held inside another (an archive's member, an e-mail's
// attachment), read as a document of its own. `name` is its path from the
// outer document down, the levels joined by "::" ("letters.tar::a.doc").
struct InnerDocument {
    std::string name;
    bool read = true;  // false: `error` and `reason` say why it was not read
    std::string text;  // when read: its text, as a range gives it
    std::string error;
    UnreadableReason reason = UnreadableReason::Damaged;
    StorySpans stories;  // when read: where each story of `text` begins
};

class Document {
public:
    virtual ~Document() = default;
    virtual Range content() = 0;
    // The documents it holds, in its order, each followed by those it holds
    // in turn (depth first); empty for a document that holds none. Handed
    // over once: a second call gives none.
    virtual std::vector<InnerDocument> takeInnerDocuments() { return {}; }
    virtual void close() = 0;
    // Why part of the document was left out of its text (pages that are
    // pictures, with optical character recognition off); nothing when
    // everything was read.
    virtual std::optional<UnreadableReason> partNotRead() const { return std::nullopt; }
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
