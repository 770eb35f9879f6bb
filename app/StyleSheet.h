// The one style sheet of the application.
#pragma once

#include <QString>

namespace tolvane {

QString styleSheet();

} // namespace tolvane
