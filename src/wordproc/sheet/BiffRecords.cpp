#include "wordproc/sheet/BiffRecords.h"

#include "common/Utf8.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"

#include <algorithm>

namespace harvelux::wordproc::biff {

bool isBof(std::uint16_t type) { return type == kBof || type == kBof2 || type == kBof3 || type == kBof4; }

bool Records::next(Record& record) {
    if (!fitsIn(stream_.size(), at_, 4)) return false;
    const std::uint16_t length = le16(stream_, at_ + 2, "a record");
    if (!fitsIn(stream_.size(), at_ + 4, length)) return false;
    record.type = le16(stream_, at_, "a record");
    record.body = stream_.substr(at_ + 4, length);
    record.offset = at_;
    at_ += 4u + length;
    return true;
}

std::optional<std::uint16_t> Records::peekType() const {
    if (!fitsIn(stream_.size(), at_, 4)) return std::nullopt;
    return le16(stream_, at_, "a record");
}

void Records::takeContinues(std::vector<std::string_view>& bodies) {
    Record record;
    while (peekType() == kContinue && next(record)) bodies.push_back(record.body);
}

bool ContinuedBytes::nextSegment() {
    if (segment_ + 1 >= segments_.size()) return false;
    ++segment_;
    at_ = 0;
    return true;
}

bool ContinuedBytes::atEnd() {
    while (at_ >= segments_[segment_].size())
        if (!nextSegment()) return true;
    return false;
}

std::size_t ContinuedBytes::remaining() const {
    std::size_t left = segments_[segment_].size() - std::min(at_, segments_[segment_].size());
    for (std::size_t i = segment_ + 1; i < segments_.size(); ++i) left += segments_[i].size();
    return left;
}

std::uint8_t ContinuedBytes::u8() {
    if (atEnd()) throw EngineError("a record ends too early");
    return byteAt(segments_[segment_], at_++);
}

std::uint16_t ContinuedBytes::u16() {
    const std::uint8_t low = u8();
    return static_cast<std::uint16_t>(low | (u8() << 8));
}

std::uint32_t ContinuedBytes::u32() {
    const std::uint16_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

void ContinuedBytes::skip(std::uint64_t count) {
    while (count > 0) {
        if (atEnd()) throw EngineError("a record ends too early");
        const std::size_t here = std::min<std::uint64_t>(count, segments_[segment_].size() - at_);
        at_ += here;
        count -= here;
    }
}

void ContinuedBytes::characters(std::size_t count, bool wide, std::string& out) {
    char32_t high = 0;  // a high surrogate waiting for its low half
    while (count > 0) {
        if (at_ >= segments_[segment_].size()) {
            if (!nextSegment() || at_ >= segments_[segment_].size()) break;
            wide = (byteAt(segments_[segment_], at_++) & 0x01) != 0;
            continue;
        }
        const std::string_view here = segments_[segment_];
        if (!wide) {
            const std::size_t take = std::min(count, here.size() - at_);
            for (std::size_t i = 0; i < take; ++i) {
                const std::uint8_t byte = byteAt(here, at_ + i);
                if (byte < 0x80)
                    out += static_cast<char>(byte);
                else
                    appendUtf8(out, byte);
            }
            at_ += take;
            count -= take;
            continue;
        }
        if (here.size() - at_ < 2) break;
        const char32_t unit = byteAt(here, at_) | static_cast<char32_t>(byteAt(here, at_ + 1)) << 8;
        at_ += 2;
        --count;
        if (unit >= 0xD800 && unit < 0xDC00) {
            if (high) appendUtf8(out, 0xFFFD);
            high = unit;
            continue;
        }
        if (unit >= 0xDC00 && unit < 0xE000 && high) {
            appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        } else {
            if (high) appendUtf8(out, 0xFFFD);
            appendUtf8(out, unit);
        }
        high = 0;
    }
    if (high) appendUtf8(out, 0xFFFD);
}

std::string_view ContinuedBytes::bytes(std::size_t count) {
    if (atEnd()) return {};
    const std::string_view here = segments_[segment_];
    const std::size_t take = std::min(count, here.size() - at_);
    at_ += take;
    return here.substr(at_ - take, take);
}

}  // namespace harvelux::wordproc::biff
