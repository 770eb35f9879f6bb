#include "tools/sync/ConsoleListener.h"

#include <charconv>

namespace tolvane {

namespace {
std::string decimal(long long value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
} // namespace

void ConsoleListener::progress(int storedProducts, int totalProducts, int page, int pages) {
    out_ << "page " << decimal(page) << "/" << decimal(pages) << ": " << decimal(storedProducts)
         << " of " << decimal(totalProducts) << " products\n"
         << std::flush;
}

void ConsoleListener::updateFinished(UpdateOutcome outcome) {
    outcome_ = outcome;
    out_ << "finished: " << name(outcome) << "\n" << std::flush;
}

const char* ConsoleListener::name(UpdateOutcome outcome) {
    switch (outcome) {
    case UpdateOutcome::Completed:
        return "completed";
    case UpdateOutcome::NothingNew:
        return "nothing new";
    case UpdateOutcome::Offline:
        return "offline";
    case UpdateOutcome::Interrupted:
        return "interrupted";
    case UpdateOutcome::Unreadable:
        return "unreadable reply";
    case UpdateOutcome::EmptyReply:
        return "empty reply";
    }
    return "?";
}

void ConsoleAlerts::show(const AlertRequest& alert, AlertAnswer) {
    out_ << "alert: \"" << alert.title << "\" \"" << alert.message << "\"\n" << std::flush;
}

} // namespace tolvane
