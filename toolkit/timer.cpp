#include "timer.h"
#include "application.h"

namespace tk {

Timer::Timer(int intervalMs) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { dispatch(OnTimer); });
}

void Timer::setEnabled(bool on) {
    // Switching on a running timer leaves its rhythm alone.
    if (on && !timer_.isActive()) timer_.start();
    if (!on) timer_.stop();
}

}  // namespace tk
