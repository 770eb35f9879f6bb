// The food diary (tab 4): the day, an entry, the week and month charts.
#include "app/Tab.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AreaScreens.h"
#include "screens/diary/DiaryChartWidget.h"
#include "screens/diary/DiaryDayWidget.h"
#include "screens/diary/DiaryEntryWidget.h"

namespace tolvane {

void registerDiaryScreens(ScreenFactory& factory) {
    factory.setRoot(kDiaryTab, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        return std::make_shared<DiaryDayVC>(c.platform, c.delegate.getDBObj(), c.navigation);
    });
    factory.registerWidget<DiaryDayVC, DiaryDayWidget>();
    factory.registerWidget<DiaryEntryVC, DiaryEntryWidget>();
    factory.registerWidget<DiaryChartVC, DiaryChartWidget>();
}

} // namespace tolvane
