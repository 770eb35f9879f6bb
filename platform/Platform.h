// What the host gives every screen model and service: one bundle of the platform interfaces.
#pragma once

#include "Alerts.h"
#include "Analytics.h"
#include "AppDefaults.h"
#include "Dispatcher.h"
#include "Log.h"
#include "Strings.h"
#include "UrlOpener.h"
#include "UserDefaults.h"

namespace tolvane {

struct Platform {
    UserDefaults& defaults;
    Strings& strings;
    Alerts& alerts;
    Analytics& analytics;
    Log& log;
    Dispatcher& dispatcher;
    UrlOpener& urls;

    AppDefaults appDefaults() const { return AppDefaults(defaults); }
};

// Every fake in one place, for tests.
struct FakePlatform {
    MemoryUserDefaults defaults;
    MemoryStrings strings;
    FakeAlerts alerts;
    MemoryAnalytics analytics;
    MemoryLog log;
    ManualDispatcher dispatcher;
    FakeUrlOpener urls;

    Platform platform() { return {defaults, strings, alerts, analytics, log, dispatcher, urls}; }
};

} // namespace tolvane
