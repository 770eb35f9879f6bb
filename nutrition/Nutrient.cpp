#include "nutrition/Nutrient.h"

namespace tolvane {

bool isNoDataText(std::string_view text) {
    return text == "keine Angaben." || text == "keine Angaben";
}

} // namespace tolvane
