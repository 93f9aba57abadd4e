#include "wordproc/odf/OdfKinds.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/odf/OdfReader.h"
#include "wordproc/odf/OdfStories.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/OtherStories.h"

namespace harvelux::wordproc {

namespace {
constexpr std::uint64_t kMaxMimetypeBytes = 256;
constexpr std::size_t kFlatSniffBytes = 65536;
}  // namespace

bool isMediaTypeOf(std::string_view type, std::string_view base) {
    if (!type.starts_with(base)) return false;
    const std::string_view suffix = type.substr(base.size());
    return suffix.empty() || suffix == "-template";
}

bool packageHasMediaType(const ZipArchive& zip, std::string_view base) {
    if (!zip.contains("content.xml") || !zip.contains("mimetype")) return false;
    return isMediaTypeOf(trimmed(*zip.read("mimetype", kMaxMimetypeBytes)), base);
}

bool flatHasMediaType(std::string_view data, std::string_view base) {
    const std::string_view head = data.substr(0, kFlatSniffBytes);
    const std::size_t first = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string_view::npos || head[first] != '<' || head.find(odf::kOffice) == std::string_view::npos)
        return false;
    const std::string plain = std::string(base) + '"';
    const std::string asTemplate = std::string(base) + "-template\"";
    return head.find(plain) != std::string_view::npos || head.find(asTemplate) != std::string_view::npos;
}

pugi::xml_node officeBody(const pugi::xml_document& document, XmlNamespaces& ns, std::string_view kind) {
    const pugi::xml_node root = document.document_element();
    ns.enter(root);
    if (ns.uriOf(root) != odf::kOffice) throw EngineError("not an OpenDocument document");
    for (const pugi::xml_node& body : root.children()) {
        if (body.type() != pugi::node_element || localName(body) != "body") continue;
        ns.enter(body);
        for (const pugi::xml_node& child : body.children())
            if (child.type() == pugi::node_element && localName(child) == kind) {
                ns.enter(child);
                return child;
            }
    }
    throw EngineError("the document has no body of its kind");
}

std::string readOpenDocumentPackageOf(const ZipArchive& zip, const ReadOptions& options,
                                      const OdfBodyReader& readBody) {
    if (isEncryptedOpenDocument(zip)) throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
    const auto content = zip.read("content.xml");
    if (!content) throw EngineError("the package has no content.xml");
    pugi::xml_document document;
    parseXml(document, *content, "content.xml", true);
    if (!options.allStories) return readBody(document, nullptr);
    OtherStories stories;
    std::string main = readBody(document, &stories);
    pugi::xml_document styles;
    bool haveStyles = false;
    if (const auto bytes = zip.read("styles.xml")) {
        try {
            parseXml(styles, *bytes, "styles.xml", true);
            haveStyles = true;
        } catch (const EngineError&) {}
    }
    readOpenDocumentStories(document, haveStyles ? &styles : nullptr, stories);
    return stories.appendTo(std::move(main));
}

std::string readFlatOpenDocumentOf(std::string_view data, const ReadOptions& options, const OdfBodyReader& readBody) {
    pugi::xml_document document;
    parseXml(document, data, "the document", true);
    if (!options.allStories) return readBody(document, nullptr);
    OtherStories stories;
    std::string main = readBody(document, &stories);
    readOpenDocumentStories(document, &document, stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
