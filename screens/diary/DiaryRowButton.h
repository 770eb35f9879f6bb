// A tappable diary row drawn in two lines (name over maker on the left, figures on the right),
// shortened with "…" to its width; heard as a button named by all its texts.
#pragma once

#include <QAbstractButton>

namespace tolvane {

class DiaryRowButton : public QAbstractButton {
    Q_OBJECT
public:
    DiaryRowButton(QString title, QString subtitle, QString figure, QString figureBelow,
                   QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_, subtitle_, figure_, figureBelow_;
};

} // namespace tolvane
