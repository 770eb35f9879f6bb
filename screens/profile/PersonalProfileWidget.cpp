#include "screens/profile/PersonalProfileWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/common/WheelPicker.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

namespace {

constexpr std::array<BodyColumn, kBodyColumnCount> kColumns{BodyColumn::Gender, BodyColumn::Age,
                                                            BodyColumn::Height, BodyColumn::Weight};
constexpr std::array<ProfileFigure, kProfileFigureCount> kRows{
    ProfileFigure::Bmi, ProfileFigure::IdealWeight, ProfileFigure::ActivityLevel,
    ProfileFigure::DailyCalories};

} // namespace

PersonalProfileWidget::PersonalProfileWidget(std::shared_ptr<PersonalProfileVC> model,
                                             const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("PersonalProfileWidget");
    setWindowTitle(qs(strings_.text(PersonalProfileVC::titleKey())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* wheels = new QWidget(this);
    wheels->setObjectName("bodyPicker");
    auto* wheelsLayout = new QHBoxLayout(wheels);
    wheelsLayout->setContentsMargins(0, 0, 0, 0);
    wheelsLayout->setSpacing(1);
    const std::array<int, kBodyColumnCount> stretch{2, 2, 3, 3};
    const std::array<const char*, kBodyColumnCount> names{
        key("Accessible Gender"), key("Accessible Age"), key("Accessible Height"),
        key("Accessible Weight")};
    for (int c = 0; c < kBodyColumnCount; ++c) {
        auto* wheel = new WheelPicker(wheels);
        wheel->setObjectName(QString("bodyWheel%1").arg(c));
        wheel->setClosedUntilFocused(true); // the page scrolls over it
        describe(wheel, strings_, key("Accessible Wheel Description"), names[c]);
        connect(wheel, &WheelPicker::rowChosen, this,
                [this, column = kColumns[c]](int row) { model_->didSelectBodyRow(column, row); });
        wheelsLayout->addWidget(wheel, stretch[c]);
        body_[c] = wheel;
    }
    layout->addWidget(wheels);

    auto* scroll = new QScrollArea(this);

    describeScrollBars(scroll, strings);
    scroll->setObjectName("groupedTable");
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the rows, which it scrolls into view
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setObjectName("groupedPage");
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(0);
    auto* group = new QFrame(page);
    group->setObjectName("tableGroup");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->setSpacing(0);
    for (int r = 0; r < kProfileFigureCount; ++r) {
        const ProfileFigure which = kRows[r];
        auto* row = new QWidget(group);
        row->setObjectName("tableRow");
        row->setProperty("last", r + 1 == kProfileFigureCount);
        row->setMinimumHeight(40);
        row->installEventFilter(this);
        row->setFocusPolicy(Qt::TabFocus);
        row->setAccessibleName(qs(strings_.text(PersonalProfileVC::rowTitleKey(which))));
        describe(row, strings_, key("Accessible Row Description"));
        exposeAsButton(row);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(10, 2, 6, 2);
        // Title and value wrap between words, so a long activity stays inside the window.
        auto* title = new QLabel(qs(strings_.text(PersonalProfileVC::rowTitleKey(which))), row);
        title->setWordWrap(true);
        line->addWidget(title, 1);
        if (which == ProfileFigure::DailyCalories) {
            calories_ = new QLineEdit(row);
            calories_->setObjectName("caloriesField");
            calories_->setAlignment(Qt::AlignRight);
            calories_->setFixedWidth(80);
            calories_->installEventFilter(this);
            title->setBuddy(calories_);
            describe(calories_, strings_, key("Accessible Field Description"));
            connect(calories_, &QLineEdit::textEdited, this, [this](const QString& text) {
                model_->dailyCaloriesEdited(text.toStdString());
            });
            connect(calories_, &QLineEdit::editingFinished, this, [this] {
                model_->endEditingDailyCalories();
                calories_->clearFocus();
            });
            line->addWidget(calories_);
        } else {
            auto* value = new QLabel(row);
            value->setObjectName("rowDetail");
            value->setWordWrap(true);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            line->addWidget(value, 1);
            values_[r] = value;
        }
        auto* info = new QPushButton(row);
        info->setObjectName("infoButton");
        info->setIcon(QIcon("pictures:info.svg"));
        info->setIconSize(QSize(22, 22));
        info->setFlat(true);
        info->setFixedSize(30, 30);
        info->setAccessibleName(qs(strings_.text(PersonalProfileVC::infoNameKey(which))));
        describe(info, strings_, key("Accessible Info Description"));
        connect(info, &QPushButton::clicked, this,
                [this, which] { model_->infoButtonTapped(which); });
        line->addWidget(info);
        rows_[r] = row;
        info_[r] = info;
        groupLayout->addWidget(row);
    }
    column->addWidget(group);
    auto* footer = new QLabel(qs(strings_.text(PersonalProfileVC::footerKey())), page);
    footer->setObjectName("footerText");
    footer->setWordWrap(true);
    footer->setContentsMargins(6, 8, 6, 0);
    footer->setStyleSheet("color: #6d7178; font-size: 12px;");
    column->addWidget(footer);
    column->addStretch(1);
    scroll->setWidget(page);
    layout->addWidget(scroll, 1);

    activity_ = new WheelPicker(this);
    activity_->setObjectName("activityWheel");
    describe(activity_, strings_, key("Accessible Wheel Description"),
             PersonalProfileVC::rowTitleKey(ProfileFigure::ActivityLevel));
    connect(activity_, &WheelPicker::rowChosen, this,
            [this](int row) { model_->didSelectActivityLevel(row); });
    activity_->hide();
    layout->addWidget(activity_);

    model_->setListener(this);
}

PersonalProfileWidget::~PersonalProfileWidget() {
    model_->setListener(nullptr);
}

void PersonalProfileWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    model_->viewDidLoad();
}

void PersonalProfileWidget::hideEvent(QHideEvent* event) {
    model_->viewDidDisappear();
    QWidget::hideEvent(event);
}

bool PersonalProfileWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == calories_ && event->type() == QEvent::FocusIn && !model_->editingDailyCalories())
        model_->beginEditingDailyCalories();
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::MouseButtonRelease ||
        (event->type() == QEvent::KeyPress &&
         (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return))) {
        for (int r = 0; r < kProfileFigureCount; ++r)
            if (watched == rows_[r]) model_->didSelectTableRow(kRows[r]);
    }
    return QWidget::eventFilter(watched, event);
}

void PersonalProfileWidget::profileChanged() {
    for (int c = 0; c < kBodyColumnCount; ++c) {
        QStringList rows;
        for (int row = 0; row < model_->rowCount(kColumns[c]); ++row)
            rows << qs(model_->rowTitle(kColumns[c], row));
        if (body_[c]->rows() != rows) body_[c]->setRows(rows);
        body_[c]->setCurrentRow(model_->selectedRow(kColumns[c]));
    }
    for (int r = 0; r < kProfileFigureCount; ++r)
        if (values_[r]) {
            values_[r]->setText(qs(model_->rowValue(kRows[r])));
            rows_[r]->setAccessibleName(
                qs(strings_.text(PersonalProfileVC::rowTitleKey(kRows[r]))) + ", " +
                values_[r]->text());
        }
    const QString calories = qs(model_->dailyCaloriesFieldText());
    if (calories_->text() != calories) calories_->setText(calories);

    QStringList levels;
    for (int row = 0; row < PersonalProfileVC::activityRowCount(); ++row)
        levels << qs(model_->activityRowTitle(row));
    if (activity_->rows() != levels) activity_->setRows(levels);
    if (model_->activityPickerVisible() && !activity_->isVisible())
        activity_->setCurrentRow(model_->activitySelectedRow());
    const bool opening = model_->activityPickerVisible() && activity_->isHidden();
    const bool closing = !model_->activityPickerVisible() && !activity_->isHidden();
    // The keyboard goes to the wheel and, once a level is chosen, back to its row.
    const QWidget* focused = window()->focusWidget();
    const bool keyboardHere = focused && isAncestorOf(focused);
    activity_->setVisible(model_->activityPickerVisible());
    if (keyboardHere && opening) activity_->setFocus(Qt::OtherFocusReason);
    if (keyboardHere && closing)
        tableRow(ProfileFigure::ActivityLevel)->setFocus(Qt::OtherFocusReason);
}

} // namespace tolvane
