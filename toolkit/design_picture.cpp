// Kept apart: embeddedFile() is defined by each program's generated table of design pictures.
#include "controls.h"
#include "embedded.h"
#include "error.h"
#include "jpeg.h"

namespace tk {
namespace {

QImage decodeDesignPicture(const char* name) {
    const auto bytes = embeddedFile(name);
    if (bytes.empty()) throw Error(std::string("The picture \"") + name + "\" is missing from the program");
    return jpeg::decode(bytes, name);
}

}  // namespace

QImage designPicture(const char* name) {
    if (!DesignPictureSharing::active_) return decodeDesignPicture(name);
    auto& pictures = DesignPictureSharing::active_->pictures_;
    const auto known = pictures.find(std::string_view(name));
    if (known != pictures.end()) return known->second;
    return pictures.emplace(name, decodeDesignPicture(name)).first->second;
}

}  // namespace tk
