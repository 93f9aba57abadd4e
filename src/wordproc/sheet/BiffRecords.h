// The records of an Excel workbook stream (BIFF2 to BIFF8): a type, a
// length and that many bytes of body each. The walk checks every length
// against the stream and stops at the first record that leaves it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc::biff {

// The record types this reader looks at.
enum RecordType : std::uint16_t {
    kBof2 = 0x0009,
    kBof3 = 0x0209,
    kBof4 = 0x0409,
    kBof = 0x0809,  // BIFF5 and BIFF8
    kEof = 0x000A,
    kFilePass = 0x002F,
    kCodePage = 0x0042,
    kBoundSheet = 0x0085,
    kSst = 0x00FC,
    kContinue = 0x003C,
    kLabelSst = 0x00FD,
    kLabel2 = 0x0004,
    kLabel = 0x0204,
    kRString = 0x00D6,
    kFormula = 0x0006,
    kFormula3 = 0x0206,
    kFormula4 = 0x0406,
    kString2 = 0x0007,
    kString = 0x0207,
    kNote = 0x001C,
    kTxo = 0x01B6,
    kHeader = 0x0014,
    kFooter = 0x0015,
    kHyperlink = 0x01B8,
    kHeaderFooter = 0x089C,  // the even and first pages' headers and footers (Excel 2007 and later)
};

bool isBof(std::uint16_t type);

struct Record {
    std::uint16_t type = 0;
    std::string_view body;
    std::size_t offset = 0;  // of the record's header in the stream
};

class Records {
public:
    explicit Records(std::string_view stream) : stream_(stream) {}

    // The next record; false at the end of the stream or at a record whose
    // body would leave it (the stream is damaged from there on).
    bool next(Record& record);
    // The type of the record `next` would give, or nothing.
    std::optional<std::uint16_t> peekType() const;
    // The bodies of the CONTINUE records that follow, taken.
    void takeContinues(std::vector<std::string_view>& bodies);

private:
    std::string_view stream_;
    std::size_t at_ = 0;
};

// The body of a record and of the CONTINUE records after it, read as one
// run of bytes; a read past the last byte throws EngineError. The one
// break in the run: where a string's characters go on in the next
// CONTINUE record, that record begins with a new flags byte that says
// whether the rest are one byte or two each.
class ContinuedBytes {
public:
    explicit ContinuedBytes(std::string_view body) { segments_.push_back(body); }
    explicit ContinuedBytes(std::vector<std::string_view> segments) : segments_(std::move(segments)) {}

    bool atEnd();
    std::size_t remaining() const;
    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    void skip(std::uint64_t count);
    // `count` characters as UTF-8 onto `out`: Latin-1 bytes, or UTF-16LE
    // when `wide`. Stops early, without an error, at the end of the data.
    void characters(std::size_t count, bool wide, std::string& out);
    // `count` bytes (fewer at the end of the data), for text in a code page.
    std::string_view bytes(std::size_t count);

private:
    bool nextSegment();

    std::vector<std::string_view> segments_;
    std::size_t segment_ = 0;
    std::size_t at_ = 0;
};

}  // namespace harvelux::wordproc::biff
