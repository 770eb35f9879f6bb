// The landscape calculator: what share of the guideline daily amounts a typed portion of one
// product supplies, as five bars with percentages, and the amount under the finger.
#pragma once

#include "nutrition/GdaCalculator.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/detail/DetailHost.h"
#include "store/Rows.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class LandscapeListener {
public:
    virtual ~LandscapeListener() = default;
    virtual void barsChanged() {}
    virtual void touchChanged() {}
    virtual void closeKeyboard() {}
    // The portion was chosen rather than typed: the field shows it.
    virtual void portionChosen() {}
    // The units were read as the screen appeared: the field, its unit and the quick portions
    // follow.
    virtual void unitsChanged() {}
};

// A quick choice beside the portion field: its button's text and the portion it types.
struct PortionChoice {
    std::string title;
    std::string portionText;
    friend bool operator==(const PortionChoice&, const PortionChoice&) = default;
};

class ProductDetailsLandscapeVC : public Screen {
public:
    ProductDetailsLandscapeVC(Platform platform, Database& shared, DeviceOrientation orientation,
                              DetailHost host = {});
    ~ProductDetailsLandscapeVC() override;

    static const char* infoButtonKey() { return key("GDA Info"); }
    static const char* tooLargeKey() {
        return key("Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.");
    }
    static const char* notANumberKey() { return key("GDA Portion Not A Number"); }

    void setListener(LandscapeListener* listener) { listener_ = listener; }

    void viewDidLoad();
    void drawData(const ProductRecord& product) { product_ = product; }
    void viewWillAppear();
    // Bars for the portion; a portion that is no number or too long is said and not applied.
    void drawBars(const std::string& portionText);

    // --- What is shown ---
    const GdaBars& bars() const { return bars_; }
    // Localized bar titles, fat to energy.
    std::string barTitle(Nutrient bar) const;
    std::string productName() const;
    // A bar's amount in the portion, as the touch label writes it.
    std::string amountText(Nutrient bar) const;
    DeviceOrientation orientation() const { return orientation_; }

    // --- Portion field ---
    const std::string& portionText() const { return portionText_; }
    // What the portion counts in: the product's unit ("g", otherwise "ml") in metric mode,
    // ounces in US mode, looked up.
    std::string portionUnit() const;
    // False, with the calculator's message, for a character that is no digit or separator and
    // for an edit past the field's length.
    bool shouldChangeCharacters(const std::string& currentText, std::size_t rangeLength,
                                const std::string& replacement);
    void portionTextChanged(const std::string& text) { portionText_ = text; }
    // The keyboard went away: the bars follow the field.
    void keyboardWillHide();
    // "100 g" and "pack (250 g)" where the pack size is known and fits the field, in ounces in US
    // mode ("3.5 oz", "pack (8.8 oz)"); none otherwise.
    std::vector<PortionChoice> portionChoices() const;
    // Fills the field with the choice and draws the bars as typing it would.
    void choosePortion(const PortionChoice& choice);

    // --- Touching the bars ---
    void touchesBegan(float x, float y) { touchAt(x, y); }
    void touchesMoved(float x, float y) { touchAt(x, y); }
    void touchesEnded();
    bool touchLabelShown() const { return touchShown_; }
    const std::string& touchLabel() const { return touchLabel_; }
    float touchX() const { return touchX_; }

    void showInfoView();
    void receivedRotate(DeviceOrientation orientation);

private:
    void touchAt(float x, float y);
    // True for a valid portion; otherwise says why.
    bool portionAccepted(PortionCheck check);

    Platform platform_;
    Database& shared_;
    DeviceOrientation orientation_;
    DetailHost host_;
    LandscapeListener* listener_ = nullptr;

    ProductRecord product_;
    GdaBars bars_{};
    bool imperialUnits_ = true;
    std::string portionText_ = "100";
    std::string drawnPortion_; // the portion text the bars were drawn for
    bool touchShown_ = false;
    std::string touchLabel_;
    float touchX_ = 0;
};

} // namespace tolvane
