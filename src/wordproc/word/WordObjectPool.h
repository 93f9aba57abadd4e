// Objects embedded in a Word 97-2003 document: the storages of its
// "ObjectPool", each an OLE object (a workbook, a presentation, a package
// holding a .docx or a file). Read only with ReadOptions::allStories.
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/CompoundFile.h"

namespace harvelux::wordproc {

// Hands each object's document to `sink`, named "ObjectPool/<storage>" (or
// by the packaged file's own name), until the sink's caps are reached.
void listWordObjectPool(const CompoundFile& file, const ReadOptions& options, MemberSink& sink);

}  // namespace harvelux::wordproc
