#include "AddMenuFolderWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvane {

AddMenuFolderWidget::AddMenuFolderWidget(std::shared_ptr<AddMenuFolderVC> model,
                                         const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("AddMenuFolderWidget");
    setWindowTitle(qs(strings.text(AddMenuFolderVC::titleKey())));
    setProperty("hidesBackButton", !AddMenuFolderVC::showsBackButton());
    setStyleSheet("#AddMenuFolderWidget { background: #f2f3f5; }"
                  "#heading { font-size: 15px; font-weight: 600; }"
                  "#folderRow { background: white; border: 1px solid #dfe1e5;"
                  " border-radius: 10px; }"
                  "#folderNote { color: #b3261e; }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 16, 12, 12);
    auto* heading = new QLabel(qs(strings.text(AddMenuFolderVC::headingKey())), this);
    heading->setObjectName("heading");
    layout->addWidget(heading);
    auto* row = new QWidget(this);
    row->setObjectName("folderRow");
    // The label above the field, so the longest name shows whole in any language.
    auto* rowLayout = new QVBoxLayout(row);
    rowLayout->setSpacing(4);
    auto* label = new QLabel(qs(strings.text(AddMenuFolderVC::fieldLabelKey())), row);
    rowLayout->addWidget(label);
    name_ = new QLineEdit(row);
    label->setBuddy(name_); // the field's accessible name
    describe(name_, strings, key("Accessible Field Description"));
    name_->setObjectName("folderName");
    rowLayout->addWidget(name_, 1);
    layout->addWidget(row);
    note_ = new QLabel(this);
    note_->setObjectName("folderNote");
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);
    layout->addStretch(1);

    done_ = new QAction(qs(strings.text(AddMenuFolderVC::doneButtonKey())), this);
    done_->setProperty("navigationBarSide", "right");
    describe(done_, strings, key("Accessible Done Description"));
    addAction(done_);
    connect(done_, &QAction::triggered, this, [this] { model_->donePressed(); });
    cancel_ = new QAction(qs(strings.text(AddMenuFolderVC::cancelButtonKey())), this);
    cancel_->setProperty("navigationBarSide", "left");
    describe(cancel_, strings, key("Accessible Cancel Description"));
    addAction(cancel_);
    connect(cancel_, &QAction::triggered, this, [this] { model_->cancelPressed(); });
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_->setText(text.toStdString()); });
    connect(name_, &QLineEdit::returnPressed, this, [this] { model_->returnKey(); });
    model_->setListener(this);
}

AddMenuFolderWidget::~AddMenuFolderWidget() {
    model_->setListener(nullptr);
}

void AddMenuFolderWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
    // The field takes the focus at once.
    QTimer::singleShot(0, name_, [field = name_] { field->setFocus(Qt::OtherFocusReason); });
}

void AddMenuFolderWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    model_->viewWillDisappear();
}

void AddMenuFolderWidget::hideKeyboard() {
    name_->clearFocus();
}

void AddMenuFolderWidget::noteChanged() {
    const std::string& note = model_->noteKey();
    note_->setText(note.empty() ? QString() : qs(strings_.text(note)));
    note_->setVisible(!note.empty());
}

} // namespace tolvane
