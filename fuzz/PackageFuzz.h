// What the fuzzers of the ZIP-based formats share: a ZIP input is read as a
// package; anything else as the format's one-file XML form when it looks like
// one, else as the XML of the package's main part, so that mutations of the
// XML are not lost to the archive's checksums.
#pragma once

#include "wordproc/EngineInterface.h"
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
    bool (*isPackage)(const wordproc::ZipArchive&);
    std::string (*readPackage)(const wordproc::ZipArchive&, const wordproc::ReadOptions&);
    bool (*looksLikeOneFile)(std::string_view);
    std::string (*readOneFile)(std::string_view, const wordproc::ReadOptions&);
    const char* mainPart;  // named in parse errors
    std::string (*readMainPart)(const pugi::xml_document&);
};

inline int fuzzPackage(const PackageFormat& format, const std::uint8_t* data, std::size_t size,
                       const wordproc::ReadOptions& options) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (wordproc::ZipArchive::looksLikeZip(bytes)) {
            const wordproc::ZipArchive zip(bytes);
            if (format.isPackage(zip)) format.readPackage(zip, options);
        } else if (format.looksLikeOneFile(bytes)) {
            format.readOneFile(bytes, options);
        } else {
            pugi::xml_document document;
            wordproc::parseXml(document, bytes, format.mainPart, true);
            format.readMainPart(document);
        }
    } catch (const wordproc::EngineError&) {
    }
    return 0;
}

}  // namespace harvelux::fuzz
