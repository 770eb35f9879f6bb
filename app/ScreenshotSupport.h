// What the screenshot tool does between shots: letting the event loop settle, waiting, the
// open alert answered, and the window captured with that alert over it.
#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QWidget;

namespace tolvane {

class AlertBox;

void settle();
// Runs the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int ms = 20000);
AlertBox* openAlert();
// Answers the open alert with the button showing that text, else with its first button.
void answer(const QString& text = {});
// The window, with an open alert drawn over it as the user would see it.
QImage capture(QWidget* window);

} // namespace tolvane
