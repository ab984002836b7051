// The media players' sound device: SDL_mixer on SDL's audio subsystem, one mixer channel per
// open sound. The device mixes on a thread of its own; from there only a wake-up message is posted
// to the one thread, which does everything else.
#include "error.h"
#include "media_backend.h"
#include "open_to_read.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <thread>

namespace tk {
namespace {

constexpr int kChannels = 16;

// Shared with the device's thread, indexed by channel.
std::array<std::atomic<std::uint64_t>, kChannels> startedPlay{};  // the play started last
std::array<std::atomic<std::uint64_t>, kChannels> endedPlay{};    // the latest play that ran to its end
std::array<std::atomic<int>, kChannels> mixedBytes{};            // bytes of the current play mixed so far

std::thread::id oneThread;
QObject* wakeTarget = nullptr;

void wake(int channel);

// SDL_mixer calls this when a channel stops: on the device's thread when the sound ran out, and
// inside Mix_HaltChannel on the one thread when a play was cut, which needs no word.
void SDLCALL channelFinished(int channel) {
    if (std::this_thread::get_id() == oneThread) return;
    endedPlay[channel] = startedPlay[channel].load();
    QMetaObject::invokeMethod(wakeTarget, [channel] { wake(channel); }, Qt::QueuedConnection);
}

// Counts what the mixer takes of a channel's sound, which is where the sound stands.
void SDLCALL countMixed(int, void*, int length, void* counter) { *static_cast<std::atomic<int>*>(counter) += length; }

class SdlSound;

class Device {
public:
    static Device& instance() {
        static Device device;
        return device;
    }

    const std::string& failure() const { return failure_; }
    int frameBytes() const { return frameBytes_; }
    int frequency() const { return frequency_; }
    std::uint64_t nextPlay() { return ++lastPlay_; }

    // A channel no open sound holds, or -1.
    int freeChannel() const {
        const auto free = std::find(sounds_.begin(), sounds_.end(), nullptr);
        return free == sounds_.end() ? -1 : static_cast<int>(free - sounds_.begin());
    }
    void attach(int channel, SdlSound* sound) { sounds_[channel] = sound; }
    SdlSound* soundOn(int channel) const { return sounds_[channel]; }

private:
    Device() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (!openAudio()) {
            // A machine without a sound card still plays, silently, with ends on time.
            const std::string reason = SDL_GetError();
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (!openAudio()) {
                failure_ = SDL_GetError();
                return;
            }
            std::cerr << "No sound device (" << reason << "): the sound plays silently on SDL's dummy driver.\n";
        }
        Mix_AllocateChannels(kChannels);
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&frequency_, &format, &channels);
        frameBytes_ = SDL_AUDIO_BITSIZE(format) / 8 * channels;
        oneThread = std::this_thread::get_id();
        wakeTarget = &wakeTarget_;
        Mix_ChannelFinished(channelFinished);
    }

    ~Device() {
        // Nothing may be posted to the wake-up target once it is gone.
        if (failure_.empty()) Mix_ChannelFinished(nullptr);
    }

    static bool openAudio() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) == 0) return true;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }

    std::string failure_;
    int frameBytes_ = 4;
    int frequency_ = MIX_DEFAULT_FREQUENCY;
    std::uint64_t lastPlay_ = 0;
    std::array<SdlSound*, kChannels> sounds_{};
    QObject wakeTarget_;
};

class SdlSound : public Sound {
public:
    SdlSound(Mix_Chunk* chunk, int channel) : chunk_(chunk), channel_(channel) {
        Device::instance().attach(channel_, this);
    }

    ~SdlSound() override {
        halt();
        Mix_FreeChunk(chunk_);
        Device::instance().attach(channel_, nullptr);
    }

    bool play() override {
        halt();
        const std::uint64_t id = Device::instance().nextPlay();
        startedPlay[channel_] = id;
        mixedBytes[channel_] = 0;
        play_ = id;
        // The rest of the file from the current position, played from the loaded samples in place.
        rest_ = *chunk_;
        rest_.allocated = 0;
        rest_.abuf = chunk_->abuf + offset_;
        rest_.alen = chunk_->alen - offset_;
        Mix_RegisterEffect(channel_, countMixed, nullptr, &mixedBytes[channel_]);
        if (Mix_PlayChannel(channel_, &rest_, 0) < 0) {
            Mix_UnregisterAllEffects(channel_);
            return false;
        }
        active_ = true;
        return true;
    }

    void stop() override { halt(); }
    void pause() override {
        if (active_) Mix_Pause(channel_);
    }
    void resume() override {
        if (active_) Mix_Resume(channel_);
    }
    void seek(int milliseconds) override {
        halt();
        const std::int64_t frames = std::int64_t(std::max(milliseconds, 0)) * Device::instance().frequency() / 1000;
        offset_ = static_cast<Uint32>(std::min<std::int64_t>(frames * Device::instance().frameBytes(), chunk_->alen));
    }
    int position() const override { return millisecondsAt(offset_ + (active_ ? mixedBytes[channel_].load() : 0)); }
    int length() const override { return millisecondsAt(chunk_->alen); }
    bool reachedEnd() const override { return active_ && endedPlay[channel_] == play_; }

private:
    void halt() {
        if (!active_) return;
        Mix_HaltChannel(channel_);
        offset_ = std::min<Uint32>(offset_ + mixedBytes[channel_], chunk_->alen);
        active_ = false;
    }

    static int millisecondsAt(std::int64_t bytes) {
        const Device& device = Device::instance();
        return static_cast<int>(bytes / device.frameBytes() * 1000 / device.frequency());
    }

    Mix_Chunk* chunk_;
    int channel_;
    Mix_Chunk rest_{};
    Uint32 offset_ = 0;      // where the current play began, in bytes
    std::uint64_t play_ = 0; // the current play's number
    bool active_ = false;    // a play was started and not halted since
};

void wake(int channel) {
    SdlSound* sound = Device::instance().soundOn(channel);
    if (sound && sound->OnEnded) sound->OnEnded();
}

class SdlBackend : public MediaBackend {
public:
    std::unique_ptr<Sound> open(const std::string& fileName) override {
        Device& device = Device::instance();
        static constexpr std::string_view what = "Cannot open the sound";
        const auto fail = [&](const std::string& reason) -> std::unique_ptr<Sound> {
            throw fileError(what, fileName, reason);
        };
        if (!device.failure().empty()) return fail("no sound device (" + device.failure() + ")");
        const int channel = device.freeChannel();
        if (channel < 0) return fail("too many sounds open");
        std::FILE* stream = openToRead(fileName, what);
        SDL_RWops* file = SDL_RWFromFP(stream, SDL_TRUE);
        if (!file) {
            std::fclose(stream);
            return fail(SDL_GetError());
        }
        Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
        if (!chunk) return fail(Mix_GetError());
        return std::make_unique<SdlSound>(chunk, channel);
    }
};

}  // namespace

MediaBackend& sdlMediaBackend() {
    static SdlBackend backend;
    return backend;
}

}  // namespace tk
