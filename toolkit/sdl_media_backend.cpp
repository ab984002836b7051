// The media players' sound device: SDL_mixer on SDL's audio subsystem, one mixer channel per
// open sound. The device mixes on a thread of its own; from there only a wake-up message is posted
// to the one thread, which does everything else.
#include "error.h"
#include "media_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <span>
#include <thread>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A file mapped read-only into memory: its pages are read from the page cache as they are used.
class MappedFile {
public:
    // Null when the file cannot be mapped (missing, empty, unreadable).
    static std::unique_ptr<MappedFile> open(const std::string& fileName) {
        const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return nullptr;
        struct stat status {};
        void* address = MAP_FAILED;
        if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
            address = mmap(nullptr, static_cast<size_t>(status.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        ::close(fd);
        if (address == MAP_FAILED) return nullptr;
        return std::unique_ptr<MappedFile>(new MappedFile(static_cast<const Uint8*>(address), static_cast<size_t>(status.st_size)));
    }
    ~MappedFile() { munmap(const_cast<Uint8*>(bytes_.data()), bytes_.size()); }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const Uint8> bytes() const { return bytes_; }

private:
    MappedFile(const Uint8* data, size_t size) : bytes_(data, size) {}
    std::span<const Uint8> bytes_;
};

class Device {
public:
    static Device& instance() {
        static Device device;
        return device;
    }

    const std::string& failure() const { return failure_; }
    int frameBytes() const { return frameBytes_; }
    int frequency() const { return frequency_; }
    // True when samples of this kind play as they are, with no conversion.
    bool playsAsIs(int frequency, int bitsPerSample, int channels) const {
        return frequency == frequency_ && format_ == AUDIO_S16LSB && bitsPerSample == 16 && channels == channels_;
    }
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
        Mix_QuerySpec(&frequency_, &format_, &channels_);
        frameBytes_ = SDL_AUDIO_BITSIZE(format_) / 8 * channels_;
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
    Uint16 format_ = 0;
    int channels_ = 0;
    std::uint64_t lastPlay_ = 0;
    std::array<SdlSound*, kChannels> sounds_{};
    QObject wakeTarget_;
};

class SdlSound : public Sound {
public:
    // The chunk's samples are its own, or lie in `file` (which then outlives the chunk).
    SdlSound(Mix_Chunk* chunk, int channel, std::unique_ptr<MappedFile> file = nullptr)
        : file_(std::move(file)), chunk_(chunk), channel_(channel) {
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

    std::unique_ptr<MappedFile> file_;
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

std::uint32_t littleEndian32(const Uint8* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t(bytes[3]) << 24;
}
std::uint16_t littleEndian16(const Uint8* bytes) { return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8); }

// The samples of a plain PCM WAV file that the device plays as they are, or nothing when the file
// is anything else or anything out of the ordinary (SDL_mixer's loader then reads it, converts it
// or names what is wrong). Such a sound is played from the mapped file instead of a copy of it.
std::span<const Uint8> samplesPlayedAsIs(const MappedFile& file) {
    const std::span<const Uint8> bytes = file.bytes();
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return {};
    bool playsAsIs = false;
    std::size_t blockAlign = 0;
    for (std::size_t at = 12; bytes.size() - at >= 8;) {
        const Uint8* chunk = bytes.data() + at;
        const std::size_t size = littleEndian32(chunk + 4);
        if (size > bytes.size() - at - 8) return {};
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16) return {};
            const int format = littleEndian16(chunk + 8), channels = littleEndian16(chunk + 10);
            const int frequency = static_cast<int>(littleEndian32(chunk + 12)), bits = littleEndian16(chunk + 22);
            blockAlign = littleEndian16(chunk + 20);
            playsAsIs = format == 1 && blockAlign == static_cast<std::size_t>(channels) * 2 &&
                        Device::instance().playsAsIs(frequency, bits, channels);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!playsAsIs) return {};
            return bytes.subspan(at + 8, size - size % blockAlign);
        }
        at += 8 + size + size % 2;
    }
    return {};
}

class SdlBackend : public MediaBackend {
public:
    std::unique_ptr<Sound> open(const std::string& fileName) override {
        Device& device = Device::instance();
        const auto fail = [&](const std::string& reason) -> std::unique_ptr<Sound> {
            throw Error("Cannot open the sound \"" + fileName + "\": " + reason);
        };
        if (!device.failure().empty()) return fail("no sound device (" + device.failure() + ")");
        const int channel = device.freeChannel();
        if (channel < 0) return fail("too many sounds open");
        if (auto mapped = MappedFile::open(fileName)) {
            const auto samples = samplesPlayedAsIs(*mapped);
            if (!samples.empty()) {
                Mix_Chunk* chunk = Mix_QuickLoad_RAW(const_cast<Uint8*>(samples.data()), static_cast<Uint32>(samples.size()));
                if (chunk) return std::make_unique<SdlSound>(chunk, channel, std::move(mapped));
            }
        }
        SDL_RWops* file = SDL_RWFromFile(fileName.c_str(), "rb");
        if (!file) return fail(std::strerror(errno));
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
