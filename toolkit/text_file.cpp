#include "text_file.h"
#include "error.h"
#include "open_to_read.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <utility>
#include <unistd.h>
#include <sys/stat.h>

namespace tk {
namespace {

constexpr size_t kBufferSize = 64 * 1024;

std::string identity(const std::string& path);

// Files this program holds open, by their canonical path.
std::multiset<std::string>& filesHeldOpen() {
    static std::multiset<std::string> open;
    return open;
}

void forgetHeldOpen(const std::string& name) {
    auto& open = filesHeldOpen();
    if (auto found = open.find(identity(name)); found != open.end()) open.erase(found);
}

std::string identity(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored).string();
}

}  // namespace

std::string nativePath(const std::string& path) {
    std::string result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

TextFile::~TextFile() {
    if (!file_) return;
    std::fclose(file_);
    if (!tempName_.empty()) std::remove(tempName_.c_str());
    else forgetHeldOpen(name_);
}

void TextFile::Assign(const std::string& name) { name_ = nativePath(name); }

void TextFile::fail(const char* what, int error) const {
    throw fileError(what, name_, std::strerror(error));
}

void TextFile::Reset() {
    if (file_) Close();
    file_ = openToRead(name_);
    writing_ = false;
    buffer_.resize(kBufferSize);
    position_ = length_ = 0;
    atEnd_ = false;
    filesHeldOpen().insert(identity(name_));
}

void TextFile::Rewrite() {
    if (file_) Close();
    file_ = std::fopen(name_.c_str(), "wb");
    if (!file_) fail("Cannot create file", errno);
    writing_ = true;
    filesHeldOpen().insert(identity(name_));
}

void TextFile::RewriteAtomically() {
    if (file_) Close();
    if (access(name_.c_str(), F_OK) == 0 && access(name_.c_str(), W_OK) != 0) fail("Cannot create file", errno);
    std::string pattern = name_ + ".XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) fail("Cannot create file", errno);
    file_ = fdopen(descriptor, "wb");
    if (!file_) {
        const int error = errno;
        ::close(descriptor);
        std::remove(pattern.c_str());
        fail("Cannot create file", error);
    }
    tempName_ = pattern;
    writing_ = true;
}

void TextFile::Close() {
    if (!file_) fail("Cannot close file", EBADF);
    std::FILE* file = std::exchange(file_, nullptr);
    if (tempName_.empty()) forgetHeldOpen(name_);
    if (!writing_) {
        if (std::fclose(file) != 0) fail("Cannot close file", errno);
        return;
    }
    const std::string temp = std::exchange(tempName_, {});
    int error = 0;
    if (std::fflush(file) != 0 || (!temp.empty() && fsync(fileno(file)) != 0)) error = errno;
    if (std::fclose(file) != 0 && !error) error = errno;
    if (!temp.empty()) {
        if (!error) {
            // mkstemp creates the file readable by its owner only; give it the usual permissions.
            const mode_t mask = umask(0);
            umask(mask);
            chmod(temp.c_str(), 0666 & ~mask);
            if (std::rename(temp.c_str(), name_.c_str()) != 0) error = errno;
        }
        if (error) std::remove(temp.c_str());
    }
    if (error) fail("Cannot write file", error);
}

bool TextFile::fill() {
    if (atEnd_) return false;
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    position_ = 0;
    if (length_ == 0) {
        if (std::ferror(file_)) fail("Cannot read file", errno ? errno : EIO);
        atEnd_ = true;
        return false;
    }
    if (ctrlZEndsFile_) {
        const auto* ctrlZ = static_cast<const char*>(std::memchr(buffer_.data(), 26, length_));
        if (ctrlZ) {
            length_ = static_cast<size_t>(ctrlZ - buffer_.data());
            atEnd_ = true;
            return length_ > 0;
        }
    }
    return true;
}

bool TextFile::Eof() {
    if (!file_ || writing_) fail("Cannot read file", EBADF);
    return position_ == length_ && !fill();
}

std::string TextFile::ReadLine() {
    if (!file_ || writing_) fail("Cannot read file", EBADF);
    std::string line;
    while (position_ < length_ || fill()) {
        const char* start = buffer_.data() + position_;
        const size_t available = length_ - position_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
        const size_t take = newline ? static_cast<size_t>(newline - start) : available;
        line.append(start, take);
        position_ += take;
        if (newline) {
            ++position_;
            break;
        }
    }
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    return line;
}

void TextFile::WriteLine(const std::string& line) {
    if (!file_ || !writing_) fail("Cannot write file", EBADF);
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fwrite("\r\n", 1, 2, file_) != 2)
        fail("Cannot write file", errno);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(nativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFile(const std::string& path) {
    const std::string native = nativePath(path);
    if (filesHeldOpen().count(identity(native))) return false;
    return std::remove(native.c_str()) == 0;
}

}  // namespace tk
