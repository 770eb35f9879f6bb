// The navigation bar's title: in its own size when it fits, else a size smaller, then on two
// lines of the smaller size, and shortened with "…" only when none of these fits. The label lies
// across the whole bar; its margins keep it clear of the buttons at the ends.
#pragma once

#include <QString>

class QLabel;

namespace tolvane {

class BarTitle {
public:
    BarTitle(QLabel* label, int barHeight) : label_(label), barHeight_(barHeight) {}

    // Whether the title shows whole in the room between the ends (it may take the smaller size).
    bool fits(const QString& title, int room);
    // Shows the title between ends of these widths, centred on the bar when it fits there.
    void show(const QString& title, int barWidth, int leftWidth, int rightWidth);

private:
    enum class Form { Large, Small, TwoLines };
    // Sets the label's size for the form and says whether the title fits the room so.
    bool fitsAs(Form form, const QString& title, int room);

    QLabel* label_;
    int barHeight_;
};

} // namespace tolvane
