// The PDF and HTML readers need large libraries (poppler; libxml2 with ICU),
// and loading them costs every start of a program several milliseconds:
// more than reading a typical document. They are therefore built as a
// module of their own, loaded the first time a PDF or HTML document is read
// from the program folder (the build tree's module folder for the programs
// of a build tree).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "wordproc/ReadOptions.h"
#include "wordproc/module/ModuleAbi.h"
#include "wordproc/module/PageOcrHook.h"
#include "wordproc/text/ReaderLimits.h"

namespace harvelux::wordproc {

struct PdfHtmlModuleTable {
    int abiVersion;
    // `limits` may be null: the readers' own defaults.
    int (*readHtml)(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
                    std::string* text);
    // `ocr`: where scanned pages go to be recognised; null: they are left
    // unread.
    int (*readPdf)(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
                   const PageOcrHook* ocr, std::string* text);
};

inline constexpr int kPdfHtmlModuleAbi = 4;
inline constexpr char kPdfHtmlModuleFile[] = "harvelux-pdf-html.so";
inline constexpr char kPdfHtmlModuleEntry[] = "harvelux_reader_module";

// The text of an HTML or PDF document, read by the module. Throws
// EngineError when the document cannot be read or the module cannot be
// loaded (the message says which).
std::string readHtmlThroughModule(std::string_view data, const ReadOptions& options = {});
std::string readPdfThroughModule(std::string_view data, const ReadOptions& options = {});

// A program that links the readers in (the fuzzers do, for coverage) hands
// their table here before it reads anything; the module is then never
// loaded. Null goes back to loading the module.
void useLinkedPdfHtmlReaders(const PdfHtmlModuleTable* table);

}  // namespace harvelux::wordproc
