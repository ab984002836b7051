#include "shell.h"

#include <csignal>
#include <spawn.h>
#include <unistd.h>

namespace tk {
namespace {

// xdg-open picks the web browser or mail program from the address itself, so the verb and the
// show command have nothing to choose between here.
class DesktopShell : public Shell {
public:
    void execute(Form*, const char*, const std::string& address, int) override {
        reapChildrenByThemselves();
        std::string program = "xdg-open";
        std::string target = address;
        char* const argv[] = {program.data(), target.data(), nullptr};
        pid_t child = 0;
        posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ);  // outcome not looked at
    }

private:
    // The opener is never waited for: the kernel reaps it when it ends, leaving no zombie. The
    // handler stays the default one, so the opener (which execs afresh) starts with clean signals.
    static void reapChildrenByThemselves() {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        action.sa_flags = SA_NOCLDWAIT;
        sigemptyset(&action.sa_mask);
        sigaction(SIGCHLD, &action, nullptr);
    }
};

DesktopShell desktopShell;
Shell* shellOverride = nullptr;

}  // namespace

void setShell(Shell* shell) { shellOverride = shell; }

void ShellExecute(Form* owner, const char* verb, const std::string& address, int showCommand) {
    Shell& shell = shellOverride ? *shellOverride : desktopShell;
    shell.execute(owner, verb, address, showCommand);
}

}  // namespace tk
