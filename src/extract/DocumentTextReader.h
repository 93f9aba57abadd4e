#pragma once

#include "wordproc/StoryKind.h"

#include <optional>
#include <string>
#include <vector>

namespace harvelux::extract {

// A document inside the one last asked for (an archive's member, an
// e-mail's attachment): its name is the outer document's path and its path
// inside, joined by "::" ("mail.zip::inbox.mbox::invoice.pdf").
struct InnerText {
    std::string name;
    std::string text;                         // "" when it could not be read
    std::optional<std::string> unreadReason;  // why not, in words
    wordproc::StorySpans stories;             // where each story of `text` begins
};

// What the extraction run needs of the document text reader.
class DocumentTextReader {
public:
    virtual ~DocumentTextReader() = default;
    // The document's main text, or "" when it cannot be opened or read.
    virtual std::string ReturnDocumentString(const std::string& path) = 0;
    // True when the run is to be abandoned because a word processor is
    // running and the user chose not to go on.
    virtual bool WarnIfWordOpen() = 0;

    // The run's documents, in list order, before the first is asked for; a
    // reader may start reading them ahead. The texts it returns must be the
    // same as without this call.
    virtual void beginRun(std::vector<std::string> paths) { (void)paths; }
    // The run is over (or abandoned): nothing more will be asked for.
    virtual void endRun() {}

    // Why the document last asked for could not be read, in words; nothing
    // when it was read.
    virtual std::optional<std::string> unreadReason() const { return std::nullopt; }
    // Whether that document is no document at all (a picture, music, a
    // program): skipped, not failed.
    virtual bool unreadIsOtherFile() const { return false; }

    // The documents inside the document last asked for, depth first, in its
    // order; each is handed over once.
    virtual std::vector<InnerText> takeInnerDocuments() { return {}; }
    // Where each story of the text last returned begins (none: all main text).
    virtual wordproc::StorySpans takeStories() { return {}; }
};

}  // namespace harvelux::extract
