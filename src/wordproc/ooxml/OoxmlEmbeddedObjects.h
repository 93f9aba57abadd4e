// Objects embedded in a WordprocessingML package (its "embeddings" parts):
// packages (a .docx, a workbook) handed on as they are, OLE objects
// (compound files) as the document they hold. Read only with
// ReadOptions::allStories, as the rest of a document beyond its main text.
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/ZipArchive.h"

namespace harvelux::wordproc {

// Hands each embedded object to `sink`, named by its part's path (or by the
// packaged file's own name), until the sink's caps are reached.
void listOoxmlEmbeddedObjects(const ZipArchive& zip, const ReadOptions& options, MemberSink& sink);

}  // namespace harvelux::wordproc
