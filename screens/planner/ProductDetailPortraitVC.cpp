#include "ProductDetailPortraitVC.h"

#include "nutrition/NumberText.h"
#include "store/Database.h"

namespace tolvane {

ProductDetailPortraitVC::ProductDetailPortraitVC(Platform platform, Database& shared)
    : platform_(platform), shared_(shared) {}

const char* ProductDetailPortraitVC::barTitleKey(Nutrient nutrient) {
    switch (nutrient) {
    case Nutrient::Fat:
        return key("Fett");
    case Nutrient::SaturatedFat:
        return key("gesättigte Fette");
    case Nutrient::Sugar:
        return key("Zucker");
    case Nutrient::Salt:
        return key("Salz");
    case Nutrient::Energy:
        return key("Kalorien");
    }
    return "";
}

void ProductDetailPortraitVC::viewDidLoad() {
    platform_.log.write("Product Detail Portrait - Screen = Berechnung der Speiseplanpunkte");
}

void ProductDetailPortraitVC::drawData(const std::vector<std::string>& record) {
    detailsArr_ = record;
    std::string joined;
    for (std::size_t i = 0; i < record.size(); ++i)
        joined += (i ? "|" : "") + record[i];
    productDetailArray_ = record.empty() ? std::vector<std::string>{} : splitFields(joined);
    firstArray1_.clear();
    for (std::size_t i = 5; i < 12; ++i)
        firstArray1_.push_back(i < productDetailArray_.size() ? productDetailArray_[i] : "");
}

void ProductDetailPortraitVC::viewWillAppear() {
    // The unit setting is read as on the calculator; it changes nothing here.
    shared_.selectSettings();
    drawBars();
}

void ProductDetailPortraitVC::drawBars() {
    factor_ = personalFactorFromText(shared_.selectCaloryValueFromPersonalProfileTable());
    NutrientTexts totals;
    for (int n = 0; n < kNutrientCount; ++n)
        totals[n] = firstArray1_.size() > static_cast<std::size_t>(n) ? firstArray1_[n] : "";
    bars_ = folderGdaBars(totals, factor_);
    if (listener_) listener_->barsChanged();
}

} // namespace tolvane
