#pragma once
// Line-oriented text files as the games use them. Lines are written with CR LF; on reading, LF
// ends a line and CR bytes are dropped; reading past the last line gives an empty line. Every
// failing open, read, write and close throws tk::Error naming the file and the cause.
// A file is read in large blocks, and a line is copied out of them only when it is asked for.
#include "file_replacement.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Binds the variable to a file name; paths written with '\' are taken with '/'.
    void Assign(const std::string& name);
    const std::string& name() const { return name_; }
    // A byte 26 ends the file when reading (the older text-file convention).
    void setCtrlZEndsFile(bool on) { ctrlZEndsFile_ = on; }

    void Reset();    // open for reading, from the start
    void Rewrite();  // create anew, empty, for writing
    // Like Rewrite, but the lines are kept until Close puts them in place whole (FileReplacement),
    // so a crash or a full disk never leaves the file half written.
    void RewriteAtomically();
    // Opens the file to read it as Reset does and then to replace it, as RewriteAtomically does,
    // with the lines written after the reading. It stays locked until Close has put them in place:
    // another copy of the program that does the same meanwhile waits, and then reads what this one
    // wrote. False when there is no file: nothing is read, and Close creates it.
    bool ResetForUpdate();
    void Close();

    bool isOpen() const { return file_ != nullptr || replacement_.has_value(); }
    bool Eof();
    std::string ReadLine();
    // Passes over the next `count` lines, or those left before the end of the file, without
    // copying them, and returns how many there were. With `last`, the last of them is read into
    // it (left as it is when there was none).
    std::int64_t SkipLines(std::int64_t count, std::string* last = nullptr);
    void WriteLine(const std::string& line);

private:
    [[noreturn]] void fail(const char* what, int error) const;
    void startReading(std::FILE* file);
    void closeReading();
    void requireReading() const;
    bool fill();
    bool nextLine(const char*& start, size_t& size);
    std::int64_t passBufferedLines(std::int64_t count, std::string* last);

    std::string name_;
    std::FILE* file_ = nullptr;
    std::optional<FileReplacement> replacement_;
    bool writing_ = false;
    bool ctrlZEndsFile_ = false;
    // Bytes read from the file; those from position_ to length_ are not read yet, and position_
    // is always the start of a line.
    std::vector<char> buffer_;
    size_t position_ = 0;
    size_t length_ = 0;
    bool atEnd_ = false;
};

// The path with '\' taken as '/'.
std::string nativePath(const std::string& path);
// A file that this program holds open (for reading, or created for writing) counts as existing
// and undeletable, as it is where open files are locked, even after another program removed it.
bool FileExists(const std::string& path);
// Deletes a file; false when it cannot.
bool DeleteFile(const std::string& path);

}  // namespace tk
