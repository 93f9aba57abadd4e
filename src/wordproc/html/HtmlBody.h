#pragma once

#include <string>

// libxml2's node, declared here under the name libxml2 gives it.
struct _xmlNode;  // NOLINT(bugprone-reserved-identifier)

namespace harvelux::wordproc {

class OtherStories;

// The text of a parsed HTML document as a browser lays it out, in the form
// of a word processor's main story: block elements (paragraphs, divisions,
// headings, list items, quotations, ...) become paragraphs, <br> a line
// break, table cells and rows get their cell marks, each line of
// preformatted text is a paragraph, and runs of white space collapse to one
// space elsewhere. Head, scripts, styles and other content a browser does
// not show are left out. Throws EngineError when elements nest too deeply.
// With `links`, the targets of its links (<a href>) go there.
std::string readHtmlBody(const _xmlNode* root, OtherStories* links = nullptr);

}  // namespace harvelux::wordproc
