// A folder's products: name, maker, amount and calories per row; a tap opens the consumption
// editor, the delete mark and its red button take the product out of the folder.
#pragma once

#include "screens/planner/FavoriteVCFolderNew.h"

#include <QWidget>

class QLabel;

namespace tolvane {

class PlannerListView;

class FavoriteVCFolderNewWidget : public QWidget, private FavoriteVCFolderNewListener {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 56;

    FavoriteVCFolderNewWidget(std::shared_ptr<FavoriteVCFolderNew> model, const Strings& strings,
                              QWidget* parent = nullptr);
    ~FavoriteVCFolderNewWidget() override;

    std::shared_ptr<FavoriteVCFolderNew> model() const { return model_; }
    PlannerListView* list() const { return list_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void itemsChanged() override;

    std::shared_ptr<FavoriteVCFolderNew> model_;
    PlannerListView* list_;
    QLabel* emptyHint_;
};

} // namespace tolvane
