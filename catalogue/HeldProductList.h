// The whole catalogue as the product list shows it, held in memory: its rows packed, their
// grouping under index letters, and the rows folded for search and filed by barcode. Read once
// when it is made (a catalogue of up to readAtOnceUpTo products at once, so that the first frame
// already shows it; a larger one on the list reader, so that the window paints first), and again
// on the list reader after stored update pages (at most once a second, and on a large catalogue
// at most every five times its own duration, so that it takes at most a fifth of a core from the
// update) and after own products changed. Each reading is one snapshot with a state: its rows
// show as soon as they are read, while its search and barcode indexes are made after them on
// the list reader (Reading); a question of the catalogue (a search, a barcode) waits for both
// (awaitList) and so never answers from half of it. A reading that fails leaves the list held
// as it is and says so (ListChange::ReadFailed). Only a finished reading is swapped in, on the UI
// thread, and none older after a newer one; the list it replaces is let go of on the list reader,
// after the screens have taken the new one, so that freeing it does not hold the UI thread.
//
// Threads: every call on the UI thread. The list reader is a DatabaseWorker with a Database of
// its own, owned here for the whole life of this object; stop() interrupts a read or a folding
// under way and the destructor waits for the reader, which then has at most that interruption
// left.
#pragma once

#include "catalogue/CatalogueListener.h"
#include "catalogue/IndexGrouping.h"
#include "catalogue/PackedRows.h"
#include "catalogue/SearchIndex.h"
#include "platform/Platform.h"
#include "store/DatabaseWorker.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

// What a held list can answer.
enum class ListState {
    Reading, // its rows are there (none yet on a first reading), its indexes are being made
    Ready,   // rows, search index and barcode index are one catalogue
    Failed,  // its rows (then none) or its barcodes could not be read
};

// Shared and never changed once made, so that handing it to a screen copies no rows. The
// sections' rows are positions in rows.
struct HeldList {
    std::shared_ptr<const PackedRows> rows = std::make_shared<const PackedRows>();
    std::shared_ptr<const std::vector<ProductSection>> sections =
        std::make_shared<const std::vector<ProductSection>>();
    std::vector<std::string> indexLetters;
    // The rows folded for search; empty (no rows) until it is made. findInHeldList folds the
    // rows itself while it is empty.
    std::shared_ptr<const SearchIndex> search = std::make_shared<const SearchIndex>();
    // The rows by barcode, read on the list reader once the rows are there; empty until then.
    std::shared_ptr<const BarcodeIndex> barcodes = std::make_shared<const BarcodeIndex>();
    ListState state = ListState::Reading;
};

class HeldProductList {
public:
    using Changed = std::function<void(ListChange why)>;

    // shared: the UI thread's store object; changed: called when a list read again is swapped in,
    // and when a reading failed (ListChange::ReadFailed).
    HeldProductList(Platform platform, Database& shared, int readAtOnceUpTo, Changed changed);
    ~HeldProductList();
    HeldProductList(const HeldProductList&) = delete;
    HeldProductList& operator=(const HeldProductList&) = delete;

    const HeldList& list() const { return list_; }
    // The first reading is not there yet (a large catalogue, until shortly after it showed).
    bool loading() const { return loading_; }
    // A reading is waiting or running.
    bool rebuildPending() const { return scheduled_ || reading_ > 0; }
    // Own products changed and the list showing them is not there yet.
    bool ownProductsPending() const { return ownProductsPending_; }
    // The newest reading failed: the list held is the one read before (none at the start).
    bool readFailed() const { return readFailed_; }

    // Update pages were stored: read the list again soon.
    void rebuildSoon();
    // The run has ended: a reading waiting starts at once; one running began before the last
    // page was stored, so its list is dropped and another follows it.
    void finishPendingRebuild();
    // Own products were saved or deleted: read it again at once.
    void ownProductsChanged();
    // A question of the catalogue (a search, a barcode) waits here until the newest list the user
    // must find in it (the first, or the one read after own products changed) is held, with its
    // indexes: the list is then Ready or Failed.
    void awaitList();
    // The program quits: nothing is read or swapped in any more.
    void stop();

private:
    using Folded = std::shared_ptr<const SearchIndex>;
    // What is made on the list reader after the rows; null where it could not be.
    struct Indexes {
        Folded search; // null: a search folds the rows itself meanwhile
        std::shared_ptr<const BarcodeIndex> barcodes;
    };
    // A list being read on the list reader, and then indexed there.
    struct Reading {
        std::optional<HeldList> list; // set on the reader, taken on the UI thread
        std::promise<Indexes> indexing;
        std::shared_future<Indexes> indexed = indexing.get_future().share();
        std::atomic<bool> dropped = false; // its list will not be held: no indexes needed
    };
    using Slot = std::shared_ptr<Reading>;
    void startReading(ListChange why);
    void startScheduled();
    void take(long generation, const Slot& slot, ListChange why);
    // On the list reader: makes the indexes of rows into slot's promise and hands them to the UI
    // thread.
    void index(Database& own, const std::shared_ptr<const PackedRows>& rows, Reading& slot);
    // The indexes of rows are there: held with them if they are still the list.
    void useIndexes(const std::shared_ptr<const PackedRows>& rows, const Indexes& made);
    void failed();

    Platform platform_;
    Changed changed_;
    HeldList list_;
    bool loading_ = false;
    bool scheduled_ = false; // a reading waits for its turn
    int reading_ = 0;        // readings started whose list is not taken yet
    bool again_ = false;     // pages were stored while one was read: once more after it
    bool ownProductsPending_ = false;
    bool readFailed_ = false;
    bool stopped_ = false;
    long generation_ = 0; // a list of an older generation is not swapped in
    std::chrono::steady_clock::time_point lastStart_{};
    std::chrono::steady_clock::duration lastTook_{};
    // The indexes of the list held while it is Reading, for a question to wait for.
    std::shared_future<Indexes> indexed_;
    // The newest reading started, for awaitList.
    Slot newest_;
    long newestGeneration_ = 0;
    ListChange newestWhy_ = ListChange::FirstRead;
    // Expires with this object, so that lists arriving later find it gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // Set by stop(); a folding on the reader looks at it (the reader stops before it goes).
    std::atomic<bool> stopping_ = false;
    DatabaseWorker reader_;
};

// The held list of the rows the store gives (selectProduct), packed and grouped, its search and
// barcode indexes left empty (Reading); empty and Failed when they cannot be read. expectedRows:
// how many rows the caller knows of, for room made at once.
HeldList readHeldList(Database& database, int expectedRows = 0);

} // namespace tolvane
