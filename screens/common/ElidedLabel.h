// A one-line label for names of any length: it shortens its text with "…" to the width the
// layout gives it and then carries the whole text in its tooltip, so the keys beside it stay
// in the window.
#pragma once

#include <QLabel>

namespace tolvane {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);
    QString fullText() const { return full_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString full_;
};

} // namespace tolvane
