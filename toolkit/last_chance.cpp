#include "last_chance.h"
#include "application.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

namespace tk {
namespace {

std::terminate_handler previousHandler = nullptr;

[[noreturn]] void lastChance() {
    const bool onTheOneThread = QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
    if (std::exception_ptr escaped = std::current_exception(); escaped && onTheOneThread) {
        try {
            std::rethrow_exception(escaped);
        } catch (const std::exception& error) {
            std::cerr << error.what() << '\n';
            showError(error.what());
        } catch (...) {
        }
        // The stack was not unwound: the windows and the sound device still stand, so nothing is
        // torn down on the way out.
        std::fflush(nullptr);
        std::_Exit(1);
    }
    if (previousHandler) previousHandler();
    std::abort();
}

}  // namespace

void installLastChanceHandler() {
    const std::terminate_handler previous = std::set_terminate(lastChance);
    if (previous != lastChance) previousHandler = previous;
}

}  // namespace tk
