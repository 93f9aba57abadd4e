// The stories of a WordprocessingML document beyond its main story:
// footnotes, endnotes and comments parts, text boxes (w:txbxContent) of the
// main part and of headers and footers, and the header and footer parts
// the sections name. Word 2003 XML keeps headers, footers and text boxes in
// its one file (its notes and comments are read with the main story).
#pragma once

#include "wordproc/ooxml/OoxmlBody.h"
#include "wordproc/ooxml/OpcRelationships.h"

#include <pugixml.hpp>

namespace harvelux::wordproc {

class OtherStories;
class ZipArchive;

// Adds the stories of a package whose main part `mainPart` (with its
// relationships) has been parsed into `main`.
void readOoxmlStories(const ZipArchive& zip, const pugi::xml_document& main, const Relationships& mainRelationships,
                      OtherStories& stories);

// Adds the headers, footers and text boxes of a Word 2003 XML document.
void readWordXmlStories(const pugi::xml_document& document, OtherStories& stories);

}  // namespace harvelux::wordproc
