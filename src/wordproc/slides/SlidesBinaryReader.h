// PowerPoint 97-2003 presentations (.ppt .pps .pot): compound files with a
// "PowerPoint Document" stream of records. The text atoms of the slides, in
// the order the stream keeps them (the slide list's placeholders, then the
// slides' own text boxes), a slide ending in a form feed; with ReadOptions::allStories also the notes, the
// masters' text and the document properties.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>

namespace harvelux::wordproc {

class CompoundFile;

bool isPowerPointBinary(const CompoundFile& file);

// Throws EngineError for a damaged or password-protected presentation.
std::string readPowerPointText(const CompoundFile& file, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
