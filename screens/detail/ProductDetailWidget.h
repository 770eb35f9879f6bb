// The product detail: header area, the light rows and the favourites button.
#pragma once

#include "screens/detail/ProductDetail.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tolvane {

// The rows of the detail drawn in one widget: the header row, five light rows, the portion.
class DetailTable : public QWidget {
    Q_OBJECT
public:
    explicit DetailTable(const ProductDetail& detail, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ProductDetail& detail_;
};

class ProductDetailWidget : public QWidget, private ProductDetailListener {
    Q_OBJECT
public:
    ProductDetailWidget(std::shared_ptr<ProductDetail> model, const Strings& strings,
                        QWidget* parent = nullptr);
    ~ProductDetailWidget() override;

    std::shared_ptr<ProductDetail> model() const { return model_; }
    QPushButton* favoriteButton() const { return favorite_; }
    QPushButton* removeFavoriteButton() const { return removeFavorite_; }
    QPushButton* doneButton() const { return done_; }
    QLabel* nameLabel() const { return name_; }
    DetailTable* detailTable() const { return table_; }

public slots:
    // The device turned; only the detail on screen follows it.
    void deviceOrientationChanged(int orientation);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void detailChanged() override;

    std::shared_ptr<ProductDetail> model_;
    const Strings& strings_;
    QLabel* name_;
    QLabel* maker_;
    QLabel* category_;
    QLabel* noPortion_;
    QPushButton* favorite_;
    QPushButton* removeFavorite_;
    QPushButton* done_;
    DetailTable* table_;
};

} // namespace tolvane
