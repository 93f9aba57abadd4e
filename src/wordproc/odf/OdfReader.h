// OpenDocument text: packages (.odt .ott, a ZIP archive with a "mimetype"
// entry and content.xml) and flat XML documents (.fodt).
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

// Whether the archive is an OpenDocument text package (document, template
// or master document), by its "mimetype" entry or, lacking one, by its
// manifest.
bool isOpenDocumentTextPackage(const ZipArchive& zip);

// Whether the manifest marks content.xml as encrypted (of any kind of
// OpenDocument package).
bool isEncryptedOpenDocument(const ZipArchive& zip);

// Whether the bytes look like a flat OpenDocument text document.
bool looksLikeFlatOpenDocumentText(std::string_view data);

// Throw EngineError for an encrypted or damaged document.
std::string readOpenDocumentPackageText(const ZipArchive& zip, const ReadOptions& options = {});
std::string readFlatOpenDocumentText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
