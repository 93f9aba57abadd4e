#include "wordproc/ooxml/OoxmlStories.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/text/OtherStories.h"

#include <set>
#include <vector>

namespace harvelux::wordproc {

namespace {

// Calls `visit` for each element under `root` in document order, without
// recursion. Like the main story, a markup-compatibility choice is passed
// over when a fallback holds the same content, so a text box kept both as
// a drawing and as its VML fallback is visited once.
template <typename Visit>
void forEachElement(const pugi::xml_node& root, Visit visit) {
    pugi::xml_node node = root.first_child();
    while (node) {
        bool descend = node.type() == pugi::node_element;
        if (descend && localName(node) == "Choice") {
            if (node.previous_sibling(node.name())) descend = false;
            for (pugi::xml_node sibling = node.parent().first_child(); sibling; sibling = sibling.next_sibling())
                if (sibling.type() == pugi::node_element && localName(sibling) == "Fallback") descend = false;
        }
        if (descend) visit(node);
        if (descend && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != root && !node.next_sibling()) node = node.parent();
        if (!node || node == root) break;
        node = node.next_sibling();
    }
}

void readTextBoxes(const pugi::xml_node& root, const WordPrefixes& prefixes, const WordLinks& links,
                   OtherStories& stories) {
    const std::string name = prefixes.w + "txbxContent";
    forEachElement(root, [&](const pugi::xml_node& element) {
        if (element.name() != name) return;
        stories.read(StoryKind::TextBoxes,
                     [&] { return readWordprocessingStory(element, prefixes.w, prefixes.m, links); });
    });
}

// A parsed part of the package with its relationships.
struct Part {
    pugi::xml_document document;
    WordPrefixes prefixes;
    ExternalTargets targets;
};

// False for a part that is missing or damaged: its stories are passed over.
bool loadPart(const ZipArchive& zip, const std::string& name, Part& part) {
    try {
        const auto bytes = zip.read(name);
        if (!bytes) return false;
        parseXml(part.document, *bytes, "a story part");
        part.prefixes = wordPrefixesOf(part.document.document_element());
        part.targets = externalTargets(readRelationships(zip, name));
    } catch (const EngineError&) {
        return false;
    }
    return true;
}

// Notes or comments: each child of the part's root is one, except the
// separators Word keeps among the notes.
void readNotes(const ZipArchive& zip, const std::string& name, StoryKind kind, OtherStories& stories) {
    Part part;
    if (!loadPart(zip, name, part)) return;
    const WordLinks links{&stories, &part.targets};
    const std::string typeName = part.prefixes.w + "type";
    for (const pugi::xml_node& note : part.document.document_element().children()) {
        if (note.type() != pugi::node_element) continue;
        const std::string_view type = note.attribute(typeName.c_str()).value();
        if (!type.empty() && type != "normal") continue;
        stories.read(kind, [&] { return readWordprocessingStory(note, part.prefixes.w, part.prefixes.m, links); });
    }
}

// The header and footer parts the sections name, in section order: each
// section's headers, then its footers, each as first page, default, even.
// A part named by several sections (linked to the previous one) once.
std::vector<std::string> headerFooterParts(const pugi::xml_node& root, const std::string& w,
                                           const Relationships& relationships) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    const std::string sectPr = w + "sectPr";
    forEachElement(root, [&](const pugi::xml_node& section) {
        if (section.name() != sectPr || localName(section.parent()) == "sectPrChange") return;
        for (const char* kind : {"headerReference", "footerReference"}) {
            // Named before the loops: the range keeps a pointer to the name.
            const std::string referenceName = w + kind;
            for (const char* type : {"first", "default", "even"}) {
                for (const pugi::xml_node& reference : section.children(referenceName.c_str())) {
                    const std::string_view referenceType = reference.attribute((w + "type").c_str()).value();
                    if (referenceType != type && !(referenceType.empty() && std::string_view(type) == "default"))
                        continue;
                    for (const pugi::xml_attribute& attribute : reference.attributes()) {
                        if (!std::string_view(attribute.name()).ends_with(":id")) continue;
                        const auto found = relationships.find(attribute.value());
                        if (found == relationships.end() || found->second.external) continue;
                        if (seen.insert(found->second.target).second) names.push_back(found->second.target);
                    }
                }
            }
        }
    });
    return names;
}

}  // namespace

void readOoxmlStories(const ZipArchive& zip, const pugi::xml_document& main, const Relationships& mainRelationships,
                      OtherStories& stories) {
    const pugi::xml_node root = main.document_element();
    const WordPrefixes prefixes = wordPrefixesOf(root);
    readNotes(zip, partOfType(mainRelationships, "/footnotes"), StoryKind::Footnotes, stories);
    readNotes(zip, partOfType(mainRelationships, "/endnotes"), StoryKind::Endnotes, stories);
    readNotes(zip, partOfType(mainRelationships, "/comments"), StoryKind::Comments, stories);

    const auto mainTargets = externalTargets(mainRelationships);
    readTextBoxes(root, prefixes, WordLinks{&stories, &mainTargets}, stories);
    for (const std::string& name : headerFooterParts(root, prefixes.w, mainRelationships)) {
        Part part;
        if (!loadPart(zip, name, part)) continue;
        const WordLinks links{&stories, &part.targets};
        const pugi::xml_node partRoot = part.document.document_element();
        stories.read(StoryKind::HeadersFooters,
                     [&] { return readWordprocessingStory(partRoot, part.prefixes.w, part.prefixes.m, links); });
        readTextBoxes(partRoot, part.prefixes, links, stories);
    }
}

void readWordXmlStories(const pugi::xml_document& document, OtherStories& stories) {
    const pugi::xml_node root = document.document_element();
    const WordPrefixes prefixes = wordPrefixesOf(root);
    const WordLinks links{&stories, nullptr};
    const pugi::xml_node body = root.child((prefixes.w + "body").c_str());
    readTextBoxes(body, prefixes, links, stories);
    const std::string sectPr = prefixes.w + "sectPr";
    const std::string header = prefixes.w + "hdr";
    const std::string footer = prefixes.w + "ftr";
    forEachElement(body, [&](const pugi::xml_node& section) {
        if (section.name() != sectPr) return;
        for (const std::string* kind : {&header, &footer})
            for (const pugi::xml_node& story : section.children(kind->c_str()))
                stories.read(StoryKind::HeadersFooters,
                             [&] { return readWordprocessingStory(story, prefixes.w, prefixes.m, links); });
    });
}

}  // namespace harvelux::wordproc
