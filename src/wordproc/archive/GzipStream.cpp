#include "wordproc/archive/GzipStream.h"

#include "wordproc/WorkBudget.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kPiece = 256u << 10;
constexpr std::size_t kTarMagicAt = 257;
// isal_inflate's lengths are 32-bit; the input is given in slices.
constexpr std::size_t kMostIn = 1u << 30;

bool beginsMember(std::string_view data) { return data.size() >= 2 && data[0] == '\x1F' && data[1] == '\x8B'; }

}  // namespace

GzipStream::GzipStream(std::string_view data)
    : data_(data), state_(std::make_unique<inflate_state>()), buffer_(kPiece) {
    isal_inflate_init(state_.get());
    state_->crc_flag = ISAL_GZIP;
}

GzipStream::~GzipStream() = default;

bool GzipStream::next(std::string_view& piece) {
    piece = {};
    while (true) {
        WorkBudget::charge();
        if (state_->block_state == ISAL_BLOCK_FINISH) {
            // A gzip file may be several members, one after the other.
            if (!beginsMember(data_)) return true;
            isal_inflate_reset(state_.get());
            state_->crc_flag = ISAL_GZIP;
        }
        if (data_.empty()) return false;  // cut off inside a member
        const std::size_t given = std::min(data_.size(), kMostIn);
        state_->next_in = reinterpret_cast<std::uint8_t*>(const_cast<char*>(data_.data()));
        state_->avail_in = static_cast<std::uint32_t>(given);
        state_->next_out = buffer_.data();
        state_->avail_out = static_cast<std::uint32_t>(buffer_.size());
        if (isal_inflate(state_.get()) != ISAL_DECOMP_OK) return false;
        data_.remove_prefix(given - state_->avail_in);
        const std::size_t made = buffer_.size() - state_->avail_out;
        if (made > 0) {
            piece = std::string_view(reinterpret_cast<const char*>(buffer_.data()), made);
            return true;
        }
        if (given == state_->avail_in && state_->block_state != ISAL_BLOCK_FINISH) return false;  // no progress
    }
}

bool gzipHoldsTar(std::string_view data) {
    if (!beginsMember(data)) return false;
    GzipStream stream(data);
    std::string_view piece;
    if (!stream.next(piece)) return false;
    return piece.size() >= kTarMagicAt + 5 && piece.substr(kTarMagicAt, 5) == "ustar";
}

}  // namespace harvelux::wordproc
