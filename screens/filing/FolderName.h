// The name a menu folder shows: seed folders show the string-table text of their name, others
// the name as typed.
#pragma once

#include "platform/Strings.h"
#include "store/Rows.h"

#include <string>

namespace tolvane {

std::string folderDisplayName(const FolderRow& folder, const Strings& strings);

} // namespace tolvane
