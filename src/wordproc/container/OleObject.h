// The document an OLE object embedded in another document holds: a file in
// an OLE package ("\1Ole10Native": its name and bytes), an Office Open XML
// package ("Package"), a PDF ("CONTENTS"), or a document stored as the
// object's storage itself (a Word document, a workbook), which is written out
// as a compound file of its own.
#pragma once

#include "wordproc/container/CompoundFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

struct EmbeddedDocument {
    std::string name;  // the packaged file's name, else `fallbackName`
    std::string bytes;
};

// The bytes of an OLE package's file: the payload of a "\1Ole10Native"
// stream, or the native data of an OLE 1 "Package" object (the same layout
// without the leading size). Throws EngineError when it is cut short.
EmbeddedDocument oleNativePayload(std::string_view native, bool startsWithSize, std::string fallbackName);

// The document held by the object stored in `storage` of `file`; when the
// object is the whole compound file (`storage` is the root),
// `wholeFile` is handed on as it is. Nothing when the object holds only a
// picture of itself.
std::optional<EmbeddedDocument> oleObjectDocument(const CompoundFile& file, std::uint32_t storage,
                                                  std::string_view wholeFile, std::string fallbackName);

// The document in the bytes of an object embedded in a document: what the
// object holds when the bytes are a compound file (above; nothing when it
// holds only a picture of itself), else the bytes as they are, named
// `name`.
std::optional<EmbeddedDocument> embeddedObjectDocument(std::string bytes, std::string name);

}  // namespace harvelux::wordproc
