// Imports a synthetic export of 1,000,000 lines in the export's layout (its ~200 real columns,
// about 1.7 KB a line like the published file) with tolvane-catalogue import-off, started as a
// program of its own, and prints its rate and its peak resident memory; then the same for the
// product server's import-off into an empty catalogue.
//
//   tolvane-offimport-bench [--lines N]

#include "bench/common/BenchFigures.h"
#include "tests/support/ExportSample.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace tolvane;

const char* const kCategories[] = {
    "en:meats-and-their-products,en:meats,en:prepared-meats,en:sausages,en:dry-sausages",
    "en:dairies,en:fermented-foods,en:fermented-milk-products,en:cheeses",
    "en:beverages,en:carbonated-drinks,en:sodas",
    "en:snacks,en:sweet-snacks,en:cocoa-and-its-products,en:chocolates",
    "en:plant-based-foods-and-beverages,en:plant-based-foods,en:cereals-and-potatoes,en:pastas",
    "en:plant-based-foods-and-beverages,en:plant-based-foods,en:fruits-and-vegetables-based-foods",
    "en:groceries,en:condiments,en:sauces",
    "",
};
const char* const kCountries[] = {"en:france", "en:germany,en:switzerland", "en:united-states",
                                  "en:italy,en:france", "en:spain"};
const char* const kWords[] = {"Bio",    "Crunchy", "Classic", "Käse",  "Schoko", "Müsli",
                              "Tomate", "Pesto",   "Léger",   "Extra", "Nature", "Vanille"};

// Writes lines export lines; about 1.5 KB each.
void writeSyntheticExport(const std::string& path, long long lines) {
    const auto& names = test::exportColumnNames();
    std::vector<std::string> row(names.size());
    const auto at = [&names](const char* name) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) return i;
        std::cerr << "no column " << name << "\n";
        std::exit(1);
    };
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> grams(0, 40);
    std::string ingredients;
    for (int i = 0; i < 40; ++i)
        ingredients += std::string(kWords[i % 12]) + " " + std::to_string(i) + " %, ";
    row[at("creator")] = "openfoodfacts-contributors";
    row[at("states_tags")] =
        "en:to-be-completed,en:nutrition-facts-completed,en:ingredients-completed,"
        "en:expiration-date-to-be-completed,en:packaging-code-to-be-completed,"
        "en:characteristics-completed,en:categories-completed,en:brands-completed,"
        "en:packaging-completed,en:quantity-completed,en:product-name-completed";
    row[at("ingredients_text")] = ingredients;
    row[at("ingredients_analysis_tags")] =
        "en:palm-oil-free,en:non-vegan,en:vegetarian-status-unknown";
    row[at("data_quality_errors_tags")] = "";
    row[at("packaging_tags")] = "en:plastic,en:bag,en:fresh";
    row[at("labels_tags")] = "en:organic,en:eu-organic,en:green-dot";
    row[at("nutrient_levels_tags")] =
        "en:fat-in-moderate-quantity,en:saturated-fat-in-high-quantity,en:sugars-in-low-quantity,"
        "en:salt-in-high-quantity";
    const std::size_t nutrientColumns[] = {at("energy-kcal_100g"), at("energy-kj_100g"),
                                           at("fat_100g"),         at("saturated-fat_100g"),
                                           at("sugars_100g"),      at("carbohydrates_100g"),
                                           at("proteins_100g"),    at("salt_100g"),
                                           at("sodium_100g"),      at("fiber_100g"),
                                           at("calcium_100g"),     at("iron_100g"),
                                           at("vitamin-c_100g"),   at("nutrition-score-fr_100g")};
    const std::size_t code = at("code"), url = at("url"), name = at("product_name"),
                      nameDe = at("product_name_de"), brands = at("brands"),
                      categories = at("categories_tags"), categoriesEn = at("categories_en"),
                      countries = at("countries_tags"), quantity = at("quantity"),
                      modified = at("last_modified_t"), created = at("created_t"),
                      image = at("image_url");

    std::ofstream out(path, std::ios::binary);
    out << test::exportHeader() << '\n';
    std::string line;
    for (long long i = 0; i < lines; ++i) {
        const std::string digits = std::to_string(4000000000000LL + i * 7);
        row[code] = digits;
        row[url] = "https://world.openfoodfacts.org/product/" + digits + "/product";
        row[image] =
            "https://images.openfoodfacts.org/images/products/" + digits + "/front_fr.4.400.jpg";
        row[name] = std::string(kWords[i % 12]) + " " + kWords[(i / 12) % 12] + " " +
                    std::to_string(i % 997);
        row[nameDe] = i % 3 == 0 ? row[name] + " (de)" : "";
        row[brands] = std::string(kWords[(i / 7) % 12]) + " AG";
        row[categories] = kCategories[i % 8];
        row[categoriesEn] = kCategories[i % 8];
        row[countries] = kCountries[i % 5];
        row[quantity] = std::to_string(100 + (i % 9) * 50) + (i % 8 == 2 ? " ml" : " g");
        row[modified] = std::to_string(1600000000 + i);
        row[created] = std::to_string(1500000000 + i);
        for (const std::size_t c : nutrientColumns)
            row[c] = bench::fixed(grams(random), 3);
        line.clear();
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c) line += '\t';
            line += row[c];
        }
        line += '\n';
        out << line;
    }
    if (!out) {
        std::cerr << "could not write " << path << "\n";
        std::exit(1);
    }
}

struct Run {
    bool ok = false;
    double seconds = 0;
    double peakMiB = 0;
};

// Runs a program to its end, its output dropped: its time and its own peak resident memory.
Run run(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (auto& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Run result;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        result.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    long long lines = 1'000'000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--lines") lines = std::stoll(argv[++i]);

    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-offimport-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string csv = (dir / "export.csv").string();
    const std::string db = (dir / "Tolvane.db").string();
    writeSyntheticExport(csv, lines);
    const double megabytes = static_cast<double>(std::filesystem::file_size(csv)) / 1e6;
    std::cout << "export: " << lines << " lines, " << bench::fixed(megabytes, 0) << " MB\n";

    // The catalogue tool, then the server taking the same export into an empty catalogue.
    const Run tool = run({TOLVANE_CATALOGUE_TOOL, "import-off", "--csv", csv, "--out", db});
    const Run server = run({TOLVANE_PRODUCT_SERVER, "import-off", "--db", db + ".server", "--csv",
                            csv, "--timestamp", "2026-01-01 00:00:00"});
    std::filesystem::remove_all(dir);
    if (!tool.ok || !server.ok) {
        std::cerr << "the import failed\n";
        return 1;
    }
    std::cout << "import: " << bench::fixed(tool.seconds, 1)
              << " s (the server's: " << bench::fixed(server.seconds, 1) << " s)\n";
    bench::figure("import_off_rows_per_s", static_cast<double>(lines) / tool.seconds, "lines/s",
                  20000, "target at least", 0);
    bench::figure("import_off_peak_rss_mib", tool.peakMiB, "MiB", 300, "target at most", 1);
    bench::figure("import_off_server_rows_per_s", static_cast<double>(lines) / server.seconds,
                  "lines/s", 0, "", 0);
    bench::figure("import_off_server_peak_rss_mib", server.peakMiB, "MiB", 0, "", 1);
    return 0;
}
