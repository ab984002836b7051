#pragma once
// SDL and SDL_mixer, loaded when the program runs rather than with it: they and the libraries they
// pull in (some forty that Qt does not use) take longer to load than the program's first window
// takes to make. A program with sounds loads them on a thread of its own once its first window shows.
#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace tk {

// The functions the sound device calls.
#define TK_SDL_FUNCTIONS(X)                                                                     \
    X(SDL_GetError) X(SDL_SetHint) X(SDL_SetHintWithPriority) X(SDL_InitSubSystem)               \
    X(SDL_QuitSubSystem) X(SDL_GetAudioDeviceStatus) X(SDL_LockAudioDevice)                      \
    X(SDL_UnlockAudioDevice) X(SDL_RWFromFP) X(SDL_RWseek) X(SDL_RWclose)                        \
    X(Mix_OpenAudio) X(Mix_QuerySpec) X(Mix_AllocateChannels) X(Mix_ChannelFinished)             \
    X(Mix_HookMusicFinished) X(Mix_LoadWAV_RW) X(Mix_FreeChunk) X(Mix_PlayChannel)               \
    X(Mix_HaltChannel) X(Mix_Pause) X(Mix_Resume) X(Mix_RegisterEffect)                          \
    X(Mix_UnregisterAllEffects) X(Mix_LoadMUSType_RW) X(Mix_FreeMusic) X(Mix_FadeInMusicPos)     \
    X(Mix_HaltMusic) X(Mix_PauseMusic) X(Mix_ResumeMusic) X(Mix_PlayingMusic)                    \
    X(Mix_MusicDuration) X(Mix_GetMusicPosition)

struct SdlLibrary {
#define TK_SDL_POINTER(name) decltype(&::name) name = nullptr;
    TK_SDL_FUNCTIONS(TK_SDL_POINTER)
#undef TK_SDL_POINTER
    // Why the libraries could not be loaded; empty when they were.
    std::string failure;
};

// The libraries, loaded at the first call (from any thread; the others wait for it).
const SdlLibrary& sdl();

}  // namespace tk
