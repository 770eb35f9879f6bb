#include "FavoriteVCFolderNewWidget.h"

#include "PlannerListView.h"
#include "PlannerRows.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

FavoriteVCFolderNewWidget::FavoriteVCFolderNewWidget(std::shared_ptr<FavoriteVCFolderNew> model,
                                                     const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("FavoriteVCFolderNewWidget");
    setWindowTitle(qs(model_->title()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which it scrolls into view
    auto* page = new QWidget(scroll);
    page->setObjectName("contentsPage");
    page->setStyleSheet("#contentsPage { background: white; }");
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    list_ = new PlannerListView(
        kRowHeight, [this] { return model_->numberOfRows(); },
        [this](QPainter& p, const QRect& row, const QRect& content, int index) {
            p.fillRect(row, Qt::white);
            const FolderItemRow item = model_->row(index);
            const QRect text = content.adjusted(12, 6, -28, -6);
            QFont f = font();
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(0x1c, 0x1e, 0x21));
            const QRect top(text.left(), text.top(), text.width(), text.height() / 2);
            const QRect bottom(text.left(), text.top() + text.height() / 2, text.width(),
                               text.height() / 2);
            const QString calories = qs(item.calories);
            const int right = p.fontMetrics().horizontalAdvance(calories) + 8;
            p.drawText(
                top.adjusted(0, 0, -right, 0), Qt::AlignVCenter | Qt::AlignLeft,
                p.fontMetrics().elidedText(qs(item.name), Qt::ElideRight, top.width() - right));
            p.drawText(top, Qt::AlignVCenter | Qt::AlignRight, calories);
            f.setBold(false);
            p.setFont(f);
            p.setPen(QColor(0x6d, 0x71, 0x78));
            p.drawText(bottom, Qt::AlignVCenter | Qt::AlignLeft, qs(item.maker));
            p.drawText(bottom, Qt::AlignVCenter | Qt::AlignRight, qs(item.amount));
            plannerrows::paintDisclosure(p, row);
        },
        page);
    list_->setObjectName("itemList");
    list_->setRowText([this](int index) {
        const FolderItemRow item = model_->row(index);
        return QStringList{qs(item.name), qs(item.maker), qs(item.amount), qs(item.calories)}.join(
            ", ");
    });
    describe(list_, strings, key("Accessible Editable List Description"),
             key("Accessible Folder Contents"));
    list_->setDeleteText(qs(strings.text("Löschen")));
    list_->setDeleting(true);
    pageLayout->addWidget(list_);
    emptyHint_ = new QLabel(qs(strings.text(FavoriteVCFolderNew::emptyHintKey())), page);
    emptyHint_->setObjectName("emptyFolderHint");
    emptyHint_->setWordWrap(true);
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setMargin(24);
    emptyHint_->setStyleSheet("color: #6d7178; font-size: 15px;");
    emptyHint_->hide(); // until the folder is read
    pageLayout->addWidget(emptyHint_);
    pageLayout->addStretch(1);
    scroll->setWidget(page);
    layout->addWidget(scroll);

    connect(list_, &PlannerListView::rowTapped, this,
            [this](int row) { model_->didSelectRow(row); });
    connect(list_, &PlannerListView::deleteConfirmed, this,
            [this](int row) { model_->deleteRow(row); });
    model_->setListener(this);
    model_->viewDidLoad();
}

FavoriteVCFolderNewWidget::~FavoriteVCFolderNewWidget() {
    model_->setListener(nullptr);
}

void FavoriteVCFolderNewWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void FavoriteVCFolderNewWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    model_->viewWillDisappear();
}

void FavoriteVCFolderNewWidget::itemsChanged() {
    list_->refresh();
    emptyHint_->setVisible(model_->emptyHintShown());
}

} // namespace tolvane
