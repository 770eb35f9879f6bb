#include "ProductDetailsLandscapeVC.h"

#include "screens/common/Nutrients.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

namespace tolvane {

ProductDetailsLandscapeVC::ProductDetailsLandscapeVC(Platform platform, Database& shared,
                                                     DeviceOrientation orientation, DetailHost host)
    : platform_(platform), shared_(shared), orientation_(orientation), host_(std::move(host)) {}

ProductDetailsLandscapeVC::~ProductDetailsLandscapeVC() = default;

void ProductDetailsLandscapeVC::viewDidLoad() {
    platform_.log.write("Product Details in Landscape Mode -Screen");
    if (platform_.appDefaults().showsHint(FirstLaunchHint::GDA)) {
        platform_.analytics.logEvent("Show GDA Helper on Startup");
        platform_.alerts.show({key("GDA-Info"), key("Hilfe zur GDA-Nutzung"), {key("OK")}});
        platform_.appDefaults().setShowsHint(FirstLaunchHint::GDA, false);
    }
}

void ProductDetailsLandscapeVC::viewWillAppear() {
    imperialUnits_ =
        SettingsStore(shared_).selectSettings().value_or(SettingsRow{}).metricUnitsOn();
    // The field starts at 100 g, in the units the settings say.
    portionText_ = imperialUnits_
                       ? "100"
                       : numberFormat(platform_.strings).fieldNumber(ouncesPortionText(100.0));
    if (listener_) listener_->unitsChanged();
    drawBars("");
    drawnPortion_ = portionText_; // the starting text stands for the same portion
}

void ProductDetailsLandscapeVC::drawBars(const std::string& portionText) {
    // A portion that is no number, or too long, is said and leaves the bars as they are.
    if (!portionAccepted(checkPortion(portionText))) return;
    if (const auto bars = gdaBars(nutrientTexts(product_.nutrients), portionText, imperialUnits_,
                                  numberFormat(platform_.strings))) {
        bars_ = *bars;
        drawnPortion_ = portionText;
        if (listener_) listener_->barsChanged();
    }
}

bool ProductDetailsLandscapeVC::portionAccepted(PortionCheck check) {
    if (check == PortionCheck::Valid) return true;
    platform_.alerts.show(
        {"", check == PortionCheck::TooLong ? tooLargeKey() : notANumberKey(), {key("OK")}});
    return false;
}

std::string ProductDetailsLandscapeVC::barTitle(Nutrient bar) const {
    switch (bar) {
    case Nutrient::Fat:
        return platform_.strings.text("Fett");
    case Nutrient::SaturatedFat:
        return platform_.strings.text("gesättigte Fette");
    case Nutrient::Sugar:
        return platform_.strings.text("Zucker");
    case Nutrient::Salt:
        return platform_.strings.text("Salz");
    case Nutrient::Energy:
        return platform_.strings.text("Kalorien");
    }
    return {};
}

std::string ProductDetailsLandscapeVC::amountText(Nutrient bar) const {
    return gdaAmountText(bars_, bar, imperialUnits_, numberFormat(platform_.strings));
}

std::string ProductDetailsLandscapeVC::productName() const {
    return product_.name;
}

bool ProductDetailsLandscapeVC::shouldChangeCharacters(const std::string& currentText,
                                                       std::size_t rangeLength,
                                                       const std::string& replacement) {
    return portionAccepted(portionEdit(currentText, rangeLength, replacement));
}

std::string ProductDetailsLandscapeVC::portionUnit() const {
    if (!imperialUnits_) return platform_.strings.text(key("oz"));
    return platform_.strings.text(product_.unit == "g" ? key("g") : key("ml"));
}

void ProductDetailsLandscapeVC::keyboardWillHide() {
    const std::string typed = portionText_;
    drawBars(typed);
    // A refused portion goes back to the one the bars show, so that field and bars agree.
    if (typed != drawnPortion_) {
        portionText_ = drawnPortion_;
        if (listener_) listener_->portionChosen();
    }
}

std::vector<PortionChoice> ProductDetailsLandscapeVC::portionChoices() const {
    const double pack = leadingDouble(product_.salesPortion);
    if (!(pack > 0)) return {};
    // What the field would hold: a whole number as such, else the stored number.
    std::string packText = pack == static_cast<double>(static_cast<long long>(pack))
                               ? formatInt(static_cast<long long>(pack))
                               : commaToPoint(product_.salesPortion.substr(
                                     0, leadingNumberLength(product_.salesPortion)));
    packText.erase(0, packText.find_first_not_of(" \t+"));
    if (checkPortion(packText) != PortionCheck::Valid) return {};
    const NumberFormat format = numberFormat(platform_.strings);
    std::string hundred = "100";
    const char* unit = product_.unit == "g" ? "g" : "ml";
    if (!imperialUnits_) { // the field counts in ounces
        hundred = ouncesPortionText(100.0);
        packText = ouncesPortionText(pack);
        unit = "oz";
        if (checkPortion(packText) != PortionCheck::Valid) return {};
    }
    const std::string packField = format.fieldNumber(packText);
    return {{format.withUnit(format.number(hundred), unit), format.fieldNumber(hundred)},
            {replaceAll(platform_.strings.text(key("Packung (%@)")), "%@",
                        format.withUnit(format.number(packText), unit)),
             packField}};
}

void ProductDetailsLandscapeVC::choosePortion(const PortionChoice& choice) {
    portionText_ = choice.portionText;
    if (listener_) listener_->portionChosen();
    drawBars(portionText_);
}

void ProductDetailsLandscapeVC::touchAt(float x, float y) {
    touchShown_ = true;
    touchX_ = x;
    touchLabel_ = gdaTouchLabel(bars_, x, y, imperialUnits_, numberFormat(platform_.strings));
    if (listener_) listener_->touchChanged();
}

void ProductDetailsLandscapeVC::touchesEnded() {
    touchShown_ = false;
    if (listener_) listener_->touchChanged();
}

void ProductDetailsLandscapeVC::showInfoView() {
    if (listener_) listener_->closeKeyboard();
    if (host_.showInfoView) host_.showInfoView(product_, orientation_);
}

void ProductDetailsLandscapeVC::receivedRotate(DeviceOrientation orientation) {
    if (orientation == DeviceOrientation::Portrait && host_.nextView) {
        host_.nextView();
        return;
    }
    if (isLandscape(orientation)) orientation_ = orientation;
}

} // namespace tolvane
