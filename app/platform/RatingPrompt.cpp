#include "app/platform/RatingPrompt.h"

#include <utility>

namespace tolvane {
namespace {
// The prompt's buttons, in the order shown.
enum class RatingAnswer { NoThanks = 0, RateNow = 1 };
} // namespace
RatingPrompt::RatingPrompt(UserDefaults& defaults, Alerts& alerts, UrlOpener& urls,
                           std::string rateAddress)
    : defaults_(defaults), alerts_(alerts), urls_(urls), rateAddress_(std::move(rateAddress)) {}

void RatingPrompt::configure(std::string storeId, bool debug, std::string titleKey,
                             std::string messageKey, std::string cancelKey, std::string rateKey) {
    storeId_ = std::move(storeId);
    debug_ = debug;
    title_ = std::move(titleKey);
    message_ = std::move(messageKey);
    cancel_ = std::move(cancelKey);
    rate_ = std::move(rateKey);
}

int RatingPrompt::daysUsed() const {
    return defaults_.ratingPromptDays();
}

std::string RatingPrompt::rateAddress() const {
    std::string address = rateAddress_;
    if (auto at = address.find("{id}"); at != std::string::npos) address.replace(at, 4, storeId_);
    return address;
}

void RatingPrompt::applicationLaunched(const std::string& today) {
    if (defaults_.ratingPromptLastDay() != today) {
        defaults_.setRatingPromptLastDay(today);
        defaults_.setRatingPromptDays(daysUsed() + 1);
        defaults_.synchronize();
    }
    if (askedThisRun_ || defaults_.ratingPromptDeclined() || defaults_.ratingPromptRated()) return;
    if (!debug_ && daysUsed() < daysBeforePrompt) return;
    askedThisRun_ = true;
    alerts_.show({title_, message_, {cancel_, rate_}}, [this](int button) {
        const auto answer = static_cast<RatingAnswer>(button);
        if (answer == RatingAnswer::NoThanks) {
            defaults_.setRatingPromptDeclined(true);
        } else if (answer == RatingAnswer::RateNow) {
            defaults_.setRatingPromptRated(true);
            urls_.open(rateAddress());
        }
        defaults_.synchronize();
    });
}

} // namespace tolvane
