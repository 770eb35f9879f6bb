// The product detail: header area, the light rows and the favourites button.
#pragma once

#include "screens/detail/DetailTable.h"
#include "screens/detail/ProductDetail.h"

#include <QWidget>

class QAction;
class QLabel;
class QPropertyAnimation;
class QPushButton;

namespace tolvane {

class CheckPickerView;
class TableRow;

class ProductDetailWidget : public QWidget, private ProductDetailListener {
    Q_OBJECT
public:
    ProductDetailWidget(std::shared_ptr<ProductDetail> model, const Strings& strings,
                        QWidget* parent = nullptr);
    ~ProductDetailWidget() override;

    std::shared_ptr<ProductDetail> model() const { return model_; }
    QPushButton* favoriteButton() const { return favorite_; }
    QPushButton* removeFavoriteButton() const { return removeFavorite_; }
    QPushButton* eatenButton() const { return eaten_; }
    // "Done" in the navigation bar while the folder picker shows.
    QAction* doneAction() const { return done_; }
    CheckPickerView* picker() const { return picker_; }
    QLabel* nameLabel() const { return name_; }
    QLabel* makerLabel() const { return maker_; }
    // Beside the turn hint: shows the calculator as turning the device would.
    QPushButton* turnButton() const { return turn_; }
    DetailTable* detailTable() const { return table_; }
    QLabel* factsHeading() const { return factsHeading_; }
    QWidget* factsBox() const { return factsBox_; }
    QLabel* choicesHeading() const { return choicesHeading_; }
    // The better choices' rows, best first; a tap opens the product.
    const std::vector<TableRow*>& choiceRows() const { return choiceRows_; }

public slots:
    // The device turned; only the detail on screen follows it.
    void deviceOrientationChanged(DeviceOrientation orientation);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void detailChanged() override;
    // Slides the picker up into view or down out of it, over 0.5 s at constant speed.
    void slidePicker(bool up);
    QPoint pickerPosition(bool up) const;
    // Rebuilt only when what they show changed, so a row under the finger stays.
    void showFacts();
    void showChoices();

    std::shared_ptr<ProductDetail> model_;
    const Strings& strings_;
    QLabel* name_;
    QLabel* maker_;
    QLabel* category_;
    QLabel* noPortion_;
    QLabel* gone_;
    QPushButton* favorite_;
    QPushButton* turn_;
    QPushButton* removeFavorite_;
    QPushButton* eaten_;
    QAction* done_;
    CheckPickerView* picker_;
    // The page behind the picker: out of Tab's and a screen reader's way while the picker is up.
    QWidget* page_ = nullptr;
    QPropertyAnimation* slide_;
    bool pickerUp_ = false;
    DetailTable* table_;
    QLabel* factsHeading_;
    QWidget* factsBox_;
    QLabel* choicesHeading_;
    QWidget* choicesBox_;
    std::vector<FactRow> shownFacts_;
    std::vector<ChoiceRow> shownChoices_;
    std::vector<TableRow*> choiceRows_;
};

} // namespace tolvane
