// The services of one run: options, the Qt side of the platform interfaces, pictures.
// Built in start-up order by create(), which also fixes the interface language.
#pragma once

#include "app/AppOptions.h"
#include "app/platform/QtAlerts.h"
#include "app/platform/QtDispatcher.h"
#include "app/platform/QtStrings.h"
#include "app/platform/QtUserDefaults.h"
#include "platform/Platform.h"
#include "screens/common/Pictures.h"
#include "screens/settings/LinkRule.h"
#include "store/StoreLocations.h"

#include <memory>

namespace tolvane {

struct AppContext {
    AppOptions options;
    QString language;
    DefaultsList devicePreferred; // the device's own language list, as given to create()
    std::unique_ptr<Log> log;
    std::unique_ptr<QtUserDefaults> defaults;
    std::unique_ptr<QtStrings> strings;
    std::unique_ptr<QtAlerts> alerts;
    std::unique_ptr<Analytics> analytics;
    std::unique_ptr<QtDispatcher> dispatcher;
    std::unique_ptr<UrlOpener> urls;
    std::unique_ptr<Pictures> pictures;

    Platform platform();
    StoreLocations locations() const;
    LinkTargets links() const;

    // Runs the entry step (unless options.language is set) and loads the string table.
    static std::unique_ptr<AppContext> create(AppOptions options, std::unique_ptr<Log> log,
                                              const DefaultsList& deviceLanguages);
    // The system locale's interface languages as two-letter codes.
    static DefaultsList deviceLanguages();
};

} // namespace tolvane
