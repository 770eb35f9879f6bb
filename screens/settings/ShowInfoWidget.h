// The help page pushed from the settings tab and the profile.
#pragma once

#include "screens/settings/ShowInfoVC.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace tolvane {

class HelpBrowser;
class Pictures;

class ShowInfoWidget : public QWidget {
    Q_OBJECT
public:
    ShowInfoWidget(std::shared_ptr<ShowInfoVC> model, Pictures& pictures,
                   QWidget* parent = nullptr);
    HelpBrowser* browser() const { return browser_; }
    ShowInfoVC& model() { return *model_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<ShowInfoVC> model_;
    Pictures& pictures_;
    HelpBrowser* browser_;
    QPixmap background_;
};

} // namespace tolvane
