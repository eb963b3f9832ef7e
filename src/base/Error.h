#pragma once

#include <stdexcept>
#include <string>

namespace pondus {

// The one error type of the core. Its message is the text the operator sees,
// worded as the window or the terminal shows it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace pondus
