// Kept apart: embeddedFile() is defined by each program's generated table of design pictures.
#include "controls.h"
#include "embedded.h"
#include "error.h"
#include "jpeg.h"

#include <atomic>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace tk {
namespace {

QImage decodeDesignPicture(std::string_view name) {
    const std::string text(name);
    const auto bytes = embeddedFile(name);
    if (bytes.empty()) throw Error("The picture \"" + text + "\" is missing from the program");
    return jpeg::decode(bytes, text);
}

}  // namespace

struct DesignPictureSharing::Decoder {
    struct Picture {
        std::string_view name;
        std::promise<QImage> decoded;
        std::shared_future<QImage> image = decoded.get_future().share();
    };

    Decoder() {
        const auto names = embeddedFileNames();
        pictures = std::vector<Picture>(names.size());
        for (std::size_t i = 0; i < names.size(); ++i) pictures[i].name = names[i];
        worker = std::thread([this] {
            for (Picture& picture : pictures) {
                if (stopping) return;
                try {
                    picture.decoded.set_value(decodeDesignPicture(picture.name));
                } catch (...) {
                    // Raised where a window asks for the picture, as a decode there would.
                    picture.decoded.set_exception(std::current_exception());
                }
            }
        });
    }
    ~Decoder() {
        stopping = true;
        worker.join();
    }

    std::vector<Picture> pictures;
    std::atomic<bool> stopping = false;
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

QImage designPicture(const char* name) {
    if (DesignPictureSharing::active_)
        for (const auto& picture : DesignPictureSharing::active_->pictures)
            if (picture.name == name) return picture.image.get();
    return decodeDesignPicture(name);
}

}  // namespace tk
