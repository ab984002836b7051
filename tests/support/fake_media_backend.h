#pragma once
// A sound device for tests: it plays nothing and records every command it gets, one line each
// ("open vin.wav", "play vin.wav", "seek forhim2.wav 0"); a test makes a play run out with finish().
#include "toolkit/media_backend.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

class FakeMediaBackend : public tk::MediaBackend {
public:
    static constexpr int kLength = 1000;  // every sound is one second long

    FakeMediaBackend();  // the players open their files here from now on
    ~FakeMediaBackend() override;

    std::unique_ptr<tk::Sound> open(const std::string& fileName) override;

    // The device plays the named open sound to its end; with `wake` the one thread is told at
    // once, as the device's message would tell it from the event loop.
    void finish(const std::string& fileName, bool wake = true);

    const std::vector<std::string>& log() const;
    void clearLog();

    // Files that fail to open, as missing ones do.
    std::set<std::string> missing;

    struct State;

private:
    std::shared_ptr<State> state_;
};

}  // namespace testing_support
