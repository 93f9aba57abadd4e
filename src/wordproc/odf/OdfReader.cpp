#include "wordproc/odf/OdfReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfKinds.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/odf/OdfStories.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/OtherStories.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

using odf::kManifest;
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

// Calls `visit(entry, namespaces)` for each manifest:file-entry of the
// package's manifest; nothing when there is no readable manifest.
template <typename Visit>
void forEachManifestEntry(const ZipArchive& zip, Visit visit) {
    const auto manifest = zip.read("META-INF/manifest.xml");
    if (!manifest) return;
    pugi::xml_document document;
    try {
        parseXml(document, *manifest, "the manifest");
    } catch (const EngineError&) {
        return;  // a broken manifest is passed over; the content decides
    }
    XmlNamespaces ns;
    const pugi::xml_node root = document.document_element();
    ns.enter(root);
    for (const pugi::xml_node& entry : root.children()) {
        if (entry.type() != pugi::node_element) continue;
        const std::size_t mark = ns.enter(entry);
        if (localName(entry) == "file-entry" && ns.uriOf(entry) == kManifest) visit(entry, ns);
        ns.leave(mark);
    }
}

}  // namespace

bool isEncryptedOpenDocument(const ZipArchive& zip) {
    bool encrypted = false;
    forEachManifestEntry(zip, [&](const pugi::xml_node& entry, const XmlNamespaces& ns) {
        if (ns.attribute(entry, kManifest, "full-path") != "content.xml") return;
        for (const pugi::xml_node& child : entry.children())
            if (localName(child) == "encryption-data") encrypted = true;
    });
    return encrypted;
}

bool isOpenDocumentTextPackage(const ZipArchive& zip) {
    if (!zip.contains("content.xml")) return false;
    if (zip.contains("mimetype")) return isTextMediaType(trimmed(*zip.read("mimetype", kMaxMimetypeBytes)));
    bool text = false;
    forEachManifestEntry(zip, [&](const pugi::xml_node& entry, const XmlNamespaces& ns) {
        if (ns.attribute(entry, kManifest, "full-path") == "/")
            text = isTextMediaType(ns.attribute(entry, kManifest, "media-type"));
    });
    return text;
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
