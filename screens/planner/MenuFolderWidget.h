// The planner tab's root: the folders with their totals on alternating backgrounds, "Bearbeiten"
// and "Fertig" in the bar, and while editing the add button, delete marks and move handles.
#pragma once

#include "screens/planner/MenuFolderVC.h"

#include <QWidget>

class QAction;
class QLabel;

namespace tolvane {

class PlannerListView;
class TableRow;

class MenuFolderWidget : public QWidget, private MenuFolderListener {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 52;

    MenuFolderWidget(std::shared_ptr<MenuFolderVC> model, const Strings& strings,
                     QWidget* parent = nullptr);
    ~MenuFolderWidget() override;

    std::shared_ptr<MenuFolderVC> model() const { return model_; }
    PlannerListView* list() const { return list_; }
    QAction* editAction() const { return edit_; }
    QAction* addAction() const { return add_; }
    TableRow* diaryRow() const { return diary_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void foldersChanged() override;
    void editingChanged() override;

    std::shared_ptr<MenuFolderVC> model_;
    const Strings& strings_;
    PlannerListView* list_;
    QAction* edit_;
    QAction* add_;
    TableRow* diary_;
    QLabel* diaryToday_;
};

} // namespace tolvane
