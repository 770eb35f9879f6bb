#include "screens/settings/ShowInfoWidget.h"

#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"
#include "screens/settings/HelpBrowser.h"

#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tolvane {

ShowInfoWidget::ShowInfoWidget(std::shared_ptr<ShowInfoVC> model, Pictures& pictures,
                               QWidget* parent)
    : QWidget(parent), model_(std::move(model)), pictures_(pictures) {
    setObjectName("ShowInfoWidget");
    model_->viewDidLoad();
    setWindowTitle(qs(model_->navigationTitle()));
    auto weak = std::weak_ptr<ShowInfoVC>(model_);
    browser_ = new HelpBrowser(
        qs(model_->baseDirectory()),
        [weak](const std::string& url, bool tapped) {
            auto m = weak.lock();
            return m ? m->linkRequested(url, tapped) : LinkAction::Follow;
        },
        [weak](const std::string& url) {
            if (auto m = weak.lock()) m->openExternal(url);
        },
        this);
    browser_->setProperty("transparent", true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void ShowInfoWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    model_->viewWillAppear();
    browser_->showHtml(qs(model_->html()));
}

void ShowInfoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.size() != size() * devicePixelRatioF())
        background_ =
            pictures_.pixmap(ShowInfoVC::backgroundPicture(), size(), devicePixelRatioF());
    if (background_.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawPixmap(0, 0, background_);
}

} // namespace tolvane
