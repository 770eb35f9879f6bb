// std::string (UTF-8) to QString, for the texts the models hand to widgets.
#pragma once

#include <QString>

#include <string>

namespace tolvane {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace tolvane
