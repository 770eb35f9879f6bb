// The first tab's product list: the list with its search, the refresh button, the update's
// progress panel and the small indicator shown while own products are merged in.
#pragma once

#include "screens/browse/ProductListWidget.h"
#include "screens/browse/SearchVC.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tolvane {

class SearchWidget : public ProductListWidget {
    Q_OBJECT
public:
    SearchWidget(std::shared_ptr<SearchVC> model, const Strings& strings,
                 QWidget* parent = nullptr);
    ~SearchWidget() override;

    std::shared_ptr<SearchVC> model() const { return model_; }
    QAction* refreshAction() const { return refresh_; }
    QWidget* progressPanel() const { return panel_; }
    QLabel* progressLabel() const { return progressText_; }
    QProgressBar* progressBar() const { return panelBar_; }
    QWidget* loadingIndicator() const { return loading_; }
    // Beside the search field: the camera view, or the file dialog without a camera.
    QToolButton* scanButton() const { return scan_; }
    // Under the search field, for a code typed that no product carries.
    QPushButton* ownProductButton() const { return ownProduct_; }

protected:
    void stateChanged() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // A picture dropped onto the list is read for its barcode.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::shared_ptr<SearchVC> model_;
    QAction* refresh_;
    QToolButton* scan_;
    QPushButton* ownProduct_;
    QWidget* panel_;
    QProgressBar* panelBar_;
    QLabel* progressText_;
    QWidget* loading_;
    QProgressBar* loadingBar_;
};

class ProductsForCategoriesVC;

class ProductsForCategoriesWidget : public ProductListWidget {
    Q_OBJECT
public:
    ProductsForCategoriesWidget(std::shared_ptr<ProductsForCategoriesVC> model,
                                const Strings& strings, QWidget* parent = nullptr);
    std::shared_ptr<ProductsForCategoriesVC> model() const { return model_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::shared_ptr<ProductsForCategoriesVC> model_;
};

} // namespace tolvane
