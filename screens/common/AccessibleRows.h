// A list or wheel that draws its rows itself, as a screen reader meets it over AT-SPI: the rows
// are children with a name, a place, states (selected, checked) and actions (press as a tap,
// toggle a mark). Qt sends over the bus only what an accessible interface gives, so a drawn row
// that is not a child is not heard at all.
//
// The widget (or its owner) implements AccessibleRows and calls exposeRows() once; it tells the
// readers with rowsChanged() when the rows are replaced and currentRowChanged() when another row
// becomes the chosen one. Everything here runs on the UI thread.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace tolvane {

class AccessibleRows {
public:
    virtual ~AccessibleRows() = default;
    virtual int accessibleRowCount() const = 0;
    virtual QString accessibleRowName(int row) const = 0;
    // Where the row is drawn, in the exposed widget's coordinates; empty while out of view.
    virtual QRect accessibleRowRect(int row) const = 0;
    virtual QAccessible::Role accessibleRowRole(int) const { return QAccessible::ListItem; }
    // The chosen row (a wheel's middle, a list's current row), or -1.
    virtual int accessibleCurrentRow() const { return -1; }
    // A row that shows an amount (a bar): its Value, out of at least 100.
    virtual std::optional<double> accessibleRowValue(int) const { return std::nullopt; }
    virtual bool accessibleRowCheckable(int) const { return false; }
    virtual bool accessibleRowChecked(int) const { return false; }
    // False for a heading between the rows: it has no action.
    virtual bool accessibleRowPressable(int) const { return true; }
    // Does what a tap on the row does. Called after the reader's request has been answered.
    virtual void pressAccessibleRow(int row) = 0;
    virtual void toggleAccessibleRow(int) {}
};

// The widget is heard with this role and the rows of source as its children. A wheel (spin
// box role) also gives the chosen row's number as its Value, which a reader may set.
void exposeRows(QWidget* widget, AccessibleRows* source,
                QAccessible::Role role = QAccessible::List);
// Before the source goes away while the widget stays.
void unexposeRows(QWidget* widget);
// The rows were replaced: the children the readers hold are dropped.
void rowsChanged(QWidget* widget);
// The rows stay but say something else (a bar's new amount).
void rowTextsChanged(QWidget* widget);
// Another row is the chosen one: focus and selection move to it.
void currentRowChanged(QWidget* widget);
// A row's mark was set or cleared.
void rowCheckChanged(QWidget* widget, int row);

} // namespace tolvane

namespace tolvane {

// A layer over a drawing of bars that lets every touch through: to a screen reader a group of
// progress bars, each named with its nutrient, share and amount. The drawing calls changed()
// when it draws other bars.
class AccessibleBars : public QWidget, private AccessibleRows {
public:
    struct Bar {
        QString name;
        QRect rect; // in the drawing's coordinates
        double percent = 0.0;
    };
    AccessibleBars(QWidget* drawing, const QString& name, int count, std::function<Bar(int)> bar);
    ~AccessibleBars() override;
    void changed();

private:
    int accessibleRowCount() const override { return count_; }
    QString accessibleRowName(int row) const override { return bar_(row).name; }
    QRect accessibleRowRect(int row) const override { return bar_(row).rect; }
    QAccessible::Role accessibleRowRole(int) const override { return QAccessible::ProgressBar; }
    std::optional<double> accessibleRowValue(int row) const override { return bar_(row).percent; }
    bool accessibleRowPressable(int) const override { return false; }
    void pressAccessibleRow(int) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    int count_;
    std::function<Bar(int)> bar_;
};

} // namespace tolvane
