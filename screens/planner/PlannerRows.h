// Row drawing shared by the planner's lists: the alternating background pictures, the delete
// mark shown while rows can be deleted and the red button that confirms it.
#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

namespace tolvane::plannerrows {

inline constexpr int kMarkWidth = 36;    // delete mark at the left edge
inline constexpr int kHandleWidth = 40;  // move handle at the right edge
inline constexpr int kConfirmWidth = 84; // the delete button at the right edge

inline QRect markRect(const QRect& row) {
    return {row.left(), row.top(), kMarkWidth, row.height()};
}
inline QRect handleRect(const QRect& row) {
    return {row.right() - kHandleWidth + 1, row.top(), kHandleWidth, row.height()};
}
inline QRect confirmRect(const QRect& row) {
    return QRect(row.right() - kConfirmWidth - 5, row.top() + 8, kConfirmWidth, row.height() - 16);
}

void paintBackground(QPainter& p, const QRect& row, const char* picture, bool selected);
void paintDeleteMark(QPainter& p, const QRect& row);
void paintMoveHandle(QPainter& p, const QRect& row);
void paintConfirm(QPainter& p, const QRect& row, const QString& text);
void paintDisclosure(QPainter& p, const QRect& row);

} // namespace tolvane::plannerrows
