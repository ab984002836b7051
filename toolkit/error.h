#pragma once
#include <cstring>
#include <stdexcept>
#include <string>

namespace tk {

// Every failure in the games is thrown as an Error; the one handler dispatcher shows its message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed file operation in the layer's wording: what failed, the file's name and the cause.
inline Error fileError(const std::string& what, const std::string& name, int error) {
    return Error(what + " \"" + name + "\": " + std::strerror(error));
}

}  // namespace tk
