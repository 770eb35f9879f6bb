#include "catalogue/HeldProductList.h"

#include "store/Database.h"

#include <algorithm>

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
    if (!database.selectProduct([&rows](const ListRowView& row) { rows.push_back(row); }))
        rows.clear();
    rows.shrink_to_fit(); // held for long: little spare capacity
    HeldList held;
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
    if (const int count = shared.selectProductCount(); count > readAtOnceUpTo) {
        loading_ = true;
        startReading(ListChange::FirstRead);
    } else {
        list_ = readHeldList(shared, count);
        auto slot = std::make_shared<Reading>();
        folded_ = slot->folded;
        reader_.post([this, slot, rows = list_.rows](Database&) { fold(rows, *slot); });
        readBarcodes();
    }
}

void HeldProductList::fold(const std::shared_ptr<const PackedRows>& rows, Reading& slot) {
    Folded folded;
    try {
        folded = std::make_shared<const SearchIndex>(*rows, &stopping_);
    } catch (const std::exception&) {
        // Stopped, or out of room: a search folds the rows itself meanwhile.
    }
    slot.folding.set_value(folded);
    if (!folded) return;
    platform_.dispatcher.runOnUiThread([alive = std::weak_ptr<int>(alive_), this, rows, folded] {
        if (alive.lock()) useFolded(rows, folded);
    });
}

void HeldProductList::useFolded(const std::shared_ptr<const PackedRows>& rows,
                                const Folded& folded) {
    if (!stopped_ && folded && list_.rows == rows) list_.search = folded;
}

void HeldProductList::readBarcodes() {
    if (stopped_) return;
    reader_.post([rows = list_.rows, &dispatcher = platform_.dispatcher,
                  alive = std::weak_ptr<int>(alive_), this](Database& own) {
        auto barcodes = std::make_shared<const BarcodeIndex>(own, *rows);
        dispatcher.runOnUiThread([alive, this, rows, barcodes] {
            // A list read meanwhile has its own to come.
            if (alive.lock() && !stopped_ && list_.rows == rows) list_.barcodes = barcodes;
        });
    });
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
        slot->list.emplace(readHeldList(own, own.selectProductCount()));
        const auto rows = slot->list->rows; // the slot's list is taken on the UI thread
        dispatcher.runOnUiThread([alive, this, generation, slot, why] {
            if (alive.lock()) take(generation, slot, why);
        });
        fold(rows, *slot);
    });
}

void HeldProductList::awaitList() {
    if (stopped_) return;
    if (loading_) {
        // Every reading started so far, the run's last one included; the newest is the one shown.
        reader_.waitUntilIdle();
        take(newestGeneration_, newest_, newestWhy_);
    }
    if (folded_.valid()) {
        // Folded right after the list was read, or posted right after it was held: nothing else
        // on the reader comes first.
        useFolded(list_.rows, folded_.get());
        folded_ = {};
    }
}

void HeldProductList::take(long generation, const Slot& slot, ListChange why) {
    // Taken already by a search that waited for it.
    if (stopped_ || !slot->list.has_value()) return;
    HeldList read = std::move(*slot->list);
    slot->list.reset();
    --reading_;
    lastTook_ = std::chrono::steady_clock::now() - lastStart_;
    if (generation == generation_) {
        loading_ = false;
        ownProductsPending_ = false; // read after the change, as every current one is
        list_ = std::move(read);
        folded_ = slot->folded;
        if (folded_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            useFolded(list_.rows, folded_.get());
            folded_ = {};
        }
        readBarcodes();
        changed_(why);
    }
    if (again_ && reading_ == 0) {
        again_ = false;
        rebuildSoon();
    }
}

} // namespace tolvane
