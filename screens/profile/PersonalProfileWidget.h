// The personal profile: the four-column body-data wheel, the table of BMI, ideal weight,
// activity level and daily calories with their information buttons, and the activity wheel.
#pragma once

#include "screens/profile/PersonalProfileVC.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class WheelPicker;

class PersonalProfileWidget : public QWidget, private PersonalProfileListener {
    Q_OBJECT
public:
    PersonalProfileWidget(std::shared_ptr<PersonalProfileVC> model, const Strings& strings,
                          QWidget* parent = nullptr);
    ~PersonalProfileWidget() override;

    std::shared_ptr<PersonalProfileVC> model() const { return model_; }
    WheelPicker* activityWheel() const { return activity_; }
    QWidget* tableRow(ProfileFigure row) const { return rows_[static_cast<int>(row)]; }
    QLabel* rowValue(ProfileFigure row) const { return values_[static_cast<int>(row)]; }
    QPushButton* infoButton(ProfileFigure row) const { return info_[static_cast<int>(row)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void profileChanged() override;

    std::shared_ptr<PersonalProfileVC> model_;
    const Strings& strings_;
    std::array<WheelPicker*, kBodyColumnCount> body_{};
    std::array<QWidget*, kProfileFigureCount> rows_{};
    std::array<QLabel*, kProfileFigureCount> values_{};
    std::array<QPushButton*, kProfileFigureCount> info_{};
    QLineEdit* calories_ = nullptr;
    WheelPicker* activity_ = nullptr;
    bool loaded_ = false;
};

} // namespace tolvane
