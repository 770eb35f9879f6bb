// What the catalogue update shows, implemented by the product list screen (or a console).
// Every call arrives on the UI thread.
#pragma once

namespace tolvane {

enum class UpdateOutcome {
    Completed,   // every page stored, timestamp saved
    NothingNew,  // the server had nothing newer
    Offline,     // no connection at the start
    Interrupted, // a request failed, or a page could not be stored
    Unreadable,  // a reply that is not the expected JSON
    EmptyReply,  // a reply without products
};

class CatalogueUpdateListener {
public:
    virtual ~CatalogueUpdateListener() = default;
    virtual void showProgress(bool shown) = 0;
    virtual void spinner(bool running) = 0;
    virtual void setRefreshEnabled(bool enabled) = 0;
    // Ends any search the way the search bar's cancel button does.
    virtual void endSearch() = 0;
    // Pages were stored: reload the full list (selectProduct).
    virtual void rebuildList() = 0;
    // After each stored page: products handled so far in this run, out of total.
    virtual void progress(int storedProducts, int totalProducts, int page, int pages) {
        (void)storedProducts, (void)totalProducts, (void)page, (void)pages;
    }
    // The run has ended; the panel is hidden and any alert shown.
    virtual void updateFinished(UpdateOutcome outcome) { (void)outcome; }
};

} // namespace tolvane
