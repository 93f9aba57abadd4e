// What libfreexl leaves out of an Excel 97-2003 workbook: the text of cell
// comments and text boxes (TXO records and the CONTINUE records that carry
// their characters) and the sheets' headers and footers (HEADER, FOOTER),
// read from the BIFF8 "Workbook" stream.
#pragma once

#include <string>

namespace harvelux::wordproc {

class CompoundFile;

struct ExcelStories {
    std::string comments;        // a comment or text box a line
    std::string headersFooters;  // a header or footer a line, without its codes
};

// Nothing for a BIFF5 workbook or one without those records; a damaged
// stream gives what was read before the damage.
ExcelStories readExcelStories(const CompoundFile& file);

}  // namespace harvelux::wordproc
