// A white table row that reports a tap, for the short grouped lists of the settings tab. Tab
// reaches it, Space or Return taps it, and a screen reader hears it as a button named by its
// texts.
#pragma once

#include <QAbstractButton>
#include <QFrame>

#include <optional>

class QHBoxLayout;
class QLabel;

namespace tolvane {

class TableRow : public QFrame {
    Q_OBJECT
public:
    explicit TableRow(const QString& text, QWidget* parent = nullptr);
    QLabel* label() const { return label_; }
    QHBoxLayout* accessories() const { return accessories_; }
    // Adds the ">" sign of a row that opens another screen.
    void addDisclosure();
    // A row of a one-of-many choice (a tick beside the chosen one): heard as a radio button.
    void setChoice(bool chosen);
    std::optional<bool> choice() const { return choice_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* label_;
    QHBoxLayout* accessories_;
    std::optional<bool> choice_;
};

// An on/off switch that is drawn like a handheld's.
class SwitchButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchButton(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {51, 31}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvane
