// Every file the layer reads (pictures, sounds, text files), damaged in each way a player's folder
// can be, or no plain file at all: the failure names the file and the cause, in one wording.
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/jpeg.h"
#include "toolkit/media_backend.h"
#include "toolkit/text_file.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using testing::StartsWith;

namespace {

std::string failureOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const tk::Error& error) {
        return error.what();
    }
    return "no failure";
}

struct Reader {
    const char* extension;
    const char* openFailure;  // how a failed open begins
    std::function<void(const std::string&)> read;
};

const Reader kReaders[] = {
    {".jpg", "Cannot open file", [](const std::string& path) { tk::jpeg::load(path); }},
    {".wav", "Cannot open the sound", [](const std::string& path) { tk::sdlMediaBackend().open(path); }},
    {".txt", "Cannot open file",
     [](const std::string& path) {
         tk::TextFile file;
         file.Assign(path);
         file.Reset();
     }},
};

// The failure of `use` on a named pipe that no other program opens. Should `use` wait for a partner
// in its open, one (opening with `partnerFlags`) comes and goes after a while, so that it goes on
// (reading nothing, or writing to no one) and the test ends rather than hangs.
std::string failureOnPipe(const std::string& name, int partnerFlags, const std::function<void()>& use) {
    if (mkfifo(name.c_str(), 0666) != 0) return "no pipe made";
    std::promise<void> used;
    std::thread partner([&name, partnerFlags, done = used.get_future()] {
        if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return;
        do {  // a writer's open fails until the other side waits in its open
            const int descriptor = open(name.c_str(), partnerFlags | O_NONBLOCK);
            if (descriptor >= 0) close(descriptor);
        } while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
    });
    const std::string failure = failureOf(use);
    used.set_value();
    partner.join();
    return failure;
}

TEST(FileFailures, NameTheFileAndTheCause) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing_support::TempFolder folder;
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.extension);
        const std::string ext = reader.extension, opening = reader.openFailure;

        std::filesystem::create_directory("folder" + ext);
        EXPECT_EQ(failureOf([&] { reader.read("folder" + ext); }),
                  opening + " \"folder" + ext + "\": Is a directory");
        EXPECT_EQ(failureOf([&] { reader.read("missing" + ext); }),
                  opening + " \"missing" + ext + "\": No such file or directory");
        EXPECT_EQ(failureOnPipe("pipe" + ext, O_WRONLY, [&] { reader.read("pipe" + ext); }),
                  opening + " \"pipe" + ext + "\": not a regular file");
        if (geteuid() != 0) {  // the superuser reads every file
            folder.write("locked" + ext, "x");
            std::filesystem::permissions("locked" + ext, std::filesystem::perms::none);
            EXPECT_EQ(failureOf([&] { reader.read("locked" + ext); }),
                      opening + " \"locked" + ext + "\": Permission denied");
        }
    }

    // An empty file: no picture and no sound, and a text file of no lines.
    folder.write("empty.jpg", "");
    EXPECT_EQ(failureOf([] { tk::jpeg::load("empty.jpg"); }),
              "Cannot load picture \"empty.jpg\": the file is empty, not a JPEG picture");
    folder.write("empty.wav", "");
    EXPECT_THAT(failureOf([] { tk::sdlMediaBackend().open("empty.wav"); }),
                StartsWith("Cannot open the sound \"empty.wav\": "));
    folder.write("empty.txt", "");
    tk::TextFile text;
    text.Assign("empty.txt");
    text.Reset();
    EXPECT_TRUE(text.Eof());

    // A picture of another kind under a JPEG name.
    folder.write("png.jpg", "\x89PNG\r\n\x1a\n");
    EXPECT_THAT(failureOf([] { tk::jpeg::load("png.jpg"); }),
                StartsWith("Cannot load picture \"png.jpg\": not a valid JPEG picture ("));
}

// A text file written anew (Quorvant's question list) takes the same care.
void rewrite(const std::string& name) {
    tk::TextFile file;
    file.Assign(name);
    file.Rewrite();
}

TEST(FileFailures, ATextFileIsCreatedOnlyAsAPlainFile) {
    testing_support::TempFolder folder;
    EXPECT_EQ(failureOnPipe("pipe.txt", O_RDONLY, [] { rewrite("pipe.txt"); }),
              "Cannot create file \"pipe.txt\": not a regular file");
    std::filesystem::create_directory("folder.txt");
    EXPECT_EQ(failureOf([] { rewrite("folder.txt"); }), "Cannot create file \"folder.txt\": Is a directory");
    EXPECT_EQ(failureOf([] { rewrite("new.txt"); }), "no failure");
}

}  // namespace
