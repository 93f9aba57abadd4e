#include "wordproc/OtherFileKind.h"

#include <cstddef>

namespace harvelux::wordproc {

namespace {

struct Signature {
    std::size_t offset;
    std::string_view bytes;
    std::string_view kind;
};

using namespace std::string_view_literals;

// A signature's bytes at its offset; RIFF, FORM and ISO media files carry
// their kind a few bytes in, so they are listed by that word.
constexpr Signature kSignatures[] = {
    {0, "\x89PNG\r\n\x1a\n"sv, "picture"},
    {0, "\xff\xd8\xff"sv, "picture"},
    {0, "GIF87a"sv, "picture"},
    {0, "GIF89a"sv, "picture"},
    {0, "II*\0"sv, "picture"},
    {0, "MM\0*"sv, "picture"},
    {0, "8BPS"sv, "picture"},
    {0, "\0\0\1\0"sv, "picture"},  // icon
    {0, "\0\0\0\x0cjP  "sv, "picture"},
    {0, "\0\0\0\x0cJXL "sv, "picture"},
    {0, "\xff\x0a"sv, "picture"},
    {8, "WEBP"sv, "picture"},
    {4, "ftypheic"sv, "picture"},
    {4, "ftypheix"sv, "picture"},
    {4, "ftypmif1"sv, "picture"},
    {4, "ftypavif"sv, "picture"},
    {0, "ID3"sv, "sound"},
    {0, "fLaC"sv, "sound"},
    {0, "OggS"sv, "sound"},
    {0, "MThd"sv, "sound"},
    {0, "#!AMR"sv, "sound"},
    {8, "WAVE"sv, "sound"},
    {8, "AIFF"sv, "sound"},
    {8, "AIFC"sv, "sound"},
    {4, "ftypM4A "sv, "sound"},
    {4, "ftypM4B "sv, "sound"},
    {4, "ftyp"sv, "video"},  // MPEG-4, QuickTime, 3GP
    {4, "moov"sv, "video"},
    {8, "AVI "sv, "video"},
    {0, "\x1a\x45\xdf\xa3"sv, "video"},  // Matroska, WebM
    {0, "FLV\x01"sv, "video"},
    {0, "\0\0\1\xba"sv, "video"},
    {0, "\0\0\1\xb3"sv, "video"},
    {0, "\x30\x26\xb2\x75\x8e\x66\xcf\x11"sv, "video"},  // Windows Media
    {0,
     "\x7f"
     "ELF"sv,
     "program"},
    {0, "MZ"sv, "program"},
    {0, "\xfe\xed\xfa\xce"sv, "program"},
    {0, "\xfe\xed\xfa\xcf"sv, "program"},
    {0, "\xce\xfa\xed\xfe"sv, "program"},
    {0, "\xcf\xfa\xed\xfe"sv, "program"},
    {0, "\xca\xfe\xba\xbe"sv, "program"},  // Java class, universal Mac binary
    {0, "\0asm"sv, "program"},
    {0, "dex\n"sv, "program"},
    {0, "\0\1\0\0\0"sv, "font"},
    {0, "OTTO"sv, "font"},
    {0, "true"sv, "font"},
    {0, "ttcf"sv, "font"},
    {0, "wOFF"sv, "font"},
    {0, "wOF2"sv, "font"},
    {0, "PK\x03\x04"sv, "archive"},
    {0, "PK\x05\x06"sv, "archive"},
    {0, "\x1f\x8b"sv, "archive"},
    {0, "BZh"sv, "archive"},
    {0,
     "\xfd"
     "7zXZ\0"sv,
     "archive"},
    {0, "7z\xbc\xaf\x27\x1c"sv, "archive"},
    {0, "Rar!\x1a\x07"sv, "archive"},
    {0, "\x28\xb5\x2f\xfd"sv, "archive"},
    {0, "LZIP"sv, "archive"},
    {0, "MSCF"sv, "archive"},
    {0, "!<arch>\n"sv, "archive"},
    {0, "\xed\xab\xee\xdb"sv, "archive"},  // RPM package
    {0, "hsqs"sv, "archive"},
    {257, "ustar"sv, "archive"},
    {0x8001, "CD001"sv, "archive"},  // disc image
};

// An MPEG audio frame: eleven set bits of frame sync, then a layer.
bool isMpegAudioFrame(std::string_view data) {
    if (data.size() < 4) return false;
    const auto first = static_cast<unsigned char>(data[0]);
    const auto second = static_cast<unsigned char>(data[1]);
    return first == 0xff && (second & 0xe0) == 0xe0 && (second & 0x06) != 0;
}

}  // namespace

std::string_view otherFileKind(std::string_view data) {
    for (const Signature& signature : kSignatures)
        if (data.size() >= signature.offset + signature.bytes.size() &&
            data.substr(signature.offset, signature.bytes.size()) == signature.bytes)
            return signature.kind;
    if (isMpegAudioFrame(data)) return "sound";
    return {};
}

}  // namespace harvelux::wordproc
