#include "wordproc/ooxml/OoxmlPartText.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/text/TextBuilder.h"
#include "wordproc/text/TreeWalk.h"

#include <vector>

namespace harvelux::wordproc {

namespace {

struct Frame {
    pugi::xml_node next;
    pugi::xml_node owner;
};

}  // namespace

std::string runText(const pugi::xml_node& node, std::string_view run, std::string_view paragraph,
                    std::string_view skip) {
    TextBuilder text;
    std::vector<Frame> stack;
    pushFrame(stack, Frame{node.first_child(), node});
    walkTree(
        stack, [](const pugi::xml_node& child) { return child.next_sibling(); },
        [&](const pugi::xml_node& child) {
            if (child.type() != pugi::node_element) return;
            const std::string_view name = localName(child);
            if (!skip.empty() && name == skip) return;
            if (name == run) {
                text.append(std::string_view(child.text().get()));
                return;
            }
            if (name == "br") {
                text.append(chars::kLineBreak);
                return;
            }
            pushFrame(stack, Frame{child.first_child(), child});
        },
        [&](const Frame& done) {
            if (!paragraph.empty() && done.owner != node && localName(done.owner) == paragraph)
                text.append(chars::kParagraph);
        });
    return text.take();
}

pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name) {
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    return {};
}

std::string_view relationshipIdOf(const pugi::xml_node& element) {
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        if (name.size() > 3 && name.ends_with(":id")) return attribute.value();
    }
    return {};
}

bool parsePart(const ZipArchive& zip, const std::string& name, pugi::xml_document& document) {
    if (name.empty()) return false;
    const auto bytes = zip.read(name);
    if (!bytes) return false;
    parseXml(document, *bytes, "a part of the package", true);
    return true;
}

}  // namespace harvelux::wordproc
