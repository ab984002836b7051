#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/text_file.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

using testing_support::TempFolder;

namespace {

std::vector<std::string> readAll(tk::TextFile& file, int lines) {
    std::vector<std::string> result;
    for (int i = 0; i < lines; ++i) result.push_back(file.ReadLine());
    return result;
}

}  // namespace

TEST(TextFile, LineEndsAndReadingPastTheEnd) {
    TempFolder folder;
    folder.write("a.txt", "one\r\ntwo\nth\rree\r\nlast");
    tk::TextFile file;
    file.Assign("a.txt");
    file.Reset();
    EXPECT_EQ(readAll(file, 4), (std::vector<std::string>{"one", "two", "three", "last"}));
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.ReadLine(), "");  // past the end: an empty line, no error
    file.Close();
}

TEST(TextFile, CtrlZEndsTheFileOnlyWhenAsked) {
    TempFolder folder;
    folder.write("z.txt", std::string("a\r\nb\x1A" "c\r\n"));
    tk::TextFile plain, older;
    plain.Assign("z.txt");
    plain.Reset();
    EXPECT_EQ(readAll(plain, 2), (std::vector<std::string>{"a", "b\x1A" "c"}));
    older.Assign("z.txt");
    older.setCtrlZEndsFile(true);
    older.Reset();
    EXPECT_EQ(older.ReadLine(), "a");
    EXPECT_EQ(older.ReadLine(), "b");
    EXPECT_TRUE(older.Eof());
}

TEST(TextFile, LongLinesAcrossTheBuffer) {
    TempFolder folder;
    const std::string longLine(200000, 'x');
    folder.write("long.txt", longLine + "\r\n" + longLine);
    tk::TextFile file;
    file.Assign("long.txt");
    file.Reset();
    EXPECT_EQ(file.ReadLine(), longLine);
    EXPECT_EQ(file.ReadLine(), longLine);
    EXPECT_TRUE(file.Eof());
}

TEST(TextFile, WritesCrLfAfterEveryLine) {
    TempFolder folder;
    tk::TextFile file;
    file.Assign("out.txt");
    file.Rewrite();
    file.WriteLine("1");
    file.WriteLine("");
    file.Close();
    EXPECT_EQ(folder.read("out.txt"), "1\r\n\r\n");
}

TEST(TextFile, FailuresNameTheFileAndTheCause) {
    TempFolder folder;
    tk::TextFile file;
    file.Assign("missing.txt");
    try {
        file.Reset();
        FAIL() << "no error";
    } catch (const tk::Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"missing.txt\""), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos) << error.what();
    }
    EXPECT_THROW(file.Close(), tk::Error);  // closing what is not open
    std::filesystem::create_directory("folder");
    file.Assign("folder");
    EXPECT_THROW(file.Reset(), tk::Error);
}

TEST(TextFile, AtomicRewriteReplacesWholeOrNothing) {
    TempFolder folder;
    folder.write("stat.txt", "old\r\n");
    tk::TextFile file;
    file.Assign("stat.txt");
    file.RewriteAtomically();
    file.WriteLine("new");
    EXPECT_EQ(folder.read("stat.txt"), "old\r\n");  // untouched until the close
    file.Close();
    EXPECT_EQ(folder.read("stat.txt"), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    chmod("stat.txt", 0444);
    if (access("stat.txt", W_OK) != 0) {  // root may write anyway
        EXPECT_THROW(file.RewriteAtomically(), tk::Error);
        EXPECT_EQ(folder.read("stat.txt"), "new\r\n");
    }
}

TEST(TextFile, FilesOpenForReadingCannotBeDeleted) {
    TempFolder folder;
    folder.write("list.txt", "x\r\n");
    EXPECT_TRUE(tk::FileExists("list.txt"));
    EXPECT_TRUE(tk::FileExists(".\\list.txt"));  // backslash paths
    tk::TextFile file;
    file.Assign("list.txt");
    file.Reset();
    EXPECT_FALSE(tk::DeleteFile("list.txt"));
    EXPECT_TRUE(tk::FileExists("list.txt"));
    file.Close();
    EXPECT_TRUE(tk::DeleteFile("list.txt"));
    EXPECT_FALSE(tk::FileExists("list.txt"));
    EXPECT_FALSE(tk::DeleteFile("list.txt"));
}

TEST(TextFile, AFileHeldOpenExistsUntilClosedEvenWhenRemovedByOthers) {
    TempFolder folder;
    folder.write("list.txt", "x\r\n");
    tk::TextFile file;
    file.Assign("list.txt");
    file.Reset();
    ASSERT_EQ(std::remove("list.txt"), 0);  // another program removes the name
    EXPECT_TRUE(tk::FileExists("list.txt"));
    EXPECT_FALSE(tk::DeleteFile("list.txt"));
    EXPECT_EQ(file.ReadLine(), "x");
    file.Close();
    EXPECT_FALSE(tk::FileExists("list.txt"));
}

TEST(TextFile, FilesCreatedForWritingCannotBeDeletedUntilClosed) {
    TempFolder folder;
    tk::TextFile file;
    file.Assign("list.txt");
    file.Rewrite();
    EXPECT_FALSE(tk::DeleteFile("list.txt"));
    file.WriteLine("x");
    file.Close();
    EXPECT_TRUE(tk::DeleteFile("list.txt"));
    file.RewriteAtomically();  // only its temporary file is open
    folder.write("list.txt", "old\r\n");
    EXPECT_TRUE(tk::DeleteFile("list.txt"));
    file.Close();
}

TEST(TextFile, SkippedLinesFollowTheSameRulesAsReadOnes) {
    TempFolder folder;
    folder.write("a.txt", "one\r\ntwo\nth\rree\r\nlast");
    tk::TextFile file;
    file.Assign("a.txt");
    file.Reset();
    std::string last = "before";
    EXPECT_EQ(file.SkipLines(0, &last), 0);
    EXPECT_EQ(last, "before");
    EXPECT_EQ(file.SkipLines(2, &last), 2);
    EXPECT_EQ(last, "two");
    EXPECT_EQ(file.SkipLines(1, &last), 1);
    EXPECT_EQ(last, "three");
    EXPECT_EQ(file.SkipLines(5, &last), 1);  // only the last line without a line break is left
    EXPECT_EQ(last, "last");
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.SkipLines(3, &last), 0);
    EXPECT_EQ(last, "last");
    EXPECT_EQ(file.ReadLine(), "");
    file.Close();
    EXPECT_THROW(file.SkipLines(1), tk::Error);  // not open

    folder.write("z.txt", std::string("a\r\nb\x1A" "c\r\nd\r\n"));
    file.Assign("z.txt");
    file.setCtrlZEndsFile(true);
    file.Reset();
    EXPECT_EQ(file.SkipLines(10, &last), 2);
    EXPECT_EQ(last, "b");
    file.Close();
}

// Many lines of every length, and one far longer than a block, passed and read in turns by counts
// large and small, against the file split plainly at its LF bytes.
TEST(TextFile, SkippingAndReadingAcrossBlocks) {
    std::string text;
    std::vector<std::string> lines;
    for (int k = 0; k < 200000; ++k) {
        std::string line(static_cast<size_t>(k * 7919 % 41), static_cast<char>('a' + k % 26));
        if (k == 100000) line.assign(300000, 'L');
        if (k % 5 == 1 && !line.empty()) line[line.size() / 2] = '\r';
        text += line + (k % 3 ? "\r\n" : "\n");
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        lines.push_back(line);
    }
    TempFolder folder;
    folder.write("many.txt", text + "tail");
    lines.push_back("tail");

    tk::TextFile file;
    file.Assign("many.txt");
    file.Reset();
    const std::int64_t counts[] = {1, 5, 31, 32, 33, 700, 4000, 65537, 17};
    size_t next = 0;
    std::string last;
    for (int turn = 0; next < lines.size(); ++turn) {
        const std::int64_t count = counts[turn % std::size(counts)];
        const std::int64_t expected = std::min<std::int64_t>(count, static_cast<std::int64_t>(lines.size() - next));
        ASSERT_EQ(file.SkipLines(count, turn % 2 ? &last : nullptr), expected) << "turn " << turn;
        next += static_cast<size_t>(expected);
        if (turn % 2) {
            EXPECT_EQ(last, lines[next - 1]) << "turn " << turn;
        }
        if (next < lines.size()) {
            ASSERT_EQ(file.ReadLine(), lines[next++]) << "turn " << turn;
        }
    }
    EXPECT_TRUE(file.Eof());
    file.Close();

    file.Reset();
    EXPECT_EQ(file.SkipLines(INT64_MAX, &last), static_cast<std::int64_t>(lines.size()));
    EXPECT_EQ(last, "tail");
    file.Close();
}
