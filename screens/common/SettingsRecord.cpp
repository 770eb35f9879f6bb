#include "screens/common/SettingsRecord.h"

#include "nutrition/NumberText.h"

namespace tolvane {

SettingsRecord SettingsRecord::parse(std::string_view record) {
    auto fields = splitFields(record);
    fields.resize(std::max<std::size_t>(fields.size(), 3));
    return {fields[0], fields[1], fields[2]};
}

SettingsRecord SettingsRecord::first(const std::vector<std::string>& records) {
    return records.empty() ? SettingsRecord{} : parse(records.front());
}

} // namespace tolvane
