#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace harvelux {

// Writes a file completely or not at all: the bytes go to a temporary file
// beside the target, which is renamed over the target only once everything
// is written and on disk, so a full disk or a read-only folder never leaves a
// cut-off file and an existing file stays as it was.
//
// What the target path names is respected:
// - a symbolic link is followed (through every link in a chain) and the file
//   it leads to is written; a link that leads nowhere creates its target;
// - an existing file keeps its permissions, and its owner and group where
//   the user may give them;
// - anything but a regular file (folder, FIFO, device, socket) is refused
//   with "PATH is not a regular file", as is a file the user may not write;
// - a file with other hard links is refused: a rename gives the name a new
//   file and would cut it off from the others, and writing the old file in
//   place could leave it half-written when a write fails.
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

    // Gives up on the file: the target stays as it was, error() is `message`.
    void abandon(std::string message) { fail(std::move(message)); }

    const std::string& error() const { return error_; }

private:
    bool fail(int code);
    bool fail(std::string message);
    void discard();

    std::string path_;       // as the caller gave it, for messages
    std::string target_;     // the file really written, links followed
    std::string temporary_;  // beside the target
    int fd_ = -1;
    bool failed_ = false;
    std::string error_;
};

// The whole of `data` to `path` through an AtomicFile. On failure returns
// false and puts a sentence for the user in `error`.
bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error);

}  // namespace harvelux
