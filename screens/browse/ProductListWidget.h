// The sectioned product list with its search bar and side index; SearchWidget and
// ProductsForCategoriesWidget add what their screens have beyond it.
#pragma once

#include "screens/browse/ProductListVC.h"
#include "screens/common/AccessibleRows.h"

#include <QAbstractListModel>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;
class QListView;
class QVBoxLayout;

namespace tolvane {

// One row per section heading and per product, in list order; row i of section s is
// displayList[s].rows[i]. Flat, so that its view keeps nothing per row (a tree view keeps a
// layout item for every row it shows: 40 MiB at a million products). Reset as a whole when the
// list changes.
class ProductSectionModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { MakerRole = Qt::UserRole + 1, IsSectionRole };
    explicit ProductSectionModel(const ProductListVC& list, QObject* parent = nullptr);

    void reload();
    // Indexes the view keeps across changes; a handful, never one per product, or tearing the
    // view down takes seconds on a large catalogue.
    int persistentIndexCount() const { return static_cast<int>(persistentIndexList().size()); }
    int sectionCount() const { return static_cast<int>(starts_.size()) - 1; }
    int productCount(int section) const;
    QModelIndex sectionIndex(int section) const;
    QModelIndex productIndex(int section, int row) const;
    // Where a product's row stands; nullopt for a heading.
    struct Place {
        int section = 0;
        int row = 0;
    };
    std::optional<Place> placeOf(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The section of a row and the row within it, -1 for the heading.
    std::pair<int, int> at(int row) const;
    const ProductListVC& list_;
    // The row of each section's heading, and the number of rows last.
    std::vector<int> starts_{0};
};

// The letters down the right edge; touching or dragging over one jumps to its section.
class SideIndexBar : public QWidget {
    Q_OBJECT
public:
    explicit SideIndexBar(QWidget* parent = nullptr);
    void setLetters(const std::vector<std::string>& letters);
    const QStringList& letters() const { return letters_; }
    QSize sizeHint() const override { return {18, 100}; }

signals:
    void letterTouched(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void touch(int y);
    QStringList letters_;
    int last_ = -1;
};

class ProductListWidget : public QWidget, protected ProductListListener, private AccessibleRows {
    Q_OBJECT
public:
    ProductListWidget(std::shared_ptr<ProductListVC> model, const Strings& strings,
                      QWidget* parent = nullptr);
    ~ProductListWidget() override;

    QListView* table() const { return table_; }
    QLineEdit* searchField() const { return searchField_; }
    QToolButton* cancelButton() const { return cancel_; }
    // Beside the field while live search is off.
    QToolButton* searchButton() const { return searchButton_; }
    // In the table's place while a live search finds nothing.
    QLabel* emptyText() const { return emptyPage_; }
    // Under the search field while a typed barcode's check digit does not fit.
    QLabel* searchHint() const { return searchHint_; }
    SideIndexBar* sideIndex() const { return index_; }
    ProductSectionModel* tableModel() const { return tableModel_; }
    // Selects the row as a tap would.
    void chooseRow(int section, int row);

protected:
    void listChanged() override;
    void stateChanged() override;
    void closeKeyboard() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QVBoxLayout* mainLayout() const { return layout_; }
    QHBoxLayout* searchBarLayout() const { return barLayout_; }

    const Strings& strings_;

private:
    void scrollToIndexLetter(int position);
    // The table's rows as a screen reader meets them: headings and products, each product
    // opened by its action as by a tap.
    int accessibleRowCount() const override;
    QString accessibleRowName(int row) const override;
    QRect accessibleRowRect(int row) const override;
    QAccessible::Role accessibleRowRole(int row) const override;
    int accessibleCurrentRow() const override;
    bool accessibleRowPressable(int row) const override;
    void pressAccessibleRow(int row) override;

    std::shared_ptr<ProductListVC> model_;
    QVBoxLayout* layout_;
    QHBoxLayout* barLayout_;
    QLineEdit* searchField_;
    QToolButton* searchButton_;
    QToolButton* cancel_;
    QLabel* searchHint_;
    QStackedWidget* pages_;
    QListView* table_;
    QLabel* emptyPage_;
    SideIndexBar* index_;
    ProductSectionModel* tableModel_;
    bool showingSearchRows_ = false;
    bool searchingByReturn_ = false;
};

} // namespace tolvane
