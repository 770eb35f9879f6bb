// The whole shell started on fresh folders, as the road tests drive it: the delegate with every
// screen area registered, the alerts inside the window, and the checks every screen must pass.
#pragma once

#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/ScreenRegistry.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/AlertBox.h"
#include "screens/common/TableRow.h"
#include "tests/support/WidgetTaps.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace tolvane::test {

struct Run {
    std::unique_ptr<AppContext> context;
    ScreenFactory factory;
    std::unique_ptr<Tolvane_AppDelegate> delegate;

    Run(const QString& documents, const QString& resources, const QString& server = {},
        const QString& language = "de") {
        AppOptions options;
        options.documentsDir = documents;
        options.resourceDir = resources;
        options.defaultsFile = documents + "/defaults.ini";
        options.serverUrl = server;
        context =
            AppContext::create(options, std::make_unique<NullLog>(), {language.toStdString()});
        registerScreens(factory);
        delegate = std::make_unique<Tolvane_AppDelegate>(*context, factory);
        delegate->awakeFromNib();
        delegate->applicationDidFinishLaunching();
    }
    // The window takes the keyboard, as the one in front on a desktop does.
    bool activate() {
        QWidget* window = delegate->window();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    ~Run() {
        closeAlerts();
        delegate.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString text(const char* k) { return QString::fromStdString(context->strings->text(k)); }
    NavigationStack& stack(int tab) { return *delegate->tabBarVC()->stack(tab); }

    static QList<AlertBox*> alerts() { return AlertBox::shown(); }
    // Clicks the button with that key's text on the open alert; false when there is none.
    bool answer(const char* buttonKey) {
        for (auto* box : alerts())
            for (auto* button : box->buttons())
                if (button->text() == text(buttonKey)) {
                    tap(button);
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    return true;
                }
        return false;
    }
    bool alertSays(const char* messageKey) {
        for (auto* box : alerts())
            if (box->message() == text(messageKey)) return true;
        return false;
    }
    static void closeAlerts() {
        for (auto* box : alerts())
            box->buttons().front()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// With TOLVANE_GRAB_DIR set, keeps a picture of the window for a look by eye.
inline void grab(Run& run, const char* name) {
    const QString dir = qEnvironmentVariable("TOLVANE_GRAB_DIR");
    if (dir.isEmpty()) return;
    QCoreApplication::processEvents();
    run.delegate->window()->grab().save(dir + "/" + name + ".png");
}

// Every button and row the user can see on the window takes a click at its visible centre:
// nothing (a title, a panel, another screen) lies over it. Returns the ones that do not.
inline QStringList coveredControls(QWidget* window) {
    QCoreApplication::processEvents();
    QStringList covered;
    QList<QWidget*> controls;
    for (auto* button : window->findChildren<QAbstractButton*>())
        controls << button;
    for (auto* row : window->findChildren<TableRow*>())
        controls << row;
    for (QWidget* control : controls) {
        if (!control->isVisible() || !control->isEnabled() || control->visibleRegion().isEmpty())
            continue;
        if (!reachable(control)) {
            const auto* button = qobject_cast<QAbstractButton*>(control);
            covered << control->objectName() + " \"" + (button ? button->text() : QString()) + "\"";
        }
    }
    return covered;
}

// Taps a product row where it shows in the list.
inline void tapRow(QTreeView* table, int section, int row) {
    auto* m = table->model();
    const QModelIndex index = m->index(row, 0, m->index(section, 0));
    QVERIFY(index.isValid());
    table->scrollTo(index);
    tapAt(table->viewport(), table->visualRect(index).center());
}

// The navigation bar's button for a screen's action; null while the bar shows none.
inline QToolButton* barButton(NavigationStack& stack, QAction* action) {
    QCoreApplication::processEvents();
    for (auto* button : stack.findChildren<QToolButton*>())
        if (button->defaultAction() == action && button->isVisible()) return button;
    return nullptr;
}

} // namespace tolvane::test
