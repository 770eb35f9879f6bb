// The own-product form: grouped fields, the food/drink segments, an input bar with
// "Zurück", "Weiter", ".", "," and a done key, and the category and salt wheels sliding in.
#pragma once

#include "screens/ownproducts/AddProductVC.h"

#include <QWidget>

#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace tolvane {

class WheelPicker;

class AddProductWidget : public QWidget, private AddProductListener {
    Q_OBJECT
public:
    AddProductWidget(std::shared_ptr<AddProductVC> model, const Strings& strings,
                     QWidget* parent = nullptr);
    ~AddProductWidget() override;

    std::shared_ptr<AddProductVC> model() const { return model_; }
    QLineEdit* field(ProductField field) const;
    QWidget* inputBar() const { return inputBar_; }
    WheelPicker* wheel() const { return wheel_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formChanged() override;
    void inputMoved() override;
    QWidget* makeRow(const FormRow& row, QWidget* parent);
    QPushButton* barKey(const QString& text, const char* name);

    std::shared_ptr<AddProductVC> model_;
    const Strings& strings_;
    QScrollArea* scroll_ = nullptr;
    std::map<ProductField, QLineEdit*> fields_;
    QPushButton* segments_[2] = {nullptr, nullptr};
    QWidget* inputBar_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* dot_ = nullptr;
    QPushButton* comma_ = nullptr;
    QPushButton* done_ = nullptr;
    WheelPicker* wheel_ = nullptr;
    QAction* save_ = nullptr;
};

} // namespace tolvane
