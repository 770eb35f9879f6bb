#include "app/ScreenFactory.h"

namespace tolvane {

QWidget* ScreenFactory::makeWidget(std::shared_ptr<Screen> model, ScreenContext& context) const {
    if (!model) return nullptr;
    auto it = widgets_.find(std::type_index(typeid(*model)));
    return it == widgets_.end() ? nullptr : it->second(std::move(model), context);
}

void ScreenFactory::setRoot(int tab, RootMaker maker) {
    roots_[tab] = std::move(maker);
}

const RootMaker& ScreenFactory::root(int tab) const {
    static const RootMaker none;
    auto it = roots_.find(tab);
    return it == roots_.end() ? none : it->second;
}

} // namespace tolvane
