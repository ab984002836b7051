#include "file_replacement.h"
#include "error.h"

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

// An open file descriptor, closed (and so its lock let go) when the object goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

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

// Opens the temporary file, creating it if need be, and locks it, waiting while another copy of
// the program writes it. A lock won on a file that the other copy has meanwhile renamed into place
// or removed no longer guards the name, so the name is opened afresh.
int openLockedTemporary(const std::string& path, Descriptor& locked) {
    for (;;) {
        Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.valid()) return errno;
        if (const int error = lockWhole(file.get())) return error;
        struct stat held {}, named {};
        if (fstat(file.get(), &held) != 0) return errno;
        if (stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            locked = std::move(file);
            return 0;
        }
    }
}

// Empties the open file and writes the bytes to it, through to the disk.
int writeThrough(int descriptor, const std::string& bytes) {
    if (ftruncate(descriptor, 0) != 0) return errno;
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno != EINTR) return errno;
        if (written > 0) done += static_cast<size_t>(written);
    }
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

FileReplacement::FileReplacement(const std::string& name) : name_(name), target_(name) {
    if (const int error = followLinks(target_)) fail("Cannot create file", error);
    if (access(target_.c_str(), F_OK) == 0 && access(target_.c_str(), W_OK) != 0) fail("Cannot create file", errno);
}

void FileReplacement::fail(const char* what, int error) const { throw fileError(what, name_, error); }

void FileReplacement::commit() {
    if (!replaceThroughTemporary()) rewriteInPlace();
}

bool FileReplacement::replaceThroughTemporary() {
    const std::string temporary = target_ + ".tmp";
    Descriptor file(-1);
    if (const int error = openLockedTemporary(temporary, file)) {
        if (permissionDenied(error)) return false;
        fail("Cannot create file", error);
    }
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
    const Descriptor file(::open(target_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (!file.valid()) fail("Cannot create file", errno);
    // Locked so that two copies of the program writing at once never mix their lines.
    int error = lockWhole(file.get());
    if (!error) error = writeThrough(file.get(), contents_);
    if (error) fail("Cannot write file", error);
}

}  // namespace tk
