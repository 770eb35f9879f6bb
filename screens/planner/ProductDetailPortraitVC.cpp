#include "ProductDetailPortraitVC.h"

#include "nutrition/NumberText.h"
#include "screens/common/Nutrients.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

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

void ProductDetailPortraitVC::viewWillAppear() {
    // The unit setting is read as on the calculator; it changes nothing here.
    SettingsStore(shared_).selectSettings();
    drawBars();
}

void ProductDetailPortraitVC::drawBars() {
    factor_ =
        personalFactorFromText(SettingsStore(shared_).selectCaloryValueFromPersonalProfileTable());
    bars_ = folderGdaBars(totals_, factor_, numberFormat(platform_.strings));
    if (listener_) listener_->barsChanged();
}

} // namespace tolvane
