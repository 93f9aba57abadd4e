#include "wordproc/ooxml/OoxmlPresentation.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/ooxml/OoxmlPartText.h"
#include "wordproc/ooxml/OpcRelationships.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kDefaultPresentation = "ppt/presentation.xml";

// The text of a slide-like part (slide, notes, master): DrawingML
// paragraphs of every shape and table, in the part's order.
std::string drawingText(const ZipArchive& zip, const std::string& part) {
    pugi::xml_document document;
    if (!parsePart(zip, part, document)) return {};
    return runText(document.document_element(), "t", "p");
}

void readSlideStories(const ZipArchive& zip, const std::string& slide, OtherStories& stories) {
    const Relationships relationships = readRelationships(zip, slide);
    // Named, not bound: clang 14 cannot capture a structured binding.
    for (const auto& entry : relationships) {
        const Relationship& relationship = entry.second;
        if (relationship.external) {
            stories.addLink(relationship.target);
        } else if (relationship.type.ends_with("/notesSlide")) {
            stories.read(StoryKind::Notes, [&] { return drawingText(zip, relationship.target); });
        } else if (relationship.type.ends_with("/comments")) {
            stories.read(StoryKind::Comments, [&] {
                pugi::xml_document comments;
                if (!parsePart(zip, relationship.target, comments)) return std::string();
                return runText(comments.document_element(), "text", "cm");
            });
        }
    }
}

}  // namespace

bool isPresentationMLPackage(const ZipArchive& zip) {
    if (!zip.contains("[Content_Types].xml")) return false;
    const std::string main = officeDocumentPart(zip);
    return main.empty() ? zip.contains(std::string(kDefaultPresentation)) : main.ends_with("/presentation.xml");
}

std::string readPresentationMLText(const ZipArchive& zip, const ReadOptions& options) {
    const std::string named = officeDocumentPart(zip);
    const std::string name = named.empty() ? std::string(kDefaultPresentation) : named;
    pugi::xml_document presentation;
    if (!parsePart(zip, name, presentation)) throw EngineError("the package has no presentation");
    const Relationships relationships = readRelationships(zip, name);
    TextBuilder text;
    OtherStories stories;
    for (const pugi::xml_node& entry : childNamed(presentation.document_element(), "sldIdLst").children()) {
        const auto found = relationships.find(relationshipIdOf(entry));
        if (found == relationships.end() || found->second.external) continue;
        // A missing or damaged slide is passed over; the others are read.
        try {
            const std::string slide = drawingText(zip, found->second.target);
            if (!slide.empty()) {
                text.append(slide);
                text.append(chars::kPageBreak);
            }
        } catch (const EngineError& error) {
            if (error.reason() == UnreadableReason::TooLarge) throw;
        }
        if (options.allStories) readSlideStories(zip, found->second.target, stories);
    }
    if (!options.allStories) return text.take();
    for (const auto& entry : relationships) {
        const Relationship& relationship = entry.second;
        if (!relationship.external && relationship.type.ends_with("/slideMaster"))
            stories.read(StoryKind::HeadersFooters, [&] { return drawingText(zip, relationship.target); });
    }
    return stories.appendTo(text.take());
}

}  // namespace harvelux::wordproc
