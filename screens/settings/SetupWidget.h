// The settings screen's widget: grouped rows with switches and information buttons,
// and the contact block below.
#pragma once

#include "screens/settings/SetupVC.h"

#include <QWidget>

#include <map>
#include <memory>

class QLabel;
class QPushButton;

namespace tolvane {

class Pictures;
class SwitchButton;
class TableRow;

class SetupWidget : public QWidget {
    Q_OBJECT
public:
    SetupWidget(std::shared_ptr<SetupVC> model, Pictures& pictures, QWidget* parent = nullptr);
    ~SetupWidget() override;

    SetupVC& model() { return *model_; }
    TableRow* row(SetupRowId id) const;
    SwitchButton* liveSearchSwitch() const { return liveSearch_; }
    SwitchButton* metricSwitch() const { return metric_; }
    QPushButton* infoButton(SetupRowId id) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();

    std::shared_ptr<SetupVC> model_;
    std::map<SetupRowId, TableRow*> rows_;
    std::map<SetupRowId, QPushButton*> infoButtons_;
    SwitchButton* liveSearch_ = nullptr;
    SwitchButton* metric_ = nullptr;
    QLabel* calories_ = nullptr;
    QPushButton* mail_ = nullptr;
    QWidget* noMail_ = nullptr;
    bool shown_ = false;
};

} // namespace tolvane
