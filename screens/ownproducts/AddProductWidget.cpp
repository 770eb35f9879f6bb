#include "screens/ownproducts/AddProductWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/common/WheelPicker.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

AddProductWidget::AddProductWidget(std::shared_ptr<AddProductVC> model, const Strings& strings,
                                   QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("AddProductWidget");
    setWindowTitle(qs(strings_.text(model_->titleKey())));
    save_ = new QAction(qs(strings_.text(AddProductVC::saveButtonKey())), this);
    save_->setObjectName("saveButton");
    save_->setProperty("navigationBarSide", "right");
    describe(save_, strings_, key("Accessible Save Description"));
    connect(save_, &QAction::triggered, this, [this] { model_->saveRecord(); });
    addAction(save_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    scroll_ = new QScrollArea(this);

    describeScrollBars(scroll_, strings);
    scroll_->setObjectName("groupedTable");
    scroll_->setFocusPolicy(Qt::NoFocus); // Tab goes to the fields, which it scrolls into view
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setObjectName("groupedPage");
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 4, 10, 12);
    column->setSpacing(0);
    for (const auto& section : AddProductVC::sections()) {
        if (section.headerKey) {
            auto* header = new QLabel(qs(strings_.text(section.headerKey)), page);
            header->setObjectName("sectionHeader");
            header->setWordWrap(true);
            header->setMinimumHeight(34);
            header->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            column->addWidget(header);
        } else {
            column->addSpacing(12);
        }
        auto* group = new QFrame(page);
        group->setObjectName("tableGroup");
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupLayout->setSpacing(0);
        for (const auto& row : section.rows)
            groupLayout->addWidget(makeRow(row, group));
        column->addWidget(group);
    }
    column->addStretch(1);
    scroll_->setWidget(page);
    layout->addWidget(scroll_, 1);

    // The bar above the keyboard (or the wheel).
    inputBar_ = new QWidget(this);
    inputBar_->setObjectName("inputBar");
    inputBar_->setAttribute(Qt::WA_StyledBackground);
    inputBar_->setStyleSheet("#inputBar { background: #d5d8dd; border-top: 1px solid #b8bcc2; }"
                             "#inputBar QPushButton { min-height: 30px; padding: 0 8px; }");
    auto* bar = new QHBoxLayout(inputBar_);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(4);
    previous_ = barKey(qs(strings_.text(AddProductVC::previousKey())), "previousKey");
    next_ = barKey(qs(strings_.text(AddProductVC::nextKey())), "nextKey");
    dot_ = barKey(".", "dotKey");
    comma_ = barKey(",", "commaKey");
    describe(dot_, strings_, key("Accessible Input Bar Description"), key("Accessible Dot"));
    describe(comma_, strings_, key("Accessible Input Bar Description"), key("Accessible Comma"));
    done_ = barKey(qs(strings_.text("Done")), "doneKey");
    bar->addWidget(previous_);
    bar->addWidget(next_);
    bar->addStretch(1);
    bar->addWidget(dot_);
    bar->addWidget(comma_);
    bar->addStretch(1);
    bar->addWidget(done_);
    connect(previous_, &QPushButton::clicked, this, [this] { model_->prevNextClicked(false); });
    connect(next_, &QPushButton::clicked, this, [this] { model_->prevNextClicked(true); });
    connect(dot_, &QPushButton::clicked, this, [this] { model_->numPadDotClicked(); });
    connect(comma_, &QPushButton::clicked, this, [this] { model_->numPadCommaClicked(); });
    connect(done_, &QPushButton::clicked, this, [this] { model_->endEditing(); });
    layout->addWidget(inputBar_);

    wheel_ = new WheelPicker(this);
    wheel_->setObjectName("formWheel");
    describe(wheel_, strings_, key("Accessible Wheel Description"));
    connect(wheel_, &WheelPicker::rowChosen, this, [this](int row) {
        if (model_->visiblePicker() == AddProductVC::Picker::Category)
            model_->selectCategory(row);
        else if (model_->visiblePicker() == AddProductVC::Picker::Salt)
            model_->selectSaltRow(row);
    });
    layout->addWidget(wheel_);
    inputBar_->hide();
    wheel_->hide();

    model_->setListener(this);
    formChanged();
}

AddProductWidget::~AddProductWidget() {
    model_->setListener(nullptr);
}

QPushButton* AddProductWidget::barKey(const QString& text, const char* name) {
    auto* button = new QPushButton(text, inputBar_);
    button->setObjectName(name);
    // The bar must not take the input away from the field it serves: only Tab reaches it.
    button->setFocusPolicy(Qt::TabFocus);
    describe(button, strings_, key("Accessible Input Bar Description"));
    return button;
}

QWidget* AddProductWidget::makeRow(const FormRow& row, QWidget* parent) {
    auto* cell = new QWidget(parent);
    cell->setObjectName("tableRow");
    cell->setMinimumHeight(40);
    auto* line = new QHBoxLayout(cell);
    line->setContentsMargins(10, 2, 10, 2);
    if (row.kind == FormRow::Kind::UnitSegment) {
        auto* group = new QButtonGroup(cell);
        for (int i = 0; i < 2; ++i) {
            auto* button = new QPushButton(qs(strings_.text(AddProductVC::segmentKey(i))), cell);
            button->setObjectName(i == 0 ? "foodSegment" : "drinkSegment");
            button->setCheckable(true);
            group->addButton(button, i);
            line->addWidget(button);
            segments_[i] = button;
        }
        connect(group, &QButtonGroup::idClicked, this,
                [this](int id) { model_->setUnitSegment(id); });
        return cell;
    }
    QLabel* label = nullptr;
    if (row.labelKey) {
        label = new QLabel(qs(strings_.text(row.labelKey)), cell);
        label->setFixedWidth(130);
        label->setWordWrap(true);
        line->addWidget(label);
    }
    auto* edit = new QLineEdit(cell);
    edit->setFrame(false);

    const ProductField field = row.field;
    edit->setObjectName(QString("field%1").arg(static_cast<int>(field)));
    if (row.placeholderKey) edit->setPlaceholderText(qs(strings_.text(row.placeholderKey)));
    edit->setAccessibleName(label ? label->text() : edit->placeholderText());
    const FieldInput input = AddProductVC::input(field);
    if (input == FieldInput::SaltPicker)
        edit->setAccessibleName(qs(strings_.text(AddProductVC::saltRowKey(kSaltRow))) + " / " +
                                qs(strings_.text(AddProductVC::saltRowKey(kSodiumRow))));
    if (input == FieldInput::CategoryPicker || input == FieldInput::SaltPicker) {
        edit->setReadOnly(true);
        // The sign of a chooser: a tap opens a wheel.
        QAction* chooser =
            edit->addAction(QIcon("pictures:chooser.svg"), QLineEdit::TrailingPosition);
        // Named like its field, and pressed (by a reader too) it opens the wheel as a tap does.
        chooser->setText(edit->accessibleName());
        connect(chooser, &QAction::triggered, this, [this, field] { model_->beginEditing(field); });
        edit->setFocusPolicy(Qt::TabFocus); // Tab opens its wheel, a click does not focus it
        describe(edit, strings_, key("Accessible Picker Field Description"));
    } else {
        describe(edit, strings_, key("Accessible Field Description"));
        edit->setCursor(Qt::PointingHandCursor);
    }
    if (input == FieldInput::Number) edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    if (input == FieldInput::Digits) edit->setInputMethodHints(Qt::ImhDigitsOnly);
    edit->installEventFilter(this);
    // Any change the model has not made: typed, pasted, or set by a screen reader.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field](const QString& text) {
        if (text == qs(model_->text(field))) return;
        model_->setText(field, text.toStdString());
        // Number fields keep only what the rule lets through, from any keyboard.
        const QString kept = qs(model_->text(field));
        if (kept != text) {
            const int cursor = std::min<int>(edit->cursorPosition(), kept.size());
            edit->setText(kept);
            edit->setCursorPosition(cursor);
        }
    });
    connect(edit, &QLineEdit::returnPressed, this, [this] { model_->returnPressed(); });
    line->addWidget(edit, 1);
    fields_[field] = edit;
    return cell;
}

QLineEdit* AddProductWidget::field(ProductField field) const {
    const auto it = fields_.find(field);
    return it == fields_.end() ? nullptr : it->second;
}

bool AddProductWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        for (const auto& [field, edit] : fields_)
            if (edit == watched) model_->beginEditing(field);
    }
    return QWidget::eventFilter(watched, event);
}

void AddProductWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void AddProductWidget::hideEvent(QHideEvent* event) {
    model_->viewWillDisappear();
    QWidget::hideEvent(event);
}

void AddProductWidget::formChanged() {
    for (const auto& [field, edit] : fields_) {
        const QString text = qs(model_->text(field));
        if (edit->text() != text) edit->setText(text);
    }
    segments_[0]->setChecked(model_->unitSegment() == 0);
    segments_[1]->setChecked(model_->unitSegment() == 1);
    // The value field is named by what the chooser above it says it holds.
    if (const auto salt = fields_.find(ProductField::Salt); salt != fields_.end())
        salt->second->setAccessibleName(qs(model_->text(ProductField::SaltUnit)));
}

void AddProductWidget::inputMoved() {
    const auto current = model_->currentField();
    const auto picker = model_->visiblePicker();
    inputBar_->setVisible(current.has_value());
    previous_->setEnabled(model_->canGoPrevious());
    next_->setEnabled(model_->canGoNext());
    const bool number = current && AddProductVC::input(*current) == FieldInput::Number;
    dot_->setEnabled(number);
    comma_->setEnabled(number);

    QStringList rows;
    if (picker == AddProductVC::Picker::Category) {
        for (int row = 0; row < model_->categoryCount(); ++row)
            rows << qs(model_->categoryTitle(row));
        wheel_->setRows(rows);
        wheel_->setCurrentRow(std::max(model_->categoryRow(), 0));
    } else if (picker == AddProductVC::Picker::Salt) {
        for (int row = 0; row < AddProductVC::saltRowCount(); ++row)
            rows << qs(strings_.text(AddProductVC::saltRowKey(row)));
        wheel_->setRows(rows);
        wheel_->setCurrentRow(model_->saltRow());
    }
    wheel_->setVisible(picker != AddProductVC::Picker::None);
    if (current && field(*current)) wheel_->setAccessibleName(field(*current)->accessibleName());

    if (!current) {
        if (QWidget* focused = focusWidget()) focused->clearFocus();
        return;
    }
    QLineEdit* edit = field(*current);
    if (!edit) return;
    if (picker == AddProductVC::Picker::None) {
        if (isVisible()) edit->setFocus(Qt::OtherFocusReason);
    } else if (focusWidget()) {
        wheel_->setFocus(Qt::OtherFocusReason); // the keyboard turns the wheel now
    }
    scroll_->ensureWidgetVisible(edit, 10, 30);
}

} // namespace tolvane
