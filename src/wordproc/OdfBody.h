#pragma once

#include <pugixml.hpp>

#include <string>

namespace harvelux::wordproc {

// The main-story text of a parsed OpenDocument text document, from
// content.xml (office:document-content) or a flat document
// (office:document): paragraphs, headings, lists, sections, tables and
// fields' shown text of office:body/office:text, in document order, with
// text deleted under change tracking where it was deleted. Notes,
// annotations, frames and shapes and index templates are not main text. The document must have been parsed with
// whitespace-only text kept (white space between spans is text).
// Throws EngineError when it is not OpenDocument text or nests too deeply.
std::string readOpenDocumentBody(const pugi::xml_document& document);

}  // namespace harvelux::wordproc
