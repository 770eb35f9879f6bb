#include "ExchangeUpdateRunner.h"

#include "screens/browse/SearchVC.h"

namespace tolvane {

ExchangeUpdateRunner::ExchangeUpdateRunner(Platform platform, Database& shared, SearchVC& screen,
                                           std::string serverBase)
    : platform_(platform), screen_(screen),
      update_(std::make_unique<CatalogueUpdate>(
          platform_, shared, static_cast<CatalogueUpdateListener&>(*this), std::move(serverBase))) {
}

// The update goes first: it waits for a page being stored and then calls nothing more.
ExchangeUpdateRunner::~ExchangeUpdateRunner() {
    update_.reset();
}

void ExchangeUpdateRunner::update() {
    lastOutcome_.reset();
    update_->update();
}

void ExchangeUpdateRunner::createCsvForUpload(const std::vector<UploadRow>& records) {
    update_->createCsvForUpload(records);
}

void ExchangeUpdateRunner::saveProgress() {
    update_->saveProgress();
}

void ExchangeUpdateRunner::showProgress(bool shown) {
    // The panel goes when the run ends: the list's last rebuild starts at once, on the worker;
    // the whole list is swapped in shortly after, possibly once the run's message shows.
    if (!shown) screen_.finishPendingRebuild();
    screen_.showProgress(shown);
}
void ExchangeUpdateRunner::spinner(bool running) {
    screen_.spinner(running);
}
void ExchangeUpdateRunner::setRefreshEnabled(bool enabled) {
    screen_.setRefreshEnabled(enabled);
}
void ExchangeUpdateRunner::endSearch() {
    screen_.endSearch();
}
void ExchangeUpdateRunner::rebuildList() {
    screen_.rebuildListSoon();
}

void ExchangeUpdateRunner::progress(int storedProducts, int totalProducts, int page, int pages) {
    screen_.progress(storedProducts, totalProducts, page, pages);
}

void ExchangeUpdateRunner::updateFinished(UpdateOutcome outcome) {
    lastOutcome_ = outcome;
    if (outcome == UpdateOutcome::NothingNew) screen_.showUpToDate();
}

} // namespace tolvane
