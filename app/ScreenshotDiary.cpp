#include "app/ScreenshotDiary.h"

#include "app/NavigationStack.h"
#include "app/ScreenshotSupport.h"
#include "app/Tab.h"
#include "app/TabShell.h"
#include "screens/common/TableRow.h"
#include "screens/diary/DiaryChartWidget.h"
#include "screens/diary/DiaryDayWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/ProductDetailPortraitWidget.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

namespace tolvane {

void shootDiary(TabShell& tabs, const std::function<void(const QString&)>& shot) {
    NavigationStack& stack = *tabs.stack(kMenuListTab);
    if (auto* summary = qobject_cast<ProductDetailPortraitWidget*>(stack.topWidget())) {
        summary->eatFolderAction()->trigger();
        settle();
        answer();
        stack.pop();
        settle();
    }
    auto* folders = qobject_cast<MenuFolderWidget*>(stack.topWidget());
    if (!folders) return;
    emit folders->diaryRow()->clicked();
    settle();
    auto* day = qobject_cast<DiaryDayWidget*>(stack.topWidget());
    if (!day) return;
    shot("diary-day");
    for (int meal = 0; meal < kMealCount; ++meal)
        if (!day->model()->entries(static_cast<Meal>(meal)).empty()) {
            day->model()->openEntry(static_cast<Meal>(meal), 0);
            shot("diary-entry");
            stack.pop();
            break;
        }
    settle();
    day->weekButton()->click();
    if (auto* week = qobject_cast<DiaryChartWidget*>(stack.topWidget())) {
        QComboBox* box = week->nutrientBox();
        box->setCurrentIndex(box->findData(static_cast<int>(DayNutrient::Sugar)));
        emit box->activated(box->currentIndex());
        shot("diary-week");
        stack.pop();
    }
    settle();
    day->monthButton()->click();
    shot("diary-month");
    stack.pop();
    settle();
    stack.pop();
    settle();
}

} // namespace tolvane
