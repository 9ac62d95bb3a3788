#pragma once

#include <stdexcept>
#include <string>

namespace tarnell {

// A failure the user is told about: the text is shown as it stands.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tarnell
