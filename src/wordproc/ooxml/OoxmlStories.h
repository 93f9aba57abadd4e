// The stories of a WordprocessingML document beyond its main story:
// footnotes, endnotes and comments parts, text boxes (w:txbxContent) of the
// main part and of headers and footers, and the header and footer parts
// the sections name. Word 2003 XML keeps headers, footers and text boxes in
// its one file (its notes and comments are read with the main story).
#pragma once

#include "wordproc/ooxml/OoxmlBody.h"

#include <pugixml.hpp>

#include <map>
#include <string>

namespace harvelux::wordproc {

class OtherStories;
class ZipArchive;

struct Relationship {
    std::string type;
    std::string target;  // a part name, or the URI of an external target
    bool external = false;
};
using Relationships = std::map<std::string, Relationship, std::less<>>;

// Resolves a relationship target against the folder `base` ("" for the
// package root; "word/../x.xml" gives "x.xml").
std::string resolvePartName(std::string_view base, std::string_view target);

// The relationships of a part; none when its relationship part is missing
// or damaged.
Relationships readRelationships(const ZipArchive& zip, const std::string& partName);

// The external targets of `relationships` by id (where hyperlinks point).
std::map<std::string, std::string, std::less<>> externalTargets(const Relationships& relationships);

// Adds the stories of a package whose main part `mainPart` (with its
// relationships) has been parsed into `main`.
void readOoxmlStories(const ZipArchive& zip, const pugi::xml_document& main, const Relationships& mainRelationships,
                      OtherStories& stories);

// Adds the headers, footers and text boxes of a Word 2003 XML document.
void readWordXmlStories(const pugi::xml_document& document, OtherStories& stories);

}  // namespace harvelux::wordproc
