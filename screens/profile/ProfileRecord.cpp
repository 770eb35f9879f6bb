#include "screens/profile/ProfileRecord.h"

#include "nutrition/NumberText.h"

namespace tolvane {

ProfileRecord ProfileRecord::seed() {
    return {"F", "30", "165", "57", "20.9", "59.9", "2", "2000", "5.4", "126", "metric"};
}

ProfileRecord ProfileRecord::fromRecords(const std::vector<std::string>& records) {
    if (records.empty()) return seed();
    const auto f = splitFields(records.front());
    if (f.size() < 11) return seed();
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]};
}

} // namespace tolvane
