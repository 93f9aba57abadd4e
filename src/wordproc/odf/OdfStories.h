// The stories of an OpenDocument text document beyond its body: footnotes
// and endnotes (text:note bodies), comments (office:annotation), text boxes
// and shapes with text, and the headers and footers of the master pages.
#pragma once

#include <pugixml.hpp>

namespace harvelux::wordproc {

class OtherStories;

// Adds the notes, comments and text boxes of the body of `content` (a text
// or a spreadsheet), and the
// headers and footers of the master pages in `styles` (styles.xml of a
// package; the document itself when flat). `styles` may be null.
void readOpenDocumentStories(const pugi::xml_document& content, const pugi::xml_document* styles,
                             OtherStories& stories);

}  // namespace harvelux::wordproc
