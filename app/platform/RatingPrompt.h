// Asks the user once to rate the application, after it has been started on ten different
// days. "No, Thanks" and "Rate It Now" are both remembered for good.
#pragma once

#include "platform/Alerts.h"
#include "platform/AppDefaults.h"
#include "platform/UrlOpener.h"

#include <string>

namespace tolvane {

class RatingPrompt {
public:
    static constexpr int daysBeforePrompt = 10;

    // rateAddress: opened by "Rate It Now"; "{id}" in it is replaced by the store identifier.
    RatingPrompt(UserDefaults& defaults, Alerts& alerts, UrlOpener& urls, std::string rateAddress);

    // Texts are string-table keys. In debug mode the prompt comes on every start.
    void configure(std::string storeId, bool debug, std::string titleKey, std::string messageKey,
                   std::string cancelKey, std::string rateKey);

    // Counts the day (ISO date "YYYY-MM-DD") and asks when it is time.
    void applicationLaunched(const std::string& today);

    int daysUsed() const;
    std::string rateAddress() const;

private:
    AppDefaults defaults_;
    Alerts& alerts_;
    UrlOpener& urls_;
    std::string rateAddress_;
    std::string storeId_;
    bool debug_ = false;
    std::string title_, message_, cancel_, rate_;
    bool askedThisRun_ = false;
};

} // namespace tolvane
