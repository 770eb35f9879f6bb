#include "CheckPickerModel.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

CheckPickerModel::CheckPickerModel(CheckPickerViewDelegate* delegate, double rowHeight)
    : delegate_(delegate), rowHeight_(rowHeight > 0 ? rowHeight : kDefaultRowHeight) {}

void CheckPickerModel::setDelegate(CheckPickerViewDelegate* delegate) {
    delegate_ = delegate;
    reloadData();
}

int CheckPickerModel::itemCount() const {
    return delegate_ ? std::max(0, delegate_->numberOfRowsForPickerView()) : 0;
}

int CheckPickerModel::numberOfRows() const {
    const int n = itemCount();
    return n == 0 ? 0 : n + 2 * kBlankRows;
}

bool CheckPickerModel::isBlankRow(int row) const {
    return itemForRow(row) < 0;
}

int CheckPickerModel::itemForRow(int row) const {
    const int n = itemCount();
    const int item = row - kBlankRows;
    return item >= 0 && item < n ? item : -1;
}

PickerRow CheckPickerModel::row(int row) const {
    const int item = itemForRow(row);
    if (item < 0) return {};
    return {false, delegate_->pickerViewTextForRow(item),
            delegate_->pickerViewSelectionStateForRow(item)};
}

double CheckPickerModel::maximumOffset() const {
    // The last item in the middle.
    const int n = itemCount();
    return n == 0 ? 0.0 : rowHeight_ * (n - 1);
}

std::vector<int> CheckPickerModel::visibleRows() const {
    std::vector<int> rows;
    const int count = numberOfRows();
    const int first = std::max(0, static_cast<int>(std::floor(offset_ / rowHeight_)));
    for (int r = first; r < count && r * rowHeight_ < offset_ + kListHeight; ++r)
        rows.push_back(r);
    return rows;
}

int CheckPickerModel::rowAt(double y) const {
    if (!(y >= 0.0 && y < kListHeight)) return -1;
    const int r = static_cast<int>(std::floor((offset_ + y) / rowHeight_));
    return r < numberOfRows() ? r : -1;
}

void CheckPickerModel::touchRow(int row) {
    const int item = itemForRow(row);
    if (item < 0) return;
    const bool checked = !delegate_->pickerViewSelectionStateForRow(item);
    if (checked)
        delegate_->pickerViewDidCheckRow(item);
    else
        delegate_->pickerViewDidUncheckRow(item);
    // Marks come from the delegate alone, so a write that failed shows as not made.
    rowsChanged();
    scrollTo(offsetCentring(row));
}

void CheckPickerModel::touchAt(double y) {
    touchRow(rowAt(y));
}

void CheckPickerModel::scrollByRows(int rows) {
    scrollTo(snappedOffset(offset_) + rows * rowHeight_);
}

void CheckPickerModel::setOffset(double offset) {
    offset_ = std::clamp(offset, 0.0, maximumOffset());
}

double CheckPickerModel::snappedOffset(double offset) const {
    const double y = std::floor(offset);
    const double h = std::floor(rowHeight_);
    if (h <= 0) return std::clamp(y, 0.0, maximumOffset());
    const double rest = std::fmod(y, h);
    const double target = rest >= h / 2 ? y + (h - rest) : y - rest;
    return std::clamp(target, 0.0, maximumOffset());
}

void CheckPickerModel::endDragging(bool willDecelerate) {
    if (!willDecelerate) snap();
}

void CheckPickerModel::endDecelerating() {
    snap();
}

void CheckPickerModel::snap() {
    scrollTo(snappedOffset(offset_));
}

void CheckPickerModel::reloadData() {
    offset_ = std::clamp(offset_, 0.0, maximumOffset());
    rowsChanged();
}

void CheckPickerModel::scrollTo(double offset) {
    offset_ = std::clamp(offset, 0.0, maximumOffset());
    if (listener_) listener_->pickerScrollTo(offset_);
}

void CheckPickerModel::rowsChanged() {
    if (listener_) listener_->pickerRowsChanged();
}

} // namespace tolvane
