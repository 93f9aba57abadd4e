#include "wordproc/module/ReaderChild.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define HARVELUX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define HARVELUX_SANITIZED 1
#endif
#endif

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kAddressSpace = "--address-space=";
constexpr std::string_view kCpuSeconds = "--cpu-seconds=";
constexpr rlim_t kMaxOpenFiles = 64;

bool setLimit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit limit{.rlim_cur = soft, .rlim_max = hard};
    return setrlimit(resource, &limit) == 0;
}

bool number(std::string_view text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::vector<std::string> readerChildLimitArguments(std::uint64_t addressSpaceBytes, std::uint64_t cpuSeconds) {
    return {std::string(kAddressSpace) + std::to_string(addressSpaceBytes),
            std::string(kCpuSeconds) + std::to_string(cpuSeconds)};
}

int applyReaderChildLimits(int argc, char** argv) {
    std::uint64_t addressSpace = 0;
    std::uint64_t cpu = 0;
    int next = 1;
    for (; next < argc; ++next) {
        const std::string_view argument = argv[next];
        if (argument.starts_with(kAddressSpace)) {
            if (!number(argument.substr(kAddressSpace.size()), addressSpace)) return -1;
        } else if (argument.starts_with(kCpuSeconds)) {
            if (!number(argument.substr(kCpuSeconds.size()), cpu)) return -1;
        } else {
            break;
        }
    }
    if (!setLimit(RLIMIT_CORE, 0, 0) || !setLimit(RLIMIT_FSIZE, 0, 0) ||
        !setLimit(RLIMIT_NOFILE, kMaxOpenFiles, kMaxOpenFiles))
        return -1;
    if (cpu > 0 && !setLimit(RLIMIT_CPU, cpu, cpu + 1)) return -1;
#ifndef HARVELUX_SANITIZED
    if (addressSpace > 0 && !setLimit(RLIMIT_AS, addressSpace, addressSpace)) return -1;
#endif
    return next;
}

bool readerChildInputBytes(std::string& bytes) {
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

int readerChildOutput() {
    const int out = ::dup(STDOUT_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (out < 0 || nowhere < 0 || ::dup2(nowhere, STDOUT_FILENO) < 0) return -1;
    ::close(nowhere);
    return out;
}

std::string readerChildInputPath() {
    if (::lseek(0, 0, SEEK_CUR) >= 0) return "/proc/self/fd/0";
    const int fd = memfd_create("harvelux-reader-input", 0);
    if (fd < 0) return {};
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {};
        if (got == 0) break;
        for (ssize_t at = 0; at < got;) {
            const ssize_t wrote = ::write(fd, buffer + at, static_cast<std::size_t>(got - at));
            if (wrote <= 0) return {};
            at += wrote;
        }
    }
    return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace harvelux::wordproc
