#pragma once
// A timer driven by the one thread's message loop: a tick never interrupts a handler.
#include <QTimer>
#include <functional>

namespace tk {

class Timer {
public:
    explicit Timer(int intervalMs);

    void setEnabled(bool on);
    bool Enabled() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

    std::function<void()> OnTimer;

private:
    QTimer timer_;
};

}  // namespace tk
