#include "PlannerRows.h"

#include <QIcon>

namespace tolvane::plannerrows {

void paintBackground(QPainter& p, const QRect& row, const char* picture, bool selected) {
    const QIcon background(QString("pictures:%1").arg(QString(picture).replace(".png", ".svg")));
    if (!background.isNull())
        p.drawPixmap(row, background.pixmap(row.size()));
    else
        p.fillRect(row, Qt::white);
    if (selected) p.fillRect(row, QColor(35, 115, 90, 40));
}

void paintDeleteMark(QPainter& p, const QRect& row) {
    const QRect mark = markRect(row);
    const QPoint c = mark.center() + QPoint(4, 0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd3, 0x2f, 0x2f));
    p.drawEllipse(c, 10, 10);
    p.setBrush(Qt::white);
    p.drawRect(c.x() - 6, c.y() - 1, 12, 3);
    p.restore();
}

void paintMoveHandle(QPainter& p, const QRect& row) {
    const QRect handle = handleRect(row);
    p.save();
    p.setPen(QPen(QColor(0x9a, 0xa0, 0xa6), 2));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(handle.left() + 10, handle.center().y() + 6 * i, handle.right() - 10,
                   handle.center().y() + 6 * i);
    p.restore();
}

void paintConfirm(QPainter& p, const QRect& row, const QString& text) {
    const QRect button = confirmRect(row);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd3, 0x2f, 0x2f));
    p.drawRoundedRect(button, 6, 6);
    QFont f = p.font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(button, Qt::AlignCenter, text);
    p.restore();
}

void paintDisclosure(QPainter& p, const QRect& row) {
    p.save();
    p.setPen(QColor(0xb0, 0xb4, 0xba));
    QFont mark = p.font();
    mark.setPixelSize(22);
    p.setFont(mark);
    p.drawText(row.adjusted(0, 0, -10, -3), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("\u203A"));
    p.restore();
}

} // namespace tolvane::plannerrows
