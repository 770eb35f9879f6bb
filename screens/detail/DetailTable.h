#pragma once

#include "screens/detail/ProductDetail.h"

#include <QWidget>

namespace tolvane {

// The rows of the detail drawn in one widget: the header row, five light rows, the portion.
class DetailTable : public QWidget {
    Q_OBJECT
public:
    explicit DetailTable(const ProductDetail& detail, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ProductDetail& detail_;
};

} // namespace tolvane
