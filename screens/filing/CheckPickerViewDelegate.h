// What a check picker asks of its owner: the items, their texts and their marks, and what it
// reports when the user checks or unchecks one. The owner alone keeps the marks.
#pragma once

#include <string>

namespace tolvane {

class CheckPickerViewDelegate {
public:
    virtual ~CheckPickerViewDelegate() = default;
    virtual int numberOfRowsForPickerView() = 0;
    virtual std::string pickerViewTextForRow(int item) = 0;
    virtual bool pickerViewSelectionStateForRow(int item) = 0;
    virtual void pickerViewDidCheckRow(int /*item*/) {}
    virtual void pickerViewDidUncheckRow(int /*item*/) {}
};

} // namespace tolvane
