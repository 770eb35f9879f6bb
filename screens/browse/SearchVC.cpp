#include "SearchVC.h"

#include "catalogue/HeldListSearch.h"
#include "format/Gtin.h"
#include "nutrition/NumberText.h"
#include "platform/Keys.h"
#include "screens/browse/ScanVC.h"
#include "screens/detail/ProductDetail.h"
#include "screens/ownproducts/AddProductVC.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"

#include <algorithm>

namespace tolvane {

SearchVC::SearchVC(Platform platform, Database& shared, CatalogueService& catalogue,
                   Navigation& navigation, DetailHost host)
    : ProductListVC(platform, shared), catalogue_(catalogue), navigation_(navigation),
      host_(std::move(host)) {
    catalogue_.addListener(*this);
    // A run going when the screen is made shows at once.
    progressShown_ = catalogue_.running();
    figures_ = catalogue_.progress();
}

SearchVC::~SearchVC() {
    catalogue_.removeListener(*this);
}

void SearchVC::showHeldList() {
    const HeldList& held = catalogue_.heldList();
    dataArray_ = held.rows;
    tableHidden_ = !catalogue_.listLoading() && dataArray_->empty();
    search_ = false;
    displayList_ = held.sections;
    displayRecords_ = dataArray_;
    indexLetters_ = held.indexLetters;
    rowsAreSearch_ = false;
    holdFullGrouping();
}

void SearchVC::viewDidLoad() {
    if (loaded_) return;
    loaded_ = true;
    readLiveSearch();
    // A large catalogue is still being read: meanwhile the table shows no rows, neither the empty
    // page nor an alert.
    showHeldList();
    notifyList();
    notifyState();
    if (catalogue_.listReadFailed()) sayReadFailed();
    catalogue_.uploadOwnProducts();
    // Asked on the next turn, once the launch has registered its first-launch defaults.
    later(0, [this] {
        if (platform_.appDefaults().showsHint(FirstLaunchHint::Search)) showStartupPrompt();
    });
}

namespace {
// The start-up prompt's buttons, in the order shown.
enum class SyncPromptAnswer { DeleteHint = 0, StartSync = 1, RemindLater = 2 };
} // namespace

void SearchVC::showStartupPrompt() {
    platform_.analytics.logEvent("Show Sync Message on Startup");
    platform_.alerts.show(
        {key("Sync-Benachrichtigung"),
         key("Bitte synchronisieren Sie Ihr App"),
         {key("Hinweis löschen"), key("Sync starten"), key("Startmenü Später erinnern")},
         int(SyncPromptAnswer::RemindLater)}, // Escape
        [this, alive = std::weak_ptr<int>(alive_)](int button) {
            if (!alive.lock()) return;
            switch (static_cast<SyncPromptAnswer>(button)) {
            case SyncPromptAnswer::DeleteHint:
                platform_.analytics.logEvent("Starthinweis löschen");
                platform_.appDefaults().setShowsHint(FirstLaunchHint::Search, false);
                break;
            case SyncPromptAnswer::StartSync:
                platform_.appDefaults().setShowsHint(FirstLaunchHint::Search, true);
                platform_.analytics.logEvent("Sync @ Start");
                update();
                break;
            case SyncPromptAnswer::RemindLater:
                platform_.analytics.logEvent("Sync @ Start-Hinweis erneut anzeigen");
                platform_.appDefaults().setShowsHint(FirstLaunchHint::Search, true);
                break;
            default:
                break;
            }
        });
}

void SearchVC::viewWillAppear() {
    readLiveSearch();
    // Own products changed elsewhere: the small indicator runs until their list is here.
    loadingShown_ = catalogue_.ownProductsPending();
    notifyState();
}

void SearchVC::viewWillDisappear() {
    if (listener_) listener_->closeKeyboard();
}

void SearchVC::viewDidDisappear() {
    catalogue_.saveProgress();
}

void SearchVC::heldListChanged(ListChange why) {
    if (why == ListChange::ReadFailed) {
        // The list shown stays; without one the table is hidden, as for an empty catalogue.
        if (!search_) tableHidden_ = dataArray_->empty() && !catalogue_.listLoading();
        loadingShown_ = false;
        notifyState();
        sayReadFailed();
        return;
    }
    if (why == ListChange::Indexed) {
        // A search waiting for them (or asking for them just now, which searches itself).
        if (!search_ || searching_) return;
        searchAgain();
    } else if (search_) {
        // The search stays and is made again on the new list, so that its hits are the
        // catalogue as it is now (a product removed is gone from them); the cancel restores it.
        // Its rows stay meanwhile if its indexes are still being made: not waited for here.
        const HeldList& held = catalogue_.heldList();
        dataArray_ = held.rows;
        lastDisplayList_ = held.sections;
        lastRecords_ = held.rows;
        lastIndexLetters_ = held.indexLetters;
        if (held.state != ListState::Reading) searchAgain();
    } else {
        showHeldList();
    }
    loadingShown_ = false;
    notifyList();
    notifyState();
}

void SearchVC::searchAgain() {
    searchHits_ =
        searchRecords(searchedPattern_.empty() ? "%" + searchText_ + "%" : searchedPattern_);
    searchRows_ = dataArray_;
    setUpSearchList();
    tableHidden_ = searchHits_.empty();
}

void SearchVC::sayReadFailed() {
    if (readFailedAlertOpen_) return;
    readFailedAlertOpen_ = true;
    platform_.alerts.show({"", readFailedKey(), {key("OK")}},
                          [this, alive = std::weak_ptr<int>(alive_)](int) {
                              if (alive.lock()) readFailedAlertOpen_ = false;
                          });
}

void SearchVC::update() {
    catalogue_.update();
}

void SearchVC::didSelectRow(int section, int row) {
    const std::string productId = rowAt(section, row).recordId;
    if (!productId.empty()) openProduct(productId);
}

void SearchVC::scan(const std::string& picturePath) {
    const std::weak_ptr<int> alive = alive_;
    navigation_.push(std::make_shared<ScanVC>(
                         platform_, shared_, catalogue_, navigation_,
                         [this, alive](const std::string& productId) {
                             return alive.lock() && openProduct(productId);
                         },
                         [this, alive](const std::string& code) {
                             if (alive.lock()) searchFor(code);
                         },
                         picturePath),
                     key("Suche"));
}

namespace {

// The digits of a typed code ("4006381 333931", "4006381333931.0" as a spreadsheet writes it).
std::string codeDigits(std::string_view typed) {
    std::string digits;
    for (const char c : typed.substr(0, typed.find('.')))
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

} // namespace

bool SearchVC::ownProductButtonShown() const {
    // Until the text changes: a search without hits brings the whole list back under it.
    return !unknownCode_.empty() && codeDigits(searchText_) == unknownCode_;
}

void SearchVC::enterOwnProduct() {
    if (!ownProductButtonShown()) return;
    navigation_.push(AddProductVC::withBarcode(
                         platform_, shared_, navigation_,
                         [catalogue = &catalogue_] { catalogue->ownProductsChanged(); },
                         unknownCode_),
                     key("Suche"));
}

bool SearchVC::openProduct(const std::string& productId) {
    platform_.appDefaults().setSearchProductId(productId);
    const auto product = CatalogueStore(shared_).selectProductDetail(ProductId::of(productId));
    if (!product) {
        // Gone since the list was built (an update removed it): nothing to open.
        platform_.log.write("Product " + productId + " not found");
        return false;
    }
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen("Search");
    detail->drawData(*product);
    navigation_.push(detail, key("Suche"));
    return true;
}

// The held list is the whole catalogue (its statement has no condition) and is kept current, so
// neither the count nor the search needs the store.
int SearchVC::catalogueCount() {
    catalogue_.awaitList();
    return static_cast<int>(dataArray_->size());
}

std::vector<std::uint32_t> SearchVC::searchRecords(const std::string& pattern) {
    searching_ = true;
    catalogue_.awaitList();
    searching_ = false;
    searchedPattern_ = pattern;
    const HeldList& held = catalogue_.heldList();
    // The list held now, with its indexes: the one a change told of, or a newer one awaitList
    // took in; the barcode hits and the name hits are positions in its rows.
    dataArray_ = held.rows;
    folded_ = held.search;
    std::vector<std::uint32_t> found;
    // The index look-up first: a barcode typed is a single look-up, whatever the name search.
    const std::string typed = pattern.size() >= 2 ? pattern.substr(1, pattern.size() - 2) : "";
    const auto gtin = readGtin(typed);
    const std::optional<std::uint64_t> code = gtin ? gtin->value : shortCodeKey(typed);
    if (code) found = held.barcodes->rowsWith(*code);
    // The user's own product first, before a catalogue product that came with the same code.
    if (found.size() > 1) {
        OwnProductStore own(shared_);
        std::stable_partition(found.begin(), found.end(), [&](std::uint32_t at) {
            return own.selectProductIdForMainTableId(ProductId::of(dataArray_->recordId(at))) !=
                   std::nullopt;
        });
    }
    // A code the index could not be read for may be in the file: the hint line says so.
    if (const bool unreadable = gtin && held.state != ListState::Ready;
        unreadable != barcodesUnreadable_) {
        barcodesUnreadable_ = unreadable;
        notifyState();
    }
    barcodeRows_ = found.size();
    const auto& byName = typedSearch_.find(dataArray_, folded_, pattern);
    found.reserve(found.size() + byName.size());
    for (const std::uint32_t at : byName)
        if (std::find(found.begin(), found.begin() + static_cast<long>(barcodeRows_), at) ==
            found.begin() + static_cast<long>(barcodeRows_))
            found.push_back(at);
    // A GTIN no product carries may be entered, if its check digit fits (the form would refuse
    // it otherwise); a few digits, more likely part of a name, only when nothing has them.
    const bool unknown = code && barcodeRows_ == 0 && held.state == ListState::Ready &&
                         (gtin ? gtin->checkDigitFits : found.empty());
    if (std::string now = unknown ? codeDigits(typed) : ""; now != unknownCode_) {
        unknownCode_ = std::move(now);
        notifyState();
    }
    return found;
}

void SearchVC::progressShown(bool shown) {
    progressShown_ = shown;
    if (shown) figures_ = {}; // a new run: nothing known yet
    upToDate_ = false;
    ++panelShowing_;
    notifyState();
}

void SearchVC::updateFinished(UpdateOutcome outcome) {
    if (outcome == UpdateOutcome::NothingNew) showUpToDate();
}

void SearchVC::showUpToDate() {
    progressShown_ = true;
    upToDate_ = true;
    const int showing = ++panelShowing_;
    notifyState();
    later(upToDateSeconds, [this, showing] {
        if (showing != panelShowing_) return;
        progressShown_ = false;
        upToDate_ = false;
        notifyState();
    });
}

int SearchVC::progressValue() const {
    if (upToDate_) return 1;
    return progressMaximum() > 0 ? std::min(figures_.stored, figures_.total) : 0;
}

int SearchVC::progressMaximum() const {
    if (upToDate_) return 1;
    return figures_.stored >= 0 && figures_.total > 0 ? figures_.total : 0;
}

void SearchVC::endSearch() {
    // A run keeps the search, which each list it brings is searched with again; only a keyboard
    // in use closes.
    if (UpdFlag_ == 1 && listener_) listener_->closeKeyboard();
}

void SearchVC::progress(int storedProducts, int totalProducts, int page, int pages) {
    figures_ = {storedProducts, totalProducts, page, pages};
    notifyState();
}

namespace {

// Puts the numbers in place of the "%d"s of a keyed text, in order.
std::string fillNumbers(std::string text, std::initializer_list<int> numbers) {
    std::size_t at = 0;
    for (int number : numbers) {
        at = text.find("%d", at);
        if (at == std::string::npos) break;
        const std::string digits = formatInt(number);
        text.replace(at, 2, digits);
        at += digits.size();
    }
    return text;
}

} // namespace

std::string SearchVC::progressText() const {
    if (upToDate_) return platform_.strings.text("Der Katalog ist auf dem neuesten Stand.");
    if (figures_.stored < 0) return {};
    std::string text = fillNumbers(platform_.strings.text("%d von %d Produkten geladen"),
                                   {figures_.stored, figures_.total});
    // Two lines: the count, then the page.
    if (figures_.pages > 0)
        text += "\n" + fillNumbers(platform_.strings.text("Seite %d von %d"),
                                   {figures_.page, figures_.pages});
    return text;
}

} // namespace tolvane
