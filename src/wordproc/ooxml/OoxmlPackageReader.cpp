#include "wordproc/ooxml/OoxmlPackageReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/ooxml/OoxmlBody.h"
#include "wordproc/ooxml/OoxmlStories.h"
#include "wordproc/ooxml/OpcRelationships.h"
#include "wordproc/text/OtherStories.h"

namespace harvelux::wordproc {

bool isOoxmlPackage(const ZipArchive& zip) {
    return zip.contains("[Content_Types].xml") && (zip.contains("_rels/.rels") || zip.contains("word/document.xml"));
}

std::string readOoxmlText(const ZipArchive& zip, const ReadOptions& options) {
    // A package whose relationships name no main part that it holds may
    // still keep one where Word puts it.
    const std::string named = officeDocumentPart(zip);
    const std::string name = named.empty() ? "word/document.xml" : named;
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
