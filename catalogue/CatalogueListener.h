// What the catalogue service tells the screens that observe it (CatalogueService::addListener).
// Every call arrives on the UI thread.
#pragma once

#include "exchange/CatalogueUpdateListener.h"

namespace tolvane {

// Why the held product list was read again.
enum class ListChange {
    FirstRead,   // the first reading at start, on the list reader
    UpdatePages, // update pages were stored
    OwnProducts, // an own product was saved or deleted
    ReadFailed,  // a reading failed: the list held is the one before (none at the start)
    Indexed,     // the list held has its search and barcode indexes now (ListState::Ready)
};

class CatalogueListener {
public:
    virtual ~CatalogueListener() = default;
    // A run started (true) or ended (false): while it goes the progress panel and its spinner
    // show and the refresh button is disabled.
    virtual void progressShown(bool shown) { (void)shown; }
    // After each stored page: products handled so far in the run out of the total, and page of
    // pages.
    virtual void progress(int storedProducts, int totalProducts, int page, int pages) {
        (void)storedProducts, (void)totalProducts, (void)page, (void)pages;
    }
    // A run starts: a search ends as its cancel button ends it.
    virtual void endSearch() {}
    // The run has ended so; its panel is hidden and any alert shown.
    virtual void updateFinished(UpdateOutcome outcome) { (void)outcome; }
    // A list read again has been swapped in (CatalogueService::heldList), or, for ReadFailed, it
    // could not be read and the list held stays.
    virtual void heldListChanged(ListChange why) { (void)why; }
};

} // namespace tolvane
