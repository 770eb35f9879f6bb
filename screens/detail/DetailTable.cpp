#include "DetailTable.h"

#include "screens/common/Accessibility.h"
#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"

#include <QPainter>

namespace tolvane {

DetailTable::DetailTable(const ProductDetail& detail, QWidget* parent)
    : QWidget(parent), detail_(detail) {
    setObjectName("detailTable");
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus); // a screen reader reads the table when Tab reaches it
}

QSize DetailTable::sizeHint() const {
    int height = 0;
    for (int row = 0; row < detail_.numberOfRows(); ++row)
        height += ProductDetail::rowHeight(detail_.row(row).kind);
    return {300, height + 2};
}

void DetailTable::refresh() {
    updateGeometry();
    setFixedHeight(sizeHint().height());
    update();
}

void DetailTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int rows = detail_.numberOfRows();
    if (rows == 0) return;
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QColor(0xdf, 0xe1, 0xe5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 10, 10);
    int y = 1;
    for (int row = 0; row < rows; ++row) {
        const DetailRow content = detail_.row(row);
        const int h = ProductDetail::rowHeight(content.kind);
        const QRect r(10, y, width() - 20, h);
        QFont f = font();
        if (content.kind != DetailRow::Kind::Nutrient) {
            f.setPixelSize(content.kind == DetailRow::Kind::Header ? 11 : 13);
            p.setFont(f);
            p.setPen(QColor(0x6d, 0x71, 0x78));
            p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, qs(content.title));
        } else {
            namedPicture(qs(content.picture)).paint(&p, QRect(r.left(), y + 4, 32, h - 8));
            f.setPixelSize(14);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(0x1c, 0x1e, 0x21));
            // The name takes what the figure leaves, on two lines when it must.
            QFont plain = f;
            plain.setBold(false);
            const int figure = QFontMetrics(plain).horizontalAdvance(qs(content.value)) + 12;
            p.drawText(r.adjusted(42, 0, -std::max(figure, 50), 0),
                       Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, qs(content.title));
            f.setBold(false);
            p.setFont(f);
            p.drawText(r, Qt::AlignVCenter | Qt::AlignRight, qs(content.value));
        }
        if (row + 1 < rows) {
            p.setPen(QColor(0xec, 0xee, 0xf1));
            p.drawLine(10, y + h, width() - 10, y + h);
        }
        y += h;
    }
    if (hasFocus()) paintKeyboardFocus(p, rect());
}

} // namespace tolvane
