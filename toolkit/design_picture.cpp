// The pictures stored with the windows' design: the program's Qt resources under ":/design/",
// decoded through the JPEG codec.
#include "controls.h"
#include "error.h"
#include "jpeg.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace tk {
namespace {

QString storedPath(std::string_view name) { return ":/design/" + QString::fromUtf8(name.data(), qsizetype(name.size())); }

QImage decodeStored(std::string_view name) {
    QFile file(storedPath(name));
    if (!file.open(QIODevice::ReadOnly)) throw Error("The picture \"" + std::string(name) + "\" is missing from the program");
    const QByteArray bytes = file.readAll();
    return jpeg::decode({reinterpret_cast<const unsigned char*>(bytes.data()), std::size_t(bytes.size())}, std::string(name));
}

}  // namespace

// One picture's decode, done once by whichever thread claims it first.
struct DesignPicture::Decoding {
    explicit Decoding(std::string_view name) : name(name) {}

    void decodeUnlessClaimed() {
        if (claimed.exchange(true)) return;
        try {
            decoded.set_value(decodeStored(name));
        } catch (...) {
            // Raised where the picture is needed, as a decode there would.
            decoded.set_exception(std::current_exception());
        }
    }

    const std::string name;
    std::atomic<bool> claimed = false;
    std::promise<QImage> decoded;
    const std::shared_future<QImage> image = decoded.get_future().share();
};

DesignPicture::operator QImage() const {
    // A picture whose turn on the decoding thread has not come is decoded here at once.
    decoding_->decodeUnlessClaimed();
    return decoding_->image.get();
}

struct DesignPictureSharing::Decoder {
    Decoder() {
        for (const QString& name : QDir(":/design").entryList())
            pictures.push_back(std::make_shared<DesignPicture::Decoding>(name.toStdString()));
        // The largest first: it takes longest, and is the likeliest to be drawn before it is done.
        auto order = pictures;
        std::ranges::stable_sort(order, std::greater{}, [](const auto& picture) { return QFile(storedPath(picture->name)).size(); });
        worker = std::thread([order = std::move(order)] {
            for (const auto& picture : order) picture->decodeUnlessClaimed();
        });
    }
    ~Decoder() { worker.join(); }

    std::vector<std::shared_ptr<DesignPicture::Decoding>> pictures;
    std::thread worker;
};

DesignPictureSharing::Decoder* DesignPictureSharing::active_ = nullptr;

DesignPictureSharing::DesignPictureSharing() {
    if (active_) return;
    decoder_ = std::make_unique<Decoder>();
    active_ = decoder_.get();
}

DesignPictureSharing::~DesignPictureSharing() {
    if (decoder_) active_ = nullptr;
}

DesignPicture designPicture(const char* name) {
    if (DesignPictureSharing::active_)
        for (const auto& picture : DesignPictureSharing::active_->pictures)
            if (picture->name == name) return DesignPicture(picture);
    if (!QFile::exists(storedPath(name))) throw Error("The picture \"" + std::string(name) + "\" is missing from the program");
    return DesignPicture(std::make_shared<DesignPicture::Decoding>(name));
}

}  // namespace tk
