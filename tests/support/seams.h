#pragma once
// Test stand-ins for the toolkit's seams: they record instead of showing, waiting or seeding.
#include "toolkit/application.h"

#include <QImage>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Records the boxes, and how deeply they were ever open inside each other. Closing a box runs
// onClose with its text, as closing the real box can deliver events (an enter, a key) to the program.
class RecordingErrorBox : public tk::ErrorBox {
public:
    RecordingErrorBox();
    ~RecordingErrorBox() override;
    void show(const std::string& message) override;
    std::vector<std::string> messages;
    std::function<void(const std::string&)> onClose;
    int deepest = 0;

private:
    int depth_ = 0;
};

class RecordingWaiter : public tk::Waiter {
public:
    RecordingWaiter();
    ~RecordingWaiter() override;
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    std::vector<int> waits;
};

// A fresh temporary folder that is the current directory for the life of the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file of the folder, exactly as given.
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Runs the event loop until the condition holds or the time is up; whether it holds.
bool waitUntil(const std::function<bool()>& condition, int milliseconds);
// Runs the event loop for the given time.
void idle(int milliseconds);

// A picture stored with the program's design, decoded here rather than by the windows.
QImage decodedDesignPicture(const char* name);

// Seeds the random source with a fixed number from now on (and Randomize keeps to it).
void fixSeed(std::uint64_t seed);

}  // namespace testing_support
