#pragma once
// What a fuzzer sets up once in LLVMFuzzerInitialize: a temporary folder of its own to work in,
// and flags of its own that the command line can override.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz_setup {

namespace detail {

// The command line that LLVMFuzzerInitialize hands back to libFuzzer: a copy of the one it was
// given, changed by the functions below.
inline std::vector<std::string>& commandLine(int* argc, char*** argv) {
    static std::vector<std::string> arguments(*argv, *argv + *argc);
    return arguments;
}

inline void handBack(int* argc, char*** argv) {
    static std::vector<char*> pointers;
    pointers.clear();
    for (auto& argument : commandLine(argc, argv)) pointers.push_back(argument.data());
    *argc = static_cast<int>(pointers.size());
    pointers.push_back(nullptr);
    *argv = pointers.data();
}

// A path as meant in `folder`.
inline std::string resolved(const std::string& path, const std::string& folder) {
    return path.empty() || path.front() == '/' ? path : folder + "/" + path;
}

// An argument with the paths it names resolved in `folder`: inputs and corpus folders, the flags
// whose value is a path, and each file of -seed_inputs (or its "@" list file).
inline std::string withPathsResolved(const std::string& argument, const std::string& folder) {
    if (argument.empty() || argument.front() != '-') return resolved(argument, folder);
    static const std::vector<std::string_view> pathFlags = {
        "artifact_prefix", "exact_artifact_path", "dict", "features_dir", "merge_control_file",
        "stop_file", "mutation_graph_file", "data_flow_trace", "collect_data_flow"};
    const auto equals = argument.find('=');
    if (equals == std::string::npos) return argument;
    const std::string_view name = std::string_view(argument).substr(1, equals - 1);
    const std::string value = argument.substr(equals + 1);
    if (std::find(pathFlags.begin(), pathFlags.end(), name) != pathFlags.end())
        return argument.substr(0, equals + 1) + resolved(value, folder);
    if (name != "seed_inputs") return argument;
    if (value.starts_with('@')) return argument.substr(0, equals + 1) + "@" + resolved(value.substr(1), folder);
    std::string files;
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(',', start), value.size());
        files += (start > 0 ? "," : "") + resolved(value.substr(start, end - start), folder);
        start = end + 1;
    }
    return argument.substr(0, equals + 1) + files;
}

}  // namespace detail

// Puts flags in front of the command line: libFuzzer takes the last of a flag given twice, so the
// same flag on the command line wins.
inline void addDefaultFlags(int* argc, char*** argv, std::initializer_list<std::string> flags) {
    auto& arguments = detail::commandLine(argc, argv);
    arguments.insert(arguments.begin() + 1, flags);
    detail::handBack(argc, argv);
}

// Makes a fresh temporary folder named after `prefix` the current directory, and removes it when
// the program ends normally (a crash leaves it for a look). The paths on the command line are
// resolved first where the fuzzer was started, and findings are written there unless the command
// line says otherwise, as for any fuzzer.
inline void enterTempFolder(int* argc, char*** argv, const std::string& prefix) {
    const std::string started = std::filesystem::current_path().string();
    auto& arguments = detail::commandLine(argc, argv);
    for (std::size_t k = 1; k < arguments.size(); ++k) arguments[k] = detail::withPathsResolved(arguments[k], started);
    addDefaultFlags(argc, argv, {"-artifact_prefix=" + started + "/"});

    static std::filesystem::path folder;
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + ".XXXXXX")).string();
    if (!mkdtemp(pattern.data())) std::abort();
    folder = pattern;
    std::filesystem::current_path(folder);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
}

}  // namespace fuzz_setup
