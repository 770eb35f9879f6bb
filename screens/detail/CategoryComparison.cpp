#include "screens/detail/CategoryComparison.h"

#include "nutrition/BetterChoices.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DatabaseWorker.h"

#include <optional>

namespace tolvane {
namespace {

constexpr std::size_t kLightsPerProduct = 4; // identifier, red, amber, kcal

std::string keptLightsName(const std::string& categoryId) {
    return "choices " + categoryId;
}

std::array<std::string_view, kNutrientCount> choiceTexts(const NutrientColumns& n) {
    return {n.fat, n.saturatedFat, n.sugar, n.salt, n.kcal};
}

std::optional<CategoryMeans> keptMeans(Database& shared, const std::string& categoryId) {
    const auto kept = shared.categoryFigures(categoryId);
    if (!kept || kept->size() != kNutrientCount) return std::nullopt;
    const auto& f = *kept;
    return CategoryMeans{static_cast<float>(f[0]), static_cast<float>(f[1]),
                         static_cast<float>(f[2]), static_cast<float>(f[3]),
                         static_cast<float>(f[4])};
}

} // namespace

CategoryComparison::CategoryComparison(Dispatcher& dispatcher, Log& log, Database& shared)
    : shared_(shared), log_(log), toUiThread_(std::make_shared<DispatchGate>(dispatcher)) {}

CategoryComparison::~CategoryComparison() {
    // From here on the dispatcher is no longer ours to use: a read under way ends without
    // handing its result over.
    toUiThread_->close();
    if (worker_) worker_->stop();
}

void CategoryComparison::compare(const ProductRecord& product, MeansReady meansReady,
                                 ChoicesReady choicesReady) {
    const long comparison = ++comparison_;
    const std::string categoryId = product.categoryId;
    const auto means = keptMeans(shared_, categoryId);
    const bool choices = !categoryId.empty();
    if (means) meansReady(*means);
    if (means && !choices) return;
    if (!worker_) worker_ = std::make_unique<DatabaseWorker>(shared_.GetDatabasePath(), log_);
    std::shared_ptr<DispatchGate> toUiThread = toUiThread_;
    std::weak_ptr<int> alive = alive_;
    const long generation = shared_.catalogueGeneration();
    // The screen and the shared store are used on the UI thread only: each result goes there,
    // with what is to be kept.
    if (!means)
        worker_->post([=, this](Database& db) {
            const std::optional<CategoryMeans> read = categoryMeans(db, categoryId);
            toUiThread->runOnUiThread([=, this] {
                if (!alive.lock()) return;
                if (read)
                    shared_.keepCategoryFigures(categoryId,
                                                {read->arithMeanFett, read->arithMeanGesFette,
                                                 read->arithMeanZucker, read->arithMeanSalz,
                                                 read->arithMeanKalorie},
                                                generation);
                // Unknown means rate no "top".
                if (comparison == comparison_)
                    meansReady(read.value_or(CategoryMeansSum().means()));
            });
        });
    if (!choices) return;
    auto kept = shared_.keptCategoryFigures(keptLightsName(categoryId));
    worker_->post([=, this, kept = std::move(kept)](Database& db) {
        const bool scanned = !kept;
        std::vector<double> lights;
        if (scanned) lights = categoryLights(db, categoryId);
        auto found = searchBetterChoices(db, product, scanned ? lights : *kept);
        toUiThread->runOnUiThread(
            [=, this, found = std::move(found), lights = std::move(lights)]() mutable {
                if (!alive.lock()) return;
                if (scanned && !lights.empty())
                    shared_.keepCategoryFigures(keptLightsName(categoryId), std::move(lights),
                                                generation);
                if (comparison == comparison_) choicesReady(found);
            });
    });
}

std::optional<CategoryMeans> CategoryComparison::categoryMeans(Database& db,
                                                               const std::string& categoryId) {
    const auto rows = CatalogueStore(db).selectProductDetailForCategory(CategoryId::of(categoryId));
    if (rows.empty()) return std::nullopt;
    CategoryMeansSum sum;
    for (const CategoryValuesRow& row : rows)
        sum.add(choiceTexts(row.nutrients));
    return sum.means();
}

std::vector<double> CategoryComparison::categoryLights(Database& db,
                                                       const std::string& categoryId) {
    std::vector<double> lights;
    const bool read = CatalogueStore(db).selectChoiceValuesForCategory(
        CategoryId::of(categoryId), [&](const ChoiceValuesView& row) {
            const long long id = integerValue64(row.recordId);
            if (id <= 0) return;
            const ChoiceLights l =
                choiceLights({row.fat, row.saturatedFat, row.sugar, row.salt, row.kcal}, row.unit);
            lights.insert(lights.end(),
                          {static_cast<double>(id), static_cast<double>(l.red),
                           static_cast<double>(l.amber), static_cast<double>(l.kcal)});
        });
    if (!read) lights.clear();
    return lights;
}

std::vector<ProductRecord>
CategoryComparison::searchBetterChoices(Database& db, const ProductRecord& product,
                                        const std::vector<double>& lights) {
    BetterChoices<long long> best(choiceLights(choiceTexts(product.nutrients), product.unit));
    const long long shown = integerValue64(product.recordId);
    for (std::size_t i = 0; i + kLightsPerProduct <= lights.size(); i += kLightsPerProduct) {
        const auto id = static_cast<long long>(lights[i]);
        if (id == shown) continue;
        best.offer({static_cast<int>(lights[i + 1]), static_cast<int>(lights[i + 2]),
                    static_cast<float>(lights[i + 3])},
                   id);
    }
    std::vector<ProductRecord> products;
    for (long long id : best.ranked())
        if (auto found = CatalogueStore(db).selectProductDetail(ProductId{id}))
            products.push_back(std::move(*found));
    return products;
}

} // namespace tolvane
