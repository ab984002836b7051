#pragma once
// What a fuzzer sets up once in LLVMFuzzerInitialize: a temporary folder of its own to work in, a
// corpus of seeds, flags of its own added to the command line before libFuzzer reads it, and for
// the fuzzers that drive windows, the application on the offscreen platform.
#include "toolkit/application.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace fuzz_setup {

// Makes a fresh temporary folder named after `prefix`, makes it the current directory and removes
// it when the program ends normally (a crash leaves it for a look).
inline void enterTempFolder(const std::string& prefix) {
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

// Writes the seeds as files of a corpus folder in the current directory and returns the folder's
// path, for the command line: libFuzzer starts from them and adds what it finds there.
inline std::string writeSeedCorpus(const std::vector<std::string>& seeds) {
    const auto corpus = std::filesystem::current_path() / "corpus";
    std::filesystem::create_directory(corpus);
    for (std::size_t k = 0; k < seeds.size(); ++k)
        std::ofstream(corpus / ("seed" + std::to_string(k)), std::ios::binary) << seeds[k];
    return corpus.string();
}

// Appends arguments to the command line that LLVMFuzzerInitialize was given; called once.
inline void addArguments(int* argc, char*** argv, std::initializer_list<std::string> added) {
    static std::vector<std::string> texts(added);
    static std::vector<char*> arguments(*argv, *argv + *argc);
    for (auto& text : texts) arguments.push_back(text.data());
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
}

// The error box of a fuzzer: it keeps the messages for the checks.
class RecordingErrorBox : public tk::ErrorBox {
public:
    void show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// Starts the application on the offscreen platform with a recording error box, for the whole run;
// call after the last addArguments.
inline RecordingErrorBox& startApplication(int* argc, char*** argv, const std::string& name) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);  // the offscreen platform's notes on raising
    new tk::Application(*argc, *argv, name);
    static RecordingErrorBox errors;
    tk::setErrorBox(&errors);
    return errors;
}

}  // namespace fuzz_setup
