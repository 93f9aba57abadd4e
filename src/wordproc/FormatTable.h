// The formats the engine reads, each described once: how it is recognised,
// which reader takes it, its usual file names, where its reader lives and
// whether reading whole documents finds more in it. Recognition, reading,
// the folder scan's name pattern, the fuzzers, the cross-format test and
// docs/formats.md all follow this table.
#pragma once

#include "wordproc/FormatDispatch.h"
#include "wordproc/FormatFamily.h"
#include "wordproc/ReadOptions.h"

#include <any>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class CompoundFile;
class MemberSink;
class ZipArchive;

// What a signature test and a reader are given: the document's bytes and,
// once its signature said it is a ZIP archive or a compound file, that
// container, opened once for the tests and the reader alike. `parsed` is
// what a reader made of the bytes for its format's member listing, which
// follows it on the same input: an e-mail is parsed once for its text and
// its attachments.
struct FormatInput {
    std::string_view data;
    const ZipArchive* zip = nullptr;
    const CompoundFile* compound = nullptr;
    mutable std::any parsed{};
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

// Where a format's reader lives: in the engine, in a module loaded the
// first time a document of the format is read, or in a reader process run
// for each document (module/ReaderProcess.h).
enum class FormatModule { None, PdfHtml, Legacy, Ocr, PstProcess };

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
    // The Add Files dialog's entry that lists this format's extensions; a
    // row that leaves it out is put in the family of its first extension.
    FormatFamily family = FormatFamily::ByExtension;
    // A container's members (an archive's files, an e-mail's attachments),
    // handed to the sink in the container's order; each is then recognised
    // and read as a document of its own. Null for a format that holds none.
    // Throws EngineError when the container cannot be opened at all.
    void (*members)(const FormatInput&, const ReadOptions&, MemberSink&) = nullptr;

    // Whether one of the signatures of `stage` matches.
    bool matches(DetectStage stage, const FormatInput& input) const;
    std::vector<std::string_view> extensionList() const;
};

// Every format, in the order recognition asks them within a stage.
std::span<const FormatEntry> formatTable();

// The entry of a format other than Unknown.
const FormatEntry& formatEntry(Format format);

// The family a row's documents are offered under.
FormatFamily familyOf(const FormatEntry& entry);

// The name of the Word documents the first folder scan took, still taken.
inline constexpr std::string_view kWordDocumentsPattern = "*.do*";

// The name patterns (see filelist/FolderScan.h) of the files a folder scan
// takes: "*.do*", then "*.ext" for every other extension of every row, in
// lower case and in the table's order ("*.do* *.rtf *.odt ...").
std::string_view folderScanPattern();

// The patterns of one family's extensions ("*.pdf"): those of its rows, or
// the family's usual extensions while the table has no row of it.
std::string familyPattern(FormatFamily family);

}  // namespace harvelux::wordproc
