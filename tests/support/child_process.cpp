#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

int exitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

pid_t startChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child != 0) return child;
    int code = 99;
    try {
        code = body();
    } catch (...) {
    }
    _exit(code);
}

int waitChild(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return exitCode(status);
}

bool childEnded(pid_t child, int& code) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) != child) return false;
    code = exitCode(status);
    return true;
}

int waitChildWithin(pid_t child, int seconds) {
    int code = 0;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (childEnded(child, code)) return code;
        usleep(100'000);
    }
    kill(child, SIGKILL);
    waitChild(child);
    return kStillRunning;
}

bool dropRoot() {
    if (geteuid() != 0) return true;
    return setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0;
}

}  // namespace testing_support
