#include "screens/ownproducts/ManageProductsWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/ElidedLabel.h"
#include "screens/common/QtText.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace tolvane {

namespace {

// A row that reports a click anywhere outside its keys.
class ClickableRow : public QWidget {
public:
    ClickableRow(std::function<void()> clicked, QWidget* parent)
        : QWidget(parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_StyledBackground);
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return)
            clicked_();
        else
            QWidget::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};

// The grip at the right end of a row in editing mode: dragged up or down, the row follows the
// mouse and is let go in its new place, whole rows counted from where it started.
class MoveGrip : public QLabel {
public:
    MoveGrip(QWidget* row, std::function<void(int rows)> dropped)
        : QLabel(QStringLiteral("\u2261"), row), row_(row), dropped_(std::move(dropped)) {
        setObjectName("moveGrip");
        setFixedSize(30, 30);
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::SizeVerCursor);
        setStyleSheet("color: #8e8e93; font-size: 22px;");
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        pressY_ = event->globalPosition().toPoint().y();
        startY_ = row_->y();
        dragging_ = true;
        QLayout* layout = row_->parentWidget()->layout();
        restY_.clear();
        for (int i = 0; i < layout->count(); ++i)
            restY_.push_back(layout->itemAt(i)->widget() ? layout->itemAt(i)->widget()->y() : 0);
        row_->raise();
        // Lifted off the list while it is dragged.
        row_->setStyleSheet("background: palette(base);");
        auto* shadow = new QGraphicsDropShadowEffect;
        shadow->setBlurRadius(12);
        shadow->setOffset(0, 2);
        shadow->setColor(QColor(0, 0, 0, 90));
        row_->setGraphicsEffect(shadow);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!dragging_) return;
        const QWidget* list = row_->parentWidget();
        const int y = std::clamp(startY_ + offset(event), 0, list->height() - row_->height());
        row_->move(row_->x(), y);
        makeRoom(steps(y - startY_));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!dragging_ || event->button() != Qt::LeftButton) return;
        dragging_ = false;
        row_->setStyleSheet({});
        row_->setGraphicsEffect(nullptr);
        const int rows = steps(offset(event));
        makeRoom(0);
        row_->move(row_->x(), startY_);
        if (rows != 0) dropped_(rows);
    }

private:
    int offset(const QMouseEvent* event) const {
        return event->globalPosition().toPoint().y() - pressY_;
    }
    int steps(int pixels) const { return qRound(double(pixels) / std::max(1, row_->height())); }
    // The rows between the dragged one's place and where it would land step aside by one.
    void makeRoom(int rows) {
        QLayout* layout = row_->parentWidget()->layout();
        const int from = layout->indexOf(row_);
        for (int i = 0; i < layout->count() && i < int(restY_.size()); ++i) {
            QWidget* other = layout->itemAt(i)->widget();
            if (!other || other == row_) continue;
            int shift = 0;
            if (rows < 0 && i >= from + rows && i < from) shift = row_->height();
            if (rows > 0 && i > from && i <= from + rows) shift = -row_->height();
            other->move(other->x(), restY_[std::size_t(i)] + shift);
        }
    }

    QWidget* row_;
    std::function<void(int)> dropped_;
    int pressY_ = 0;
    int startY_ = 0;
    std::vector<int> restY_; // where the rows lie when the drag starts
    bool dragging_ = false;
};

QPushButton* rowKey(const QString& text, const char* name, const QString& accessible,
                    QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    button->setFixedSize(30, 30);
    button->setFlat(true);
    button->setStyleSheet("QPushButton:disabled { color: #c7c7cc; }");
    return button;
}

} // namespace

ManageProductsWidget::ManageProductsWidget(std::shared_ptr<ManageProductsVC> model,
                                           const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("ManageProductsWidget");
    setWindowTitle(qs(strings_.text(ManageProductsVC::titleKey())));

    edit_ = new QAction(this);
    edit_->setObjectName("editButton");
    edit_->setProperty("navigationBarSide", "right");
    describe(edit_, strings_, key("Accessible Edit Description"));
    connect(edit_, &QAction::triggered, this, [this] { model_->editButtonClicked(); });
    QWidget::addAction(edit_);
    add_ = new QAction("+", this);
    add_->setObjectName("addButton");
    add_->setProperty("navigationBarSide", "left");
    describe(add_, strings_, key("Accessible Add Description"), key("Accessible New Product"));
    connect(add_, &QAction::triggered, this, [this] { model_->addButtonClicked(); });
    QWidget::addAction(add_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    help_ = new QLabel(qs(strings_.text(ManageProductsVC::helpTextKey())), this);
    help_->setObjectName("helpText");
    help_->setWordWrap(true);
    help_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    help_->setMargin(16); // the room the other hints keep from the window edge
    layout->addWidget(help_, 1);

    table_ = new QScrollArea(this);

    describeScrollBars(table_, strings);
    table_->setObjectName("groupedTable");
    table_->setFocusPolicy(Qt::NoFocus); // Tab goes to the rows, which it scrolls into view
    table_->setWidgetResizable(true);
    table_->setFrameShape(QFrame::NoFrame);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setObjectName("groupedPage");
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(10, 12, 10, 12);
    auto* group = new QFrame(page);
    group->setObjectName("tableGroup");
    setAccessibleRole(group, QAccessible::List);
    describe(group, strings_, key("Accessible Row Description"),
             key("Accessible Own Product List"));
    rowsLayout_ = new QVBoxLayout(group);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(0);
    pageLayout->addWidget(group);
    pageLayout->addStretch(1);
    table_->setWidget(page);
    layout->addWidget(table_, 1);

    model_->setListener(this);
    listChanged();
}

ManageProductsWidget::~ManageProductsWidget() {
    model_->setListener(nullptr);
}

void ManageProductsWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void ManageProductsWidget::hideEvent(QHideEvent* event) {
    model_->viewWillDisappear();
    QWidget::hideEvent(event);
}

QWidget* ManageProductsWidget::makeRow(int index) {
    const auto& product = model_->row(index);
    const auto named = [this](const char* textKey, const std::string& name) {
        return qs(strings_.text(textKey)).replace("%@", qs(name));
    };
    auto* row = new ClickableRow([this, index] { model_->didSelectRow(index); }, nullptr);
    row->setObjectName("tableRow");
    row->setMinimumHeight(48);
    row->setAccessibleName(qs(product.name) +
                           (product.maker.empty() ? "" : ", " + qs(product.maker)));
    describe(row, strings_, key("Accessible Row Description"));
    exposeAsListRow(row);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(8, 4, 8, 4);
    const bool editing = model_->isEditing();
    if (editing) {
        auto* remove = rowKey(QStringLiteral("\u2296"), "deleteKey",
                              named(key("Accessible Delete %@"), product.name), row);
        remove->setStyleSheet("color: #d0312d; font-size: 20px;");
        connect(remove, &QPushButton::clicked, this, [this, index] {
            // Later: the key belongs to the row the reveal rebuilds.
            QMetaObject::invokeMethod(
                this, [this, index] { model_->deleteKeyClicked(index); }, Qt::QueuedConnection);
        });
        line->addWidget(remove);
    }
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    auto* name = new ElidedLabel(qs(product.name), row);
    name->setObjectName("rowName");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* maker = new ElidedLabel(qs(product.maker), row);
    maker->setObjectName("rowMaker");
    maker->setStyleSheet("color: #6d7178; font-size: 12px;");
    texts->addWidget(name);
    texts->addWidget(maker);
    line->addLayout(texts, 1);
    if (editing && model_->revealedRow() == index) {
        auto* confirm =
            new QPushButton(qs(strings_.text(ManageProductsVC::deleteButtonKey())), row);
        confirm->setObjectName("deleteButton");
        confirm->setAccessibleName(named(key("Accessible Delete %@"), product.name));
        confirm->setMinimumHeight(36);
        confirm->setStyleSheet("QPushButton { background: #d0312d; color: white; border: none;"
                               " border-radius: 4px; padding: 0 12px; font-weight: bold; }");
        connect(confirm, &QPushButton::clicked, this, [this, index] {
            QMetaObject::invokeMethod(
                this, [this, index] { model_->deleteRow(index); }, Qt::QueuedConnection);
        });
        line->addWidget(confirm);
    } else if (editing) {
        const auto move = [this](int from, int to) {
            QMetaObject::invokeMethod(
                this, [this, from, to] { model_->moveRow(from, to); }, Qt::QueuedConnection);
        };
        auto* up = rowKey(QStringLiteral("\u25B2"), "moveUpKey",
                          named(key("Accessible Move Up %@"), product.name), row);
        auto* down = rowKey(QStringLiteral("\u25BC"), "moveDownKey",
                            named(key("Accessible Move Down %@"), product.name), row);
        up->setEnabled(index > 0);
        down->setEnabled(index + 1 < model_->numberOfRows());
        connect(up, &QPushButton::clicked, this, [move, index] { move(index, index - 1); });
        connect(down, &QPushButton::clicked, this, [move, index] { move(index, index + 1); });
        line->addWidget(up);
        line->addWidget(down);
        const int last = model_->numberOfRows() - 1;
        line->addWidget(new MoveGrip(row, [move, index, last](int rows) {
            move(index, std::clamp(index + rows, 0, last));
        }));
    }
    if (!editing) {
        auto* mark = new QLabel(QStringLiteral("\u203A"), row);
        mark->setObjectName("disclosure");
        line->addWidget(mark);
    }
    return row;
}

void ManageProductsWidget::listChanged() {
    // The keyboard stays on its row: on the Delete button a delete key revealed, back on the key
    // when the button goes.
    int focusRow = -1;
    QString focusName;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (QWidget* focus = QApplication::focusWidget();
            focus && (focus == rows_[i] || rows_[i]->isAncestorOf(focus))) {
            focusRow = int(i);
            focusName = focus->objectName();
        }
    for (QWidget* row : rows_) {
        row->hide();
        rowsLayout_->removeWidget(row);
        row->deleteLater();
    }
    rows_.clear();
    for (int i = 0; i < model_->numberOfRows(); ++i) {
        QWidget* row = makeRow(i);
        row->setProperty("last", i + 1 == model_->numberOfRows());
        rowsLayout_->addWidget(row);
        rows_.push_back(row);
    }
    if (focusRow >= 0 && !rows_.empty()) {
        const int revealed = model_->revealedRow();
        QWidget* row = rows_[std::size_t(
            revealed >= 0 ? revealed : std::min(focusRow, int(rows_.size()) - 1))];
        const QString name = revealed >= 0                 ? QStringLiteral("deleteButton")
                             : focusName == "deleteButton" ? QStringLiteral("deleteKey")
                                                           : focusName;
        auto* control = row->findChild<QWidget*>(name);
        (control ? control : row)->setFocus(Qt::OtherFocusReason);
    }
    help_->setVisible(model_->helpTextShown());
    table_->setVisible(!model_->tableHidden());
    edit_->setText(qs(strings_.text(model_->editButtonKey())));
    add_->setVisible(model_->addButtonShown());
    if (property("hidesBackButton").toBool() != !model_->backButtonShown())
        setProperty("hidesBackButton", !model_->backButtonShown());
}

} // namespace tolvane
