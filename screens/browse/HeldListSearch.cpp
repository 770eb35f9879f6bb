#include "screens/browse/HeldListSearch.h"

#include "store/LikePattern.h"

#include <string_view>

namespace tolvane {

std::vector<std::string> searchHeldList(const std::vector<std::string>& listRecords,
                                        const std::string& typed) {
    const LikePattern pattern(typed + "%");
    std::vector<std::string> found;
    for (const std::string& record : listRecords) {
        const std::size_t first = record.find('|');
        const std::size_t last = record.rfind('|');
        if (first == std::string::npos || first == last) continue;
        const std::string_view row(record);
        const std::string_view name = row.substr(0, first);
        const std::string_view maker = row.substr(first + 1, last - first - 1);
        if (!pattern.matches(name) && !pattern.matches(maker)) continue;
        std::string hit;
        hit.reserve(record.size());
        hit.append(name).append(row.substr(last)).append("|").append(maker);
        found.push_back(std::move(hit));
    }
    return found;
}

} // namespace tolvane
