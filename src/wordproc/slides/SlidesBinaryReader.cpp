#include "wordproc/slides/SlidesBinaryReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/container/PropertySet.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"

#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::u16string_view kStream = u"PowerPoint Document";

// Record types ([MS-PPT] 2.13.24).
constexpr std::uint16_t kSlide = 0x03EE;
constexpr std::uint16_t kNotes = 0x03F0;
constexpr std::uint16_t kMainMaster = 0x03F8;
constexpr std::uint16_t kSlideListWithText = 0x0FF0;
constexpr std::uint16_t kSlidePersistAtom = 0x03F3;
constexpr std::uint16_t kTextCharsAtom = 0x0FA0;
constexpr std::uint16_t kTextBytesAtom = 0x0FA8;
constexpr std::uint16_t kContainerVersion = 0x0F;
constexpr std::uint16_t kListOfMasters = 1;
constexpr std::uint16_t kListOfNotes = 2;
constexpr std::size_t kHeaderBytes = 8;

enum class Story { Slides, Notes, Masters };

struct Open {
    std::uint64_t end;
    Story story;
};

// The story of the text inside a container opened inside `outer`.
Story storyOf(std::uint16_t type, std::uint16_t instance, Story outer) {
    if (type == kNotes || (type == kSlideListWithText && instance == kListOfNotes)) return Story::Notes;
    if (type == kMainMaster || (type == kSlideListWithText && instance == kListOfMasters)) return Story::Masters;
    if (type == kSlide) return Story::Slides;
    return outer;
}

void appendAtom(std::uint16_t type, std::string_view body, TextBuilder& out) {
    for (std::size_t at = 0; type == kTextCharsAtom ? at + 1 < body.size() : at < body.size();) {
        char32_t c = 0;
        if (type == kTextCharsAtom) {
            c = static_cast<char32_t>(byteAt(body, at) | (byteAt(body, at + 1) << 8));
            at += 2;
            if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
        } else {
            c = byteAt(body, at++);  // the low bytes of UTF-16 code units
        }
        if (c == 0) continue;
        out.append(c == chars::kLineBreak ? chars::kLineBreak : c);
    }
    if (!out.endsWith('\r')) out.append(chars::kParagraph);
}

// A slide's text ends in a form feed, once, and only when it has text.
void endSlide(TextBuilder& slides) {
    if (!slides.text().empty() && !slides.endsWith('\f')) slides.append(chars::kPageBreak);
}

}  // namespace

bool isPowerPointBinary(const CompoundFile& file) {
    const auto id = file.find(kStream);
    return id && file.entry(*id).type == CompoundFile::EntryType::Stream;
}

std::string readPowerPointText(const CompoundFile& file, const ReadOptions& options) {
    if (file.find(u"EncryptedSummary")) throw EngineError("the presentation is encrypted", UnreadableReason::Encrypted);
    const auto id = file.find(kStream);
    if (!id) throw EngineError("the presentation has no document stream");
    const std::string stream = file.readStream(*id);
    TextBuilder slides;
    TextBuilder notes;
    TextBuilder masters;
    // Containers are entered in place and atoms stepped over, so the walk
    // needs no recursion; the open containers are kept to know each atom's
    // story, under the nesting cap.
    std::vector<Open> open;
    std::uint64_t at = 0;
    while (at + kHeaderBytes <= stream.size()) {
        WorkBudget::charge();
        while (!open.empty() && at >= open.back().end) open.pop_back();
        const std::uint16_t versionAndInstance = le16(stream, at, "a record");
        const std::uint16_t type = le16(stream, at + 2, "a record");
        const std::uint32_t length = le32(stream, at + 4, "a record");
        const Story outer = open.empty() ? Story::Slides : open.back().story;
        const std::uint64_t end = at + kHeaderBytes + length;
        // A slide begins with its container, or in the slide list with the
        // atom that names it.
        if ((type == kSlide || type == kSlidePersistAtom) && outer == Story::Slides) endSlide(slides);
        if ((versionAndInstance & 0x0F) == kContainerVersion) {
            if (open.size() >= kMaxNesting) throw EngineError("the presentation nests too deeply");
            open.push_back(Open{end, storyOf(type, static_cast<std::uint16_t>(versionAndInstance >> 4), outer)});
            at += kHeaderBytes;
            continue;
        }
        if (end > stream.size()) break;  // a cut-off record ends the stream
        if (type == kTextCharsAtom || type == kTextBytesAtom) {
            const std::string_view body = std::string_view(stream).substr(at + kHeaderBytes, length);
            appendAtom(type, body, outer == Story::Slides ? slides : outer == Story::Notes ? notes : masters);
        }
        at = end;
    }
    endSlide(slides);
    if (!options.allStories) return slides.take();
    OtherStories stories;
    stories.add(StoryKind::Notes, notes.text());
    stories.add(StoryKind::HeadersFooters, masters.text());
    stories.add(StoryKind::Properties, propertyStrings(file));
    return stories.appendTo(slides.take());
}

}  // namespace harvelux::wordproc
