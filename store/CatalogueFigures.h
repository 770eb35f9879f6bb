// Figures worked out from a category's products (the detail's category means, and the lights
// its better choices are ranked by), kept until the catalogue changes, and the generation of the
// catalogue they belong to. Each Database holds one; every method is safe from any thread.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class CatalogueFigures {
public:
    // The generation is read before the figures are worked out; figures of an older generation
    // are not kept.
    long catalogueGeneration() const;
    std::optional<std::vector<double>> categoryFigures(const std::string& categoryId) const;
    // The same without a copy, for figures too many to copy on the UI thread; they never change.
    std::shared_ptr<const std::vector<double>>
    keptCategoryFigures(const std::string& categoryId) const;
    void keepCategoryFigures(const std::string& categoryId, std::vector<double> figures,
                             long generation);
    void catalogueChanged();
    // The generation at which some work that only a catalogue change makes necessary again was
    // last done (the planner's orphan cleanup); -1 before.
    long workDoneAt(const std::string& work) const;
    void keepWorkDoneAt(const std::string& work, long generation);

private:
    mutable std::mutex mutex_;
    long generation_ = 0;
    std::map<std::string, std::shared_ptr<const std::vector<double>>> figures_;
    std::map<std::string, long> workDoneAt_;
};

} // namespace tolvane
