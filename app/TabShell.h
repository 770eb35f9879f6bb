// The four-tab interface: a navigation stack per tab and the tab bar at the bottom.
#pragma once

#include "app/NavigationStack.h"

#include <QWidget>

#include <array>

class QStackedWidget;
class QToolButton;

namespace tolvane {

class TabShell : public QWidget {
    Q_OBJECT
public:
    static constexpr int tabCount = 4;

    TabShell(const ScreenFactory& factory, Platform platform, Pictures& pictures,
             Tolvane_AppDelegate& delegate, QWidget* parent = nullptr);

    NavigationStack* stack(int tab) const { return stacks_.at(tab); }
    void setTabTitle(int tab, const QString& title);
    QString tabTitle(int tab) const;
    int currentIndex() const;
    void setCurrentIndex(int tab);
    QToolButton* tabButton(int tab) const { return buttons_.at(tab); }

signals:
    void currentChanged(int tab);

private:
    QStackedWidget* pages_;
    std::array<NavigationStack*, tabCount> stacks_{};
    std::array<QToolButton*, tabCount> buttons_{};
};

} // namespace tolvane
