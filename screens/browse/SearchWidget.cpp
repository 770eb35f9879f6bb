#include "SearchWidget.h"

#include "platform/Keys.h"
#include "screens/browse/ProductsForCategoriesVC.h"
#include "screens/browse/ScanVC.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {

namespace {

QProgressBar* busyBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setFixedHeight(6);
    bar->setRange(0, 0);
    return bar;
}

// Bars of a barcode in the grey of the search bar's icons.
QIcon barcodeIcon() {
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int widths[] = {3, 1, 2, 1, 1, 3, 1, 2, 3, 1}; // bar, gap, bar, gap, ...
    int x = 5;
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        if (i % 2 == 0) p.fillRect(x, 8, widths[i] * 2, 24, QColor(0x4a, 0x4f, 0x56));
        x += widths[i] * 2 + (i % 2 == 0 ? 0 : 1);
    }
    p.end();
    return QIcon(pixmap);
}

QString localPicture(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    return data->urls().front().isLocalFile() ? data->urls().front().toLocalFile() : QString();
}

} // namespace

SearchWidget::SearchWidget(std::shared_ptr<SearchVC> model, const Strings& strings, QWidget* parent)
    : ProductListWidget(model, strings, parent), model_(std::move(model)) {
    setObjectName("SearchWidget");
    setWindowTitle(qs(strings_.text(SearchVC::navigationTitleKey())));

    refresh_ = new QAction(style()->standardIcon(QStyle::SP_BrowserReload), QString(), this);
    refresh_->setObjectName("refreshButton");
    refresh_->setProperty("navigationBarSide", "right");
    describe(refresh_, strings_, key("Accessible Refresh Description"), key("Accessible Refresh"));
    connect(refresh_, &QAction::triggered, this, [this] { model_->update(); });
    addAction(refresh_);

    scan_ = new QToolButton(this);
    scan_->setObjectName("scanButton");
    scan_->setIcon(barcodeIcon());
    scan_->setIconSize(QSize(20, 20));
    scan_->setAutoRaise(true);
    scan_->setToolTip(qs(strings_.text(ScanVC::titleKey())));
    describe(scan_, strings_, key("Accessible Scan Description"), ScanVC::titleKey());
    searchBarLayout()->addWidget(scan_);
    setTabOrder(cancelButton(), scan_); // the search bar before the list below it
    connect(scan_, &QToolButton::clicked, this, [this] { model_->scan(); });
    setAcceptDrops(true);

    // Below the search field's hint line: a code typed that no product carries.
    ownProduct_ = new QPushButton(qs(strings_.text(ScanVC::ownProductKey())), this);
    ownProduct_->setObjectName("ownProductButton");
    describe(ownProduct_, strings_, key("Accessible Own Product Description"));
    ownProduct_->hide();
    auto* ownRow = new QHBoxLayout;
    ownRow->setContentsMargins(10, 4, 10, 4);
    ownRow->addWidget(ownProduct_, 0, Qt::AlignHCenter);
    mainLayout()->insertLayout(mainLayout()->indexOf(searchHint()) + 1, ownRow);
    connect(ownProduct_, &QPushButton::clicked, this, [this] { model_->enterOwnProduct(); });

    // Merging own products: a thin running bar with its label, under the search bar.
    loading_ = new QWidget(this);
    loading_->setObjectName("loadingIndicator");
    auto* loadingLayout = new QHBoxLayout(loading_);
    loadingLayout->setContentsMargins(10, 2, 10, 2);
    auto* loadingLabel = new QLabel(qs(strings_.text(SearchVC::loadingKey())), loading_);
    loadingLabel->setStyleSheet("color: #6d7178; font-size: 11px;");
    loadingLayout->addWidget(loadingLabel);
    loadingBar_ = busyBar(loading_);
    loadingLayout->addWidget(loadingBar_, 1);
    loading_->hide();
    mainLayout()->insertWidget(1, loading_);

    // The update's panel at the bottom: spinner (or how far the run is) and the figures.
    panel_ = new QWidget(this);
    panel_->setObjectName("progressPanel");
    panel_->setAttribute(Qt::WA_StyledBackground);
    panel_->setStyleSheet("#progressPanel { background: rgba(28, 30, 33, 0.85); }"
                          "QLabel { color: white; font-size: 12px; }"
                          "QProgressBar { background: #4a4f56; border: none; border-radius: 3px; }"
                          "QProgressBar::chunk { background: #5fc49b; border-radius: 3px; }");
    auto* panelLayout = new QVBoxLayout(panel_);
    panelLayout->setContentsMargins(12, 8, 12, 8);
    panelBar_ = busyBar(panel_);
    panelLayout->addWidget(panelBar_);
    progressText_ = new QLabel(panel_);
    progressText_->setObjectName("progressText");
    progressText_->setAlignment(Qt::AlignCenter);
    progressText_->setWordWrap(true);
    panelLayout->addWidget(progressText_);
    panel_->hide();
    mainLayout()->addWidget(panel_);

    model_->viewDidLoad();
    stateChanged();
}

SearchWidget::~SearchWidget() = default;

void SearchWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!localPicture(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void SearchWidget::dropEvent(QDropEvent* event) {
    const QString path = localPicture(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    model_->scan(path.toStdString());
}

void SearchWidget::stateChanged() {
    ProductListWidget::stateChanged();
    refresh_->setEnabled(model_->refreshEnabled());
    ownProduct_->setVisible(model_->ownProductButtonShown());
    loading_->setVisible(model_->loadingIndicatorShown());
    panel_->setVisible(model_->progressShown());
    progressText_->setText(qs(model_->progressText()));
    progressText_->setVisible(!model_->progressText().empty());
    // Busy until the total is known, then how many products of it are stored.
    if (model_->progressMaximum() > 0) {
        panelBar_->setRange(0, model_->progressMaximum());
        panelBar_->setValue(model_->progressValue());
    } else if (model_->spinnerRunning()) {
        panelBar_->setRange(0, 0);
    } else {
        panelBar_->setRange(0, 1);
        panelBar_->setValue(0);
    }
}

void SearchWidget::showEvent(QShowEvent* event) {
    ProductListWidget::showEvent(event);
    model_->viewWillAppear();
    table()->clearSelection();
}

void SearchWidget::hideEvent(QHideEvent* event) {
    ProductListWidget::hideEvent(event);
    model_->viewWillDisappear();
    model_->viewDidDisappear();
}

ProductsForCategoriesWidget::ProductsForCategoriesWidget(
    std::shared_ptr<ProductsForCategoriesVC> model, const Strings& strings, QWidget* parent)
    : ProductListWidget(model, strings, parent), model_(std::move(model)) {
    setObjectName("ProductsForCategoriesWidget");
    setWindowTitle(qs(model_->myTitle()));
    model_->viewDidLoad();
    stateChanged();
}

void ProductsForCategoriesWidget::showEvent(QShowEvent* event) {
    ProductListWidget::showEvent(event);
    model_->viewWillAppear();
    table()->clearSelection();
}

void ProductsForCategoriesWidget::hideEvent(QHideEvent* event) {
    ProductListWidget::hideEvent(event);
    model_->viewWillDisappear();
}

} // namespace tolvane
