#include "screens/common/ProductRecord.h"

#include "nutrition/NumberText.h"

namespace tolvane {
namespace {

enum Field {
    Name,
    RecordId,
    Maker,
    Category,
    FavFlag,
    FirstNutrient,
    Unit = FirstNutrient + kNutrientCount,
    Portion,
    FieldCount
};

} // namespace

ProductRecord ProductRecord::parse(std::string_view record) {
    auto fields = splitFields(record);
    fields.resize(std::max<std::size_t>(fields.size(), FieldCount));
    ProductRecord product;
    product.name = fields[Name];
    product.recordId = fields[RecordId];
    product.maker = fields[Maker];
    product.categoryId = fields[Category];
    product.favourite = integerValue(fields[FavFlag]) == 1;
    for (int i = 0; i < kNutrientCount; ++i)
        product.nutrients[static_cast<std::size_t>(i)] = fields[FirstNutrient + i];
    product.unit = fields[Unit];
    product.salesPortion = fields[Portion];
    return product;
}

ProductRecord ProductRecord::fromDetails(const std::vector<std::string>& details) {
    std::string joined;
    for (std::size_t i = 0; i < details.size(); ++i)
        joined += (i ? "|" : "") + details[i];
    return parse(joined);
}

} // namespace tolvane
