#include "screens/settings/GDAInfoWidget.h"

#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"
#include "screens/settings/HelpBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {

GDAInfoWidget::GDAInfoWidget(std::shared_ptr<GDAInfoVC> model, Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("GDAInfoWidget");
    setAttribute(Qt::WA_StyledBackground);
    model_->viewDidLoad();
    auto* bar = new QWidget(this);
    bar->setObjectName("navigationBar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(44);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 0, 6, 0);
    back_ = new QToolButton(bar);
    back_->setObjectName("backButton");
    back_->setIcon(pictures.tinted(GDAInfoVC::backPicture(), Qt::white));
    back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_->setAutoRaise(true);
    auto weak = std::weak_ptr<GDAInfoVC>(model_);
    connect(back_, &QToolButton::clicked, this, [weak] {
        if (auto m = weak.lock()) m->prevButtonClick();
    });
    title_ = new QLabel(qs(model_->title()), bar);
    title_->setObjectName("navigationTitle");
    title_->setAlignment(Qt::AlignCenter);
    barLayout->addWidget(back_);
    barLayout->addWidget(title_, 1);
    // Balances the back button so the title stays centred.
    auto* spacer = new QWidget(bar);
    spacer->setFixedWidth(back_->sizeHint().width());
    barLayout->addWidget(spacer);

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);
}

void GDAInfoWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    model_->viewWillAppear();
    back_->setText(qs(model_->backButtonTitle()));
    browser_->showHtml(qs(model_->html()));
}

} // namespace tolvane
