#include "sdl_library.h"

#include <dlfcn.h>

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

}  // namespace

const SdlLibrary& sdl() {
    static const SdlLibrary library = load();
    return library;
}

}  // namespace tk
