// Optical character recognition needs Tesseract and Leptonica, large
// libraries whose language data takes a while to load: they live in a
// module of their own (harvelux-ocr.so), loaded the first time a picture or
// a page without text is read with recognition on. Runs without it never
// load them.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/module/ModuleAbi.h"
#include "wordproc/module/PageOcrHook.h"
#include "wordproc/text/ReaderLimits.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

struct OcrModuleTable {
    int abiVersion;
    // `languages`: Tesseract's language names joined by "+"; `limits` may be
    // null: the reader's own defaults. Outcomes as ReaderOutcome.
    int (*readPicture)(const char* data, std::size_t size, const char* languages, const ReaderLimits* limits,
                       std::string* text);
    int (*readGreyPage)(const GreyPage* page, const char* languages, const ReaderLimits* limits, std::string* text);
};

inline constexpr int kOcrModuleAbi = 1;
inline constexpr char kOcrModuleFile[] = "harvelux-ocr.so";
inline constexpr char kOcrModuleEntry[] = "harvelux_ocr_module";

// The text of a picture file: recognised when `options.ocr` is on, else
// refused as scanned pages not read. Throws EngineError.
std::string readPictureThroughModule(std::string_view data, const ReadOptions& options);

// The hook through which the PDF reader has pages recognised with
// `options` (which must outlive the hook's use).
PageOcrHook pageOcrHookFor(const ReadOptions& options);

// A program that links the reader in hands its table here; null goes back
// to loading the module.
void useLinkedOcrReader(const OcrModuleTable* table);

}  // namespace harvelux::wordproc
