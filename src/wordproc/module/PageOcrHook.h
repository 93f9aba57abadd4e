// How the PDF reader has a page without text recognised: it renders the
// page and hands the pixels to a hook that the engine gives it with the
// document, and the engine passes them on to the optical character
// recognition module. Plain data and a function, the same on both sides of
// a module's edge; no exception crosses it.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/module/ModuleAbi.h"

#include <string>

namespace harvelux::wordproc {

// A page held as 8-bit grey pixels, `bytesPerLine` apart.
struct GreyPage {
    const unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    int dpi = 300;
};

struct PageOcrHook {
    // Appends the page's text to `*text`; returns a ReaderOutcome, with the
    // message in `*text` on failure.
    int (*recognise)(const void* context, const GreyPage* page, std::string* text) noexcept;
    const void* context;
};

// The page's text through the hook; a failure is thrown as the engine threw it.
inline std::string recogniseThroughHook(const PageOcrHook& hook, const GreyPage& page) {
    std::string text;
    const int outcome = hook.recognise(hook.context, &page, &text);
    if (outcome == kReaderRead) return text;
    if (outcome >= kReaderEngineError && outcome <= kReaderEngineError + static_cast<int>(kLastUnreadableReason))
        throw EngineError(text, static_cast<UnreadableReason>(outcome - kReaderEngineError));
    throw EngineError(text.empty() ? std::string("a page could not be recognised") : text);
}

}  // namespace harvelux::wordproc
