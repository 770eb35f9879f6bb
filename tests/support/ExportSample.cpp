#include "tests/support/ExportSample.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

namespace tolvane::test {

const std::vector<std::string>& exportColumnNames() {
    static const std::vector<std::string> names = {
        "code",
        "url",
        "creator",
        "created_t",
        "created_datetime",
        "last_modified_t",
        "last_modified_datetime",
        "last_modified_by",
        "last_updated_t",
        "last_updated_datetime",
        "product_name",
        "product_name_de",
        "product_name_en",
        "product_name_fr",
        "product_name_it",
        "abbreviated_product_name",
        "generic_name",
        "quantity",
        "packaging",
        "packaging_tags",
        "packaging_en",
        "packaging_text",
        "brands",
        "brands_tags",
        "brands_en",
        "categories",
        "categories_tags",
        "categories_en",
        "origins",
        "origins_tags",
        "origins_en",
        "manufacturing_places",
        "manufacturing_places_tags",
        "labels",
        "labels_tags",
        "labels_en",
        "emb_codes",
        "emb_codes_tags",
        "first_packaging_code_geo",
        "cities",
        "cities_tags",
        "purchase_places",
        "stores",
        "countries",
        "countries_tags",
        "countries_en",
        "ingredients_text",
        "ingredients_tags",
        "ingredients_analysis_tags",
        "allergens",
        "allergens_en",
        "traces",
        "traces_tags",
        "traces_en",
        "serving_size",
        "serving_quantity",
        "no_nutrition_data",
        "additives_n",
        "additives",
        "additives_tags",
        "additives_en",
        "nutriscore_score",
        "nutriscore_grade",
        "nova_group",
        "pnns_groups_1",
        "pnns_groups_2",
        "food_groups",
        "food_groups_tags",
        "food_groups_en",
        "states",
        "states_tags",
        "states_en",
        "brand_owner",
        "environmental_score_score",
        "environmental_score_grade",
        "nutrient_levels_tags",
        "product_quantity",
        "owner",
        "data_quality_errors_tags",
        "unique_scans_n",
        "popularity_tags",
        "completeness",
        "last_image_t",
        "last_image_datetime",
        "main_category",
        "main_category_en",
        "image_url",
        "image_small_url",
        "image_ingredients_url",
        "image_ingredients_small_url",
        "image_nutrition_url",
        "image_nutrition_small_url",
        "energy-kj_100g",
        "energy-kcal_100g",
        "energy_100g",
        "energy-from-fat_100g",
        "fat_100g",
        "saturated-fat_100g",
        "butyric-acid_100g",
        "caproic-acid_100g",
        "caprylic-acid_100g",
        "capric-acid_100g",
        "lauric-acid_100g",
        "myristic-acid_100g",
        "palmitic-acid_100g",
        "stearic-acid_100g",
        "arachidic-acid_100g",
        "behenic-acid_100g",
        "lignoceric-acid_100g",
        "cerotic-acid_100g",
        "montanic-acid_100g",
        "melissic-acid_100g",
        "unsaturated-fat_100g",
        "monounsaturated-fat_100g",
        "omega-9-fat_100g",
        "polyunsaturated-fat_100g",
        "omega-3-fat_100g",
        "omega-6-fat_100g",
        "alpha-linolenic-acid_100g",
        "eicosapentaenoic-acid_100g",
        "docosahexaenoic-acid_100g",
        "linoleic-acid_100g",
        "arachidonic-acid_100g",
        "gamma-linolenic-acid_100g",
        "dihomo-gamma-linolenic-acid_100g",
        "oleic-acid_100g",
        "elaidic-acid_100g",
        "gondoic-acid_100g",
        "mead-acid_100g",
        "erucic-acid_100g",
        "nervonic-acid_100g",
        "trans-fat_100g",
        "cholesterol_100g",
        "carbohydrates_100g",
        "sugars_100g",
        "added-sugars_100g",
        "sucrose_100g",
        "glucose_100g",
        "fructose_100g",
        "lactose_100g",
        "maltose_100g",
        "maltodextrins_100g",
        "starch_100g",
        "polyols_100g",
        "erythritol_100g",
        "fiber_100g",
        "soluble-fiber_100g",
        "insoluble-fiber_100g",
        "proteins_100g",
        "casein_100g",
        "serum-proteins_100g",
        "nucleotides_100g",
        "salt_100g",
        "added-salt_100g",
        "sodium_100g",
        "alcohol_100g",
        "vitamin-a_100g",
        "beta-carotene_100g",
        "vitamin-d_100g",
        "vitamin-e_100g",
        "vitamin-k_100g",
        "vitamin-c_100g",
        "vitamin-b1_100g",
        "vitamin-b2_100g",
        "vitamin-pp_100g",
        "vitamin-b6_100g",
        "vitamin-b9_100g",
        "folates_100g",
        "vitamin-b12_100g",
        "biotin_100g",
        "pantothenic-acid_100g",
        "silica_100g",
        "bicarbonate_100g",
        "potassium_100g",
        "chloride_100g",
        "calcium_100g",
        "phosphorus_100g",
        "iron_100g",
        "magnesium_100g",
        "zinc_100g",
        "copper_100g",
        "manganese_100g",
        "fluoride_100g",
        "selenium_100g",
        "chromium_100g",
        "molybdenum_100g",
        "iodine_100g",
        "caffeine_100g",
        "taurine_100g",
        "ph_100g",
        "fruits-vegetables-nuts_100g",
        "fruits-vegetables-nuts-dried_100g",
        "fruits-vegetables-nuts-estimate_100g",
        "fruits-vegetables-nuts-estimate-from-ingredients_100g",
        "collagen-meat-protein-ratio_100g",
        "cocoa_100g",
        "chlorophyl_100g",
        "carbon-footprint_100g",
        "carbon-footprint-from-meat-or-fish_100g",
        "nutrition-score-fr_100g",
        "nutrition-score-uk_100g",
        "glycemic-index_100g",
        "water-hardness_100g",
        "choline_100g",
        "phylloquinone_100g",
        "beta-glucan_100g",
        "inositol_100g",
        "carnitine_100g",
        "sulphate_100g",
        "nitrate_100g",
        "acidity_100g",
    };
    return names;
}

std::string exportHeader() {
    std::string line;
    for (const auto& name : exportColumnNames()) {
        if (!line.empty()) line += '\t';
        line += name;
    }
    return line;
}

std::string exportLine(const ExportRow& row) {
    std::string line;
    bool first = true;
    for (const auto& name : exportColumnNames()) {
        if (!first) line += '\t';
        first = false;
        if (const auto value = row.find(name); value != row.end()) line += value->second;
    }
    for (const auto& [name, value] : row) {
        bool known = false;
        for (const auto& column : exportColumnNames())
            known = known || column == name;
        if (!known) throw std::logic_error("no export column " + name);
    }
    return line;
}

void writeExport(const std::string& path, const std::vector<ExportRow>& rows,
                 const std::string& extra) {
    std::string text = exportHeader() + "\n";
    for (const auto& row : rows)
        text += exportLine(row) + "\n";
    text += extra;
    if (path.ends_with(".gz")) {
        gzFile file = gzopen(path.c_str(), "wb");
        if (!file) throw std::runtime_error("cannot write " + path);
        gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
        gzclose(file);
        return;
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace tolvane::test
