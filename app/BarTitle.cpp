#include "app/BarTitle.h"

#include "screens/common/QtText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace tolvane {
namespace {

// The room a title leaves for the glyphs' overhang and the bar's own margins.
constexpr int kSlack = 22;

} // namespace

bool BarTitle::fitsAs(Form form, const QString& title, int room) {
    label_->ensurePolished();
    const bool small = form != Form::Large;
    if (label_->property("long").toBool() != small) {
        label_->setProperty("long", small); // the style sheet's smaller size
        label_->style()->unpolish(label_);
        label_->style()->polish(label_);
    }
    const QFontMetrics metrics = label_->fontMetrics();
    if (form != Form::TwoLines) return metrics.horizontalAdvance(title) <= room;
    // Broken between words, each line within the room, two lines within the bar's height.
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap | Qt::AlignCenter, title);
    return needed.width() <= room && needed.height() < 3 * metrics.lineSpacing() - 2 &&
           needed.height() <= barHeight_ - 4;
}

bool BarTitle::fits(const QString& title, int room) {
    for (Form form : {Form::Large, Form::Small, Form::TwoLines})
        if (fitsAs(form, title, room - kSlack)) return true;
    return false;
}

void BarTitle::show(const QString& title, int barWidth, int leftWidth, int rightWidth) {
    // Centred on the bar when it fits there, else centred between the ends.
    const int margin = std::max(leftWidth, rightWidth) + 4;
    const int centred = barWidth - 2 * margin - 14;
    const int between = barWidth - leftWidth - rightWidth - kSlack;
    for (Form form : {Form::Large, Form::Small, Form::TwoLines}) {
        for (bool onCentre : {true, false}) {
            if (!fitsAs(form, title, onCentre ? centred : between)) continue;
            if (onCentre)
                label_->setContentsMargins(margin, 0, margin, 0);
            else
                label_->setContentsMargins(leftWidth + 4, 0, rightWidth + 4, 0);
            label_->setWordWrap(form == Form::TwoLines);
            label_->setText(title);
            label_->setToolTip({});
            return;
        }
    }
    label_->setContentsMargins(leftWidth + 4, 0, rightWidth + 4, 0);
    label_->setWordWrap(false);
    setElidedText(label_, title, std::max(40, between));
}

} // namespace tolvane
