#include "results/RowFilter.h"

#include <algorithm>

namespace harvelux::results {

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

RowFilter::RowFilter(const QString& text) : needle_(text.trimmed()) {
    for (const QChar c : needle_) {
        if (c.unicode() >= 0x80) {
            isAscii_ = false;
            return;
        }
        ascii_ += asciiLower(static_cast<char>(c.unicode()));
    }
}

bool RowFilter::matches(std::string_view utf8) const {
    if (needle_.isEmpty()) return true;
    if (isAscii_) {
        const auto found = std::search(utf8.begin(), utf8.end(), ascii_.begin(), ascii_.end(),
                                       [](char a, char b) { return asciiLower(a) == b; });
        return found != utf8.end();
    }
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).contains(needle_, Qt::CaseInsensitive);
}

}  // namespace harvelux::results
