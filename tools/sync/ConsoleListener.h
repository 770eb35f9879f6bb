// Shows a catalogue update on a terminal: one line per stored page and per alert.
#pragma once

#include "exchange/CatalogueUpdateListener.h"
#include "platform/Alerts.h"

#include <chrono>
#include <optional>
#include <ostream>

namespace tolvane {

class Database;

class ConsoleListener : public CatalogueUpdateListener {
public:
    // With a database, each list rebuild reads the full list as the product list screen does.
    ConsoleListener(std::ostream& out, Database* listSource = nullptr, bool quiet = false);

    void showProgress(bool) override {}
    void spinner(bool) override {}
    void setRefreshEnabled(bool) override {}
    void endSearch() override {}
    void rebuildList() override;
    void progress(int storedProducts, int totalProducts, int page, int pages) override;
    void updateFinished(UpdateOutcome outcome) override;

    std::optional<UpdateOutcome> outcome() const { return outcome_; }
    int rebuilds() const { return rebuilds_; }
    std::size_t listedProducts() const { return listed_; }
    std::chrono::steady_clock::duration rebuildTime() const { return rebuildTime_; }

    static const char* name(UpdateOutcome outcome);

private:
    std::ostream& out_;
    Database* listSource_;
    bool quiet_;
    std::optional<UpdateOutcome> outcome_;
    int rebuilds_ = 0;
    std::size_t listed_ = 0;
    std::chrono::steady_clock::duration rebuildTime_{};
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
