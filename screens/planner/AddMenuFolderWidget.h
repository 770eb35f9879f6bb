// The new-folder screen: a heading, one row with the name field, which takes the focus, and a
// note under it that says what is wrong with the typed name.
#pragma once

#include "screens/planner/AddMenuFolderVC.h"

#include <QWidget>

class QAction;
class QLabel;
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
    // "Cancel" at the left of the navigation bar.
    QAction* cancelAction() const { return cancel_; }
    QLabel* note() const { return note_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void hideKeyboard() override;
    void noteChanged() override;

    std::shared_ptr<AddMenuFolderVC> model_;
    QLineEdit* name_;
    QAction* done_;
    QAction* cancel_;
    QLabel* note_;
    const Strings& strings_;
};

} // namespace tolvane
