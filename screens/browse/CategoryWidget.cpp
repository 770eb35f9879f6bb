#include "CategoryWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"

#include <QIcon>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tolvane {
namespace {

constexpr int kRowHeight = 52;

// Bold name (up to two lines) on the alternating background picture, with a disclosure mark.
class CategoryRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {200, kRowHeight};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        p->save();
        const QRect r = option.rect;
        const QString picture = QStringLiteral("pictures:%1")
                                    .arg(QString::fromLatin1(CategoryVC::rowBackground(index.row()))
                                             .replace(".png", ".svg"));
        const QIcon background(picture);
        // Stretched to the row: the picture is a band, its proportions do not matter.
        if (!background.isNull())
            p->drawPixmap(r, background.pixmap(r.size()));
        else
            p->fillRect(r, index.row() % 2 ? QColor(0xe9, 0xec, 0xef) : Qt::white);
        if (option.state & QStyle::State_Selected) p->fillRect(r, QColor(35, 115, 90, 40));
        QFont f = option.font;
        f.setBold(true);
        p->setFont(f);
        p->setPen(QColor(0x1c, 0x1e, 0x21));
        p->drawText(r.adjusted(14, 2, -30, -2), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                    index.data().toString());
        p->setPen(QColor(0xb0, 0xb4, 0xba));
        QFont mark = option.font;
        mark.setPixelSize(22);
        p->setFont(mark);
        p->drawText(r.adjusted(0, 0, -10, -3), Qt::AlignVCenter | Qt::AlignRight,
                    QStringLiteral("\u203A"));
        if (option.state & QStyle::State_HasFocus) paintKeyboardFocus(*p, r);
        p->restore();
    }
};

} // namespace

CategoryListModel::CategoryListModel(const CategoryVC& categories, QObject* parent)
    : QAbstractListModel(parent), categories_(categories) {}

void CategoryListModel::reload() {
    beginResetModel();
    endResetModel();
}

int CategoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : categories_.numberOfRows();
}

QVariant CategoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return QString::fromStdString(categories_.rowTitle(index.row()));
}

CategoryWidget::CategoryWidget(std::shared_ptr<CategoryVC> model, const Strings& strings,
                               QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("CategoryWidget");
    setWindowTitle(QString::fromStdString(strings.text(CategoryVC::titleKey())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QListView(this);
    describeScrollBars(table_, strings);
    table_->setObjectName("categoryTable");
    table_->setUniformItemSizes(true);
    table_->setFrameShape(QFrame::NoFrame);
    table_->setItemDelegate(new CategoryRowDelegate(table_));
    describe(table_, strings, key("Accessible List Description"), key("Accessible Category List"));
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableModel_ = new CategoryListModel(*model_, this);
    table_->setModel(tableModel_);
    layout->addWidget(table_);
    connect(table_, &QListView::clicked, this,
            [this](const QModelIndex& index) { model_->didSelectRow(index.row()); });
    model_->setListener(this);
}

CategoryWidget::~CategoryWidget() {
    model_->setListener(nullptr);
}

void CategoryWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    table_->clearSelection();
    model_->viewWillAppear();
}

void CategoryWidget::categoriesChanged() {
    tableModel_->reload();
}

} // namespace tolvane
