// How screens plug into the shell.
//
//   ScreenFactory::registerWidget<SearchVC, SearchWidget>(), or registerWidget<SearchVC>(maker)
//   for a widget made otherwise: a model of that class, pushed on a tab's
//   Navigation, is shown by the QWidget that maker returns for it (the stack owns the widget
//   and keeps the model alive while it is shown). The class is the key, so a screen that is
//   not there cannot be named.
//   ScreenFactory::setRoot(tab, maker): the root model of a tab (app/Tab.h), made the first time
//   the tab is shown (so first-launch hints see the registered defaults).
//   ScreenFactory::setLandscape(maker): the widget Tolvane_AppDelegate::showLandscapeView()
//   puts in place of the tabs (the window then turns to 480 x 320).
//
// A widget tells the navigation bar what to show with plain Qt: windowTitle() is the title;
// QActions added to it with the property "navigationBarSide" = "left" or "right" become bar
// buttons (icon and text of the action); the property "hidesBackButton" = true hides the back
// button. Pictures load with QIcon("pictures:<name>.svg"); every other service is in
// ScreenContext. Each screen area registers in app/registration/ (see AreaScreens.h).
#pragma once

#include "platform/DeviceOrientation.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "store/Rows.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace tolvane {

class Pictures;
class Tolvane_AppDelegate;

struct ScreenContext {
    Platform platform;
    Navigation& navigation; // the stack the screen lives on
    Pictures& pictures;
    Tolvane_AppDelegate& delegate; // getDBObj(), the landscape slots, the server address
};

using WidgetMaker = std::function<QWidget*(std::shared_ptr<Screen>, ScreenContext&)>;
using RootMaker = std::function<std::shared_ptr<Screen>(ScreenContext&)>;
using LandscapeMaker = std::function<QWidget*(const ProductRecord& product,
                                              DeviceOrientation orientation, ScreenContext&)>;

class ScreenFactory {
public:
    // maker: QWidget*(std::shared_ptr<Model>, ScreenContext&).
    template <typename Model, typename Maker> void registerWidget(Maker maker) {
        static_assert(std::is_base_of_v<Screen, Model>, "a screen model derives from Screen");
        widgets_[std::type_index(typeid(Model))] =
            [maker = std::move(maker)](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return maker(std::static_pointer_cast<Model>(std::move(s)), c);
        };
    }
    // The usual widget, made from its model and the string tables.
    template <typename Model, typename Widget> void registerWidget() {
        registerWidget<Model>([](std::shared_ptr<Model> s, ScreenContext& c) -> QWidget* {
            return new Widget(std::move(s), c.platform.strings);
        });
    }
    // Null when nothing is registered for the model's class (the stack then shows a label).
    QWidget* makeWidget(std::shared_ptr<Screen> model, ScreenContext& context) const;

    void setRoot(int tab, RootMaker maker);
    const RootMaker& root(int tab) const;

    void setLandscape(LandscapeMaker maker) { landscape_ = std::move(maker); }
    const LandscapeMaker& landscape() const { return landscape_; }

private:
    std::map<std::type_index, WidgetMaker> widgets_;
    std::map<int, RootMaker> roots_;
    LandscapeMaker landscape_;
};

} // namespace tolvane
