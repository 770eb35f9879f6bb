// The product list's catalogue update and upload over the product server.
#pragma once

#include "exchange/CatalogueUpdate.h"
#include "screens/browse/CatalogueUpdateRunner.h"

#include <memory>
#include <optional>

namespace tolvane {

class SearchVC;

class ExchangeUpdateRunner : public CatalogueUpdateRunner, private CatalogueUpdateListener {
public:
    ExchangeUpdateRunner(Platform platform, Database& shared, SearchVC& screen,
                         std::string serverBase = serverBaseUrl());
    ~ExchangeUpdateRunner() override;

    void update() override;
    void createCsvForUpload(const std::vector<UploadRow>& records) override;
    void saveProgress() override;
    bool storingPage() const override {
        return update_->state() == CatalogueUpdate::State::Storing;
    }

    CatalogueUpdate& catalogueUpdate() { return *update_; }
    // How the last run ended; empty while none has ended.
    std::optional<UpdateOutcome> lastOutcome() const { return lastOutcome_; }

private:
    void showProgress(bool shown) override;
    void spinner(bool running) override;
    void setRefreshEnabled(bool enabled) override;
    void endSearch() override;
    void rebuildList() override;
    void progress(int storedProducts, int totalProducts, int page, int pages) override;
    void updateFinished(UpdateOutcome outcome) override;

    Platform platform_; // the update keeps a reference to it
    SearchVC& screen_;
    std::optional<UpdateOutcome> lastOutcome_;
    std::unique_ptr<CatalogueUpdate> update_;
};

} // namespace tolvane
