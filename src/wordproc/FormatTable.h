// The formats the engine reads, each described once: how it is recognised,
// which reader takes it, its usual file names, where its reader lives and
// whether reading whole documents finds more in it. Recognition, reading,
// the folder scan's name pattern, the fuzzers, the cross-format test and
// docs/formats.md all follow this table.
#pragma once

#include "wordproc/FormatDispatch.h"
#include "wordproc/ReadOptions.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class CompoundFile;
class ZipArchive;

// What a signature test and a reader are given: the document's bytes and,
// once its signature said it is a ZIP archive or a compound file, that
// container, opened once for the tests and the reader alike.
struct FormatInput {
    std::string_view data;
    const ZipArchive* zip = nullptr;
    const CompoundFile* compound = nullptr;
};

// When a signature test runs. Recognition goes through the stages in this
// order, and through the table's rows in their order within a stage:
// - LeadingBytes: before anything else (a signature no container can have);
// - InsideZip / InsideCompoundFile: a document whose first bytes are a ZIP
//   archive's or a compound file's is opened once and is whatever format
//   claims it there, else unknown (damaged when it could not be opened);
// - Content: a signature in the bytes themselves;
// - Fallback: signatures that say little, asked only of bytes no other
//   reader takes.
enum class DetectStage { LeadingBytes, InsideZip, InsideCompoundFile, Content, Fallback };

struct FormatSignature {
    DetectStage stage = DetectStage::Content;
    bool (*matches)(const FormatInput&) = nullptr;  // null: an unused slot
};

// Where a format's reader lives: in the engine, or in a module loaded the
// first time a document of the format is read.
enum class FormatModule { None, PdfHtml, Legacy, Ocr };

struct FormatEntry {
    Format format;
    std::string_view name;
    std::array<FormatSignature, 3> signatures;  // a format may be recognised at more than one stage
    // The text as readDocumentText gives it; throws EngineError.
    std::string (*read)(const FormatInput&, const ReadOptions&);
    std::string_view extensions;  // the usual file name extensions, without dots, separated by spaces
    FormatModule module;
    bool otherStories;        // whether ReadOptions::allStories reads more than the main text
    std::string_view fuzzer;  // the fuzzer (fuzz/<fuzzer>.cpp) that feeds this format's reader
    // The name pattern (see filelist/FolderScan.h) by which a folder scan
    // takes this format's files; empty when a scan passes them over (they
    // are read when named or when every file is asked for).
    std::string_view folderScanPattern;

    // Whether one of the signatures of `stage` matches.
    bool matches(DetectStage stage, const FormatInput& input) const;
    std::vector<std::string_view> extensionList() const;
};

// Every format, in the order recognition asks them within a stage.
std::span<const FormatEntry> formatTable();

// The entry of a format other than Unknown.
const FormatEntry& formatEntry(Format format);

// The name pattern of the files a folder scan takes ("*.do*" until the scan
// is widened): the one pattern the table's rows give.
std::string_view folderScanPattern();

}  // namespace harvelux::wordproc
