#include "screens/settings/SetupWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/Pictures.h"
#include "screens/common/QtText.h"
#include "screens/common/TableRow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvane {

SetupWidget::SetupWidget(std::shared_ptr<SetupVC> model, Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setObjectName("SetupWidget");
    const auto& strings = model_->strings();
    setWindowTitle(qs(strings.text(SetupVC::titleKey())));

    auto* scroll = new QScrollArea(this);

    describeScrollBars(scroll, strings);
    scroll->setObjectName("groupedTable");
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the rows, which it scrolls into view
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setObjectName("groupedPage");
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 0, 10, 16);
    column->setSpacing(0);

    const auto& sections = SetupVC::sections();
    for (int s = 0; s < int(sections.size()); ++s) {
        auto* header = new QLabel(qs(strings.text(sections[s].headerKey)).trimmed(), page);
        header->setObjectName("sectionHeader");
        header->setFixedHeight(40);
        header->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        column->addWidget(header);
        auto* group = new QFrame(page);
        group->setObjectName("tableGroup");
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupLayout->setSpacing(0);
        const auto& rows = sections[s].rows;
        for (int r = 0; r < int(rows.size()); ++r) {
            const auto& entry = rows[r];
            auto* row = new TableRow(qs(strings.text(entry.labelKey)), group);
            row->setProperty("last", r + 1 == int(rows.size()));
            if (entry.infoTag != 0) {
                auto* info = new QPushButton(row);
                info->setObjectName("infoButton");
                info->setIcon(pictures.icon(SetupVC::infoPicture()));
                info->setIconSize(QSize(22, 22));
                info->setFlat(true);
                info->setFixedSize(30, 30);
                info->setAccessibleName(qs(strings.text(SetupVC::infoNameKey(entry.id))));
                describe(info, strings, key("Accessible Info Description"));
                connect(info, &QPushButton::clicked, this,
                        [this, id = entry.id] { model_->infoButtonTapped(id); });
                row->accessories()->addWidget(info);
                infoButtons_[entry.id] = info;
            }
            if (entry.accessory == SetupRow::Accessory::Switch) {
                auto* toggle = new SwitchButton(row);
                toggle->setAccessibleName(row->label()->text());
                row->setFocusPolicy(Qt::NoFocus); // the row does nothing, its switch does
                describe(toggle, strings, key("Accessible Switch Description"));
                row->accessories()->addWidget(toggle);
                if (entry.id == SetupRowId::LiveSearch) {
                    liveSearch_ = toggle;
                    connect(toggle, &SwitchButton::clicked, this,
                            [this] { model_->liveSearchSwtchChanged(); });
                } else {
                    metric_ = toggle;
                    connect(toggle, &SwitchButton::clicked, this,
                            [this] { model_->imperialUnitsSwtchChanged(); });
                }
            } else {
                if (entry.id == SetupRowId::PersonalProfile) {
                    calories_ = new QLabel(row);
                    calories_->setObjectName("rowDetail");
                    row->accessories()->addWidget(calories_);
                }
                row->addDisclosure();
                describe(row, strings, key("Accessible Row Description"));
                connect(row, &TableRow::clicked, this,
                        [this, id = entry.id] { model_->didSelectRow(id); });
            }
            groupLayout->addWidget(row);
            rows_[entry.id] = row;
        }
        column->addWidget(group);
    }

    auto* contactTitle = new QLabel(qs(strings.text("Kontakt")), page);
    contactTitle->setObjectName("sectionHeader");
    contactTitle->setFixedHeight(40);
    contactTitle->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    column->addWidget(contactTitle);
    auto* contact = new QFrame(page);
    contact->setObjectName("tableGroup");
    auto* contactLayout = new QVBoxLayout(contact);
    contactLayout->setContentsMargins(12, 10, 12, 12);
    auto* message = new QLabel(qs(strings.text("Sie haben Fragen, Verbesserungsvorschläge oder "
                                               "auch Lob? Wir freuen uns über Ihre Nachricht!")),
                               contact);
    message->setObjectName("contactText");
    message->setWordWrap(true);
    contactLayout->addWidget(message);
    mail_ = new QPushButton(qs(strings.text("E-mail senden")), contact);
    mail_->setObjectName("primaryButton");
    describe(mail_, strings, key("Accessible Mail Description"));
    connect(mail_, &QPushButton::clicked, this, [this] { model_->sendMail(); });
    contactLayout->addWidget(mail_);
    noMail_ = new QWidget(contact);
    noMail_->setObjectName("noMailProgram");
    auto* noMailLayout = new QVBoxLayout(noMail_);
    noMailLayout->setContentsMargins(0, 6, 0, 0);
    auto* noMailText = new QLabel(
        qs(strings.text("Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:")), noMail_);
    noMailText->setWordWrap(true);
    noMailLayout->addWidget(noMailText);
    auto* address = new QLabel(qs(model_->mailAddress()), noMail_);
    address->setObjectName("mailAddress");
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    address->setWordWrap(true);
    noMailLayout->addWidget(address);
    auto* copy = new QPushButton(qs(strings.text("Adresse kopieren")), noMail_);
    copy->setObjectName("copyAddressButton");
    describe(copy, strings, key("Accessible Copy Address Description"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(qs(model_->mailAddress())); });
    noMailLayout->addWidget(copy);
    noMail_->hide();
    contactLayout->addWidget(noMail_);
    column->addWidget(contact);
    column->addStretch(1);

    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    model_->onChanged = [this] { refresh(); };
    model_->viewDidLoad();
    refresh();
}

SetupWidget::~SetupWidget() {
    model_->onChanged = nullptr;
    // Closing the program on this screen still stores what was toggled.
    if (shown_) model_->viewDidDisappear();
}

TableRow* SetupWidget::row(SetupRowId id) const {
    auto it = rows_.find(id);
    return it == rows_.end() ? nullptr : it->second;
}

QPushButton* SetupWidget::infoButton(SetupRowId id) const {
    auto it = infoButtons_.find(id);
    return it == infoButtons_.end() ? nullptr : it->second;
}

void SetupWidget::refresh() {
    liveSearch_->setChecked(model_->liveSearchOn());
    metric_->setChecked(model_->metricUnitsOn());
    calories_->setText(QString::fromStdString(model_->caloriesValue()));
    noMail_->setVisible(model_->mailAddressShown());
}

void SetupWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || shown_) return;
    shown_ = true;
    model_->viewWillAppear();
    QTimer::singleShot(0, this, [this] {
        if (shown_) model_->viewDidAppear();
    });
}

void SetupWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || !shown_) return;
    shown_ = false;
    model_->viewDidDisappear();
}

} // namespace tolvane
