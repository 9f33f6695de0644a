// SPDX-License-Identifier: MIT
// The month view: its navigation, its grid of days, its legend and the buttons that open a day,
// the search and the exports.
#include "ui/frmMonth.h"

#include "engine/calendar/Calendar.h"
#include "platform/AppInfo.h"
#include "platform/Platform.h"
#include "ui/CalendarTexts.h"
#include "ui/MonthModel.h"
#include "ui/MonthPainting.h"
#include "ui/Settings.h"
#include "ui/TraditionChoice.h"
#include "ui/WindowFit.h"
#include "ui/frmDay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Enter belongs to the grid, where it opens the chosen day.
QPushButton* Button(const char* objectName) {
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmMonth::frmMonth(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmMonth"));
    ShowFocusFromStart(this);
    setSizeGripEnabled(true);
    createWidgets();
    createLayout();
    createConnections();
    chkPurnimanta->setChecked(RememberedMonthNames(platform_) == MonthNames::Both);
}

// The remembered choice: "purnimanta" names the purnimanta months besides the amanta ones.
MonthNames frmMonth::RememberedMonthNames(Platform& platform) {
    return ReadSettings(platform).monthNames == QLatin1String("purnimanta") ? MonthNames::Both
                                                                            : MonthNames::Amanta;
}

// A control's text, tool tip and accessible name, in the language of the moment.
void frmMonth::name(QWidget* widget, const char* accessibleName, const char* text,
                    const char* toolTip) {
    texts_.add([widget, accessibleName, text, toolTip] {
        widget->setAccessibleName(tr(accessibleName));
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && text)
            button->setText(tr(text));
        if (toolTip)
            widget->setToolTip(tr(toolTip));
    });
}

void frmMonth::createWidgets() {
    texts_.add([this] { setWindowTitle(tr("Month View - %1").arg(AppTitle())); });
    cmdPreviousYear = Button("cmdPreviousYear");
    name(cmdPreviousYear, QT_TR_NOOP("Previous Year"), QT_TR_NOOP("« Previous Year"),
         QT_TR_NOOP("The same month a year before (Ctrl+Page Up)"));
    cmdPreviousMonth = Button("cmdPreviousMonth");
    name(cmdPreviousMonth, QT_TR_NOOP("Previous Month"), QT_TR_NOOP("‹ Pre&vious Month"),
         QT_TR_NOOP("The month before (Page Up)"));
    cboMonth = new QComboBox;
    cboMonth->setObjectName(QStringLiteral("cboViewMonth"));
    name(cboMonth, QT_TR_NOOP("Month"));
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString());
    texts_.add([this] {
        for (int month = 1; month <= 12; ++month)
            cboMonth->setItemText(month - 1, QLocale().standaloneMonthName(month));
    });
    spnYear = new QSpinBox;
    spnYear->setObjectName(QStringLiteral("spnViewYear"));
    name(spnYear, QT_TR_NOOP("Year"));
    spnYear->setRange(FirstYear, LastYear);
    cmdNextMonth = Button("cmdNextMonth");
    name(cmdNextMonth, QT_TR_NOOP("Next Month"), QT_TR_NOOP("&Next Month ›"),
         QT_TR_NOOP("The month after (Page Down)"));
    cmdNextYear = Button("cmdNextYear");
    name(cmdNextYear, QT_TR_NOOP("Next Year"), QT_TR_NOOP("Next Year »"),
         QT_TR_NOOP("The same month a year after (Ctrl+Page Down)"));
    cmdToday = Button("cmdToday");
    name(cmdToday, QT_TR_NOOP("Today"), QT_TR_NOOP("&Today"),
         QT_TR_NOOP("The month of today, today chosen (Home)"));

    lblMonth = new QLabel;
    lblMonth->setObjectName(QStringLiteral("lblMonthShown"));
    name(lblMonth, QT_TR_NOOP("Month Shown"));
    QFont titleFont = lblMonth->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblMonth->setFont(titleFont);
    lblLunarMonths = new QLabel;
    lblLunarMonths->setObjectName(QStringLiteral("lblLunarMonths"));
    name(lblLunarMonths, QT_TR_NOOP("Lunar Months"));
    lblPlace = new QLabel;
    lblPlace->setObjectName(QStringLiteral("lblPlace"));
    name(lblPlace, QT_TR_NOOP("Place"));

    // Whose festival days, where the traditions differ; remembered.
    chkVaishnava = new QCheckBox;
    chkVaishnava->setObjectName(QStringLiteral("chkVaishnava"));
    name(chkVaishnava, QT_TR_NOOP("Vaishnava Observance"), QT_TR_NOOP("Vaishnava &observance"),
         QT_TR_NOOP("The Vaishnava days of the festivals the traditions keep apart "
                    "(Janmashtami, the Ekadashis); the Smarta days otherwise"));
    chkVaishnava->setChecked(RememberedTradition(platform_) == Tradition::Vaishnava);
    model_ = new MonthModel(this);
    grdMonth = new QTableView;
    grdMonth->setObjectName(QStringLiteral("grdMonth"));
    name(grdMonth, QT_TR_NOOP("Days of the Month"));
    grdMonth->setModel(model_);
    grdMonth->setItemDelegate(new MonthDelegate(grdMonth));
    grdMonth->setSelectionMode(QAbstractItemView::SingleSelection);
    grdMonth->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdMonth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMonth->setTabKeyNavigation(false);
    grdMonth->setMouseTracking(true);
    grdMonth->verticalHeader()->hide();
    grdMonth->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdMonth->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdMonth->horizontalHeader()->setHighlightSections(false);
    grdMonth->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMonth->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMonth->installEventFilter(this);
    texts_.add([this] {
        // The days' cells, the names of the language included, at ease; the grid may shrink to
        // half of that (its fonts follow the cells), so that a small or magnified screen holds
        // the whole month.
        const QSize cell = MonthDelegate().sizeHint(QStyleOptionViewItem(), {});
        const int header = grdMonth->horizontalHeader()->sizeHint().height();
        gridAtEase_ = QSize(cell.width() * 7 + 4, cell.height() * MonthModel::Weeks + header + 4);
        grdMonth->setMinimumSize(cell.width() * 7 / 2 + 4,
                                 cell.height() * MonthModel::Weeks / 2 + header + 4);
    });

    const CellColours colours = ScreenColours(palette());
    lblLegend = new QLabel;
    lblLegend->setObjectName(QStringLiteral("lblLegend"));
    name(lblLegend, QT_TR_NOOP("Legend"));
    lblLegend->setTextFormat(Qt::RichText);
    lblLegend->setWordWrap(true);
    texts_.add([this, colours] {
        auto swatch = [](const QColor& colour, const QString& glyph) {
            return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colour.name(), glyph);
        };
        lblLegend->setText(
            tr("%1 Shukla (bright fortnight) &nbsp; %2 Krishna (dark fortnight) &nbsp; %3 Purnima "
               "&nbsp; %4 Amavasya &nbsp; %5 Ekadashi &nbsp; <span style=\"color:%6\">kshaya, "
               "vriddhi</span> &nbsp; <b style=\"color:%7\">month</b> where it begins &nbsp; "
               "<span style=\"color:%8\">▢</span> today")
                .arg(swatch(colours.Shukla.darker(135), QStringLiteral("■")),
                     swatch(colours.Krishna.darker(125), QStringLiteral("■")),
                     swatch(colours.Purnima, QStringLiteral("●")),
                     swatch(colours.Amavasya, QStringLiteral("●")),
                     swatch(colours.Ekadashi, QStringLiteral("◆")), colours.Note.name(),
                     colours.Masa.name(), colours.Today.name()));
        lblLegend->setAccessibleDescription(
            tr("Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima "
               "is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond."));
    });
    lblRule = new QLabel;
    lblRule->setObjectName(QStringLiteral("lblRule"));
    name(lblRule, QT_TR_NOOP("Day of Observance"));
    lblRule->setWordWrap(true);
    texts_.add([this] { lblRule->setText(ObservanceRuleText()); });

    cmdDay = Button("cmdDay");
    name(cmdDay, QT_TR_NOOP("Day's Panchanga"), QT_TR_NOOP("&Day's Panchanga..."),
         QT_TR_NOOP("The whole panchanga of the chosen day (Enter)"));
    chkPurnimanta = new QCheckBox;
    chkPurnimanta->setObjectName(QStringLiteral("chkPurnimanta"));
    name(chkPurnimanta, QT_TR_NOOP("Purnimanta Months Too"), nullptr,
         QT_TR_NOOP("Name the purnimanta months, which begin after the full moon, besides the "
                    "amanta ones"));
    texts_.add([this] { chkPurnimanta->setText(tr("&Purnimanta months too")); });
    cmdFind = Button("cmdFind");
    name(cmdFind, QT_TR_NOOP("Find a Tithi"), QT_TR_NOOP("&Find a Tithi..."));
    cmdExportCalendar = Button("cmdExportCalendar");
    name(cmdExportCalendar, QT_TR_NOOP("Export iCalendar"), QT_TR_NOOP("Export i&Calendar..."));
    cmdExportPdf = Button("cmdExportPdf");
    name(cmdExportPdf, QT_TR_NOOP("Export PDF"), QT_TR_NOOP("&Export PDF..."));
    cmdClose = Button("cmdClose");
    name(cmdClose, QT_TR_NOOP("Close"), QT_TR_NOOP("Close"));
}

void frmMonth::createLayout() {
    // The paging buttons on one row; the month and year to go to under the month's title, and
    // the lunar months, the place and the choice of reckonings on the right: each row narrow
    // enough for a magnified screen.
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(cmdPreviousYear);
    navigation->addWidget(cmdPreviousMonth);
    navigation->addStretch(1);
    navigation->addWidget(cmdToday);
    navigation->addWidget(cmdNextMonth);
    navigation->addWidget(cmdNextYear);

    auto* monthLabel = new QLabel;
    monthLabel->setBuddy(cboMonth);
    auto* yearLabel = new QLabel;
    yearLabel->setBuddy(spnYear);
    texts_.add([monthLabel, yearLabel] {
        monthLabel->setText(tr("&Month"));
        yearLabel->setText(tr("&Year"));
    });
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(monthLabel);
    chooser->addWidget(cboMonth);
    chooser->addWidget(yearLabel);
    chooser->addWidget(spnYear);
    chooser->addStretch(1);

    for (QLabel* line : {lblLunarMonths, lblPlace}) {
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* heading = new QGridLayout;
    heading->addWidget(lblMonth, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    heading->addLayout(chooser, 2, 0);
    heading->addWidget(lblLunarMonths, 0, 1);
    heading->addWidget(lblPlace, 1, 1);
    heading->addWidget(chkPurnimanta, 2, 1, Qt::AlignRight);
    heading->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDay);
    buttons->addWidget(cmdFind);
    buttons->addWidget(chkVaishnava);
    buttons->addStretch(1);
    buttons->addWidget(cmdExportCalendar);
    buttons->addWidget(cmdExportPdf);
    buttons->addWidget(cmdClose);

    // Everything scrolls where the window is smaller than it needs (a large scale, a small
    // screen), so that the month's last row and the buttons stay within reach.
    QWidget* contents = ScrollingContents(this);
    auto* window = new QVBoxLayout(contents);
    window->addLayout(navigation);
    window->addLayout(heading);
    window->addWidget(grdMonth, 1);
    window->addWidget(lblLegend);
    window->addWidget(lblRule);
    window->addLayout(buttons);

    setTabOrder(grdMonth, cmdDay);
    grdMonth->setFocus(); // the days take the keys from the start
    // The whole month at ease, as far as the screen has room.
    const QSize natural = ContentsSize(contents) + gridAtEase_ - grdMonth->minimumSize();
    ResizeWithinScreen(this,
                       QSize(std::max(natural.width(), 900), std::max(natural.height(), 760)));
}

void frmMonth::setPlace(const CalendarPlace& place) {
    place_ = place;
    reckonAgain_ = true;
    showPlace();
    const QDate shown = chosenDate();
    showDate(shown.isValid() ? shown : today());
}

void frmMonth::showPlace() {
    lblPlace->setText(tr("At %1").arg(place_.Description));
}

// Everything is told again in the new language: the controls' texts, the place, the month's
// title and its days.
void frmMonth::changeEvent(QEvent* event) {
    if (texts_.handle(event) && place_.Clock) {
        place_.Description = DescribePlace(place_.Where, *place_.Clock, place_.Name);
        showPlace();
        model_->languageChanged();
        const QDate shown = chosenDate();
        if (shown.isValid())
            showMonth(shown.year(), shown.month(), shown.day());
    }
    QDialog::changeEvent(event);
}

QDate frmMonth::today() const {
    if (!place_.Clock)
        return platform_.currentDateTime().date();
    return TodayAt(platform_.currentDateTime(), *place_.Clock);
}

QDate frmMonth::chosenDate() const {
    return model_->dateAt(grdMonth->currentIndex());
}

void frmMonth::showDate(const QDate& date) {
    QDate within = date.isValid() ? date : today();
    within = std::clamp(within, QDate(FirstYear, 1, 1), QDate(LastYear, 12, 31));
    showMonth(within.year(), within.month(), within.day());
}

void frmMonth::showMonth(int year, int month, int day) {
    if (!place_.Clock)
        return;
    if (reckonAgain_ || year != model_->year() || month != model_->month()) {
        model_->setSouthern(place_.Where.Latitude < 0);
        // The day before the 1st too, to tell whether a purnimanta month begins on the 1st.
        const CivilDate before = CivilDateOf(QDate(year, month, 1).addDays(-1));
        std::vector<CalendarDay> previous =
            CalendarDays(before, before, place_.Where, *place_.Clock, place_.Sky);
        model_->setMonth(
            year, month, CalendarMonth(year, month, place_.Where, *place_.Clock, place_.Sky),
            today(),
            previous.empty() ? std::nullopt : std::optional<CalendarDay>(std::move(previous[0])));
        model_->setFestivals(FestivalsBetween(
            {year, month, 1}, {year, month, QDate(year, month, 1).daysInMonth()}, place_.Where,
            *place_.Clock, BuiltInFestivalTable(),
            {chkVaishnava->isChecked() ? Tradition::Vaishnava : Tradition::Smarta, place_.Sky}));
        reckonAgain_ = false;
    }
    showing_ = true;
    cboMonth->setCurrentIndex(month - 1);
    spnYear->setValue(year);
    showing_ = false;
    lblMonth->setText(MonthTitleText(year, month));
    lblLunarMonths->setText(MonthHeadingText());
    grdMonth->setAccessibleName(tr("Days of %1").arg(MonthTitleText(year, month)));
    const QDate date(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
    QModelIndex chosen = model_->indexOfDate(date);
    // A skipped date's cell is empty: the day after it is chosen (the day before it at the
    // month's end).
    if (chosen.isValid() && !model_->dayAt(chosen)) {
        const QModelIndex after = model_->indexOfDate(date.addDays(1));
        chosen = model_->dayAt(after) ? after : model_->indexOfDate(date.addDays(-1));
    }
    grdMonth->setCurrentIndex(chosen);
    grdMonth->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void frmMonth::monthOrYearChosen() {
    if (showing_)
        return;
    const QDate chosen = chosenDate();
    showMonth(spnYear->value(), cboMonth->currentIndex() + 1, chosen.isValid() ? chosen.day() : 1);
}

void frmMonth::openDay() {
    const QDate date = chosenDate();
    if (!date.isValid() || !place_.Clock)
        return;
    frmDay day(place_, date, this,
               chkVaishnava->isChecked() ? Tradition::Vaishnava : Tradition::Smarta);
    day.setNow(platform_.currentDateTime());
    day.exec();
    // The day dialog pages through days; the month view follows it.
    showDate(day.date());
}

// The months named in the grid and the heading, and the choice remembered.
void frmMonth::monthNamesChosen(bool purnimantaToo) {
    const MonthNames names = purnimantaToo ? MonthNames::Both : MonthNames::Amanta;
    model_->setMonthNames(names);
    lblLunarMonths->setText(MonthHeadingText());
    UpdateSettings(platform_, [purnimantaToo](Settings& settings) {
        settings.monthNames =
            purnimantaToo ? QStringLiteral("purnimanta") : QStringLiteral("amanta");
    });
}

// The heading's months: the lunar ones, and beside them, for readers whose calendar is solar,
// the solar dates of the month's first and last days.
QString frmMonth::MonthHeadingText() const {
    const QString lunar = LunarMonthsText(model_->days(), model_->monthNames());
    if (model_->days().empty() || !place_.Clock)
        return lunar;
    const QString solar = RegionalSolarMonthsText(
        model_->days().front().Date, model_->days().back().Date, place_.Where, *place_.Clock,
        place_.Sky);
    return solar.isEmpty() ? lunar : lunar + QStringLiteral(" · ") + solar;
}
