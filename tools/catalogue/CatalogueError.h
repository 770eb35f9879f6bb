#pragma once

#include <stdexcept>
#include <string>

namespace tolvane {

// A source or output problem that stops the catalogue build; what() is the message for the user.
class CatalogueError : public std::runtime_error {
public:
    explicit CatalogueError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace tolvane
