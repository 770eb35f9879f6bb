#include "store/Rows.h"

#include "text/IntegerValue.h"

namespace tolvane {

bool ProductRecord::favourite() const {
    return integerValue(favFlag) == 1;
}

ProfileRow ProfileRow::seed() {
    return {"F", "30", "165", "57", "20.9", "59.9", "2", "2000", "5.4", "126", "metric"};
}

} // namespace tolvane
