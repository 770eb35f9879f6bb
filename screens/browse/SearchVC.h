// The first tab: every catalogue product under index letters, the search, and what the user sees
// of the catalogue update (refresh button, start-up prompt, progress panel). The update, the
// own-product upload and the list itself belong to the catalogue service, which this screen
// observes from construction to destruction; it owns no thread.
#pragma once

#include "catalogue/CatalogueService.h"
#include "platform/Keys.h"
#include "screens/browse/ProductListVC.h"
#include "screens/detail/DetailHost.h"

namespace tolvane {

class SearchVC : public ProductListVC, public CatalogueListener {
public:
    SearchVC(Platform platform, Database& shared, CatalogueService& catalogue,
             Navigation& navigation, DetailHost host = {});
    ~SearchVC() override;

    static const char* titleKey() { return key("Suche"); }
    static const char* navigationTitleKey() { return key("Produktsuche"); }
    static const char* loadingKey() { return key("Loading..."); }
    static const char* readFailedKey() {
        return key("The catalogue could not be read just now; the list may not be up to date.");
    }

    // Lifecycle, as the widget reports it.
    void viewDidLoad();
    void viewWillAppear();
    void viewWillDisappear();
    void viewDidDisappear();

    // The refresh button.
    void update();
    void didSelectRow(int section, int row) override;
    // The scan button (no picture: the camera, or the file dialog without one), or a picture
    // dropped onto the window: the scan screen.
    void scan(const std::string& picturePath = {});

    // A code typed and searched that no product carries: the own product form, with it filled in.
    bool ownProductButtonShown() const;
    void enterOwnProduct();

    // Whether the list is still being read for the first time (the table shows no rows yet).
    bool listLoading() const { return catalogue_.listLoading(); }

    // --- What the screen shows besides the list ---
    // Own products changed and the list is being read again.
    bool loadingIndicatorShown() const { return loadingShown_; }
    bool progressShown() const { return progressShown_; }
    bool spinnerRunning() const { return progressShown_ && !upToDate_; }
    bool refreshEnabled() const { return !spinnerRunning(); }
    // "1250 / 10000 · 5 / 40": products stored of the total, page of pages; empty until known.
    std::string progressText() const;
    // The bar: products stored of the total once the total is known; a busy bar until then
    // (maximum 0), and an empty one when no run is going.
    int progressValue() const;
    int progressMaximum() const;
    // The server had nothing newer: the panel says so for this long, then hides.
    static constexpr double upToDateSeconds = 2.0;

protected:
    int catalogueCount() override;
    std::vector<std::uint32_t> searchRecords(const std::string& pattern) override;
    BlankKeys blankKeys() const override { return BlankKeys::Hidden; }
    // Nothing held because the catalogue could not be read is no empty catalogue.
    const char* emptyCatalogueKey() const override {
        return catalogue_.listReadFailed() ? readFailedKey() : ProductListVC::emptyCatalogueKey();
    }
    const char* searchEventName() const override { return "General Search Terms"; }
    bool findsBarcodes() const override { return true; }
    void restoreAfterCancel() override {
        catalogue_.awaitList();
        getRecords();
    }

public:
    // What the catalogue service tells.
    void progressShown(bool shown) override;
    void progress(int storedProducts, int totalProducts, int page, int pages) override;
    void endSearch() override;
    void updateFinished(UpdateOutcome outcome) override;
    void heldListChanged(ListChange why) override;

private:
    // Shows the held list whole (no search).
    void showHeldList();
    // The search shown, made again on the list held now.
    void searchAgain();
    // The list could not be read: an alert, one at a time.
    void sayReadFailed();
    void showUpToDate();
    void showStartupPrompt();
    // False when the product is not in the store (any more).
    bool openProduct(const std::string& productId);

    CatalogueService& catalogue_;
    Navigation& navigation_;
    DetailHost host_;
    bool loaded_ = false;
    bool loadingShown_ = false;
    bool progressShown_ = false;
    bool upToDate_ = false;
    bool readFailedAlertOpen_ = false;
    bool searching_ = false; // waiting in searchRecords for the list's indexes
    // The pattern of the search shown, for a list read again.
    std::string searchedPattern_;
    CatalogueService::Progress figures_;
    // Counts panel showings, so that a late hide of "up to date" leaves a newer run's panel.
    int panelShowing_ = 0;
    // The digits of the code last searched that the catalogue does not have; empty for any other
    // search.
    std::string unknownCode_;
};

} // namespace tolvane
