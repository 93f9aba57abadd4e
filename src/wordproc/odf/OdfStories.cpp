#include "wordproc/odf/OdfStories.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfElementWalk.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/OtherStories.h"

namespace harvelux::wordproc {

namespace {

using odf::kDrawing;
using odf::kOffice;
using odf::kStyle;
using odf::kText;

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
    // A spreadsheet's comments and shapes are stories as a text's are.
    pugi::xml_node text = officeChild(body, "text");
    if (!text) text = officeChild(body, "spreadsheet");
    if (text) readBodyStories(text, stories);
    if (styles) readMasterPages(*styles, stories);
}

}  // namespace harvelux::wordproc
