#include "wordproc/odf/OdfStories.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TreeWalk.h"

#include <vector>

namespace harvelux::wordproc {

namespace {

using odf::kDrawing;
using odf::kOffice;
using odf::kStyle;
using odf::kText;

struct Frame {
    pugi::xml_node next;
    std::size_t scopeMark;
};

// Enters the declarations of `node` and its ancestors, outermost first.
void enterScopesDownTo(XmlNamespaces& ns, const pugi::xml_node& node) {
    std::vector<pugi::xml_node> ancestors;
    for (pugi::xml_node at = node; at && at.type() == pugi::node_element; at = at.parent()) ancestors.push_back(at);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) ns.enter(*it);
}

// Calls `visit(element, namespaces)` for each element under `root` in
// document order, with the namespaces in scope at the element; a visit
// that returns false keeps the walk out of the element.
template <typename Visit>
void forEachElement(const pugi::xml_node& root, Visit visit) {
    XmlNamespaces ns;
    enterScopesDownTo(ns, root);
    std::vector<Frame> stack{{root.first_child(), 0}};
    walkTree(
        stack, [](const pugi::xml_node& node) { return node.next_sibling(); },
        [&](const pugi::xml_node& node) {
            if (node.type() != pugi::node_element) return;
            const std::size_t mark = ns.enter(node);
            if (visit(node, ns)) {
                pushFrame(stack, Frame{node.first_child(), mark});
            } else {
                ns.leave(mark);
            }
        },
        [&](const Frame& done) {
            if (stack.empty()) return;  // the root's own frame
            ns.leave(done.scopeMark);
        });
}

// Whether a drawing element holds text of its own (a text box, or a shape
// with paragraphs).
bool holdsText(const pugi::xml_node& element, const XmlNamespaces& ns) {
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element || ns.uriOf(child) != kText) continue;
        const std::string_view name = localName(child);
        if (name == "p" || name == "h" || name == "list" || name == "section" || name == "table") return true;
    }
    return false;
}

pugi::xml_node officeChild(const pugi::xml_node& parent, std::string_view name) {
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    return pugi::xml_node();
}

void readBodyStories(const pugi::xml_node& text, OtherStories& stories) {
    // Tracked deletions inside the stories are read where they were made, as
    // in the body; the record of them is the body's, collected once.
    OdfDeletions deletions;
    {
        XmlNamespaces ns;
        enterScopesDownTo(ns, text);
        deletions.collect(text, ns);
    }
    // Notes first (by their class), then comments, then text boxes, so that
    // each kind keeps document order.
    forEachElement(text, [&](const pugi::xml_node& element, XmlNamespaces& ns) {
        if (ns.uriOf(element) != kText || localName(element) != "note") return true;
        const StoryKind kind =
            ns.attribute(element, kText, "note-class") == "endnote" ? StoryKind::Endnotes : StoryKind::Footnotes;
        for (const pugi::xml_node& child : element.children())
            if (child.type() == pugi::node_element && localName(child) == "note-body")
                stories.read(kind, [&] { return readOpenDocumentStory(child, ns, &stories, &deletions); });
        return true;
    });
    forEachElement(text, [&](const pugi::xml_node& element, XmlNamespaces& ns) {
        if (ns.uriOf(element) == kOffice && localName(element) == "annotation")
            stories.read(StoryKind::Comments, [&] { return readOpenDocumentStory(element, ns, &stories, &deletions); });
        return true;
    });
    forEachElement(text, [&](const pugi::xml_node& element, XmlNamespaces& ns) {
        if (ns.uriOf(element) == kDrawing && holdsText(element, ns))
            stories.read(StoryKind::TextBoxes,
                         [&] { return readOpenDocumentStory(element, ns, &stories, &deletions); });
        return true;
    });
}

// The headers and footers of each master page: first page, default (right
// and all pages), even (left).
void readMasterPages(const pugi::xml_document& styles, OtherStories& stories) {
    const pugi::xml_node masters = officeChild(styles.document_element(), "master-styles");
    if (!masters) return;
    forEachElement(masters, [&](const pugi::xml_node& page, XmlNamespaces& ns) {
        if (ns.uriOf(page) != kStyle || localName(page) != "master-page") return false;
        for (const char* kind : {"header", "footer"}) {
            const std::string kindName = kind;
            for (const std::string& name : {kindName + "-first", kindName, kindName + "-left"}) {
                for (const pugi::xml_node& story : page.children()) {
                    if (story.type() != pugi::node_element || localName(story) != name) continue;
                    const std::size_t mark = ns.enter(story);
                    if (ns.uriOf(story) == kStyle)
                        stories.read(StoryKind::HeadersFooters,
                                     [&] { return readOpenDocumentStory(story, ns, &stories); });
                    ns.leave(mark);
                }
            }
        }
        // Text boxes anchored in the headers and footers.
        forEachElement(page, [&](const pugi::xml_node& element, XmlNamespaces& inner) {
            if (inner.uriOf(element) == kDrawing && holdsText(element, inner))
                stories.read(StoryKind::TextBoxes, [&] { return readOpenDocumentStory(element, inner, &stories); });
            return true;
        });
        return false;
    });
}

}  // namespace

void readOpenDocumentStories(const pugi::xml_document& content, const pugi::xml_document* styles,
                             OtherStories& stories) {
    const pugi::xml_node body = officeChild(content.document_element(), "body");
    const pugi::xml_node text = officeChild(body, "text");
    if (text) readBodyStories(text, stories);
    if (styles) readMasterPages(*styles, stories);
}

}  // namespace harvelux::wordproc
