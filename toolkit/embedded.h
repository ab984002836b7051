#pragma once
// Files compiled into a program (the pictures stored with its windows' design).
#include <span>
#include <string_view>
#include <vector>

namespace tk {

// The bytes of the embedded file with this name, or an empty span when there is none.
std::span<const unsigned char> embeddedFile(std::string_view name);
// The names of the embedded files, in the order they are stored.
std::vector<std::string_view> embeddedFileNames();

}  // namespace tk
