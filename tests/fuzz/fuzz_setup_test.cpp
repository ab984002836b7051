// The command line of the fuzzers that work in a temporary folder: every path it names means what
// it meant where the fuzzer was started, and nothing else changes.
#include "fuzz/fuzz_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(FuzzSetup, PathsOnTheCommandLineAreResolvedWhereTheFuzzerStarted) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"corpus", "/start/corpus"},
        {"crash-1a2b", "/start/crash-1a2b"},
        {"/elsewhere/corpus", "/elsewhere/corpus"},
        {"-artifact_prefix=findings/", "-artifact_prefix=/start/findings/"},
        {"-exact_artifact_path=/tmp/smallest", "-exact_artifact_path=/tmp/smallest"},
        {"-dict=words.dict", "-dict=/start/words.dict"},
        {"-seed_inputs=a,/b,c", "-seed_inputs=/start/a,/b,/start/c"},
        {"-seed_inputs=@list", "-seed_inputs=@/start/list"},
        {"-runs=100", "-runs=100"},
        {"-minimize_crash=1", "-minimize_crash=1"},
        {"-help", "-help"},
    };
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(fuzz_setup::detail::withPathsResolved(argument, "/start"), expected) << argument;
}

TEST(FuzzSetup, FlagsOfTheFuzzerComeBeforeTheCommandLinesOwn) {
    std::string program = "fuzzer", flag = "-rss_limit_mb=100", input = "crash";
    char* given[] = {program.data(), flag.data(), input.data(), nullptr};
    int argc = 3;
    char** argv = given;
    fuzz_setup::addDefaultFlags(&argc, &argv, {"-rss_limit_mb=1536", "-detect_leaks=0"});
    ASSERT_EQ(argc, 5);
    EXPECT_EQ(std::vector<std::string>(argv, argv + argc),
              (std::vector<std::string>{"fuzzer", "-rss_limit_mb=1536", "-detect_leaks=0", "-rss_limit_mb=100", "crash"}));
    EXPECT_EQ(argv[argc], nullptr);
}

}  // namespace
