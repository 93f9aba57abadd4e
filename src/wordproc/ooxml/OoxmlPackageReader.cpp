#include "wordproc/ooxml/OoxmlPackageReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/ooxml/OoxmlBody.h"
#include "wordproc/ooxml/OoxmlStories.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"

#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kOfficeDocumentSuffix = "/officeDocument";

// The main part named by the package relationships, or word/document.xml
// when the package has none that can be used.
std::string mainPartName(const ZipArchive& zip) {
    if (const auto rels = zip.read("_rels/.rels")) {
        pugi::xml_document document;
        try {
            parseXml(document, *rels, "the package relationships");
        } catch (const EngineError&) {
            return "word/document.xml";
        }
        for (const pugi::xml_node& rel : document.document_element().children()) {
            if (localName(rel) != "Relationship") continue;
            const std::string_view type = rel.attribute("Type").value();
            if (type.size() < kOfficeDocumentSuffix.size() ||
                type.substr(type.size() - kOfficeDocumentSuffix.size()) != kOfficeDocumentSuffix)
                continue;
            if (std::string_view(rel.attribute("TargetMode").value()) == "External") continue;
            const std::string name = resolvePartName("", rel.attribute("Target").value());
            if (!name.empty() && zip.contains(name)) return name;
        }
    }
    return "word/document.xml";
}

}  // namespace

bool isOoxmlPackage(const ZipArchive& zip) {
    return zip.contains("[Content_Types].xml") && (zip.contains("_rels/.rels") || zip.contains("word/document.xml"));
}

std::string readOoxmlText(const ZipArchive& zip, const ReadOptions& options) {
    const std::string name = mainPartName(zip);
    const auto part = zip.read(name);
    if (!part) throw EngineError("the package has no main document");
    pugi::xml_document document;
    parseXml(document, *part, "the main document");
    if (!options.allStories) return readWordprocessingBody(document);
    OtherStories stories;
    const Relationships relationships = readRelationships(zip, name);
    const auto targets = externalTargets(relationships);
    std::string main = readWordprocessingBody(document, WordLinks{&stories, &targets});
    readOoxmlStories(zip, document, relationships, stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
