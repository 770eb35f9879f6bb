#include "ProductListWidget.h"

#include "nutrition/NumberText.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "text/IntegerValue.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {

namespace {

constexpr int kRowHeight = 44;

// A magnifying glass in the grey of the search bar's text.
QIcon magnifier() {
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4a, 0x4f, 0x56), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QRectF(6, 6, 20, 20));
    p.drawLine(QPointF(24, 24), QPointF(34, 34));
    p.end();
    return QIcon(pixmap);
}

// Name in bold over the maker in grey; a section row shows its letter on a tinted band.
class ProductRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {200, kRowHeight};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        p->save();
        const QRect r = option.rect;
        if (index.data(ProductSectionModel::IsSectionRole).toBool()) {
            p->fillRect(r, QColor(0xe4, 0xe7, 0xeb));
            QFont f = option.font;
            f.setBold(true);
            p->setFont(f);
            p->setPen(QColor(0x4a, 0x4f, 0x56));
            p->drawText(r.adjusted(12, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                        index.data().toString());
            if (option.state & QStyle::State_HasFocus) paintKeyboardFocus(*p, r);
            p->restore();
            return;
        }
        if (option.state & QStyle::State_Selected)
            p->fillRect(r, QColor(0xe6, 0xf2, 0xee));
        else
            p->fillRect(r, Qt::white);
        p->setPen(QColor(0xec, 0xee, 0xf1));
        p->drawLine(r.bottomLeft() + QPoint(12, 0), r.bottomRight());
        const QRect text = r.adjusted(12, 4, -22, -4);
        QFont name = option.font;
        name.setBold(true);
        p->setFont(name);
        p->setPen(QColor(0x1c, 0x1e, 0x21));
        const QFontMetrics nm(name);
        p->drawText(QRect(text.left(), text.top(), text.width(), text.height() / 2 + 2),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    nm.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
        QFont maker = option.font;
        maker.setPointSizeF(maker.pointSizeF() * 0.85);
        p->setFont(maker);
        p->setPen(QColor(0x7a, 0x7f, 0x87));
        const QFontMetrics mm(maker);
        p->drawText(
            QRect(text.left(), text.top() + text.height() / 2, text.width(), text.height() / 2),
            Qt::AlignLeft | Qt::AlignVCenter,
            mm.elidedText(index.data(ProductSectionModel::MakerRole).toString(), Qt::ElideRight,
                          text.width()));
        if (option.state & QStyle::State_HasFocus) paintKeyboardFocus(*p, r);
        p->restore();
    }
};

} // namespace

// --- ProductSectionModel ---

ProductSectionModel::ProductSectionModel(const ProductListVC& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {}

void ProductSectionModel::reload() {
    beginResetModel();
    const int sections = static_cast<int>(list_.displayList().size());
    starts_.assign(1, 0);
    for (int section = 0; section < sections; ++section)
        starts_.push_back(starts_.back() + 1 + list_.numberOfRows(section));
    endResetModel();
}

std::pair<int, int> ProductSectionModel::at(int row) const {
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), row);
    const int section = static_cast<int>(next - starts_.begin()) - 1;
    return {section, row - starts_[section] - 1};
}

int ProductSectionModel::productCount(int section) const {
    if (section < 0 || section >= sectionCount()) return 0;
    return starts_[section + 1] - starts_[section] - 1;
}

QModelIndex ProductSectionModel::sectionIndex(int section) const {
    if (section < 0 || section >= sectionCount()) return {};
    return index(starts_[section]);
}

QModelIndex ProductSectionModel::productIndex(int section, int row) const {
    if (row < 0 || row >= productCount(section)) return {};
    return index(starts_[section] + 1 + row);
}

std::optional<ProductSectionModel::Place>
ProductSectionModel::placeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return std::nullopt;
    const auto [section, row] = at(index.row());
    if (row < 0) return std::nullopt;
    return Place{section, row};
}

int ProductSectionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : starts_.back();
}

QVariant ProductSectionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= starts_.back()) return {};
    const auto [s, row] = at(index.row());
    const bool section = row < 0;
    if (role == IsSectionRole) return section;
    if (section) {
        if (role == Qt::DisplayRole) return qs(list_.sectionTitle(s));
        return {};
    }
    if (role == Qt::DisplayRole) return qs(list_.rowName(s, row));
    if (role == MakerRole) return qs(list_.rowMaker(s, row));
    if (role == Qt::AccessibleTextRole) { // the maker is heard too
        const std::string maker = list_.rowMaker(s, row);
        return qs(list_.rowName(s, row) + (maker.empty() ? "" : ", " + maker));
    }
    return {};
}

Qt::ItemFlags ProductSectionModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (!placeOf(index)) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// --- SideIndexBar ---

SideIndexBar::SideIndexBar(QWidget* parent) : QWidget(parent) {
    setObjectName("sideIndex");
    setFixedWidth(18);
    setMouseTracking(false);
}

void SideIndexBar::setLetters(const std::vector<std::string>& letters) {
    letters_.clear();
    for (const auto& l : letters)
        letters_ << qs(l);
    setVisible(!letters_.isEmpty());
    update();
}

void SideIndexBar::paintEvent(QPaintEvent*) {
    if (letters_.isEmpty()) return;
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(std::clamp(height() / std::max<int>(1, int(letters_.size())) - 2, 7, 11));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x23, 0x73, 0x5a));
    const qreal step = qreal(height()) / letters_.size();
    for (int i = 0; i < letters_.size(); ++i)
        p.drawText(QRectF(0, i * step, width(), step), Qt::AlignCenter, letters_[i]);
}

void SideIndexBar::touch(int y) {
    if (letters_.isEmpty()) return;
    const int position = std::clamp(int(qreal(y) * letters_.size() / std::max(1, height())), 0,
                                    int(letters_.size()) - 1);
    if (position == last_) return;
    last_ = position;
    emit letterTouched(position);
}

void SideIndexBar::mousePressEvent(QMouseEvent* event) {
    last_ = -1;
    touch(int(event->position().y()));
}

void SideIndexBar::mouseMoveEvent(QMouseEvent* event) {
    touch(int(event->position().y()));
}

// --- ProductListWidget ---

ProductListWidget::ProductListWidget(std::shared_ptr<ProductListVC> model, const Strings& strings,
                                     QWidget* parent)
    : QWidget(parent), strings_(strings), model_(std::move(model)) {
    setObjectName("ProductListWidget");
    setAttribute(Qt::WA_StyledBackground);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    auto* bar = new QWidget(this);
    bar->setObjectName("searchBar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet("#searchBar { background: #d9dde2; }"
                       "QLineEdit { background: white; border: 1px solid #c3c7cd;"
                       " border-radius: 14px; padding: 4px 10px; }"
                       "QLineEdit:focus { border-color: #23735a; }");
    auto* barLayout = barLayout_ = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 6, 6, 6);
    searchField_ = new QLineEdit(bar);
    searchField_->setObjectName("searchField");
    searchField_->installEventFilter(this);
    describe(searchField_, strings_, key("Accessible Search Field Description"),
             key("Accessible Search Field"));
    barLayout->addWidget(searchField_);
    searchButton_ = new QToolButton(bar);
    searchButton_->setObjectName("searchButton");
    searchButton_->setIcon(magnifier());
    searchButton_->setToolTip(qs(strings_.text("Suchen")));
    describe(searchButton_, strings_, key("Accessible Search Button Description"), key("Suchen"));
    searchButton_->setAutoRaise(true);
    searchButton_->setIconSize(QSize(20, 20));
    barLayout->addWidget(searchButton_);
    cancel_ = new QToolButton(bar);
    cancel_->setObjectName("cancelButton");
    cancel_->setText(QStringLiteral("\u2715")); // the search bar's own close mark, no words
    cancel_->setAutoRaise(true);
    describe(cancel_, strings_, key("Accessible Cancel Search Description"),
             key("Accessible Cancel Search"));
    cancel_->hide();
    barLayout->addWidget(cancel_);
    layout_->addWidget(bar);
    // The search field's hint line: what is wrong with a typed barcode.
    searchHint_ = new QLabel(this);
    searchHint_->setObjectName("searchHint");
    searchHint_->setAttribute(Qt::WA_StyledBackground);
    searchHint_->setWordWrap(true);
    searchHint_->setStyleSheet("background: #d9dde2; color: #b3261e; padding: 0 12px 4px 12px;");
    searchHint_->hide();
    layout_->addWidget(searchHint_);

    pages_ = new QStackedWidget(this);
    auto* listPage = new QWidget(pages_);
    auto* listLayout = new QHBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    table_ = new QListView(listPage);
    table_->setObjectName("productTable");
    table_->setUniformItemSizes(true);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setFrameShape(QFrame::NoFrame);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setItemDelegate(new ProductRowDelegate(table_));
    describe(table_, strings_, key("Accessible List Description"), key("Accessible Product List"));
    tableModel_ = new ProductSectionModel(*model_, this);
    table_->setModel(tableModel_);
    listLayout->addWidget(table_);
    index_ = new SideIndexBar(listPage);
    listLayout->addWidget(index_);
    pages_->addWidget(listPage);
    emptyPage_ = new QLabel(pages_);
    emptyPage_->setObjectName("emptyList");
    emptyPage_->setAlignment(Qt::AlignCenter);
    emptyPage_->setWordWrap(true);
    emptyPage_->setMargin(20);
    emptyPage_->setStyleSheet("color: #6d7178; font-size: 16px;");
    pages_->addWidget(emptyPage_);
    layout_->addWidget(pages_, 1);

    // Any change the model has not made: typed, pasted, or set by a screen reader.
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.toStdString() != model_->searchText()) model_->textDidChange(text.toStdString());
    });
    // Return searches and leaves the keyboard in the field: there is no on-screen keyboard to
    // put away, and a keyboard user would otherwise be left with the focus nowhere.
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        searchingByReturn_ = true;
        model_->searchBarSearchButtonClicked(searchField_->text().toStdString());
        searchingByReturn_ = false;
    });
    connect(searchButton_, &QToolButton::clicked, this,
            [this] { model_->searchBarSearchButtonClicked(searchField_->text().toStdString()); });
    connect(cancel_, &QToolButton::clicked, this,
            [this] { model_->searchBarCancelButtonClicked(); });
    connect(index_, &SideIndexBar::letterTouched, this, &ProductListWidget::scrollToIndexLetter);
    connect(table_, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (const auto place = tableModel_->placeOf(index))
            model_->didSelectRow(place->section, place->row);
    });
    exposeRows(table_, this);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { currentRowChanged(table_); });
    model_->setListener(this);
}

ProductListWidget::~ProductListWidget() {
    unexposeRows(table_);
    model_->setListener(nullptr);
}

int ProductListWidget::accessibleRowCount() const {
    return tableModel_->rowCount();
}

QString ProductListWidget::accessibleRowName(int row) const {
    const QModelIndex index = tableModel_->index(row);
    const QVariant spoken = tableModel_->data(index, Qt::AccessibleTextRole);
    return spoken.isValid() ? spoken.toString()
                            : tableModel_->data(index, Qt::DisplayRole).toString();
}

QRect ProductListWidget::accessibleRowRect(int row) const {
    const QRect drawn = table_->visualRect(tableModel_->index(row));
    return drawn.isValid() ? drawn.translated(table_->viewport()->pos()) : QRect();
}

QAccessible::Role ProductListWidget::accessibleRowRole(int row) const {
    return accessibleRowPressable(row) ? QAccessible::ListItem : QAccessible::Heading;
}

int ProductListWidget::accessibleCurrentRow() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool ProductListWidget::accessibleRowPressable(int row) const {
    return tableModel_->placeOf(tableModel_->index(row)).has_value();
}

void ProductListWidget::pressAccessibleRow(int row) {
    if (const auto place = tableModel_->placeOf(tableModel_->index(row)))
        chooseRow(place->section, place->row);
}

void ProductListWidget::chooseRow(int section, int row) {
    const QModelIndex index = tableModel_->productIndex(section, row);
    if (!index.isValid()) return;
    table_->setCurrentIndex(index);
    emit table_->clicked(index);
}

void ProductListWidget::listChanged() {
    // A rebuilt full list (an update page, own products merged in) keeps where the user was;
    // new search hits and the switch between the two lists start at the top.
    const bool keepPlace = !model_->rowsAreSearchRecords() && !showingSearchRows_;
    const int place = table_->verticalScrollBar()->value();
    showingSearchRows_ = model_->rowsAreSearchRecords();
    tableModel_->reload();
    if (keepPlace)
        table_->verticalScrollBar()->setValue(place);
    else
        table_->scrollToTop();
    index_->setLetters(model_->sideIndex());
    // The number of hits is heard with the list's name after a search.
    QString name = qs(strings_.text(key("Accessible Product List")));
    if (showingSearchRows_) {
        int hits = 0;
        for (int section = 0; section < tableModel_->sectionCount(); ++section)
            hits += tableModel_->productCount(section);
        name += ", " + qs(replaceAll(strings_.text(key("Accessible Hits")), "%d", formatInt(hits)));
    }
    if (table_->accessibleName() != name) table_->setAccessibleName(name);
    rowsChanged(table_);
}

void ProductListWidget::stateChanged() {
    if (searchField_->text().toStdString() != model_->searchText())
        searchField_->setText(qs(model_->searchText()));
    searchField_->setPlaceholderText(qs(strings_.text(model_->placeholder())));
    cancel_->setVisible(model_->cancelButtonVisible());
    pages_->setCurrentWidget(model_->tableHidden() ? emptyPage_ : pages_->widget(0));
    const std::string emptyKey = model_->emptyTextKey();
    emptyPage_->setText(emptyKey.empty() ? QString() : qs(strings_.text(emptyKey)));
    searchButton_->setVisible(model_->searchButtonVisible());
    const std::string hintKey = model_->barcodeHintKey();
    searchHint_->setText(hintKey.empty() ? QString() : qs(strings_.text(hintKey)));
    searchHint_->setVisible(!hintKey.empty());
    index_->setLetters(model_->sideIndex());
}

void ProductListWidget::closeKeyboard() {
    if (!searchingByReturn_) searchField_->clearFocus();
}

bool ProductListWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchField_) {
        if (event->type() == QEvent::FocusIn) model_->searchBarTextDidBeginEditing();
        if (event->type() == QEvent::FocusOut) model_->searchBarTextDidEndEditing();
    }
    return QWidget::eventFilter(watched, event);
}

void ProductListWidget::scrollToIndexLetter(int position) {
    const QModelIndex section = tableModel_->sectionIndex(model_->sectionForIndex(position));
    if (section.isValid()) table_->scrollTo(section, QAbstractItemView::PositionAtTop);
}

} // namespace tolvane
