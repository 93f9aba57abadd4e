#include "wordproc/rtf/RtfReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/rtf/RtfCodePages.h"
#include "wordproc/rtf/RtfControlWords.h"
#include "wordproc/rtf/RtfStoryText.h"
#include "wordproc/rtf/RtfTokenizer.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace harvelux::wordproc {

namespace {

enum class Destination {
    Text,       // main-story text
    Skip,       // everything up to the group's end is ignored
    FontTable,  // font numbers and their character sets
    Alternate,  // \upr: an ANSI text whose Unicode twin follows in \ud
    Container,  // a shape or drawing object: no text of its own, but a text box inside
};

struct GroupState {
    Destination destination = Destination::Text;
    int fallbackLength = 1;  // \ucN: characters that follow \uN as its fallback
    int font = -1;           // \fN, -1 for the default font
    std::size_t story = kMainStory;
    bool opensStory = false;   // the group's destination started a story or field instruction
    bool fieldResult = false;  // \fldrslt: its text names the field's link
    std::size_t resultStart = 0;
};

// Walks the tokens group by group: each group's state, its destination,
// the \uN fallbacks; the text goes to `text_`, the code pages come from
// `codePages_`.
class RtfInterpreter {
public:
    // With `stories`, the other stories and the field instructions are read
    // into it; the main story's text is the same either way.
    RtfInterpreter(std::string_view data, OtherStories* stories) : tokens_(data), stories_(stories) {}

    std::string run() {
        for (RtfToken token = tokens_.next(); token.kind != RtfToken::Kind::End; token = tokens_.next()) {
            if (token.kind != RtfToken::Kind::Text && token.kind != RtfToken::Kind::Byte) text_.flush(story());
            if (skipsAsFallback(token)) continue;
            const bool ignorable = std::exchange(ignorable_, false);
            const bool groupJustStarted = std::exchange(groupJustStarted_, token.kind == RtfToken::Kind::GroupStart);
            switch (token.kind) {
                case RtfToken::Kind::GroupStart:
                    startGroup();
                    break;
                case RtfToken::Kind::GroupEnd:
                    endGroup();
                    if (groups_.empty()) return finish();  // the document's outermost group is closed
                    break;
                case RtfToken::Kind::ControlWord:
                    controlWord(token, ignorable);
                    break;
                case RtfToken::Kind::ControlSymbol:
                    // "\*" marks a destination only at the start of its group;
                    // elsewhere it means nothing.
                    if (token.symbol == '*')
                        ignorable_ = groupJustStarted;
                    else
                        controlSymbol(token.symbol);
                    break;
                case RtfToken::Kind::Text:
                    text(token.word);
                    break;
                case RtfToken::Kind::Byte:
                    text(std::string_view(reinterpret_cast<const char*>(&token.byte), 1));
                    break;
                case RtfToken::Kind::Binary:
                case RtfToken::Kind::End:
                    break;
            }
        }
        text_.flush(story());
        return finish();
    }

private:
    GroupState& state() { return groups_.back(); }
    std::size_t story() const { return groups_.empty() ? kMainStory : groups_.back().story; }
    bool inText() const { return !groups_.empty() && groups_.back().destination == Destination::Text; }

    void startGroup() {
        if (groups_.size() >= kMaxNesting) throw EngineError("the document nests too deeply");
        groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
        groups_.back().opensStory = false;
        groups_.back().fieldResult = false;
    }

    void endGroup() {
        if (groups_.empty()) return;
        if (groups_.back().opensStory) text_.endStory(groups_.back().story, *stories_);
        if (groups_.back().fieldResult)
            text_.endFieldResult(groups_.back().story, groups_.back().resultStart, *stories_);
        groups_.pop_back();
    }

    // After \uN the next \ucN characters are the fallback for readers
    // without Unicode: a text byte, a \'hh, a control word or symbol, or
    // \bin data each count as one; a brace ends the fallback.
    bool skipsAsFallback(RtfToken& token) {
        if (fallbackLeft_ == 0) return false;
        if (token.kind == RtfToken::Kind::GroupStart || token.kind == RtfToken::Kind::GroupEnd) {
            fallbackLeft_ = 0;
            return false;
        }
        if (token.kind == RtfToken::Kind::Text && token.word.size() > fallbackLeft_) {
            token.word.remove_prefix(fallbackLeft_);
            fallbackLeft_ = 0;
            return false;
        }
        fallbackLeft_ -= token.kind == RtfToken::Kind::Text ? token.word.size() : 1;
        return true;
    }

    void controlWord(const RtfToken& token, bool ignorable) {
        if (groups_.empty()) return;
        const std::string_view word = token.word;
        Destination& destination = state().destination;
        if (destination == Destination::Skip) return;
        if (word == "ud" && destination == Destination::Alternate) {
            destination = Destination::Text;
            return;
        }
        if (destination == Destination::Alternate) return;
        if (word == "fonttbl") {
            destination = Destination::FontTable;
            return;
        }
        if (stories_ && destination != Destination::FontTable && otherStoryWord(word)) return;
        // An unknown destination marked ignorable with \* is skipped whole;
        // these known ones hold text or the control words of nested tables.
        if (isSkippedDestination(word) ||
            (ignorable && word != "ud" && word != "nesttableprops" && word != "fldrslt")) {
            destination = Destination::Skip;
            return;
        }
        if (destination == Destination::Container) return;
        if (destination == Destination::FontTable) {
            codePages_.fontTableWord(token);
        } else if (word == "upr") {
            destination = Destination::Alternate;
        } else {
            textControlWord(token);
        }
    }

    // The destinations of the other stories: their text goes to a story of
    // its own; shapes and drawing objects are read only for their text
    // boxes. True when `word` was one of them.
    bool otherStoryWord(std::string_view word) {
        GroupState& group = state();
        if (const std::optional<StoryKind> kind = storyDestination(word)) {
            group.destination = Destination::Text;
            group.story = storyIndex(*kind);
            group.opensStory = true;
            return true;
        }
        if (word == "fldinst") {
            group.destination = Destination::Text;
            group.story = kFieldCode;
            group.opensStory = true;
            return true;
        }
        if (word == "fldrslt") {
            group.fieldResult = true;
            group.resultStart = text_.beginFieldResult(group.story);
            return false;  // read as text, as always
        }
        if (word == "ftnalt" && group.story == storyIndex(StoryKind::Footnotes)) {
            group.story = storyIndex(StoryKind::Endnotes);  // this footnote is an endnote
            return true;
        }
        if (word == "shp" || word == "shpinst" || word == "do" || word == "dptxbx") {
            group.destination = Destination::Container;
            return true;
        }
        return false;
    }

    void textControlWord(const RtfToken& token) {
        const std::string_view word = token.word;
        const int value = token.parameter;
        if (const char32_t special = specialCharacter(word)) {
            emit(special);
        } else if (word == "cell" || word == "nestcell" || word == "row" || word == "nestrow") {
            text_.cellMark(story());
        } else if (word == "u" && token.hasParameter) {
            // A signed 16-bit value; anything else is no character, but its
            // fallback is still skipped.
            if (value >= -32768 && value <= 65535) unicode(value < 0 ? value + 65536 : value);
            fallbackLeft_ = static_cast<std::size_t>(state().fallbackLength);
        } else if (word == "uc" && token.hasParameter) {
            state().fallbackLength = std::clamp(value, 0, 0xFFFF);
        } else if (word == "f" && token.hasParameter) {
            state().font = value;
        } else if (word == "plain") {
            state().font = -1;
        } else {
            codePages_.documentWord(token);
        }
    }

    void controlSymbol(char symbol) {
        if (!inText()) return;
        if (const char32_t c = symbolCharacter(symbol)) emit(c);
    }

    void text(std::string_view bytes) {
        if (!inText()) return;
        text_.bytes(story(), codePages_.codePageOf(groups_.back().font), bytes);
    }

    void unicode(int value) {
        if (!inText()) return;
        text_.unicode(story(), static_cast<char32_t>(value));
    }

    void emit(char32_t c) {
        if (!inText()) return;
        text_.character(story(), c);
    }

    std::string finish() { return text_.finish(story(), stories_); }

    RtfTokenizer tokens_;
    std::vector<GroupState> groups_;
    OtherStories* stories_;
    RtfStoryText text_;
    RtfCodePages codePages_;
    std::size_t fallbackLeft_ = 0;
    bool ignorable_ = false;         // the group started with \*
    bool groupJustStarted_ = false;  // the last token was "{"
};

}  // namespace

bool looksLikeRtf(std::string_view data) { return data.substr(0, 5) == "{\\rtf"; }

std::string readRtfText(std::string_view data, const ReadOptions& options) {
    if (!looksLikeRtf(data)) throw EngineError("not an RTF document");
    if (!options.allStories) return RtfInterpreter(data, nullptr).run();
    OtherStories stories;
    return RtfInterpreter(data, &stories).run();
}

}  // namespace harvelux::wordproc
