// Turns the characters stored in a Word binary document's main story into
// the text a word processor's range gives: fields give their result, not
// their code; cell and row marks become CR BEL; the breaks, tab, special
// hyphens and note reference marks keep their codes; anchors of pictures,
// drawn objects and comments leave nothing behind.
#pragma once

#include "wordproc/text/FieldCodes.h"
#include "wordproc/text/FieldStack.h"
#include "wordproc/text/TextBuilder.h"

#include <string>

namespace harvelux::wordproc {

class WordStoryText {
public:
    // With `links`, field instructions go there (for mailto: hyperlinks).
    explicit WordStoryText(OtherStories* links = nullptr) : codes_(links) {}
    // One character of the story, in story order.
    void put(char32_t c);
    std::string take() { return out_.take(); }

private:
    TextBuilder out_;
    FieldStack fields_;
    FieldCodes codes_;
};

}  // namespace harvelux::wordproc
