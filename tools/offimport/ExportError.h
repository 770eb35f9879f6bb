#pragma once

#include <stdexcept>
#include <string>

namespace tolvane {

// An export that cannot be read at all (missing, unreadable, no header); what() is the message
// for the user. Bad lines inside a readable export are counted, never thrown.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace tolvane
