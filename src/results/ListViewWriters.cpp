#include "results/ListViewWriters.h"

#include "common/AtomicFile.h"
#include "common/Utf8.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <system_error>
#include <vector>

namespace harvelux::results {

namespace {

constexpr const char* kLineEnd = "\r\n";

void pumpOnce(const ExportPump& pump) {
    if (pump) pump();
}

struct Measures {
    // W(k) for every column: the most UTF-16 units among its cells over
    // all rows, and its caption when measured with captions.
    std::vector<std::size_t> widths;
    std::size_t checkedRows = 0;

    // The characters of one padded line: every cell, a separator after
    // each, and CR LF. Exact for ASCII text, a lower bound otherwise.
    std::size_t lineLength() const {
        std::size_t length = 2;
        for (const std::size_t w : widths) length += w + 1;
        return length;
    }
};

Measures measure(const ListViewSource& list, bool withCaptions, const ExportPump& pump) {
    const int columns = list.columnCount();
    Measures m;
    m.widths.assign(static_cast<std::size_t>(std::max(columns, 0)), 0);
    if (withCaptions)
        for (int k = 1; k <= columns; ++k) m.widths[k - 1] = utf16Length(list.columnCaption(k));
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        for (int k = 1; k <= columns; ++k)
            m.widths[k - 1] = std::max(m.widths[k - 1], utf16Length(list.cell(r, k)));
        if (list.isChecked(r)) ++m.checkedRows;
    }
    return m;
}

void appendPadded(std::string& out, const std::string& cell, std::size_t width) {
    out += cell;
    const std::size_t length = utf16Length(cell);
    if (length < width) out.append(width - length, ' ');
}

// The bytes of the comma file, give or take: a text of a million rows is
// then allocated once, rather than copied on every doubling, which would
// stall the window at the last copies and hold the old and the new buffer.
std::size_t commaFileBytes(const ListViewSource& list, const ExportPump& pump) {
    const int columns = list.columnCount();
    std::size_t bytes = 4;
    for (int k = 1; k <= columns; ++k) bytes += list.columnCaption(k).size() + 2;
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        for (int k = 1; k <= columns; ++k) bytes += list.cell(r, k).size() + 2;
        bytes += 2;
    }
    return bytes;
}

// Writes the file on a worker thread while the caller goes on pumping: a
// large file, and the flush to disk that makes it whole, can take longer
// than a window may go without processing its messages. Without a pump, or
// when no thread can be started, the file is written here.
bool writeWhilePumping(const std::string& path, const std::string& text, std::string& error,
                       const ExportPump& pump) {
    if (!pump) return writeFileWholeOrNothing(path, text, error);
    std::future<bool> written;
    std::string workerError;
    try {
        written = std::async(std::launch::async,
                             [&path, &text, &workerError] { return writeFileWholeOrNothing(path, text, workerError); });
    } catch (const std::system_error&) {
        return writeFileWholeOrNothing(path, text, error);
    }
    while (written.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) pump();
    const bool ok = written.get();
    if (!ok) error = workerError;
    return ok;
}

}  // namespace

std::string buildTextFile(const ListViewSource& list, const ExportPump& pump) {
    const Measures m = measure(list, true, pump);
    const std::vector<std::size_t>& widths = m.widths;
    const int columns = list.columnCount();
    std::string out;
    out.reserve((m.checkedRows + 1) * m.lineLength() + 2);
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
    out.reserve(commaFileBytes(list, pump));
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
    const Measures m = measure(list, false, pump);
    const std::vector<std::size_t>& widths = m.widths;
    const int columns = list.columnCount();
    std::string out;
    out.reserve(m.checkedRows * m.lineLength());
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
    return writeWhilePumping(path, buildTextFile(list, pump), error, pump);
}

bool ListViewToCommaFile(const ListViewSource& list, const std::string& path, std::string& error,
                         const ExportPump& pump) {
    return writeWhilePumping(path, buildCommaFile(list, pump), error, pump);
}

void ListViewToClipboard(const ListViewSource& list, platform::Platform& platform, const ExportPump& pump) {
    if (const auto text = buildClipboardText(list, pump)) platform.setClipboardText(*text);
}

}  // namespace harvelux::results
