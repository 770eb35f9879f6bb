#include "catalogue/CatalogueService.h"

#include "store/Database.h"
#include "store/OwnProductStore.h"

#include <algorithm>

namespace tolvane {

CatalogueService::CatalogueService(Platform platform, Database& shared, std::string serverBase,
                                   int readAtOnceUpTo)
    : platform_(platform), shared_(shared), store_(shared.GetDatabasePath(), platform.log),
      list_(platform, shared, readAtOnceUpTo,
            [this](ListChange why) {
                tell([why](CatalogueListener& l) { l.heldListChanged(why); });
            }),
      update_(platform_, shared, store_, *this, std::move(serverBase)) {}

CatalogueService::~CatalogueService() {
    stop();
}

void CatalogueService::addListener(CatalogueListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void CatalogueService::removeListener(CatalogueListener& listener) {
    std::erase(listeners_, &listener);
}

template <class Call> void CatalogueService::tell(Call call) {
    // A listener may go (or come) while the others are told.
    const auto listeners = listeners_;
    for (CatalogueListener* listener : listeners)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            call(*listener);
}

void CatalogueService::update() {
    if (!stopped_) update_.update();
}

void CatalogueService::uploadOwnProducts() {
    if (uploaded_ || stopped_) return;
    uploaded_ = true;
    update_.createCsvForUpload(OwnProductStore(shared_).selectProductsForCsv());
}

void CatalogueService::saveProgress() {
    if (!stopped_) update_.saveProgress();
}

void CatalogueService::ownProductsChanged() {
    if (!stopped_) list_.ownProductsChanged();
}

void CatalogueService::stop() {
    if (stopped_) return;
    stopped_ = true;
    store_.stop(update_.stop());
    list_.stop();
}

void CatalogueService::showProgress(bool shown) {
    if (shown) progress_ = {};
    // The run's last rebuild starts at once, on the reader; its list is swapped in shortly
    // after, possibly once the run's message shows.
    if (!shown) list_.finishPendingRebuild();
    tell([shown](CatalogueListener& l) { l.progressShown(shown); });
}

void CatalogueService::endSearch() {
    tell([](CatalogueListener& l) { l.endSearch(); });
}

void CatalogueService::rebuildList() {
    list_.rebuildSoon();
}

void CatalogueService::progress(int storedProducts, int totalProducts, int page, int pages) {
    progress_ = {storedProducts, totalProducts, page, pages};
    tell([&](CatalogueListener& l) { l.progress(storedProducts, totalProducts, page, pages); });
}

void CatalogueService::updateFinished(UpdateOutcome outcome) {
    tell([outcome](CatalogueListener& l) { l.updateFinished(outcome); });
}

} // namespace tolvane
