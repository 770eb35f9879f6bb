#include "NewEditConsumptionWidget.h"

#include "nutrition/NumberText.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace tolvane {

namespace {

using Q = ConsumptionQuantity;

void showSlider(QSlider* slider, const SliderRange& range, bool enabled) {
    const QSignalBlocker block(slider);
    slider->setRange(static_cast<int>(std::floor(range.minimum)),
                     static_cast<int>(std::min(2.0e9f, std::ceil(range.maximum))));
    slider->setValue(static_cast<int>(std::lround(std::min(2.0e9f, range.value))));
    slider->setEnabled(enabled);
}

} // namespace

NewEditConsumptionWidget::NewEditConsumptionWidget(std::shared_ptr<NewEditConsumptionVC> model,
                                                   const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("NewEditConsumptionWidget");
    setWindowTitle(qs(strings.text(NewEditConsumptionVC::titleKey())));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which it scrolls into view
    outer->addWidget(scroll);
    auto* page = new QWidget(scroll);
    page->setObjectName("consumptionPage");
    page->setStyleSheet("#consumptionPage { background: #f2f3f5; }"
                        "#productName { font-size: 16px; font-weight: 600; }"
                        "#makerName, #categoryName, #instruction { color: #4a4f56; }"
                        "QLabel[hint=\"true\"] { color: #b3261e; font-size: 11px; }");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 10, 12, 12);
    const ConsumptionInputs& in = model_->inputs();
    for (const auto& [text, name] :
         {std::pair{in.productName, "productName"}, std::pair{in.manufactorName, "makerName"},
          std::pair{in.categoryName, "categoryName"}}) {
        auto* label = new QLabel(qs(text), page);
        label->setObjectName(name);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* instruction = new QLabel(qs(strings.text(NewEditConsumptionVC::instructionKey())), page);
    instruction->setObjectName("instruction");
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    amountSlider_ = new QSlider(Qt::Horizontal, page);
    amountSlider_->setObjectName("amountSlider");
    caloriesSlider_ = new QSlider(Qt::Horizontal, page);
    caloriesSlider_->setObjectName("caloriesSlider");
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    for (int i = 0; i < kConsumptionQuantityCount; ++i) {
        const auto q = static_cast<Q>(i);
        auto* field = new QLineEdit(page);
        field->setObjectName(QString("field%1").arg(i));
        field->setFixedWidth(90);
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
        describe(field, strings, key("Accessible Field Description"));
        fields_[i] = field;
        auto* hint = new QLabel(qs(strings.text(NewEditConsumptionVC::zeroHintKey(q))), page);
        hint->setProperty("hint", true);
        // Under its field across the whole width: beside it a word or two a line would not fit.
        hint->setWordWrap(true);
        hint->setAlignment(Qt::AlignRight);
        hint->hide();
        hints_[i] = hint;
        // One line: the form gives a wrapped caption no more height than its field.
        form->addRow(qs(strings.text(NewEditConsumptionVC::captionKey(q))), field);
        form->addRow(hint);
        if (q == Q::Amount) form->addRow(amountSlider_);
        connect(field, &QLineEdit::editingFinished, this, [this, i] { finishEditing(i); });
        // A value set whole rather than typed (by a screen reader) is applied at once, as typing
        // it and leaving the field would.
        connect(field, &QLineEdit::textChanged, this, [this, i, q](const QString& text) {
            if (fields_[i]->isModified() || editing_ == i ||
                text.toStdString() == model_->fieldText(q) || !model_->shouldBeginEditing(q))
                return;
            model_->endEditing(q, text.toStdString());
        });
    }
    form->addRow(caloriesSlider_);
    // Made before the fields, the sliders would come first: Tab reads each after its field.
    QWidget* previous = nullptr;
    for (int i = 0; i < kConsumptionQuantityCount; ++i) {
        if (previous) setTabOrder(previous, fields_[i]);
        previous = fields_[i];
        if (static_cast<Q>(i) == Q::Amount) {
            setTabOrder(previous, amountSlider_);
            previous = amountSlider_;
        }
    }
    setTabOrder(previous, caloriesSlider_);
    for (auto [slider, q] :
         {std::pair{amountSlider_, Q::Amount}, std::pair{caloriesSlider_, Q::Calories}}) {
        // Named apart from the field of the same quantity.
        describe(slider, strings, key("Accessible Slider Description"));
        slider->setAccessibleName(
            qs(replaceAll(strings.text(key("Accessible Slider Name")), "%@",
                          strings.text(NewEditConsumptionVC::captionKey(q)))));
    }
    layout->addLayout(form);
    layout->addStretch(1);
    scroll->setWidget(page);

    connect(amountSlider_, &QSlider::valueChanged, this,
            [this](int value) { model_->amountSliderMoved(static_cast<float>(value)); });
    connect(caloriesSlider_, &QSlider::valueChanged, this,
            [this](int value) { model_->caloriesSliderMoved(static_cast<float>(value)); });
    model_->setListener(this);
    model_->viewDidLoad();
}

NewEditConsumptionWidget::~NewEditConsumptionWidget() {
    model_->setListener(nullptr);
}

bool NewEditConsumptionWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < kConsumptionQuantityCount; ++i) {
            if (watched != fields_[i] || editing_ == i) continue;
            if (model_->shouldBeginEditing(static_cast<Q>(i))) {
                editing_ = i;
            } else {
                // Another field is being edited: this one waits.
                QTimer::singleShot(0, fields_[i], [field = fields_[i]] { field->clearFocus(); });
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NewEditConsumptionWidget::finishEditing(int q) {
    if (editing_ != q) return;
    editing_ = -1;
    model_->endEditing(static_cast<Q>(q), fields_[q]->text().toStdString());
    // Return keeps the keyboard in the form, on what follows the field, rather than nowhere.
    if (fields_[q]->hasFocus() && isVisible())
        focusNextPrevChild(true);
    else
        fields_[q]->clearFocus();
}

void NewEditConsumptionWidget::hideEvent(QHideEvent* event) {
    if (editing_ >= 0) finishEditing(editing_);
    QWidget::hideEvent(event);
    model_->viewWillDisappear();
}

void NewEditConsumptionWidget::consumptionChanged() {
    for (int i = 0; i < kConsumptionQuantityCount; ++i) {
        const auto q = static_cast<Q>(i);
        if (editing_ != i) fields_[i]->setText(qs(model_->fieldText(q)));
        fields_[i]->setEnabled(model_->fieldEnabled(q));
        hints_[i]->setVisible(model_->hintShown(q));
    }
    showSlider(amountSlider_, model_->amountSlider(), model_->amountSliderEnabled());
    showSlider(caloriesSlider_, model_->caloriesSlider(), model_->caloriesSliderEnabled());
}

} // namespace tolvane
