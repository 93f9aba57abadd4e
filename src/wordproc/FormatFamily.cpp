#include "wordproc/FormatFamily.h"

#include <algorithm>
#include <cctype>

namespace harvelux::wordproc {

namespace {

using enum FormatFamily;

constexpr FamilyDescription kFamilies[] = {
    {Text, "Text Documents", "doc dot docx docm dotx dotm rtf odt ott fodt wpd wp wp5 wp6 wps wri mcw cwk xml"},
    {Pdf, "PDF Documents", "pdf"},
    {WebPage, "Web Pages", "htm html xhtml mht mhtml"},
    {PlainText, "Plain Text", "txt"},
    {Spreadsheet, "Spreadsheets", "xlsx xlsm xltx xltm ods ots fods xls xlt csv tsv"},
    {Presentation, "Presentations", "pptx pptm potx ppsx odp otp fodp ppt pps pot"},
    {Mail, "E-mail", "eml msg mbox pst ost"},
    {Archive, "Archives", "zip tar tgz gz bz2 xz 7z rar cab"},
};

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool listHolds(std::string_view list, std::string_view word) {
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find(' ', at), list.size());
        if (sameLetters(list.substr(at, end - at), word)) return true;
        at = end + 1;
    }
    return false;
}

}  // namespace

std::span<const FamilyDescription> formatFamilies() { return kFamilies; }

FormatFamily familyOfExtension(std::string_view extension) {
    for (const FamilyDescription& family : kFamilies)
        if (listHolds(family.usualExtensions, extension)) return family.family;
    return Text;
}

}  // namespace harvelux::wordproc
