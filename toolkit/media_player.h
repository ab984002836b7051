#pragma once
// An invisible media player: one sound file at a time, played in the background with a
// completion notice. Its commands follow the classic media control model: Open, Play (rewinding
// first when the position is at the end), Stop, Pause as a toggle with resume, seeking, Close.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace tk {

class Sound;

// How a play that asked for a notice ended. Only a play that ran to the end of its file is
// Successful; one cut short by Stop, Pause, Close or a seek is Aborted, one replaced by a later
// Play is Superseded, and one the device refused to start is Failure.
enum class NotifyValue { Successful, Superseded, Aborted, Failure };

class MediaPlayer : public QObject {
public:
    enum class Mode { NotOpen, Stopped, Playing, Paused };

    explicit MediaPlayer(QObject* owner);
    ~MediaPlayer() override;

    // The file Open opens; setting it only stores the name.
    std::string FileName;

    // Closes a sound still held (silencing it), then opens FileName. Throws tk::Error naming the
    // file when it cannot be opened; the player then holds nothing.
    void Open();
    // Plays from the current position to the end and asks for a notice; at the end it first
    // rewinds to the start. The commands below report no failure, as the device's do not.
    void Play();
    void Stop();
    // Playing: pauses. Paused: resumes and asks for a notice. Otherwise nothing.
    void Pause();
    // Seeks (a playing sound stops first).
    void setPosition(int milliseconds);
    void Close();

    Mode mode();
    int Position() const;
    int Length() const;

    // Called from the event loop for every notice, as a window message would be.
    std::function<void(NotifyValue)> OnNotify;

private:
    // A play the device ran to its end since the last command is over: stopped, and Successful.
    void stopIfRanOut();
    // Ends the pending notice, if any, with this outcome.
    void endNotice(NotifyValue value);
    void post(NotifyValue value);

    std::unique_ptr<Sound> sound_;
    Mode mode_ = Mode::NotOpen;
    bool noticePending_ = false;
};

}  // namespace tk
