// Record strings split into fields and nutrient texts read as numbers.
#include "nutrition/Consumption.h"
#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto fields = splitFields(text);
    std::size_t bytes = fields.size() - 1; // the separators
    for (const auto& field : fields) {
        bytes += field.size();
        for (Nutrient n : {Nutrient::Fat, Nutrient::SaturatedFat, Nutrient::Sugar, Nutrient::Salt,
                           Nutrient::Energy})
            (void)nutrientValueFromText(n, field);
        if (leadingNumberLength(field) > field.size()) std::abort();
        (void)leadingFloat(field);
        (void)leadingDouble(field);
        (void)integerValue(field);
    }
    if (bytes != text.size()) std::abort(); // splitting loses nothing
    const Consumption c = consumptionFromRecord(text);
    (void)storedAmount(c);
    (void)shownAmount(text);
    return 0;
}
