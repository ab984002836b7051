#pragma once
// A file's new contents, gathered in memory and then put in place whole: written to a temporary
// file beside it, flushed to disk and renamed over it, so that a crash, a kill or a full disk
// never leaves the file half written.
//
// The file is locked from the start until its new contents are in place: two running copies of the
// program take turns, and one that reads the file first (reopenToRead) reads what the other wrote
// last. The temporary file has one fixed name (the file's name and ".tmp"); a writer killed midway
// leaves at most that one file behind, which the next write takes over. A symbolic link is
// followed to the file it ends at, which is replaced there, and the link is kept. Where no
// temporary file can be made beside the file (a shared install: the folder is someone else's, the
// file the player's; or something else in the temporary file's place), the file is rewritten in
// place instead, in a way that a kill leaves its old contents or its new ones.
#include <cstdio>
#include <string>
#include <utility>

namespace tk {

// An open file descriptor, closed (and so its lock let go) when the object goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    ~Descriptor();
    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

class FileReplacement {
public:
    // Prepares to replace the file `name`, the name its errors show, and locks it, waiting while
    // another copy of the program replaces it. Throws tk::Error when the file exists and is no
    // plain file or may not be written.
    explicit FileReplacement(const std::string& name);

    // The file as it was locked, open for reading from its start; nullptr when there was none.
    std::FILE* reopenToRead() const;
    void append(const std::string& bytes) { contents_ += bytes; }
    // Puts the contents in place; throws tk::Error when it cannot, leaving the old file whole
    // wherever a temporary file could be used.
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error) const;
    void lockFile();
    // False, with the file untouched, when no temporary file can be put in the old one's place.
    bool replaceThroughTemporary();
    void rewriteInPlace();

    std::string name_;
    std::string target_;  // the file itself, at the end of any symbolic links
    Descriptor file_;     // the file, open for reading and writing and locked; none when there was none
    std::string contents_;
};

}  // namespace tk
