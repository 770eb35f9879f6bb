#include "Strings.h"

namespace tolvane {

std::string MemoryStrings::text(const std::string& key) const {
    auto it = texts_.find(key);
    return it == texts_.end() ? key : it->second;
}

} // namespace tolvane
