#pragma once
// The application object, the one place every event handler runs through, and the test seams for
// the error box and the blocking wait.
#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace tk {

class Form;
class DesignPictureSharing;

// Shows the message of an error that escaped a handler.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    virtual void show(const std::string& message) = 0;
};

// Holds the one thread for a fixed time; input queues up meanwhile.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int milliseconds) = 0;
};

// Test seams; nullptr restores the real one.
void setErrorBox(ErrorBox* box);
void setWaiter(Waiter* waiter);

// Runs an event handler. An error that escapes it is shown in the error box and the rest of the
// handler is skipped; the program goes on.
void dispatch(const std::function<void()>& handler);
// Shows a message in the error box (the standard one: the application's title, a stop icon, "OK").
// A message that comes while a box is open is shown after that box closes, and not at all when its
// text is on screen or waiting already; boxes never open inside each other.
void showError(const std::string& message);
// Blocks the thread (the answer judging's fixed waits).
void Sleep(int milliseconds);

class Application {
public:
    Application(int& argc, char** argv, const std::string& title);
    ~Application();

    static Application& instance();
    const std::string& title() const { return title_; }

    // Shows the main window and runs the message loop until it closes; returns the exit code.
    int run(Form& mainForm);
    // Creates the program's windows, then runs as above. An error while they are created ends the
    // program before any window is shown: the error box (and standard error) name it, exit code 1.
    int run(const std::function<Form&()>& createWindows);
    Form* mainForm() const { return mainForm_; }
    void setMainForm(Form* form) { mainForm_ = form; }

    // Takes every window of the program off the screen / brings them back.
    void Minimize();
    void Restore();
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;
    // Called by the forms when the desktop minimises or restores one of them.
    void noticeMinimized(bool minimized);

private:
    std::unique_ptr<QApplication> qt_;
    // Made once the platform is up, so that the pictures are decoded while the windows are made.
    std::unique_ptr<DesignPictureSharing> designPictures_;
    std::string title_;
    Form* mainForm_ = nullptr;
    bool minimized_ = false;
};

}  // namespace tk
