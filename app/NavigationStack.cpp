#include "app/NavigationStack.h"

#include "app/BarTitle.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {
namespace {
bool animationsOn = true;

constexpr int barHeight = 44;
constexpr int slideMs = 250;
} // namespace

void NavigationStack::setAnimated(bool animated) {
    animationsOn = animated;
}

NavigationStack::NavigationStack(const ScreenFactory& factory, Platform platform,
                                 Pictures& pictures, Tolvane_AppDelegate& delegate, int tab,
                                 QWidget* parent)
    : QWidget(parent), factory_(factory), platform_(platform), pictures_(pictures),
      delegate_(delegate), tab_(tab) {
    setObjectName(QString("navigationStack%1").arg(tab));
    bar_ = new QWidget(this);
    bar_->setObjectName("navigationBar");
    bar_->setAttribute(Qt::WA_StyledBackground);
    bar_->setFixedHeight(barHeight);
    // Title across the whole bar, buttons over its ends: the title stays centred.
    auto* barLayout = new QGridLayout(bar_);
    barLayout->setContentsMargins(6, 0, 6, 0);
    back_ = new QToolButton(bar_);
    back_->setObjectName("backButton");
    back_->setIcon(pictures_.tinted("back.png", Qt::white));
    back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_->setAutoRaise(true);
    describe(back_, platform_.strings, key("Accessible Back Description"), key("Accessible Back"));
    connect(back_, &QToolButton::clicked, this, [this] { pop(); });
    left_ = new QHBoxLayout;
    right_ = new QHBoxLayout;
    title_ = new QLabel(bar_);
    title_->setObjectName("navigationTitle");
    title_->setAlignment(Qt::AlignCenter);
    // The title lies across the whole bar: clicks must reach the buttons at its ends.
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* ends = new QHBoxLayout;
    ends->addWidget(back_);
    ends->addLayout(left_);
    ends->addStretch(1);
    ends->addLayout(right_);
    barLayout->addWidget(title_, 0, 0);
    barLayout->addLayout(ends, 0, 0);
    title_->lower();
    content_ = new QWidget(this);
    content_->setObjectName("navigationContent");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(content_, 1);
    refreshBar();
}

NavigationStack::~NavigationStack() {
    if (animation_) animation_->stop();
    // Widgets go before the models they show.
    for (auto& entry : entries_)
        delete entry.widget.data();
}

std::shared_ptr<Screen> NavigationStack::topModel() const {
    return entries_.empty() ? nullptr : entries_.back().model;
}

QWidget* NavigationStack::topWidget() const {
    return entries_.empty() ? nullptr : entries_.back().widget.data();
}

QString NavigationStack::title() const {
    auto* top = topWidget();
    return top && bar_->isVisibleTo(this) ? top->windowTitle() : QString();
}

QRect NavigationStack::contentRect() const {
    return QRect(QPoint(0, 0), content_->size());
}

void NavigationStack::ensureRoot() {
    if (!entries_.empty()) return;
    if (const auto& root = factory_.root(tab_)) {
        ScreenContext context{platform_, *this, pictures_, delegate_};
        if (auto model = root(context)) push(std::move(model));
    }
}

void NavigationStack::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ensureRoot();
}

void NavigationStack::push(std::shared_ptr<Screen> screen, const std::string& backTitleKey) {
    if (!screen) return;
    finishAnimation();
    ScreenContext context{platform_, *this, pictures_, delegate_};
    QWidget* widget = factory_.makeWidget(screen, context);
    if (!widget) {
        const std::string name = typeid(*screen).name();
        platform_.log.warn("No widget registered for screen " + name);
        auto* label = new QLabel(QString::fromStdString(name));
        label->setAlignment(Qt::AlignCenter);
        widget = label;
    }
    widget->setParent(content_);
    widget->setGeometry(contentRect());
    widget->installEventFilter(this);
    QWidget* previous = topWidget();
    QWidget* focused = window()->focusWidget();
    auto* barButton = qobject_cast<QToolButton*>(focused);
    const bool onBar = previous && barButton && barButton->parentWidget() == bar_ &&
                       barButton != back_ && barButton->defaultAction();
    const bool keyboardHere = onBar || (previous && focused && previous->isAncestorOf(focused));
    if (keyboardHere) entries_.back().focus = onBar ? nullptr : focused;
    if (onBar) entries_.back().barFocus = barButton->defaultAction();
    entries_.push_back({std::move(screen), widget, backTitleKey, {}});
    refreshBar();
    widget->show();
    widget->raise();
    // The keyboard follows onto the new screen, at its top, rather than falling to the tab bar.
    if (keyboardHere && !back_->isHidden()) back_->setFocus(Qt::TabFocusReason);
    if (previous) {
        slide(widget, previous, true, [previous] {
            if (previous) previous->hide();
        });
    }
}

void NavigationStack::pop() {
    finishAnimation();
    if (entries_.size() < 2) return;
    Entry leaving = entries_.back();
    entries_.pop_back();
    QWidget* uncovered = topWidget();
    QPointer<QWidget> widget = leaving.widget;
    // The leaving screen is hidden before the uncovered one shows, so what it saves on leaving
    // (an edited amount, a folder's order) is stored when the uncovered screen reads it; a
    // picture of it slides out in its place.
    QPointer<QLabel> picture;
    if (widget) {
        if (animationsOn && isVisible() && uncovered && widget->isVisible()) {
            picture = new QLabel(content_);
            picture->setPixmap(widget->grab());
            picture->setGeometry(widget->geometry());
            picture->show();
        }
        widget->hide();
    }
    if (uncovered) {
        uncovered->setGeometry(contentRect());
        uncovered->show();
    }
    refreshBar();
    if (QWidget* focus = entries_.back().focus) focus->setFocus(Qt::BacktabFocusReason);
    if (QAction* action = entries_.back().barFocus) {
        for (auto* layout : {left_, right_}) {
            for (int i = 0; i < layout->count(); ++i) {
                auto* button = qobject_cast<QToolButton*>(layout->itemAt(i)->widget());
                if (!button || button->defaultAction() != action) continue;
                // The remade button shows on the next turn of the event loop.
                QTimer::singleShot(0, button, [button] {
                    if (button->isVisible()) button->setFocus(Qt::BacktabFocusReason);
                });
            }
        }
    }
    auto model = leaving.model;
    slide(uncovered, picture, false, [widget, picture, model]() mutable {
        if (picture) picture->deleteLater();
        if (widget) {
            widget->deleteLater();
            // The model lives until its widget is gone.
            QObject::connect(widget, &QObject::destroyed, [model] {});
        }
    });
}

bool NavigationStack::canGoBack() const {
    return entries_.size() > 1 && !back_->isHidden();
}

bool NavigationStack::goBack() {
    if (!canGoBack()) return false;
    pop();
    return true;
}

void NavigationStack::popToRoot() {
    finishAnimation();
    // The screens between root and top go at once; the top slides out as on a back tap.
    while (entries_.size() > 2) {
        Entry between = entries_[entries_.size() - 2];
        entries_.erase(entries_.end() - 2);
        if (QPointer<QWidget> widget = between.widget) {
            widget->hide();
            widget->deleteLater();
            QObject::connect(widget, &QObject::destroyed, [model = between.model] {});
        }
    }
    pop();
}

void NavigationStack::slide(QWidget* incoming, QWidget* outgoing, bool forward,
                            std::function<void()> done) {
    const QRect rect = contentRect();
    if (!animationsOn || !isVisible() || !incoming || !outgoing) {
        if (incoming) incoming->setGeometry(rect);
        done();
        return;
    }
    const int w = rect.width();
    auto* group = new QParallelAnimationGroup(this);
    auto* in = new QPropertyAnimation(incoming, "pos", group);
    in->setDuration(slideMs);
    in->setStartValue(QPoint(forward ? w : -w / 3, 0));
    in->setEndValue(QPoint(0, 0));
    in->setEasingCurve(QEasingCurve::OutCubic);
    auto* out = new QPropertyAnimation(outgoing, "pos", group);
    out->setDuration(slideMs);
    out->setStartValue(QPoint(0, 0));
    out->setEndValue(QPoint(forward ? -w / 3 : w, 0));
    out->setEasingCurve(QEasingCurve::OutCubic);
    if (forward)
        incoming->raise();
    else
        outgoing->raise();
    animationDone_ = std::move(done);
    animation_ = group;
    connect(group, &QAbstractAnimation::finished, this, [this] { finishAnimation(); });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void NavigationStack::finishAnimation() {
    if (animation_) {
        auto* running = animation_.data();
        animation_ = nullptr;
        running->disconnect(this);
        running->stop();
    }
    if (auto done = std::move(animationDone_)) {
        animationDone_ = nullptr;
        done();
    }
    if (auto* top = topWidget()) top->setGeometry(contentRect());
}

void NavigationStack::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBar();
    for (auto& entry : entries_)
        if (entry.widget) entry.widget->setGeometry(contentRect());
}

bool NavigationStack::eventFilter(QObject* watched, QEvent* event) {
    if (watched == topWidget()) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::ActionAdded:
        case QEvent::ActionRemoved:
        case QEvent::DynamicPropertyChange:
            refreshBar();
            break;
        case QEvent::ActionChanged:
            // The action is still telling its widgets, the bar buttons among them: adding
            // a button now would change the list it walks. The buttons follow their action
            // by themselves; only their arrangement is redone, once more after they have.
            layoutBar();
            if (!layoutPending_) {
                layoutPending_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        layoutPending_ = false;
                        layoutBar();
                    },
                    Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NavigationStack::refreshBar() {
    for (auto* layout : {left_, right_}) {
        while (auto* item = layout->takeAt(0)) {
            // Later: the button may be the one whose action is running now.
            if (auto* button = item->widget()) {
                button->hide();
                button->deleteLater();
            }
            delete item;
        }
    }
    QWidget* top = topWidget();
    if (top) {
        for (QAction* action : top->actions()) {
            const QString side = action->property("navigationBarSide").toString();
            if (side != "left" && side != "right") continue;
            auto* button = new QToolButton(bar_);
            button->setDefaultAction(action);
            button->setAutoRaise(true);
            button->setObjectName(side == "left" ? "leftBarButton" : "rightBarButton");
            button->setAccessibleName(action->property("accessibleName").toString());
            button->setAccessibleDescription(action->property("accessibleDescription").toString());
            (side == "left" ? left_ : right_)->addWidget(button);
        }
    }
    // Tab: the back button, the bar's buttons left to right, then the screen below.
    QWidgetList order;
    for (auto* layout : {left_, right_})
        for (int i = 0; i < layout->count(); ++i)
            if (QWidget* button = layout->itemAt(i)->widget()) order << button;
    for (QWidget* w = back_->nextInFocusChain(); top && w != back_; w = w->nextInFocusChain())
        if (top->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) order << w;
    QWidget* previous = back_;
    for (QWidget* w : order) {
        setTabOrder(previous, w);
        previous = w;
    }
    layoutBar();
}

void NavigationStack::layoutBar() {
    QWidget* top = topWidget();
    bool hasLeft = false;
    for (auto* layout : {left_, right_}) {
        for (int i = 0; i < layout->count(); ++i) {
            auto* button = qobject_cast<QToolButton*>(layout->itemAt(i)->widget());
            QAction* action = button ? button->defaultAction() : nullptr;
            if (!action) continue;
            button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly
                                                               : Qt::ToolButtonIconOnly);
            button->setVisible(action->isVisible());
            hasLeft = hasLeft || (layout == left_ && action->isVisible());
        }
    }
    const bool canGoBack =
        entries_.size() > 1 && !hasLeft && !(top && top->property("hidesBackButton").toBool());
    back_->setVisible(canGoBack);
    auto endWidth = [](QHBoxLayout* layout) {
        int sum = 0;
        for (int i = 0; i < layout->count(); ++i)
            if (auto* w = layout->itemAt(i)->widget(); w && !w->isHidden())
                sum += w->sizeHint().width();
        return sum;
    };
    const int rightWidth = endWidth(right_);
    const QString title = top ? top->windowTitle() : QString();
    BarTitle shown(title_, barHeight);
    int leftWidth = endWidth(left_);
    if (canGoBack) {
        const QString plain = QString::fromStdString(platform_.strings.text("Zurück"));
        const auto& key = entries_.back().backTitleKey;
        QString text =
            key.empty() ? QString() : QString::fromStdString(platform_.strings.text(key));
        if (text.isEmpty() && entries_[entries_.size() - 2].widget)
            text = entries_[entries_.size() - 2].widget->windowTitle();
        back_->ensurePolished();
        // A long previous title gives way to the plain back text, as on a handheld; when the
        // title would still not show whole, the back button keeps only its arrow.
        if (text.isEmpty() || back_->fontMetrics().horizontalAdvance(text) > width() / 4)
            text = plain;
        for (const QString& candidate : {text, plain, QString()}) {
            back_->setText(back_->fontMetrics().elidedText(candidate, Qt::ElideRight,
                                                           std::max(60, width() / 3)));
            leftWidth = back_->sizeHint().width() + endWidth(left_);
            if (shown.fits(title, width() - leftWidth - rightWidth)) break;
        }
    }
    shown.show(title, width(), leftWidth, rightWidth);
    bar_->setVisible(!(top && top->property("hidesNavigationBar").toBool()));
}

} // namespace tolvane
