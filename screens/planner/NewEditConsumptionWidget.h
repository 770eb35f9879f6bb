// The consumption editor: the product's header, the amount and calorie sliders and the six
// fields with a decimal comma, each zero field locked with its hint beside it.
#pragma once

#include "screens/planner/NewEditConsumptionVC.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace tolvane {

class NewEditConsumptionWidget : public QWidget, private NewEditConsumptionListener {
    Q_OBJECT
public:
    NewEditConsumptionWidget(std::shared_ptr<NewEditConsumptionVC> model, const Strings& strings,
                             QWidget* parent = nullptr);
    ~NewEditConsumptionWidget() override;

    std::shared_ptr<NewEditConsumptionVC> model() const { return model_; }
    QLineEdit* field(ConsumptionQuantity q) const { return fields_[static_cast<int>(q)]; }
    QSlider* amountSlider() const { return amountSlider_; }
    QSlider* caloriesSlider() const { return caloriesSlider_; }

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void consumptionChanged() override;
    void finishEditing(int q);

    std::shared_ptr<NewEditConsumptionVC> model_;
    std::array<QLineEdit*, kConsumptionQuantityCount> fields_{};
    std::array<QLabel*, kConsumptionQuantityCount> hints_{};
    QSlider* amountSlider_;
    QSlider* caloriesSlider_;
    int editing_ = -1;
};

} // namespace tolvane
