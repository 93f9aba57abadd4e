#include "wordproc/rtf/RtfControlWords.h"

#include "wordproc/text/TextBuilder.h"

#include <unordered_map>
#include <unordered_set>

namespace harvelux::wordproc {

std::optional<StoryKind> storyDestination(std::string_view word) {
    static const std::unordered_map<std::string_view, StoryKind> kStories = {
        {"footnote", StoryKind::Footnotes},     {"annotation", StoryKind::Comments},
        {"shptxt", StoryKind::TextBoxes},       {"dptxbxtext", StoryKind::TextBoxes},
        {"header", StoryKind::HeadersFooters},  {"headerl", StoryKind::HeadersFooters},
        {"headerr", StoryKind::HeadersFooters}, {"headerf", StoryKind::HeadersFooters},
        {"footer", StoryKind::HeadersFooters},  {"footerl", StoryKind::HeadersFooters},
        {"footerr", StoryKind::HeadersFooters}, {"footerf", StoryKind::HeadersFooters}};
    const auto found = kStories.find(word);
    if (found == kStories.end()) return std::nullopt;
    return found->second;
}

bool isSkippedDestination(std::string_view word) {
    static const std::unordered_set<std::string_view> kSkipped = {
        // tables and document properties
        "colortbl", "stylesheet", "info", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "filetbl",
        "pgdsctbl", "protusertbl", "xmlnstbl", "latentstyles", "themedata", "colorschememapping", "datastore", "defchp",
        "defpap", "userprops", "docvar", "template", "mmathPr", "wgrffmtfilter", "title", "subject", "author",
        "operator", "keywords", "comment", "doccomm", "company", "manager", "category", "hlinkbase", "passwordhash",
        "fchars", "lchars", "keycode", "listpicture",
        // other stories: headers, footers, notes, comments, separators
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
        "atnid", "atnauthor", "atndate", "atnref", "atnparent", "atntime", "atnicn", "atrfstart", "atrfend", "ftnsep",
        "ftnsepc", "aftnsep", "aftnsepc", "ftncn", "aftncn",
        // pictures, objects, shapes, drawing objects and their text boxes
        "pict", "object", "objdata", "objclass", "objname", "shp", "shpinst", "shprslt", "shptxt", "shppict",
        "nonshppict", "do", "dptxbxtext", "sp", "sn", "sv", "picprop", "blipuid",
        // list numbers, index and contents entries, bookmarks, field codes
        "listtext", "pntext", "pntxta", "pntxtb", "pn", "xe", "tc", "tcn", "txe", "rxe", "bkmkstart", "bkmkend",
        "fldinst", "datafield", "formfield", "nonesttables", "htmltag", "mhtmltag", "factoidname", "oldcprops",
        "oldpprops", "oldsprops", "oldtprops"};
    return kSkipped.contains(word);
}

char32_t specialCharacter(std::string_view word) {
    static const std::unordered_map<std::string_view, char32_t> kSpecial = {{"par", chars::kParagraph},
                                                                            {"line", chars::kLineBreak},
                                                                            {"page", chars::kPageBreak},
                                                                            {"sect", chars::kPageBreak},
                                                                            {"column", chars::kColumnBreak},
                                                                            {"tab", chars::kTab},
                                                                            {"chftn", chars::kNoteMark},
                                                                            {"emdash", 0x2014},
                                                                            {"endash", 0x2013},
                                                                            {"emspace", 0x2003},
                                                                            {"enspace", 0x2002},
                                                                            {"qmspace", 0x2005},
                                                                            {"bullet", 0x2022},
                                                                            {"lquote", 0x2018},
                                                                            {"rquote", 0x2019},
                                                                            {"ldblquote", 0x201C},
                                                                            {"rdblquote", 0x201D},
                                                                            {"zwj", 0x200D},
                                                                            {"zwnj", 0x200C},
                                                                            {"zwbo", 0x200B},
                                                                            {"zwnbo", 0xFEFF},
                                                                            {"ltrmark", 0x200E},
                                                                            {"rtlmark", 0x200F}};
    const auto found = kSpecial.find(word);
    return found == kSpecial.end() ? 0 : found->second;
}

char32_t symbolCharacter(char symbol) {
    switch (symbol) {
        case '~':
            return chars::kNoBreakSpace;
        case '_':
            return chars::kNoBreakHyphen;
        case '-':
            return chars::kOptionalHyphen;
        case '\n':
            return chars::kParagraph;
        case '\t':
            return chars::kTab;
        case '\\':
        case '{':
        case '}':
            return static_cast<char32_t>(symbol);
        default:
            return 0;  // \| \: and unknown symbols carry no text
    }
}

}  // namespace harvelux::wordproc
