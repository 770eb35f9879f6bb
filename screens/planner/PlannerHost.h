// What the planner screens need from the application beyond the platform interfaces.
#pragma once

#include <functional>

namespace tolvane {

struct PlannerHost {
    // True while a catalogue page is being stored: the catalogue may read as empty or half
    // replaced then, so no product counts as gone from it.
    std::function<bool()> catalogueBusy;

    bool isCatalogueBusy() const { return catalogueBusy && catalogueBusy(); }
};

} // namespace tolvane
