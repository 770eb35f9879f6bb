#include "screens/settings/LocalizationWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"
#include "screens/common/TableRow.h"

#include <QLabel>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tolvane {

LocalizationWidget::LocalizationWidget(std::shared_ptr<Localization> model, Pictures& pictures,
                                       QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("LocalizationWidget");
    const auto& strings = model_->strings();
    setWindowTitle(qs(strings.text("Lokalisierung")));
    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings);
    scroll->setObjectName("groupedTable");
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the rows, which it scrolls into view
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    page->setObjectName("groupedPage");
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 0, 10, 16);
    column->setSpacing(0);
    // The header also tells that the choice applies from the next start.
    auto* header = new QLabel(qs(strings.text(Localization::headerKey())).trimmed(), page);
    header->setObjectName("sectionHeader");
    header->setWordWrap(true);
    header->setMinimumHeight(40);
    header->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    column->addWidget(header);
    auto* group = new QFrame(page);
    group->setObjectName("tableGroup");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->setSpacing(0);
    const auto& labels = Localization::languagesArray();
    const QPixmap check =
        pictures.pixmap(Localization::checkPicture(), QSize(20, 20), devicePixelRatioF());
    for (int i = 0; i < int(labels.size()); ++i) {
        auto* row = new TableRow(qs(strings.text(labels[i])), group);
        row->setProperty("last", i + 1 == int(labels.size()));
        describe(row, strings, key("Accessible Row Description"));
        auto* mark = new QLabel(row);
        mark->setObjectName("checkMark");
        mark->setPixmap(check);
        mark->setFixedSize(22, 22);
        row->accessories()->addWidget(mark);
        connect(row, &TableRow::clicked, this, [this, i] { model_->select(i); });
        groupLayout->addWidget(row);
        rows_.push_back(row);
        checks_.push_back(mark);
    }
    column->addWidget(group);
    column->addStretch(1);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    model_->onChanged = [this] { refresh(); };
    refresh();
}

LocalizationWidget::~LocalizationWidget() {
    model_->onChanged = nullptr;
}

bool LocalizationWidget::checkShown(int index) const {
    return !checks_.at(index)->isHidden();
}

void LocalizationWidget::refresh() {
    for (int i = 0; i < int(checks_.size()); ++i) {
        const bool checked = model_->isChecked(i);
        // Hidden but keeping its place, so the labels do not move.
        auto policy = checks_[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        checks_[i]->setSizePolicy(policy);
        checks_[i]->setVisible(checked);
        rows_[i]->setChoice(checked);
    }
}

void LocalizationWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) model_->viewWillAppear();
}

} // namespace tolvane
