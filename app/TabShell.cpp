#include "app/TabShell.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/Pictures.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {

TabShell::TabShell(const ScreenFactory& factory, Platform platform, Pictures& pictures,
                   Tolvane_AppDelegate& delegate, QWidget* parent)
    : QWidget(parent) {
    setObjectName("tabShell");
    pages_ = new QStackedWidget(this);
    auto* bar = new QWidget(this);
    bar->setObjectName("tabBar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(49);
    setAccessibleRole(bar, QAccessible::PageTabList);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(0);
    static const char* const icons[tabCount] = {"tab_suche", "tab_menulist", "tab_kategorien",
                                                "tab_setup"};
    for (int tab = 0; tab < tabCount; ++tab) {
        stacks_[tab] = new NavigationStack(factory, platform, pictures, delegate, tab);
        pages_->addWidget(stacks_[tab]);
        auto* button = new QToolButton(bar);
        button->setObjectName(QString("tabButton%1").arg(tab));
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(pictures.icon(icons[tab]));
        button->setIconSize(QSize(26, 26));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        describe(button, platform.strings, key("Accessible Tab Description"));
        exposeAsPageTab(button);
        // No button group: in one, Tab would reach only a single tab.
        connect(button, &QToolButton::clicked, this, [this, tab] {
            // The shown tab tapped again goes back to its first screen, as on a handheld.
            if (tab == currentIndex()) {
                buttons_[tab]->setChecked(true);
                stacks_[tab]->popToRoot();
            } else {
                setCurrentIndex(tab);
            }
        });
        barLayout->addWidget(button);
        buttons_[tab] = button;
    }
    buttons_[0]->setChecked(true);
    // Tab: the shown screen, then the tab bar left to right.
    for (int tab = 1; tab < tabCount; ++tab)
        setTabOrder(buttons_[tab - 1], buttons_[tab]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pages_, 1);
    layout->addWidget(bar);
}

void TabShell::setTabTitle(int tab, const QString& title) {
    if (tab >= 0 && tab < tabCount) buttons_[tab]->setText(title);
}

QString TabShell::tabTitle(int tab) const {
    return tab >= 0 && tab < tabCount ? buttons_[tab]->text() : QString();
}

int TabShell::currentIndex() const {
    return pages_->currentIndex();
}

void TabShell::setCurrentIndex(int tab) {
    if (tab < 0 || tab >= tabCount) return;
    for (int other = 0; other < tabCount; ++other)
        buttons_[other]->setChecked(other == tab);
    if (pages_->currentIndex() == tab) return;
    pages_->setCurrentIndex(tab);
    emit currentChanged(tab);
}

} // namespace tolvane
