#include "app/FocusInView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScrollArea>

namespace tolvane {
namespace {

class FocusInView : public QObject {
public:
    explicit FocusInView(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }

private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only where the keyboard moved the focus: a tap must not scroll what it is pressing.
        if (event->type() != QEvent::FocusIn) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* now = qobject_cast<QWidget*>(watched);
        if (!now || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
            return false;
        // The nearest scrolling page that holds the control (not a list's own viewport).
        for (QWidget* up = now->parentWidget(); up; up = up->parentWidget()) {
            auto* area = qobject_cast<QScrollArea*>(up);
            if (area && area->widget() && area->widget()->isAncestorOf(now)) {
                area->ensureWidgetVisible(now, 10, 30);
                break;
            }
        }
        return false;
    }
};

} // namespace

void keepFocusInView(QObject* owner) {
    new FocusInView(owner); // owned by owner
}

} // namespace tolvane
