// How much of one product was eaten in one folder: the amount and its fat, saturates, sugar, salt
// and calories, scaled together by two sliders or by typing any one of them. Saved, and the
// folder total corrected, when the screen is left after the user changed a value; opening it or
// moving through its fields writes nothing.
#pragma once

#include "nutrition/Consumption.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <memory>
#include <string>

namespace tolvane {

class Database;

class NewEditConsumptionListener {
public:
    virtual ~NewEditConsumptionListener() = default;
    // Values, enabled states, hints or sliders changed.
    virtual void consumptionChanged() = 0;
};

struct ConsumptionInputs {
    std::string productName;
    std::string manufactorName;
    std::string categoryName; // looked up already
    std::string productID;
    std::string folderID;
};

struct SliderRange {
    float minimum = 1.0f;
    float maximum = 1.0f;
    float value = 1.0f;
};

class NewEditConsumptionVC : public Screen {
public:
    using Quantity = ConsumptionQuantity;
    static constexpr float kAmountSliderMaximum = 1000.0f;
    static constexpr float kCaloriesSliderMaximum = 3000.0f;

    NewEditConsumptionVC(Platform platform, Database& shared, ConsumptionInputs inputs);
    ~NewEditConsumptionVC() override;

    static const char* titleKey() { return key("Edit Consumption Title"); }
    static const char* instructionKey() { return key("Please Enter Consumption"); }
    static const char* captionKey(Quantity q);
    // Beside a field whose product has none of it: the field cannot be changed.
    static const char* zeroHintKey(Quantity q);
    // How far the form scrolls so that the field stays above the keyboard.
    static int scrollOffset(Quantity q);

    void setListener(NewEditConsumptionListener* listener) { listener_ = listener; }
    const ConsumptionInputs& inputs() const { return inputs_; }

    // Reads the consumption row and the product's own values.
    void viewDidLoad();
    // Saves what the user changed; on every departure (back, tab switch).
    void viewWillDisappear();

    // False when the product has no consumption row in this folder (it left the folder): the
    // form is empty and disabled and nothing is written.
    // The text a field shows: the model text with a decimal comma; "" without a row.
    std::string fieldText(Quantity q) const;
    bool fieldEnabled(Quantity q) const;
    // Whether the zero hint shows beside the quantity's own field.
    bool hintShown(Quantity q) const;
    SliderRange amountSlider() const;
    SliderRange caloriesSlider() const;
    bool amountSliderEnabled() const { return hasRow_; }
    // Touches are ignored when the product has no calories.
    bool caloriesSliderEnabled() const;

    void amountSliderMoved(float value);
    void caloriesSliderMoved(float value);

    // A field asks to start editing: refused while another one is being edited.
    bool shouldBeginEditing(Quantity q);
    bool isEditing() const { return editing_ >= 0; }
    // Editing of the field ends with the typed text: checked, then applied or refused with an
    // alert; the field then shows the model text again. The text the field showed when its
    // editing began changes nothing (the field was only passed through).
    void endEditing(Quantity q, const std::string& typed);

private:
    void changed();

    Platform platform_;
    Database& shared_;
    ConsumptionInputs inputs_;
    NewEditConsumptionListener* listener_ = nullptr;
    bool hasRow_ = false;
    Consumption values_;
    bool changedByUser_ = false; // since the last save
    int editing_ = -1;
    std::string textAtBegin_; // what the field being edited showed
};

} // namespace tolvane
