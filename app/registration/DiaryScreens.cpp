// The food diary, opened from the planner's tab: the day, an entry, the week and month charts.
#include "app/registration/AreaScreens.h"
#include "screens/diary/DiaryChartWidget.h"
#include "screens/diary/DiaryDayWidget.h"
#include "screens/diary/DiaryEntryWidget.h"

namespace tolvane {

void registerDiaryScreens(ScreenFactory& factory) {
    factory.registerWidget<DiaryDayVC, DiaryDayWidget>();
    factory.registerWidget<DiaryEntryVC, DiaryEntryWidget>();
    factory.registerWidget<DiaryChartVC, DiaryChartWidget>();
}

} // namespace tolvane
