#include "SearchWidget.h"

#include "screens/browse/ProductsForCategoriesVC.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace tolvane {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QProgressBar* busyBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setFixedHeight(6);
    bar->setRange(0, 0);
    return bar;
}

} // namespace

SearchWidget::SearchWidget(std::shared_ptr<SearchVC> model, const Strings& strings, QWidget* parent)
    : ProductListWidget(model, strings, parent), model_(std::move(model)) {
    setObjectName("SearchWidget");
    setWindowTitle(qs(strings_.text(SearchVC::navigationTitleKey())));

    refresh_ = new QAction(style()->standardIcon(QStyle::SP_BrowserReload), QString(), this);
    refresh_->setObjectName("refreshButton");
    refresh_->setProperty("navigationBarSide", "right");
    connect(refresh_, &QAction::triggered, this, [this] { model_->update(); });
    addAction(refresh_);

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

void SearchWidget::stateChanged() {
    ProductListWidget::stateChanged();
    refresh_->setEnabled(model_->refreshEnabled());
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
