// What the OpenDocument readers of every kind of document share: telling
// the kind by the media type (a package's "mimetype" entry, a flat
// document's office:mimetype) and finding the body of content.xml.
#pragma once

#include "wordproc/ReadOptions.h"

#include <pugixml.hpp>

#include <functional>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

class OtherStories;
class XmlNamespaces;
class ZipArchive;

// Whether `type` is `base` or its template ("<base>-template").
bool isMediaTypeOf(std::string_view type, std::string_view base);

// Whether the package's "mimetype" entry names `base` or its template.
bool packageHasMediaType(const ZipArchive& zip, std::string_view base);

// Whether the bytes look like a flat document of `base` or its template.
bool flatHasMediaType(std::string_view data, std::string_view base);

// The office:body child named `kind` (spreadsheet, presentation) of a
// parsed document, with the root's namespaces entered into `ns`; throws
// EngineError when there is none.
pugi::xml_node officeBody(const pugi::xml_document& document, XmlNamespaces& ns, std::string_view kind);

// Reads a package or flat document: `readBody(content, stories)` gives the
// main text (stories null without ReadOptions::allStories); the other
// stories of the body and the master pages follow it.
using OdfBodyReader = std::function<std::string(const pugi::xml_document&, OtherStories*)>;
std::string readOpenDocumentPackageOf(const ZipArchive& zip, const ReadOptions& options, const OdfBodyReader& readBody);
std::string readFlatOpenDocumentOf(std::string_view data, const ReadOptions& options, const OdfBodyReader& readBody);

}  // namespace harvelux::wordproc
