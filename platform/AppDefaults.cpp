#include "platform/AppDefaults.h"

namespace tolvane {

const char* AppDefaults::keyOf(FirstLaunchHint hint) {
    switch (hint) {
    case FirstLaunchHint::Search:
        return kFirstLaunchSearch;
    case FirstLaunchHint::GDA:
        return kFirstLaunchGDA;
    case FirstLaunchHint::MenuList:
        return kFirstLaunchMenuList;
    case FirstLaunchHint::Setup:
        return kFirstLaunchSetup;
    }
    return kFirstLaunchSearch;
}

void AppDefaults::registerFirstLaunchHints() {
    defaults_.registerDefaults({{kFirstLaunchSearch, true},
                                {kFirstLaunchGDA, true},
                                {kFirstLaunchMenuList, true},
                                {kFirstLaunchSetup, true}});
}

void AppDefaults::writeBack(const char* key) {
    if (auto value = defaults_.stored(key)) defaults_.store(key, *value);
}

} // namespace tolvane
