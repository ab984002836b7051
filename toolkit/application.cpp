#include "application.h"
#include "controls.h"
#include "form.h"
#include "text.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <exception>
#include <vector>

namespace tk {
namespace {

Application* theApplication = nullptr;
ErrorBox* errorBoxOverride = nullptr;
Waiter* waiterOverride = nullptr;

void standardErrorBox(const std::string& message) {
    const QString title = theApplication ? toScreen(theApplication->title()) : QString();
    QMessageBox box(QMessageBox::Critical, title, toScreen(message), QMessageBox::Ok);
    box.exec();
}

// The program's own windows: tooltips and popup menus are top-level widgets too, but they are
// not minimised and restored with the program.
std::vector<Form*> programWindows() {
    std::vector<Form*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(widget)) windows.push_back(form);
    return windows;
}

void threadSleep(int milliseconds) {
    // No event is handled meanwhile: input queues up for after the handler. What the handler has
    // repainted at once is already on screen, as a repaint flushes its window to the display.
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace

void setErrorBox(ErrorBox* box) { errorBoxOverride = box; }
void setWaiter(Waiter* waiter) { waiterOverride = waiter; }

void showError(const std::string& message) {
    if (errorBoxOverride) errorBoxOverride->show(message);
    else standardErrorBox(message);
}

void dispatch(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        showError(error.what());
    }
}

void Sleep(int milliseconds) {
    if (waiterOverride) waiterOverride->wait(milliseconds);
    else threadSleep(milliseconds);
}

Application::Application(int& argc, char** argv, const std::string& title)
    : designPictures_(std::make_unique<DesignPictureSharing>()), title_(title) {
    if (!QApplication::instance()) qt_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(toScreen(title));
    QApplication::setQuitOnLastWindowClosed(false);
    theApplication = this;
}

Application::~Application() {
    if (theApplication == this) theApplication = nullptr;
}

Application& Application::instance() { return *theApplication; }

int Application::run(Form& mainForm) {
    mainForm_ = &mainForm;
    mainForm.Show();
    return QApplication::exec();
}

int Application::run(const std::function<Form&()>& createWindows) {
    Form* mainForm = nullptr;
    try {
        mainForm = &createWindows();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", title_.c_str(), error.what());
        showError(error.what());
        return 1;
    }
    // Made, the windows alone hold their pictures.
    designPictures_.reset();
    return run(*mainForm);
}

void Application::Minimize() {
    for (Form* window : programWindows())
        if (window->isVisible() && !window->isMinimized()) window->showMinimized();
}

void Application::Restore() {
    for (Form* window : programWindows())
        if (window->isVisible() && window->isMinimized()) window->showNormal();
}

void Application::noticeMinimized(bool minimized) {
    if (minimized == minimized_) return;
    minimized_ = minimized;
    // The desktop minimises or restores one window (its task bar knows the main one); the
    // program's other windows go with it, as they do from Minimize and Restore.
    if (minimized) Minimize();
    else Restore();
    dispatch(minimized ? OnMinimize : OnRestore);
}

}  // namespace tk
