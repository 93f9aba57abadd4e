#include "wordproc/rtf/RtfTokenizer.h"

#include "wordproc/text/AsciiText.h"

#include <algorithm>
#include <limits>

namespace harvelux::wordproc {

RtfToken RtfTokenizer::next() {
    RtfToken token;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '{') {
            ++pos_;
            token.kind = RtfToken::Kind::GroupStart;
            return token;
        }
        if (c == '}') {
            ++pos_;
            token.kind = RtfToken::Kind::GroupEnd;
            return token;
        }
        if (c == '\\') {
            if (pos_ + 1 >= data_.size()) break;
            const char after = data_[pos_ + 1];
            if (isAsciiLetter(after)) return controlWord();
            if (after == '\'') return hexByte();
            pos_ += 2;
            token.kind = RtfToken::Kind::ControlSymbol;
            token.symbol = after == '\r' ? '\n' : after;  // "\<CR>" and "\<LF>" both mean \par
            return token;
        }
        if (c == '\r' || c == '\n') {  // line ends in RTF source carry no text
            ++pos_;
            continue;
        }
        const std::size_t end = data_.find_first_of("{}\\\r\n", pos_);
        const std::size_t stop = end == std::string_view::npos ? data_.size() : end;
        token.kind = RtfToken::Kind::Text;
        token.word = data_.substr(pos_, stop - pos_);
        pos_ = stop;
        return token;
    }
    pos_ = data_.size();
    return token;
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    const std::size_t start = ++pos_;
    while (pos_ < data_.size() && isAsciiLetter(data_[pos_])) ++pos_;
    token.word = data_.substr(start, pos_ - start);

    const bool negative = pos_ + 1 < data_.size() && data_[pos_] == '-' && isAsciiDigit(data_[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < data_.size() && isAsciiDigit(data_[pos_])) {
        std::int64_t value = 0;
        while (pos_ < data_.size() && isAsciiDigit(data_[pos_])) {
            value = std::min<std::int64_t>(value * 10 + (data_[pos_] - '0'), std::int64_t(1) << 32);
            ++pos_;
        }
        if (negative) value = -value;
        token.hasParameter = true;
        token.parameter = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;  // the delimiting space belongs to the word

    if (token.word == "bin" && token.hasParameter) {
        // \binN: N bytes of raw data follow, whatever they contain.
        const auto wanted = static_cast<std::size_t>(std::max<std::int32_t>(token.parameter, 0));
        const std::size_t length = std::min(wanted, data_.size() - pos_);
        token.kind = RtfToken::Kind::Binary;
        token.word = data_.substr(pos_, length);
        pos_ += length;
    }
    return token;
}

RtfToken RtfTokenizer::hexByte() {
    RtfToken token;
    pos_ += 2;  // backslash and apostrophe
    const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
    const int low = pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
    if (high < 0 || low < 0) {
        // A malformed escape stands for nothing: its hex digit, if it has
        // one, goes with it, and what follows is read normally.
        if (high >= 0) ++pos_;
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = '\'';
        return token;
    }
    pos_ += 2;
    token.kind = RtfToken::Kind::Byte;
    token.byte = static_cast<unsigned char>(high * 16 + low);
    return token;
}

}  // namespace harvelux::wordproc
