#pragma once
// Handing a web or mail address to the desktop, which opens it with the program the user chose.
#include <string>

namespace tk {

class Form;

// Show commands of the shell call; the desktop decides how the opened program's window appears.
constexpr int SW_SHOW = 5;

class Shell {
public:
    virtual ~Shell() = default;
    // verb is nullptr for the desktop's default action.
    virtual void execute(Form* owner, const char* verb, const std::string& address, int showCommand) = 0;
};

// Opens the address without waiting for it and without looking at the outcome: the real shell
// starts `xdg-open <address>` and leaves it to run on its own.
void ShellExecute(Form* owner, const char* verb, const std::string& address, int showCommand);

// Test seam; nullptr restores the real shell.
void setShell(Shell* shell);

}  // namespace tk
