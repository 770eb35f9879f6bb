// Shows a catalogue update on a terminal: one line per stored page and per alert.
#pragma once

#include "exchange/CatalogueUpdateListener.h"
#include "platform/Alerts.h"

#include <optional>
#include <ostream>

namespace tolvane {

class ConsoleListener : public CatalogueUpdateListener {
public:
    explicit ConsoleListener(std::ostream& out) : out_(out) {}

    void showProgress(bool) override {}
    void endSearch() override {}
    void rebuildList() override {}
    void progress(int storedProducts, int totalProducts, int page, int pages) override;
    void updateFinished(UpdateOutcome outcome) override;

    std::optional<UpdateOutcome> outcome() const { return outcome_; }

    static const char* name(UpdateOutcome outcome);

private:
    std::ostream& out_;
    std::optional<UpdateOutcome> outcome_;
};

// Prints each alert's keys and answers nothing (every alert here has only "OK").
class ConsoleAlerts : public Alerts {
public:
    explicit ConsoleAlerts(std::ostream& out) : out_(out) {}
    void show(const AlertRequest& alert, AlertAnswer answer = {}) override;

private:
    std::ostream& out_;
};

} // namespace tolvane
