// Splits RTF into its tokens: group braces, control words with their
// parameter, control symbols, \'hh bytes, runs of text bytes and the data of
// \binN. Reads any bytes without failing; what is cut off at the end of the
// input simply ends the token stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harvelux::wordproc {

struct RtfToken {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, Byte, Text, Binary };
    Kind kind = Kind::End;
    std::string_view word;       // ControlWord: the name; Text: the bytes; Binary: the data
    bool hasParameter = false;   // ControlWord
    std::int32_t parameter = 0;  // ControlWord, clamped to 32 bits
    char symbol = 0;             // ControlSymbol
    unsigned char byte = 0;      // Byte (\'hh)
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view data) : data_(data) {}
    RtfToken next();

private:
    RtfToken controlWord();
    RtfToken hexByte();

    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace harvelux::wordproc
