// The meal planner (tab 1): menu folders, a new folder, a folder's products, the consumption
// editor and the folder summary.
#include "app/Tab.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AreaScreens.h"
#include "screens/planner/AddMenuFolderWidget.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/planner/ProductDetailPortraitWidget.h"

#include <QEvent>
#include <QPointer>

namespace tolvane {

namespace {

// Hides the tab bar while the watched screen is shown (the folder summary has no tabs).
class TabBarHider : public QObject {
public:
    TabBarHider(QWidget* screen, TabShell* shell) : QObject(screen), shell_(shell) {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
        if (QWidget* bar = shell_ ? shell_->findChild<QWidget*>("tabBar") : nullptr)
            bar->setVisible(event->type() == QEvent::Hide);
        return false;
    }

private:
    QPointer<TabShell> shell_;
};

} // namespace

void registerPlannerScreens(ScreenFactory& factory) {
    factory.setRoot(kMenuListTab, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        CatalogueService* catalogue = &c.delegate.catalogueService();
        PlannerHost host{[catalogue] { return catalogue->storingPage(); }};
        return std::make_shared<MenuFolderVC>(c.platform, c.delegate.getDBObj(), c.navigation,
                                              std::move(host));
    });
    factory.registerWidget<MenuFolderVC, MenuFolderWidget>();
    factory.registerWidget<AddMenuFolderVC, AddMenuFolderWidget>();
    factory.registerWidget<FavoriteVCFolderNew, FavoriteVCFolderNewWidget>();
    factory.registerWidget<NewEditConsumptionVC, NewEditConsumptionWidget>();
    factory.registerWidget<ProductDetailPortraitVC>(
        [](std::shared_ptr<ProductDetailPortraitVC> s, ScreenContext& c) -> QWidget* {
            auto* widget = new ProductDetailPortraitWidget(s, c.platform.strings);
            if (ProductDetailPortraitVC::hidesTabBar())
                new TabBarHider(widget, c.delegate.tabBarVC());
            return widget;
        });
}

} // namespace tolvane
