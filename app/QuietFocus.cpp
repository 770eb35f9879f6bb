#include "app/QuietFocus.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QToolButton>

namespace tolvane {
namespace {

constexpr const char* kQuiet = "quietFocus"; // the style sheet draws no frame for it

bool isBarButton(const QWidget* w) {
    const QWidget* bar = w && qobject_cast<const QToolButton*>(w) ? w->parentWidget() : nullptr;
    return bar && (bar->objectName() == "navigationBar" || bar->objectName() == "tabBar");
}

void setQuiet(QWidget* w, bool quiet) {
    if (w->property(kQuiet).toBool() == quiet) return;
    w->setProperty(kQuiet, quiet);
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

class QuietFocus : public QObject {
public:
    explicit QuietFocus(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }

private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            keys_ = false;
            break;
        case QEvent::KeyPress:
            keys_ = true;
            if (QWidget* focused = QApplication::focusWidget(); isBarButton(focused))
                setQuiet(focused, false);
            break;
        case QEvent::FocusIn:
            if (auto* w = qobject_cast<QWidget*>(watched); isBarButton(w)) setQuiet(w, !keys_);
            break;
        default:
            break;
        }
        return false;
    }

    bool keys_ = false; // the last input came from the keyboard
};

} // namespace

void quietFocusWithoutKeys(QObject* owner) {
    new QuietFocus(owner); // owned by owner
}

} // namespace tolvane
