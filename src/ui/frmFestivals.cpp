// SPDX-License-Identifier: MIT
// The window of a year's festivals and the search by name.
#include "ui/frmFestivals.h"

#include "platform/AppInfo.h"
#include "ui/CalendarTexts.h"
#include "ui/Controls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { DateColumn, NameColumn, RuleColumn };

// The years the calendar reckons, as the month view's.
constexpr int FirstYear = 1901;
constexpr int LastYear = 2050;

} // namespace

frmFestivals::frmFestivals(const CalendarPlace& place, const QDate& around, Tradition tradition,
                           QWidget* parent)
    : QDialog(parent), place_(place), tradition_(tradition) {
    setObjectName(QStringLiteral("frmFestivals"));
    setWindowTitle(tr("Festivals of the Year - %1").arg(AppTitle()));
    createWidgets();
    createLayout();
    spnYear->setValue(std::clamp(around.year(), FirstYear, LastYear));
    showYear(spnYear->value());
    txtSearch->setFocus();
}

void frmFestivals::createWidgets() {
    spnYear = Named(new QSpinBox, "spnFestivalYear", tr("Year"));
    spnYear->setRange(FirstYear, LastYear);
    connect(spnYear, &QSpinBox::valueChanged, this, &frmFestivals::showYear);
    txtSearch = Named(new QLineEdit, "txtFestivalSearch", tr("Festival Name"));
    txtSearch->setPlaceholderText(tr("Diwali, Ekadashi, दीपावली ..."));
    txtSearch->setClearButtonEnabled(true);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmFestivals::showList);

    lblHeading = Named(new QLabel, "lblHeading", tr("Festivals Found"));
    lblHeading->setWordWrap(true);
    lstFestivals = Named(new QTreeWidget, "lstFestivals", tr("Festivals"));
    lstFestivals->setRootIsDecorated(false);
    lstFestivals->setAllColumnsShowFocus(true);
    lstFestivals->setHeaderLabels({tr("Date"), tr("Festival"), tr("Rule")});
    lstFestivals->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstFestivals->header()->setStretchLastSection(true);
    connect(lstFestivals, &QTreeWidget::itemActivated, this, &frmFestivals::showChosen);

    lblPlace = Named(new QLabel(tr("At %1").arg(place_.Description)), "lblPlace", tr("Place"));
    lblPlace->setWordWrap(true);
    cmdShow =
        Named(new QPushButton(tr("&Show in Month View")), "cmdShow", tr("Show in Month View"));
    cmdShow->setAutoDefault(false);
    connect(cmdShow, &QPushButton::clicked, this, &frmFestivals::showChosen);
    cmdClose = Named(new QPushButton(tr("Close")), "cmdClose", tr("Close"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmFestivals::createLayout() {
    auto* search = new QHBoxLayout;
    search->addWidget(Caption(tr("&Year"), spnYear));
    search->addWidget(spnYear);
    search->addWidget(Caption(tr("Festival &name"), txtSearch));
    search->addWidget(txtSearch, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShow);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* window = new QVBoxLayout(this);
    window->addLayout(search);
    window->addWidget(lblHeading);
    window->addWidget(lstFestivals, 1);
    window->addWidget(lblPlace);
    window->addLayout(buttons);
    resize(900, 640);
}

void frmFestivals::showYear(int year) {
    festivals_ = FestivalsBetween({year, 1, 1}, {year, 12, 31}, place_.Where, *place_.Clock,
                                  BuiltInFestivalTable(), {tradition_, place_.Sky});
    showList();
}

void frmFestivals::showList() {
    const QString wanted = txtSearch->text().simplified();
    lstFestivals->clear();
    for (const FestivalDay& festival : festivals_) {
        const QString name = FestivalNameText(*festival.Rule);
        const QStringList names = {QString::fromStdString(festival.Rule->NameEn),
                                   QString::fromStdString(festival.Rule->NameHi),
                                   QString::fromStdString(festival.Rule->Id)};
        if (!wanted.isEmpty() &&
            std::none_of(names.begin(), names.end(), [&wanted](const QString& text) {
                return text.contains(wanted, Qt::CaseInsensitive);
            }))
            continue;
        const QDate date = QDateOf(festival.Date);
        auto* item = new QTreeWidgetItem(lstFestivals);
        item->setText(DateColumn, QLocale().toString(date, QStringLiteral("ddd d MMM yyyy")));
        item->setData(DateColumn, Qt::UserRole, date);
        item->setText(NameColumn, name);
        item->setText(RuleColumn, FestivalRuleText(*festival.Rule, BuiltInFestivalTable().Rules));
    }
    const int year = spnYear->value();
    const QString heading =
        wanted.isEmpty() ? tr("The festivals of %1, each on its day by its rule").arg(year)
                         : tr("The festivals of %1 named \"%2\"").arg(year).arg(wanted);
    lblHeading->setText(lstFestivals->topLevelItemCount() == 0 ? tr("%1: none found.").arg(heading)
                                                               : heading);
    lstFestivals->setAccessibleDescription(lblHeading->text());
    if (lstFestivals->topLevelItemCount() > 0)
        lstFestivals->setCurrentItem(lstFestivals->topLevelItem(0));
}

void frmFestivals::showChosen() {
    const QTreeWidgetItem* item = lstFestivals->currentItem();
    if (!item)
        return;
    chosen_ = item->data(DateColumn, Qt::UserRole).toDate();
    accept();
}
