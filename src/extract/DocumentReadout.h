// Reading one document through the engine, apart from anything the user
// sees: safe to run on any thread, one engine instance per call.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace harvelux::extract {

struct DocumentReadout {
    enum class Status {
        Read,               // `text` holds the main story
        EngineUnavailable,  // no engine instance could be started; `error` says why
        Unreadable,         // the document could not be opened or read; `error` says why
    };
    Status status = Status::Unreadable;
    std::string text;
    wordproc::StorySpans stories;  // where each story of `text` begins
    std::string error;
    // Why an unreadable document could not be read.
    wordproc::UnreadableReason reason = wordproc::UnreadableReason::Damaged;
    // When read: the documents it holds (an archive's, an e-mail's), depth
    // first, named from the document down ("b.tar::c.doc").
    std::vector<wordproc::InnerDocument> inner;

    // The bytes of text it holds, its inner documents' included.
    std::size_t textBytes() const {
        std::size_t bytes = text.size();
        for (const wordproc::InnerDocument& each : inner) bytes += each.text.size();
        return bytes;
    }
    // Why part of a document that was read is not in `text`.
    std::optional<wordproc::UnreadableReason> partNotRead;
};

// Starts an instance, opens the document (with `options`), reads its range, closes the
// document and quits the instance. Never throws. The factory must allow
// concurrent `create` calls when this runs on several threads. A document
// that takes longer than the budget to read is Unreadable, "too slow to read".
DocumentReadout readDocument(wordproc::ApplicationFactory& engine, const std::string& path,
                             const wordproc::ReadOptions& options = {},
                             const wordproc::WorkBudget::Settings& budget = {});

}  // namespace harvelux::extract
