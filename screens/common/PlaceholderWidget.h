// Shows a placeholder screen: its picture and title in the middle.
#pragma once

#include "platform/Strings.h"
#include "screens/common/PlaceholderScreen.h"

#include <QWidget>

#include <memory>

namespace tolvane {

class Pictures;

class PlaceholderWidget : public QWidget {
    Q_OBJECT
public:
    PlaceholderWidget(std::shared_ptr<PlaceholderScreen> model, const Strings& strings,
                      Pictures& pictures, QWidget* parent = nullptr);

private:
    std::shared_ptr<PlaceholderScreen> model_;
};

} // namespace tolvane
