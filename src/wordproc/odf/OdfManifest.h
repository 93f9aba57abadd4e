// An OpenDocument package's manifest (META-INF/manifest.xml): each part's
// path, media type and whether it is encrypted.
#pragma once

#include <string>
#include <vector>

namespace harvelux::wordproc {

class ZipArchive;

struct ManifestEntry {
    std::string path;       // "/" for the package itself, "Object 1/" for a sub-document
    std::string mediaType;  // "application/vnd.oasis.opendocument.text", "text/xml", ...
    bool encrypted = false;
};

// The entries in the manifest's order; none when the package has no
// readable manifest (a broken one is passed over: the content decides).
std::vector<ManifestEntry> readManifest(const ZipArchive& zip);

}  // namespace harvelux::wordproc
