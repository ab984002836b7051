#include "form.h"
#include "application.h"
#include "text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

namespace tk {
namespace {

// The frame and title bar of an ordinary window, as the outer sizes were measured with.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 34;

// The window of the program that was active last. Activation that comes back to it from a
// message box, a menu or another program is no new activation of a window.
Form* activeForm = nullptr;

}  // namespace

Form::Form(const std::string& caption) : client_(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    setAttribute(Qt::WA_QuitOnClose, false);
    setColor(clBtnFace);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    setFont(font);
    setCaption(caption);
}

Form::~Form() {
    if (activeForm == this) activeForm = nullptr;
}

void Form::setCaption(const std::string& caption) { setWindowTitle(toScreen(caption)); }
std::string Form::caption() const { return fromScreen(windowTitle()); }

int Form::Left() const { return outerPlace().x(); }
int Form::Top() const { return outerPlace().y(); }

QPoint Form::outerPlace() const {
    if (!isVisible()) return hiddenPlace_.value_or(pos());
    // Asked of the native window: the widget learns of a frame the desktop adds only at its next move.
    return windowHandle() ? windowHandle()->framePosition() : pos();
}
void Form::setLeft(int left) { moveTo({left, Top()}); }
void Form::setTop(int top) { moveTo({Left(), top}); }

void Form::moveTo(QPoint place) {
    if (!isVisible()) hiddenPlace_ = place;
    move(place);
}

void Form::setClientSize(int width, int height) {
    client_->setMinimumSize(0, 0);
    client_->resize(width, height);
    const int menuHeight = layout()->menuBar() ? layout()->menuBar()->sizeHint().height() : 0;
    const QSize outer(width + 2 * layout()->contentsMargins().left(),
                      height + menuHeight + 2 * layout()->contentsMargins().top());
    // The size hints tell every desktop that it can neither resize nor maximise the window.
    if (windowFlags() & Qt::FramelessWindowHint) setFixedSize(outer);
    else resize(outer);
}

void Form::setOuterSize(int width, int height) { setClientSize(width - kFrameWidth, height - kFrameHeight); }

void Form::setColor(Color color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    setPalette(palette);
    setAutoFillBackground(true);
}

void Form::setBorderless(int rim) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    layout()->setContentsMargins(rim, rim, rim, rim);
}

void Form::setStayOnTop() { setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint); }

void Form::setIconPicture(const QImage& picture) { setWindowIcon(QIcon(QPixmap::fromImage(picture))); }

void Form::centerOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Form::Show() {
    // The Show that began it puts the window on screen and in front once the handler is done.
    if (showing_) return;
    const bool wasActive = isActiveWindow();
    if (isVisible()) {
        if (isMinimized()) showNormal();
    } else {
        // The show handler runs before the window appears; an error in it still leaves it shown.
        showing_ = true;
        dispatch(OnShow);
        if (!std::exchange(showing_, false)) return;  // hidden again meanwhile
        if (centerOnShow_) centerOnScreen();
        if (parentWidget()) keepOffTaskBar();
        show();
    }
    raise();
    activateWindow();
    // The platform reports the activation only after the running handler has returned; the
    // handler that showed the window expects the activation to have happened already.
    if (!wasActive) {
        activeForm = this;
        dispatch(OnActivate);
    }
}

void Form::Hide() {
    if (showing_) {
        showing_ = false;
        dispatch(OnHide);
        return;
    }
    if (!isVisible()) return;
    hiddenPlace_ = outerPlace();
    hide();
    // A desktop frame is gone with the hidden window, and a native window shown again would be
    // placed by its client area. Without one, the next show creates it placed by its frame.
    destroy();
    move(*hiddenPlace_);
    dispatch(OnHide);
}

void Form::Close() {
    if (Application::instance().mainForm() == this) {
        hide();
        QApplication::exit(0);
    } else {
        Hide();
    }
}

void Form::SetFocus() {
    if (isActiveWindow()) return;
    raise();
    activateWindow();
}

void Form::repaintNow() { repaint(); }

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    Close();
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && activeForm != this) {
        activeForm = this;
        dispatch(OnActivate);
    }
    if (event->type() == QEvent::WindowStateChange) Application::instance().noticeMinimized(isMinimized());
}

void Form::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button and Esc the cancel button, as in a dialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (!button->isEnabled() || !button->isVisible()) continue;
        if ((enter && button->isDefault()) || (escape && button->property("cancel").toBool())) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tk
