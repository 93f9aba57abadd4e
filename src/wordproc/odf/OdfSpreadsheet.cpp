#include "wordproc/odf/OdfSpreadsheet.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/XmlNamespaces.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfElementWalk.h"
#include "wordproc/odf/OdfKinds.h"
#include "wordproc/odf/OdfNamespaces.h"
#include "wordproc/text/SheetText.h"

#include <algorithm>
#include <charconv>

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kSpreadsheet = "application/vnd.oasis.opendocument.spreadsheet";

// A repeated row or cell with text is read this many times at most: the
// copies hold the same words, and a few bytes may ask for a billion of them.
constexpr std::uint64_t kMaxTextRepeats = 1000;

std::uint64_t repeats(const pugi::xml_node& element, const XmlNamespaces& ns, std::string_view attribute) {
    const std::string_view value = ns.attribute(element, odf::kTable, attribute);
    std::uint64_t count = 1;
    std::from_chars(value.data(), value.data() + value.size(), count);
    return std::clamp<std::uint64_t>(count, 1, kMaxTextRepeats);
}

// The text of a cell that holds text (or a formula's text result): its
// paragraphs, one a line. Numbers, dates, times and booleans are not read.
std::string cellText(const pugi::xml_node& cell, XmlNamespaces& ns, OtherStories* links) {
    const std::string_view type = ns.attribute(cell, odf::kOffice, "value-type");
    if (!type.empty() && type != "string") return {};
    std::string text = readOpenDocumentStory(cell, ns, links);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\a')) text.pop_back();
    return text;
}

// The rows of a table, through row groups and header rows, in order.
void readTable(const pugi::xml_node& table, XmlNamespaces& ns, OtherStories* links, SheetText& sheet) {
    forEachElement(table, [&](const pugi::xml_node& element, XmlNamespaces& inner) {
        if (inner.uriOf(element) != odf::kTable) return false;
        const std::string_view name = localName(element);
        if (name != "table-row")
            return name == "table-row-group" || name == "table-header-rows" || name == "table-rows";
        std::string row;
        SheetText once;
        for (const pugi::xml_node& cell : element.children()) {
            if (cell.type() != pugi::node_element) continue;
            WorkBudget::charge();
            const std::size_t mark = inner.enter(cell);
            const std::string text = cellText(cell, inner, links);
            if (!text.empty())
                for (std::uint64_t i = repeats(cell, inner, "number-columns-repeated"); i > 0; --i) once.cell(text);
            inner.leave(mark);
        }
        row = once.take();
        while (!row.empty() && (row.back() == '\f' || row.back() == '\r')) row.pop_back();
        if (!row.empty())
            for (std::uint64_t i = repeats(element, inner, "number-rows-repeated"); i > 0; --i) {
                sheet.row(row);
            }
        return false;
    });
    (void)ns;
    sheet.endSheet();
}

std::string readSpreadsheetBody(const pugi::xml_document& document, OtherStories* links) {
    XmlNamespaces ns;
    const pugi::xml_node body = officeBody(document, ns, "spreadsheet");
    SheetText sheet;
    for (const pugi::xml_node& table : body.children()) {
        if (table.type() != pugi::node_element || localName(table) != "table") continue;
        const std::size_t mark = ns.enter(table);
        if (ns.uriOf(table) == odf::kTable) readTable(table, ns, links, sheet);
        ns.leave(mark);
    }
    return sheet.take();
}

}  // namespace

bool isOpenDocumentSpreadsheetPackage(const ZipArchive& zip) { return packageHasMediaType(zip, kSpreadsheet); }

bool looksLikeFlatOpenDocumentSpreadsheet(std::string_view data) { return flatHasMediaType(data, kSpreadsheet); }

std::string readOpenDocumentSpreadsheetText(const ZipArchive& zip, const ReadOptions& options) {
    return readOpenDocumentPackageOf(zip, options, readSpreadsheetBody);
}

std::string readFlatOpenDocumentSpreadsheetText(std::string_view data, const ReadOptions& options) {
    return readFlatOpenDocumentOf(data, options, readSpreadsheetBody);
}

}  // namespace harvelux::wordproc
