#include "ProductListVC.h"

#include "format/Gtin.h"
#include "nutrition/NumberText.h"
#include "platform/Keys.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

#include <algorithm>

namespace tolvane {

ProductListVC::ProductListVC(Platform platform, Database& shared)
    : platform_(platform), shared_(shared), placeholder_(key("Produkt eingeben")) {}

ProductListVC::~ProductListVC() = default;

std::vector<std::string> ProductListVC::sideIndex() const {
    if (rowsAreSearch_) return {};
    return indexLetters_;
}

int ProductListVC::numberOfSections() const {
    // An empty list still has its one empty section.
    return sections().empty() ? 1 : static_cast<int>(sections().size());
}

int ProductListVC::numberOfRows(int section) const {
    if (section < 0 || section >= static_cast<int>(sections().size())) return 0;
    return static_cast<int>(sections()[static_cast<std::size_t>(section)].rows.size());
}

std::string ProductListVC::sectionTitle(int section) const {
    if (section < 0 || section >= static_cast<int>(sections().size())) return {};
    return sections()[static_cast<std::size_t>(section)].letter;
}

std::optional<std::size_t> ProductListVC::positionOf(int section, int row) const {
    if (row < 0 || row >= numberOfRows(section)) return std::nullopt;
    return sections()[static_cast<std::size_t>(section)].rows[static_cast<std::size_t>(row)];
}

std::string ProductListVC::rowName(int section, int row) const {
    const auto at = positionOf(section, row);
    return at ? std::string(displayRecords_->name(*at)) : std::string{};
}

std::string ProductListVC::rowMaker(int section, int row) const {
    const auto at = positionOf(section, row);
    return at ? std::string(displayRecords_->maker(*at)) : std::string{};
}

ListRow ProductListVC::rowAt(int section, int row) const {
    const auto at = positionOf(section, row);
    return at ? displayRecords_->row(*at) : ListRow{};
}

int ProductListVC::sectionForIndex(int indexPosition) const {
    // The index may end in "#" while the sections end in the merged "#" section; both are
    // in the same order, so the position is the section.
    if (sections().empty()) return 0;
    if (indexPosition < 0) return 0;
    return std::min(indexPosition, static_cast<int>(sections().size()) - 1);
}

std::size_t ProductListVC::rowCount() const {
    std::size_t n = 0;
    for (const auto& s : sections())
        n += s.rows.size();
    return n;
}

void ProductListVC::setUpDisplayList(Records records) {
    auto grouping = groupUnderIndexLetters(*records, blankKeys());
    displayRecords_ = std::move(records);
    displayList_ =
        std::make_shared<const std::vector<ProductSection>>(std::move(grouping.displayList));
    indexLetters_ = std::move(grouping.indexLetters);
    rowsAreSearch_ = search_;
}

void ProductListVC::setUpSearchList() {
    auto grouping = groupUnderIndexLetters(*searchRows_, searchHits_, blankKeys());
    const std::size_t byBarcode = std::min(barcodeRows_, searchHits_.size());
    if (search_ && byBarcode > 0) {
        // The products found by barcode head the list, under the code typed.
        const std::vector<std::uint32_t> heads(searchHits_.begin(),
                                               searchHits_.begin() + static_cast<long>(byBarcode));
        std::vector<ProductSection> sections{{searchText_, heads}};
        for (ProductSection& section : grouping.displayList) {
            std::erase_if(section.rows, [&heads](std::uint32_t at) {
                return std::find(heads.begin(), heads.end(), at) != heads.end();
            });
            if (!section.rows.empty()) sections.push_back(std::move(section));
        }
        grouping.displayList = std::move(sections);
    }
    displayRecords_ = searchRows_;
    displayList_ =
        std::make_shared<const std::vector<ProductSection>>(std::move(grouping.displayList));
    indexLetters_ = std::move(grouping.indexLetters);
    rowsAreSearch_ = search_;
}

void ProductListVC::holdFullGrouping() {
    lastDisplayList_ = displayList_;
    lastRecords_ = displayRecords_;
    lastIndexLetters_ = indexLetters_;
}

void ProductListVC::readLiveSearch() {
    // Without a settings row live search is off.
    liveSearch_ = SettingsStore(shared_).selectSettings().value_or(SettingsRow{}).liveSearchOn();
}

void ProductListVC::later(double seconds, std::function<void()> task) {
    std::weak_ptr<int> alive = alive_;
    platform_.dispatcher.runLater(seconds, [alive, task = std::move(task)] {
        if (alive.lock()) task();
    });
}

void ProductListVC::notifyList() {
    if (listener_) listener_->listChanged();
}

void ProductListVC::notifyState() {
    if (listener_) listener_->stateChanged();
}

void ProductListVC::checkBarcode(const std::string& text) {
    const auto code = findsBarcodes() ? readGtin(text) : std::nullopt;
    checkDigitWrong_ = code && !code->checkDigitFits;
}

void ProductListVC::textDidChange(const std::string& text) {
    searchText_ = text;
    checkBarcode(text);
    if (!liveSearch_) {
        notifyState();
        return;
    }
    tableHidden_ = false;
    liveSearchStarted_ = true;
    filterResults("%" + text + "%", false);
    notifyState();
}

void ProductListVC::searchBarSearchButtonClicked(const std::string& text) {
    searchFor(text);
    platform_.analytics.logEvent(searchEventName(), {{"Search Screen", "%" + text + "%"}});
}

void ProductListVC::searchFor(const std::string& text) {
    searchText_ = text;
    checkBarcode(text);
    liveSearchStarted_ = false;
    tableHidden_ = false;
    filterResults("%" + text + "%", true);
    notifyState();
}

void ProductListVC::searchBarCancelButtonClicked() {
    cancelButtonVisible_ = false;
    if (listener_) listener_->closeKeyboard();
    search_ = false;
    nl_ = 1;
    searchText_.clear();
    checkDigitWrong_ = false;
    barcodesUnreadable_ = false;
    placeholder_ = key("Produkt eingeben");
    liveSearchStarted_ = false;
    tableHidden_ = false;
    ++searchSequence_; // a search still waiting for its turn is void now
    typedSearch_ = {}; // nothing to narrow: the next text starts afresh
    later(0, [this] { restoreAfterCancel(); });
    notifyState();
}

void ProductListVC::searchBarTextDidBeginEditing() {
    UpdFlag_ = 1;
    cancelButtonVisible_ = true;
    notifyState();
}

void ProductListVC::searchBarTextDidEndEditing() {
    cancelButtonVisible_ = false;
    notifyState();
}

void ProductListVC::filterResults(const std::string& pattern, bool searchBtnClicked) {
    if (searchBtnClicked) {
        cancelButtonVisible_ = false;
        if (listener_) listener_->closeKeyboard();
    }
    searchHits_.clear();
    if (catalogueCount() == 0) {
        // Typing with live search on would stack one of these per keystroke.
        if (!noDataAlertOpen_) {
            noDataAlertOpen_ = true;
            std::weak_ptr<int> alive = alive_;
            platform_.alerts.show({"", emptyCatalogueKey(), {key("OK")}}, [this, alive](int) {
                if (alive.lock()) noDataAlertOpen_ = false;
            });
        }
    } else {
        search_ = pattern != "%";
        // Typing faster than the store answers: only the newest pattern is looked up.
        const long sequence = ++searchSequence_;
        later(0, [this, pattern, sequence] {
            if (sequence == searchSequence_) reloadTable(pattern);
        });
    }
    if (nl_ == 1 && !search_) {
        searchText_.clear();
        nl_ = 2;
    }
    notifyState();
}

void ProductListVC::reloadTable(const std::string& pattern) {
    // One look-up; its emptiness says what a count would.
    auto found = searchRecords(pattern);
    if (!found.empty()) {
        searchRows_ = dataArray_;
        searchHits_ = std::move(found);
        setUpSearchList();
        notifyList();
        return;
    }
    if (searchText_.empty()) return;
    if (liveSearchStarted_) {
        tableHidden_ = true;
        notifyState();
        return;
    }
    platform_.alerts.show({key("Keine Treffer"),
                           key("Keine Produkte oder Hersteller entsprechen Ihrer Eingabe"),
                           {key("OK")}});
    // The typed text stays, to be corrected; the whole list comes back under it.
    search_ = false;
    later(0, [this] { getRecords(); });
    notifyState();
}

void ProductListVC::getRecords() {
    tableHidden_ = dataArray_->empty();
    search_ = false;
    displayList_ = lastDisplayList_;
    displayRecords_ = lastRecords_;
    indexLetters_ = lastIndexLetters_;
    rowsAreSearch_ = false;
    notifyList();
    notifyState();
}

} // namespace tolvane
