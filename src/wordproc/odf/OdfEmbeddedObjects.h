// Objects embedded in an OpenDocument package (text, spreadsheet or
// presentation): sub-documents ("Object 1/", a spreadsheet in a letter),
// each written out as a package of its own, and binary OLE objects (compound
// files) as the document they hold. Read only with ReadOptions::allStories,
// as the rest of a document beyond its main text.
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"

namespace harvelux::wordproc {

class ZipArchive;

// Hands each embedded object to `sink` in the package's order, named by its
// path in the package ("Object 1"), or an OLE package's file by its own
// name, until the sink's caps are reached.
void listOpenDocumentObjects(const ZipArchive& zip, const ReadOptions& options, MemberSink& sink);

}  // namespace harvelux::wordproc
