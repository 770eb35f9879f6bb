// The language screen's widget: seven rows with a check mark on the chosen one.
#pragma once

#include "screens/settings/Localization.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;

namespace tolvane {

class Pictures;
class TableRow;

class LocalizationWidget : public QWidget {
    Q_OBJECT
public:
    LocalizationWidget(std::shared_ptr<Localization> model, Pictures& pictures,
                       QWidget* parent = nullptr);
    ~LocalizationWidget() override;

    TableRow* row(int index) const { return rows_.at(index); }
    bool checkShown(int index) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    std::shared_ptr<Localization> model_;
    std::vector<TableRow*> rows_;
    std::vector<QLabel*> checks_;
};

} // namespace tolvane
