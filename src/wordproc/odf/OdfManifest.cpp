#include "wordproc/odf/OdfManifest.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfNamespaces.h"

namespace harvelux::wordproc {

std::vector<ManifestEntry> readManifest(const ZipArchive& zip) {
    std::vector<ManifestEntry> entries;
    const auto manifest = zip.read("META-INF/manifest.xml");
    if (!manifest) return entries;
    pugi::xml_document document;
    try {
        parseXml(document, *manifest, "the manifest");
    } catch (const EngineError&) {
        return entries;
    }
    XmlNamespaces ns;
    const pugi::xml_node root = document.document_element();
    ns.enter(root);
    for (const pugi::xml_node& entry : root.children()) {
        if (entry.type() != pugi::node_element) continue;
        const std::size_t mark = ns.enter(entry);
        if (localName(entry) == "file-entry" && ns.uriOf(entry) == odf::kManifest) {
            ManifestEntry& added = entries.emplace_back();
            added.path = ns.attribute(entry, odf::kManifest, "full-path");
            added.mediaType = ns.attribute(entry, odf::kManifest, "media-type");
            for (const pugi::xml_node& child : entry.children())
                if (localName(child) == "encryption-data") added.encrypted = true;
        }
        ns.leave(mark);
    }
    return entries;
}

}  // namespace harvelux::wordproc
