#include "wordproc/ooxml/OoxmlBody.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/BodyMarks.h"
#include "wordproc/text/FieldCodes.h"
#include "wordproc/text/FieldStack.h"
#include "wordproc/text/TextBuilder.h"
#include "wordproc/text/TreeWalk.h"

#include <cstdlib>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kTransitionalMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view kStrictMain = "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr std::string_view kWordXml2003 = "http://schemas.microsoft.com/office/word/2003/wordml";
constexpr std::string_view kMath = "http://schemas.openxmlformats.org/officeDocument/2006/math";
constexpr std::string_view kStrictMath = "http://purl.oclc.org/ooxml/officeDocument/math";

struct Frame {
    pugi::xml_node next;    // the next child to visit
    BodyMark onExit;        // written when the walk leaves the element
    std::size_t textStart;  // the text's size when the element was entered
};

// Elements whose subtree holds no main-story text: properties, drawings and
// shapes (text boxes are stories of their own), comment marks, field codes
// and phonetic guides.
bool isSkipped(std::string_view name) {
    static constexpr std::string_view kSkipped[] = {
        "pPr",           "rPr",        "tblPr",        "trPr",        "tcPr",
        "tblGrid",       "sectPr",     "sdtPr",        "sdtEndPr",    "tblPrEx",
        "drawing",       "pict",       "object",       "txbxContent", "commentReference",
        "annotationRef", "instrText",  "delInstrText", "rt",          "background",
        "customXmlPr",   "smartTagPr", "rubyPr",       "altChunk",    "fldData",
        "ffData",        "numPr"};
    for (const std::string_view skipped : kSkipped)
        if (name == skipped) return true;
    return false;
}

class BodyWalker {
public:
    // `inlineNotes`: notes stand in the text where they are referenced, as
    // in Word 2003 XML documents.
    BodyWalker(std::string wordPrefix, std::string mathPrefix, bool inlineNotes, const WordLinks& links = {})
        : w_(std::move(wordPrefix)),
          m_(std::move(mathPrefix)),
          inlineNotes_(inlineNotes),
          links_(links),
          codes_(links.stories) {}

    std::string walk(const pugi::xml_node& body) {
        // Looked up once: the root may carry any number of attributes.
        rootSpace_ = body.root().first_child().attribute("xml:space").value();
        stack_.push_back({body.first_child(), BodyMark::None, 0});
        walkTree(
            stack_, [](const pugi::xml_node& node) { return node.next_sibling(); },
            [this](const pugi::xml_node& node) { enter(node); }, [this](const Frame& done) { leave(done); });
        return out_.take();
    }

private:
    bool isWord(const pugi::xml_node& node) const { return namePrefix(node) == w_; }
    bool isWordXmlComment(const pugi::xml_node& node) const {
        return localName(node) == "annotation" &&
               std::string_view(node.attribute((w_ + "type").c_str()).value()) == "Word.Comment";
    }
    bool emitting() const { return !fields_.inCode(); }

    void push(const pugi::xml_node& node, BodyMark onExit) {
        pushFrame(stack_, Frame{node.first_child(), onExit, out_.text().size()});
    }

    void emit(char32_t c) {
        if (emitting()) out_.append(c);
    }

    void enter(const pugi::xml_node& node) {
        if (node.type() != pugi::node_element) return;
        const std::string_view name = localName(node);
        const std::string_view prefix = namePrefix(node);

        if (name == "t" && (prefix == w_ || prefix == m_)) {
            if (emitting()) out_.append(runText(node));
            if (codes_.inLinkResult()) codes_.result(runText(node));
            return;
        }
        if (!isWord(node)) {
            enterOtherNamespace(node, name, prefix);
            return;
        }
        if (links_.stories) noteLink(node, name);
        if (isSkipped(name)) return;
        if (inlineNotes_ && (name == "footnote" || name == "endnote")) {
            readInlineNote(node, name);
            return;
        }
        if (enterMarked(node, name) || enterRunContent(node, name)) return;
        push(node, BodyMark::None);  // body, r, hyperlink, tbl, sdt, ins, del, smartTag, ...
    }

    // An element of another namespace than the main one: markup
    // compatibility, an extension's symbol, a Word 2003 XML comment, or a
    // container walked into.
    void enterOtherNamespace(const pugi::xml_node& node, std::string_view name, std::string_view prefix) {
        // Markup compatibility: an AlternateContent holds the same content
        // several ways. The fallback is the form every reader understands
        // (the choices need extensions: new symbols, shapes); a choice is
        // read only when there is no fallback, and then only the first.
        if (name == "Choice" && !isChoiceRead(node)) return;
        if (name == "symEx") {
            emitSymbol(node.attribute((std::string(prefix) + "char").c_str()).value());
            return;
        }
        if (isWordXmlComment(node)) {
            readInlineComment(node);
            return;
        }
        push(node, BodyMark::None);
    }

    // Word 2003 XML keeps a note where it is referenced: its mark stands in
    // the text, its text is a story of its own, read with a walker that
    // takes notes as ordinary elements, so a note nested in a note cannot
    // recurse further.
    void readInlineNote(const pugi::xml_node& note, std::string_view name) {
        emit(chars::kNoteMark);
        if (links_.stories)
            links_.stories->read(name == "footnote" ? StoryKind::Footnotes : StoryKind::Endnotes,
                                 [&] { return readWordprocessingStory(note, w_, m_, links_); });
    }

    // A Word 2003 XML comment stands where it is anchored; its text is a
    // story of its own. Inside a note or a comment it is left out, so
    // comments cannot nest the walk.
    void readInlineComment(const pugi::xml_node& comment) {
        if (inlineNotes_ && links_.stories)
            links_.stories->read(StoryKind::Comments, [&] { return readWordprocessingStory(comment, w_, m_, links_); });
    }

    // Paragraphs, table cells and rows: walked into, their mark written on
    // leaving them. False for other elements.
    bool enterMarked(const pugi::xml_node& node, std::string_view name) {
        if (name == "p") {
            const bool sectionEnd = node.child((w_ + "pPr").c_str()).child((w_ + "sectPr").c_str());
            push(node, sectionEnd ? BodyMark::SectionEnd : BodyMark::Paragraph);
        } else if (name == "tc") {
            push(node, BodyMark::Cell);
        } else if (name == "tr") {
            push(node, BodyMark::Row);
        } else {
            return false;
        }
        return true;
    }

    // What a run holds besides its w:t: deleted text, special characters,
    // note references, symbols and field characters. False for other
    // elements.
    bool enterRunContent(const pugi::xml_node& node, std::string_view name) {
        if (name == "delText") {
            if (emitting()) out_.append(runText(node));
        } else if (name == "tab") {
            emit(chars::kTab);
        } else if (name == "br") {
            const std::string_view type = node.attribute((w_ + "type").c_str()).value();
            emit(type == "page" ? chars::kPageBreak : type == "column" ? chars::kColumnBreak : chars::kLineBreak);
        } else if (name == "cr") {
            emit(chars::kLineBreak);
        } else if (name == "noBreakHyphen") {
            emit(chars::kNoBreakHyphen);
        } else if (name == "softHyphen") {
            emit(chars::kOptionalHyphen);
        } else if (name == "footnoteReference" || name == "endnoteReference") {
            // A note with a mark of its own has that mark as the run's text.
            if (!isOn(node.attribute((w_ + "customMarkFollows").c_str()))) emit(chars::kNoteMark);
        } else if (name == "sym") {
            emitSymbol(node.attribute((w_ + "char").c_str()).value());
        } else if (name == "fldChar") {
            fieldChar(node.attribute((w_ + "fldCharType").c_str()).value());
        } else {
            return false;
        }
        return true;
    }

    // Link targets and field instructions, kept when all stories are read.
    void noteLink(const pugi::xml_node& node, std::string_view name) {
        if (name == "instrText") {
            codes_.text(node.child_value());
        } else if (name == "fldSimple") {
            links_.stories->addFieldCode(node.attribute((w_ + "instr").c_str()).value(),
                                         textWithin(node, OtherStories::kLinkTextBytes));
        } else if (name == "hlink") {
            addLink(node, node.attribute((w_ + "dest").c_str()).value());
        } else if (name == "hyperlink" && links_.relationshipTargets) {
            for (const pugi::xml_attribute& attribute : node.attributes()) {
                const std::string_view attributeName = attribute.name();
                if (attributeName.size() < 3 || attributeName.substr(attributeName.size() - 3) != ":id") continue;
                const auto target = links_.relationshipTargets->find(attribute.value());
                if (target != links_.relationshipTargets->end()) addLink(node, target->second);
            }
        }
    }

    // A link's target, with the text inside the link element.
    void addLink(const pugi::xml_node& node, std::string_view target) const {
        links_.stories->addLink(target, OtherStories::isMailtoLink(target)
                                            ? textWithin(node, OtherStories::kLinkTextBytes)
                                            : std::string());
    }

    // A run's text. Unless xml:space="preserve" says otherwise, white space
    // at either end of the element is markup, not text.
    std::string_view runText(const pugi::xml_node& node) const {
        const std::string_view text = node.child_value();
        const pugi::xml_attribute own = node.attribute("xml:space");
        const std::string_view space = own ? own.value() : rootSpace_;
        return space == "preserve" ? text : trimmed(text);
    }

    // A symbol given by its hexadecimal code point.
    void emitSymbol(const char* hex) {
        const unsigned long cp = std::strtoul(hex, nullptr, 16);
        if (cp > 0 && cp <= 0x10FFFF) emit(static_cast<char32_t>(cp));
    }

    // Whether a Choice is read: not when its AlternateContent has a
    // Fallback, nor when an earlier sibling has the same name. What each
    // AlternateContent holds is looked at once, however many choices it has.
    bool isChoiceRead(const pugi::xml_node& choice) {
        const pugi::xml_node parent = choice.parent();
        auto [found, isNew] = alternatives_.try_emplace(parent.internal_object());
        Alternatives& seen = found->second;
        if (isNew)
            for (pugi::xml_node sibling = parent.first_child(); sibling; sibling = sibling.next_sibling())
                if (sibling.type() == pugi::node_element && localName(sibling) == "Fallback") seen.hasFallback = true;
        // The choices are entered in document order, so the names seen so
        // far are those of the earlier siblings.
        const bool first = seen.choiceNames.insert(choice.name()).second;
        return first && !seen.hasFallback;
    }

    // An on/off attribute: present and not "0", "false" or "off".
    static bool isOn(const pugi::xml_attribute& attribute) {
        if (!attribute) return false;
        const std::string_view value = attribute.value();
        return value != "0" && value != "false" && value != "off";
    }

    void leave(const Frame& frame) { writeBodyMark(out_, frame.onExit, frame.textStart); }

    // Complex fields: begin, code, separate, result, end. Text between begin
    // and separate is the field code and is dropped; fields nest.
    void fieldChar(std::string_view type) {
        if (type == "begin") {
            fields_.begin();
            codes_.begin();
        } else if (type == "separate") {
            fields_.separate();
            codes_.separate();
        } else if (type == "end") {
            fields_.end();
            codes_.end();
        }
    }

    struct Alternatives {
        bool hasFallback = false;
        std::unordered_set<std::string_view> choiceNames;
    };

    std::string w_;
    std::string m_;
    std::string_view rootSpace_;
    std::unordered_map<pugi::xml_node_struct*, Alternatives> alternatives_;
    bool inlineNotes_;
    TextBuilder out_;
    std::vector<Frame> stack_;
    FieldStack fields_;
    WordLinks links_;
    FieldCodes codes_;
};

}  // namespace

WordPrefixes wordPrefixesOf(const pugi::xml_node& root) {
    const std::optional<std::string> w = prefixFor(root, {kTransitionalMain, kStrictMain, kWordXml2003});
    if (!w || namePrefix(root) != *w) throw EngineError("not a WordprocessingML document");
    return {*w, prefixFor(root, {kMath, kStrictMath}).value_or("m:")};
}

std::string readWordprocessingStory(const pugi::xml_node& container, const std::string& wordPrefix,
                                    const std::string& mathPrefix, const WordLinks& links) {
    return BodyWalker(wordPrefix, mathPrefix, false, links).walk(container);
}

std::string readWordprocessingBody(const pugi::xml_document& document, const WordLinks& links) {
    const pugi::xml_node root = document.document_element();
    // Word 2003 XML documents (w:wordDocument) share the body's vocabulary.
    if (localName(root) != "document" && localName(root) != "wordDocument")
        throw EngineError("not a WordprocessingML document");
    const WordPrefixes prefixes = wordPrefixesOf(root);
    const pugi::xml_node body = root.child((prefixes.w + "body").c_str());
    if (!body) return std::string();
    return BodyWalker(prefixes.w, prefixes.m, localName(root) == "wordDocument", links).walk(body);
}

}  // namespace harvelux::wordproc
