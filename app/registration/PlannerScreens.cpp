// The meal planner (tab 1): menu folders, a new folder, a folder's products, the consumption
// editor and the folder summary.
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
    factory.setRoot(1, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        CatalogueService* catalogue = &c.delegate.catalogueService();
        PlannerHost host{[catalogue] { return catalogue->storingPage(); }};
        return std::make_shared<MenuFolderVC>(c.platform, c.delegate.getDBObj(), c.navigation,
                                              std::move(host));
    });
    factory.registerWidget("MenuFolderVC",
                           [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
                               return new MenuFolderWidget(
                                   std::static_pointer_cast<MenuFolderVC>(s), c.platform.strings);
                           });
    factory.registerWidget(
        "AddMenuFolderVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new AddMenuFolderWidget(std::static_pointer_cast<AddMenuFolderVC>(s),
                                           c.platform.strings);
        });
    factory.registerWidget(
        "FavoriteVCFolderNew", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new FavoriteVCFolderNewWidget(std::static_pointer_cast<FavoriteVCFolderNew>(s),
                                                 c.platform.strings);
        });
    factory.registerWidget(
        "NewEditConsumptionVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new NewEditConsumptionWidget(std::static_pointer_cast<NewEditConsumptionVC>(s),
                                                c.platform.strings);
        });
    factory.registerWidget(
        "ProductDetailPortraitVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            auto* widget = new ProductDetailPortraitWidget(
                std::static_pointer_cast<ProductDetailPortraitVC>(s), c.platform.strings);
            if (ProductDetailPortraitVC::hidesTabBar())
                new TabBarHider(widget, c.delegate.tabBarVC());
            return widget;
        });
}

} // namespace tolvane
