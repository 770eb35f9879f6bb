#include "app/ScreenshotSupport.h"

#include "app/platform/AlertBox.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QPushButton>

namespace tolvane {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool waitFor(const std::function<bool()>& condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

AlertBox* openAlert() {
    for (auto* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<AlertBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

void answer(const QString& text) {
    auto* box = openAlert();
    if (!box) return;
    QPushButton* chosen = box->buttons().front();
    for (auto* button : box->buttons())
        if (button->text() == text) chosen = button;
    chosen->click();
    settle();
}

QImage capture(QWidget* window) {
    QImage image = window->grab().toImage();
    if (auto* box = openAlert()) {
        QPainter painter(&image);
        painter.fillRect(QRect(QPoint(0, 0), window->size()), QColor(0, 0, 0, 90));
        // The card is sized and centred for the window already.
        painter.drawPixmap(box->geometry().translated(-window->mapToGlobal(QPoint(0, 0))),
                           box->grab());
    }
    return image;
}

} // namespace tolvane
