#pragma once
// The application of the fuzzers that drive windows: on the offscreen platform, with an error box
// that keeps its messages, and the event loop's work done after each input.
#include "toolkit/application.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz_setup {

// The error box of a fuzzer: it keeps the messages for the checks.
class RecordingErrorBox : public tk::ErrorBox {
public:
    void show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// Starts the application on the offscreen platform with a recording error box, for the whole run;
// call after the last change to the command line.
inline RecordingErrorBox& startApplication(int* argc, char*** argv, const std::string& name) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);  // the offscreen platform's notes on raising
    new tk::Application(*argc, *argv, name);
    static RecordingErrorBox errors;
    tk::setErrorBox(&errors);
    return errors;
}

// Delivers what showing and drawing windows left queued (the platform's expose events, update
// requests, deferred deletions), as the event loop of the program would: a fuzzer never runs that
// loop, and would otherwise keep every input's events for the rest of the run.
inline void deliverQueuedEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace fuzz_setup
