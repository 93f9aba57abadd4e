#include "results/ListViewWriters.h"

#include "common/AtomicFile.h"
#include "common/Utf8.h"

#include <algorithm>
#include <vector>

namespace harvelux::results {

namespace {

constexpr const char* kLineEnd = "\r\n";

void pumpOnce(const ExportPump& pump) {
    if (pump) pump();
}

// W(k) for every column: the most UTF-16 units among its cells over all
// rows, and its caption when `withCaptions`.
std::vector<std::size_t> measureWidths(const ListViewSource& list, bool withCaptions, const ExportPump& pump) {
    const int columns = list.columnCount();
    std::vector<std::size_t> widths(static_cast<std::size_t>(std::max(columns, 0)), 0);
    if (withCaptions)
        for (int k = 1; k <= columns; ++k) widths[k - 1] = utf16Length(list.columnCaption(k));
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        for (int k = 1; k <= columns; ++k) widths[k - 1] = std::max(widths[k - 1], utf16Length(list.cell(r, k)));
    }
    return widths;
}

void appendPadded(std::string& out, const std::string& cell, std::size_t width) {
    out += cell;
    const std::size_t length = utf16Length(cell);
    if (length < width) out.append(width - length, ' ');
}

}  // namespace

std::string buildTextFile(const ListViewSource& list, const ExportPump& pump) {
    const std::vector<std::size_t> widths = measureWidths(list, true, pump);
    const int columns = list.columnCount();
    std::string out;
    for (int k = 1; k <= columns; ++k) {
        pumpOnce(pump);
        appendPadded(out, list.columnCaption(k), widths[k - 1]);
        out += '\t';
    }
    out += kLineEnd;
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        for (int k = 1; k <= columns; ++k) {
            pumpOnce(pump);
            appendPadded(out, list.cell(r, k), widths[k - 1]);
            out += '\t';
        }
        out += kLineEnd;
    }
    out += kLineEnd;
    return out;
}

std::string buildCommaFile(const ListViewSource& list, const ExportPump& pump) {
    const int columns = list.columnCount();
    std::string out;
    for (int k = 1; k <= columns; ++k) {
        pumpOnce(pump);
        if (k > 1) out += ", ";
        out += list.columnCaption(k);
    }
    out += kLineEnd;
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        pumpOnce(pump);
        out += list.cell(r, 1);
        out += ", ";
        for (int k = 2; k <= columns; ++k) {
            pumpOnce(pump);
            out += list.cell(r, k);
            if (k != columns) out += ", ";
        }
        out += kLineEnd;
    }
    out += kLineEnd;
    return out;
}

std::optional<std::string> buildClipboardText(const ListViewSource& list, const ExportPump& pump) {
    if (list.rowCount() == 0) return std::nullopt;
    const std::vector<std::size_t> widths = measureWidths(list, false, pump);
    const int columns = list.columnCount();
    std::string out;
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        for (int k = 1; k <= columns; ++k) {
            pumpOnce(pump);
            appendPadded(out, list.cell(r, k), widths[k - 1]);
            out += '\t';
        }
        if (!out.empty()) out.pop_back();
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += kLineEnd;
    }
    return out;
}

bool ListViewToTextFile(const ListViewSource& list, const std::string& path, std::string& error,
                        const ExportPump& pump) {
    return writeFileWholeOrNothing(path, buildTextFile(list, pump), error);
}

bool ListViewToCommaFile(const ListViewSource& list, const std::string& path, std::string& error,
                         const ExportPump& pump) {
    return writeFileWholeOrNothing(path, buildCommaFile(list, pump), error);
}

void ListViewToClipboard(const ListViewSource& list, platform::Platform& platform, const ExportPump& pump) {
    if (const auto text = buildClipboardText(list, pump)) platform.setClipboardText(*text);
}

}  // namespace harvelux::results
