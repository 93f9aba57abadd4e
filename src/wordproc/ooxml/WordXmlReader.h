// Word 2003 XML (.xml): one XML file whose root is w:wordDocument, with the
// same body elements as a WordprocessingML main part.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

bool looksLikeWordXml(std::string_view data);
std::string readWordXmlText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
