#include "wordproc/word/EightBitWordDocument.h"

#include "wordproc/container/LittleEndian.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/word/WordPieceCharacters.h"

namespace harvelux::wordproc {

namespace {

// The bytes of [start, end): a view into the stream for an unfragmented
// document, gathered into `held` from the pieces of a fast-saved one.
std::string_view storyBytes(const EightBitWordDocument& document, std::uint64_t start, std::uint64_t end,
                            std::string& held) {
    if (document.pieces) {
        held = eightBitStoryBytes(document.stream, *document.pieces, start, end);
        return held;
    }
    return sliceOf(document.stream, std::uint64_t{document.fcMin} + start, end - start, "the document text");
}

}  // namespace

std::string readEightBitWordText(const EightBitWordDocument& document, const ReadOptions& options) {
    std::string held;
    const std::string_view mainBytes = storyBytes(document, 0, document.lengths[0], held);
    const int codePage = wordDocumentCodePage(document.hints, mainBytes);
    if (!options.allStories) return readStoryFromBytes(mainBytes, codePage);

    OtherStories stories;
    std::string main = readStoryFromBytes(mainBytes, codePage, &stories);
    readWordSubdocuments(
        document.lengths,
        [&](std::uint64_t start, std::uint64_t end) {
            std::string storyHeld;
            return readStoryFromBytes(storyBytes(document, start, end, storyHeld), codePage, &stories);
        },
        stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
