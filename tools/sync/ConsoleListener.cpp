#include "tools/sync/ConsoleListener.h"

#include "text/IntegerValue.h"

namespace tolvane {

void ConsoleListener::progress(int storedProducts, int totalProducts, int page, int pages) {
    out_ << "page " << formatInt(page) << "/" << formatInt(pages) << ": "
         << formatInt(storedProducts) << " of " << formatInt(totalProducts) << " products\n"
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
