// Every file the layer reads (pictures, sounds, text files), damaged in each way a player's folder
// can be: the failure names the file and the cause, in one wording.
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/jpeg.h"
#include "toolkit/media_backend.h"
#include "toolkit/text_file.h"

#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
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

}  // namespace
