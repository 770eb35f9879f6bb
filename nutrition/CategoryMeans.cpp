#include "nutrition/CategoryMeans.h"

#include "nutrition/TrafficLightRating.h"

namespace tolvane {

float CategoryMeans::of(Nutrient n) const {
    switch (n) {
    case Nutrient::Fat:
        return arithMeanFett;
    case Nutrient::SaturatedFat:
        return arithMeanGesFette;
    case Nutrient::Sugar:
        return arithMeanZucker;
    case Nutrient::Salt:
        return arithMeanSalz;
    case Nutrient::Energy:
        return arithMeanKalorie;
    }
    return arithMeanKalorie;
}

void CategoryMeansSum::add(const std::array<std::string_view, kNutrientCount>& texts) {
    // Each value is at most kNutrientValueLimit, so no sum of a catalogue's products is
    // infinite; a text without data adds nothing, whether a no-data text, no number or negative.
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const float value = nutrientValueFromText(kNutrients[n], texts[n]);
        if (value > 0.0f) sums_[n] += value;
    }
    ++count_;
}

CategoryMeans CategoryMeansSum::means() const {
    // Every product counts, also those without data; none gives NaN, which rates no "top".
    const auto count = static_cast<float>(count_);
    CategoryMeans means;
    means.arithMeanFett = sums_[0] / count;
    means.arithMeanGesFette = sums_[1] / count;
    means.arithMeanZucker = sums_[2] / count;
    means.arithMeanSalz = sums_[3] / count;
    means.arithMeanKalorie = sums_[4] / count;
    return means;
}

CategoryMeans categoryMeansOf(const std::vector<NutrientTexts>& products) {
    CategoryMeansSum sum;
    for (const auto& t : products)
        sum.add({t[0], t[1], t[2], t[3], t[4]});
    return sum.means();
}

} // namespace tolvane
