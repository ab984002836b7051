// Kept apart: embeddedFile() is defined by each program's generated table of design pictures.
#include "controls.h"
#include "embedded.h"
#include "error.h"
#include "jpeg.h"

namespace tk {

QImage designPicture(const char* name) {
    const auto bytes = embeddedFile(name);
    if (bytes.empty()) throw Error(std::string("The picture \"") + name + "\" is missing from the program");
    return jpeg::decode(bytes, name);
}

}  // namespace tk
