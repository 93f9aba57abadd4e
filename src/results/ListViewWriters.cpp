#include "results/ListViewWriters.h"

#include "common/AtomicFile.h"
#include "common/Utf8.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <new>
#include <system_error>
#include <vector>

namespace harvelux::results {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The largest piece handed to an output at once.
constexpr std::size_t kPieceBytes = 64u << 10;

void pumpOnce(const ExportPump& pump) {
    if (pump) pump();
}

// Gathers an export's bytes into pieces of kPieceBytes and hands each on.
// Once the output refuses a piece, everything after it is dropped.
class PieceWriter {
public:
    explicit PieceWriter(const ExportOutput& output) : output_(output) { piece_.reserve(kPieceBytes); }

    bool ok() const { return ok_; }

    void append(std::string_view bytes) {
        while (ok_ && !bytes.empty()) {
            const std::size_t take = std::min(kPieceBytes - piece_.size(), bytes.size());
            piece_.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (piece_.size() == kPieceBytes) flush();
        }
    }

    void append(char c) { append(std::string_view(&c, 1)); }

    void spaces(std::size_t count) {
        while (ok_ && count > 0) {
            const std::size_t take = std::min(kPieceBytes - piece_.size(), count);
            piece_.append(take, ' ');
            count -= take;
            if (piece_.size() == kPieceBytes) flush();
        }
    }

    void appendPadded(const std::string& cell, std::size_t width) {
        append(cell);
        const std::size_t length = utf16Length(cell);
        if (length < width) spaces(width - length);
    }

    bool flush() {
        if (ok_ && !piece_.empty()) ok_ = output_(piece_);
        piece_.clear();
        return ok_;
    }

private:
    const ExportOutput& output_;
    std::string piece_;
    bool ok_ = true;
};

// The place of column k (counted from 1, as the list counts) in a vector.
std::size_t columnIndex(int k) { return static_cast<std::size_t>(k - 1); }

// W(k) for every column: the most UTF-16 units among its cells over all
// rows, and its caption when measured with captions.
std::vector<std::size_t> measureWidths(const ListViewSource& list, bool withCaptions, const ExportPump& pump) {
    const int columns = list.columnCount();
    std::vector<std::size_t> widths(static_cast<std::size_t>(std::max(columns, 0)), 0);
    if (withCaptions)
        for (int k = 1; k <= columns; ++k) widths[columnIndex(k)] = utf16Length(list.columnCaption(k));
    for (int r = 1; r <= list.rowCount(); ++r) {
        pumpOnce(pump);
        for (int k = 1; k <= columns; ++k)
            widths[columnIndex(k)] = std::max(widths[columnIndex(k)], utf16Length(list.cell(r, k)));
    }
    return widths;
}

std::string_view trimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

ExportOutput appendTo(std::string& text) {
    return [&text](std::string_view piece) {
        text.append(piece);
        return true;
    };
}

// Flushes the file to disk on a worker thread while the caller goes on
// pumping: the flush that makes a large file whole can take longer than a
// window may go without processing its messages. Without a pump, or when no
// thread can be started, the file is committed here.
bool commitWhilePumping(AtomicFile& file, const ExportPump& pump) {
    if (!pump) return file.commit();
    std::future<bool> committed;
    try {
        committed = std::async(std::launch::async, [&file] { return file.commit(); });
    } catch (const std::system_error&) {
        return file.commit();
    }
    while (committed.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) pump();
    return committed.get();
}

using StreamWriter = bool (*)(const ListViewSource&, const ExportOutput&, const ExportPump&);

bool writeListFile(StreamWriter writer, const ListViewSource& list, const std::string& path, std::string& error,
                   const ExportPump& pump) {
    AtomicFile file;
    // Lets the window show the hourglass before the disk is touched.
    pumpOnce(pump);
    try {
        if (file.open(path) &&
            writer(
                list, [&file](std::string_view piece) { return file.write(piece); }, pump) &&
            commitWhilePumping(file, pump))
            return true;
        error = file.error();
    } catch (const std::bad_alloc&) {
        file.abandon("There is not enough memory to write " + path + ".");
        error = file.error();
    } catch (const std::exception& e) {
        file.abandon("Could not write " + path + ": " + e.what());
        error = file.error();
    }
    return false;
}

}  // namespace

bool writeTextFile(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump) {
    const std::vector<std::size_t> widths = measureWidths(list, true, pump);
    const int columns = list.columnCount();
    PieceWriter out(output);
    for (int k = 1; k <= columns; ++k) {
        pumpOnce(pump);
        out.appendPadded(list.columnCaption(k), widths[columnIndex(k)]);
        out.append('\t');
    }
    out.append(kLineEnd);
    for (int r = 1; r <= list.rowCount() && out.ok(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        for (int k = 1; k <= columns; ++k) {
            pumpOnce(pump);
            out.appendPadded(list.cell(r, k), widths[columnIndex(k)]);
            out.append('\t');
        }
        out.append(kLineEnd);
    }
    out.append(kLineEnd);
    return out.flush();
}

bool writeCommaFile(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump) {
    const int columns = list.columnCount();
    PieceWriter out(output);
    for (int k = 1; k <= columns; ++k) {
        pumpOnce(pump);
        if (k > 1) out.append(", ");
        out.append(list.columnCaption(k));
    }
    out.append(kLineEnd);
    for (int r = 1; r <= list.rowCount() && out.ok(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        pumpOnce(pump);
        out.append(list.cell(r, 1));
        out.append(", ");
        for (int k = 2; k <= columns; ++k) {
            pumpOnce(pump);
            out.append(list.cell(r, k));
            if (k != columns) out.append(", ");
        }
        out.append(kLineEnd);
    }
    out.append(kLineEnd);
    return out.flush();
}

bool writeClipboardText(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump) {
    if (list.rowCount() == 0) return true;
    const std::vector<std::size_t> widths = measureWidths(list, false, pump);
    const int columns = list.columnCount();
    PieceWriter out(output);
    for (int r = 1; r <= list.rowCount() && out.ok(); ++r) {
        pumpOnce(pump);
        if (!list.isChecked(r)) continue;
        // Every cell but the last padded and followed by TAB; the last one
        // without padding and without trailing spaces.
        for (int k = 1; k < columns; ++k) {
            pumpOnce(pump);
            out.appendPadded(list.cell(r, k), widths[columnIndex(k)]);
            out.append('\t');
        }
        if (columns >= 1) {
            pumpOnce(pump);
            out.append(trimTrailingSpaces(list.cell(r, columns)));
        }
        out.append(kLineEnd);
    }
    return out.flush();
}

std::string buildTextFile(const ListViewSource& list, const ExportPump& pump) {
    std::string text;
    writeTextFile(list, appendTo(text), pump);
    return text;
}

std::string buildCommaFile(const ListViewSource& list, const ExportPump& pump) {
    std::string text;
    writeCommaFile(list, appendTo(text), pump);
    return text;
}

std::optional<std::string> buildClipboardText(const ListViewSource& list, const ExportPump& pump) {
    if (list.rowCount() == 0) return std::nullopt;
    std::string text;
    writeClipboardText(list, appendTo(text), pump);
    return text;
}

bool ListViewToTextFile(const ListViewSource& list, const std::string& path, std::string& error,
                        const ExportPump& pump) {
    return writeListFile(&writeTextFile, list, path, error, pump);
}

bool ListViewToCommaFile(const ListViewSource& list, const std::string& path, std::string& error,
                         const ExportPump& pump) {
    return writeListFile(&writeCommaFile, list, path, error, pump);
}

void ListViewToClipboard(const ListViewSource& list, platform::Platform& platform, const ExportPump& pump) {
    if (const auto text = buildClipboardText(list, pump)) platform.setClipboardText(*text);
}

}  // namespace harvelux::results
