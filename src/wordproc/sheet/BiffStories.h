// The stories of a workbook beyond its cells, from the records of its
// sheets: cell comments and text boxes (BIFF8 TXO with the CONTINUE records
// that carry the characters; NOTE records before BIFF8), headers and
// footers without their codes (&L, &P, &"Arial"), and the targets of
// hyperlinks (HLINK), of which OtherStories keeps the mailto: addresses.
#pragma once

#include "wordproc/sheet/BiffRecords.h"
#include "wordproc/sheet/BiffStrings.h"
#include "wordproc/text/OtherStories.h"

#include <string>

namespace harvelux::wordproc::biff {

class StoryRecords {
public:
    StoryRecords(StringReader& strings, OtherStories& stories) : strings_(strings), stories_(stories) {}

    // Reads `record` when it carries story text, and the CONTINUE records
    // after it that belong to it; false for any other record.
    bool read(const Record& record, Records& records);
    // Ends what the last records began (a note cut short by the stream's end).
    void finish() { endNote(); }

private:
    void readTextObject(const Record& record, Records& records);
    void readNote(const Record& record);
    void readHeaderFooter(const Record& record);
    void readOtherPagesHeaders(const Record& record);
    void addHeaderFooter(const std::string& code);
    void endNote();

    StringReader& strings_;
    OtherStories& stories_;
    std::string note_;  // a note of BIFF2 to BIFF7, while NOTE records continue it
};

// A header's or footer's text without its codes.
std::string withoutHeaderCodes(const std::string& code);

}  // namespace harvelux::wordproc::biff
