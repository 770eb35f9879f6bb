#include "screens/common/ElidedLabel.h"

namespace tolvane {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent), full_(text) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize ElidedLabel::sizeHint() const {
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(full_) + m.left() + m.right() + 2,
            QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("M\u2026")), sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    const QString shown =
        fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width() - 2);
    if (shown != text()) setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

} // namespace tolvane
