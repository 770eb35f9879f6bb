#include "ProductDetailWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/ElidedLabel.h"
#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"
#include "screens/common/TableRow.h"
#include "screens/filing/CheckPickerView.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace tolvane {

namespace {

QIcon picture(const std::string& name) {
    return namedPicture(qs(name));
}

// The scrolling page, drawn on the vertical background picture.
class BackgroundPage : public QWidget {
public:
    explicit BackgroundPage(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xf2, 0xf3, 0xf5));
        const QPixmap background =
            picture("background_vertical.png").pixmap(size(), devicePixelRatioF());
        p.drawPixmap(rect(), background);
    }
};

// A light's colour as a screen reader says it, and the mark of a value below the category's
// average (the picture's "_top" form: a star on the light, or on the grey of energy).
QString spokenLight(const std::string& picture, const Strings& strings) {
    const std::pair<const char*, const char*> lights[] = {
        {"ampel_green", key("Accessible Light Green")},
        {"ampel_yellow", key("Accessible Light Yellow")},
        {"ampel_red", key("Accessible Light Red")},
        {"ampel_neutral", key("Accessible Light None")},
        {"ampel_grey", nullptr}};
    QStringList spoken;
    for (const auto& [prefix, colourKey] : lights)
        if (picture.rfind(prefix, 0) == 0 && colourKey) spoken << qs(strings.text(colourKey));
    if (picture.size() > 4 && picture.compare(picture.size() - 4, 4, "_top") == 0)
        spoken << qs(strings.text(key("Accessible Below Average")));
    return spoken.join(", ");
}

// The table as a screen reader says it: each row's texts and its light's colour.
QString spokenTable(const ProductDetail& detail, const Strings& strings) {
    QStringList rows;
    for (int row = 0; row < detail.numberOfRows(); ++row) {
        const DetailRow content = detail.row(row);
        QStringList texts{qs(content.title)};
        if (!content.value.empty()) texts << qs(content.value);
        if (const QString light = spokenLight(content.picture, strings); !light.isEmpty())
            texts << light;
        rows << texts.join(", ");
    }
    return rows.join("; ");
}

QLabel* label(const QString& text, const char* objectName, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setWordWrap(true);
    return l;
}

// A box the style sheet draws by its name, its rows laid one under another.
QWidget* rowsBox(const char* objectName, QMargins margins, int spacing, QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_StyledBackground);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(margins);
    rows->setSpacing(spacing);
    return box;
}

} // namespace

ProductDetailWidget::ProductDetailWidget(std::shared_ptr<ProductDetail> model,
                                         const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("ProductDetailWidget");
    setWindowTitle(qs(strings_.text(ProductDetail::titleKey())));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the buttons and the table
    outer->addWidget(scroll);

    auto* page = new BackgroundPage(scroll);
    page->setObjectName("detailPage");
    page->setStyleSheet("#productName { font-size: 17px; font-weight: 600; }"
                        "#makerName, #categoryName { color: #4a4f56; }"
                        "#noPortion { color: #b3261e; font-size: 12px; }"
                        "#turnDevice { color: #6d7178; font-size: 12px; }"
                        "#favoriteButton { background: #23735a; color: white;"
                        " border: 2px solid #23735a; border-radius: 8px; padding: 6px;"
                        " font-weight: 600; }"
                        "#turnButton { background: #23735a; color: white;"
                        " border: 2px solid #23735a; border-radius: 8px; padding: 3px 8px;"
                        " font-size: 12px; }"
                        "#favoriteButton:focus, #turnButton:focus { border-color: #9be0c3; }"
                        "#removeFavoriteButton:focus { background: #f6e9df; }"
                        "#eatenButton { background: white; color: #23735a;"
                        " border: 2px solid #23735a; border-radius: 8px; padding: 6px;"
                        " font-weight: 600; }"
                        "#eatenButton:focus { background: #d8ece4; }"
                        "#removeFavoriteButton { background: transparent; color: #8a4b16;"
                        " border: 1px solid #8a4b16; border-radius: 8px; padding: 6px; }"
                        "#factsHeading, #choicesHeading { font-weight: 600; color: #1c1e21; }"
                        "#factsBox, #choicesBox { background: white; border: 1px solid #dfe1e5;"
                        " border-radius: 10px; }"
                        "#factsBox QLabel { font-size: 13px; }"
                        "#factsBox QLabel[partOfAbove=\"true\"] { color: #4a4f56; }"
                        "#choiceMaker { color: #6d7178; font-size: 12px; }");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(4);

    auto* head = new QHBoxLayout;
    auto* productPicture = new QLabel(page);
    productPicture->setPixmap(picture("products.png").pixmap(QSize(56, 56), devicePixelRatioF()));
    productPicture->setAlignment(Qt::AlignTop);
    head->addWidget(productPicture);
    auto* texts = new QVBoxLayout;
    name_ = label(QString(), "productName", page);
    maker_ = label(QString(), "makerName", page);
    category_ = label(QString(), "categoryName", page);
    texts->addWidget(name_);
    texts->addWidget(maker_);
    texts->addWidget(category_);
    head->addLayout(texts, 1);
    layout->addLayout(head);

    noPortion_ = label(qs(strings_.text(ProductDetail::noPortionKey())), "noPortion", page);
    layout->addWidget(noPortion_);
    gone_ = label(qs(strings_.text(ProductDetail::goneKey())), "productGone", page);
    layout->addWidget(gone_);
    // A desktop has no accelerometer: the hint comes with a button that does the turn.
    auto* turnRow = new QHBoxLayout;
    turnRow->addWidget(label(qs(strings_.text(ProductDetail::turnDeviceKey())), "turnDevice", page),
                       1);
    turn_ = new QPushButton(picture("rotate.png"), qs(strings_.text("Drehen")), page);
    turn_->setObjectName("turnButton");
    turn_->setToolTip(qs(strings_.text(ProductDetail::turnDeviceKey())));
    describe(turn_, strings_, key("Accessible Turn Description"));
    turnRow->addWidget(turn_);
    layout->addLayout(turnRow);
    favorite_ = new QPushButton(page);
    favorite_->setObjectName("favoriteButton");
    describe(favorite_, strings_, key("Accessible Favorite Description"));
    layout->addWidget(favorite_);
    removeFavorite_ = new QPushButton(qs(strings_.text(ProductDetail::removeFavoriteKey())), page);
    removeFavorite_->setObjectName("removeFavoriteButton");
    describe(removeFavorite_, strings_, key("Accessible Remove Favorite Description"));
    layout->addWidget(removeFavorite_);
    eaten_ = new QPushButton(qs(strings_.text(ProductDetail::eatenKey())), page);
    eaten_->setObjectName("eatenButton");
    describe(eaten_, strings_, key("Accessible Eaten Description"));
    layout->addWidget(eaten_);
    layout->addSpacing(8);
    table_ = new DetailTable(*model_, page);
    table_->setAccessibleName(qs(strings_.text("Accessible Nutrition Table")));
    layout->addWidget(table_);
    layout->addSpacing(8);
    factsHeading_ = label(QString(), "factsHeading", page);
    layout->addWidget(factsHeading_);
    factsBox_ = rowsBox("factsBox", {10, 6, 10, 6}, 3, page);
    layout->addWidget(factsBox_);
    layout->addSpacing(8);
    choicesHeading_ = label(QString(), "choicesHeading", page);
    layout->addWidget(choicesHeading_);
    choicesBox_ = rowsBox("choicesBox", {}, 0, page);
    layout->addWidget(choicesBox_);
    layout->addStretch(1);
    scroll->setWidget(page);
    page_ = scroll;

    connect(favorite_, &QPushButton::clicked, this, [this] { model_->addToFav(); });
    connect(turn_, &QPushButton::clicked, this,
            [this] { model_->receivedRotate(DeviceOrientation::LandscapeLeft); });
    done_ = new QAction(qs(strings_.text(ProductDetail::doneButtonKey())), this);
    done_->setProperty("navigationBarSide", "right");
    done_->setVisible(false);
    describe(done_, strings_, key("Accessible Done Description"));
    addAction(done_);
    connect(done_, &QAction::triggered, this, [this] { model_->doneButtonClick(); });

    // The folder picker lies in front of the content, out of sight below it until wanted.
    picker_ = new CheckPickerView(this);
    picker_->setDelegate(model_.get());
    describe(picker_, strings_, key("Accessible Folder Picker Description"),
             key("Accessible Folder Picker"));
    picker_->hide();
    slide_ = new QPropertyAnimation(picker_, "pos", this);
    slide_->setDuration(500);
    slide_->setEasingCurve(QEasingCurve::Linear);
    connect(slide_, &QPropertyAnimation::finished, this, [this] {
        if (!pickerUp_) picker_->hide();
    });
    connect(removeFavorite_, &QPushButton::clicked, this, [this] { model_->editButton(); });
    connect(eaten_, &QPushButton::clicked, this, [this] { model_->eatenPressed(); });
    model_->setListener(this);
    model_->viewDidLoad();
    detailChanged();
}

ProductDetailWidget::~ProductDetailWidget() {
    model_->setListener(nullptr);
}

void ProductDetailWidget::detailChanged() {
    name_->setText(qs(model_->productName()));
    maker_->setText(qs(model_->maker()));
    category_->setText(qs(model_->categoryName()));
    // No maker, no blank line between name and category.
    maker_->setVisible(!model_->maker().empty());
    category_->setVisible(!model_->categoryName().empty());
    noPortion_->setVisible(model_->showMsg());
    gone_->setVisible(model_->gone());
    favorite_->setText(qs(strings_.text(model_->favoriteButtonKey())));
    favorite_->setVisible(model_->showsFavoriteButton());
    done_->setVisible(model_->pickerShown());
    removeFavorite_->setVisible(model_->canRemoveFavorite());
    eaten_->setVisible(model_->showsEatenButton() && !model_->pickerShown());
    if (model_->pickerShown() != pickerUp_) slidePicker(model_->pickerShown());
    if (pickerUp_) picker_->model().reloadData();
    // Heard with the picker's name, as a search's hits with its list.
    const QString note = qs(model_->filingNote());
    picker_->setAccessibleName(qs(strings_.text(key("Accessible Folder Picker"))) +
                               (note.isEmpty() ? QString() : ", " + note));
    table_->refresh();
    table_->setAccessibleDescription(spokenTable(*model_, strings_));
    showFacts();
    showChoices();
}

void ProductDetailWidget::showFacts() {
    factsHeading_->setText(qs(model_->factsHeading()));
    factsHeading_->setVisible(!model_->facts().empty());
    factsBox_->setVisible(!model_->facts().empty());
    if (model_->facts() == shownFacts_) return;
    shownFacts_ = model_->facts();
    // Each line's title takes what its own figure leaves.
    for (QWidget* line : factsBox_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete line;
    for (const FactRow& fact : shownFacts_) {
        auto* line = new QWidget(factsBox_);
        auto* row = new QHBoxLayout(line);
        row->setContentsMargins(fact.partOfAbove ? 12 : 0, 0, 0, 0);
        row->setSpacing(8);
        auto* title = label(qs(fact.title), "factTitle", line);
        auto* value = new QLabel(qs(fact.value), line);
        value->setObjectName("factValue");
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel* l : {title, value})
            l->setProperty("partOfAbove", fact.partOfAbove);
        row->addWidget(title, 1);
        row->addWidget(value);
        factsBox_->layout()->addWidget(line);
    }
}

void ProductDetailWidget::showChoices() {
    choicesHeading_->setText(qs(model_->betterChoicesHeading()));
    choicesHeading_->setVisible(!model_->betterChoices().empty());
    choicesBox_->setVisible(!model_->betterChoices().empty());
    if (model_->betterChoices() == shownChoices_) return;
    shownChoices_ = model_->betterChoices();
    for (TableRow* row : choiceRows_)
        row->deleteLater();
    choiceRows_.clear();
    for (std::size_t i = 0; i < shownChoices_.size(); ++i) {
        const ChoiceRow& choice = shownChoices_[i];
        auto* row = new TableRow(QString(), choicesBox_);
        row->setAccessibleName(qs(choice.name));
        QStringList spoken;
        if (!choice.maker.empty()) spoken << qs(choice.maker);
        // The lights in the order drawn, each with its nutrient's name.
        const char* const nutrients[] = {key("Fett"), key("gesättigte Fette"), key("Zucker"),
                                         key("Salz")};
        for (std::size_t light = 0; light < choice.pictures.size(); ++light)
            if (const QString colour = spokenLight(choice.pictures[light], strings_);
                !colour.isEmpty())
                spoken << qs(strings_.text(nutrients[light])) + ": " + colour;
        spoken << qs(strings_.text(key("Accessible Row Description")));
        row->setAccessibleDescription(spoken.join(", "));
        row->setProperty("last", i + 1 == shownChoices_.size());
        row->label()->hide();
        auto* texts = new QVBoxLayout;
        texts->setContentsMargins(0, 4, 0, 4);
        texts->setSpacing(0);
        texts->addWidget(new ElidedLabel(qs(choice.name), row));
        if (!choice.maker.empty()) {
            auto* maker = new ElidedLabel(qs(choice.maker), row);
            maker->setObjectName("choiceMaker");
            texts->addWidget(maker);
        }
        static_cast<QHBoxLayout*>(row->layout())->insertLayout(0, texts, 1);
        for (const std::string& name : choice.pictures) {
            auto* light = new QLabel(row);
            light->setPixmap(picture(name).pixmap(QSize(14, 22), devicePixelRatioF()));
            row->accessories()->addWidget(light);
        }
        row->addDisclosure();
        connect(row, &TableRow::clicked, this,
                [this, i] { model_->openBetterChoice(static_cast<int>(i)); });
        choicesBox_->layout()->addWidget(row);
        // Made after the page, the rows would come after the tab bar: Tab reads them in place,
        // right after the table above them.
        QWidget::setTabOrder(
            choiceRows_.empty() ? static_cast<QWidget*>(table_) : choiceRows_.back(), row);
        choiceRows_.push_back(row);
    }
}

void ProductDetailWidget::deviceOrientationChanged(DeviceOrientation orientation) {
    if (isVisible()) model_->receivedRotate(orientation);
}

QPoint ProductDetailWidget::pickerPosition(bool up) const {
    const int x = (width() - picker_->width()) / 2;
    return {x, up ? height() - picker_->height() : height()};
}

void ProductDetailWidget::slidePicker(bool up) {
    pickerUp_ = up;
    slide_->stop();
    if (!up) page_->setEnabled(true);
    if (up) {
        // Each opening is a fresh picker: the folders as they are now, from the top.
        picker_->model().setOffset(0);
        picker_->setDelegate(model_.get());
        picker_->move(pickerPosition(false));
        picker_->show();
        picker_->raise();
    }
    // The keyboard goes with the picker and comes back to the button that opened it.
    const QWidget* focused = window()->focusWidget();
    if (focused && (isAncestorOf(focused) || !up)) { // closed by the bar's button too
        if (up)
            picker_->setFocus(Qt::OtherFocusReason);
        else if (favorite_->isVisible())
            favorite_->setFocus(Qt::OtherFocusReason);
    }
    if (up) page_->setEnabled(false);
    slide_->setStartValue(picker_->pos());
    slide_->setEndValue(pickerPosition(up));
    slide_->start();
}

void ProductDetailWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (slide_->state() != QAbstractAnimation::Running) picker_->move(pickerPosition(pickerUp_));
}

void ProductDetailWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void ProductDetailWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    model_->viewWillDisappear();
}

} // namespace tolvane
