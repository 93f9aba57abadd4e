// What the fuzzers of the ZIP-based formats share: a ZIP input is read as a
// package; anything else as the format's one-file XML form when it looks like
// one, else as the XML of the package's main part, so that mutations of the
// XML are not lost to the archive's checksums. The package and the one-file
// form are tested and read as the engine's table of formats does, and the
// package's embedded objects listed.
#pragma once

#include "DroppingSink.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatTable.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace harvelux::fuzz {

struct PackageFormat {
    wordproc::Format package;  // recognised inside a ZIP archive
    wordproc::Format oneFile;  // its one-file XML form
    const char* mainPart;      // named in parse errors
    std::string (*readMainPart)(const pugi::xml_document&);
};

inline int fuzzPackage(const PackageFormat& format, const std::uint8_t* data, std::size_t size,
                       const wordproc::ReadOptions& options) {
    using wordproc::DetectStage;
    const wordproc::FormatEntry& package = wordproc::formatEntry(format.package);
    const wordproc::FormatEntry& oneFile = wordproc::formatEntry(format.oneFile);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (wordproc::ZipArchive::looksLikeZip(bytes)) {
            const wordproc::ZipArchive zip(bytes);
            const wordproc::FormatInput input{.data = bytes, .zip = &zip};
            if (package.matches(DetectStage::InsideZip, input)) {
                package.read(input, options);
                // Its embedded objects, listed and dropped.
                DroppingSink objects;
                if (package.members) package.members(input, options, objects);
            }
        } else if (const wordproc::FormatInput input{.data = bytes}; oneFile.matches(DetectStage::Content, input)) {
            oneFile.read(input, options);
        } else {
            pugi::xml_document document;
            wordproc::parseXml(document, bytes, format.mainPart, true);
            format.readMainPart(document);
        }
    } catch (const wordproc::EngineError&) {}
    return 0;
}

}  // namespace harvelux::fuzz
