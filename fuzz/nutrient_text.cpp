// A stored nutrient text read as a number, as the rating and the planner read it.
#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (Nutrient n :
         {Nutrient::Fat, Nutrient::SaturatedFat, Nutrient::Sugar, Nutrient::Salt, Nutrient::Energy})
        (void)nutrientValueFromText(n, text);
    if (leadingNumberLength(text) > text.size()) std::abort();
    (void)leadingFloat(text);
    (void)leadingDouble(text);
    (void)integerValue(text);
    return 0;
}
