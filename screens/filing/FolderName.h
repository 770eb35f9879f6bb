// The name a menu folder shows: seed folders show the string-table text of their name, others
// the name as typed.
#pragma once

#include "platform/Strings.h"
#include "store/Rows.h"

#include <string>
#include <string_view>

namespace tolvane {

std::string folderDisplayName(const FolderRow& folder, const Strings& strings);

// Whether two shown names stand for the same folder to a reader: case and accents do not count
// ("diner" and "Dîner"), as search compares them.
bool sameFolderName(std::string_view a, std::string_view b);

} // namespace tolvane
