#include "ProductDetailsLandscapeWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/AccessibleRows.h"
#include "screens/common/Nutrients.h"
#include "screens/common/QtText.h"
#include "text/IntegerValue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace tolvane {
namespace {

// The calculator's geometry, in its own points.
constexpr int kBarBottom = 245;
constexpr int kBottomBarTop = 278;
constexpr int kLabelPlateHeight = 17;
int barLeft(Nutrient bar) {
    return 75 + 75 * index(bar);
}

} // namespace

ProductDetailsLandscapeWidget::ProductDetailsLandscapeWidget(
    std::shared_ptr<ProductDetailsLandscapeVC> model, const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("ProductDetailsLandscapeWidget");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        "#ProductDetailsLandscapeWidget { background: #f2f3f5; }"
        "#gdaInfoButton, #turnBackButton { background: rgba(255,255,255,0.2); color: white;"
        " border: 1px solid rgba(255,255,255,0.6); border-radius: 6px; padding: 3px 8px; }"
        "#gdaInfoButton:focus, #turnBackButton:focus { background: rgba(255,255,255,0.4);"
        " border-color: white; }"
        "#portionUnit { color: white; font-weight: 600; }"
        "#landscapeName { color: white; font-weight: 600; }"
        "#portionField { background: white; border: 1px solid #c3c7cd;"
        " border-radius: 6px; padding: 2px 6px; }"
        "#portionChoice { background: white; color: #23735a; border: none;"
        " border-radius: 6px; padding: 3px 6px; font-weight: 600; }");
    info_ = new QPushButton(qs(strings_.text(ProductDetailsLandscapeVC::infoButtonKey())), this);
    info_->setObjectName("gdaInfoButton");
    describe(info_, strings_, key("Accessible Info Description"));
    // The desktop's way back to the upright tabs (Ctrl+Up turns the "device" too).
    turnBack_ = new QPushButton(QIcon("pictures:rotate.svg"), qs(strings_.text("Zurück")), this);
    turnBack_->setObjectName("turnBackButton");
    describe(turnBack_, strings_, key("Accessible Turn Back Description"));
    unit_ = new QLabel(qs(model_->portionUnit()), this);
    unit_->setObjectName("portionUnit");
    name_ = new QLabel(this);
    name_->setObjectName("landscapeName");
    portion_ = new QLineEdit(this);
    portion_->setObjectName("portionField");
    portion_->setText(qs(model_->portionText()));
    portion_->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText);
    portion_->setClearButtonEnabled(true);
    portion_->setAlignment(Qt::AlignRight);
    portion_->installEventFilter(this);
    describe(portion_, strings_, key("Accessible Portion Description"), key("Accessible Portion"));
    if (auto* clear = portion_->findChild<QToolButton*>())
        clear->setAccessibleName(qs(strings_.text(key("Accessible Portion Clear"))));
    // Reading order: the way back at the top left, the help at the top right, the portion below.
    setTabOrder(turnBack_, info_);
    setTabOrder(info_, portion_);
    connect(info_, &QPushButton::clicked, this, [this] { model_->showInfoView(); });
    connect(turnBack_, &QPushButton::clicked, this,
            [this] { model_->receivedRotate(DeviceOrientation::Portrait); });
    connect(portion_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_->portionTextChanged(text.toStdString());
        // Emptied (the clear button): the bars for 100 at once, as an empty field stands for.
        if (text.isEmpty()) model_->keyboardWillHide();
    });
    // A portion set whole rather than typed (by a screen reader) is applied at once, as typing
    // it and closing the keyboard would.
    connect(portion_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (portion_->isModified() || text.toStdString() == model_->portionText()) return;
        model_->portionTextChanged(text.toStdString());
        model_->keyboardWillHide();
    });
    connect(portion_, &QLineEdit::editingFinished, this, [this] {
        model_->portionTextChanged(portion_->text().toStdString());
        model_->keyboardWillHide();
    });
    buildPortionChoices();
    // The bars as a screen reader meets them, over the drawing.
    barsView_ = new AccessibleBars(
        this, qs(strings_.text(key("Accessible GDA Bars"))), kNutrientCount, [this](int row) {
            const auto nutrient = static_cast<Nutrient>(row);
            const GdaBar& bar = model_->bars()[static_cast<std::size_t>(row)];
            QString name = qs(model_->barTitle(nutrient));
            if (bar.noData) {
                name += ", " + qs(strings_.text(key("Accessible Light None")));
            } else {
                name += " " + qs(bar.percentLabel) + ", " + qs(model_->amountText(nutrient));
            }
            const int h = std::max(1, bar.drawnHeight);
            return AccessibleBars::Bar{name,
                                       QRect(barLeft(nutrient), kBarBottom - h, kGdaBarWidth, h)
                                           .translated(canvasOrigin()),
                                       bar.noData ? 0.0 : double(bar.percent)};
        });
    barsView_->lower();
    model_->setListener(this);
    unit_->setText(qs(model_->portionUnit()));
    layoutChildren();
}

ProductDetailsLandscapeWidget::~ProductDetailsLandscapeWidget() {
    model_->setListener(nullptr);
}

QPoint ProductDetailsLandscapeWidget::canvasOrigin() const {
    return {std::max(0, (width() - canvasSize.width()) / 2),
            std::max(0, (height() - canvasSize.height()) / 2)};
}

void ProductDetailsLandscapeWidget::barsChanged() {
    update();
    barsView_->changed();
}

void ProductDetailsLandscapeWidget::layoutChildren() {
    const QPoint o = canvasOrigin();
    const int infoWidth = std::clamp(info_->sizeHint().width(), 88, 150);
    info_->setGeometry(o.x() + 480 - 8 - infoWidth, o.y() + 8, infoWidth, 28);
    turnBack_->setGeometry(o.x() + 8, o.y() + 8, std::clamp(turnBack_->sizeHint().width(), 80, 140),
                           28);
    // The quick portions take the room of the name, and of the field beyond what shows its
    // five figures whole beside the clear button: the sixth is the one refused.
    portion_->ensurePolished();
    const int figures =
        portion_->fontMetrics().horizontalAdvance(QString(int(kPortionMaxLength), QChar('0')));
    // The unit word ("g", "мл", "унц.") keeps the room it needs at the right end.
    unit_->ensurePolished();
    const int unitWidth = std::max(unit_->fontMetrics().horizontalAdvance(unit_->text()) + 4, 20);
    const int fieldRight = 480 - 8 - unitWidth - 4;
    const int fieldLeft = fieldRight - std::max(figures + 38, choices_.empty() ? 128 : 0);
    portion_->setGeometry(o.x() + fieldLeft, o.y() + kBottomBarTop + 7, fieldRight - fieldLeft, 28);
    unit_->setGeometry(o.x() + fieldRight + 4, o.y() + kBottomBarTop + 7, unitWidth, 28);
    int right = fieldLeft - 6;
    for (auto choice = choices_.rbegin(); choice != choices_.rend(); ++choice) {
        const int w = (*choice)->sizeHint().width();
        (*choice)->setGeometry(o.x() + right - w, o.y() + kBottomBarTop + 7, w, 28);
        right -= w + 4;
    }
    const int nameWidth = right - 6;
    name_->setGeometry(o.x() + 10, o.y() + kBottomBarTop + 8, nameWidth, 26);
    setElidedText(name_, qs(model_->productName()), nameWidth);
}

void ProductDetailsLandscapeWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void ProductDetailsLandscapeWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void ProductDetailsLandscapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(canvasOrigin());
    const QColor green(0x23, 0x73, 0x5a);
    p.fillRect(QRect(0, 0, 480, 44), green);
    p.fillRect(QRect(0, kBottomBarTop, 480, 320 - kBottomBarTop), green);
    QFont f = font();

    // The full-height guide at 100 % behind the bars.
    p.setPen(QPen(QColor(0xc3, 0xc7, 0xcd), 1, Qt::DashLine));
    p.drawLine(60, kBarBottom - 192, 440, kBarBottom - 192);
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(QColor(0x9a, 0x9f, 0xa6));
    const NumberFormat format = numberFormat(strings_);
    p.drawText(QRect(8, kBarBottom - 192 - 7, 48, 14), Qt::AlignRight | Qt::AlignVCenter,
               qs(format.percent(100)));
    p.drawText(QRect(8, kBarBottom - 7, 48, 14), Qt::AlignRight | Qt::AlignVCenter,
               qs(format.percent(0)));
    p.setPen(QColor(0xc3, 0xc7, 0xcd));
    p.drawLine(60, kBarBottom, 440, kBarBottom);

    // The column picture rendered once at full height, then squeezed to each bar.
    const QPixmap column =
        QIcon("pictures:column.svg").pixmap(QSize(kGdaBarWidth, 192), devicePixelRatioF());
    const auto& bars = model_->bars();
    for (Nutrient i : kNutrients) {
        const int h = bars[static_cast<std::size_t>(index(i))].drawnHeight;
        const QRect barRect(barLeft(i), kBarBottom - h, kGdaBarWidth, h);
        if (h > 0) {
            if (column.isNull())
                p.fillRect(barRect, green);
            else
                p.drawPixmap(barRect, column);
        }
        f.setPixelSize(10);
        f.setBold(false);
        p.setFont(f);
        p.setPen(QColor(0x4a, 0x4f, 0x56));
        p.drawText(QRect(barLeft(i) - 17, kBarBottom + 3, kGdaBarWidth + 34, 28),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, qs(model_->barTitle(i)));
    }

    // The marker under the labels, its amount in the top bar, away from the bars.
    if (model_->touchLabelShown()) {
        const int x = int(model_->touchX());
        p.setPen(QPen(QColor(0xb3, 0x26, 0x1e), 2));
        p.drawLine(x, 44, x, kBarBottom);
        const QRect bubble = touchBubbleRect();
        p.setBrush(QColor(0xb3, 0x26, 0x1e));
        p.setPen(QPen(Qt::white, 1));
        p.drawRoundedRect(bubble, 6, 6);
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(bubble, Qt::AlignCenter, qs(model_->touchLabel()));
    }

    // Percentages on their plates, over the marker.
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    for (Nutrient i : kNutrients) {
        const int h = bars[static_cast<std::size_t>(index(i))].drawnHeight;
        const bool inside = h >= kLabelPlateHeight + 6;
        const QRect plate = percentLabelRect(i);
        p.setPen(Qt::NoPen);
        p.setBrush(inside ? QColor(0x14, 0x4d, 0x24, 200) : QColor(0xf2, 0xf3, 0xf5, 230));
        p.drawRoundedRect(plate, 4, 4);
        p.setPen(inside ? Qt::white : QColor(0x1c, 0x1e, 0x21));
        p.drawText(plate, Qt::AlignCenter,
                   qs(bars[static_cast<std::size_t>(index(i))].percentLabel));
    }
}

QRect ProductDetailsLandscapeWidget::percentLabelRect(Nutrient bar) const {
    // Inside the top of a tall bar, above a short one: never on the dashed 100 % line, which
    // lies at the top of a full bar.
    QFont f = font();
    f.setPixelSize(12);
    f.setBold(true);
    const QString text = qs(model_->bars()[static_cast<std::size_t>(index(bar))].percentLabel);
    const int h = model_->bars()[static_cast<std::size_t>(index(bar))].drawnHeight;
    const int width = std::max(kGdaBarWidth - 4, QFontMetrics(f).horizontalAdvance(text) + 8);
    const bool inside = h >= kLabelPlateHeight + 6;
    const int top = inside ? kBarBottom - h + 3 : kBarBottom - h - kLabelPlateHeight - 3;
    return {barLeft(bar) + kGdaBarWidth / 2 - width / 2, top, width, kLabelPlateHeight};
}

QRect ProductDetailsLandscapeWidget::touchBubbleRect() const {
    // In the top bar, between its two buttons, away from the bars and their labels.
    return {std::clamp(int(model_->touchX()) - 34, 150, 262), 9, 68, 26};
}

void ProductDetailsLandscapeWidget::mousePressEvent(QMouseEvent* event) {
    // A tap beside the field ends its editing, as the keyboard going away does.
    portion_->clearFocus();
    const QPointF at = event->position() - canvasOrigin();
    model_->touchesBegan(float(at.x()), float(at.y()));
}

void ProductDetailsLandscapeWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position() - canvasOrigin();
    model_->touchesMoved(float(at.x()), float(at.y()));
}

void ProductDetailsLandscapeWidget::mouseReleaseEvent(QMouseEvent*) {
    model_->touchesEnded();
}

bool ProductDetailsLandscapeWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == portion_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // A paste inserts like typing does.
        const QString typed =
            key->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text() : key->text();
        const bool inserts = !typed.isEmpty() && typed.at(0).isPrint();
        if (inserts &&
            !model_->shouldChangeCharacters(
                portion_->text().toStdString(),
                static_cast<std::size_t>(portion_->selectedText().size()), typed.toStdString()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ProductDetailsLandscapeWidget::buildPortionChoices() {
    for (QPushButton* button : choices_)
        button->deleteLater();
    choices_.clear();
    for (const PortionChoice& choice : model_->portionChoices()) {
        auto* button = new QPushButton(qs(choice.title), this);
        button->setObjectName("portionChoice");
        describe(button, strings_, key("Accessible Portion Description"));
        connect(button, &QPushButton::clicked, this, [this, choice] {
            portion_->clearFocus();
            model_->choosePortion(choice);
        });
        choices_.push_back(button);
    }
    // They stand left of the field: Tab reaches them first.
    if (!choices_.empty()) QWidget::setTabOrder(choices_.back(), portion_);
}

void ProductDetailsLandscapeWidget::unitsChanged() {
    unit_->setText(qs(model_->portionUnit()));
    portion_->setText(qs(model_->portionText()));
    buildPortionChoices();
    for (QPushButton* button : choices_)
        button->show();
    layoutChildren();
}

void ProductDetailsLandscapeWidget::portionChosen() {
    portion_->setText(qs(model_->portionText()));
}

void ProductDetailsLandscapeWidget::closeKeyboard() {
    portion_->clearFocus();
}

void ProductDetailsLandscapeWidget::deviceOrientationChanged(DeviceOrientation orientation) {
    model_->receivedRotate(orientation);
}

} // namespace tolvane
