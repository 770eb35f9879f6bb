#include "screens/diary/DiaryChartWidget.h"

#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/diary/DiaryDayWidget.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvane {

namespace {

QLocale interfaceLocale(const Strings& strings) {
    return QLocale(qs(strings.text(key("Diary Locale"))));
}

QDate dateOf(const std::string& day) {
    return QDate::fromString(qs(day), Qt::ISODate);
}

} // namespace

DiaryChartView::DiaryChartView(DiaryChartVC& model, const Strings& strings, bool energy,
                               QWidget* parent)
    : QWidget(parent), model_(model), strings_(strings), energy_(energy) {
    setObjectName(energy ? "diaryChart" : "diaryNutrientChart");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(120);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    describe(this, strings_, key("Accessible Diary Chart Description"), key("Diary Chart"));
    exposeRows(this, this);
}

DiaryChartView::~DiaryChartView() {
    unexposeRows(this);
}

void DiaryChartView::refresh() {
    // A reader hears which nutrient the second chart draws.
    if (!energy_) setAccessibleName(qs(strings_.text(dayNutrientKey(nutrient()))));
    current_ = -1;
    rowsChanged(this);
    update();
}

int DiaryChartView::accessibleRowCount() const {
    return static_cast<int>(model_.days().size());
}

QString DiaryChartView::accessibleRowName(int row) const {
    if (row < 0 || row >= accessibleRowCount()) return {};
    return diaryDateText(strings_, model_.days()[static_cast<std::size_t>(row)].day) + ", " +
           qs(model_.valueText(row, nutrient()));
}

QRect DiaryChartView::plotRect() const {
    const int labels = fontMetrics().height() + 6;
    return rect().adjusted(8, labels, -8, -labels);
}

QRect DiaryChartView::dayRect(int index) const {
    const int count = accessibleRowCount();
    if (index < 0 || index >= count) return {};
    const QRect plot = plotRect();
    const int left = plot.left() + plot.width() * index / count;
    const int right = plot.left() + plot.width() * (index + 1) / count;
    return QRect(left, rect().top(), right - left, rect().height());
}

void DiaryChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRect plot = plotRect();
    const DayNutrient shown = nutrient();
    const double reference = model_.reference(shown);
    const double scale = model_.scale(shown) * 1.1;
    const QLocale locale = interfaceLocale(strings_);
    const bool week = model_.span() == DiaryChartVC::Span::Week;
    const auto& days = model_.days();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    p.setFont(small);
    for (int i = 0; i < static_cast<int>(days.size()); ++i) {
        const DiaryChartDay& day = days[static_cast<std::size_t>(i)];
        const double value = model_.value(i, shown);
        const QRect column = dayRect(i);
        const int barWidth = std::max(2, column.width() * 2 / 3);
        const int height = static_cast<int>(value / scale * plot.height());
        const QRect bar(column.center().x() - barWidth / 2, plot.bottom() - height, barWidth,
                        height);
        // Energy over the target is red; a nutrient takes the day's colours for its share.
        QColor colour = value > reference ? QColor(0xc6, 0x28, 0x28) : QColor(0x23, 0x73, 0x5a);
        if (shown != DayNutrient::Energy)
            colour = diaryColour(dayColour(shown, reference > 0 ? value / reference * 100 : 0));
        p.fillRect(bar, colour);
        if (i == current_ && hasFocus()) paintKeyboardFocus(p, column);
        // A week names its days; a month numbers them, every fifth and the first.
        const QDate date = dateOf(day.day);
        QString label;
        if (week)
            label = locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
        else if (date.day() == 1 || date.day() % 5 == 0)
            label = QString::number(date.day());
        p.setPen(QColor(0x4a, 0x4f, 0x56));
        p.drawText(QRect(column.left() - 10, plot.bottom() + 2, column.width() + 20,
                         p.fontMetrics().height()),
                   Qt::AlignHCenter | Qt::AlignTop, label);
        if (week && day.known[static_cast<std::size_t>(shown)])
            p.drawText(QRect(column.left() - 10, bar.top() - p.fontMetrics().height() - 1,
                             column.width() + 20, p.fontMetrics().height()),
                       Qt::AlignHCenter | Qt::AlignBottom,
                       shown == DayNutrient::Energy ? locale.toString(qRound(value))
                                                    : locale.toString(value, 'f', 1));
    }
    // The target line across, with its figure above it on the right.
    const int y = plot.bottom() - static_cast<int>(reference / scale * plot.height());
    p.setPen(QPen(QColor(0x1c, 0x1e, 0x21), 1, Qt::DashLine));
    p.drawLine(plot.left(), y, plot.right(), y);
    p.setPen(QColor(0x1c, 0x1e, 0x21));
    const QString target = qs(model_.referenceText(shown));
    const QString label = qs(
        strings_.text(shown == DayNutrient::Energy ? key("Diary Target") : key("Diary Reference")));
    // Above the line, where the eye meets it.
    const int textHeight = p.fontMetrics().height();
    p.drawText(QRect(plot.left(), std::max(0, y - textHeight - 2), plot.width(), textHeight),
               Qt::AlignRight | Qt::AlignBottom, label + " " + target);
}

void DiaryChartView::mouseReleaseEvent(QMouseEvent* event) {
    for (int i = 0; i < accessibleRowCount(); ++i)
        if (dayRect(i).contains(event->position().toPoint())) {
            model_.openDay(i);
            return;
        }
}

void DiaryChartView::keyPressEvent(QKeyEvent* event) {
    const int count = accessibleRowCount();
    if (count == 0) return QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Left) {
        current_ = std::clamp(current_ + (event->key() == Qt::Key_Right ? 1 : -1), 0, count - 1);
        currentRowChanged(this);
        update();
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current_ >= 0) {
        model_.openDay(current_);
    } else {
        QWidget::keyPressEvent(event);
    }
}

DiaryChartWidget::DiaryChartWidget(std::shared_ptr<DiaryChartVC> model, const Strings& strings,
                                   QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("DiaryChartWidget");
    setWindowTitle(qs(strings_.text(DiaryChartVC::titleKey(model_->span()))));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 4, 4, 0);
    previous_ = new QPushButton(QStringLiteral("‹"), this);
    next_ = new QPushButton(QStringLiteral("›"), this);
    for (QPushButton* arrow : {previous_, next_})
        arrow->setFixedWidth(44);
    describe(previous_, strings_, key("Accessible Diary Previous Span Description"),
             key("Accessible Diary Previous"));
    describe(next_, strings_, key("Accessible Diary Next Span Description"),
             key("Accessible Diary Next"));
    range_ = new QLabel(this);
    range_->setAlignment(Qt::AlignCenter);
    range_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(previous_);
    row->addWidget(range_, 1);
    row->addWidget(next_);
    layout->addLayout(row);
    failed_ = new QLabel(qs(strings_.text(key("Diary Read Failed"))), this);
    failed_->setWordWrap(true);
    failed_->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(failed_);
    chart_ = new DiaryChartView(*model_, strings_, true, this);
    layout->addWidget(chart_, 1);
    nutrientBox_ = new QComboBox(this);
    nutrientBox_->setObjectName("diaryChartNutrient");
    for (DayNutrient n : DiaryChartVC::choosableNutrients())
        nutrientBox_->addItem(qs(strings_.text(dayNutrientKey(n))), static_cast<int>(n));
    nutrientBox_->setCurrentIndex(nutrientBox_->findData(static_cast<int>(model_->nutrient())));
    describe(nutrientBox_, strings_, key("Accessible Diary Chart Nutrient Description"),
             DiaryChartVC::nutrientChoiceKey());
    auto* choice = new QHBoxLayout;
    choice->setContentsMargins(8, 4, 8, 0);
    choice->addWidget(nutrientBox_, 1);
    layout->addLayout(choice);
    nutrientChart_ = new DiaryChartView(*model_, strings_, false, this);
    layout->addWidget(nutrientChart_, 1);
    connect(nutrientBox_, &QComboBox::activated, this, [this](int index) {
        model_->setNutrient(static_cast<DayNutrient>(nutrientBox_->itemData(index).toInt()));
    });
    connect(previous_, &QPushButton::clicked, this, [this] { model_->previous(); });
    connect(next_, &QPushButton::clicked, this, [this] { model_->next(); });
    model_->setListener(this);
}

DiaryChartWidget::~DiaryChartWidget() {
    model_->setListener(nullptr);
}

void DiaryChartWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
}

void DiaryChartWidget::chartChanged() {
    const QLocale locale = interfaceLocale(strings_);
    const QDate first = dateOf(model_->first().text());
    if (model_->span() == DiaryChartVC::Span::Month)
        range_->setText(locale.standaloneMonthName(first.month()) + " " +
                        QString::number(first.year()));
    else
        range_->setText(locale.toString(first, QLocale::ShortFormat) + " – " +
                        locale.toString(dateOf(model_->last().text()), QLocale::ShortFormat));
    range_->setAccessibleName(range_->text());
    failed_->setVisible(model_->state() == DiaryChartVC::State::Failed);
    nutrientBox_->setCurrentIndex(nutrientBox_->findData(static_cast<int>(model_->nutrient())));
    chart_->refresh();
    nutrientChart_->refresh();
}

} // namespace tolvane
