// The GDA help page laid over the landscape calculator, with a bar of its own.
#pragma once

#include "screens/settings/GDAInfoVC.h"

#include <QWidget>

#include <memory>

class QLabel;
class QToolButton;

namespace tolvane {

class HelpBrowser;
class Pictures;

class GDAInfoWidget : public QWidget {
    Q_OBJECT
public:
    GDAInfoWidget(std::shared_ptr<GDAInfoVC> model, Pictures& pictures, QWidget* parent = nullptr);
    HelpBrowser* browser() const { return browser_; }
    QToolButton* backButton() const { return back_; }
    GDAInfoVC& model() { return *model_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::shared_ptr<GDAInfoVC> model_;
    HelpBrowser* browser_;
    QToolButton* back_;
    QLabel* title_;
};

} // namespace tolvane
