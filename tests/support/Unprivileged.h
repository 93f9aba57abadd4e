// Permission checks do not apply to root, who runs the tests on CI machines:
// this runs a check in a child process as the unprivileged user "nobody"
// when the tests run as root, and as the same user otherwise.
#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace harvelux::testing {

inline constexpr uid_t kNobody = 65534;

// The body's result (0 to 255), or -1 when the child did not end normally.
// Whatever the body touches must be reachable by "nobody".
inline int runUnprivileged(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(255);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace harvelux::testing
