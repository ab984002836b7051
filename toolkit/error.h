#pragma once
#include <stdexcept>
#include <string>

namespace tk {

// Every failure in the games is thrown as an Error; the one handler dispatcher shows its message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tk
