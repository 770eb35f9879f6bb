// What a screen reader says about a control, from the string tables, and the keyboard's share of
// a tap: the one place widgets name their controls and Return presses them.
#pragma once

#include <QAccessible>

class QAbstractButton;
class QAbstractScrollArea;
class QAction;
class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

namespace tolvane {

class Strings;

// Gives the control the text of the description key as its accessible description and, with a
// name key, the text of that key as its name. Without one the name Qt takes from the control's
// visible text stays. Keys are written with key("…") at the call, so the tables' check finds them.
void describe(QWidget* control, const Strings& strings, const char* descriptionKey,
              const char* nameKey = nullptr);
// A navigation bar action: the bar's button takes the texts (the name only where the action
// shows an icon or a sign instead of words).
void describe(QAction* action, const Strings& strings, const char* descriptionKey,
              const char* nameKey = nullptr);

// Names the scroll bars of a scrolling page or list, which a screen reader can move.
void describeScrollBars(QAbstractScrollArea* area, const Strings& strings);

// The role a container is heard with (a tab bar's page tab list, a group).
void setAccessibleRole(QWidget* control, QAccessible::Role role);
// A checkable button that stands for a page: heard as a tab, selected while checked, and its
// action clicks it as a tap does.
void exposeAsPageTab(QAbstractButton* tab);

// A row drawn as a plain widget that acts on Space: heard as a button whose action does what
// Space does on it.
void exposeAsButton(QWidget* row);

// A row of a list built of widgets that acts on Space: heard as a list item, selected while it
// has the keyboard, whose action does what Space does. Its own keys stay its children.
void exposeAsListRow(QWidget* row);

// A control holding a step that Escape undoes (a delete button shown) says so while it does:
// the window's back key then leaves Escape to it.
void holdEscape(QWidget* control, bool held);
// True when the control or one of its parents holds Escape.
bool escapeHeld(const QWidget* control);

// The frame around the row or control the keyboard is on.
void paintKeyboardFocus(QPainter& painter, const QRect& rect);

// Return or Enter on the focused button clicks it, on a list's current row chooses it as a tap
// does. True when the key was used.
bool pressByKeyboard(QWidget* focused, const QKeyEvent& key);

} // namespace tolvane
