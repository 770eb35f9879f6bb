// Turning a picker wheel as a user does: clicks on the rows above or below until the wanted
// row is in view, then a click on it.
#pragma once

#include "screens/common/WheelPicker.h"
#include "tests/support/WidgetTaps.h"

namespace tolvane::test {

inline bool tapWheelRow(WheelPicker* wheel, const QString& title) {
    const int row = int(wheel->rows().indexOf(title));
    if (row < 0 || !reachable(wheel)) return false;
    for (int guard = 0; wheel->rowRect(row).isEmpty() && guard < 200; ++guard) {
        const int step = row > wheel->currentRow() ? 2 : -2;
        tapAt(wheel, wheel->rowRect(wheel->currentRow() + step).center());
    }
    tapAt(wheel, wheel->rowRect(row).center());
    return wheel->currentRow() == row;
}

} // namespace tolvane::test
