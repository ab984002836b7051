#include "media_player.h"
#include "application.h"
#include "media_backend.h"

namespace tk {
namespace {

MediaBackend* backendOverride = nullptr;

}  // namespace

void setMediaBackend(MediaBackend* backend) { backendOverride = backend; }
MediaBackend& mediaBackend() { return backendOverride ? *backendOverride : sdlMediaBackend(); }

MediaPlayer::MediaPlayer(QObject* owner) : QObject(owner) {}

// A player that goes away closes its sound without notices: nobody is left to hear them.
MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::Open() {
    Close();
    sound_ = mediaBackend().open(FileName);
    sound_->OnEnded = [this] { stopIfRanOut(); };
    mode_ = Mode::Stopped;
}

void MediaPlayer::Play() {
    if (!sound_) return;
    stopIfRanOut();
    if (sound_->position() >= sound_->length()) sound_->seek(0);
    endNotice(NotifyValue::Superseded);
    if (!sound_->play()) {
        mode_ = Mode::Stopped;
        post(NotifyValue::Failure);
        return;
    }
    mode_ = Mode::Playing;
    noticePending_ = true;
}

void MediaPlayer::Stop() {
    if (!sound_) return;
    stopIfRanOut();
    if (mode_ == Mode::Playing || mode_ == Mode::Paused) sound_->stop();
    mode_ = Mode::Stopped;
    endNotice(NotifyValue::Aborted);
}

void MediaPlayer::Pause() {
    if (!sound_) return;
    stopIfRanOut();
    if (mode_ == Mode::Playing) {
        sound_->pause();
        mode_ = Mode::Paused;
        endNotice(NotifyValue::Aborted);
    } else if (mode_ == Mode::Paused) {
        sound_->resume();
        mode_ = Mode::Playing;
        noticePending_ = true;
    }
}

void MediaPlayer::setPosition(int milliseconds) {
    if (!sound_) return;
    Stop();
    sound_->seek(milliseconds);
}

void MediaPlayer::Close() {
    if (!sound_) return;
    endNotice(NotifyValue::Aborted);
    sound_.reset();
    mode_ = Mode::NotOpen;
}

MediaPlayer::Mode MediaPlayer::mode() {
    if (sound_) stopIfRanOut();
    return mode_;
}

int MediaPlayer::Position() const { return sound_ ? sound_->position() : 0; }
int MediaPlayer::Length() const { return sound_ ? sound_->length() : 0; }

void MediaPlayer::stopIfRanOut() {
    if (mode_ != Mode::Playing || !sound_->reachedEnd()) return;
    mode_ = Mode::Stopped;
    endNotice(NotifyValue::Successful);
}

void MediaPlayer::endNotice(NotifyValue value) {
    if (!noticePending_) return;
    noticePending_ = false;
    post(value);
}

void MediaPlayer::post(NotifyValue value) {
    // Notices come as messages: the handler runs from the event loop, never inside a command.
    QMetaObject::invokeMethod(
        this, [this, value] { dispatch([&] { if (OnNotify) OnNotify(value); }); }, Qt::QueuedConnection);
}

}  // namespace tk
