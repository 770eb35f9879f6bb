// The rows the store's queries return, one struct per row shape, with the statement's columns as
// named members. Values stay the texts the file holds (nutrients as stored, "YES"/"NO", NULL as
// the empty text); columns the store reads as integers hold their decimal digits.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// A product in a list: the full list, the searches, the own-products lists, a favourite check.
struct ListRow {
    std::string name;
    std::string maker;
    std::string recordId;
    friend bool operator==(const ListRow&, const ListRow&) = default;
};

// The same, pointing into the statement's current row; valid only during the visit.
struct ListRowView {
    std::string_view name;
    std::string_view maker;
    std::string_view recordId;
};

// The five judged nutrients of a product as stored, per 100 g or 100 ml (per the amount in a
// consumption row).
struct NutrientColumns {
    std::string fat;
    std::string saturatedFat;
    std::string sugar;
    std::string salt; // salt or sodium
    std::string kcal;
    friend bool operator==(const NutrientColumns&, const NutrientColumns&) = default;
};

// selectProductDetail: the product record the detail screens show. The folder list builds one
// of the same shape for a folder's totals.
struct ProductRecord {
    std::string name;
    std::string recordId;
    std::string maker;
    std::string categoryId;
    std::string favFlag; // "1" for a favourite
    NutrientColumns nutrients;
    std::string unit; // "g" means per 100 g, anything else per 100 ml
    std::string salesPortion;

    // As the store compares it: the leading integer of the text is 1.
    bool favourite() const;
    friend bool operator==(const ProductRecord&, const ProductRecord&) = default;
};

// selectNutritionFacts: every value of a product's nutrition table as stored, per 100 g or 100 ml
// (energy in kJ and kcal, cholesterol as the catalogue holds it, the rest in grams).
struct NutritionFactsRow {
    std::string energyKj;
    std::string energyKcal;
    std::string carbohydrates;
    std::string sugar;
    std::string fat;
    std::string saturatedFat;
    std::string salt;
    std::string fibre;
    std::string protein;
    std::string transFat;
    std::string starch;
    std::string polyols;
    std::string monounsaturated;
    std::string polyunsaturated;
    std::string cholesterol;
    std::string unit;
    friend bool operator==(const NutritionFactsRow&, const NutritionFactsRow&) = default;
};

// selectChoiceValuesForCategory: a category's products as the better choices judge them,
// pointing into the statement's current row; valid only during the visit.
struct ChoiceValuesView {
    std::string_view recordId;
    std::string_view fat;
    std::string_view saturatedFat;
    std::string_view sugar;
    std::string_view salt;
    std::string_view kcal;
    std::string_view unit;
};

// selectProductsForCategory: a category's products with their values (the favourite column is
// the constant "0").
struct CategoryProductRow {
    std::string name;
    std::string recordId;
    std::string maker;
    std::string categoryId;
    std::string favFlag;
    NutrientColumns nutrients;
    std::string unit;
    friend bool operator==(const CategoryProductRow&, const CategoryProductRow&) = default;
};

// selectProductDetailForCategory: what the category means are worked out from.
struct CategoryValuesRow {
    NutrientColumns nutrients;
    std::string unit;
    std::string recordDate;
    friend bool operator==(const CategoryValuesRow&, const CategoryValuesRow&) = default;
};

// selectCategories, selectCategoriesForCategoryScreen. The name is a string-table key.
struct CategoryRow {
    std::string recordId; // read as integer
    std::string name;
    friend bool operator==(const CategoryRow&, const CategoryRow&) = default;
};

// selectTimestamp: the download bookkeeping.
struct TimestampRow {
    std::string rows;       // catalogue records an unfinished download has stored
    std::string dtimestamp; // newest record date after the last completed download; may be ""
    std::string utimestamp;
    friend bool operator==(const TimestampRow&, const TimestampRow&) = default;
};

// selectProductForId: an own product as the user typed it.
struct OwnProductRecord {
    std::string name;
    std::string maker;
    std::string categoryId;
    NutrientColumns nutrients;
    std::string sent;         // "0" until uploaded, then "1"
    std::string unit;         // "g" or "ml"
    std::string saltOrSodium; // "0" sodium, "1" salt was typed
    std::string portion;
    friend bool operator==(const OwnProductRecord&, const OwnProductRecord&) = default;
};

// selectProductsForCsv: an own product not yet uploaded.
struct UploadRow {
    std::string recordId; // read as integer
    std::string name;
    std::string maker;
    std::string categoryId;
    NutrientColumns nutrients;
    std::string unit;
    std::string portion;
    std::string gtin = {}; // the barcode entered, empty when none; not read by selectProductsForCsv
    friend bool operator==(const UploadRow&, const UploadRow&) = default;
};

// The favourite queries. sortOrder is empty where the statement does not select it
// (selectProductFavorite, selectProductFavoriteByCategoryid).
struct FavoriteRow {
    std::string name;
    std::string recordId;
    std::string maker;
    std::string categoryId;
    std::string sortOrder;
    friend bool operator==(const FavoriteRow&, const FavoriteRow&) = default;
};

// A Menu_Folder row.
struct FolderRow {
    std::string name; // a string-table key when localized is "1"
    std::string calories;
    std::string sortOrder;
    std::string folderId;
    std::string localized;

    bool isLocalized() const { return localized == "1"; }
    friend bool operator==(const FolderRow&, const FolderRow&) = default;
};

// selectProductDetailForEdit: the amount eaten of a product in a folder and its values.
struct ConsumptionRow {
    NutrientColumns nutrients; // for the amount
    std::string gm;            // the unit alone (standing for 100 of it) or a number with its unit
    std::string folderId;
    friend bool operator==(const ConsumptionRow&, const ConsumptionRow&) = default;
};

// The Settings row, each "YES" or "NO".
struct SettingsRow {
    std::string liveSearch;
    std::string localization;
    std::string metricUnits;

    bool liveSearchOn() const { return liveSearch == "YES"; }
    bool metricUnitsOn() const { return metricUnits == "YES"; }
    friend bool operator==(const SettingsRow&, const SettingsRow&) = default;
};

// The Personal_Profile row.
struct ProfileRow {
    std::string gender;
    std::string age;
    std::string height; // cm
    std::string weight; // kg
    std::string bmi;
    std::string idealWeight;
    std::string activityLevel; // "-1" when none was chosen
    std::string dailyCalories;
    std::string usHeight; // feet and inches joined by a point, "5.9"
    std::string usWeight; // pounds
    std::string metricUsed;

    // The values a new file is seeded with.
    static ProfileRow seed();
    friend bool operator==(const ProfileRow&, const ProfileRow&) = default;
};

} // namespace tolvane
