// The results window's filter: a piece of text found anywhere in a row's
// address, names or document paths, whatever the case ("@example.org"
// keeps one domain's addresses).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace harvelux::results {

class RowFilter {
public:
    RowFilter() = default;
    // Spaces around the text are no part of it.
    explicit RowFilter(const QString& text);

    bool empty() const { return needle_.isEmpty(); }
    const QString& text() const { return needle_; }
    // Whether `utf8` holds the text, case aside.
    bool matches(std::string_view utf8) const;

private:
    QString needle_;
    // The text in lower case when it is ASCII: then the bytes are searched
    // as they are, without decoding every row.
    std::string ascii_;
    bool isAscii_ = true;
};

}  // namespace harvelux::results
