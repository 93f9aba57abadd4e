#include "wordproc/odf/OdfPresentation.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfElementWalk.h"
#include "wordproc/odf/OdfKinds.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kPresentation = "application/vnd.oasis.opendocument.presentation";
constexpr std::string_view kPresentationNs = "urn:oasis:names:tc:opendocument:xmlns:presentation:1.0";

// The text of the shapes below `root` (text boxes, shapes with paragraphs,
// tables), in document order; speaker notes go to `notes` when given and
// are otherwise left out.
std::string shapesText(const pugi::xml_node& root, OtherStories* stories, bool readNotes) {
    TextBuilder text;
    forEachElement(root, [&](const pugi::xml_node& element, XmlNamespaces& ns) {
        const std::string_view uri = ns.uriOf(element);
        if (uri == kPresentationNs && localName(element) == "notes") {
            if (readNotes && stories)
                stories->read(StoryKind::Notes, [&] { return shapesText(element, nullptr, false); });
            return false;
        }
        if ((uri == odf::kDrawing && holdsText(element, ns)) || (uri == odf::kTable && localName(element) == "table")) {
            text.append(readOpenDocumentStory(element, ns, stories));
            return false;
        }
        return true;
    });
    return text.take();
}

std::string readPresentationBody(const pugi::xml_document& document, OtherStories* stories) {
    XmlNamespaces ns;
    const pugi::xml_node body = officeBody(document, ns, "presentation");
    TextBuilder text;
    for (const pugi::xml_node& page : body.children()) {
        if (page.type() != pugi::node_element || localName(page) != "page") continue;
        const std::string slide = shapesText(page, stories, stories != nullptr);
        if (slide.empty()) continue;
        text.append(slide);
        text.append(chars::kPageBreak);
    }
    return text.take();
}

}  // namespace

bool isOpenDocumentPresentationPackage(const ZipArchive& zip) { return packageHasMediaType(zip, kPresentation); }

bool looksLikeFlatOpenDocumentPresentation(std::string_view data) { return flatHasMediaType(data, kPresentation); }

std::string readOpenDocumentPresentationText(const ZipArchive& zip, const ReadOptions& options) {
    return readOpenDocumentPackageOf(zip, options, readPresentationBody);
}

std::string readFlatOpenDocumentPresentationText(std::string_view data, const ReadOptions& options) {
    return readFlatOpenDocumentOf(data, options, readPresentationBody);
}

}  // namespace harvelux::wordproc
