#include "wordproc/ooxml/OoxmlEmbeddedObjects.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/OleObject.h"

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxParts = 100000;

}  // namespace

void listOoxmlEmbeddedObjects(const ZipArchive& zip, const ReadOptions& options, MemberSink& sink) {
    if (!options.allStories) return;
    for (std::string& name : zip.names(kMaxParts)) {
        if (name.find("/embeddings/") == std::string::npos || name.ends_with("/")) continue;
        try {
            // No more than the container may still inflate.
            std::optional<std::string> bytes = zip.read(name, sink.roomLeft());
            if (!bytes) continue;
            if (auto document = embeddedObjectDocument(std::move(*bytes), name))
                if (!sink.add(std::move(document->name), std::move(document->bytes))) return;
        } catch (const EngineError& error) {
            sink.unreadable(std::move(name), error.reason());
        }
    }
}

}  // namespace harvelux::wordproc
