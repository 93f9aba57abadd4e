#include "wordproc/module/ReaderProcess.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/ReaderChild.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace harvelux::wordproc {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kBaseAddressSpace = 1ull << 30;
constexpr std::uint64_t kMaxAddressSpace = 16ull << 30;

// The input in an anonymous memory file, sealed so that it stays as given.
int inputFile(std::string_view input) {
    const int fd = memfd_create("harvelux-reader-input", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) throw EngineError("no memory file for the reader's input", UnreadableReason::TooLarge);
    for (std::size_t at = 0; at < input.size();) {
        const ssize_t wrote = ::write(fd, input.data() + at, input.size() - at);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ::close(fd);
            throw EngineError("the reader's input could not be put in memory", UnreadableReason::TooLarge);
        }
        at += static_cast<std::size_t>(wrote);
    }
    ::lseek(fd, 0, SEEK_SET);
    ::fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

ReaderProcessLimits readerProcessLimits(std::size_t inputBytes) {
    ReaderProcessLimits limits;
    Clock::duration left = std::chrono::seconds(30);
    if (const WorkBudget* budget = WorkBudget::current())
        left = std::max(budget->deadline() - budget->now(), Clock::duration::zero());
    limits.deadline = Clock::now() + left;
    limits.cpuSeconds = static_cast<std::uint64_t>(std::chrono::ceil<std::chrono::seconds>(left).count()) + 1;
    limits.addressSpaceBytes =
        std::min<std::uint64_t>(kBaseAddressSpace + 2 * std::uint64_t{inputBytes}, kMaxAddressSpace);
    return limits;
}

ReaderProcess::ReaderProcess(const std::string& program, const std::vector<std::string>& arguments,
                             std::string_view input, const ReaderProcessLimits& limits)
    : deadline_(limits.deadline) {
    FileDescriptor in{inputFile(input)};
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) throw EngineError("no pipe for the reader's output", UnreadableReason::TooLarge);
    FileDescriptor readEnd{pipe[0]};
    FileDescriptor writeEnd{pipe[1]};

    std::vector<std::string> words{program};
    for (std::string& limit : readerChildLimitArguments(limits.addressSpaceBytes, limits.cpuSeconds))
        words.push_back(std::move(limit));
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    // Standard input the memory file, standard output the pipe, standard
    // error nowhere (the library's complaints are no user's business); every
    // other descriptor closed, whichever thread opened it.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.fd, 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const int failed = posix_spawn(&pid_, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        pid_ = -1;
        throw EngineError(program + " could not be started: " + std::strerror(failed), UnreadableReason::ReaderMissing);
    }
    output_ = readEnd.fd;
    readEnd.fd = -1;
}

ReaderProcess::~ReaderProcess() {
    if (output_ >= 0) ::close(output_);
    kill();
}

int ReaderProcess::waitMilliseconds() const {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, 1000));
}

void ReaderProcess::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {}
    pid_ = -1;
}

std::size_t ReaderProcess::read(char* buffer, std::size_t size) {
    if (output_ < 0 || size == 0) return 0;
    while (true) {
        if (Clock::now() >= deadline_) {
            kill();
            throw EngineError("too slow to read");
        }
        pollfd ready{.fd = output_, .events = POLLIN, .revents = 0};
        const int polled = ::poll(&ready, 1, waitMilliseconds());
        if (polled < 0 && errno != EINTR) throw EngineError("the reader's output could not be read");
        if (polled <= 0) continue;
        const ssize_t got = ::read(output_, buffer, size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EngineError("the reader's output could not be read");
        if (got == 0) {
            ::close(output_);
            output_ = -1;
        }
        return static_cast<std::size_t>(got);
    }
}

void ReaderProcess::finish() {
    if (pid_ <= 0) return;
    int status = 0;
    while (true) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) break;
        if (done < 0 && errno != EINTR) throw EngineError("the reader process was lost");
        if (Clock::now() >= deadline_) {
            kill();
            throw EngineError("too slow to read");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    pid_ = -1;
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (signal == SIGXCPU) throw EngineError("too slow to read");
        throw EngineError(std::string("the reader crashed on the file (") + sigabbrev_np(signal) + ")");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw EngineError("the reader gave up on the file (exit status " + std::to_string(WEXITSTATUS(status)) + ")");
}

}  // namespace harvelux::wordproc
