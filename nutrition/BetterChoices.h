// Which products of a category have better lights than the one shown: fewer red lights, then
// fewer amber ones, then less energy. A light without data counts as red and an energy without
// data as more than any, so that what is not known never ranks as better.
#pragma once

#include "nutrition/Nutrient.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

struct ChoiceLights {
    int red = 0;   // red lights and lights without data
    int amber = 0; // yellow lights
    float kcal = std::numeric_limits<float>::infinity();

    // Lower is better: red, then amber, then energy.
    friend bool operator<(const ChoiceLights& a, const ChoiceLights& b) {
        if (a.red != b.red) return a.red < b.red;
        if (a.amber != b.amber) return a.amber < b.amber;
        return a.kcal < b.kcal;
    }
};

// Fat, saturated fat, sugar, salt and energy texts as stored, rated as the detail rates them
// (the unit picks the per-100-g or per-100-ml bounds).
ChoiceLights choiceLights(const std::array<std::string_view, kNutrientCount>& texts,
                          std::string_view unit);

// The best few of the candidates offered that are better than the product shown, in rank order;
// equal ones in the order offered. Id is what the caller knows a candidate by.
template <class Id> class BetterChoices {
public:
    explicit BetterChoices(ChoiceLights shown, std::size_t limit = 5)
        : shown_(shown), limit_(limit) {}

    void offer(const ChoiceLights& lights, const Id& id) {
        if (!(lights < shown_) || limit_ == 0) return;
        if (best_.size() == limit_ && !(lights < best_.back().first)) return;
        // After every kept one it does not beat, so equal ones stay in the order offered.
        const auto at = std::upper_bound(
            best_.begin(), best_.end(), lights,
            [](const ChoiceLights& l, const auto& kept) { return l < kept.first; });
        best_.insert(at, {lights, id});
        if (best_.size() > limit_) best_.pop_back();
    }

    std::vector<Id> ranked() const {
        std::vector<Id> ids;
        for (const auto& kept : best_)
            ids.push_back(kept.second);
        return ids;
    }

private:
    ChoiceLights shown_;
    std::size_t limit_;
    std::vector<std::pair<ChoiceLights, Id>> best_;
};

} // namespace tolvane
