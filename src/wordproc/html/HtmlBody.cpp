#include "wordproc/html/HtmlBody.h"

#include "wordproc/text/FlowText.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"
#include "wordproc/text/TreeWalk.h"

#include <libxml/tree.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

namespace {

// The text inside a link element, as much as a name can take, walked
// without recursion.
std::string linkText(const xmlNode* link) {
    std::string text;
    const xmlNode* node = link->children;
    while (node && text.size() < OtherStories::kLinkTextBytes) {
        if ((node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) && node->content)
            text += reinterpret_cast<const char*>(node->content);
        if (node->type == XML_ELEMENT_NODE && node->children) {
            node = node->children;
            continue;
        }
        while (node && node != link && !node->next) node = node->parent;
        if (!node || node == link) break;
        node = node->next;
    }
    return text;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Content a browser does not show as text.
bool isHidden(std::string_view name) {
    return isOneOf(name, {"head",     "title",    "script", "style",  "template", "iframe", "frameset", "frame",
                          "noframes", "object",   "embed",  "applet", "svg",      "canvas", "audio",    "video",
                          "select",   "datalist", "map",    "meta",   "link",     "base",   "input",    "img"});
}

bool isBlock(std::string_view name) {
    return isOneOf(name, {"html",       "body",    "p",          "div",   "h1",       "h2",      "h3",       "h4",
                          "h5",         "h6",      "ul",         "ol",    "dl",       "li",      "dt",       "dd",
                          "blockquote", "address", "article",    "aside", "section",  "header",  "footer",   "nav",
                          "main",       "figure",  "figcaption", "form",  "fieldset", "legend",  "hr",       "center",
                          "details",    "summary", "hgroup",     "menu",  "dir",      "caption", "textarea", "noscript",
                          "table",      "thead",   "tbody",      "tfoot", "option",   "optgroup"});
}

bool isPreformatted(std::string_view name) { return isOneOf(name, {"pre", "listing", "xmp", "plaintext"}); }

enum class OnExit { Nothing, Block, Preformatted, Cell, Row };

struct Frame {
    const xmlNode* next;  // the next child to visit
    OnExit onExit;
    std::size_t textStart;  // the text's size when the element was entered
};

std::string_view nameOf(const xmlNode* node) {
    return node->name ? std::string_view(reinterpret_cast<const char*>(node->name)) : std::string_view();
}

class BodyWalker {
public:
    explicit BodyWalker(OtherStories* links) : links_(links) {}

    std::string walk(const xmlNode* root) {
        stack_.push_back({root, OnExit::Nothing, 0});
        walkTree(
            stack_, [](const xmlNode* node) -> const xmlNode* { return node->next; },
            [this](const xmlNode* node) { enter(node); }, [this](const Frame& done) { leave(done); });
        endParagraph();
        return out_.take();
    }

private:
    void enter(const xmlNode* node) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            if (!node->content) return;
            const std::string_view text(reinterpret_cast<const char*>(node->content));
            if (preformatted_ > 0)
                preformattedText(text);
            else
                flow_.text(text);
            return;
        }
        if (node->type != XML_ELEMENT_NODE) return;
        const std::string_view name = nameOf(node);
        if (isHidden(name)) return;
        if (links_ && name == "a") {
            for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
                if (attribute->name && std::string_view(reinterpret_cast<const char*>(attribute->name)) == "href" &&
                    attribute->children && attribute->children->content) {
                    const std::string_view href(reinterpret_cast<const char*>(attribute->children->content));
                    links_->addLink(href, OtherStories::isMailtoLink(href) ? linkText(node) : std::string());
                }
        }
        if (name == "br") {
            flow_.breakLine(chars::kLineBreak);
            return;
        }
        OnExit onExit = OnExit::Nothing;
        if (isPreformatted(name)) {
            endParagraph();
            ++preformatted_;
            onExit = OnExit::Preformatted;
        } else if (name == "td" || name == "th") {
            endParagraph();
            onExit = OnExit::Cell;
        } else if (name == "tr") {
            endParagraph();
            onExit = OnExit::Row;
        } else if (isBlock(name)) {
            endParagraph();
            onExit = OnExit::Block;
        }
        pushFrame(stack_, Frame{node->children, onExit, out_.text().size()});
    }

    void leave(const Frame& frame) {
        switch (frame.onExit) {
            case OnExit::Block:
                endParagraph();
                break;
            case OnExit::Preformatted:
                --preformatted_;
                endParagraph();
                break;
            case OnExit::Cell:
                // The cell's open paragraph ends with the cell mark itself.
                flow_.endParagraph();
                out_.endCell(frame.textStart);
                break;
            case OnExit::Row:
                endParagraph();
                if (out_.text().size() > frame.textStart) out_.appendCellMark();
                break;
            case OnExit::Nothing:
                break;
        }
    }

    // A paragraph with content gets its mark; empty ones are not shown.
    void endParagraph() {
        if (flow_.paragraphHasContent()) out_.append(chars::kParagraph);
        flow_.endParagraph();
    }

    // Every line of preformatted text is a paragraph, blank lines included.
    void preformattedText(std::string_view text) {
        while (true) {
            const std::size_t end = text.find_first_of("\r\n");
            flow_.verbatim(text.substr(0, end));
            if (end == std::string_view::npos) return;
            out_.append(chars::kParagraph);
            flow_.endParagraph();
            const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            text.remove_prefix(end + (crLf ? 2 : 1));
        }
    }

    OtherStories* links_;
    TextBuilder out_;
    FlowText flow_{out_, " \t\n\f\r"};
    std::vector<Frame> stack_;
    int preformatted_ = 0;
};

}  // namespace

std::string readHtmlBody(const _xmlNode* root, OtherStories* links) { return BodyWalker(links).walk(root); }

}  // namespace harvelux::wordproc
