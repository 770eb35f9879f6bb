// A folder summary: the heading, the note when the fixed amounts stand, and five horizontal bars
// with their percentages and totals. A bar longer than the screen is clipped at its edge.
#pragma once

#include "screens/planner/ProductDetailPortraitVC.h"

#include <QWidget>

class QAction;
class QLabel;

namespace tolvane {

class AccessibleBars;

class ProductDetailPortraitWidget : public QWidget, private ProductDetailPortraitListener {
    Q_OBJECT
public:
    static constexpr int kBarsTop = 100;
    static constexpr int kRowPitch = 64;
    static constexpr int kBarLeft = 12;

    ProductDetailPortraitWidget(std::shared_ptr<ProductDetailPortraitVC> model,
                                const Strings& strings, QWidget* parent = nullptr);
    ~ProductDetailPortraitWidget() override;

    std::shared_ptr<ProductDetailPortraitVC> model() const { return model_; }
    // Where bar n is drawn: its length as the model says, up to the right margin.
    QRect barRect(int nutrient) const;
    QAction* eatFolderAction() const { return eatFolder_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void barsChanged() override;

    std::shared_ptr<ProductDetailPortraitVC> model_;
    const Strings& strings_;
    QLabel* note_;
    AccessibleBars* bars_;
    QAction* eatFolder_;
};

} // namespace tolvane
