// One page through Tesseract: the words it recognises, line by line, each
// line a paragraph, with likely misreadings inside addresses mended. Each
// thread keeps one recogniser per language set, so that the language data
// is loaded once per thread and threads never share one.
#pragma once

#include "wordproc/module/PageOcrHook.h"
#include "wordproc/text/TextBuilder.h"

#include <string>

struct Pix;

namespace harvelux::wordproc {

// The most a page may take, however much of the document's budget is left.
inline constexpr int kOcrPageBudgetMs = 60000;

// Appends the page's text to `out`. Throws EngineError when the languages
// cannot be loaded or the document's budget is spent.
void recognisePage(const GreyPage& page, const std::string& languages, TextBuilder& out);
void recognisePage(Pix* picture, const std::string& languages, TextBuilder& out);

}  // namespace harvelux::wordproc
