// The families a format belongs to, as the Add Files dialog offers them:
// one filter entry per family, in this order. A family's entry lists the
// extensions of the table's rows of that family; a family the table has no
// row of yet is offered by its usual extensions.
#pragma once

#include <span>
#include <string_view>

namespace harvelux::wordproc {

enum class FormatFamily {
    ByExtension,  // a row that names none: the family whose usual extensions hold the row's first
    Text,         // word processors' documents, RTF, OpenDocument text
    Pdf,
    WebPage,
    PlainText,
    Spreadsheet,
    Presentation,
    Mail,
    Archive,
};

struct FamilyDescription {
    FormatFamily family;
    std::string_view filterName;       // "Spreadsheets"
    std::string_view usualExtensions;  // without dots, separated by spaces
};

// Every family but ByExtension, in the order the dialog lists them.
std::span<const FamilyDescription> formatFamilies();

// The family whose usual extensions hold `extension` (case ignored); Text
// when none does.
FormatFamily familyOfExtension(std::string_view extension);

}  // namespace harvelux::wordproc
