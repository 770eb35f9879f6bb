#include "store/CatalogueFigures.h"

namespace tolvane {

long CatalogueFigures::catalogueGeneration() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

std::optional<std::vector<double>>
CatalogueFigures::categoryFigures(const std::string& categoryId) const {
    std::lock_guard lock(mutex_);
    auto found = figures_.find(categoryId);
    if (found == figures_.end()) return std::nullopt;
    return *found->second;
}

std::shared_ptr<const std::vector<double>>
CatalogueFigures::keptCategoryFigures(const std::string& categoryId) const {
    std::lock_guard lock(mutex_);
    auto found = figures_.find(categoryId);
    return found == figures_.end() ? nullptr : found->second;
}

void CatalogueFigures::keepCategoryFigures(const std::string& categoryId,
                                           std::vector<double> figures, long generation) {
    std::lock_guard lock(mutex_);
    // Worked out while the catalogue changed: may be of the old catalogue.
    if (generation != generation_) return;
    figures_[categoryId] = std::make_shared<const std::vector<double>>(std::move(figures));
}

long CatalogueFigures::workDoneAt(const std::string& work) const {
    std::lock_guard lock(mutex_);
    auto found = workDoneAt_.find(work);
    return found == workDoneAt_.end() ? -1 : found->second;
}

void CatalogueFigures::keepWorkDoneAt(const std::string& work, long generation) {
    std::lock_guard lock(mutex_);
    workDoneAt_[work] = generation;
}

void CatalogueFigures::catalogueChanged() {
    std::lock_guard lock(mutex_);
    ++generation_;
    figures_.clear();
}

} // namespace tolvane
