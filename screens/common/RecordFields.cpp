#include "screens/common/RecordFields.h"

namespace tolvane {

std::vector<std::string> splitRecord(const std::string& record, char separator) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        auto end = record.find(separator, start);
        if (end == std::string::npos) {
            fields.push_back(record.substr(start));
            return fields;
        }
        fields.push_back(record.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace tolvane
