// What the product detail compares its product with, both read from the whole category: the
// category means that decide the "top" lights, and the better choices.
//
// Threads: made, used and destroyed on the UI thread. It owns a store worker (DatabaseWorker)
// that starts with the first product compared and reads the category on its own Database; each
// result is published whole (the five means at once, the choices at once) through a DispatchGate
// to the UI thread, where a result for a product other than the last one compared is dropped.
// The destructor first closes the gate (a result found later is dropped on the worker), then
// stops the worker (the scan under way is interrupted) and waits for its thread; a result handed
// over before and still queued on the dispatcher does nothing when it runs.
#pragma once

#include "nutrition/CategoryMeans.h"
#include "platform/Dispatcher.h"
#include "platform/Log.h"
#include "store/Rows.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;
class DatabaseWorker;

class CategoryComparison {
public:
    using MeansReady = std::function<void(const CategoryMeans&)>;
    using ChoicesReady = std::function<void(const std::vector<ProductRecord>&)>;

    // shared: the UI thread's store object, on which the category's means and lights are kept
    // until the catalogue changes.
    CategoryComparison(Dispatcher& dispatcher, Log& log, Database& shared);
    ~CategoryComparison();
    CategoryComparison(const CategoryComparison&) = delete;
    CategoryComparison& operator=(const CategoryComparison&) = delete;

    // Compares the product with its category. Means kept on the shared store are handed to
    // meansReady before this returns; otherwise they, and the choices (none for a product
    // without a category), come later on the UI thread. The results of any earlier product are
    // dropped from here on.
    void compare(const ProductRecord& product, MeansReady meansReady, ChoicesReady choicesReady);
    // Drops the results under way.
    void drop() { ++comparison_; }

    // The reads themselves, on the store object of the thread that runs them. The means of every
    // product whose category is the one given; nothing when none was read (the product compared
    // belongs to its category, so the file could not be read just now).
    static std::optional<CategoryMeans> categoryMeans(Database& db, const std::string& categoryId);
    // The lights of every product of the category (a scan of the catalogue): per product its
    // identifier, red and amber lights and energy.
    static std::vector<double> categoryLights(Database& db, const std::string& categoryId);
    // Up to five of them with better lights than the product's, read from the store, best first.
    static std::vector<ProductRecord> searchBetterChoices(Database& db,
                                                          const ProductRecord& product,
                                                          const std::vector<double>& lights);

private:
    Database& shared_;
    Log& log_;
    long comparison_ = 0; // which comparison the results handed over belong to
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::shared_ptr<DispatchGate> toUiThread_;
    std::unique_ptr<DatabaseWorker> worker_; // last: stopped before the rest goes
};

} // namespace tolvane
