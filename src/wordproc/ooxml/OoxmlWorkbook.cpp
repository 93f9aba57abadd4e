#include "wordproc/ooxml/OoxmlWorkbook.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/ooxml/OoxmlPartText.h"
#include "wordproc/ooxml/OpcRelationships.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/SheetText.h"
#include "wordproc/text/TextBuilder.h"

#include <charconv>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kDefaultWorkbook = "xl/workbook.xml";

std::string workbookPart(const ZipArchive& zip) {
    const std::string named = officeDocumentPart(zip);
    return named.empty() ? std::string(kDefaultWorkbook) : named;
}

// The shared strings table, each string's runs joined (phonetic guides left
// out). Its size follows the part's, never a count the part claims.
std::vector<std::string> readSharedStrings(const ZipArchive& zip, const Relationships& relationships) {
    std::vector<std::string> strings;
    pugi::xml_document document;
    if (!parsePart(zip, partOfType(relationships, "/sharedStrings"), document)) return strings;
    for (const pugi::xml_node& item : document.document_element().children()) {
        if (item.type() != pugi::node_element || localName(item) != "si") continue;
        WorkBudget::charge();
        strings.push_back(runText(item, "t", {}, "rPh"));
    }
    return strings;
}

// The text of a cell, or "" for numbers, dates, booleans and errors.
std::string_view cellText(const pugi::xml_node& cell, const std::vector<std::string>& shared, std::string& inlineText) {
    const std::string_view type = cell.attribute("t").value();
    if (type == "s") {
        const std::string_view value = childNamed(cell, "v").text().get();
        std::size_t index = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
        if (error != std::errc() || index >= shared.size()) return {};
        return shared[index];
    }
    if (type == "str") return childNamed(cell, "v").text().get();  // a formula's text result
    if (type == "inlineStr") {
        inlineText = runText(childNamed(cell, "is"), "t", {}, "rPh");
        return inlineText;
    }
    return {};
}

// A header's or footer's text without its codes: &L &C &R (sections), &P
// &N &D &T &Z &F &A (fields), &B &I &U &E &S &X &Y &O &H (styles), &"font",
// &nn (size) and &K colours; && is an ampersand.
std::string headerFooterText(std::string_view code) {
    std::string text;
    for (std::size_t at = 0; at < code.size(); ++at) {
        if (code[at] != '&') {
            text += code[at];
            continue;
        }
        if (++at >= code.size()) break;
        const char next = code[at];
        if (next == '&') {
            text += '&';
        } else if (next == '"') {
            const std::size_t close = code.find('"', at + 1);
            at = close == std::string_view::npos ? code.size() : close;
        } else if (next == 'K') {
            at = std::min(code.size(), at + 6);
        } else if (next >= '0' && next <= '9') {
            while (at + 1 < code.size() && code[at + 1] >= '0' && code[at + 1] <= '9') ++at;
        } else if (next == 'L' || next == 'C' || next == 'R') {
            if (!text.empty() && text.back() != ' ') text += ' ';
        }
    }
    return text;
}

void readSheetStories(const ZipArchive& zip, const pugi::xml_node& worksheet, const std::string& sheetPart,
                      OtherStories& stories) {
    const Relationships relationships = readRelationships(zip, sheetPart);
    const ExternalTargets targets = externalTargets(relationships);
    for (const pugi::xml_node& hyperlink : childNamed(worksheet, "hyperlinks").children()) {
        const auto target = targets.find(relationshipIdOf(hyperlink));
        if (target != targets.end()) stories.addLink(target->second);
    }
    std::string headers;
    for (const pugi::xml_node& part : childNamed(worksheet, "headerFooter").children()) {
        const std::string text = headerFooterText(part.text().get());
        if (text.empty()) continue;
        headers += text;
        headers += '\r';
    }
    stories.add(StoryKind::HeadersFooters, headers);
    stories.read(StoryKind::Comments, [&] {
        pugi::xml_document comments;
        std::string text;
        if (!parsePart(zip, partOfType(relationships, "/comments"), comments)) return text;
        for (const pugi::xml_node& comment : childNamed(comments.document_element(), "commentList").children()) {
            text += runText(childNamed(comment, "text"), "t", {}, "rPh");
            text += '\r';
        }
        return text;
    });
}

void readSheet(const pugi::xml_node& worksheet, const std::vector<std::string>& shared, SheetText& sheet) {
    std::string inlineText;
    for (const pugi::xml_node& row : childNamed(worksheet, "sheetData").children()) {
        if (row.type() != pugi::node_element) continue;
        for (const pugi::xml_node& cell : row.children()) {
            WorkBudget::charge();
            if (cell.type() == pugi::node_element) sheet.cell(cellText(cell, shared, inlineText));
        }
        sheet.endRow();
    }
    sheet.endSheet();
}

}  // namespace

bool isSpreadsheetMLPackage(const ZipArchive& zip) {
    if (!zip.contains("[Content_Types].xml")) return false;
    const std::string main = officeDocumentPart(zip);
    return main.empty() ? zip.contains(std::string(kDefaultWorkbook)) : main.ends_with("/workbook.xml");
}

std::string readSpreadsheetMLText(const ZipArchive& zip, const ReadOptions& options) {
    const std::string name = workbookPart(zip);
    pugi::xml_document workbook;
    if (!parsePart(zip, name, workbook)) throw EngineError("the package has no workbook");
    const Relationships relationships = readRelationships(zip, name);
    const std::vector<std::string> shared = readSharedStrings(zip, relationships);
    SheetText sheets;
    OtherStories stories;
    for (const pugi::xml_node& entry : childNamed(workbook.document_element(), "sheets").children()) {
        const auto found = relationships.find(relationshipIdOf(entry));
        if (found == relationships.end() || found->second.external) continue;
        pugi::xml_document worksheet;
        // A sheet that is missing or damaged is passed over; the others are
        // still read.
        try {
            if (!parsePart(zip, found->second.target, worksheet)) continue;
        } catch (const EngineError& error) {
            if (error.reason() == UnreadableReason::TooLarge) throw;
            continue;
        }
        readSheet(worksheet.document_element(), shared, sheets);
        if (options.allStories) readSheetStories(zip, worksheet.document_element(), found->second.target, stories);
    }
    std::string text = sheets.take();
    return options.allStories ? stories.appendTo(std::move(text)) : text;
}

}  // namespace harvelux::wordproc
