// What a user may type: folder names, daily calories, consumption values, decimal places.
#include "nutrition/Consumption.h"
#include "nutrition/FolderRules.h"
#include "nutrition/OwnProductRules.h"
#include "nutrition/Profile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);

    const FolderNameCheck name = checkFolderName(typed);
    if (name == FolderNameCheck::Valid && (typed.empty() || utf16Length(typed) > 30)) std::abort();

    const TypedCalories calories = readTypedDailyCalories(typed);
    if (calories.outcome == TypedCaloriesOutcome::Accepted &&
        (calories.dailyCalories.empty() || calories.dailyCalories.size() > 4))
        std::abort();

    if (decimalPlaces(typed) > typed.size()) std::abort();
    (void)decimalPlacesValid(typed, typed, typed, typed, typed);
    (void)withoutRecordSeparator(typed);

    for (int field = 0; field < kConsumptionQuantityCount; ++field) {
        Consumption c = consumptionFromRecord("1|2|3|4|5|100g|7");
        (void)applyTypedValue(c, static_cast<ConsumptionQuantity>(field), typed);
        for (int q = 0; q < kConsumptionQuantityCount; ++q)
            (void)c.shownText(static_cast<ConsumptionQuantity>(q));
        (void)storedAmount(c);
    }
    return 0;
}
