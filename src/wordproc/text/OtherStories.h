// The stories of a document beyond its main story, gathered while a reader
// reads with ReadOptions::allStories, and appended after the main story in
// a fixed order: footnotes, endnotes, comments, text boxes and frames,
// headers and footers, notes, properties, then the addresses of mailto:
// links.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/StoryKind.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harvelux::wordproc {

class OtherStories {
public:
    // Adds a story's text; a story that does not end in CR is given one.
    void add(StoryKind kind, std::string_view text);

    // Adds the story `read()` returns. A story that cannot be read (missing,
    // damaged, not what it claims to be) counts as empty: the rest of the
    // document is still read.
    template <typename Read>
    void read(StoryKind kind, Read&& read) {
        std::string text;
        try {
            text = read();
        } catch (const EngineError&) {
            return;
        }
        add(kind, text);
    }

    // A hyperlink's target; kept when it is a mailto: link. The link's
    // text, when it names one address and reads as a name (no "@", no
    // brackets, not too long), is written before it as a display name:
    // "Jane Doe" <jane@example.org>.
    void addLink(std::string_view uri, std::string_view text = {});
    // Whether `uri` is a mailto: link (its text is then worth reading), and
    // how much of a link's text a reader need hand over: longer texts are
    // no name.
    static bool isMailtoLink(std::string_view uri);
    static constexpr std::size_t kLinkTextBytes = 512;
    // A field's instruction; its target is kept when it is a HYPERLINK
    // field to a mailto: address, with the field's result as its text when
    // the reader has it.
    void addFieldCode(std::string_view code, std::string_view result = {});

    // `main` followed by the stories and then the link addresses, one a line;
    // each story marked where it begins when this thread marks stories.
    std::string appendTo(std::string main) const;

private:
    static constexpr std::size_t kKinds = 7;
    std::array<std::string, kKinds> stories_;
    struct Link {
        std::string address;
        std::string name;
    };
    std::vector<Link> links_;
    std::unordered_map<std::string, std::size_t> seenLinks_;  // address -> into links_
    std::size_t bytes_ = 0;
};

}  // namespace harvelux::wordproc
