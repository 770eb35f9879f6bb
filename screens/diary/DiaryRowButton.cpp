#include "screens/diary/DiaryRowButton.h"

#include "screens/common/Accessibility.h"

#include <QPainter>

namespace tolvane {

DiaryRowButton::DiaryRowButton(QString title, QString subtitle, QString figure, QString figureBelow,
                               QWidget* parent)
    : QAbstractButton(parent), title_(std::move(title)), subtitle_(std::move(subtitle)),
      figure_(std::move(figure)), figureBelow_(std::move(figureBelow)) {
    setObjectName("diaryRow");
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(title_ + ", " + subtitle_ + ", " + figure_ + ", " + figureBelow_);
}

QSize DiaryRowButton::sizeHint() const {
    return {280, fontMetrics().height() * 2 + 14};
}

void DiaryRowButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), isDown() ? QColor(0xe4, 0xe7, 0xeb) : QColor(Qt::white));
    p.setPen(QColor(0xec, 0xee, 0xf1));
    p.drawLine(rect().bottomLeft(), rect().bottomRight());
    const QRect inner = rect().adjusted(12, 6, -12, -6);
    const int line = fontMetrics().height();
    QFont bold = font();
    bold.setBold(true);
    const int figures = std::max(fontMetrics().horizontalAdvance(figure_),
                                 fontMetrics().horizontalAdvance(figureBelow_)) +
                        10;
    const int textWidth = std::max(0, inner.width() - figures);
    p.setFont(bold);
    p.setPen(QColor(0x1c, 0x1e, 0x21));
    p.drawText(QRect(inner.left(), inner.top(), textWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(title_, Qt::ElideRight, textWidth));
    p.setFont(font());
    p.setPen(QColor(0x6d, 0x71, 0x78));
    p.drawText(QRect(inner.left(), inner.top() + line, textWidth, line),
               Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(subtitle_, Qt::ElideRight, textWidth));
    p.setPen(QColor(0x1c, 0x1e, 0x21));
    p.drawText(QRect(inner.left(), inner.top(), inner.width(), line),
               Qt::AlignRight | Qt::AlignVCenter, figure_);
    p.setPen(QColor(0x6d, 0x71, 0x78));
    p.drawText(QRect(inner.left(), inner.top() + line, inner.width(), line),
               Qt::AlignRight | Qt::AlignVCenter, figureBelow_);
    if (hasFocus()) paintKeyboardFocus(p, rect());
}

} // namespace tolvane
