// PresentationML packages (.pptx .pptm .potx .ppsx): the text of every
// slide in the presentation's order, a paragraph a line and a slide ending
// in a form feed; with
// ReadOptions::allStories also the speaker notes, the comments, the slide
// masters' text and the addresses of mailto: hyperlinks.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>

namespace harvelux::wordproc {

class ZipArchive;

bool isPresentationMLPackage(const ZipArchive& zip);

// Throws EngineError when the package has no readable presentation.
std::string readPresentationMLText(const ZipArchive& zip, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
