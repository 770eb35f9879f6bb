// The four tabs, in the order of the tab bar. Plain ints on purpose: the shell loops over them.
#pragma once

namespace tolvane {

enum Tab : int {
    kSearchTab = 0,     // "Suche": the product list
    kMenuListTab = 1,   // "Menu List": the meal planner
    kCategoriesTab = 2, // "Kategorien"
    kSetupTab = 3,      // "Setup": the settings
};

} // namespace tolvane
