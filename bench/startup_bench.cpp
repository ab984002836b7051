// Start-up as a player feels it: the time from starting a program to the first painted frame of its
// window (its pixels on the X server no longer blank), and its resident memory one second after
// that, for both games beside a bare Qt main window with a menu bar of the same client size (the
// floor). Work moved past the window's first map still counts, as the player waits for it too.
// Every program runs in the same run, on an Xvfb this benchmark starts itself with a black root
// window, in a scratch copy of its game folder; each start is ended by its process id. Game and
// bare window start in turns; the counters give medians and each game's ratio to the bare window
// started beside it.
//
// Usage: startup_bench [--games=BUILD_DIR] [--starts=N] [benchmark flags]. By default the games of
// this build start twenty times each; --games starts those of another build folder
// (BUILD_DIR/game/<name>/<name>), so that two builds can be measured with the same measure.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kShowTimeout = std::chrono::seconds(20);
constexpr auto kSettle = std::chrono::seconds(1);
// Between two looks at a mapped window's pixels: often enough to be exact to a few milliseconds,
// seldom enough that the X server is free to draw what the program sends it meanwhile.
constexpr auto kLookInterval = std::chrono::milliseconds(2);

// Starts a program with its arguments in `folder`, its output discarded, and returns its process id.
pid_t spawn(const std::vector<std::string>& command, const fs::path& folder, const std::string& display) {
    const pid_t child = fork();
    if (child != 0) return child;
    if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    if (!display.empty()) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    std::vector<char*> argv;
    for (const auto& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// An Xvfb of 1280 x 1024 with a black root window on a display number it chooses itself, and a
// connection to it that hears of every top-level window mapped.
class XServer {
public:
    XServer() {
        int channel[2];
        if (pipe(channel) != 0) std::abort();
        const std::string fd = std::to_string(channel[1]);
        pid_ = spawn({"/usr/bin/Xvfb", "-displayfd", fd, "-screen", "0", "1280x1024x24", "-br", "-nolisten", "tcp"}, {},
                     {});
        close(channel[1]);
        char number[32] = {};
        const ssize_t size = read(channel[0], number, sizeof number - 1);
        close(channel[0]);
        if (size <= 0) {
            std::fprintf(stderr, "Xvfb did not start\n");
            std::exit(1);
        }
        display_ = ":" + std::string(number, static_cast<size_t>(size - (number[size - 1] == '\n')));
        connection_ = xcb_connect(display_.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) std::abort();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
    }
    ~XServer() {
        xcb_disconnect(connection_);
        stop(pid_);
    }
    const std::string& display() const { return display_; }

    // Forgets the notices of earlier runs.
    void drain() {
        roundTrip();
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
    }

    // Waits until a top-level window (not a popup) is mapped and then until its pixels are no longer
    // all alike: the first painted frame. False when `child` ends first or the time runs out.
    bool awaitPaintedWindow(pid_t child) {
        const auto deadline = Clock::now() + kShowTimeout;
        std::optional<xcb_window_t> window;
        while (Clock::now() < deadline) {
            if (xcb_connection_has_error(connection_) || waitpid(child, nullptr, WNOHANG) == child) return false;
            if (!window) {
                window = mappedWindow();
                if (!window) {
                    pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
                    poll(&wait, 1, 5);
                }
                continue;
            }
            if (painted(*window)) return true;
            std::this_thread::sleep_for(kLookInterval);
        }
        return false;
    }

private:
    void roundTrip() { std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)); }

    // The top-level window whose map the server reported since the last look, if any.
    std::optional<xcb_window_t> mappedWindow() {
        std::optional<xcb_window_t> window;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!window && (event->response_type & 0x7f) == XCB_MAP_NOTIFY && !map->override_redirect)
                window = map->window;
            std::free(event);
        }
        return window;
    }

    // Whether the window's pixels differ from each other (a window gone away counts as blank).
    bool painted(xcb_window_t window) {
        xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!geometry) return false;
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u),
            nullptr);
        std::free(geometry);
        if (!image) return false;
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
        const int count = xcb_get_image_data_length(image) / 4;
        const bool varied = count > 0 && std::any_of(pixels, pixels + count, [&](std::uint32_t pixel) {
                                return (pixel & 0xffffff) != (pixels[0] & 0xffffff);
                            });
        std::free(image);
        return varied;
    }

    pid_t pid_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
};

XServer* server = nullptr;

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") return (status >> value) ? value : 0;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// A scratch copy of a game folder (the games read and may write files in their current folder).
struct ScratchFolder {
    explicit ScratchFolder(const fs::path& from) {
        std::string pattern = (fs::temp_directory_path() / "startup_bench.XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
        if (!from.empty()) fs::copy(from, path, fs::copy_options::recursive);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One start: the time to the first painted frame, and the resident memory a second later.
struct Start {
    double seconds = 0;
    double residentBytes = 0;
};

// Starts `command` in `folder` and ends it once measured; false when it painted no window.
bool startOnce(const std::vector<std::string>& command, const fs::path& folder, Start& start) {
    server->drain();
    const auto began = Clock::now();
    const pid_t child = spawn(command, folder, server->display());
    const bool painted = server->awaitPaintedWindow(child);
    const std::chrono::duration<double> elapsed = Clock::now() - began;
    if (painted) {
        std::this_thread::sleep_for(kSettle);
        start = {elapsed.count(), residentKb(child) * 1024.0};
    }
    stop(child);
    return painted;
}

// Each iteration starts the game (in a copy of its folder) and the bare window of the same client
// size, one right after the other and in turns first, so that whatever else slows the machine for
// a while weighs on both alike. The iteration time is the game's; the ratios compare each game
// start with the bare window started beside it.
void startUp(benchmark::State& state, const std::string& game, const std::vector<std::string>& bareWindow) {
    const ScratchFolder gameFolder(fs::path(game).parent_path());
    const ScratchFolder bareFolder({});
    std::vector<double> gameTimes, bareTimes, timeRatios, gameResidents, bareResidents;
    bool gameFirst = true;
    for (auto _ : state) {
        Start gameStart, bareStart;
        const auto startGame = [&] { return startOnce({game}, gameFolder.path, gameStart); };
        const auto startBare = [&] { return startOnce(bareWindow, bareFolder.path, bareStart); };
        const bool shown = gameFirst ? startGame() && startBare() : startBare() && startGame();
        if (!shown) {
            state.SkipWithError("a program painted no window");
            return;
        }
        gameFirst = !gameFirst;
        gameTimes.push_back(gameStart.seconds);
        bareTimes.push_back(bareStart.seconds);
        timeRatios.push_back(gameStart.seconds / bareStart.seconds);
        gameResidents.push_back(gameStart.residentBytes);
        bareResidents.push_back(bareStart.residentBytes);
        state.SetIterationTime(gameStart.seconds);
    }
    using benchmark::Counter;
    const auto megabytes = [](double bytes) { return Counter(bytes, Counter::kDefaults, Counter::OneK::kIs1024); };
    state.counters["median_ms"] = median(gameTimes) * 1e3;
    state.counters["bare_ms"] = median(bareTimes) * 1e3;
    state.counters["time_x_bare"] = median(timeRatios);
    state.counters["rss"] = megabytes(median(gameResidents));
    state.counters["bare_rss"] = megabytes(median(bareResidents));
    state.counters["rss_x_bare"] = median(gameResidents) / median(bareResidents);
}

void registerGame(const char* game, const std::string& program, const std::string& width, const std::string& height,
                  int starts) {
    benchmark::RegisterBenchmark((std::string("BM_StartUp/") + game + "_vs_bare_" + width + "x" + height).c_str(),
                                 startUp, program, std::vector<std::string>{BARE_WINDOW_PROGRAM, width, height})
        ->Iterations(starts)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// The program of a game: this build's, or that of the build folder given with --games=.
std::string gameProgram(const std::string& games, const char* name, const char* thisBuild) {
    if (games.empty()) return thisBuild;
    return (fs::path(games) / "game" / name / name).string();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string games;
    int starts = 20;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--games=")) {
            games = argument.substr(8);
        } else if (argument.starts_with("--starts=")) {
            starts = std::atoi(argv[i] + 9);
        } else {
            std::fprintf(stderr, "usage: startup_bench [--games=BUILD_DIR] [--starts=N] [benchmark flags]\n");
            return 2;
        }
    }
    // The client sizes of the games' main windows (Velmora's below its menu bar).
    registerGame("velmora", gameProgram(games, "velmora", VELMORA_PROGRAM), "666", "473", starts);
    registerGame("quorvant", gameProgram(games, "quorvant", QUORVANT_PROGRAM), "700", "550", starts);
    XServer display;
    server = &display;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
