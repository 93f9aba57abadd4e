// A reader run in a process of its own, for a library that may crash or
// call exit() on a hostile file (libpst): whatever the library does there
// ends that process, never the program.
//
// The program is started without a shell (posix_spawn), the document's
// bytes on its standard input as an anonymous in-memory file (sealed, never
// on disk), its output read from a pipe with the caller's deadline; when the
// deadline passes the process is killed. The program applies the limits
// handed to it as its first arguments (see ReaderChild.h) before it reads
// anything: address space, CPU time, no core dump, no file written. Its
// output is untrusted like the document: the caller checks all of it.
// Any number of threads may run reader processes at once.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

struct ReaderProcessLimits {
    std::chrono::steady_clock::time_point deadline;  // output read and process ended by then
    std::uint64_t addressSpaceBytes = 0;             // 0: none
    std::uint64_t cpuSeconds = 0;                    // 0: none
};

// The limits for a reader of `inputBytes` under the thread's work budget
// (30 seconds without one).
ReaderProcessLimits readerProcessLimits(std::size_t inputBytes);

class ReaderProcess {
public:
    // Starts `program` (an absolute path) with `arguments` after the limits.
    // Throws EngineError: ReaderMissing when it cannot be started.
    ReaderProcess(const std::string& program, const std::vector<std::string>& arguments, std::string_view input,
                  const ReaderProcessLimits& limits);
    // A process still running is killed; every process is waited for.
    ~ReaderProcess();
    ReaderProcess(const ReaderProcess&) = delete;
    ReaderProcess& operator=(const ReaderProcess&) = delete;

    // Up to `size` bytes of the output, waiting for them until the
    // deadline; 0 once the output has ended. Throws EngineError ("too slow
    // to read") at the deadline, after killing the process.
    std::size_t read(char* buffer, std::size_t size);

    // Waits for the process to end, until the deadline. Throws EngineError
    // (damaged) when it was killed by a signal (a crash, its CPU limit) or
    // exited with another status than 0, saying which.
    void finish();

    // Whether the whole output has been read (the process closed it).
    bool outputEnded() const { return output_ < 0; }

private:
    int waitMilliseconds() const;
    void kill();

    pid_t pid_ = -1;
    int output_ = -1;
    std::chrono::steady_clock::time_point deadline_;
};

}  // namespace harvelux::wordproc
