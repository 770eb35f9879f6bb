#include "screens/diary/DiaryEntryWidget.h"

#include "nutrition/DiaryDate.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/ElidedLabel.h"
#include "screens/common/QtText.h"
#include "screens/diary/DiaryDayVC.h"
#include "screens/diary/DiaryDayWidget.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tolvane {

DiaryEntryWidget::DiaryEntryWidget(std::shared_ptr<DiaryEntryVC> model, const Strings& strings,
                                   QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("DiaryEntryWidget");
    setWindowTitle(qs(strings_.text(DiaryEntryVC::titleKey())));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scroll);
    page->setObjectName("groupedPage");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 10, 12, 10);

    auto* name = new QLabel(page);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setWordWrap(true);
    name->setText(qs(model_->productName()));
    auto* maker = new QLabel(page);
    maker->setWordWrap(true);
    maker->setText(qs(model_->maker()));
    maker->setStyleSheet("color: #6d7178");
    maker->setVisible(!model_->maker().empty());
    layout->addWidget(name);
    layout->addWidget(maker);

    auto* amountRow = new QHBoxLayout;
    amount_ = new QLineEdit(page);
    amount_->setObjectName("diaryAmount");
    amount_->setMaxLength(7);
    amount_->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    amount_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    describe(amount_, strings_, key("Accessible Diary Amount Description"),
             key("Accessible Diary Amount"));
    auto* unit = new QLabel(qs(model_->unitText()), page);
    kcal_ = new QLabel(page);
    kcal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amountRow->addWidget(amount_, 2);
    amountRow->addWidget(unit);
    amountRow->addWidget(kcal_, 2);
    layout->addLayout(amountRow);

    auto* quickRow = new QGridLayout;
    const auto& quick = model_->quickAmounts();
    for (int i = 0; i < static_cast<int>(quick.size()); ++i) {
        auto* button = new QPushButton(qs(quick[static_cast<std::size_t>(i)].label), page);
        button->setObjectName(QString("diaryQuick%1").arg(i));
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        describe(button, strings_, key("Accessible Diary Quick Description"));
        connect(button, &QPushButton::clicked, this, [this, i] { model_->chooseQuickAmount(i); });
        // Two a row: a pack or a last amount in Russian words needs half the width.
        quickRow->addWidget(button, i / 2, i % 2);
        quick_ << button;
    }
    layout->addLayout(quickRow);

    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto* dayRow = new QHBoxLayout;
    previousDay_ = new QPushButton(QStringLiteral("‹"), page);
    nextDay_ = new QPushButton(QStringLiteral("›"), page);
    for (QPushButton* arrow : {previousDay_, nextDay_})
        arrow->setFixedWidth(40);
    describe(previousDay_, strings_, key("Accessible Diary Previous Description"),
             key("Accessible Diary Previous"));
    describe(nextDay_, strings_, key("Accessible Diary Next Description"),
             key("Accessible Diary Next"));
    day_ = new QLabel(page);
    day_->setAlignment(Qt::AlignCenter);
    day_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    dayRow->addWidget(previousDay_);
    dayRow->addWidget(day_, 1);
    dayRow->addWidget(nextDay_);
    form->addRow(qs(strings_.text(key("Diary Day"))), dayRow);
    time_ = new QTimeEdit(page);
    time_->setDisplayFormat("HH:mm");
    time_->setObjectName("diaryTime");
    describe(time_, strings_, key("Accessible Diary Time Description"), key("Diary Time"));
    // The field inside the time box is what a screen reader lands on.
    if (auto* field = time_->findChild<QLineEdit*>())
        field->setAccessibleName(qs(strings_.text(key("Diary Time"))));
    form->addRow(qs(strings_.text(key("Diary Time"))), time_);
    meal_ = new QComboBox(page);
    meal_->setObjectName("diaryMeal");
    for (int m = 0; m < kMealCount; ++m)
        meal_->addItem(qs(strings_.text(mealTitleKey(static_cast<Meal>(m)))));
    describe(meal_, strings_, key("Accessible Diary Meal Description"), key("Diary Meal"));
    form->addRow(qs(strings_.text(key("Diary Meal"))), meal_);
    layout->addLayout(form);

    delete_ = new QPushButton(qs(strings_.text(key("Löschen"))), page);
    delete_->setObjectName("diaryDelete");
    describe(delete_, strings_, key("Accessible Diary Delete Description"));
    delete_->setVisible(!model_->isNew());
    layout->addWidget(delete_);
    layout->addStretch(1);
    scroll->setWidget(page);
    outer->addWidget(scroll);

    save_ = new QAction(qs(strings_.text(DiaryEntryVC::saveKey())), this);
    save_->setObjectName("diarySave");
    save_->setProperty("navigationBarSide", "right");
    describe(save_, strings_, key("Accessible Diary Save Description"));
    QWidget::addAction(save_);

    connect(amount_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->setAmountText(text.toStdString()); });
    connect(amount_, &QLineEdit::editingFinished, this, [this] {
        if (amount_->text() != qs(model_->amountText())) amount_->setText(qs(model_->amountText()));
    });
    connect(previousDay_, &QPushButton::clicked, this,
            [this] { model_->setDay(DiaryDate::parse(model_->day())->plusDays(-1).text()); });
    connect(nextDay_, &QPushButton::clicked, this,
            [this] { model_->setDay(DiaryDate::parse(model_->day())->plusDays(1).text()); });
    connect(time_, &QTimeEdit::timeChanged, this,
            [this](QTime t) { model_->setTime(t.hour(), t.minute()); });
    connect(meal_, &QComboBox::activated, this,
            [this](int index) { model_->setMeal(static_cast<Meal>(index)); });
    connect(save_, &QAction::triggered, this, [this] { model_->save(); });
    connect(delete_, &QPushButton::clicked, this, [this] { model_->deletePressed(); });
    model_->setListener(this);
    entryChanged();
}

DiaryEntryWidget::~DiaryEntryWidget() {
    model_->setListener(nullptr);
}

void DiaryEntryWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitQuickButtons();
}

void DiaryEntryWidget::fitQuickButtons() {
    const auto& quick = model_->quickAmounts();
    for (int i = 0; i < quick_.size() && i < static_cast<int>(quick.size()); ++i) {
        QPushButton* button = quick_[i];
        const QString label = qs(quick[static_cast<std::size_t>(i)].label);
        const int room = button->width() - 16;
        const bool fits = button->fontMetrics().horizontalAdvance(label) <= room;
        button->setText(fits ? label : qs(quick[static_cast<std::size_t>(i)].value));
        button->setToolTip(fits ? QString() : label);
        button->setAccessibleName(label);
    }
}

void DiaryEntryWidget::entryChanged() {
    if (!amount_->hasFocus()) amount_->setText(qs(model_->amountText()));
    kcal_->setText(qs(model_->kcalText()));
    day_->setText(diaryDateText(strings_, model_->day(), false));
    day_->setToolTip(diaryDateText(strings_, model_->day()));
    day_->setAccessibleName(diaryDateText(strings_, model_->day()));
    const QTime time(model_->hour(), model_->minute());
    if (time_->time() != time) {
        const QSignalBlocker blocker(time_);
        time_->setTime(time);
    }
    meal_->setCurrentIndex(static_cast<int>(model_->meal()));
}

} // namespace tolvane
