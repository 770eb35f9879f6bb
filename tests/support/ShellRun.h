// The whole shell started on fresh folders, as the road tests drive it: the delegate with every
// screen area registered, the alerts inside the window, and the checks every screen must pass.
#pragma once

#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/ScreenRegistry.h"
#include "app/Tab.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/AlertBox.h"
#include "screens/browse/ProductListWidget.h"
#include "screens/common/PlaceholderScreen.h"
#include "screens/common/TableRow.h"
#include "tests/support/WidgetTaps.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

// The screen on top of a navigation stack as the widget class the road expects; the road stops
// when it is another.
#define TOP_SCREEN(var, Widget, stack)                                                             \
    auto* var = qobject_cast<Widget*>((stack).topWidget());                                        \
    QVERIFY(var)

namespace tolvane::test {

// Links the string tables and pictures into a resource folder, and with a catalogue file given
// copies it there as the shipped one. The test target defines both folders.
inline bool shipInto(const QTemporaryDir& resources, const std::string& catalogue = {}) {
    return (catalogue.empty() ||
            QFile::copy(QString::fromStdString(catalogue), resources.filePath("Tolvane.db"))) &&
           QFile::link(TOLVANE_STRINGS_DIR, resources.filePath("strings")) &&
           QFile::link(TOLVANE_PICTURES_DIR, resources.filePath("pictures"));
}

// How a run starts: the server, the device's languages, and whether only the shell runs (every
// tab but the settings on a placeholder, so no area's start-up prompt shows).
struct RunOptions {
    QString server{};
    DefaultsList device{"de"};
    bool shellOnly = false;
};

struct Run {
    std::unique_ptr<AppContext> context;
    FakeUrlOpener* urls = nullptr;
    ScreenFactory factory;
    std::unique_ptr<Tolvane_AppDelegate> delegate;

    Run(const QString& documents, const QString& resources, const RunOptions& run = {}) {
        AppOptions options;
        options.documentsDir = documents;
        options.resourceDir = resources;
        options.defaultsFile = documents + "/defaults.ini";
        options.serverUrl = run.server;
        context = AppContext::create(options, std::make_unique<NullLog>(), run.device);
        auto fakeUrls = std::make_unique<FakeUrlOpener>();
        urls = fakeUrls.get();
        context->urls = std::move(fakeUrls);
        registerScreens(factory);
        if (run.shellOnly) {
            for (Tab tab : {kSearchTab, kMenuListTab, kCategoriesTab})
                factory.setRoot(tab, [](ScreenContext&) {
                    return std::make_shared<PlaceholderScreen>("Placeholder");
                });
            factory.setLandscape({});
        }
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
        delegate->applicationWillTerminate();
        closeAlerts();
        delegate.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString text(const char* k) { return QString::fromStdString(context->strings->text(k)); }
    NavigationStack& stack(int tab) { return *delegate->tabBarVC()->stack(tab); }
    TabShell& tabs() { return *delegate->tabBarVC(); }

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

// With TOLVANE_A11Y_DUMP set, prints what a screen reader finds: role, name, description, value.
inline void dumpAccessible(QAccessibleInterface* node, int depth = 0) {
    if (!node || depth > 40 || node->state().invisible) return;
    const auto line = QString(depth * 2, ' ') + QString::number(node->role(), 16) + " \"" +
                      node->text(QAccessible::Name) + "\" \"" +
                      node->text(QAccessible::Description) + "\" " + node->text(QAccessible::Value);
    qInfo().noquote() << line;
    for (int i = 0; i < node->childCount(); ++i)
        dumpAccessible(node->child(i), depth + 1);
}

// What a user would find wrong on the window: a button or row that a click at its visible centre
// does not reach (a title, a panel, another screen lies over it), a widget its parents cut off
// sideways, a text wider than its widget that neither wraps nor is elided with the whole text
// in its tooltip, or a control that Tab skips or a screen reader cannot name. Each named with its
// text.
inline QStringList screenFaults(QWidget* window) {
    QCoreApplication::processEvents();
    if (qEnvironmentVariableIsSet("TOLVANE_A11Y_DUMP"))
        dumpAccessible(QAccessible::queryAccessibleInterface(window));
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window) continue;
        const QRect whole(w->mapTo(window, QPoint()), w->size());
        QRect shown = whole; // what the parents leave of it
        for (const QWidget* p = w->parentWidget(); p;
             p = p->isWindow() ? nullptr : p->parentWidget())
            shown &= QRect(p->mapTo(window, QPoint()), p->size());
        if (shown.isEmpty()) continue; // scrolled away
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            // A title is read whole: its tooltip cannot be seen, the bar lets clicks through.
            if (w->objectName() == "navigationTitle" && !label->toolTip().isEmpty())
                faults << "title \"" + label->toolTip() + "\" shortened to \"" + text + "\"";
            needed = !label->wordWrap() ? label->sizeHint().width()
                     : label->heightForWidth(w->width()) > w->height()
                         ? w->width() + 1 // its last lines cut off
                         : label->minimumSizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text().remove('&');
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            text = field->text().isEmpty() ? field->placeholderText() : field->text();
        }
        if (!needed && !text.isEmpty()) needed = w->fontMetrics().horizontalAdvance(text) + 8;
        const QString name =
            w->metaObject()->className() + ("#" + w->objectName()) + " \"" + text + "\"";
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<TableRow*>(w);
        if (control && w->isEnabled() && !reachable(w)) faults << name + " covered";
        const bool keyed =
            !qobject_cast<QLineEdit*>(w->parentWidget()) && // not a field's part
            ((w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(w) ||
             qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) ||
             qobject_cast<QComboBox*>(w) || qobject_cast<QTabBar*>(w) ||
             (qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w)));
        // Of a button group Tab reaches the chosen button; the arrow keys go on to the others.
        auto* inGroup = qobject_cast<QAbstractButton*>(w);
        const bool grouped = inGroup && inGroup->group() && !inGroup->isChecked();
        if (keyed && w->isEnabled() && !grouped && !(w->focusPolicy() & Qt::TabFocus))
            faults << name + " skipped by Tab";
        if (keyed && w->isEnabled() &&
            QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
            faults << name + " unnamed";
        if (shown.left() > whole.left() || shown.right() < whole.right())
            faults << name + " outside";
        else if (needed > w->width() && w->toolTip().isEmpty())
            faults << name + QString(" needs %1 of %2").arg(needed).arg(w->width());
    }
    return faults;
}

// Taps a product row where it shows in the list.
inline void tapRow(ProductListWidget* list, int section, int row) {
    const QModelIndex index = list->tableModel()->productIndex(section, row);
    QVERIFY(index.isValid());
    list->table()->scrollTo(index);
    tapAt(list->table()->viewport(), list->table()->visualRect(index).center());
}

// The navigation bar's button for a screen's action; null while the bar shows none.
inline QToolButton* barButton(NavigationStack& stack, QAction* action) {
    QCoreApplication::processEvents();
    for (auto* button : stack.findChildren<QToolButton*>())
        if (button->defaultAction() == action && button->isVisible()) return button;
    return nullptr;
}

} // namespace tolvane::test
