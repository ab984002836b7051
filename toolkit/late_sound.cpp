#include "late_sound.h"

#include <algorithm>
#include <utility>

namespace tk {

void LateSound::arrive(std::unique_ptr<Sound> sound) {
    if (!sound) return;
    sound->OnEnded = [this] {
        if (OnEnded) OnEnded();
    };
    if (position_ > 0) sound->seek(position_);
    sound_ = std::move(sound);
    // A paused play starts on the device only when it is resumed, so that it stays where it stood.
    resumeStarts_ = playing_ && paused_;
    if (playing_ && !paused_) sound_->play();
}

bool LateSound::play() {
    resumeStarts_ = false;
    if (sound_) return sound_->play();
    playing_ = true;
    paused_ = false;
    return true;
}

void LateSound::stop() {
    resumeStarts_ = false;
    if (sound_) return sound_->stop();
    playing_ = paused_ = false;
}

void LateSound::pause() {
    if (sound_ && !resumeStarts_) return sound_->pause();
    paused_ = playing_;
}

void LateSound::resume() {
    if (sound_) {
        if (std::exchange(resumeStarts_, false)) sound_->play();
        else sound_->resume();
        return;
    }
    paused_ = false;
}

void LateSound::seek(int milliseconds) {
    resumeStarts_ = false;
    if (sound_) return sound_->seek(milliseconds);
    playing_ = paused_ = false;
    position_ = std::clamp(milliseconds, 0, length_);
}

int LateSound::position() const { return sound_ ? sound_->position() : position_; }
int LateSound::length() const { return sound_ ? sound_->length() : length_; }
bool LateSound::reachedEnd() const { return sound_ && sound_->reachedEnd(); }

}  // namespace tk
