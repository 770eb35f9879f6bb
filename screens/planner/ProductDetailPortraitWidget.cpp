#include "ProductDetailPortraitWidget.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>

namespace tolvane {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

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
}

QRect ProductDetailPortraitWidget::barRect(int nutrient) const {
    const int top = kBarsTop + nutrient * kRowPitch + 22;
    return {kBarLeft, top, model_->bars()[static_cast<std::size_t>(nutrient)].barLength,
            ProductDetailPortraitVC::kBarThickness};
}

void ProductDetailPortraitWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf2, 0xf3, 0xf5));
    const QIcon column("pictures:column.svg");
    for (int n = 0; n < kNutrientCount; ++n) {
        const FolderGdaBar& bar = model_->bars()[static_cast<std::size_t>(n)];
        const int top = kBarsTop + n * kRowPitch;
        QFont f = font();
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x1c, 0x1e, 0x21));
        p.drawText(QRect(kBarLeft, top, width() / 2, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   qs(strings_.text(ProductDetailPortraitVC::barTitleKey(kNutrients[n]))));
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRect(width() / 2, top, width() / 2 - kBarLeft, 20),
                   Qt::AlignRight | Qt::AlignVCenter, qs(bar.valueLabel));
        // Drawn at its full length: the widget's edge clips a bar beyond 100 %.
        const QRect r = barRect(n);
        if (r.width() > 0) {
            // The column picture stretched to the bar, whatever its own proportions.
            const QPixmap picture = column.pixmap(QSize(r.height(), r.height()));
            if (picture.isNull())
                p.fillRect(r, QColor(0x23, 0x73, 0x5a));
            else
                p.drawPixmap(r, picture);
        }
        p.setPen(QColor(0x23, 0x73, 0x5a));
        p.drawText(QRect(kBarLeft + std::max(0, std::min(r.width(), width() - 80)) + 6, r.top(), 70,
                         r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, qs(bar.percentLabel));
    }
}

} // namespace tolvane
