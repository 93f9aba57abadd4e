// Permission checks do not apply to root, who runs the tests on CI machines:
// this runs a check in a child process as the user "nobody" when the tests
// run as root, and as the same user otherwise.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <functional>

namespace harvelux::testing {

inline constexpr uid_t kNobody = 65534;

// The body's result (0 to 255), or -1 when the child did not end normally.
inline int runUnprivileged(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped =
            ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
        ::_exit(dropped ? body() : 255);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace harvelux::testing
