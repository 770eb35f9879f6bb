// Splitting a record string of the data store into its fields.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

std::vector<std::string> splitRecord(const std::string& record, char separator = '|');

} // namespace tolvane
