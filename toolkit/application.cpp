#include "application.h"
#include "form.h"
#include "text.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <exception>

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

void threadSleep(int milliseconds) {
    // What the handler has repainted is on screen before the thread stops.
    QApplication::sync();
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

Application::Application(int& argc, char** argv, const std::string& title) : title_(title) {
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

void Application::Minimize() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->showMinimized();
}

void Application::Restore() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isMinimized()) window->showNormal();
}

void Application::noticeMinimized(bool minimized) {
    if (minimized == minimized_) return;
    minimized_ = minimized;
    dispatch(minimized ? OnMinimize : OnRestore);
}

}  // namespace tk
