// What the fuzzers of several formats share: the input is recognised and
// read as the engine's table does, but only by the rows whose fuzzer is
// this one, so that every mutation reaches one of its readers.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/FormatTable.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/ZipArchive.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace harvelux::fuzz {

inline int fuzzFormatRows(std::string_view fuzzer, const std::uint8_t* data, std::size_t size,
                          const wordproc::ReadOptions& options) {
    using wordproc::DetectStage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        std::optional<wordproc::ZipArchive> zip;
        std::optional<wordproc::CompoundFile> compound;
        DetectStage stage = DetectStage::Content;
        if (wordproc::ZipArchive::looksLikeZip(bytes)) {
            zip.emplace(bytes);
            stage = DetectStage::InsideZip;
        } else if (wordproc::CompoundFile::hasSignature(bytes)) {
            compound.emplace(bytes);
            stage = DetectStage::InsideCompoundFile;
        }
        const wordproc::FormatInput input{
            .data = bytes, .zip = zip ? &*zip : nullptr, .compound = compound ? &*compound : nullptr};
        for (const wordproc::FormatEntry& entry : wordproc::formatTable()) {
            if (entry.fuzzer != fuzzer || !entry.matches(stage, input)) continue;
            entry.read(input, options);
            break;
        }
    } catch (const wordproc::EngineError&) {}
    return 0;
}

}  // namespace harvelux::fuzz
