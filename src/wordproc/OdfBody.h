#pragma once

#include <pugixml.hpp>

#include <string>

namespace harvelux::wordproc {

class OtherStories;
class XmlNamespaces;

// The main-story text of a parsed OpenDocument text document, from
// content.xml (office:document-content) or a flat document
// (office:document): paragraphs, headings, lists, sections, tables and
// fields' shown text of office:body/office:text, in document order, with
// text deleted under change tracking where it was deleted. Notes,
// annotations, frames and shapes and index templates are not main text. The document must have been parsed with
// whitespace-only text kept (white space between spans is text).
// Throws EngineError when it is not OpenDocument text or nests too deeply.
// With `links`, the targets of its links (text:a) go there.
std::string readOpenDocumentBody(const pugi::xml_document& document, OtherStories* links = nullptr);

// The text of a story that `element` holds (a note body, an annotation, a
// text box, a header or footer), read as the body is. `namespaces` holds
// the declarations in scope at `element`.
std::string readOpenDocumentStory(const pugi::xml_node& element, XmlNamespaces& namespaces, OtherStories* links);

}  // namespace harvelux::wordproc
