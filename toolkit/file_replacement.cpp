#include "file_replacement.h"
#include "error.h"
#include "plain_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {
namespace {

// As many links as the system itself follows in one path before it gives up.
constexpr int kMostLinks = 40;

bool permissionDenied(int error) { return error == EACCES || error == EPERM; }

// The path at the end of a chain of symbolic links; a relative link counts from its own folder.
// A link to a missing file ends at that file, which the replacement then creates.
int followLinks(std::string& path) {
    for (int links = 0; links < kMostLinks; ++links) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return error.value();
        path = target.is_absolute() ? target.string() : (std::filesystem::path(path).parent_path() / target).string();
    }
    return ELOOP;
}

int lockWhole(int descriptor) {
    while (flock(descriptor, LOCK_EX) != 0)
        if (errno != EINTR) return errno;
    return 0;
}

// Whether the open file is the one the path names now; a file renamed over or removed since it was
// opened no longer is.
bool stillNamed(int descriptor, const std::string& path) {
    struct stat held {}, named {};
    return fstat(descriptor, &held) == 0 && stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
           named.st_ino == held.st_ino;
}

// Opens the temporary file, creating it if need be, and locks it, waiting while another copy of
// the program writes it. A lock won on a file that the other copy has meanwhile renamed into place
// or removed no longer guards the name, so the name is opened afresh. Anything but a plain file of
// that name (a folder, a link, a named pipe) is refused without waiting.
int openLockedTemporary(const std::string& path, Descriptor& locked) {
    for (;;) {
        Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
        if (!file.valid()) return errno;
        struct stat info {};
        if (fstat(file.get(), &info) != 0) return errno;
        if (!S_ISREG(info.st_mode)) return EINVAL;
        if (const int error = lockWhole(file.get())) return error;
        if (stillNamed(file.get(), path)) {
            locked = std::move(file);
            return 0;
        }
    }
}

// Writes the bytes over the start of the open file, cuts it after them and flushes it to the disk.
// Texts of a few dozen bytes go in with one write, which a kill does not split: the file holds its
// old text or the new one, never nothing (at worst the new one with the end of a longer old one
// after it, past the lines that are read).
int writeThrough(int descriptor, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno != EINTR) return errno;
        if (written > 0) done += static_cast<size_t>(written);
    }
    if (ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0) return errno;
    return fsync(descriptor) != 0 ? errno : 0;
}

// The new file keeps the old one's permissions; a file made anew gets the usual ones.
void takePermissions(int descriptor, const std::string& oldFile) {
    struct stat info {};
    if (stat(oldFile.c_str(), &info) == 0) fchmod(descriptor, info.st_mode & 07777);
}

// Makes a rename in the folder of `path` lasting. Not every file system can sync a folder, and
// the rename has happened either way, so a failure here is no failure of the write.
void syncFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const Descriptor descriptor(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.valid()) fsync(descriptor.get());
}

}  // namespace

Descriptor::~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

FileReplacement::FileReplacement(const std::string& name) : name_(name), target_(name) {
    if (const int error = followLinks(target_)) fail("Cannot create file", error);
    if (access(target_.c_str(), F_OK) == 0 && access(target_.c_str(), W_OK) != 0) fail("Cannot create file", errno);
    lockFile();
}

void FileReplacement::fail(const char* what, int error) const { throw fileError(what, name_, error); }

// The file is opened for reading and writing (the in-place rewrite writes through the same
// descriptor) and locked. A lock won on a file that another copy has meanwhile replaced by a new
// one, or removed, no longer guards the name, so the name is opened afresh.
void FileReplacement::lockFile() {
    struct stat info {};
    while (stat(target_.c_str(), &info) == 0) {
        Descriptor file(openPlainFile(target_, O_RDWR, "Cannot open file", name_));
        if (const int error = lockWhole(file.get())) fail("Cannot open file", error);
        if (stillNamed(file.get(), target_)) {
            file_ = std::move(file);
            return;
        }
    }
}

std::FILE* FileReplacement::reopenToRead() const {
    if (!file_.valid()) return nullptr;
    // A descriptor of its own, read from the start; the rewrite writes at given places.
    const int reading = fcntl(file_.get(), F_DUPFD_CLOEXEC, 0);
    std::FILE* file = reading >= 0 ? fdopen(reading, "rb") : nullptr;
    if (!file) {
        const int error = errno;
        if (reading >= 0) ::close(reading);
        fail("Cannot open file", error);
    }
    std::rewind(file);
    return file;
}

void FileReplacement::commit() {
    if (!replaceThroughTemporary()) rewriteInPlace();
}

bool FileReplacement::replaceThroughTemporary() {
    const std::string temporary = target_ + ".tmp";
    Descriptor file;
    // Whatever keeps the temporary file from being made (a folder that takes no new file, a folder
    // or a pipe of its name) is no failure of the write: the file is rewritten in place instead.
    if (openLockedTemporary(temporary, file) != 0) return false;
    takePermissions(file.get(), target_);
    if (const int error = writeThrough(file.get(), contents_)) {
        std::remove(temporary.c_str());
        fail("Cannot write file", error);
    }
    if (std::rename(temporary.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        // A shared folder with the sticky bit takes new files but keeps another user's old one.
        if (permissionDenied(error)) return false;
        fail("Cannot write file", error);
    }
    syncFolderOf(target_);
    return true;
}

void FileReplacement::rewriteInPlace() {
    if (!file_.valid()) {
        file_ = Descriptor(openPlainFile(target_, O_RDWR | O_CREAT, "Cannot create file", name_));
        if (const int error = lockWhole(file_.get())) fail("Cannot create file", error);
    }
    if (const int error = writeThrough(file_.get(), contents_)) fail("Cannot write file", error);
}

}  // namespace tk
