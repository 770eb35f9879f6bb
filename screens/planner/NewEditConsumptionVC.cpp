#include "NewEditConsumptionVC.h"

#include "nutrition/NumberText.h"
#include "screens/common/Nutrients.h"
#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"

#include <algorithm>

namespace tolvane {
namespace {

int at(ConsumptionQuantity q) {
    return static_cast<int>(q);
}

// The slider reaches at least to its usual maximum, and further when the value is larger.
SliderRange sliderFor(float value, float usualMaximum) {
    SliderRange range;
    range.maximum = std::max(usualMaximum, value);
    range.value = std::clamp(value, range.minimum, range.maximum);
    return range;
}

} // namespace

NewEditConsumptionVC::NewEditConsumptionVC(Platform platform, Database& shared,
                                           ConsumptionInputs inputs)
    : platform_(platform), shared_(shared), inputs_(std::move(inputs)) {}

NewEditConsumptionVC::~NewEditConsumptionVC() = default;

const char* NewEditConsumptionVC::captionKey(Quantity q) {
    switch (q) {
    case Quantity::Amount:
        return key("Consumption Amount in g/ml");
    case Quantity::Fat:
        return key("Consumption Amount Fat");
    case Quantity::Saturates:
        return key("Consumption Amount Saturates");
    case Quantity::Sugar:
        return key("Consumption Amount Sugar");
    case Quantity::Salt:
        return key("Consumption Amount Salt");
    case Quantity::Calories:
        return key("Consumption Amount Calories");
    }
    return "";
}

const char* NewEditConsumptionVC::zeroHintKey(Quantity q) {
    return q == Quantity::Amount ? "" : key("Consumption Zero Hint");
}

int NewEditConsumptionVC::scrollOffset(Quantity q) {
    switch (q) {
    case Quantity::Amount:
        return 0;
    case Quantity::Fat:
        return 18;
    case Quantity::Saturates:
        return 60;
    case Quantity::Sugar:
        return 100;
    case Quantity::Salt:
        return 150;
    case Quantity::Calories:
        return 200;
    }
    return 0;
}

void NewEditConsumptionVC::viewDidLoad() {
    const auto rows = PlannerStore(shared_).selectProductDetailForEdit(
        ProductId::of(inputs_.productID), FolderId::of(inputs_.folderID));
    hasRow_ = !rows.empty();
    if (hasRow_) {
        const ConsumptionRow& row = rows.front();
        // Every value is computed from the product's own values per 100. A product that has
        // left the catalogue has only its row left to scale from.
        const auto product =
            CatalogueStore(shared_).selectProductDetail(ProductId::of(inputs_.productID));
        values_ = product ? consumptionFromProduct(nutrientTexts(product->nutrients), row.gm)
                          : consumptionFromRow(nutrientTexts(row.nutrients), row.gm);
    }
    changed();
}

std::string NewEditConsumptionVC::fieldText(Quantity q) const {
    return hasRow_ ? values_.shownText(q, numberFormat(platform_.strings)) : std::string();
}

bool NewEditConsumptionVC::fieldEnabled(Quantity q) const {
    return hasRow_ && !values_.locked(q);
}

bool NewEditConsumptionVC::hintShown(Quantity q) const {
    // "0 - cannot be changed" is no word for a value the product lacks: its field says so.
    return hasRow_ && values_.locked(q) && !values_.lacksData(q);
}

SliderRange NewEditConsumptionVC::amountSlider() const {
    return sliderFor(hasRow_ ? values_.value(Quantity::Amount) : 0.0f, kAmountSliderMaximum);
}

SliderRange NewEditConsumptionVC::caloriesSlider() const {
    return sliderFor(hasRow_ ? values_.value(Quantity::Calories) : 0.0f, kCaloriesSliderMaximum);
}

bool NewEditConsumptionVC::caloriesSliderEnabled() const {
    return hasRow_ && !values_.locked(Quantity::Calories);
}

void NewEditConsumptionVC::amountSliderMoved(float value) {
    if (!amountSliderEnabled() || value == amountSlider().value) return;
    scaleFromAmountSlider(values_, value);
    changedByUser_ = true;
    changed();
}

void NewEditConsumptionVC::caloriesSliderMoved(float value) {
    if (!caloriesSliderEnabled() || value == caloriesSlider().value) return;
    scaleFromCaloriesSlider(values_, value);
    changedByUser_ = true;
    changed();
}

bool NewEditConsumptionVC::shouldBeginEditing(Quantity q) {
    if (!fieldEnabled(q) || isEditing()) return false;
    editing_ = at(q);
    textAtBegin_ = fieldText(q);
    return true;
}

void NewEditConsumptionVC::endEditing(Quantity q, const std::string& typed) {
    if (editing_ != at(q)) return;
    editing_ = -1;
    // The shown text is rounded: read back, it would move every other value a little.
    if (typed == textAtBegin_) {
        changed();
        return;
    }
    switch (applyTypedValue(values_, q, typed)) {
    case TypedValueOutcome::Empty:
        platform_.alerts.show({key("Error Message Consumption Amount Nil"), "", {key("Ok")}});
        break;
    case TypedValueOutcome::Rejected:
        platform_.alerts.show({key("Error Message Consumption Amount"), "", {key("Ok")}});
        break;
    case TypedValueOutcome::Applied:
        changedByUser_ = true;
        break;
    case TypedValueOutcome::Ignored:
        // Nothing changes, and the user learns why the figure went back.
        platform_.alerts.show({key("Error Message Consumption Zero"), "", {key("Ok")}});
        break;
    }
    changed();
}

void NewEditConsumptionVC::viewWillDisappear() {
    editing_ = -1;
    if (!hasRow_ || !changedByUser_) return;
    PlannerWrites writes(shared_);
    const auto saved = writes.saveConsumption(ProductId::of(inputs_.productID),
                                              FolderId::of(inputs_.folderID), values_);
    if (saved == PlannerWrites::Saving::NoRow) {
        // The product left the folder while the screen was open: nothing to save it into.
        hasRow_ = false;
        changed();
    } else if (saved == PlannerWrites::Saving::Saved) {
        changedByUser_ = false;
    } else if (saved == PlannerWrites::Saving::Failed) {
        platform_.log.write("Consumption of product " + inputs_.productID + " in folder " +
                            inputs_.folderID + " not saved");
    }
}

void NewEditConsumptionVC::changed() {
    if (listener_) listener_->consumptionChanged();
}

} // namespace tolvane
