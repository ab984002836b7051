#include "fake_media_backend.h"
#include "toolkit/error.h"

#include <algorithm>

namespace testing_support {

class FakeSound;

// Shared with the sounds, which may outlive the backend in a window that lives on.
struct FakeMediaBackend::State {
    std::vector<std::string> log;
    std::vector<FakeSound*> open;
};

class FakeSound : public tk::Sound {
public:
    FakeSound(std::shared_ptr<FakeMediaBackend::State> state, std::string name)
        : state_(std::move(state)), name_(std::move(name)) {
        state_->open.push_back(this);
    }
    ~FakeSound() override {
        record("close");
        std::erase(state_->open, this);
    }

    bool play() override {
        record("play");
        playing_ = true;
        ended_ = false;
        return true;
    }
    void stop() override {
        record("stop");
        playing_ = false;
    }
    void pause() override { record("pause"); }
    void resume() override { record("resume"); }
    void seek(int milliseconds) override {
        record("seek", " " + std::to_string(milliseconds));
        playing_ = false;
        position_ = milliseconds;
    }
    int position() const override { return position_; }
    int length() const override { return FakeMediaBackend::kLength; }
    bool reachedEnd() const override { return playing_ && ended_; }

    const std::string& name() const { return name_; }
    void runOut(bool wake) {
        if (!playing_) return;
        ended_ = true;
        position_ = FakeMediaBackend::kLength;
        if (wake && OnEnded) OnEnded();
    }

private:
    void record(const std::string& command, const std::string& detail = "") {
        state_->log.push_back(command + " " + name_ + detail);
    }

    std::shared_ptr<FakeMediaBackend::State> state_;
    std::string name_;
    int position_ = 0;
    bool playing_ = false;
    bool ended_ = false;
};

FakeMediaBackend::FakeMediaBackend() : state_(std::make_shared<State>()) { tk::setMediaBackend(this); }
FakeMediaBackend::~FakeMediaBackend() { tk::setMediaBackend(nullptr); }

std::unique_ptr<tk::Sound> FakeMediaBackend::open(const std::string& fileName) {
    if (missing.contains(fileName)) throw tk::Error("Cannot open the sound \"" + fileName + "\": no such file");
    state_->log.push_back("open " + fileName);
    return std::make_unique<FakeSound>(state_, fileName);
}

void FakeMediaBackend::finish(const std::string& fileName, bool wake) {
    for (FakeSound* sound : state_->open)
        if (sound->name() == fileName) sound->runOut(wake);
}

const std::vector<std::string>& FakeMediaBackend::log() const { return state_->log; }
void FakeMediaBackend::clearLog() { state_->log.clear(); }

}  // namespace testing_support
