// The background music in an endless loop, the effect sounds, the sound switch, and the pause of
// the music while the program is minimised.
#include "main_window.h"

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"
#include "toolkit/error.h"
#include "toolkit/media_player.h"

using namespace tk::literals;

void TForm1::buildSound() {
    // A missing or unplayable music file fails here, while the window is created: the program
    // then ends before any window is shown.
    MediaPlayer1 = new tk::MediaPlayer(this);
    MediaPlayer1->FileName = "forhim2.wav";
    MediaPlayer1->OnNotify = [this](tk::NotifyValue value) { MediaPlayer1Notify(value); };
    MediaPlayer1->Open();

    MediaPlayer2 = new tk::MediaPlayer(this);

    Image17 = new tk::Image(client(), 648, 508, 45, 36);
    Image17->setPicture(tk::designPicture("sound.jpg"));
    Image17->setHint("Звук включить - Выключить"_cp);
    Image17->OnMouseDown = [this](tk::MouseButton button) { Image17MouseDown(button); };
    Image17->OnMouseUp = [this](tk::MouseButton button) { Image17MouseUp(button); };

    tk::Application::instance().OnMinimize = [this] { ApplicationEvents1Minimize(); };
    tk::Application::instance().OnRestore = [this] { ApplicationEvents1Restore(); };
}

void TForm1::StartMusic() { MediaPlayer1->Play(); }

void TForm1::PlayEffect(const std::string& fileName) {
    MediaPlayer2->FileName = fileName;
    // A sound that cannot be played is reported, and the answer it marks goes on to its end: the
    // game must not stay half-judged (a count past the last question) for the want of a sound.
    try {
        MediaPlayer2->Open();
    } catch (const tk::Error& error) {
        tk::showError(error.what());
        return;
    }
    MediaPlayer2->Play();
}

// ---- The sound switch ----

void TForm1::Image17MouseDown(tk::MouseButton) {
    if (SoundOn) Image17->LoadFromFile("images\\sound_on1.jpg");
}

void TForm1::Image17MouseUp(tk::MouseButton) {
    if (SoundOn) {
        Image17->LoadFromFile("images\\sound_off.jpg");
        SoundOn = false;
        MediaPlayer1->Stop();
    } else {
        Image17->LoadFromFile("images\\sound_on.jpg");
        SoundOn = true;
        MediaPlayer1->Play();  // on from where the music stood
    }
}

// ---- The music loop ----

// Only a play that ran to its end starts the music again; a stopped or paused one stays so.
void TForm1::MediaPlayer1Notify(tk::NotifyValue value) {
    if (value != tk::NotifyValue::Successful) return;
    MediaPlayer1->setPosition(0);
    MediaPlayer1->Play();
}

void TForm1::ApplicationEvents1Minimize() {
    if (SoundOn) MediaPlayer1->Pause();
}

void TForm1::ApplicationEvents1Restore() {
    if (SoundOn) MediaPlayer1->Play();
}
