// The media players' sound device: SDL_mixer on SDL's audio subsystem, opened on the one thread
// with the first sound. A long sound streams from its file through the music stream while that is
// free, every other one plays from memory on a mixer channel of its own. The device mixes on a
// thread of its own; from there only a wake-up message is posted to the one thread, which does
// everything else.
#include "error.h"
#include "media_backend.h"
#include "plain_file.h"
#include "wav_header.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QObject>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string_view>
#include <thread>

namespace tk {
namespace {

constexpr int kChannels = 16;
// The slots a sound can hold: the mixer's channels, and after them SDL_mixer's one music stream.
constexpr int kStreamSlot = kChannels;
constexpr int kSlots = kChannels + 1;

// A file this big plays from the file through the music stream. Below it the samples held in
// memory cost little, and the short effects start without touching the disk; above it (the
// background music runs to megabytes) holding them is most of what the program keeps resident.
constexpr std::int64_t kStreamFrom = 1 << 20;
std::int64_t streamFrom = kStreamFrom;

// Shared with the device's thread, indexed by slot.
std::array<std::atomic<std::uint64_t>, kSlots> startedPlay{};  // the play started last
std::array<std::atomic<std::uint64_t>, kSlots> endedPlay{};    // the latest play that ran to its end
std::array<std::atomic<int>, kChannels> mixedBytes{};         // bytes of a channel's play mixed so far

std::thread::id oneThread;
QObject* wakeTarget = nullptr;

void wake(int slot);

// SDL_mixer calls the two below when a slot stops: on the device's thread when the sound ran out,
// and inside Mix_HaltChannel or Mix_HaltMusic on the one thread when a play was cut, which needs
// no word.
void playEnded(int slot) {
    if (std::this_thread::get_id() == oneThread) return;
    endedPlay[slot] = startedPlay[slot].load();
    QMetaObject::invokeMethod(wakeTarget, [slot] { wake(slot); }, Qt::QueuedConnection);
}
void SDLCALL channelFinished(int channel) { playEnded(channel); }
void SDLCALL musicFinished() { playEnded(kStreamSlot); }

// Counts what the mixer takes of a channel's sound, which is where the sound stands.
void SDLCALL countMixed(int, void*, int length, void* counter) { *static_cast<std::atomic<int>*>(counter) += length; }

struct CloseFile {
    void operator()(SDL_RWops* file) const { SDL_RWclose(file); }
};
using File = std::unique_ptr<SDL_RWops, CloseFile>;

// How samples lie in bytes: a frame is one sample of every channel.
struct SampleFormat {
    int frameBytes;
    int rate;  // frames a second
};

class SdlSound;

// The sound output SDL_mixer mixes to, opened once, and which sound holds each of its slots.
class Mixer {
public:
    static Mixer& instance() {
        static Mixer mixer;
        return mixer;
    }

    // Why there is no output; empty when it is open.
    const std::string& failure() const { return failure_; }
    const SampleFormat& format() const { return format_; }
    std::uint64_t nextPlay() { return ++lastPlay_; }
    // Keeps the device's thread from mixing until unlocked.
    void lock() const { SDL_LockAudioDevice(audioDevice_); }
    void unlock() const { SDL_UnlockAudioDevice(audioDevice_); }

    // A channel no open sound holds, or -1.
    int freeChannel() const {
        const auto channels = sounds_.begin() + kChannels;
        const auto free = std::find(sounds_.begin(), channels, nullptr);
        return free == channels ? -1 : static_cast<int>(free - sounds_.begin());
    }
    bool streamFree() const { return !sounds_[kStreamSlot]; }
    void attach(int slot, SdlSound* sound) { sounds_[slot] = sound; }
    SdlSound* soundOn(int slot) const { return sounds_[slot]; }

private:
    Mixer() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (!openOutput()) {
            // A machine without a sound card still plays, silently, with ends on time.
            const std::string reason = SDL_GetError();
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
            if (!openOutput()) {
                failure_ = SDL_GetError();
                return;
            }
            std::cerr << "No sound device (" << reason << "): the sound plays silently on SDL's dummy driver.\n";
        }
        Mix_AllocateChannels(kChannels);
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&format_.rate, &format, &channels);
        format_.frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
        audioDevice_ = mixerDevice();
        oneThread = std::this_thread::get_id();
        wakeTarget = &wakeTarget_;
        Mix_ChannelFinished(channelFinished);
        Mix_HookMusicFinished(musicFinished);
    }

    ~Mixer() {
        // Nothing may be posted to the wake-up target once it is gone.
        if (!failure_.empty()) return;
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
    }

    static bool openOutput() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) == 0) return true;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }

    // SDL_mixer does not tell which audio device it opened; it is the one this program opens
    // (numbers start at 2, below them is the old single-device interface).
    static SDL_AudioDeviceID mixerDevice() {
        for (SDL_AudioDeviceID id = 2; id <= 16; ++id)
            if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
        return 0;
    }

    std::string failure_;
    SampleFormat format_{4, MIX_DEFAULT_FREQUENCY};
    SDL_AudioDeviceID audioDevice_ = 0;
    std::uint64_t lastPlay_ = 0;
    std::array<SdlSound*, kSlots> sounds_{};
    QObject wakeTarget_;
};

// One open sound in a slot of the mixer. Positions are kept in bytes of its samples, from the
// start of the file's sound.
class SdlSound : public Sound {
public:
    SdlSound(int slot, SampleFormat format, std::int64_t lengthBytes) : slot_(slot), format_(format), lengthBytes_(lengthBytes) {
        Mixer::instance().attach(slot_, this);
    }
    ~SdlSound() override { Mixer::instance().attach(slot_, nullptr); }

    bool play() override {
        halt();
        const std::uint64_t id = Mixer::instance().nextPlay();
        startedPlay[slot_] = id;
        play_ = id;
        active_ = start();
        return active_;
    }
    void stop() override { halt(); }
    void seek(int milliseconds) override {
        halt();
        const std::int64_t frames = std::int64_t(std::max(milliseconds, 0)) * format_.rate / 1000;
        offset_ = std::min(frames * format_.frameBytes, lengthBytes_);
    }
    int position() const override { return millisecondsAt(standing()); }
    int length() const override { return millisecondsAt(lengthBytes_); }
    bool reachedEnd() const override { return active_ && endedPlay[slot_] == play_; }

protected:
    // Every derived sound halts in its destructor, before the slot is given up.
    void halt() {
        if (!active_) return;
        silence();
        offset_ = standing();
        active_ = false;
    }

    std::int64_t offset() const { return offset_; }
    const SampleFormat& format() const { return format_; }
    bool active() const { return active_; }

private:
    // Starts the current play from offset(); false when the device refuses.
    virtual bool start() = 0;
    virtual void silence() = 0;
    // Bytes the current play has gone through.
    virtual std::int64_t played() const = 0;

    // Where the sound stands; a play that ran out stands at the end, even one cut short by a file
    // that shrank under it.
    std::int64_t standing() const {
        if (!active_) return offset_;
        if (reachedEnd()) return lengthBytes_;
        return std::min(offset_ + played(), lengthBytes_);
    }

    int millisecondsAt(std::int64_t bytes) const {
        return static_cast<int>(bytes / format_.frameBytes * 1000 / format_.rate);
    }

    int slot_;
    SampleFormat format_;
    std::int64_t lengthBytes_;
    std::int64_t offset_ = 0;  // where the current play began
    std::uint64_t play_ = 0;   // the current play's number
    bool active_ = false;      // a play was started and not halted since
};

// A sound loaded whole, converted to the mixer's format, and played on a mixer channel of its own.
class ChunkSound : public SdlSound {
public:
    ChunkSound(Mix_Chunk* chunk, int channel)
        : SdlSound(channel, Mixer::instance().format(), chunk->alen), chunk_(chunk), channel_(channel) {}

    ~ChunkSound() override {
        halt();
        Mix_FreeChunk(chunk_);
    }

    void pause() override {
        if (active()) Mix_Pause(channel_);
    }
    void resume() override {
        if (active()) Mix_Resume(channel_);
    }

private:
    bool start() override {
        mixedBytes[channel_] = 0;
        // The rest of the file from the current position, played from the loaded samples in place.
        rest_ = *chunk_;
        rest_.allocated = 0;
        rest_.abuf = chunk_->abuf + offset();
        rest_.alen = chunk_->alen - static_cast<Uint32>(offset());
        Mix_RegisterEffect(channel_, countMixed, nullptr, &mixedBytes[channel_]);
        if (Mix_PlayChannel(channel_, &rest_, 0) >= 0) return true;
        Mix_UnregisterAllEffects(channel_);
        return false;
    }
    void silence() override { Mix_HaltChannel(channel_); }
    std::int64_t played() const override { return mixedBytes[channel_]; }

    Mix_Chunk* chunk_;
    int channel_;
    Mix_Chunk rest_{};
};

// A long sound played from its file through SDL_mixer's one music stream, which reads the file as
// it plays. A file that shrinks or changes under it ends the play early, or plays what it holds.
class StreamedSound : public SdlSound {
public:
    // Nothing when the music stream cannot play the file; the file is then as given.
    static std::unique_ptr<Sound> open(File& file, const WavHeader& header) {
        // Only the header is read here; a file that fails it is left where it was.
        Mix_Music* music = Mix_LoadMUSType_RW(file.get(), MUS_WAV, 0);
        if (!music) return nullptr;
        // The music stream walks the chunks its own way, and its samples' layout is the last format
        // chunk's (the header's and the loader's is the first): one that finds a file of another
        // length than the header says does not play it.
        const double seconds = double(header.dataBytes) / header.frameBytes() / header.rate;
        if (std::abs(Mix_MusicDuration(music) - seconds) * header.rate > 1) {
            Mix_FreeMusic(music);
            SDL_RWseek(file.get(), 0, RW_SEEK_SET);
            return nullptr;
        }
        // The music stream's own seek lands on whole seconds only, so the sound places the file
        // itself, to the frame.
        const SampleFormat format{header.frameBytes(), header.rate};
        const auto length = std::int64_t(std::llround(Mix_MusicDuration(music) * format.rate)) * format.frameBytes;
        return std::unique_ptr<Sound>(new StreamedSound(std::move(file), music, format, length));
    }

    ~StreamedSound() override {
        halt();
        letGo();
        Mix_FreeMusic(music_);
    }

    void pause() override {
        if (active()) Mix_PauseMusic();
    }
    void resume() override {
        if (active()) Mix_ResumeMusic();
    }
    void seek(int milliseconds) override {
        SdlSound::seek(milliseconds);
        letGo();
    }

private:
    StreamedSound(File file, Mix_Music* music, SampleFormat format, std::int64_t lengthBytes)
        : SdlSound(kStreamSlot, format, lengthBytes), file_(std::move(file)), music_(music) {}

    bool start() override {
        if (held_) {
            held_ = false;
            Mix_ResumeMusic();
            return true;
        }
        // Started at the beginning of the sound and moved on to the position before the device
        // mixes anything, with the device held.
        const Mixer& mixer = Mixer::instance();
        mixer.lock();
        const bool started = Mix_FadeInMusicPos(music_, 0, 0, 0.0) == 0;
        if (started) SDL_RWseek(file_.get(), offset(), RW_SEEK_CUR);
        mixer.unlock();
        return started;
    }
    // The music stream reads the file ahead of what the device has mixed, and a halt drops what
    // it read: a stop only pauses it, so that the next play goes on exactly where it stood.
    void silence() override {
        Mix_PauseMusic();
        held_ = Mix_PlayingMusic() != 0;  // paused, it can no longer run out
    }
    void letGo() {
        if (held_) Mix_HaltMusic();
        held_ = false;
    }
    std::int64_t played() const override {
        const auto frames = std::llround(Mix_GetMusicPosition(music_) * format().rate);
        return std::max<std::int64_t>(frames * format().frameBytes - offset(), 0);
    }

    File file_;
    Mix_Music* music_;
    bool held_ = false;  // stopped by a pause, the rest of the play still in the stream
};

void wake(int slot) {
    SdlSound* sound = Mixer::instance().soundOn(slot);
    if (sound && sound->OnEnded) sound->OnEnded();
}

std::string describe(const WavHeader& header) {
    return std::to_string(header.rate) + " Hz, " + std::to_string(header.channels) + " channels, " +
           std::to_string(header.sampleBits) + " bits, format " + std::to_string(header.encoding);
}

class SdlBackend : public MediaBackend {
public:
    std::unique_ptr<Sound> open(const std::string& fileName) override {
        static constexpr std::string_view what = "Cannot open the sound";
        const auto fail = [&](const std::string& reason) -> std::unique_ptr<Sound> {
            throw fileError(what, fileName, reason);
        };
        std::FILE* stream = openToRead(fileName, what);
        File file(SDL_RWFromFP(stream, SDL_TRUE));
        if (!file) {
            std::fclose(stream);
            return fail(SDL_GetError());
        }
        // The file is judged by its header before SDL_mixer converts any of it.
        const std::optional<WavHeader> header = readWavHeader(stream);
        if (!header) return fail("not a WAV sound");
        if (!header->playable()) return fail("its samples (" + describe(*header) + ") are not what a sound card plays");
        SDL_RWseek(file.get(), 0, RW_SEEK_SET);

        Mixer& mixer = Mixer::instance();
        if (!mixer.failure().empty()) return fail("no sound device (" + mixer.failure() + ")");
        if (SDL_RWsize(file.get()) >= streamFrom && mixer.streamFree()) {
            if (auto sound = StreamedSound::open(file, *header)) return sound;
        }
        // Short, the stream taken, or refused by it: loaded whole on a channel.
        const int channel = mixer.freeChannel();
        if (channel < 0) return fail("too many sounds open");
        Mix_Chunk* chunk = Mix_LoadWAV_RW(file.release(), 1);
        if (!chunk) return fail(Mix_GetError());
        return std::make_unique<ChunkSound>(chunk, channel);
    }
};

}  // namespace

MediaBackend& sdlMediaBackend() {
    static SdlBackend backend;
    return backend;
}

void setStreamingThreshold(std::int64_t bytes) { streamFrom = bytes > 0 ? bytes : kStreamFrom; }

}  // namespace tk
