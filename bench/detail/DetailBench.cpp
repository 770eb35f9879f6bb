// Times the search for better choices on the detail, for a product with red lights in the largest
// category of the synthetic catalogue (as detail_largest_category does), and again in a catalogue
// whose products all lie in one category (the worst case: the category is the whole catalogue), as
// the detail's worker does it (the category read, ranked, the five winners read), and the ranking
// alone on values already in memory. Medians of repeated runs.
#include "bench/common/BenchFigures.h"
#include "nutrition/BetterChoices.h"
#include "platform/Log.h"
#include "screens/detail/CategoryComparison.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace tolvane;

namespace {

struct Candidate {
    std::string recordId;
    std::array<std::string, kNutrientCount> texts;
    std::string unit;
};

// oneCategory: every product in one category; otherwise the generator's categories.
int run(int count, bool oneCategory) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-detail-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto categories = dir / "one-category.tsv";
    std::ofstream(categories) << "Recordid\tCategory\n1\tSüßwaren\n";
    const auto file = dir / "synthetic.db";
    const std::string command =
        std::string("\"") + TOLVANE_CATALOGUE_TOOL + "\" synthetic --count " +
        std::to_string(count) + " --out \"" + file.string() + "\"" +
        (oneCategory ? " --categories \"" + categories.string() + "\"" : std::string()) +
        " > /dev/null";
    if (std::system(command.c_str()) != 0) {
        std::cerr << "could not make the synthetic catalogue: " << command << "\n";
        return 1;
    }
    NullLog log;
    Database db(file.string(), log);
    std::string category = "1";
    int largest = -1;
    for (const CategoryRow& row : CatalogueStore(db).selectCategoriesForCategoryScreen())
        if (const int n =
                CatalogueStore(db).selectProductCountForCategory(CategoryId::of(row.recordId));
            n > largest) {
            largest = n;
            category = row.recordId;
        }
    const std::string prefix = oneCategory ? "better_choices_one_category" : "better_choices";

    // The product with the most red lights is shown: nearly every other one is better.
    std::vector<Candidate> candidates;
    CatalogueStore(db).selectChoiceValuesForCategory(
        CategoryId::of(category), [&](const ChoiceValuesView& row) {
            candidates.push_back(
                {std::string(row.recordId),
                 {std::string(row.fat), std::string(row.saturatedFat), std::string(row.sugar),
                  std::string(row.salt), std::string(row.kcal)},
                 std::string(row.unit)});
        });
    auto lightsOf = [](const Candidate& c) {
        return choiceLights({c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.texts[4]}, c.unit);
    };
    std::size_t worst = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (lightsOf(candidates[worst]) < lightsOf(candidates[i])) worst = i;
    const auto shown =
        CatalogueStore(db).selectProductDetail(ProductId::of(candidates[worst].recordId)).value();
    std::cout << "\n"
              << candidates.size() << " products in the category; shown " << shown.name << "\n";

    const int runs = 15;
    std::size_t found = 0;
    // The first product opened in the category: the scan, the ranking, the winners read.
    const double search = bench::medianMs(runs, [&] {
        const auto lights = CategoryComparison::categoryLights(db, category);
        found = CategoryComparison::searchBetterChoices(db, shown, lights).size();
    });
    bench::figure(prefix, count, search, "ms", 20.0, "target at 100,000");
    // Every later one: the category's lights kept on the store object, ranked, the winners read.
    db.keepCategoryFigures("choices " + category, CategoryComparison::categoryLights(db, category),
                           db.catalogueGeneration());
    const double kept = bench::medianMs(runs, [&] {
        const auto lights = db.keptCategoryFigures("choices " + category);
        found = CategoryComparison::searchBetterChoices(db, shown, *lights).size();
    });
    bench::figure(prefix + "_kept", count, kept, "ms", 20.0, "target at 100,000");
    // The lights rated and ranked alone, from texts in memory, as the scan does it.
    const ChoiceLights shownLights = lightsOf(candidates[worst]);
    const double ranking = bench::medianMs(runs, [&] {
        BetterChoices<std::size_t> best(shownLights);
        for (std::size_t i = 0; i < candidates.size(); ++i)
            best.offer(lightsOf(candidates[i]), i);
        found = best.ranked().size();
    });
    bench::figure(prefix + "_ranking", count, ranking, "ms", 0, "");
    std::cout << "  " << found << " choices\n";
    std::filesystem::remove_all(dir);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int count = 100000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--count") count = std::stoi(argv[i + 1]);
    const int largestCategory = run(count, false);
    return largestCategory != 0 ? largestCategory : run(count, true);
}
