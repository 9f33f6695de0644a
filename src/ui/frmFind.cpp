// SPDX-License-Identifier: MIT
// The search for a tithi's dates and the list of a year's vrata days.
#include "ui/frmFind.h"

#include "engine/calendar/Calendar.h"
#include "engine/calendar/CalendarExport.h"
#include "engine/present/PanchangaNames.h"
#include "platform/AppInfo.h"
#include "ui/CalendarTexts.h"
#include "ui/Controls.h"
#include "ui/Languages.h"
#include "ui/WindowFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// "15 August 2025 23:50", on the place's clock.
QString InstantText(const ClockInstant& instant) {
    const CivilDate date = DateOfInstant(instant);
    return LocalDateText(QDateOf(date), QLatin1String(DateFormat)) + QLatin1Char(' ') +
           ClockTimeText(instant);
}

enum Column { DateColumn, TithiColumn, BeginsColumn, EndsColumn, NoteColumn };

} // namespace

frmFind::frmFind(const CalendarPlace& place, const QDate& from, QWidget* parent,
                 Tradition tradition)
    : QDialog(parent), place_(place), tradition_(tradition) {
    setObjectName(QStringLiteral("frmFind"));
    ShowFocusFromStart(this);
    setWindowTitle(tr("Find a Tithi - %1").arg(AppTitle()));
    createWidgets();
    createLayout();
    dteFrom->setDate(from);
    cboPaksha->setFocus();
}

void frmFind::createWidgets() {
    cboPaksha = Named(new QComboBox, "cboPaksha", tr("Fortnight"));
    cboPaksha->addItem(PakshaText(0));
    cboPaksha->addItem(PakshaText(15));
    cboTithi = Named(new QComboBox, "cboTithi", tr("Tithi"));
    fillTithiNames();
    connect(cboPaksha, &QComboBox::currentIndexChanged, this, &frmFind::fillTithiNames);

    chkMasa = Named(new QCheckBox(tr("Only in the lunar &month")), "chkMasa",
                    tr("Only in the lunar month"));
    cboMasa = Named(new QComboBox, "cboMasa", tr("Lunar Month"));
    for (int masa = 0; masa < 12; ++masa)
        cboMasa->addItem(PanchangaName(NameKind::Masa, MasaName(masa)));
    optAmanta =
        Named(new QRadioButton(tr("&Amanta (new moon to new moon)")), "optAmanta", tr("Amanta"));
    optPurnimanta = Named(new QRadioButton(tr("P&urnimanta (full moon to full moon)")),
                          "optPurnimanta", tr("Purnimanta"));
    optAmanta->setChecked(true);
    auto* reckoning = new QButtonGroup(this);
    reckoning->addButton(optAmanta);
    reckoning->addButton(optPurnimanta);
    chkAdhika = Named(new QCheckBox(tr("Also in an a&dhika month")), "chkAdhika",
                      tr("Also in an adhika month"));
    chkAdhika->setToolTip(tr("Where the month is adhika it comes twice in a year; festivals and "
                             "anniversaries are kept in the second (nija) month."));
    for (QWidget* control : {static_cast<QWidget*>(cboMasa), static_cast<QWidget*>(chkAdhika)})
        control->setEnabled(false);
    connect(chkMasa, &QCheckBox::toggled, cboMasa, &QWidget::setEnabled);
    connect(chkMasa, &QCheckBox::toggled, chkAdhika, &QWidget::setEnabled);

    dteFrom = Named(new QDateEdit, "dteFrom", tr("From"));
    dteFrom->setDisplayFormat(QLatin1String(DateFormat));
    dteFrom->setCalendarPopup(true);
    dteFrom->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
    spnCount = Named(new QSpinBox, "spnCount", tr("How Many"));
    spnCount->setRange(1, 100);
    spnCount->setValue(10);

    cmdFindNext = Named(new QPushButton(tr("Find &Next")), "cmdFindNext", tr("Find Next"));
    cmdFindNext->setDefault(true);
    cmdFindPrevious =
        Named(new QPushButton(tr("Find &Previous")), "cmdFindPrevious", tr("Find Previous"));
    cmdVrata = Named(new QPushButton(tr("&Vrata Days of the Year")), "cmdVrata",
                     tr("Vrata Days of the Year"));
    cmdVrata->setToolTip(tr("Every Ekadashi, Purnima and Amavasya of the year of the From date"));
    connect(cmdFindNext, &QPushButton::clicked, this, &frmFind::findNext);
    connect(cmdFindPrevious, &QPushButton::clicked, this, &frmFind::findPrevious);
    connect(cmdVrata, &QPushButton::clicked, this, &frmFind::listVrataDays);

    // The festivals by name, each once (the traditions' rows share an id).
    cboFestival = Named(new QComboBox, "cboFestival", tr("Festival"));
    cboFestival->setEditable(true);
    cboFestival->setInsertPolicy(QComboBox::NoInsert);
    for (const FestivalRule& rule : BuiltInFestivalTable().Rules)
        if (cboFestival->findData(QString::fromStdString(rule.Id)) < 0)
            cboFestival->addItem(FestivalNameText(rule), QString::fromStdString(rule.Id));
    cboFestival->setCurrentIndex(cboFestival->findData(QStringLiteral("diwali")));
    cmdFindFestival = Named(new QPushButton(tr("Find F&estival")), "cmdFindFestival",
                            tr("Find Festival"));
    cmdFindFestival->setToolTip(tr("The next days of the festival named, from the From date"));
    connect(cmdFindFestival, &QPushButton::clicked, this, &frmFind::findFestival);

    lblHeading = Named(new QLabel, "lblHeading", tr("Found"));
    lblHeading->setWordWrap(true);
    lstResults = Named(new QTreeWidget, "lstResults", tr("Days of Observance"));
    lstResults->setRootIsDecorated(false);
    lstResults->setUniformRowHeights(true);
    lstResults->setAllColumnsShowFocus(true);
    lstResults->setHeaderLabels(
        {tr("Observed on"), tr("Tithi"), tr("Begins"), tr("Ends"), tr("Note")});
    lstResults->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstResults->header()->setStretchLastSection(true);
    connect(lstResults, &QTreeWidget::itemActivated, this, &frmFind::showChosen);

    lblRule = Named(new QLabel(ObservanceRuleText()), "lblRule", tr("Day of Observance"));
    lblRule->setWordWrap(true);
    lblPlace = Named(new QLabel(tr("At %1").arg(place_.Description)), "lblPlace", tr("Place"));
    lblPlace->setWordWrap(true);
    cmdShow =
        Named(new QPushButton(tr("&Show in Month View")), "cmdShow", tr("Show in Month View"));
    cmdShow->setAutoDefault(false);
    connect(cmdShow, &QPushButton::clicked, this, &frmFind::showChosen);
    cmdClose = Named(new QPushButton(tr("Close")), "cmdClose", tr("Close"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmFind::createLayout() {
    auto* what = new QGroupBox(tr("Tithi"));
    auto* grid = new QGridLayout(what);
    grid->addWidget(Caption(tr("&Fortnight"), cboPaksha), 0, 0);
    grid->addWidget(cboPaksha, 0, 1);
    grid->addWidget(Caption(tr("&Tithi"), cboTithi), 0, 2);
    grid->addWidget(cboTithi, 0, 3);
    grid->addWidget(chkMasa, 1, 0, 1, 2);
    grid->addWidget(cboMasa, 1, 2, 1, 2);
    grid->addWidget(optAmanta, 2, 0, 1, 2);
    grid->addWidget(optPurnimanta, 2, 2, 1, 2);
    grid->addWidget(chkAdhika, 3, 0, 1, 4);
    grid->addWidget(Caption(tr("F&rom"), dteFrom), 4, 0);
    grid->addWidget(dteFrom, 4, 1);
    grid->addWidget(Caption(tr("How man&y"), spnCount), 4, 2);
    grid->addWidget(spnCount, 4, 3);
    grid->setColumnStretch(3, 1);

    auto* searches = new QHBoxLayout;
    searches->addWidget(cmdFindNext);
    searches->addWidget(cmdFindPrevious);
    searches->addStretch(1);
    searches->addWidget(cboFestival);
    searches->addWidget(cmdFindFestival);
    searches->addWidget(cmdVrata);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblPlace, 1);
    buttons->addWidget(cmdShow);
    buttons->addWidget(cmdClose);

    // The controls scroll where the screen is too small for them (a large scale).
    auto* window = new QVBoxLayout(ScrollingContents(this));
    window->addWidget(what);
    window->addLayout(searches);
    window->addWidget(lblHeading);
    window->addWidget(lstResults, 1);
    window->addWidget(lblRule);
    window->addLayout(buttons);
    ResizeWithinScreen(this, QSize(760, 600));
}

void frmFind::fillTithiNames() {
    const int kept = std::max(0, cboTithi->currentIndex());
    const int first = cboPaksha->currentIndex() == 0 ? 0 : 15;
    cboTithi->clear();
    for (int tithi = first; tithi < first + 15; ++tithi)
        cboTithi->addItem(QStringLiteral("%1 %2").arg(tithi - first + 1).arg(TithiNameText(tithi)),
                          tithi);
    cboTithi->setCurrentIndex(kept);
}

void frmFind::findNext() {
    find(true);
}

void frmFind::findPrevious() {
    find(false);
}

void frmFind::find(bool forward) {
    TithiQuery query;
    query.Tithi = cboTithi->currentData().toInt();
    query.Reckoning =
        optPurnimanta->isChecked() ? MonthReckoning::Purnimanta : MonthReckoning::Amanta;
    query.Masa = chkMasa->isChecked() ? cboMasa->currentIndex() : -1;
    query.WithAdhika = chkAdhika->isChecked();
    const std::vector<TithiOccurrence> found =
        FindTithi(query, CivilDateOf(dteFrom->date()), spnCount->value(),
                  forward ? SearchDirection::Forward : SearchDirection::Backward, place_.Where,
                  *place_.Clock, place_.Sky);
    const QString tithi = TithiTitleText(query.Tithi);
    const QString what =
        query.Masa < 0
            ? tithi
            : tr("%1 of %2 (%3)")
                  .arg(tithi, PanchangaName(NameKind::Masa, MasaName(query.Masa)),
                       query.Reckoning == MonthReckoning::Amanta ? tr("amanta") : tr("purnimanta"));
    const QString from = LocalDateText(dteFrom->date(), QLatin1String(DateFormat));
    showOccurrences(
        found, forward
                   ? tr("%1: the days of observance from %2 on").arg(what, from)
                   : tr("%1: the days of observance before %2, the nearest first").arg(what, from));
}

void frmFind::listVrataDays() {
    const int year = dteFrom->date().year();
    const std::vector<TithiOccurrence> found =
        VrataDays({year, 1, 1}, {year, 12, 31}, place_.Where, *place_.Clock, place_.Sky);
    showOccurrences(found,
                    tr("The vrata days of %1: every Ekadashi, Purnima and Amavasya").arg(year));
}

void frmFind::findFestival() {
    // The name typed or chosen: the entry whose name holds it, the first such.
    const QString typed = cboFestival->currentText().simplified();
    int entry = cboFestival->findText(typed, Qt::MatchFixedString);
    if (entry < 0)
        entry = cboFestival->findText(typed, Qt::MatchContains);
    lstResults->clear();
    if (entry < 0 || typed.isEmpty()) {
        lblHeading->setText(tr("No festival is named \"%1\".").arg(typed));
        lstResults->setAccessibleDescription(lblHeading->text());
        return;
    }
    const std::string id = cboFestival->itemData(entry).toString().toStdString();
    const QDate from = dteFrom->date();
    const int wanted = spnCount->value();
    // Year by year from the From date's, until enough are found.
    for (int year = from.year(); year <= 2050 && lstResults->topLevelItemCount() < wanted;
         ++year) {
        const CivilDate first = year == from.year() ? CivilDateOf(from) : CivilDate{year, 1, 1};
        for (const FestivalDay& festival :
             FestivalsBetween(first, {year, 12, 31}, place_.Where, *place_.Clock,
                              BuiltInFestivalTable(), {tradition_, place_.Sky})) {
            if (festival.Rule->Id != id || lstResults->topLevelItemCount() >= wanted)
                continue;
            const QDate date = QDateOf(festival.Date);
            auto* item = new QTreeWidgetItem(lstResults);
            item->setText(DateColumn, QLocale().toString(date, QStringLiteral("ddd d MMM yyyy")));
            item->setData(DateColumn, Qt::UserRole, date);
            item->setText(TithiColumn, FestivalNameText(*festival.Rule));
            item->setText(NoteColumn,
                          FestivalRuleText(*festival.Rule, BuiltInFestivalTable().Rules));
        }
    }
    const QString heading = tr("%1: its days from %2 on")
                                .arg(cboFestival->itemText(entry),
                                     QLocale().toString(from, QStringLiteral("d MMMM yyyy")));
    lblHeading->setText(lstResults->topLevelItemCount() == 0 ? tr("%1: none found.").arg(heading)
                                                             : heading);
    lstResults->setAccessibleDescription(lblHeading->text());
    cboFestival->setCurrentIndex(entry);
    if (lstResults->topLevelItemCount() > 0) {
        lstResults->setCurrentItem(lstResults->topLevelItem(0));
        lstResults->setFocus();
    }
}

void frmFind::showOccurrences(const std::vector<TithiOccurrence>& found, const QString& heading) {
    const MonthReckoning reckoning =
        optPurnimanta->isChecked() ? MonthReckoning::Purnimanta : MonthReckoning::Amanta;
    lstResults->clear();
    for (const TithiOccurrence& occurrence : found) {
        const QDate observed = QDateOf(occurrence.Observed);
        const LunarMonth& month = reckoning == MonthReckoning::Amanta ? occurrence.Month.Amanta
                                                                      : occurrence.Month.Purnimanta;
        auto* item = new QTreeWidgetItem(lstResults);
        item->setText(DateColumn,
                      LocalDateText(observed, QStringLiteral("ddd ") + QLatin1String(DateFormat)));
        item->setData(DateColumn, Qt::UserRole, observed);
        item->setText(TithiColumn,
                      tr("%1 %2").arg(MasaText(month), TithiTitleText(occurrence.Tithi)));
        item->setText(BeginsColumn, InstantText(occurrence.Begins));
        item->setText(EndsColumn, InstantText(occurrence.Ends));
        item->setText(NoteColumn, ObservanceKindText(occurrence.Kind));
    }
    lblHeading->setText(found.empty() ? tr("%1: none found.").arg(heading) : heading);
    lstResults->setAccessibleDescription(lblHeading->text());
    if (lstResults->topLevelItemCount() > 0) {
        lstResults->setCurrentItem(lstResults->topLevelItem(0));
        lstResults->setFocus();
    }
}

void frmFind::showChosen() {
    const QTreeWidgetItem* item = lstResults->currentItem();
    if (!item)
        return;
    chosen_ = item->data(DateColumn, Qt::UserRole).toDate();
    accept();
}
