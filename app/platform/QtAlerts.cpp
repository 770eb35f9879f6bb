#include "app/platform/QtAlerts.h"

#include "app/platform/AlertBox.h"

namespace tolvane {

void QtAlerts::show(const AlertRequest& alert, AlertAnswer answer) {
    const QString title = QString::fromStdString(strings_.text(alert.title));
    QStringList labels;
    for (const auto& button :
         alert.buttons.empty() ? std::vector<std::string>{"OK"} : alert.buttons)
        if (labels.size() < 3) labels << QString::fromStdString(strings_.text(button));
    auto* box = new AlertBox(alert.title.empty() ? QString() : title,
                             QString::fromStdString(strings_.text(alert.message)), labels,
                             alert.escapeButton, window_);
    QObject::connect(box, &AlertBox::chosen, box, [answer = std::move(answer)](int index) {
        if (answer) answer(index);
    });
    // Window-modal like a handheld's alert, but the caller is never blocked.
    box->open();
}

} // namespace tolvane
