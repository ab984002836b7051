#include "sdl_library.h"
#include "media_backend.h"

#include <dlfcn.h>
#include <future>
#include <mutex>

namespace tk {
namespace {

constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

SdlLibrary load() {
    SdlLibrary library;
    void* mixer = dlopen(kMixerLibrary, RTLD_LAZY | RTLD_LOCAL);
    if (!mixer) {
        library.failure = dlerror();
        return library;
    }
    // The mixer's handle finds SDL's functions too: SDL is among the libraries it loaded.
#define TK_SDL_BIND(name)                                                                      \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(mixer, #name));               \
    if (!library.name) {                                                                        \
        library.failure = std::string(kMixerLibrary) + " has no " #name;                        \
        return library;                                                                         \
    }
    TK_SDL_FUNCTIONS(TK_SDL_BIND)
#undef TK_SDL_BIND
    return library;
}

std::once_flag started;
std::shared_future<SdlLibrary> loading;

}  // namespace

void loadSoundLibraryAhead() {
    std::call_once(started, [] { loading = std::async(std::launch::async, load).share(); });
}

const SdlLibrary& sdl() {
    std::call_once(started, [] { loading = std::async(std::launch::deferred, load).share(); });
    return loading.get();
}

}  // namespace tk
