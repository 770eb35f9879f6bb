// What the product list and the products of a category have in common: the sectioned list with
// its index, the search bar (live or on the button) and the alerts of a search.
#pragma once

#include "catalogue/HeldListSearch.h"
#include "catalogue/IndexGrouping.h"
#include "catalogue/PackedRows.h"
#include "catalogue/SearchIndex.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "store/Rows.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class Database;

class ProductListListener {
public:
    virtual ~ProductListListener() = default;
    // The sections, the index or the row form changed: reload the table.
    virtual void listChanged() {}
    // A flag or text of the screen changed (hidden table, cancel button, search text, ...).
    virtual void stateChanged() {}
    virtual void closeKeyboard() {}
};

class ProductListVC : public Screen {
public:
    ProductListVC(Platform platform, Database& shared);
    ~ProductListVC() override;

    void setListener(ProductListListener* listener) { listener_ = listener; }

    // --- What the table shows ---
    const std::vector<ProductSection>& displayList() const { return sections(); }
    // Empty while search rows are shown.
    std::vector<std::string> sideIndex() const;
    const std::vector<std::string>& indexLetters() const { return indexLetters_; }
    int numberOfSections() const;
    int numberOfRows(int section) const;
    std::string sectionTitle(int section) const;
    std::string rowName(int section, int row) const;
    std::string rowMaker(int section, int row) const;
    // The section an index letter scrolls to (its position among the index letters).
    int sectionForIndex(int indexPosition) const;
    // Count of all rows, for the benchmark and the widget's header.
    std::size_t rowCount() const;

    bool search() const { return search_; }
    // Whether the rows now in displayList are search rows (the flag may run ahead of them until
    // a deferred search or restore has run).
    bool rowsAreSearchRecords() const { return rowsAreSearch_; }
    bool tableHidden() const { return tableHidden_; }
    // The text in the place of a table that a live search without hits hid; empty otherwise.
    const char* emptyTextKey() const {
        return tableHidden_ && (liveSearchStarted_ || search_) && !searchText_.empty()
                   ? key("Keine Treffer")
                   : "";
    }
    // With live search off nothing happens until the search button is pressed: it is shown.
    bool searchButtonVisible() const { return !liveSearch_; }
    // While the field is edited, and whenever it holds text.
    bool cancelButtonVisible() const { return cancelButtonVisible_ || !searchText_.empty(); }
    const std::string& searchText() const { return searchText_; }
    const std::string& placeholder() const { return placeholder_; }
    bool liveSearch() const { return liveSearch_; }
    // The line under the field: a typed barcode whose check digit does not fit, or that could
    // not be looked up; empty otherwise.
    const char* barcodeHintKey() const {
        if (checkDigitWrong_) return key("this barcode's check digit is wrong");
        return barcodesUnreadable_ ? key("The catalogue cannot be read just now") : "";
    }

    // --- Actions of the search bar ---
    void textDidChange(const std::string& text);
    void searchBarSearchButtonClicked(const std::string& text);
    void searchBarCancelButtonClicked();
    void searchBarTextDidBeginEditing();
    void searchBarTextDidEndEditing();

    void filterResults(const std::string& pattern, bool searchBtnClicked);
    void reloadTable(const std::string& pattern);
    // Restores the held grouping of the whole list.
    void getRecords();
    // Shared, so holding and restoring a list copies no rows; the sections refer to positions in
    // the rows they were grouped from.
    using Records = std::shared_ptr<const PackedRows>;
    static Records hold(PackedRows rows) {
        rows.shrink_to_fit(); // held for long: no spare capacity
        return std::make_shared<const PackedRows>(std::move(rows));
    }
    void setUpDisplayList(Records records);
    // Groups the search's hits: searchHits_ in searchRows_.
    void setUpSearchList();

    // Choosing a row opens the product.
    virtual void didSelectRow(int section, int row) = 0;

protected:
    // The search of the button, for a text that was not typed (a scanned code): in the field,
    // searched, the keyboard closed.
    void searchFor(const std::string& text);
    // The differences between the two lists.
    virtual int catalogueCount() = 0;
    // The positions in dataArray_ of the rows of the search for pattern ("%" + typed + "%"), in
    // the search statement's order after the barcodeRows_ found by barcode; empty when nothing
    // matches.
    virtual std::vector<std::uint32_t> searchRecords(const std::string& pattern) = 0;
    virtual BlankKeys blankKeys() const = 0;
    virtual const char* searchEventName() const = 0;
    virtual void restoreAfterCancel() = 0;
    // Whether a typed barcode number also finds its product here.
    virtual bool findsBarcodes() const { return false; }
    // The message of a search in an empty list.
    virtual const char* emptyCatalogueKey() const {
        return key("Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten "
                   "herunter.");
    }

    // Keeps the grouping just made as the one of the whole list.
    void holdFullGrouping();
    void readLiveSearch();
    // The position of the row in displayRecords_; nothing for a row that is not shown.
    std::optional<std::size_t> positionOf(int section, int row) const;
    ListRow rowAt(int section, int row) const;
    // Runs the task on the next turn of the event loop while this screen still exists.
    void later(double seconds, std::function<void()> task);
    void notifyList();
    void notifyState();

    Platform platform_;
    Database& shared_;
    ProductListListener* listener_ = nullptr;

    Records dataArray_ = hold(PackedRows{});
    // dataArray_ folded for search, made with it.
    std::shared_ptr<const SearchIndex> folded_ = std::make_shared<const SearchIndex>();
    // The first rows of the search rows were found by their barcode: they are shown first.
    std::size_t barcodeRows_ = 0;
    // A barcode was typed, but the list's barcodes could not be read.
    bool barcodesUnreadable_ = false;
    // The search's rows: positions in searchRows_, which stays the list they were found in when
    // another is swapped in.
    Records searchRows_ = dataArray_;
    std::vector<std::uint32_t> searchHits_;
    // Narrows the hits as the text grows.
    HeldListSearch typedSearch_;
    using Sections = std::shared_ptr<const std::vector<ProductSection>>;
    const std::vector<ProductSection>& sections() const { return *displayList_; }
    Sections displayList_ = std::make_shared<const std::vector<ProductSection>>();
    Records displayRecords_ = dataArray_; // what displayList_'s positions refer to
    std::vector<std::string> indexLetters_;
    Sections lastDisplayList_ = displayList_;
    Records lastRecords_ = dataArray_;
    std::vector<std::string> lastIndexLetters_;
    bool search_ = false;
    bool rowsAreSearch_ = false;
    bool liveSearch_ = false;
    bool liveSearchStarted_ = false;
    int nl_ = 0;
    int UpdFlag_ = 0;

    bool tableHidden_ = false;
    bool cancelButtonVisible_ = false;
    std::string searchText_;
    std::string placeholder_;

    // Expires with the screen, so deferred work and late alert answers find it gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

private:
    void checkBarcode(const std::string& text);

    long searchSequence_ = 0;
    bool checkDigitWrong_ = false;
    bool noDataAlertOpen_ = false;
};

} // namespace tolvane
