#pragma once
// A file's new contents, gathered in memory and then put in place whole: written to a temporary
// file beside it, flushed to disk and renamed over it, so that a crash, a kill or a full disk
// never leaves the file half written.
//
// The temporary file has one fixed name (the file's name and ".tmp") and is written only under a
// lock on it: two running copies of the program take turns, and a writer killed midway leaves at
// most that one file behind, which the next write takes over. A symbolic link is followed to the
// file it ends at, which is replaced there, and the link is kept. Where the folder takes no new
// file but the file itself may be written (a shared install: the folder is someone else's, the
// file the player's), the file is rewritten in place instead.
#include <string>

namespace tk {

class FileReplacement {
public:
    // Prepares to replace the file `name`, the name its errors show. Throws tk::Error when the
    // file exists and may not be written.
    explicit FileReplacement(const std::string& name);

    void append(const std::string& bytes) { contents_ += bytes; }
    // Puts the contents in place; throws tk::Error when it cannot, leaving the old file whole
    // wherever a temporary file could be used.
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error) const;
    // False, with the file untouched, when the folder does not let this program put a new file
    // in the old one's place.
    bool replaceThroughTemporary();
    void rewriteInPlace();

    std::string name_;
    std::string target_;  // the file itself, at the end of any symbolic links
    std::string contents_;
};

}  // namespace tk
