// A check list drawn like a picker wheel, without the drawing: its rows (two blank rows at each
// end so that the first and last item can stand in the middle), what a touch does, and where a
// drag or flick comes to rest. The widget draws rows from here and reports touches and scrolling.
#pragma once

#include "CheckPickerViewDelegate.h"

#include <string>
#include <vector>

namespace tolvane {

class CheckPickerListener {
public:
    virtual ~CheckPickerListener() = default;
    // Rows to draw again (their marks were read from the delegate anew).
    virtual void pickerRowsChanged() = 0;
    // Scroll, animated, to the offset (offset() already holds it).
    virtual void pickerScrollTo(double offset) = 0;
};

struct PickerRow {
    bool blank = true;
    std::string text;
    bool checked = false;
};

class CheckPickerModel {
public:
    // The picker and the list inside it, in points.
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 216;
    static constexpr int kListLeft = 10;
    static constexpr int kListTop = -2;
    static constexpr int kListWidth = 300;
    static constexpr int kListHeight = 218;
    static constexpr int kBlankRows = 2; // at each end
    static constexpr double kDefaultRowHeight = 44.0;
    // Text colour of a checked row.
    static constexpr double kCheckedRed = 0.12890625, kCheckedGreen = 0.3125,
                            kCheckedBlue = 0.5234375;
    static const char* checkPicture(bool highlighted) {
        return highlighted ? "check_selected" : "check";
    }

    explicit CheckPickerModel(CheckPickerViewDelegate* delegate = nullptr,
                              double rowHeight = kDefaultRowHeight);

    void setDelegate(CheckPickerViewDelegate* delegate);
    CheckPickerViewDelegate* delegate() const { return delegate_; }
    void setListener(CheckPickerListener* listener) { listener_ = listener; }

    // n + 4 rows for n items, none at all for none.
    int numberOfRows() const;
    double rowHeight() const { return rowHeight_; }
    bool isBlankRow(int row) const;
    // The item a row shows, -1 for a blank row.
    int itemForRow(int row) const;
    // Text and mark, read from the delegate every time.
    PickerRow row(int row) const;

    // Scroll position: the list's top edge in content points.
    double offset() const { return offset_; }
    double maximumOffset() const;
    // The rows at least partly inside the list.
    std::vector<int> visibleRows() const;
    // The row under a point of the list (y from the list's top edge), -1 when none.
    int rowAt(double y) const;
    // The offset that puts a row in the middle of the five that show.
    double offsetCentring(int row) const { return rowHeight_ * (row - kBlankRows); }

    // A tap on a row: a blank row does nothing; an item flips its mark through the delegate,
    // every visible row takes its mark again and the row scrolls to the middle.
    void touchRow(int row);
    void touchAt(double y);

    // The mouse wheel turns the list by whole rows (positive: further down the list), from the
    // row boundary it rests on or is heading for.
    void scrollByRows(int rows);

    // Dragging moves the list (kept within its range).
    void setOffset(double offset);
    // A drag ended; without momentum the list comes to rest on a row boundary.
    void endDragging(bool willDecelerate);
    // The momentum ended: rest on a row boundary.
    void endDecelerating();
    // Where a list resting at the offset snaps to.
    double snappedOffset(double offset) const;

    // The delegate's items changed: rows are counted again, the offset kept within range.
    void reloadData();

private:
    int itemCount() const;
    void scrollTo(double offset);
    void snap();
    void rowsChanged();

    CheckPickerViewDelegate* delegate_ = nullptr;
    CheckPickerListener* listener_ = nullptr;
    double rowHeight_;
    double offset_ = 0.0;
};

} // namespace tolvane
