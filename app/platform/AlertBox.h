// One alert as a handheld shows it: title, message and up to three buttons on a card that is
// never wider than the window it belongs to and sits centred over it. Buttons keep the order
// they were given (first left, or on top when they do not fit side by side and are stacked).
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class QBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tolvane {

class AlertBox : public QDialog {
    Q_OBJECT
public:
    // escapeButton: the button that Escape stands for.
    AlertBox(const QString& title, const QString& message, const QStringList& buttons,
             int escapeButton, QWidget* window);

    QString title() const;
    QString message() const;
    const QList<QPushButton*>& buttons() const { return buttons_; }
    bool buttonsStacked() const { return stacked_; }
    // Sizes the card for the window and centres it over the window.
    void place();
    // The boxes open now, oldest first.
    static QList<AlertBox*> shown();

    static constexpr int preferredWidth = 288;
    static constexpr int windowMargin = 16;

signals:
    void chosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Closed without a button (Escape, the window manager): as the escape button.
    void reject() override;

private:
    void choose(int index);
    QRect windowRect() const;

    QPointer<QWidget> window_;
    QLabel* title_;
    QLabel* message_;
    QScrollArea* messageArea_;
    QWidget* buttonRow_;
    QBoxLayout* buttonLayout_;
    QList<QPushButton*> buttons_;
    int escapeButton_;
    int serial_;
    bool stacked_ = false;
    bool answered_ = false;
};

} // namespace tolvane
