#pragma once
// The sound device behind the media players: a seam with the SDL_mixer implementation and a test
// one that records what it is told.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tk {

// One sound file opened on the sound device, on a channel of its own. Positions are milliseconds
// from the start of the file. Destroying it closes it, which silences it.
class Sound {
public:
    virtual ~Sound() = default;

    // Plays from the current position to the end without waiting; false when the device refuses.
    virtual bool play() = 0;
    // Silences the sound; the position stays where the sound stood.
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Moves the position of a sound that is not playing.
    virtual void seek(int milliseconds) = 0;
    virtual int position() const = 0;
    virtual int length() const = 0;
    // True once the latest play has run to the end of the file, whether or not the one thread has
    // heard of it yet (the device plays on its own thread).
    virtual bool reachedEnd() const = 0;

    // Runs on the one thread, from the event loop, some time after a play ran to its end.
    std::function<void()> OnEnded;
};

class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    // Throws tk::Error naming the file and the device's reason when it cannot be opened.
    virtual std::unique_ptr<Sound> open(const std::string& fileName) = 0;
};

// The SDL_mixer device, opened on the one thread with the first sound. Without a sound card it
// plays silently on SDL's dummy driver and says so once on standard error.
MediaBackend& sdlMediaBackend();

// Test seam: the backend the players open their files with; nullptr restores SDL_mixer.
void setMediaBackend(MediaBackend* backend);
MediaBackend& mediaBackend();
// Test seam: files of at least this many bytes stream from the file; 0 restores the usual size.
void setStreamingThreshold(std::int64_t bytes);

}  // namespace tk
