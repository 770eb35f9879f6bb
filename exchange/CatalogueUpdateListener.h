// What the catalogue update shows, implemented by the catalogue service (or a console).
// Every call arrives on the UI thread.
#pragma once

namespace tolvane {

enum class UpdateOutcome {
    Completed,   // every page stored, timestamp saved
    NothingNew,  // the server had nothing newer
    Offline,     // no connection at the start, or no answer to the first request
    Interrupted, // a request failed, or a page could not be stored
    Unreadable,  // a reply that is not the expected JSON
    EmptyReply,  // a reply without products
};

class CatalogueUpdateListener {
public:
    virtual ~CatalogueUpdateListener() = default;
    // A run started (true) or ended (false): while it goes the progress panel and its spinner
    // show and the refresh button is disabled.
    virtual void showProgress(bool shown) = 0;
    // Ends any search the way the search bar's cancel button does.
    virtual void endSearch() = 0;
    // Pages were stored: the full list is to be read again (selectProduct).
    virtual void rebuildList() = 0;
    // After each stored page: products handled so far in this run, out of total.
    virtual void progress(int storedProducts, int totalProducts, int page, int pages) {
        (void)storedProducts, (void)totalProducts, (void)page, (void)pages;
    }
    // The run has ended; the panel is hidden and any alert shown.
    virtual void updateFinished(UpdateOutcome outcome) { (void)outcome; }
};

} // namespace tolvane
