#include "ProductDetailPortraitVC.h"

#include "nutrition/NumberText.h"
#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryLog.h"
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

void ProductDetailPortraitVC::eatFolderPressed() {
    if (folderId_.empty()) return;
    const FolderLogResult result = logFolder(shared_, FolderId::of(folderId_), DiaryHost{}.now());
    if (!result.written) {
        platform_.alerts.show({key("Tagebuch"), key("Diary Write Failed"), {key("OK")}});
        return;
    }
    // One product is said in the singular.
    std::string said = platform_.strings.text(result.logged == 1 ? key("Diary Folder Logged One")
                                                                 : key("Diary Folder Logged %@"));
    if (const auto at = said.find("%@"); at != std::string::npos)
        said.replace(at, 2, formatInt(result.logged));
    platform_.alerts.show({key("Tagebuch"), said, {key("OK")}});
}

void ProductDetailPortraitVC::drawBars() {
    factor_ =
        personalFactorFromText(SettingsStore(shared_).selectCaloryValueFromPersonalProfileTable());
    bars_ = folderGdaBars(totals_, factor_, numberFormat(platform_.strings));
    if (listener_) listener_->barsChanged();
}

} // namespace tolvane
