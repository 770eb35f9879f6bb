#include "catalogue/HeldProductList.h"

#include "store/CatalogueStore.h"
#include "store/Database.h"

#include <algorithm>
#include <utility>

namespace tolvane {

namespace {
// Name and maker of the shipped catalogue's products take 30 bytes on average.
constexpr std::size_t textBytesPerRow = 32;
} // namespace

HeldList readHeldList(Database& database, int expectedRows) {
    PackedRows rows;
    // Room for the rows and texts of a usual catalogue at once: growing copies the list again
    // and again and touches fresh memory each time.
    if (expectedRows > 0)
        rows.reserve(static_cast<std::size_t>(expectedRows),
                     static_cast<std::size_t>(expectedRows) * textBytesPerRow);
    // Straight from the statement's rows into the list, without a copy of each row between.
    HeldList held;
    if (!CatalogueStore(database).selectProduct(
            [&rows](const ListRowView& row) { rows.push_back(row); })) {
        held.state = ListState::Failed;
        return held;
    }
    rows.shrink_to_fit(); // held for long: little spare capacity
    auto grouping = groupUnderIndexLetters(rows, BlankKeys::Hidden);
    for (ProductSection& section : grouping.displayList)
        section.rows.shrink_to_fit(); // grown by doubling, held for long
    held.rows = std::make_shared<const PackedRows>(std::move(rows));
    held.sections =
        std::make_shared<const std::vector<ProductSection>>(std::move(grouping.displayList));
    held.indexLetters = std::move(grouping.indexLetters);
    return held;
}

HeldProductList::HeldProductList(Platform platform, Database& shared, int readAtOnceUpTo,
                                 Changed changed)
    : platform_(platform), changed_(std::move(changed)),
      reader_(shared.GetDatabasePath(), platform.log) {
    const int count = CatalogueStore(shared).selectProductCount();
    if (count > readAtOnceUpTo) {
        loading_ = true;
        startReading(ListChange::FirstRead);
        return;
    }
    list_ = readHeldList(shared, count);
    if (list_.state == ListState::Failed) {
        readFailed_ = true; // the screens ask when they are built
        return;
    }
    auto slot = std::make_shared<Reading>();
    indexed_ = slot->indexed;
    reader_.post([this, slot, rows = list_.rows](Database& own) { index(own, rows, *slot); });
}

void HeldProductList::index(Database& own, const std::shared_ptr<const PackedRows>& rows,
                            Reading& slot) {
    Indexes made;
    if (!slot.dropped && !stopping_) {
        try {
            made.search = std::make_shared<const SearchIndex>(*rows, &stopping_);
        } catch (const std::exception&) {
            // Stopped, or out of room: a search folds the rows itself meanwhile.
        }
        try {
            if (!stopping_) made.barcodes = std::make_shared<const BarcodeIndex>(own, *rows);
        } catch (const std::exception&) {
            // Out of room: as a failed read, said.
        }
        if (made.barcodes && !made.barcodes->read()) made.barcodes.reset();
    }
    slot.indexing.set_value(made);
    platform_.dispatcher.runOnUiThread([alive = std::weak_ptr<int>(alive_), this, rows, made] {
        if (alive.lock()) useIndexes(rows, made);
    });
}

void HeldProductList::useIndexes(const std::shared_ptr<const PackedRows>& rows,
                                 const Indexes& made) {
    if (stopped_ || list_.rows != rows || list_.state != ListState::Reading) return;
    indexed_ = {};
    if (made.search) list_.search = made.search;
    if (!made.barcodes) {
        // A barcode not found in it might still be in the file.
        list_.state = ListState::Failed;
        failed();
        return;
    }
    list_.barcodes = made.barcodes;
    list_.state = ListState::Ready;
    changed_(ListChange::Indexed);
}

void HeldProductList::failed() {
    readFailed_ = true;
    changed_(ListChange::ReadFailed);
}

HeldProductList::~HeldProductList() {
    stop();
}

void HeldProductList::stop() {
    stopped_ = true;
    stopping_ = true;
    reader_.stop();
}

void HeldProductList::rebuildSoon() {
    if (scheduled_ || stopped_) return;
    scheduled_ = true;
    const double since =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - lastStart_).count();
    const double gap = std::max(1.0, 5 * std::chrono::duration<double>(lastTook_).count());
    std::weak_ptr<int> alive = alive_;
    platform_.dispatcher.runLater(std::max(0.0, gap - since), [this, alive] {
        if (alive.lock()) startScheduled();
    });
}

void HeldProductList::startScheduled() {
    if (!scheduled_) return; // started at the end of the run meanwhile
    scheduled_ = false;
    if (reading_ > 0) {
        again_ = true; // pages stored since that one began: once more when it is done
        return;
    }
    startReading(ListChange::UpdatePages);
}

void HeldProductList::finishPendingRebuild() {
    if (!rebuildPending()) return;
    scheduled_ = false;
    again_ = false;
    ++generation_; // a reading under way began before the last page was stored
    startReading(ListChange::UpdatePages);
}

void HeldProductList::ownProductsChanged() {
    ownProductsPending_ = true;
    ++generation_; // a reading under way may have missed the change
    startReading(ListChange::OwnProducts);
}

void HeldProductList::startReading(ListChange why) {
    if (stopped_) return;
    ++reading_;
    lastStart_ = std::chrono::steady_clock::now();
    auto slot = std::make_shared<Reading>();
    newest_ = slot;
    newestGeneration_ = generation_;
    newestWhy_ = why;
    reader_.post([slot, generation = generation_, why, &dispatcher = platform_.dispatcher,
                  alive = std::weak_ptr<int>(alive_), this](Database& own) {
        slot->list.emplace(readHeldList(own, CatalogueStore(own).selectProductCount()));
        // The slot's list is taken on the UI thread.
        const auto rows = slot->list->rows;
        const bool read = slot->list->state != ListState::Failed;
        dispatcher.runOnUiThread([alive, this, generation, slot, why] {
            if (alive.lock()) take(generation, slot, why);
        });
        if (read)
            index(own, rows, *slot);
        else
            slot->indexing.set_value({});
    });
}

void HeldProductList::awaitList() {
    if (stopped_) return;
    if (loading_ || ownProductsPending_) {
        // Every reading started so far, the run's last one included; the newest is the one shown.
        reader_.waitUntilIdle();
        take(newestGeneration_, newest_, newestWhy_);
    }
    if (list_.state == ListState::Reading && indexed_.valid()) {
        // Indexed right after the list was read, on the reader: nothing else there comes first.
        useIndexes(list_.rows, Indexes(indexed_.get())); // a copy: it lets go of indexed_
    }
}

void HeldProductList::take(long generation, const Slot& slot, ListChange why) {
    // Taken already by a search that waited for it.
    if (stopped_ || !slot->list.has_value()) return;
    HeldList read = std::move(*slot->list);
    slot->list.reset();
    --reading_;
    lastTook_ = std::chrono::steady_clock::now() - lastStart_;
    if (generation != generation_) {
        slot->dropped = true;
    } else if (read.state == ListState::Failed) {
        // The list held stays: the catalogue did not become empty.
        loading_ = false;
        ownProductsPending_ = false;
        if (list_.rows->empty()) list_.state = ListState::Failed;
        failed();
    } else {
        loading_ = false;
        ownProductsPending_ = false; // read after the change, as every current one is
        readFailed_ = false;
        HeldList before = std::exchange(list_, std::move(read));
        indexed_ = slot->indexed;
        changed_(why);
        // Let go of on the reader once the screens have taken the new one: freeing a large list
        // takes longer than a frame.
        reader_.post([before = std::move(before)](Database&) {});
        // Indexed already: told after the list itself.
        if (list_.state == ListState::Reading && indexed_.valid() &&
            indexed_.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
            useIndexes(list_.rows, Indexes(indexed_.get())); // a copy: it lets go of indexed_
    }
    if (again_ && reading_ == 0) {
        again_ = false;
        rebuildSoon();
    }
}

} // namespace tolvane
