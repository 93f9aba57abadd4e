#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harvelux::wordproc {

class OtherStories;
class XmlNamespaces;

// Text deleted with change tracking on, kept in office:text's
// text:tracked-changes apart from the text and marked there by a
// text:change where it was. Each deletion is handed out once, so that a
// deletion marked twice, or marking itself, is read once.
class OdfDeletions {
public:
    // Collects the deletions of `officeText`; `ns` holds the
    // declarations in scope at it.
    void collect(const pugi::xml_node& officeText, XmlNamespaces& ns);
    // The text:deletion a changed-region id names, or a null node when there
    // is none or it was handed out before.
    pugi::xml_node take(std::string_view id);

private:
    struct Deletion {
        pugi::xml_node node;
        bool taken = false;
    };
    std::vector<Deletion> deletions_;
    std::unordered_map<std::string_view, std::size_t> byId_;  // text:id and xml:id
};

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
// the declarations in scope at `element`; `deletions`, when given, are the
// body's, shared by its stories.
std::string readOpenDocumentStory(const pugi::xml_node& element, XmlNamespaces& namespaces, OtherStories* links,
                                  OdfDeletions* deletions = nullptr);

}  // namespace harvelux::wordproc
