#include "text_file.h"
#include "error.h"
#include "plain_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>

namespace tk {
namespace {

// The size of the blocks read from a file; a fuzzer builds this file with tiny blocks so that its
// short inputs cross their ends and chunks.
#ifdef TEXT_FILE_BLOCK_SIZE
constexpr size_t kBlockSize = TEXT_FILE_BLOCK_SIZE;
#else
constexpr size_t kBlockSize = 128 * 1024;
#endif
// Lines are passed by counting their line ends in chunks of this size while more than a chunk
// holds are still to pass, and while at least kCountedLines are: counting is faster than finding
// one line end after another, and a chunk counted in vain costs little beside that many lines.
constexpr size_t kChunkSize = std::min<size_t>(4096, kBlockSize / 2);
constexpr std::int64_t kCountedLines = 32;

// The number of LF bytes, counted in 8-bit sums over 16 lanes, which compilers turn into vector code.
size_t countLineEnds(const char* data, size_t size) {
    constexpr size_t kLanes = 16, kRun = 255 * kLanes;  // a lane's sum stays below 256
    size_t count = 0;
    while (size > 0) {
        const size_t run = std::min(size, kRun);
        unsigned char sums[kLanes] = {};
        size_t k = 0;
        for (; k + kLanes <= run; k += kLanes)
            for (size_t lane = 0; lane < kLanes; ++lane) sums[lane] += data[k + lane] == '\n';
        for (const unsigned char sum : sums) count += sum;
        for (; k < run; ++k) count += data[k] == '\n';
        data += run;
        size -= run;
    }
    return count;
}

// A line as the games see it: without its CR bytes.
void assignWithoutCr(std::string& line, const char* start, size_t size) {
    if (size > 0 && start[size - 1] == '\r') --size;  // the usual CR LF
    line.assign(start, size);
    if (std::memchr(line.data(), '\r', line.size())) line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
}

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
    forgetHeldOpen(name_);
}

void TextFile::Assign(const std::string& name) { name_ = nativePath(name); }

void TextFile::fail(const char* what, int error) const {
    throw fileError(what, name_, error);
}

void TextFile::Reset() {
    if (isOpen()) Close();
    startReading(openToRead(name_));
}

void TextFile::startReading(std::FILE* file) {
    file_ = file;
    writing_ = false;
    // A small file takes a buffer of its size and a byte more, which sees its end at the first
    // read; a file whose size cannot be told takes a whole block.
    struct stat info {};
    const bool sized = fstat(fileno(file_), &info) == 0;
    buffer_.resize(sized ? std::min(kBlockSize, static_cast<size_t>(info.st_size) + 1) : kBlockSize);
    position_ = length_ = 0;
    atEnd_ = false;
    filesHeldOpen().insert(identity(name_));
}

void TextFile::Rewrite() {
    if (isOpen()) Close();
    file_ = openPlainStream(name_, O_WRONLY | O_CREAT | O_TRUNC, "wb", "Cannot create file");
    writing_ = true;
    filesHeldOpen().insert(identity(name_));
}

void TextFile::RewriteAtomically() {
    if (isOpen()) Close();
    replacement_.emplace(name_);
}

bool TextFile::ResetForUpdate() {
    if (isOpen()) Close();
    FileReplacement replacement(name_);
    std::FILE* file = replacement.reopenToRead();
    replacement_.emplace(std::move(replacement));
    if (!file) return false;
    startReading(file);
    return true;
}

void TextFile::Close() {
    if (replacement_) {
        if (file_) closeReading();
        std::optional<FileReplacement> replacement = std::exchange(replacement_, std::nullopt);
        replacement->commit();
        return;
    }
    if (!file_) fail("Cannot close file", EBADF);
    if (!writing_) {
        closeReading();
        return;
    }
    std::FILE* file = std::exchange(file_, nullptr);
    forgetHeldOpen(name_);
    int error = 0;
    if (std::fflush(file) != 0) error = errno;
    if (std::fclose(file) != 0 && !error) error = errno;
    if (error) fail("Cannot write file", error);
}

void TextFile::closeReading() {
    std::FILE* file = std::exchange(file_, nullptr);
    forgetHeldOpen(name_);
    buffer_ = std::vector<char>();  // a block held by a closed file would only take memory
    if (std::fclose(file) != 0) fail("Cannot close file", errno);
}

// Moves the bytes not read yet to the front of the buffer, doubling it when they fill it (a line
// longer than a block), and reads more behind them. False when nothing more could be read.
bool TextFile::fill() {
    if (atEnd_) return false;
    const size_t unread = length_ - position_;
    if (position_ > 0) std::memmove(buffer_.data(), buffer_.data() + position_, unread);
    position_ = 0;
    length_ = unread;
    if (unread == buffer_.size()) buffer_.resize(2 * buffer_.size());
    char* const fresh = buffer_.data() + unread;
    size_t got = std::fread(fresh, 1, buffer_.size() - unread, file_);
    if (got == 0) {
        if (std::ferror(file_)) fail("Cannot read file", errno ? errno : EIO);
        atEnd_ = true;
        return false;
    }
    if (ctrlZEndsFile_) {
        if (const auto* ctrlZ = static_cast<const char*>(std::memchr(fresh, 26, got))) {
            got = static_cast<size_t>(ctrlZ - fresh);
            atEnd_ = true;
        }
    }
    length_ += got;
    return got > 0;
}

void TextFile::requireReading() const {
    if (!file_ || writing_) fail("Cannot read file", EBADF);
}

bool TextFile::Eof() {
    requireReading();
    return position_ == length_ && !fill();
}

// Finds the next line in the buffer, reading on as far as it reaches, and passes over it. False at
// the end of the file; a last line without a line break counts as a line.
bool TextFile::nextLine(const char*& start, size_t& size) {
    size_t searched = 0;  // bytes of the line already searched for its LF; kept by fill()
    for (;;) {
        const char* const begin = buffer_.data() + position_;
        const size_t available = length_ - position_;
        if (const auto* lf = static_cast<const char*>(std::memchr(begin + searched, '\n', available - searched))) {
            start = begin;
            size = static_cast<size_t>(lf - begin);
            position_ += size + 1;
            return true;
        }
        searched = available;
        if (!fill()) {
            if (available == 0) return false;
            start = buffer_.data() + position_;
            size = available;
            position_ = length_;
            return true;
        }
    }
}

std::string TextFile::ReadLine() {
    requireReading();
    std::string line;
    const char* start;
    size_t size;
    if (nextLine(start, size)) assignWithoutCr(line, start, size);
    return line;
}

std::int64_t TextFile::SkipLines(std::int64_t count, std::string* last) {
    requireReading();
    std::int64_t skipped = 0;
    while (skipped < count) {
        skipped += passBufferedLines(count - skipped, last);
        if (skipped == count) break;
        // What is left in the buffer is the start of a line; passing it reads the next block.
        const char* start;
        size_t size;
        if (!nextLine(start, size)) break;
        if (last) assignWithoutCr(*last, start, size);
        ++skipped;
    }
    return skipped;
}

// Passes over up to `count` of the lines that end in the buffer and returns how many it passed.
std::int64_t TextFile::passBufferedLines(std::int64_t count, std::string* last) {
    const char* const begin = buffer_.data() + position_;
    const char* const end = buffer_.data() + length_;
    const char* from = begin;
    const char* lastEnd = nullptr;  // the LF of the last line passed
    std::int64_t left = count;
    // Far from the last line to pass, whole chunks are passed by counting their line ends.
    while (left >= kCountedLines && end - from >= static_cast<std::ptrdiff_t>(kChunkSize)) {
        const auto ends = static_cast<std::int64_t>(countLineEnds(from, kChunkSize));
        if (ends >= left) break;
        if (ends > 0) lastEnd = static_cast<const char*>(memrchr(from, '\n', kChunkSize));
        left -= ends;
        from += kChunkSize;
    }
    // Near it, line end after line end.
    for (; left > 0; --left) {
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(end - from)));
        if (!lf) break;
        lastEnd = lf;
        from = lf + 1;
    }
    if (!lastEnd) return 0;
    if (last) {
        const auto* previous = static_cast<const char*>(memrchr(begin, '\n', static_cast<size_t>(lastEnd - begin)));
        const char* start = previous ? previous + 1 : begin;
        assignWithoutCr(*last, start, static_cast<size_t>(lastEnd - start));
    }
    position_ = static_cast<size_t>(lastEnd + 1 - buffer_.data());
    return count - left;
}

void TextFile::WriteLine(const std::string& line) {
    if (replacement_) {
        replacement_->append(line + "\r\n");
        return;
    }
    if (!file_ || !writing_) fail("Cannot write file", EBADF);
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fwrite("\r\n", 1, 2, file_) != 2)
        fail("Cannot write file", errno);
}

bool FileExists(const std::string& path) {
    const std::string native = nativePath(path);
    // A file held open exists for the program even when its name has been removed on disk, as
    // open files cannot be deleted where the games were designed.
    if (filesHeldOpen().count(identity(native))) return true;
    struct stat info {};
    return stat(native.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFile(const std::string& path) {
    const std::string native = nativePath(path);
    if (filesHeldOpen().count(identity(native))) return false;
    return std::remove(native.c_str()) == 0;
}

}  // namespace tk
