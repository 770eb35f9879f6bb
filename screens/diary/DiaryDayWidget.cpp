#include "screens/diary/DiaryDayWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/diary/DiaryRowButton.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

namespace {

// A total: name and amount on the left, the share in its traffic colour on the right, a thin bar
// under them. Where name and amount do not fit one line (Russian), the amount goes on a second.
class TotalRow : public QWidget {
public:
    TotalRow(const DiaryTotalLine& line, QWidget* parent) : QWidget(parent), line_(line) {
        setAccessibleName(qs(line.title) + ", " + qs(line.amount) + ", " + qs(line.percent));
        setFixedHeight(fontMetrics().height() + 14);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int wanted = fontMetrics().height() * (oneLine() ? 1 : 2) + 14;
        if (height() != wanted) setFixedHeight(wanted);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QRect inner = rect().adjusted(12, 0, -12, -5);
        const QString percent = qs(line_.percent);
        const QRect texts = inner.adjusted(0, 0, -percentWidth(), 0);
        p.setPen(QColor(0x1c, 0x1e, 0x21));
        const auto fitted = [&](const QString& text) {
            return fontMetrics().elidedText(text, Qt::ElideRight, texts.width());
        };
        if (oneLine()) {
            p.drawText(texts, Qt::AlignLeft | Qt::AlignVCenter, fitted(wholeText()));
        } else {
            const int line = fontMetrics().height();
            const QRect top(texts.left(), texts.center().y() - line, texts.width(), line);
            p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, fitted(qs(line_.title)));
            p.drawText(top.translated(0, line), Qt::AlignLeft | Qt::AlignVCenter,
                       fitted(qs(line_.amount)));
        }
        const QColor colour = diaryColour(line_.colour);
        p.setPen(colour);
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(inner, Qt::AlignRight | Qt::AlignVCenter, percent);
        const int full = inner.width();
        const int filled = std::clamp(line_.percentValue, 0, 100) * full / 100;
        p.fillRect(QRect(inner.left(), rect().bottom() - 4, full, 3), QColor(0xec, 0xee, 0xf1));
        p.fillRect(QRect(inner.left(), rect().bottom() - 4, filled, 3), colour);
    }

private:
    QString wholeText() const { return qs(line_.title) + "  " + qs(line_.amount); }
    int percentWidth() const {
        QFont bold = font();
        bold.setBold(true);
        return QFontMetrics(bold).horizontalAdvance(qs(line_.percent)) + 8;
    }
    bool oneLine() const {
        return fontMetrics().horizontalAdvance(wholeText()) <= width() - 24 - percentWidth();
    }

    DiaryTotalLine line_;
};

QLabel* sectionHeader(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName("sectionHeader");
    label->setWordWrap(true);
    return label;
}

} // namespace

QColor diaryColour(DayColour colour) {
    switch (colour) {
    case DayColour::Green:
        return QColor(0x23, 0x73, 0x5a);
    case DayColour::Yellow:
        return QColor(0xc7, 0x8a, 0x00);
    case DayColour::Red:
        return QColor(0xc6, 0x28, 0x28);
    case DayColour::NoData:
        break;
    }
    return QColor(0x9a, 0x9e, 0xa5);
}

QString diaryDateText(const Strings& strings, const std::string& isoDay, bool withWeekday) {
    const QLocale locale(qs(strings.text(key("Diary Locale"))));
    const QDate date = QDate::fromString(qs(isoDay), Qt::ISODate);
    // Short: the weekday's abbreviation before the language's short date ("Di. 08.12.26").
    return withWeekday ? locale.toString(date, QLocale::LongFormat)
                       : locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + " " +
                             locale.toString(date, QLocale::ShortFormat);
}

DiaryDayWidget::DiaryDayWidget(std::shared_ptr<DiaryDayVC> model, const Strings& strings,
                               QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("DiaryDayWidget");
    setWindowTitle(qs(strings_.text(DiaryDayVC::titleKey())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* dateRow = new QHBoxLayout;
    dateRow->setContentsMargins(4, 4, 4, 0);
    previous_ = new QPushButton(QStringLiteral("‹"), this);
    next_ = new QPushButton(QStringLiteral("›"), this);
    date_ = new QPushButton(this);
    date_->setObjectName("diaryDate");
    date_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (QPushButton* arrow : {previous_, next_})
        arrow->setFixedWidth(44);
    describe(previous_, strings_, key("Accessible Diary Previous Description"),
             key("Accessible Diary Previous"));
    describe(next_, strings_, key("Accessible Diary Next Description"),
             key("Accessible Diary Next"));
    describe(date_, strings_, key("Accessible Diary Date Description"));
    dateRow->addWidget(previous_);
    dateRow->addWidget(date_, 1);
    dateRow->addWidget(next_);
    layout->addLayout(dateRow);

    auto* spanRow = new QHBoxLayout;
    spanRow->setContentsMargins(4, 4, 4, 4);
    today_ = new QPushButton(qs(strings_.text(key("Heute"))), this);
    week_ = new QPushButton(qs(strings_.text(key("Diary Week"))), this);
    month_ = new QPushButton(qs(strings_.text(key("Diary Month"))), this);
    describe(today_, strings_, key("Accessible Diary Today Description"));
    describe(week_, strings_, key("Accessible Diary Chart Description"));
    describe(month_, strings_, key("Accessible Diary Chart Description"));
    for (QPushButton* button : {today_, week_, month_}) {
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        spanRow->addWidget(button, 1);
    }
    layout->addLayout(spanRow);

    auto* scroll = new QScrollArea(this);
    describeScrollBars(scroll, strings_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    content_ = new QWidget(scroll);
    content_->setObjectName("groupedPage");
    contentLayout_ = new QVBoxLayout(content_);
    contentLayout_->setContentsMargins(0, 6, 0, 6);
    contentLayout_->setSpacing(0);
    failed_ = new QLabel(qs(strings_.text(DiaryDayVC::readFailedKey())), this);
    failed_->setWordWrap(true);
    failed_->setObjectName("diaryFailed");
    failed_->setContentsMargins(12, 12, 12, 12);
    kcalLeft_ = new QLabel(this);
    kcalLeft_->setObjectName("diaryKcalLeft");
    kcalLeft_->setContentsMargins(12, 4, 12, 4);
    kcalLeft_->setWordWrap(true);
    QFont big = kcalLeft_->font();
    big.setBold(true);
    kcalLeft_->setFont(big);
    layout->addWidget(failed_);
    layout->addWidget(kcalLeft_);
    scroll->setWidget(content_);
    layout->addWidget(scroll, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { model_->previousDay(); });
    connect(next_, &QPushButton::clicked, this, [this] { model_->nextDay(); });
    connect(today_, &QPushButton::clicked, this, [this] { model_->today(); });
    connect(week_, &QPushButton::clicked, this, [this] { model_->openWeek(); });
    connect(month_, &QPushButton::clicked, this, [this] { model_->openMonth(); });
    connect(date_, &QPushButton::clicked, this, [this] { pickDate(); });
    model_->setListener(this);
}

DiaryDayWidget::~DiaryDayWidget() {
    model_->setListener(nullptr);
}

void DiaryDayWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void DiaryDayWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitDate();
}

void DiaryDayWidget::fitDate() {
    const QString whole = diaryDateText(strings_, model_->day());
    const bool fits = date_->fontMetrics().horizontalAdvance(whole) <= date_->width() - 16;
    date_->setText(fits ? whole : diaryDateText(strings_, model_->day(), false));
    date_->setToolTip(fits ? QString() : whole);
    date_->setAccessibleName(whole);
}

QList<QWidget*> DiaryDayWidget::entryRows(Meal meal) const {
    QList<QWidget*> rows;
    for (QWidget* row : content_->findChildren<QWidget*>("diaryRow"))
        if (row->property("meal").toInt() == static_cast<int>(meal)) rows << row;
    return rows;
}

void DiaryDayWidget::dayChanged() {
    fitDate();
    today_->setEnabled(!model_->isToday());
    const bool failed = model_->state() == DiaryDayVC::State::Failed;
    failed_->setVisible(failed);
    kcalLeft_->setVisible(!failed);
    kcalLeft_->setText(qs(model_->kcalLeftText()));
    kcalLeft_->setStyleSheet(model_->kcalOver() ? "color: #c62828" : "color: #23735a");

    while (QLayoutItem* item = contentLayout_->takeAt(0)) {
        // Out of the page at once, so that nothing finds the old rows meanwhile.
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    if (!failed) {
        for (int m = 0; m < kMealCount; ++m) {
            const auto meal = static_cast<Meal>(m);
            contentLayout_->addWidget(
                sectionHeader(qs(strings_.text(mealTitleKey(meal))), content_));
            const auto& entries = model_->entries(meal);
            for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
                const DiaryEntryLine& line = entries[static_cast<std::size_t>(row)];
                auto* button = new DiaryRowButton(qs(line.name), qs(line.maker), qs(line.kcal),
                                                  qs(line.amount), content_);
                button->setProperty("meal", m);
                describe(button, strings_, key("Accessible Diary Entry Description"));
                connect(button, &QAbstractButton::clicked, this,
                        [this, meal, row] { model_->openEntry(meal, row); });
                contentLayout_->addWidget(button);
            }
            contentLayout_->addSpacing(8);
        }
        contentLayout_->addWidget(
            sectionHeader(qs(strings_.text(key("Diary Day Totals"))), content_));
        if (model_->fixedReferences()) {
            auto* note = new QLabel(qs(strings_.text(DiaryDayVC::fixedReferencesKey())), content_);
            note->setWordWrap(true);
            note->setContentsMargins(12, 0, 12, 6);
            note->setObjectName("diaryFixedReferences");
            contentLayout_->addWidget(note);
        }
        for (const DiaryTotalLine& line : model_->totals())
            contentLayout_->addWidget(new TotalRow(line, content_));
    }
    contentLayout_->addStretch(1);
}

void DiaryDayWidget::pickDate() {
    auto* dialog = new QDialog(window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("diaryDatePicker");
    dialog->setWindowTitle(qs(strings_.text(key("Accessible Diary Date Description"))));
    auto* layout = new QVBoxLayout(dialog);
    auto* calendar = new QCalendarWidget(dialog);
    calendar->setLocale(QLocale(qs(strings_.text(key("Diary Locale")))));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setSelectedDate(QDate::fromString(qs(model_->day()), Qt::ISODate));
    layout->addWidget(calendar);
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok =
        buttons->addButton(qs(strings_.text(key("OK"))), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(qs(strings_.text(key("Cancel"))), QDialogButtonBox::RejectRole);
    ok->setObjectName("diaryDateOk");
    cancel->setObjectName("diaryDateCancel");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(calendar, &QCalendarWidget::activated, dialog, &QDialog::accept);
    connect(dialog, &QDialog::accepted, this, [this, calendar] {
        model_->setDay(calendar->selectedDate().toString(Qt::ISODate).toStdString());
    });
    dialog->setMaximumWidth(window()->width());
    dialog->open();
}

} // namespace tolvane
