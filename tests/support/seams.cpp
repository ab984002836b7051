#include "seams.h"
#include "toolkit/jpeg.h"
#include "toolkit/random.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <cstdlib>

namespace testing_support {

RecordingErrorBox::RecordingErrorBox() { tk::setErrorBox(this); }
RecordingErrorBox::~RecordingErrorBox() { tk::setErrorBox(nullptr); }

void RecordingErrorBox::show(const std::string& message) {
    messages.push_back(message);
    deepest = std::max(deepest, ++depth_);
    if (onClose) onClose(message);
    --depth_;
}

RecordingWaiter::RecordingWaiter() { tk::setWaiter(this); }
RecordingWaiter::~RecordingWaiter() { tk::setWaiter(nullptr); }

TempFolder::TempFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quiztest.XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QImage decodedDesignPicture(const char* name) {
    QFile file(QString(":/design/") + name);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(std::string(name) + " is not stored with the program");
    const QByteArray bytes = file.readAll();
    return tk::jpeg::decode({reinterpret_cast<const unsigned char*>(bytes.data()), std::size_t(bytes.size())}, name);
}

void fixSeed(std::uint64_t seed) {
    tk::setSeedSource([seed] { return seed; });
    tk::Randomize();
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

void idle(int milliseconds) { waitUntil([] { return false; }, milliseconds); }

}  // namespace testing_support
