#pragma once

#include "wordproc/ooxml/OpcRelationships.h"

#include <pugixml.hpp>

#include <string>

namespace harvelux::wordproc {

class OtherStories;

// Where a story's mailto: links go when all stories are read: hyperlinks
// (their targets found by relationship id, or given in w:hlink) and
// HYPERLINK fields. No `stories`, no links.
struct WordLinks {
    OtherStories* stories = nullptr;
    const ExternalTargets* relationshipTargets = nullptr;
};

// The prefixes a WordprocessingML part's root binds to the main namespace
// (transitional, strict, or Word 2003 XML's) and to the math namespace,
// such as "w:" and "m:".
struct WordPrefixes {
    std::string w;
    std::string m;
};

// Throws EngineError when `root` is not a WordprocessingML element.
WordPrefixes wordPrefixesOf(const pugi::xml_node& root);

// The main-story text of a parsed WordprocessingML main part (w:document):
// paragraphs, tables, runs and field results of w:body, in document order.
// Throws EngineError when the part is not a WordprocessingML document or
// nests too deeply.
std::string readWordprocessingBody(const pugi::xml_document& document, const WordLinks& links = {});

// The text of a story held by `container` (a header, footer, note, comment
// or text box), its children read as a body's are.
std::string readWordprocessingStory(const pugi::xml_node& container, const std::string& wordPrefix,
                                    const std::string& mathPrefix, const WordLinks& links);

}  // namespace harvelux::wordproc
