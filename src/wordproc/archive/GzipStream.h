// A gzip file inflated piece by piece with ISA-L's igzip, several times as
// fast as zlib, for libarchive to read the tar inside it from: the tar is
// never held whole.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

struct inflate_state;

namespace harvelux::wordproc {

class GzipStream {
public:
    explicit GzipStream(std::string_view data);
    ~GzipStream();
    GzipStream(const GzipStream&) = delete;
    GzipStream& operator=(const GzipStream&) = delete;

    // The next inflated bytes, empty at the end of the last gzip member
    // (trailing bytes that begin no member are ignored); false
    // when the stream is damaged (a bad block, header or CRC).
    bool next(std::string_view& piece);

private:
    std::string_view data_;
    std::unique_ptr<inflate_state> state_;
    std::vector<unsigned char> buffer_;
};

// Whether the gzip file holds a tar archive (its first inflated bytes are a
// POSIX or GNU tar header).
bool gzipHoldsTar(std::string_view data);

}  // namespace harvelux::wordproc
