#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// A file's bytes in a buffer that is never cleared first: reading a large
// document costs one copy from the kernel, not a fill and a copy.
class DocumentBytes {
public:
    // Memory from malloc, so that a buffer can grow in place (realloc) as a
    // file that grows while it is read is read on.
    struct Free {
        void operator()(char* data) const { std::free(data); }
    };
    using Buffer = std::unique_ptr<char, Free>;

    DocumentBytes() = default;
    DocumentBytes(Buffer data, std::size_t size) : data_(std::move(data)), size_(size) {}
    std::string_view view() const { return {data_.get(), size_}; }

private:
    Buffer data_;
    std::size_t size_ = 0;
};

// The whole content of a regular file. Anything else (a folder, a FIFO, a
// device, a missing path) and files over the size cap throw EngineError; a
// FIFO is never opened, so the call cannot block.
DocumentBytes readDocumentBytes(const std::string& path);

// The same with another size cap, and with `read` in place of read(2) (it
// has read's contract: bytes read, 0 at the end, -1 and errno on failure),
// for tests that make a file grow while it is read.
using ReadCall = std::function<long(int fd, char* buffer, std::size_t size)>;
DocumentBytes readDocumentBytes(const std::string& path, std::uint64_t maxBytes, const ReadCall& read);

// The same, as a string.
std::string readDocumentFile(const std::string& path);

}  // namespace harvelux::wordproc
