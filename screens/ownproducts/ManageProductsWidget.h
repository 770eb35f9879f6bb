// The own-products list: name above maker; in editing mode each row has a delete key (it
// reveals the row's Delete button, which deletes) and keys and a grip to drag that move it,
// and the bar shows "+" on the left.
#pragma once

#include "screens/ownproducts/ManageProductsVC.h"

#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace tolvane {

class ManageProductsWidget : public QWidget, private ManageProductsListener {
    Q_OBJECT
public:
    ManageProductsWidget(std::shared_ptr<ManageProductsVC> model, const Strings& strings,
                         QWidget* parent = nullptr);
    ~ManageProductsWidget() override;

    std::shared_ptr<ManageProductsVC> model() const { return model_; }
    QScrollArea* table() const { return table_; }
    QAction* editAction() const { return edit_; }
    QAction* addAction() const { return add_; }
    // The row widgets in list order; each holds its delete and move keys by object name.
    const std::vector<QWidget*>& rows() const { return rows_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void listChanged() override;
    QWidget* makeRow(int index);

    std::shared_ptr<ManageProductsVC> model_;
    const Strings& strings_;
    QLabel* help_;
    QScrollArea* table_;
    QVBoxLayout* rowsLayout_;
    std::vector<QWidget*> rows_;
    QAction* edit_;
    QAction* add_;
};

} // namespace tolvane
