#include "MenuFolderWidget.h"

#include "PlannerListView.h"
#include "PlannerRows.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/common/TableRow.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

MenuFolderWidget::MenuFolderWidget(std::shared_ptr<MenuFolderVC> model, const Strings& strings,
                                   QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("MenuFolderWidget");
    setWindowTitle(qs(strings_.text(MenuFolderVC::titleKey())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which it scrolls into view
    auto* page = new QWidget(scroll);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    list_ = new PlannerListView(
        kRowHeight, [this] { return model_->numberOfRows(); },
        [this](QPainter& p, const QRect& row, const QRect& content, int index) {
            plannerrows::paintBackground(p, row, MenuFolderVC::rowBackground(index), false);
            QFont f = font();
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(0x1c, 0x1e, 0x21));
            const QRect text = content.adjusted(14, 0, -30, 0);
            const QString calories = qs(model_->rowCalories(index));
            QFont plain = f;
            plain.setBold(false);
            // The name gives way to the figure: shortened, never under it.
            const int figure = QFontMetrics(plain).horizontalAdvance(calories) + 10;
            p.drawText(text.adjusted(0, 0, -figure, 0), Qt::AlignVCenter | Qt::AlignLeft,
                       p.fontMetrics().elidedText(qs(model_->rowTitle(index)), Qt::ElideRight,
                                                  text.width() - figure));
            p.setFont(plain);
            p.setPen(QColor(0x4a, 0x4f, 0x56));
            p.drawText(text, Qt::AlignVCenter | Qt::AlignRight, calories);
            if (!model_->isEditing()) plannerrows::paintDisclosure(p, row);
        },
        page);
    list_->setObjectName("folderList");
    list_->setRowText([this](int index) {
        return qs(model_->rowTitle(index)) + ", " + qs(model_->rowCalories(index));
    });
    describe(list_, strings_, key("Accessible Editable List Description"),
             key("Accessible Folder List"));
    list_->setDeleteText(qs(strings_.text("Löschen")));
    diary_ = new TableRow(qs(strings_.text(MenuFolderVC::diaryKey())), page);
    diary_->setObjectName("diaryRow");
    diaryToday_ = new QLabel(diary_);
    diaryToday_->setObjectName("rowDetail");
    diary_->accessories()->addWidget(diaryToday_);
    diary_->addDisclosure();
    describe(diary_, strings_, key("Accessible Diary Row Description"));
    connect(diary_, &TableRow::clicked, this, [this] { model_->openDiary(); });
    pageLayout->addWidget(diary_);
    pageLayout->addWidget(list_);
    pageLayout->addStretch(1);
    scroll->setWidget(page);
    layout->addWidget(scroll);

    edit_ = new QAction(this);
    edit_->setProperty("navigationBarSide", "right");
    describe(edit_, strings_, key("Accessible Edit Description"));
    QWidget::addAction(edit_);
    add_ = new QAction(QStringLiteral("+"), this);
    add_->setObjectName("addFolder");
    add_->setProperty("navigationBarSide", "left");
    describe(add_, strings_, key("Accessible Add Description"), key("Accessible New Folder"));
    QWidget::addAction(add_);
    connect(edit_, &QAction::triggered, this, [this] { model_->rightButtonPressed(); });
    connect(add_, &QAction::triggered, this, [this] { model_->addPressed(); });
    connect(list_, &PlannerListView::rowTapped, this,
            [this](int row) { model_->didSelectRow(row); });
    connect(list_, &PlannerListView::deleteConfirmed, this,
            [this](int row) { model_->deleteRow(row); });
    connect(list_, &PlannerListView::rowMoved, this,
            [this](int from, int to) { model_->moveRow(from, to); });

    model_->setListener(this);
    editingChanged();
    model_->viewDidLoad();
}

MenuFolderWidget::~MenuFolderWidget() {
    model_->setListener(nullptr);
}

void MenuFolderWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void MenuFolderWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    model_->viewWillDisappear();
}

void MenuFolderWidget::foldersChanged() {
    diaryToday_->setText(qs(model_->diaryTodayText()));
    diary_->setAccessibleName(diary_->label()->text() + ", " + diaryToday_->text());
    list_->refresh();
}

void MenuFolderWidget::editingChanged() {
    edit_->setText(qs(strings_.text(model_->rightButtonKey())));
    add_->setVisible(model_->showsAddButton());
    list_->setDeleting(model_->isEditing());
    list_->setMoving(model_->isEditing());
    list_->refresh();
}

} // namespace tolvane
