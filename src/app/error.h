#pragma once

#include <stdexcept>
#include <string>

namespace zarn {

// An error that ends the handler it is raised in; its text is shown to the user in a message box
// and the program goes on with the next event.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

} // namespace zarn
