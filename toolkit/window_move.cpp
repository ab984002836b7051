// Moving a borderless window by a part of it that stands in for a title bar.
#include "form.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace tk {
namespace {

// Without a move offered by the desktop (no window manager, or a platform without one) the
// window follows the pointer itself. The press that started the move holds the mouse for the
// control it began on, so every move and the release pass through the application; this filter
// takes them all until the release and then removes itself.
class PointerMove : public QObject {
public:
    PointerMove(Form& window, QPointF pointer) : window_(&window), start_(window.pos()), pointer_(pointer) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (window_) window_->move(start_ + (mouse->globalPosition() - pointer_).toPoint());
        if (event->type() == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return true;
    }

private:
    QPointer<Form> window_;
    QPoint start_;
    QPointF pointer_;
};

}  // namespace

void Form::startMove() {
    QWindow* window = windowHandle();
    if (window && window->startSystemMove()) return;
    new PointerMove(*this, QCursor::pos());
}

}  // namespace tk
