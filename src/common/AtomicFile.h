#pragma once

#include <string>
#include <string_view>

namespace harvelux {

// Writes a file completely or not at all: the bytes go to a temporary file
// beside the target, which is renamed over the target only once everything
// is written and on disk, so a full disk or a read-only folder never leaves
// a cut-off file and an existing file stays as it was. The bytes may come in
// any number of pieces, so a large file never has to be held in memory.
class AtomicFile {
public:
    AtomicFile() = default;
    // A file not committed is discarded; the target stays as it was.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Gets ready to replace `path`. False when it cannot be written; error()
    // then holds a sentence for the user.
    bool open(const std::string& path);
    // Appends bytes. False once any write has failed.
    bool write(std::string_view data);
    // Puts the written bytes in place of the target. False (with error())
    // when anything failed; the target is then unchanged.
    bool commit();
    // Gives up: the temporary file goes, the target stays as it was, and
    // error() says `message`.
    void abandon(const std::string& message);

    const std::string& error() const { return error_; }

private:
    bool fail(int code);
    bool fail(std::string message);
    void discard();

    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
    std::string error_;
};

// The whole of `data` to `path` through an AtomicFile. On failure returns
// false and puts a sentence for the user in `error`.
bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error);

}  // namespace harvelux
