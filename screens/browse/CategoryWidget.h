// The category list of the third tab.
#pragma once

#include "screens/browse/CategoryVC.h"

#include <QAbstractListModel>
#include <QWidget>

class QListView;

namespace tolvane {

class CategoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CategoryListModel(const CategoryVC& categories, QObject* parent = nullptr);
    void reload();
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const CategoryVC& categories_;
};

class CategoryWidget : public QWidget, private CategoryListener {
    Q_OBJECT
public:
    CategoryWidget(std::shared_ptr<CategoryVC> model, const Strings& strings,
                   QWidget* parent = nullptr);
    ~CategoryWidget() override;

    std::shared_ptr<CategoryVC> model() const { return model_; }
    QListView* table() const { return table_; }
    CategoryListModel* tableModel() const { return tableModel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void categoriesChanged() override;

    std::shared_ptr<CategoryVC> model_;
    QListView* table_;
    CategoryListModel* tableModel_;
};

} // namespace tolvane
