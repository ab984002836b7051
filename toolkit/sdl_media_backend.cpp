// The media players' sound device: SDL_mixer on SDL's audio subsystem, a long sound streamed from
// its file through the music stream while that is free, every other one on a mixer channel of its
// own. The device mixes on a thread of its own; from there only a wake-up message is posted
// to the one thread, which does everything else.
#include "application.h"
#include "error.h"
#include "late_sound.h"
#include "media_backend.h"
#include "open_to_read.h"
#include "wav_header.h"

#include "sdl_library.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace tk {
namespace {

constexpr int kChannels = 16;
// The slots a sound can hold: the mixer's channels, and after them SDL_mixer's one music stream.
constexpr int kStreamSlot = kChannels;
constexpr int kSlots = kChannels + 1;

// A file this big plays from the file through the music stream. Below it the samples held in
// memory cost little, and the short effects start without touching the disk; above it (the
// background music runs to megabytes) holding them is most of what the program keeps resident.
constexpr Sint64 kStreamFrom = 1 << 20;

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
    void operator()(SDL_RWops* file) const { sdl().SDL_RWclose(file); }
};
using File = std::unique_ptr<SDL_RWops, CloseFile>;

// How samples lie in bytes: a frame is one sample of every channel.
struct Layout {
    int frameBytes;
    int rate;  // frames a second
};

// The sound output as opened: what the device plays on, or why there is none.
struct Output {
    std::string failure;
    Layout layout{4, MIX_DEFAULT_FREQUENCY};
    SDL_AudioDeviceID device = 0;
};

bool openAudio() {
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (sdl().Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) == 0) return true;
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

// SDL_mixer does not tell which audio device it opened; it is the one this program opens
// (numbers start at 2, below them is the old single-device interface).
SDL_AudioDeviceID mixerDevice() {
    for (SDL_AudioDeviceID id = 2; id <= 16; ++id)
        if (sdl().SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
    return 0;
}

// Loads the libraries and opens the output. It may run on a thread of its own while the program
// starts, so it touches neither Qt nor the environment.
Output openOutput() {
    Output output;
    if (!sdl().failure.empty()) {
        output.failure = sdl().failure;
        return output;
    }
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!openAudio()) {
        // A machine without a sound card still plays, silently, with ends on time.
        const std::string reason = sdl().SDL_GetError();
        sdl().SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!openAudio()) {
            output.failure = sdl().SDL_GetError();
            return output;
        }
        std::cerr << "No sound device (" << reason << "): the sound plays silently on SDL's dummy driver.\n";
    }
    sdl().Mix_AllocateChannels(kChannels);
    Uint16 format = 0;
    int channels = 0;
    sdl().Mix_QuerySpec(&output.layout.rate, &format, &channels);
    output.layout.frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    output.device = mixerDevice();
    return output;
}

std::once_flag outputOpening;
std::shared_future<Output> output;

void settleWaitingSounds();

// Where the output's thread tells the one thread that the output is ready. It goes with the
// application, and a word for it then goes nowhere.
class ReadyNotice : public QObject {
public:
    explicit ReadyNotice(QObject* owner) : QObject(owner) {
        const std::lock_guard lock(mutex_);
        target_ = this;
    }
    ~ReadyNotice() override {
        const std::lock_guard lock(mutex_);
        target_ = nullptr;
    }
    // From any thread: the one thread hands the waiting sounds over.
    static void post() {
        const std::lock_guard lock(mutex_);
        if (target_) QMetaObject::invokeMethod(target_, settleWaitingSounds, Qt::QueuedConnection);
    }

private:
    static inline std::mutex mutex_;
    static inline ReadyNotice* target_ = nullptr;
};

// Starts opening the output, unless that was started already: at once, or on a thread of its own
// that then has the one thread hand over the sounds waiting for it.
void startOpeningOutput(std::launch how) {
    std::call_once(outputOpening, [how] {
        output = std::async(how, [how] {
                     Output opened = openOutput();
                     if (how == std::launch::async) ReadyNotice::post();
                     return opened;
                 }).share();
    });
}

const Output& soundOutput() {
    startOpeningOutput(std::launch::deferred);
    return output.get();
}

class SdlSound;

class Device {
public:
    static Device& instance() {
        static Device device;
        return device;
    }

    const std::string& failure() const { return output_.failure; }
    const Layout& layout() const { return output_.layout; }
    std::uint64_t nextPlay() { return ++lastPlay_; }
    // Keeps the device's thread from mixing until unlocked.
    void lock() const { sdl().SDL_LockAudioDevice(output_.device); }
    void unlock() const { sdl().SDL_UnlockAudioDevice(output_.device); }

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
    Device() {
        if (!failure().empty()) return;
        oneThread = std::this_thread::get_id();
        wakeTarget = &wakeTarget_;
        sdl().Mix_ChannelFinished(channelFinished);
        sdl().Mix_HookMusicFinished(musicFinished);
    }

    ~Device() {
        // Nothing may be posted to the wake-up target once it is gone.
        if (!failure().empty()) return;
        sdl().Mix_ChannelFinished(nullptr);
        sdl().Mix_HookMusicFinished(nullptr);
    }

    const Output& output_ = soundOutput();
    std::uint64_t lastPlay_ = 0;
    std::array<SdlSound*, kSlots> sounds_{};
    QObject wakeTarget_;
};

// One open sound in a slot of the device. Positions are kept in bytes of its samples, from the
// start of the file's sound.
class SdlSound : public Sound {
public:
    SdlSound(int slot, Layout layout, std::int64_t lengthBytes) : slot_(slot), layout_(layout), lengthBytes_(lengthBytes) {
        Device::instance().attach(slot_, this);
    }
    ~SdlSound() override { Device::instance().attach(slot_, nullptr); }

    bool play() override {
        halt();
        const std::uint64_t id = Device::instance().nextPlay();
        startedPlay[slot_] = id;
        play_ = id;
        active_ = start();
        return active_;
    }
    void stop() override { halt(); }
    void seek(int milliseconds) override {
        halt();
        const std::int64_t frames = std::int64_t(std::max(milliseconds, 0)) * layout_.rate / 1000;
        offset_ = std::min(frames * layout_.frameBytes, lengthBytes_);
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
    const Layout& layout() const { return layout_; }
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
        return static_cast<int>(bytes / layout_.frameBytes * 1000 / layout_.rate);
    }

    int slot_;
    Layout layout_;
    std::int64_t lengthBytes_;
    std::int64_t offset_ = 0;  // where the current play began
    std::uint64_t play_ = 0;   // the current play's number
    bool active_ = false;      // a play was started and not halted since
};

// A sound loaded whole and played on a mixer channel of its own.
class ChunkSound : public SdlSound {
public:
    ChunkSound(Mix_Chunk* chunk, int channel)
        : SdlSound(channel, Device::instance().layout(), chunk->alen),
          chunk_(chunk),
          channel_(channel) {}

    ~ChunkSound() override {
        halt();
        sdl().Mix_FreeChunk(chunk_);
    }

    void pause() override {
        if (active()) sdl().Mix_Pause(channel_);
    }
    void resume() override {
        if (active()) sdl().Mix_Resume(channel_);
    }

private:
    bool start() override {
        mixedBytes[channel_] = 0;
        // The rest of the file from the current position, played from the loaded samples in place.
        rest_ = *chunk_;
        rest_.allocated = 0;
        rest_.abuf = chunk_->abuf + offset();
        rest_.alen = chunk_->alen - static_cast<Uint32>(offset());
        sdl().Mix_RegisterEffect(channel_, countMixed, nullptr, &mixedBytes[channel_]);
        if (sdl().Mix_PlayChannel(channel_, &rest_, 0) >= 0) return true;
        sdl().Mix_UnregisterAllEffects(channel_);
        return false;
    }
    void silence() override { sdl().Mix_HaltChannel(channel_); }
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
        Mix_Music* music = sdl().Mix_LoadMUSType_RW(file.get(), MUS_WAV, 0);
        if (!music) return nullptr;
        // The music stream's own seek lands on whole seconds only, so the sound places the file
        // itself, to the frame.
        const Layout layout{header.frameBytes(), header.rate};
        const auto length = std::int64_t(std::llround(sdl().Mix_MusicDuration(music) * layout.rate)) * layout.frameBytes;
        return std::unique_ptr<Sound>(new StreamedSound(std::move(file), music, layout, length));
    }

    ~StreamedSound() override {
        halt();
        letGo();
        sdl().Mix_FreeMusic(music_);
    }

    void pause() override {
        if (active()) sdl().Mix_PauseMusic();
    }
    void resume() override {
        if (active()) sdl().Mix_ResumeMusic();
    }
    void seek(int milliseconds) override {
        SdlSound::seek(milliseconds);
        letGo();
    }

private:
    StreamedSound(File file, Mix_Music* music, Layout layout, std::int64_t lengthBytes)
        : SdlSound(kStreamSlot, layout, lengthBytes), file_(std::move(file)), music_(music) {}

    bool start() override {
        if (held_) {
            held_ = false;
            sdl().Mix_ResumeMusic();
            return true;
        }
        // Started at the beginning of the sound and moved on to the position before the device
        // mixes anything, with the device held.
        const Device& device = Device::instance();
        device.lock();
        const bool started = sdl().Mix_FadeInMusicPos(music_, 0, 0, 0.0) == 0;
        if (started) sdl().SDL_RWseek(file_.get(), offset(), RW_SEEK_CUR);
        device.unlock();
        return started;
    }
    // The music stream reads the file ahead of what the device has mixed, and a halt drops what
    // it read: a stop only pauses it, so that the next play goes on exactly where it stood.
    void silence() override {
        sdl().Mix_PauseMusic();
        held_ = sdl().Mix_PlayingMusic() != 0;  // paused, it can no longer run out
    }
    void letGo() {
        if (held_) sdl().Mix_HaltMusic();
        held_ = false;
    }
    std::int64_t played() const override {
        const auto frames = std::llround(sdl().Mix_GetMusicPosition(music_) * layout().rate);
        return std::max<std::int64_t>(frames * layout().frameBytes - offset(), 0);
    }

    File file_;
    Mix_Music* music_;
    bool held_ = false;  // stopped by a pause, the rest of the play still in the stream
};

void wake(int slot) {
    SdlSound* sound = Device::instance().soundOn(slot);
    if (sound && sound->OnEnded) sound->OnEnded();
}

constexpr std::string_view kCannotOpen = "Cannot open the sound";

[[noreturn]] void failToOpen(const std::string& fileName, const std::string& reason) {
    throw fileError(kCannotOpen, fileName, reason);
}

// The header of a file long enough to be streamed, read from its start, which the file is left at.
std::optional<WavHeader> longWavHeader(std::FILE* stream) {
    struct stat info {};
    if (fstat(fileno(stream), &info) != 0 || info.st_size < kStreamFrom) return std::nullopt;
    std::optional<WavHeader> header = readWavHeader(stream);
    std::rewind(stream);
    return header;
}

// Opens a sound on the device, which is ready by now; `stream` is the file opened already, if it is.
std::unique_ptr<Sound> openOnDevice(const std::string& fileName, std::FILE* stream = nullptr) {
    Device& device = Device::instance();
    if (!device.failure().empty()) {
        if (stream) std::fclose(stream);
        failToOpen(fileName, "no sound device (" + device.failure() + ")");
    }
    if (!stream) stream = openToRead(fileName, kCannotOpen);
    const std::optional<WavHeader> header = device.streamFree() ? longWavHeader(stream) : std::nullopt;
    File file(sdl().SDL_RWFromFP(stream, SDL_TRUE));
    if (!file) {
        std::fclose(stream);
        failToOpen(fileName, sdl().SDL_GetError());
    }
    if (header) {
        if (auto sound = StreamedSound::open(file, *header)) return sound;
    }
    // Short, the stream taken, a sound only the loader knows, or no sound at all, which the loader
    // refuses: loaded whole on a channel.
    const int channel = device.freeChannel();
    if (channel < 0) failToOpen(fileName, "too many sounds open");
    Mix_Chunk* chunk = sdl().Mix_LoadWAV_RW(file.release(), 1);
    if (!chunk) failToOpen(fileName, sdl().SDL_GetError());
    return std::make_unique<ChunkSound>(chunk, channel);
}

// Set once the output is to open after the first window shows: until it is ready, a long ordinary
// WAV file waits for it rather than the program.
bool soundsMayWait = false;

class WaitingSound;
std::vector<WaitingSound*> waitingSounds;  // in the order they were opened

// A long ordinary WAV file opened before the output is ready: checked and held open at once, and
// played on the device once the output is ready.
class WaitingSound : public LateSound {
public:
    WaitingSound(std::FILE* stream, std::string fileName, int length)
        : LateSound(length), stream_(stream), fileName_(std::move(fileName)) {
        waitingSounds.push_back(this);
    }
    ~WaitingSound() override {
        std::erase(waitingSounds, this);
        if (stream_) std::fclose(stream_);
    }

    // Opens the file on the device and goes on there; the reason when the device refuses it.
    std::optional<std::string> settle() {
        try {
            arrive(openOnDevice(fileName_, std::exchange(stream_, nullptr)));
            return std::nullopt;
        } catch (const Error& error) {
            return error.what();
        }
    }

private:
    std::FILE* stream_;
    std::string fileName_;
};

// Hands the waiting sounds to the device, in the order they were opened, which waits for the
// output if it is not ready yet. A file the device refuses is reported; that sound stays silent.
void settleWaitingSounds() {
    std::vector<std::string> failures;
    while (!waitingSounds.empty()) {
        WaitingSound* sound = waitingSounds.front();
        waitingSounds.erase(waitingSounds.begin());
        if (auto failure = sound->settle()) failures.push_back(*failure);
    }
    // Only now: an error box runs the event loop, where a waiting sound may be closed.
    for (const std::string& failure : failures) showError(failure);
}

bool outputReady() {
    return output.valid() && output.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// Whether the music stream plays the file without fail: plain 8- or 16-bit samples, mono or
// stereo, at a usual rate. It refuses some rarer layouts only once it is loaded.
bool ordinary(const WavHeader& header) {
    return header.encoding == WavHeader::kPlainPcm && (header.sampleBits == 8 || header.sampleBits == 16) &&
           header.channels <= 2 && header.rate >= 8000 && header.rate <= 192000;
}

class SdlBackend : public MediaBackend {
public:
    std::unique_ptr<Sound> open(const std::string& fileName) override {
        std::FILE* stream = nullptr;
        if (soundsMayWait && !outputReady()) {
            // The file is checked now, the device or not; a long ordinary WAV then waits for the
            // output, held open, while no other waits for the stream.
            stream = openToRead(fileName, kCannotOpen);
            const std::optional<WavHeader> header = longWavHeader(stream);
            if (header && ordinary(*header) && waitingSounds.empty())
                return std::make_unique<WaitingSound>(stream, fileName, header->lengthMilliseconds());
        }
        settleWaitingSounds();
        return openOnDevice(fileName, stream);
    }
};

}  // namespace

void openSoundDeviceOnceShown() {
    soundsMayWait = true;
    new ReadyNotice(qApp);
    QMetaObject::invokeMethod(qApp, [] { startOpeningOutput(std::launch::async); }, Qt::QueuedConnection);
}

MediaBackend& sdlMediaBackend() {
    static SdlBackend backend;
    return backend;
}

}  // namespace tk
