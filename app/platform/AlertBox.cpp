#include "app/platform/AlertBox.h"

#include "screens/common/Accessibility.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace tolvane {
namespace {

constexpr int padding = 16;
constexpr int spacing = 8;
int nextSerial = 0;
constexpr int buttonPadding = 10;

// A push button whose text wraps at word boundaries when the card is narrower than the text.
class AlertButton : public QPushButton {
public:
    AlertButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }
    QSize sizeHint() const override {
        ensurePolished();
        const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
        return {text.width() + 2 * buttonPadding + 4, text.height() + 2 * buttonPadding - 4};
    }
    QSize minimumSizeHint() const override { return {40, sizeHint().height()}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const QRect text =
            fontMetrics().boundingRect(QRect(0, 0, width - 2 * buttonPadding, 2000),
                                       Qt::AlignCenter | Qt::TextWordWrap, this->text());
        return std::max(sizeHint().height(), text.height() + 2 * buttonPadding - 4);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().adjusted(buttonPadding, 2, -buttonPadding, -2),
                         Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

} // namespace

AlertBox::AlertBox(const QString& title, const QString& message, const QStringList& buttons,
                   int escapeButton, QWidget* window)
    : QDialog(window, Qt::Dialog | Qt::FramelessWindowHint), window_(window),
      escapeButton_(escapeButton), serial_(++nextSerial) {
    setObjectName("alert");
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(title);
    // Heard as an alert, its whole text at once: a reader names the box with its title (or its
    // message when it has none) and reads the message as its description.
    setAccessibleRole(this, QAccessible::AlertMessage);
    setAccessibleName(title.isEmpty() ? message : title);
    setAccessibleDescription(title.isEmpty() ? QString() : message);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding - 4);
    layout->setSpacing(spacing);
    title_ = new QLabel(title, this);
    title_->setObjectName("alertTitle");
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    title_->setVisible(!title.isEmpty());
    layout->addWidget(title_);
    // A long message scrolls inside the card instead of making it taller than the window.
    messageArea_ = new QScrollArea(this);
    messageArea_->setObjectName("alertMessageArea");
    messageArea_->setFrameShape(QFrame::NoFrame);
    messageArea_->setWidgetResizable(true);
    messageArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    message_ = new QLabel(message);
    message_->setObjectName("alertMessage");
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    messageArea_->setWidget(message_);
    messageArea_->setVisible(!message.isEmpty());
    layout->addWidget(messageArea_);
    buttonRow_ = new QWidget(this);
    buttonLayout_ = new QBoxLayout(QBoxLayout::LeftToRight, buttonRow_);
    buttonLayout_->setContentsMargins(0, 4, 0, 0);
    buttonLayout_->setSpacing(spacing);
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new AlertButton(buttons[i], buttonRow_);
        button->setObjectName("alertButton");
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        buttonLayout_->addWidget(button);
        buttons_ << button;
    }
    layout->addWidget(buttonRow_);
    if (window_) window_->installEventFilter(this);
    place();
}

QList<AlertBox*> AlertBox::shown() {
    QList<AlertBox*> boxes;
    for (auto* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<AlertBox*>(widget); box && box->isVisible()) boxes << box;
    std::sort(boxes.begin(), boxes.end(),
              [](AlertBox* a, AlertBox* b) { return a->serial_ < b->serial_; });
    return boxes;
}

QString AlertBox::title() const {
    return title_->text();
}

QString AlertBox::message() const {
    return message_->text();
}

QRect AlertBox::windowRect() const {
    if (window_) return QRect(window_->mapToGlobal(QPoint(0, 0)), window_->size());
    const QScreen* screen = QApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 320, 480);
    return QRect(available.center() - QPoint(160, 240), QSize(320, 480));
}

void AlertBox::place() {
    ensurePolished(); // sizes below depend on the style sheet's fonts and paddings
    const QRect area = windowRect();
    const int width = std::max(120, std::min(preferredWidth, area.width() - 2 * windowMargin));
    const int inner = width - 2 * padding;
    // Side by side only when every button gets its text in its share of the row.
    bool stack = buttons_.size() > 2;
    if (!stack && !buttons_.isEmpty()) {
        const int share = (inner - spacing * int(buttons_.size() - 1)) / int(buttons_.size());
        for (auto* button : buttons_)
            stack = stack || button->sizeHint().width() > share;
    }
    stacked_ = stack;
    buttonLayout_->setDirection(stack ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    buttonRow_->setFixedWidth(inner);
    buttonLayout_->invalidate();
    const int buttonsHeight = buttonLayout_->hasHeightForWidth()
                                  ? buttonLayout_->heightForWidth(inner)
                                  : buttonLayout_->sizeHint().height();
    buttonRow_->setFixedHeight(buttonsHeight);
    // The message takes what height is left once title and buttons are in.
    const int titleHeight = title_->isVisible() ? title_->heightForWidth(inner) + spacing : 0;
    const int frame = padding + padding - 4;
    int messageHeight = 0;
    if (messageArea_->isVisible()) {
        const int room =
            area.height() - 2 * windowMargin - frame - titleHeight - buttonsHeight - spacing;
        const int wanted = message_->heightForWidth(inner);
        messageHeight = std::max(0, std::min(wanted, room));
        messageArea_->setFixedHeight(messageHeight);
        messageArea_->setVerticalScrollBarPolicy(wanted > room ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
        messageHeight += spacing;
    }
    setFixedWidth(width);
    layout()->invalidate();
    const int wanted = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                     : layout()->totalSizeHint().height();
    const int height =
        std::min(std::max(wanted, frame + titleHeight + messageHeight + buttonsHeight),
                 area.height() - 2 * windowMargin);
    setFixedHeight(height);
    move(area.center() - QPoint(width / 2, height / 2));
}

bool AlertBox::eventFilter(QObject* watched, QEvent* event) {
    // The window turned or moved: the card follows it.
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                               event->type() == QEvent::Show))
        place();
    return QDialog::eventFilter(watched, event);
}

void AlertBox::showEvent(QShowEvent* event) {
    place();
    QDialog::showEvent(event);
}

void AlertBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject();
        return;
    }
    if (pressByKeyboard(focusWidget(), *event)) return; // Return chooses the focused button
    QDialog::keyPressEvent(event);
}

void AlertBox::reject() {
    choose(std::clamp(escapeButton_, 0, std::max(0, int(buttons_.size()) - 1)));
}

void AlertBox::choose(int index) {
    if (answered_) return;
    answered_ = true;
    hide();
    emit chosen(index);
    deleteLater();
}

} // namespace tolvane
