// The landscape calculator: five bars drawn with the column picture, their percentages, the
// amount under the finger (or mouse), the portion field and the "GDA Info" button.
#pragma once

#include "screens/detail/ProductDetailsLandscapeVC.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class AccessibleBars;

class ProductDetailsLandscapeWidget : public QWidget, private LandscapeListener {
    Q_OBJECT
public:
    static constexpr QSize canvasSize{480, 320};

    ProductDetailsLandscapeWidget(std::shared_ptr<ProductDetailsLandscapeVC> model,
                                  const Strings& strings, QWidget* parent = nullptr);
    ~ProductDetailsLandscapeWidget() override;

    std::shared_ptr<ProductDetailsLandscapeVC> model() const { return model_; }
    QLineEdit* portionField() const { return portion_; }
    QPushButton* infoButton() const { return info_; }
    // Back to the upright tabs, as turning the device back does.
    QPushButton* turnBackButton() const { return turnBack_; }
    QLabel* portionUnitLabel() const { return unit_; }
    // The quick portions beside the field, "100 g" then the pack; none without a pack size.
    const std::vector<QPushButton*>& portionChoiceButtons() const { return choices_; }
    // Where the calculator's own coordinates (480 x 320) start inside the widget.
    QPoint canvasOrigin() const;
    QSize sizeHint() const override { return canvasSize; }
    // Where a bar's percentage and the touched amount are drawn, in the calculator's points.
    QRect percentLabelRect(Nutrient bar) const;
    QRect touchBubbleRect() const;
    static constexpr int fullLineY = 245 - 192; // the dashed 100 % line

public slots:
    void deviceOrientationChanged(DeviceOrientation orientation);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void barsChanged() override;
    void touchChanged() override { update(); }
    void closeKeyboard() override;
    void portionChosen() override;
    void unitsChanged() override;
    void buildPortionChoices();
    void layoutChildren();

    std::shared_ptr<ProductDetailsLandscapeVC> model_;
    const Strings& strings_;
    QPushButton* info_;
    QPushButton* turnBack_;
    QLabel* name_;
    QLineEdit* portion_;
    QLabel* unit_;
    std::vector<QPushButton*> choices_;
    AccessibleBars* barsView_;
};

} // namespace tolvane
