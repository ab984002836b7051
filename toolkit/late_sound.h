#pragma once
// A sound opened before the device that plays it is ready. It keeps what the commands made of it
// (where it stands, whether it plays or is paused) and hands that to the device's own sound when
// it comes, which from then on does everything. Until then nothing is heard and it stands still.
#include "media_backend.h"

namespace tk {

class LateSound : public Sound {
public:
    explicit LateSound(int lengthMilliseconds) : length_(lengthMilliseconds) {}

    // The device's sound takes over where this one stands. Null when the device could not open
    // the file: the sound then stays silent.
    void arrive(std::unique_ptr<Sound> sound);

    bool play() override;
    void stop() override;
    void pause() override;
    void resume() override;
    void seek(int milliseconds) override;
    int position() const override;
    int length() const override;
    bool reachedEnd() const override;

private:
    std::unique_ptr<Sound> sound_;
    int length_;
    int position_ = 0;
    bool playing_ = false;
    bool paused_ = false;
    bool resumeStarts_ = false;  // arrived paused: the device's sound has not started yet
};

}  // namespace tk
