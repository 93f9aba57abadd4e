// pugixml with the options every reader uses: no DTD, no entity expansion
// beyond the five predefined ones, whitespace kept where it is a text node's
// whole content (<w:t> </w:t>), and an error for a part that is not XML.
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Parses `xml` in place of a copy; throws EngineError when it is not XML.
// With `keepWhitespaceText` every whitespace-only text node is kept (in
// formats where the space between two spans is text).
void parseXml(pugi::xml_document& document, std::string_view xml, const char* what, bool keepWhitespaceText = false);

// The prefix ("w:", or "" for the default namespace) bound to one of the
// URIs on the element (nothing when none is), so element names can be matched whatever prefix a writer chose.
std::optional<std::string> prefixFor(const pugi::xml_node& element, std::initializer_list<std::string_view> uris);

// The local part of an element name ("w:p" gives "p").
std::string_view localName(const pugi::xml_node& node);

// The text of the element's descendants end to end, at most `maxBytes` of
// it (the rest is dropped), walked without recursion: a link's text.
std::string textWithin(const pugi::xml_node& element, std::size_t maxBytes);

// The part before the colon ("w:p" gives "w:", "p" gives "").
std::string_view namePrefix(const pugi::xml_node& node);

}  // namespace harvelux::wordproc
