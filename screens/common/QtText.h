// std::string (UTF-8) to QString, for the texts the models hand to widgets.
#pragma once

#include <QLabel>
#include <QString>

#include <string>

namespace tolvane {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Shows the text on the label, shortened with "…" to the width given; then the tooltip holds the
// whole text.
inline void setElidedText(QLabel* label, const QString& text, int width) {
    label->ensurePolished();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, width);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

} // namespace tolvane
