// A walk over the elements of an OpenDocument tree with the namespaces in
// scope at each, and the tests the story readers make on the way.
#pragma once

#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/TreeWalk.h"

#include <pugixml.hpp>

#include <string_view>
#include <vector>

namespace harvelux::wordproc {

struct OdfWalkFrame {
    pugi::xml_node next;
    std::size_t scopeMark;
};

// Enters the declarations of `node` and its ancestors, outermost first.
inline void enterScopesDownTo(XmlNamespaces& ns, const pugi::xml_node& node) {
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
    std::vector<OdfWalkFrame> stack{{root.first_child(), 0}};
    walkTree(
        stack, [](const pugi::xml_node& node) { return node.next_sibling(); },
        [&](const pugi::xml_node& node) {
            if (node.type() != pugi::node_element) return;
            const std::size_t mark = ns.enter(node);
            if (visit(node, ns)) {
                pushFrame(stack, OdfWalkFrame{node.first_child(), mark});
            } else {
                ns.leave(mark);
            }
        },
        [&](const OdfWalkFrame& done) {
            if (stack.empty()) return;  // the root's own frame
            ns.leave(done.scopeMark);
        });
}

// Whether a drawing element holds text of its own (a text box, or a shape
// with paragraphs).
inline bool holdsText(const pugi::xml_node& element, const XmlNamespaces& ns) {
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element || ns.uriOf(child) != odf::kText) continue;
        const std::string_view name = localName(child);
        if (name == "p" || name == "h" || name == "list" || name == "section" || name == "table") return true;
    }
    return false;
}

inline pugi::xml_node officeChild(const pugi::xml_node& parent, std::string_view name) {
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    return pugi::xml_node();
}

}  // namespace harvelux::wordproc
