#include "ProductDetailPortraitWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/AccessibleRows.h"
#include "screens/common/QtText.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QPainter>

namespace tolvane {

ProductDetailPortraitWidget::ProductDetailPortraitWidget(
    std::shared_ptr<ProductDetailPortraitVC> model, const Strings& strings, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("ProductDetailPortraitWidget");
    setWindowTitle(qs(model_->titleName()));
    auto* heading = new QLabel(qs(strings_.text(ProductDetailPortraitVC::headingKey())), this);
    heading->setObjectName("heading");
    heading->setStyleSheet("font-size: 16px; font-weight: 600;");
    heading->setWordWrap(true);
    heading->setGeometry(12, 8, 296, 44);
    note_ = new QLabel(qs(strings_.text(ProductDetailPortraitVC::fixedReferencesKey())), this);
    note_->setObjectName("fixedReferencesNote");
    note_->setWordWrap(true);
    note_->setStyleSheet("color: #6d7178; font-size: 12px;");
    note_->setGeometry(12, 52, 296, 44);
    note_->hide();
    bars_ = new AccessibleBars(
        this, qs(strings_.text(key("Accessible GDA Bars"))), kNutrientCount, [this](int n) {
            const FolderGdaBar& bar = model_->bars()[static_cast<std::size_t>(n)];
            const QString title =
                qs(strings_.text(ProductDetailPortraitVC::barTitleKey(kNutrients[n])));
            return AccessibleBars::Bar{
                title + " " + qs(bar.percentLabel) + ", " + qs(bar.valueLabel),
                barRect(n).adjusted(0, -22, 0, 0), bar.noData ? 0.0 : double(bar.percent)};
        });
    eatFolder_ = new QAction(qs(strings_.text(ProductDetailPortraitVC::eatFolderKey())), this);
    eatFolder_->setObjectName("eatFolder");
    eatFolder_->setProperty("navigationBarSide", "right");
    eatFolder_->setVisible(model_->showsEatFolder());
    describe(eatFolder_, strings_, key("Accessible Eat Folder Description"));
    addAction(eatFolder_);
    connect(eatFolder_, &QAction::triggered, this, [this] { model_->eatFolderPressed(); });
    model_->setListener(this);
    model_->viewDidLoad();
}

ProductDetailPortraitWidget::~ProductDetailPortraitWidget() {
    model_->setListener(nullptr);
}

void ProductDetailPortraitWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void ProductDetailPortraitWidget::barsChanged() {
    note_->setVisible(model_->fixedReferences());
    update();
    bars_->changed();
}

QRect ProductDetailPortraitWidget::barRect(int nutrient) const {
    const int top = kBarsTop + nutrient * kRowPitch + 22;
    // A bar over the daily amount stops at the right margin.
    const int length = model_->bars()[static_cast<std::size_t>(nutrient)].barLength;
    return {kBarLeft, top, std::min(length, width() - 2 * kBarLeft),
            ProductDetailPortraitVC::kBarThickness};
}

void ProductDetailPortraitWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf2, 0xf3, 0xf5));
    const QIcon column("pictures:column.svg");
    const int right = width() - kBarLeft;
    for (int n = 0; n < kNutrientCount; ++n) {
        const FolderGdaBar& bar = model_->bars()[static_cast<std::size_t>(n)];
        const int top = kBarsTop + n * kRowPitch;
        QFont f = font();
        f.setPixelSize(14);
        QFont bold = f;
        bold.setBold(true);
        // The name gives way to the figure beside it.
        const QString value = qs(bar.valueLabel);
        const int figure = QFontMetrics(f).horizontalAdvance(value) + 8;
        const QRect name(kBarLeft, top, right - kBarLeft - figure, 20);
        p.setFont(bold);
        p.setPen(QColor(0x1c, 0x1e, 0x21));
        p.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(
                       qs(strings_.text(ProductDetailPortraitVC::barTitleKey(kNutrients[n]))),
                       Qt::ElideRight, name.width()));
        p.setFont(f);
        p.drawText(QRect(kBarLeft, top, right - kBarLeft, 20), Qt::AlignRight | Qt::AlignVCenter,
                   value);
        // A bar over the daily amount shows in a warning colour.
        const QRect r = barRect(n);
        const bool over = bar.barLength > r.width();
        if (r.width() > 0) {
            // The column picture stretched to the bar, whatever its own proportions.
            const QPixmap picture = column.pixmap(QSize(r.height(), r.height()));
            if (over)
                p.fillRect(r, QColor(0xc6, 0x28, 0x28));
            else if (picture.isNull())
                p.fillRect(r, QColor(0x23, 0x73, 0x5a));
            else
                p.drawPixmap(r, picture);
        }
        // The share after the bar; where the bar leaves no room, on a white plate at its end.
        const QString percent = qs(bar.percentLabel);
        const int label = p.fontMetrics().horizontalAdvance(percent) + 10;
        if (r.right() + 6 + label <= right) {
            p.setPen(QColor(0x23, 0x73, 0x5a));
            p.drawText(QRect(r.right() + 6, r.top(), label, r.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, percent);
        } else {
            const QRect plate(r.right() - label - 3, r.top() + 4, label, r.height() - 8);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRoundedRect(plate, 4, 4);
            p.setPen(over ? QColor(0xc6, 0x28, 0x28) : QColor(0x1c, 0x1e, 0x21));
            p.drawText(plate, Qt::AlignCenter, percent);
        }
    }
}

} // namespace tolvane
