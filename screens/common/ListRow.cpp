#include "screens/common/ListRow.h"

#include "nutrition/NumberText.h"

namespace tolvane {

ListRow ListRow::parse(std::string_view record, ListRecordLayout layout) {
    auto fields = splitFields(record);
    fields.resize(std::max<std::size_t>(fields.size(), 3));
    const bool idSecond = layout == ListRecordLayout::NameIdMaker;
    return {fields[0], idSecond ? fields[2] : fields[1], idSecond ? fields[1] : fields[2]};
}

std::string_view ListRow::nameOf(std::string_view record) {
    return record.substr(0, record.find('|'));
}

} // namespace tolvane
