// OpenDocument presentations: packages (.odp .otp) and flat documents
// (.fodp). The text of every shape of every slide in order, a slide ending
// with a form feed; with ReadOptions::allStories also the speaker notes and
// the master pages' text.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

bool isOpenDocumentPresentationPackage(const ZipArchive& zip);
bool looksLikeFlatOpenDocumentPresentation(std::string_view data);

std::string readOpenDocumentPresentationText(const ZipArchive& zip, const ReadOptions& options = {});
std::string readFlatOpenDocumentPresentationText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
