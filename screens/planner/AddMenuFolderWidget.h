// The new-folder screen: a heading and one row with the name field, which takes the focus.
#pragma once

#include "screens/planner/AddMenuFolderVC.h"

#include <QWidget>

class QAction;
class QLineEdit;

namespace tolvane {

class AddMenuFolderWidget : public QWidget, private AddMenuFolderListener {
    Q_OBJECT
public:
    AddMenuFolderWidget(std::shared_ptr<AddMenuFolderVC> model, const Strings& strings,
                        QWidget* parent = nullptr);
    ~AddMenuFolderWidget() override;

    std::shared_ptr<AddMenuFolderVC> model() const { return model_; }
    QLineEdit* nameField() const { return name_; }
    // "Fertig" in the navigation bar.
    QAction* doneAction() const { return done_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void hideKeyboard() override;

    std::shared_ptr<AddMenuFolderVC> model_;
    QLineEdit* name_;
    QAction* done_;
};

} // namespace tolvane
