#include "screens/common/PlaceholderWidget.h"

#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tolvane {

PlaceholderWidget::PlaceholderWidget(std::shared_ptr<PlaceholderScreen> model,
                                     const Strings& strings, Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("PlaceholderWidget");
    setAttribute(Qt::WA_StyledBackground);
    const QString title = qs(strings.text(model_->titleKey()));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    if (!model_->picture().empty()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(
            pictures.pixmap(qs(model_->picture()), QSize(72, 72), devicePixelRatioF()));
        picture->setAlignment(Qt::AlignCenter);
        layout->addWidget(picture);
    }
    auto* label = new QLabel(title, this);
    label->setObjectName("placeholderTitle");
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addStretch(3);
}

} // namespace tolvane
