#include "tools/catalogue/SyntheticCatalogue.h"

#include "tools/catalogue/CatalogueError.h"
#include "tools/catalogue/FormatDecimal.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane {
namespace {

// splitmix64: small, fast and the same on every platform (unlike the standard distributions).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    double between(double low, double high) {
        return low + (high - low) * static_cast<double>(next() >> 11) / 9007199254740992.0;
    }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 30> kMakers = {
    "Migros",          "Coop",         "M-Budget",   "Naturaplan",   "Qualité & Prix",
    "Prix Garantie",   "Betty Bossi",  "Farmer",     "Zweifel",      "Lindt",
    "Nestlé",          "McDonald's",   "Müller",     "Emmi",         "Frey",
    "Kellogg's",       "Anna's Best",  "Hürlimann",  "Crème d'Or",   "Dr. Oetker",
    "Bäckerei Süß",    "Ölmühle Groß", "Café Royal", "Zuckerbäcker", "Léger",
    "Rösterei Zürich", "Thomy",        "Knorr",      "Bio Ägerital", ""};

constexpr std::array<std::string_view, 24> kAdjectives = {
    "Zarte",   "Feine",  "Würzige",   "Süße",    "Knusprige", "Große",  "Äußerst", "Frische",
    "Crémeux", "Délice", "Fruchtige", "Saftige", "Grüne",     "Weiße",  "Dunkle",  "Leichte",
    "Bio",     "Extra",  "Mini",      "Öko",     "Échte",     "Doppel", "Milde",   "Scharfe"};

constexpr std::array<std::string_view, 32> kNouns = {
    "Äpfel",        "Apfelmus",      "Zwieback",     "Éclair",      "Müesli",
    "Käsekuchen",   "Bratwürste",    "Schokolade",   "Grießbrei",   "Rösti",
    "Öl",           "Überraschung",  "Crème brûlée", "Joghurt",     "Mozzarella",
    "Paprikachips", "Fischstäbchen", "Spätzli",      "Brötchen",    "Limonade",
    "Orangensaft",  "Tomatensauce",  "Haselnüsse",   "Gipfeli",     "Hamburger",
    "Lebkuchen",    "Milchdrink",    "Fleischkäse",  "Cordon bleu", "Pâté",
    "Maïs",         "Straußenei"};

constexpr std::array<std::string_view, 16> kExtras = {
    "mit Vollmilch",    "nature",      "à la crème",
    "aux fines herbes", "ohne Zucker", "mit Kräutern",
    "Grand-Mère's Art", "extra fein",  "mit Äpfeln & Birnen",
    "50% weniger Fett", "für Kinder",  "d'Italia",
    "mit Spaß",         "Classic",     "Familienpackung",
    "zum Mitnehmen"};

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

std::string makeName(Random& random, int index) {
    std::string name;
    const int start = random.below(100);
    if (start < 4)
        name = "@" + std::string(random.pick(kNouns)) + " ";
    else if (start < 10)
        name = std::to_string(1 + random.below(500)) + " ";
    if (random.chance(60)) name += std::string(random.pick(kAdjectives)) + " ";
    name += random.pick(kNouns);
    const int extras = random.chance(55) ? 1 + random.below(3) : 0;
    for (int i = 0; i < extras; ++i)
        name += " " + std::string(random.pick(kExtras));
    // Keeps names distinct enough for lists and searches without looking artificial.
    if (random.chance(30)) name += " " + std::to_string(100 + index % 900) + "g";
    return name;
}

std::string makeDate(Random& random) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int year = 2016 + random.below(2);
    const int month = 1 + random.below(12);
    int days = kDays[static_cast<std::size_t>(month - 1)];
    if (month == 2 && year == 2016) days = 29;
    return std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(1 + random.below(days)) +
           " " + twoDigits(7 + random.below(11)) + ":" + twoDigits(random.below(60)) + ":" +
           twoDigits(random.below(60));
}

std::string makeGtin(Random& random) {
    std::string digits = "76";
    for (int i = 0; i < 10; ++i)
        digits += static_cast<char>('0' + random.below(10));
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    digits += static_cast<char>('0' + (10 - sum % 10) % 10);
    return digits;
}

std::string nutrient(Random& random, double value, int noDataPercent) {
    return random.chance(noDataPercent) ? "keine Angaben" : formatDecimal(value, 2);
}

} // namespace

std::vector<CatalogueCategory> SyntheticCatalogue::defaultCategories() {
    static const std::array<const char*, 19> kNames = {"Getränke",
                                                       "Milchprodukte",
                                                       "Käse",
                                                       "Süßwaren",
                                                       "Snacks",
                                                       "Backwaren",
                                                       "Frühstück & Cerealien",
                                                       "Fertiggerichte",
                                                       "Fast Food",
                                                       "Fleisch & Wurst",
                                                       "Fisch",
                                                       "Obst & Gemüse",
                                                       "Teigwaren & Reis",
                                                       "Saucen & Gewürze",
                                                       "Brotaufstriche",
                                                       "Öle & Fette",
                                                       "Kaffee & Tee",
                                                       "Babynahrung",
                                                       "Sonstiges"};
    std::vector<CatalogueCategory> categories;
    for (std::size_t i = 0; i < kNames.size(); ++i)
        categories.push_back({static_cast<int>(i + 1), kNames[i]});
    return categories;
}

std::vector<CatalogueRecord>
SyntheticCatalogue::generate(int count, std::uint64_t seed,
                             const std::vector<CatalogueCategory>& categories) {
    if (count < 0 || count >= firstOwnProductId)
        throw CatalogueError("product count " + std::to_string(count) + " is out of range");
    if (categories.empty()) throw CatalogueError("no categories to fill");
    Random random(seed);
    std::vector<CatalogueRecord> products;
    products.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CatalogueRecord product;
        product.id = i + 1;
        using enum CatalogueField;
        // The first products cover every category once; the rest are spread at random.
        const auto& category = i < static_cast<int>(categories.size())
                                   ? categories[static_cast<std::size_t>(i)]
                                   : categories[static_cast<std::size_t>(
                                         random.below(static_cast<int>(categories.size())))];
        const bool drink = random.chance(12);
        const double fat = random.between(0, 40);
        const double saturated = fat * random.between(0.05, 0.7);
        const double carbs = random.between(0, 80);
        const double sugar = carbs * random.between(0, 0.9);
        const double protein = random.between(0, 30);
        const double kcal = 9 * fat + 4 * carbs + 4 * protein;

        product[Name] = makeName(random, i);
        product[Maker] = std::string(random.pick(kMakers));
        product[Category] = std::to_string(category.id);
        product[LightFlag] = "0";
        product[SalesPortion] =
            random.chance(80) ? std::to_string(25 * (1 + random.below(40))) : "";
        product[InclusionDate] = makeDate(random);
        product[DinnerFlag] = "0";
        product[Unit] = drink ? "ml" : "g";
        product[EnergyKj] = formatDecimal(kcal * 4.184, 1);
        product[EnergyKcal] = formatDecimal(kcal, 1);
        product[Carbohydrates] = formatDecimal(carbs, 2);
        product[Sugar] = nutrient(random, sugar, 8);
        product[Fat] = nutrient(random, fat, 5);
        product[SaturatedFat] = nutrient(random, saturated, 10);
        product[Salt] = nutrient(random, random.between(0, 3), 10);
        product[Fibre] = random.chance(50) ? formatDecimal(random.between(0, 12), 2) : "";
        product[Protein] = formatDecimal(protein, 2);
        product[Gtin] = makeGtin(random);
        products.push_back(std::move(product));
    }
    return products;
}

} // namespace tolvane
