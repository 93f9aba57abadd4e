#include "wordproc/odf/OdfReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfKinds.h"
#include "wordproc/odf/OdfManifest.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/odf/OdfStories.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/OtherStories.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

using odf::kOffice;

constexpr std::string_view kTextMediaType = "application/vnd.oasis.opendocument.text";
constexpr std::uint64_t kMaxMimetypeBytes = 256;
constexpr std::size_t kFlatSniffBytes = 65536;

// Text documents, templates and master documents share the body format.
bool isTextMediaType(std::string_view type) {
    constexpr std::string_view kSuffixes[] = {"", "-template", "-master", "-master-template"};
    if (type.substr(0, kTextMediaType.size()) != kTextMediaType) return false;
    const std::string_view suffix = type.substr(kTextMediaType.size());
    return std::find(std::begin(kSuffixes), std::end(kSuffixes), suffix) != std::end(kSuffixes);
}

}  // namespace

bool isEncryptedOpenDocument(const ZipArchive& zip) {
    for (const ManifestEntry& entry : readManifest(zip))
        if (entry.path == "content.xml" && entry.encrypted) return true;
    return false;
}

bool isOpenDocumentTextPackage(const ZipArchive& zip) {
    if (!zip.contains("content.xml")) return false;
    if (zip.contains("mimetype")) return isTextMediaType(trimmed(*zip.read("mimetype", kMaxMimetypeBytes)));
    for (const ManifestEntry& entry : readManifest(zip))
        if (entry.path == "/") return isTextMediaType(entry.mediaType);
    return false;
}

bool looksLikeFlatOpenDocumentText(std::string_view data) {
    const std::string_view head = data.substr(0, kFlatSniffBytes);
    const std::size_t first = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return first != std::string_view::npos && head[first] == '<' && head.find(kOffice) != std::string_view::npos &&
           head.find(kTextMediaType) != std::string_view::npos;
}

std::string readOpenDocumentPackageText(const ZipArchive& zip, const ReadOptions& options) {
    return readOpenDocumentPackageOf(zip, options, [](const pugi::xml_document& document, OtherStories* stories) {
        return readOpenDocumentBody(document, stories);
    });
}

std::string readFlatOpenDocumentText(std::string_view data, const ReadOptions& options) {
    pugi::xml_document document;
    parseXml(document, data, "the document", true);
    XmlNamespaces ns;
    const pugi::xml_node root = document.document_element();
    ns.enter(root);
    if (!isTextMediaType(ns.attribute(root, kOffice, "mimetype")))
        throw EngineError("not an OpenDocument text document");
    if (!options.allStories) return readOpenDocumentBody(document);
    OtherStories stories;
    std::string main = readOpenDocumentBody(document, &stories);
    readOpenDocumentStories(document, &document, stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
