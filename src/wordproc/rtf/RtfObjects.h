// Objects embedded in an RTF document (\objdata): the OLE 1 object each
// holds, in hex or \bin data, its class name and then its native data. A
// Word document, a workbook or any other compound file is handed on as the
// document it holds, an OLE package ("Package") as its file. Read only with
// ReadOptions::allStories, as the rest of a document beyond its main text.
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/OleObject.h"

#include <optional>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Hands each embedded object's document to `sink` in the document's order,
// named "object N" (an OLE package's file by its own name), until the
// sink's caps are reached. A linked object (only a path) is passed over.
void listRtfObjects(std::string_view data, const ReadOptions& options, MemberSink& sink);

// The document in the bytes of one \objdata; nothing when the object is
// linked or holds only a picture of itself. Throws EngineError when a length
// in its header leaves the data.
std::optional<EmbeddedDocument> rtfObjectDocument(std::string_view objdata, std::string fallbackName);

}  // namespace harvelux::wordproc
