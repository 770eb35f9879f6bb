#include "screens/filing/CheckPickerModel.h"

#include <gtest/gtest.h>

#include <map>

using namespace tolvane;

namespace {

// Keeps the marks, as the detail screen does; can refuse a write to show a failed one.
struct Items : CheckPickerViewDelegate {
    std::vector<std::string> names;
    std::vector<bool> marks;
    std::vector<std::string> calls;
    std::map<int, int> stateReads;
    bool refuseWrites = false;

    explicit Items(int n) {
        for (int i = 0; i < n; ++i)
            names.push_back("Ordner " + std::to_string(i));
        marks.assign(static_cast<std::size_t>(n), false);
    }
    int numberOfRowsForPickerView() override { return static_cast<int>(names.size()); }
    std::string pickerViewTextForRow(int item) override { return names.at(item); }
    bool pickerViewSelectionStateForRow(int item) override {
        ++stateReads[item];
        return marks.at(item);
    }
    void pickerViewDidCheckRow(int item) override {
        calls.push_back("check " + std::to_string(item));
        if (!refuseWrites) marks.at(item) = true;
    }
    void pickerViewDidUncheckRow(int item) override {
        calls.push_back("uncheck " + std::to_string(item));
        if (!refuseWrites) marks.at(item) = false;
    }
};

struct Screen : CheckPickerListener {
    int redraws = 0;
    std::vector<double> scrolls;
    void pickerRowsChanged() override { ++redraws; }
    void pickerScrollTo(double offset) override { scrolls.push_back(offset); }
};

} // namespace

TEST(CheckPicker, TwoBlankRowsAtEachEndAndNoneWithoutItems) {
    Items none(0);
    CheckPickerModel empty(&none);
    EXPECT_TRUE(empty.numberOfRows() == 0 && empty.visibleRows().empty());
    EXPECT_EQ(empty.rowAt(100), -1);

    Items one(1);
    CheckPickerModel single(&one);
    ASSERT_EQ(single.numberOfRows(), 5);
    for (int r : {0, 1, 3, 4})
        EXPECT_TRUE(single.isBlankRow(r) && single.row(r).blank && single.row(r).text.empty()) << r;
    // The one folder stands in the middle of the five rows that show.
    EXPECT_EQ(single.row(2).text, "Ordner 0");
    EXPECT_EQ(single.rowAt(2.5 * single.rowHeight()), 2);
    EXPECT_EQ(single.maximumOffset(), 0.0);

    Items many(12);
    CheckPickerModel list(&many);
    EXPECT_EQ(list.numberOfRows(), 16);
    EXPECT_EQ(list.itemForRow(13), 11);
    EXPECT_TRUE(list.isBlankRow(14) && list.isBlankRow(15));
    EXPECT_TRUE(list.row(-1).blank && list.row(16).blank);
    // The last item can be scrolled to the middle, no further.
    EXPECT_EQ(list.maximumOffset(), 11 * list.rowHeight());
    EXPECT_EQ(list.offsetCentring(13), list.maximumOffset());
}

TEST(CheckPicker, ATouchFlipsTheMarkThroughTheDelegateAndCentresTheRow) {
    Items items(8);
    CheckPickerModel picker(&items);
    Screen screen;
    picker.setListener(&screen);
    const double h = picker.rowHeight();

    picker.touchAt(4.5 * h); // row 4: item 2
    EXPECT_EQ(items.calls, (std::vector<std::string>{"check 2"}));
    EXPECT_TRUE(picker.row(4).checked);
    EXPECT_EQ(screen.redraws, 1);
    EXPECT_EQ(screen.scrolls, (std::vector<double>{2 * h}));
    EXPECT_EQ(picker.offset(), 2 * h);

    // The same row, now in the middle, unchecks it.
    picker.touchAt(2.5 * h);
    EXPECT_EQ(items.calls.back(), "uncheck 2");
    EXPECT_FALSE(picker.row(4).checked);

    // Other visible rows are drawn again from the delegate after a touch.
    items.stateReads.clear();
    picker.touchRow(5);
    for (int row : picker.visibleRows())
        if (!picker.isBlankRow(row)) picker.row(row);
    EXPECT_GE(items.stateReads[1], 1);
    EXPECT_GE(items.stateReads[4], 1);
}

TEST(CheckPicker, BlankRowsAndFailedWritesChangeNothing) {
    Items items(2);
    CheckPickerModel picker(&items);
    Screen screen;
    picker.setListener(&screen);
    for (int row : {0, 1, 4, 5, -1, 99})
        picker.touchRow(row);
    EXPECT_TRUE(items.calls.empty() && screen.scrolls.empty());
    EXPECT_EQ(screen.redraws, 0);

    // The owner could not store the check: the row shows what the owner holds.
    items.refuseWrites = true;
    picker.touchRow(2);
    EXPECT_EQ(items.calls, (std::vector<std::string>{"check 0"}));
    EXPECT_FALSE(picker.row(2).checked);
}

TEST(CheckPicker, DragsAndFlicksComeToRestOnARowBoundary) {
    Items items(20);
    CheckPickerModel picker(&items);
    Screen screen;
    picker.setListener(&screen);
    const double h = picker.rowHeight(); // 44

    picker.setOffset(3 * h + 21.9); // cut to 153: rest 21 < 22, back to 132
    picker.endDragging(false);
    EXPECT_EQ(picker.offset(), 3 * h);
    picker.setOffset(3 * h + 22); // rest 22: on to the next boundary
    picker.endDragging(true);     // still moving: no snap yet
    EXPECT_EQ(picker.offset(), 3 * h + 22);
    picker.endDecelerating();
    EXPECT_EQ(picker.offset(), 4 * h);
    EXPECT_EQ(screen.scrolls, (std::vector<double>{3 * h, 4 * h}));

    // Never beyond the ends.
    picker.setOffset(-50);
    EXPECT_EQ(picker.offset(), 0.0);
    picker.setOffset(1e6);
    EXPECT_EQ(picker.offset(), picker.maximumOffset());
    EXPECT_EQ(picker.snappedOffset(picker.maximumOffset() - 1), picker.maximumOffset());

    // Fewer items afterwards: the offset is kept within the shorter list.
    items.names.resize(3);
    items.marks.resize(3);
    picker.reloadData();
    EXPECT_EQ(picker.offset(), 2 * h);
}
