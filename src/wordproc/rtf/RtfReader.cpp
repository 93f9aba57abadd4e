#include "wordproc/rtf/RtfReader.h"

#include "wordproc/encoding/CodePages.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/rtf/RtfTokenizer.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMaxFonts = 65536;

enum class Destination {
    Text,       // main-story text
    Skip,       // everything up to the group's end is ignored
    FontTable,  // font numbers and their character sets
    Alternate,  // \upr: an ANSI text whose Unicode twin follows in \ud
    Container,  // a shape or drawing object: no text of its own, but a text box inside
};

// Where the text of a group goes: the main story, another story (when all
// stories are read), or a field's instruction.
constexpr std::size_t kMainStory = 0;
constexpr std::size_t kFieldCode = 6;
constexpr std::size_t storyIndex(StoryKind kind) { return static_cast<std::size_t>(kind) + 1; }

struct GroupState {
    Destination destination = Destination::Text;
    int fallbackLength = 1;  // \ucN: characters that follow \uN as its fallback
    int font = -1;           // \fN, -1 for the default font
    std::size_t story = kMainStory;
    bool opensStory = false;  // the group's destination started a story or field instruction
};

// Destinations that are stories of their own, read when all stories are.
std::optional<StoryKind> storyDestination(std::string_view word) {
    static const std::unordered_map<std::string_view, StoryKind> kStories = {
        {"footnote", StoryKind::Footnotes},      {"annotation", StoryKind::Comments},
        {"shptxt", StoryKind::TextBoxes},        {"dptxbxtext", StoryKind::TextBoxes},
        {"header", StoryKind::HeadersFooters},   {"headerl", StoryKind::HeadersFooters},
        {"headerr", StoryKind::HeadersFooters},  {"headerf", StoryKind::HeadersFooters},
        {"footer", StoryKind::HeadersFooters},   {"footerl", StoryKind::HeadersFooters},
        {"footerr", StoryKind::HeadersFooters},  {"footerf", StoryKind::HeadersFooters}};
    const auto found = kStories.find(word);
    if (found == kStories.end()) return std::nullopt;
    return found->second;
}

// Destinations that hold no main-story text.
bool isSkippedDestination(std::string_view word) {
    static const std::unordered_set<std::string_view> kSkipped = {
        // tables and document properties
        "colortbl", "stylesheet", "info", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
        "filetbl", "pgdsctbl", "protusertbl", "xmlnstbl", "latentstyles", "themedata", "colorschememapping",
        "datastore", "defchp", "defpap", "userprops", "docvar", "template", "mmathPr", "wgrffmtfilter",
        "title", "subject", "author", "operator", "keywords", "comment", "doccomm", "company", "manager",
        "category", "hlinkbase", "passwordhash", "fchars", "lchars", "keycode", "listpicture",
        // other stories: headers, footers, notes, comments, separators
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
        "annotation", "atnid", "atnauthor", "atndate", "atnref", "atnparent", "atntime", "atnicn", "atrfstart",
        "atrfend", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "ftncn", "aftncn",
        // pictures, objects, shapes, drawing objects and their text boxes
        "pict", "object", "objdata", "objclass", "objname", "shp", "shpinst", "shprslt", "shptxt", "shppict",
        "nonshppict", "do", "dptxbxtext", "sp", "sn", "sv", "picprop", "blipuid",
        // list numbers, index and contents entries, bookmarks, field codes
        "listtext", "pntext", "pntxta", "pntxtb", "pn", "xe", "tc", "tcn", "txe", "rxe", "bkmkstart",
        "bkmkend", "fldinst", "datafield", "formfield", "nonesttables", "htmltag", "mhtmltag", "factoidname",
        "oldcprops", "oldpprops", "oldsprops", "oldtprops"};
    return kSkipped.contains(word);
}

// Control words that stand for one character of text.
char32_t specialCharacter(std::string_view word) {
    static const std::unordered_map<std::string_view, char32_t> kSpecial = {
        {"par", chars::kParagraph}, {"line", chars::kLineBreak}, {"page", chars::kPageBreak},
        {"sect", chars::kPageBreak}, {"column", chars::kColumnBreak}, {"tab", chars::kTab},
        {"chftn", chars::kNoteMark},
        {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C},
        {"zwbo", 0x200B}, {"zwnbo", 0xFEFF}, {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    const auto found = kSpecial.find(word);
    return found == kSpecial.end() ? 0 : found->second;
}

class RtfInterpreter {
public:
    // With `stories`, the other stories and the field instructions are read
    // into it; the main story's text is the same either way.
    RtfInterpreter(std::string_view data, OtherStories* stories) : tokens_(data), stories_(stories) {}

    std::string run() {
        for (RtfToken token = tokens_.next(); token.kind != RtfToken::Kind::End; token = tokens_.next()) {
            if (token.kind != RtfToken::Kind::Text && token.kind != RtfToken::Kind::Byte) flushBytes();
            if (skipsAsFallback(token)) continue;
            const bool ignorable = std::exchange(ignorable_, false);
            const bool groupJustStarted = std::exchange(groupJustStarted_, token.kind == RtfToken::Kind::GroupStart);
            switch (token.kind) {
                case RtfToken::Kind::GroupStart:
                    if (groups_.size() >= kMaxNesting) throw EngineError("the document nests too deeply");
                    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
                    groups_.back().opensStory = false;
                    break;
                case RtfToken::Kind::GroupEnd:
                    if (!groups_.empty()) {
                        if (groups_.back().opensStory) endStory(groups_.back().story);
                        groups_.pop_back();
                    }
                    if (groups_.empty()) return finish();  // the document's outermost group is closed
                    break;
                case RtfToken::Kind::ControlWord:
                    controlWord(token, ignorable);
                    break;
                case RtfToken::Kind::ControlSymbol:
                    // "\*" marks a destination only at the start of its group;
                    // elsewhere it means nothing.
                    if (token.symbol == '*') ignorable_ = groupJustStarted;
                    else controlSymbol(token.symbol);
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
        flushBytes();
        return finish();
    }

private:
    GroupState& state() { return groups_.back(); }
    TextBuilder& out() { return groups_.empty() || groups_.back().story == kMainStory ? out_ : others_[groups_.back().story]; }
    bool inText() const { return !groups_.empty() && groups_.back().destination == Destination::Text; }

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
            fontTableWord(token);
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

    // A story's group is closed: it ends with a paragraph mark; a field
    // instruction is complete.
    void endStory(std::size_t story) {
        flushBytes();
        settleSurrogate();
        if (story == kFieldCode) {
            stories_->addFieldCode(others_[kFieldCode].take());
        } else if (!others_[story].text().empty() && !others_[story].endsWith('\r')) {
            others_[story].append(chars::kParagraph);
        }
    }

    void fontTableWord(const RtfToken& token) {
        const int value = token.parameter;
        if (token.word == "f") {
            definingFont_ = value;
        } else if ((token.word == "fcharset" || token.word == "cpg") && definingFont_ >= 0) {
            const int codePage = token.word == "cpg" ? value : codePageForCharset(value);
            if (fontCodePages_.size() < kMaxFonts || fontCodePages_.contains(definingFont_))
                fontCodePages_[definingFont_] = codePage;
        }
    }

    void textControlWord(const RtfToken& token) {
        const std::string_view word = token.word;
        const int value = token.parameter;
        if (const char32_t special = specialCharacter(word)) {
            emit(special);
        } else if (word == "cell" || word == "nestcell" || word == "row" || word == "nestrow") {
            settleSurrogate();
            out().appendCellMark();
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
        } else if (word == "deff" && token.hasParameter) {
            defaultFont_ = value;
        } else if (word == "ansicpg" && token.hasParameter) {
            documentCodePage_ = value;
        } else if (word == "ansi") {
            documentCodePage_ = kWindowsLatin1;
        } else if (word == "mac") {
            documentCodePage_ = 10000;
        } else if (word == "pc") {
            documentCodePage_ = 437;
        } else if (word == "pca") {
            documentCodePage_ = 850;
        }
    }

    void controlSymbol(char symbol) {
        if (!inText()) return;
        switch (symbol) {
            case '~': emit(chars::kNoBreakSpace); break;
            case '_': emit(chars::kNoBreakHyphen); break;
            case '-': emit(chars::kOptionalHyphen); break;
            case '\n': emit(chars::kParagraph); break;
            case '\t': emit(chars::kTab); break;
            case '\\':
            case '{':
            case '}': emit(static_cast<char32_t>(symbol)); break;
            default: break;  // \| \: and unknown symbols carry no text
        }
    }

    int currentCodePage() const {
        const int font = groups_.back().font >= 0 ? groups_.back().font : defaultFont_;
        const auto found = fontCodePages_.find(font);
        return found != fontCodePages_.end() && found->second > 0 ? found->second : documentCodePage_;
    }

    // Text bytes wait until the run ends, so that the two bytes of a
    // double-byte character are decoded together.
    void text(std::string_view bytes) {
        if (!inText()) return;
        const int codePage = currentCodePage();
        if (codePage != pendingCodePage_) flushBytes();
        pendingCodePage_ = codePage;
        for (const char c : bytes)
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') pendingBytes_ += c;
    }

    void flushBytes() {
        if (pendingBytes_.empty()) return;
        settleSurrogate();
        decoder_.decode(pendingCodePage_, pendingBytes_, out());
        pendingBytes_.clear();
    }

    void unicode(int value) {
        if (!inText()) return;
        const auto cp = static_cast<char32_t>(value);
        if (cp >= 0xDC00 && cp <= 0xDFFF && highSurrogate_ != 0) {
            out().append(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00));
            highSurrogate_ = 0;
            return;
        }
        settleSurrogate();
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            highSurrogate_ = cp;
        } else if (cp >= 0x20 || cp == chars::kTab) {
            out().append(cp);
        }
    }

    void emit(char32_t c) {
        if (!inText()) return;
        settleSurrogate();
        out().append(c);
    }

    // A high surrogate not followed by its low half stands for nothing valid.
    void settleSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        out().append(kReplacement);
    }

    std::string finish() {
        settleSurrogate();
        // The last paragraph has its mark even when the writer left out the
        // final \par, and a table is always followed by a paragraph.
        if (!out_.text().empty() && !out_.endsWith('\r')) out_.append(chars::kParagraph);
        if (!stories_) return out_.take();
        for (std::size_t story = 1; story < kFieldCode; ++story)
            stories_->add(static_cast<StoryKind>(story - 1), others_[story].take());
        return stories_->appendTo(out_.take());
    }

    RtfTokenizer tokens_;
    std::vector<GroupState> groups_;
    TextBuilder out_;
    OtherStories* stories_;
    std::array<TextBuilder, kFieldCode + 1> others_;  // by story index; [0] unused
    CodePageDecoder decoder_;
    std::string pendingBytes_;
    int pendingCodePage_ = kWindowsLatin1;
    int documentCodePage_ = kWindowsLatin1;
    int defaultFont_ = -1;
    int definingFont_ = -1;
    std::unordered_map<int, int> fontCodePages_;
    std::size_t fallbackLeft_ = 0;
    char32_t highSurrogate_ = 0;
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
