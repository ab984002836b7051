#include "application.h"
#include "controls.h"
#include "form.h"
#include "text.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QThread>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <exception>
#include <optional>
#include <vector>

namespace tk {
namespace {

Application* theApplication = nullptr;
ErrorBox* errorBoxOverride = nullptr;
Waiter* waiterOverride = nullptr;

// The text of the error box on screen, and the errors raised while it is open, in their order.
std::optional<std::string> openErrorText;
std::deque<std::string> waitingErrors;

void standardErrorBox(const std::string& message) {
    const QString title = theApplication ? toScreen(theApplication->title()) : QString();
    QMessageBox box(QMessageBox::Critical, title, breakable(toScreen(message)), QMessageBox::Ok);
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

// Qt's own texts (the edit fields' context menus, the buttons of its dialogs) in the language of
// the games' windows. Without the translation installed they stay in English.
void loadQtTranslation() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    translator->setParent(qApp);
    QCoreApplication::installTranslator(translator.release());
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
    // An error raised while a box is open (often by a handler that the box's closing set off, such
    // as the pointer entering a control again) waits until that box is closed: a box opened inside
    // another would take the stack deeper with every box the player closes. A text that is on
    // screen or waiting already is not shown twice.
    if (openErrorText) {
        if (message != *openErrorText && std::ranges::find(waitingErrors, message) == waitingErrors.end())
            waitingErrors.push_back(message);
        return;
    }
    struct Closed {
        ~Closed() {
            openErrorText.reset();
            waitingErrors.clear();
        }
    } closed;
    openErrorText = message;
    while (true) {
        if (errorBoxOverride) errorBoxOverride->show(*openErrorText);
        else standardErrorBox(*openErrorText);
        if (waitingErrors.empty()) break;
        openErrorText = std::move(waitingErrors.front());
        waitingErrors.pop_front();
    }
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
    : title_(title) {
    if (!QApplication::instance()) qt_ = std::make_unique<QApplication>(argc, argv);
    loadQtTranslation();
    // Not earlier: run beside Qt's own start (loading its plugins and fonts), the decoding slowed
    // that down by more than it saved.
    designPictures_ = std::make_unique<DesignPictureSharing>();
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
    // Once the main window is up (the decoding thread may still be finishing a picture that it
    // is about to draw), the windows alone hold their pictures.
    QMetaObject::invokeMethod(qApp, [this] { designPictures_.reset(); }, Qt::QueuedConnection);
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
