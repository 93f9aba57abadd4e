#include "wordproc/odf/OdfBody.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/BodyMarks.h"
#include "wordproc/text/FlowText.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"
#include "wordproc/text/TreeWalk.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <vector>

namespace harvelux::wordproc {

namespace {

using odf::kOffice;
using odf::kTable;
using odf::kText;
using odf::kXlink;

constexpr int kMaxSpaces = 10000;  // a single text:s

// Namespaces whose elements hold no main text: drawings, frames and text
// boxes, 3-D scenes, SVG descriptions, charts, form controls, formulas.
bool isGraphicsNamespace(std::string_view uri) {
    static constexpr std::string_view kGraphics[] = {odf::kDrawing,
                                                     "urn:oasis:names:tc:opendocument:xmlns:dr3d:1.0",
                                                     "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
                                                     "urn:oasis:names:tc:opendocument:xmlns:chart:1.0",
                                                     "urn:oasis:names:tc:opendocument:xmlns:form:1.0",
                                                     "urn:oasis:names:tc:opendocument:xmlns:presentation:1.0",
                                                     "http://www.w3.org/1998/Math/MathML"};
    return std::find(std::begin(kGraphics), std::end(kGraphics), uri) != std::end(kGraphics);
}

// text: elements that are not main text: tracked-change records, list
// labels, ruby annotations, declarations and index templates.
bool isSkippedTextElement(std::string_view name) {
    static constexpr std::string_view kSkipped[] = {"tracked-changes",
                                                    "number",
                                                    "ruby-text",
                                                    "sequence-decls",
                                                    "variable-decls",
                                                    "user-field-decls",
                                                    "dde-connection-decls",
                                                    "table-of-content-source",
                                                    "alphabetical-index-source",
                                                    "illustration-index-source",
                                                    "object-index-source",
                                                    "user-index-source",
                                                    "table-index-source",
                                                    "bibliography-source"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

// What leaving an element does: the mark it writes, and whether it ends a
// paragraph or heading (a deleted one that runs on writes no mark).
struct OnExit {
    BodyMark mark = BodyMark::None;
    bool endsParagraph = false;
};

struct Frame {
    pugi::xml_node next;  // the next child to visit
    OnExit onExit;
    std::size_t textStart;  // the text's size when the element was entered
    std::size_t scopeMark;  // namespace declarations to drop on leaving
    // A tracked deletion read where it was made, inside a paragraph; and
    // how many of its paragraphs have begun.
    bool inlineDeletion = false;
    int deletedParagraphs = 0;
};

class BodyWalker {
public:
    // With `links`, the targets of text:a links go there.
    // With `deletions`, tracked deletions are looked up there; else those of
    // the walked element itself (office:text).
    BodyWalker(XmlNamespaces& namespaces, OtherStories* links, OdfDeletions* deletions)
        : ns_(namespaces), links_(links), deletions_(deletions ? deletions : &ownDeletions_) {}

    std::string walk(const pugi::xml_node& officeText) {
        stack_.push_back({officeText.first_child(), OnExit{}, 0, ns_.enter(officeText)});
        if (deletions_ == &ownDeletions_) ownDeletions_.collect(officeText, ns_);
        walkTree(
            stack_, [](const pugi::xml_node& node) { return node.next_sibling(); },
            [this](const pugi::xml_node& node) { enter(node); }, [this](const Frame& done) { leave(done); });
        return out_.take();
    }

private:
    void enter(const pugi::xml_node& node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            // Character data counts only inside paragraphs and headings.
            if (paragraphDepth_ > 0) flow_.text(node.value());
            return;
        }
        if (node.type() != pugi::node_element) return;
        const std::size_t mark = ns_.enter(node);
        if (ns_.uriOf(node) == kText && localName(node) == "change") {
            enterDeletion(node, mark);
            return;
        }
        const std::optional<OnExit> onExit = classify(node);
        if (!onExit) {
            ns_.leave(mark);
            return;
        }
        pushFrame(stack_, Frame{node.first_child(), *onExit, out_.text().size(), mark});
    }

    // What to do with an element: skip it (nothing), or walk into it and
    // act on leaving it. Leaf elements write their character here.
    static constexpr std::optional<OnExit> kSkip = std::nullopt;

    std::optional<OnExit> classify(const pugi::xml_node& node) {
        const std::string_view uri = ns_.uriOf(node);
        const std::string_view name = localName(node);
        if (uri == kText) {
            if (name == "p" || name == "h") {
                ++paragraphDepth_;
                Frame& parent = stack_.back();
                if (parent.inlineDeletion) {
                    // The first deleted paragraph runs on from the one the
                    // deletion was made in, the last into the text after it.
                    if (parent.deletedParagraphs++ > 0) {
                        flow_.endParagraph();
                        out_.append(chars::kParagraph);
                    }
                    return OnExit{BodyMark::None, true};
                }
                flow_.endParagraph();
                return OnExit{BodyMark::Paragraph, true};
            }
            if (name == "s") {
                spaces(ns_.attribute(node, kText, "c"));
                return kSkip;
            }
            if (name == "tab") {
                if (paragraphDepth_ > 0) flow_.character(chars::kTab);
                return kSkip;
            }
            if (name == "note") {
                // The note's body is a story of its own; its citation is the mark.
                if (paragraphDepth_ > 0) flow_.character(chars::kNoteMark);
                return kSkip;
            }
            if (name == "line-break") {
                if (paragraphDepth_ > 0) flow_.character(chars::kLineBreak);
                return kSkip;
            }
            if (isSkippedTextElement(name)) return kSkip;
            if (name == "a" && links_) {
                const std::string href(ns_.attribute(node, kXlink, "href"));
                links_->addLink(href, OtherStories::isMailtoLink(href) ? textWithin(node, OtherStories::kLinkTextBytes)
                                                                       : std::string());
            }
            return OnExit{};  // spans, links, lists, sections, fields, indexes' bodies
        }
        if (uri == kTable) {
            if (name == "table-row") return OnExit{BodyMark::Row};
            if (name == "table-cell") return OnExit{BodyMark::Cell};
            if (name == "covered-table-cell" || name == "shapes" || name == "tracked-changes") return kSkip;
            return OnExit{};
        }
        if (uri == kOffice) {
            if (name == "annotation" || name == "annotation-end" || name == "forms" || name == "event-listeners" ||
                name == "change-info")
                return kSkip;
            return OnExit{};
        }
        if (isGraphicsNamespace(uri)) return kSkip;
        return OnExit{};  // extensions such as content controls hold text
    }

    // Reads the deletion a text:change marks, once: a deletion that marks
    // itself cannot loop.
    void enterDeletion(const pugi::xml_node& change, std::size_t mark) {
        const pugi::xml_node deletion = deletions_->take(ns_.attribute(change, kText, "change-id"));
        if (!deletion) {
            ns_.leave(mark);
            return;
        }
        for (const pugi::xml_node& node : {deletion.parent().parent(), deletion.parent(), deletion}) ns_.enter(node);
        pushFrame(stack_, Frame{deletion.first_child(), OnExit{}, out_.text().size(), mark, paragraphDepth_ > 0});
    }

    void spaces(std::string_view countText) {
        if (paragraphDepth_ == 0) return;
        int count = 1;
        if (!countText.empty()) {
            const auto [end, error] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
            if (error == std::errc::result_out_of_range)
                count = kMaxSpaces;
            else if (error != std::errc() || end == countText.data())
                count = 1;
        }
        for (int i = std::clamp(count, 1, kMaxSpaces); i > 0; --i) flow_.character(U' ');
    }

    void leave(const Frame& frame) {
        ns_.leave(frame.scopeMark);
        if (frame.onExit.endsParagraph) --paragraphDepth_;
        // A paragraph's mark follows its text, without the white space it ends in.
        if (frame.onExit.mark == BodyMark::Paragraph) flow_.endParagraph();
        writeBodyMark(out_, frame.onExit.mark, frame.textStart);
    }

    XmlNamespaces& ns_;
    OtherStories* links_;
    TextBuilder out_;
    FlowText flow_{out_, " \t\r\n"};
    std::vector<Frame> stack_;
    std::size_t paragraphDepth_ = 0;
    OdfDeletions ownDeletions_;
    OdfDeletions* deletions_;
};

// Calls `visit` with each child element of `parent` in the text namespace
// named `name`, its declarations in scope.
template <typename Visit>
void forEachTextChild(const pugi::xml_node& parent, std::string_view name, XmlNamespaces& ns, Visit visit) {
    for (const pugi::xml_node& child : parent.children()) {
        if (child.type() != pugi::node_element) continue;
        const std::size_t mark = ns.enter(child);
        if (ns.uriOf(child) == kText && localName(child) == name) visit(child);
        ns.leave(mark);
    }
}

}  // namespace

void OdfDeletions::collect(const pugi::xml_node& officeText, XmlNamespaces& ns) {
    forEachTextChild(officeText, "tracked-changes", ns, [&](const pugi::xml_node& changes) {
        forEachTextChild(changes, "changed-region", ns, [&](const pugi::xml_node& region) {
            forEachTextChild(region, "deletion", ns, [&](const pugi::xml_node& deletion) {
                deletions_.push_back({deletion});
                for (const std::string_view id :
                     {ns.attribute(region, kText, "id"), std::string_view(region.attribute("xml:id").value())})
                    if (!id.empty()) byId_.emplace(id, deletions_.size() - 1);
            });
        });
    });
}

pugi::xml_node OdfDeletions::take(std::string_view id) {
    const auto found = byId_.find(id);
    if (found == byId_.end() || deletions_[found->second].taken) return pugi::xml_node();
    deletions_[found->second].taken = true;
    return deletions_[found->second].node;
}

std::string readOpenDocumentStory(const pugi::xml_node& element, XmlNamespaces& namespaces, OtherStories* links,
                                  OdfDeletions* deletions) {
    return BodyWalker(namespaces, links, deletions).walk(element);
}

std::string readOpenDocumentBody(const pugi::xml_document& document, OtherStories* links) {
    XmlNamespaces ns;
    const pugi::xml_node root = document.document_element();
    ns.enter(root);
    const std::string_view rootName = localName(root);
    if (ns.uriOf(root) != kOffice || (rootName != "document-content" && rootName != "document"))
        throw EngineError("not an OpenDocument document");

    // office:body, then office:text inside it; other documents (spreadsheets,
    // drawings) have no office:text.
    const auto officeChild = [&ns](const pugi::xml_node& parent, std::string_view name) -> pugi::xml_node {
        for (const pugi::xml_node& child : parent.children()) {
            if (child.type() != pugi::node_element || localName(child) != name) continue;
            const std::size_t mark = ns.enter(child);
            if (ns.uriOf(child) == kOffice) return child;
            ns.leave(mark);
        }
        return pugi::xml_node();
    };
    const pugi::xml_node body = officeChild(root, "body");
    if (!body) throw EngineError("the document has no body");
    const pugi::xml_node text = officeChild(body, "text");
    if (!text) throw EngineError("not an OpenDocument text document");
    return BodyWalker(ns, links, nullptr).walk(text);
}

}  // namespace harvelux::wordproc
