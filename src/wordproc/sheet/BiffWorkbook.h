// A workbook stream of BIFF records, Excel 2.x to 97-2003: the workbook
// globals (code page, sheets, shared strings, encryption), then each sheet
// from its BOF record to its EOF record. The text cells of every worksheet
// and macro sheet are read, in the order the globals list the sheets (their
// BOUNDSHEET records), as text/SheetText.h writes them: text cells (shared
// strings, LABEL, RSTRING) and the text results of formulas (the STRING
// record after a FORMULA); numbers, dates and charts give nothing.
//
// Every record is read once, in order: however many sheets the globals
// claim, the work is in proportion to the stream.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::wordproc {
class OtherStories;
}

namespace harvelux::wordproc::biff {

// With `stories`, also the comments, headers, footers and hyperlinks.
// Throws EngineError when the stream begins with no BOF record or has no
// sheet, or (encrypted) when the workbook is password-protected. A stream
// damaged part way gives what was read before the damage.
std::string readWorkbookStream(std::string_view stream, OtherStories* stories);

// True when `data` begins as a single-stream workbook of Excel 2.x to 4.0
// does: the BOF record of a worksheet or macro sheet.
bool looksLikeSingleStreamWorkbook(std::string_view data);

}  // namespace harvelux::wordproc::biff
