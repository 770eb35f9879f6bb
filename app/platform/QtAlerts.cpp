#include "app/platform/QtAlerts.h"

#include <QMessageBox>
#include <QPushButton>

namespace tolvane {

void QtAlerts::show(const AlertRequest& alert, AlertAnswer answer) {
    auto* box = new QMessageBox(window_);
    box->setObjectName("alert");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QString::fromStdString(strings_.text(alert.title)));
    if (!alert.title.empty())
        box->setText("<b>" + QString::fromStdString(strings_.text(alert.title)).toHtmlEscaped() +
                     "</b>");
    box->setInformativeText(QString::fromStdString(strings_.text(alert.message)));
    std::vector<QAbstractButton*> buttons;
    auto labels = alert.buttons.empty() ? std::vector<std::string>{"OK"} : alert.buttons;
    for (std::size_t i = 0; i < labels.size() && i < 3; ++i) {
        auto role = i == 0 ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons.push_back(box->addButton(QString::fromStdString(strings_.text(labels[i])), role));
    }
    box->setEscapeButton(buttons.front());
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [buttons, answer = std::move(answer)](QAbstractButton* clicked) {
                         if (!answer) return;
                         for (std::size_t i = 0; i < buttons.size(); ++i)
                             if (buttons[i] == clicked) answer(int(i));
                     });
    // Window-modal like a handheld's alert, but the caller is never blocked.
    box->open();
}

} // namespace tolvane
