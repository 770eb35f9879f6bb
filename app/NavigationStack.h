// One tab's navigation stack: a bar on top (back button, title, bar buttons) and the
// screens below it, pushed and popped with a short slide. See ScreenFactory.h for how a
// screen's widget is found and how it fills the bar.
#pragma once

#include "app/ScreenFactory.h"

#include <QAbstractAnimation>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace tolvane {

class NavigationStack : public QWidget, public Navigation {
    Q_OBJECT
public:
    NavigationStack(const ScreenFactory& factory, Platform platform, Pictures& pictures,
                    Tolvane_AppDelegate& delegate, int tab, QWidget* parent = nullptr);
    ~NavigationStack() override;

    void push(std::shared_ptr<Screen> screen, const std::string& backTitleKey = {}) override;
    void pop() override;
    // Back as the back button goes, when it is shown; false when there is nowhere to go.
    bool goBack();
    bool canGoBack() const;
    // The tab tapped again: back to its first screen.
    void popToRoot();

    // Makes the tab's root screen if it has none yet.
    void ensureRoot();
    int depth() const { return int(entries_.size()); }
    std::shared_ptr<Screen> topModel() const;
    QWidget* topWidget() const;
    QString title() const;
    QToolButton* backButton() const { return back_; }
    bool isAnimating() const { return animation_ != nullptr; }
    static void setAnimated(bool animated);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::shared_ptr<Screen> model;
        QPointer<QWidget> widget;
        std::string backTitleKey;
        QPointer<QWidget> focus;    // where the keyboard was when a screen covered this one
        QPointer<QAction> barFocus; // or the bar action whose button had it (buttons are remade)
    };
    // Rebuilds the bar buttons from the top widget's actions, then lays the bar out.
    void refreshBar();
    // Button styles and visibility, back button and title, without new buttons.
    void layoutBar();
    void finishAnimation();
    void slide(QWidget* incoming, QWidget* outgoing, bool forward, std::function<void()> done);
    QRect contentRect() const;

    const ScreenFactory& factory_;
    Platform platform_;
    Pictures& pictures_;
    Tolvane_AppDelegate& delegate_;
    int tab_;
    std::vector<Entry> entries_;
    QWidget* bar_;
    QToolButton* back_;
    QLabel* title_;
    QHBoxLayout* left_;
    QHBoxLayout* right_;
    QWidget* content_;
    QPointer<QAbstractAnimation> animation_;
    std::function<void()> animationDone_;
    bool layoutPending_ = false;
};

} // namespace tolvane
