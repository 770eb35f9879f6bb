#include "tools/offimport/ExportProductMapper.h"

#include "format/TimestampText.h"
#include "text/Utf8.h"
#include "tools/catalogue/FormatDecimal.h"
#include "tools/offimport/CountryTag.h"
#include "tools/offimport/ExportValues.h"

#include <chrono>
#include <cmath>

namespace tolvane {

namespace {

// As the catalogue writes a nutrient it has no value for; the lights read it as no data.
constexpr const char* kNoData = "keine Angaben";
constexpr double kKjPerKcal = 4.184;
constexpr double kGrams = 100;      // no more than 100 g of anything in 100 g
constexpr double kSodium = 40;      // pure salt is 39 % sodium
constexpr double kCholesterol = 10; // grams; an egg yolk holds about 1
constexpr double kKcal = 1000;      // pure fat has 900
constexpr double kKj = kKcal * kKjPerKcal;

std::string grams(std::optional<double> value) {
    return value ? formatDecimal(*value, 2) : "";
}

std::string packText(double amount) {
    if (std::fabs(amount - std::round(amount)) < 1e-9)
        return std::to_string(static_cast<long long>(std::llround(amount)));
    return formatDecimal(amount, 1);
}

} // namespace

ExportProductMapper::ExportProductMapper(const ExportColumns& columns,
                                         const CategoryMapping& mapping,
                                         const ExportImportOptions& options)
    : columns_(columns), mapping_(mapping), options_(options) {}

std::string_view ExportProductMapper::text(const std::vector<std::string_view>& fields,
                                           ExportColumn c, ImportTally& tally) {
    bool open = false;
    const std::string_view value = unquoted(columns_.of(fields, c), scratch_, open);
    if (open) ++tally.unterminatedQuote;
    return value;
}

std::optional<double> ExportProductMapper::amount(const std::vector<std::string_view>& fields,
                                                  ExportColumn c, double limit,
                                                  ImportTally& tally) {
    const ExportAmount read = readExportAmount(text(fields, c, tally), limit);
    switch (read.kind) {
    case ExportAmount::Kind::Value:
        return read.value;
    case ExportAmount::Kind::NotANumber:
        ++tally.notANumber;
        break;
    case ExportAmount::Kind::OutOfRange:
        ++tally.outOfRange;
        break;
    case ExportAmount::Kind::Empty:
        break;
    }
    return std::nullopt;
}

std::optional<ExportProduct> ExportProductMapper::map(const std::vector<std::string_view>& fields,
                                                      ImportTally& tally,
                                                      const std::string& undated) {
    using C = ExportColumn;
    using F = CatalogueField;
    if (options_.countryTag && !holdsTag(text(fields, C::Countries, tally), *options_.countryTag)) {
        ++tally.otherCountry;
        return std::nullopt;
    }
    const auto code = readExportCode(text(fields, C::Code, tally));
    if (!code) {
        ++tally.badCode;
        return std::nullopt;
    }

    // A name or brand stays on one line and in one column of every file it goes to.
    const auto clean = [](std::string_view value) {
        std::string out;
        out.reserve(value.size());
        for (const char c : value)
            out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        const std::size_t first = out.find_first_not_of(' ');
        if (first == std::string::npos) return std::string();
        return out.substr(first, out.find_last_not_of(' ') - first + 1);
    };
    std::string name;
    for (const C column : {C::LocalName, C::ProductName, C::GenericName}) {
        name = clean(text(fields, column, tally));
        if (!name.empty()) break;
    }
    std::string_view brands = text(fields, C::Brands, tally);
    std::string maker = clean(brands.substr(0, brands.find(',')));
    if (!isValidUtf8(name) || !isValidUtf8(maker)) {
        ++tally.notUtf8;
        return std::nullopt;
    }
    if (name.empty()) {
        ++tally.noName;
        return std::nullopt;
    }

    ExportProduct product;
    product.key = code->key;
    product.modified = readExportTime(text(fields, C::LastModified, tally));
    CatalogueRecord& r = product.record;
    r[F::Name] = std::move(name);
    r[F::Maker] = std::move(maker);
    r[F::Gtin] = code->gtin;
    r[F::LightFlag] = "0";
    r[F::DinnerFlag] = "0";
    // A date after the import's own is a slip of the source: were it the catalogue's newest, a
    // device would ask for changes after it and never get any.
    r[F::InclusionDate] = undated;
    if (product.modified > 0) {
        std::string date = timestampText(
            std::chrono::system_clock::time_point(std::chrono::seconds(product.modified)));
        if (date < undated) r[F::InclusionDate] = std::move(date);
    }

    const auto choice = mapping_.choose(text(fields, C::Categories, tally));
    if (choice.other) ++tally.otherCategory;
    r[F::Category] = std::to_string(choice.category);
    // The pack's own unit decides; without one, a drink is measured per 100 ml.
    auto pack = readPackSize(text(fields, C::Quantity, tally));
    if (!pack) pack = readPackSize(text(fields, C::ServingSize, tally));
    const bool volume = pack ? pack->volume : choice.drink;
    r[F::Unit] = volume ? "ml" : "g";
    if (pack) r[F::SalesPortion] = packText(pack->amount);

    auto kcal = amount(fields, C::EnergyKcal, kKcal, tally);
    auto kj = amount(fields, C::EnergyKj, kKj, tally);
    if (!kj) kj = amount(fields, C::Energy, kKj, tally);
    if (!kcal && kj) kcal = *kj / kKjPerKcal;
    if (!kj && kcal) kj = *kcal * kKjPerKcal;
    r[F::EnergyKcal] = kcal ? formatDecimal(*kcal, 1) : "";
    r[F::EnergyKj] = kj ? formatDecimal(*kj, 1) : "";

    auto salt = amount(fields, C::Salt, kGrams, tally);
    const auto sodium = amount(fields, C::Sodium, kSodium, tally);
    if (!salt && sodium) salt = *sodium * 2.5;
    const auto lightText = [](std::optional<double> value) {
        return value ? formatDecimal(*value, 2) : std::string(kNoData);
    };
    r[F::Fat] = lightText(amount(fields, C::Fat, kGrams, tally));
    r[F::SaturatedFat] = lightText(amount(fields, C::SaturatedFat, kGrams, tally));
    r[F::Sugar] = lightText(amount(fields, C::Sugars, kGrams, tally));
    r[F::Salt] = lightText(salt);
    r[F::Carbohydrates] = grams(amount(fields, C::Carbohydrates, kGrams, tally));
    r[F::Fibre] = grams(amount(fields, C::Fiber, kGrams, tally));
    r[F::Protein] = grams(amount(fields, C::Proteins, kGrams, tally));
    r[F::TransFat] = grams(amount(fields, C::TransFat, kGrams, tally));
    r[F::Starch] = grams(amount(fields, C::Starch, kGrams, tally));
    r[F::Polyols] = grams(amount(fields, C::Polyols, kGrams, tally));
    r[F::Monounsaturated] = grams(amount(fields, C::Monounsaturated, kGrams, tally));
    r[F::Polyunsaturated] = grams(amount(fields, C::Polyunsaturated, kGrams, tally));
    // The catalogue holds cholesterol in milligrams, the export in grams.
    const auto cholesterol = amount(fields, C::Cholesterol, kCholesterol, tally);
    r[F::Cholesterol] = cholesterol ? formatDecimal(*cholesterol * 1000, 1) : "";
    return product;
}

} // namespace tolvane
