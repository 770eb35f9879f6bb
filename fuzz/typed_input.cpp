// What a user may type: folder names, daily calories, consumption values, decimal places.
#include "nutrition/Consumption.h"
#include "nutrition/FolderRules.h"
#include "nutrition/OwnProductRules.h"
#include "nutrition/Profile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

namespace {

// The editor's model as a stored row of 100 g with fat 1, saturated fat 2, sugar 3, salt 4 and
// 5 kcal loads it.
const Consumption loaded = consumptionFromRow({"1.0", "2.0", "3.0", "4.0", "5"}, "g");

} // namespace

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
        Consumption c = loaded;
        (void)applyTypedValue(c, static_cast<ConsumptionQuantity>(field), typed);
        for (int q = 0; q < kConsumptionQuantityCount; ++q)
            (void)c.shownText(static_cast<ConsumptionQuantity>(q));
        (void)storedAmount(c);
    }
    return 0;
}
