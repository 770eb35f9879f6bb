// The screenshot tool's diary shots, taken from the folder summary the planner's shots end on.
#pragma once

#include <QString>

#include <functional>

namespace tolvane {

class TabShell;

// The summary's folder is logged as eaten today; then the day, one of its entries, the week with
// a nutrient chosen beside the energy, and the month. Leaves the planner's folder list on top.
void shootDiary(TabShell& tabs, const std::function<void(const QString&)>& shot);

} // namespace tolvane
