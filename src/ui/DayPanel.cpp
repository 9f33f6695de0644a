// SPDX-License-Identifier: MIT
// The day's panchanga: captions and values in a grid of two pairs to a row, so that it fits
// below the report at the window's size.
#include "ui/DayPanel.h"

#include "engine/day/LunarMonth.h"
#include "engine/day/Panchanga.h"
#include "engine/present/PanchangaNames.h"
#include "ui/PanchangaTexts.h"
#include "ui/ValueLabel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace {

// "Adhika Jyeshtha", "Pausha": a month with its adhika mark.
QString MonthText(const LunarMonth& month) {
    const QString name = PanchangaName(NameKind::Masa, MasaName(month.Index));
    return month.Adhika ? DayPanel::tr("Adhika %1").arg(name) : name;
}

} // namespace

DayPanel::DayPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraDay"));
    texts_.add([this] { setAccessibleName(tr("Panchanga of the Day")); });
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    lblVara = addValue(grid, 0, 0, QT_TR_NOOP("Vara"), "lblVara", 3);
    lblNakshatra = addValue(grid, 1, 0, QT_TR_NOOP("Nakshatra"), "lblNakshatra");
    lblSunrise = addValue(grid, 1, 2, QT_TR_NOOP("Sunrise"), "lblSunriseTime");
    lblYoga = addValue(grid, 2, 0, QT_TR_NOOP("Yoga"), "lblYoga");
    lblSunset = addValue(grid, 2, 2, QT_TR_NOOP("Sunset"), "lblSunset");
    // The line above the panel is already called "Karana"; this one tells its end too.
    lblDayKarana = addValue(grid, 3, 0, QT_TR_NOOP("Karana"), "lblDayKarana", 1,
                            QT_TR_NOOP("Karana and Its End"));
    lblMoonrise = addValue(grid, 3, 2, QT_TR_NOOP("Moonrise"), "lblMoonrise");
    lblMasa = addValue(grid, 4, 0, QT_TR_NOOP("Month"), "lblMasa");
    lblMoonset = addValue(grid, 4, 2, QT_TR_NOOP("Moonset"), "lblMoonset");
    lblSamvat = addValue(grid, 5, 0, QT_TR_NOOP("Samvat"), "lblSamvat", 3);
}

ValueLabel* DayPanel::addValue(QGridLayout* grid, int row, int column, const char* caption,
                               const char* objectName, int span, const char* valueName) {
    auto* captionLabel = new QLabel;
    captionLabel->setObjectName(QLatin1String(objectName) + QLatin1String("Caption"));
    auto* value = new ValueLabel(QString());
    texts_.add([captionLabel, value, caption, valueName] {
        captionLabel->setText(tr(caption));
        value->setAccessibleName(tr(valueName ? valueName : caption));
    });
    value->setObjectName(QLatin1String(objectName));
    value->setTextFormat(Qt::PlainText);
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    captionLabel->setBuddy(value);
    grid->addWidget(captionLabel, row, column, Qt::AlignTop);
    grid->addWidget(value, row, column + 1, 1, span, Qt::AlignTop);
    return value;
}

void DayPanel::changeEvent(QEvent* event) {
    if (texts_.handle(event) && shown_)
        showMoment(*shown_);
    QWidget::changeEvent(event);
}

void DayPanel::showMoment(const PanchangaMoment& p) {
    shown_ = p;
    const CivilDate& day = p.Date;
    const QString vara = PanchangaName(NameKind::Vara, VaraName(p.Vara));
    lblVara->setText(
        p.BeforeSunrise ? tr("%1 (before sunrise: the day began at the previous sunrise)").arg(vara)
                        : vara);
    lblNakshatra->setText(
        tr("%1, pada %2, until %3")
            .arg(PanchangaName(NameKind::Nakshatra, NakshatraName(p.Nakshatra.Index)))
            .arg(p.NakshatraPada)
            .arg(MinuteText(p.Nakshatra.End, day)));
    lblYoga->setText(tr("%1, until %2")
                         .arg(PanchangaName(NameKind::Yoga, YogaName(p.Yoga.Index)),
                              MinuteText(p.Yoga.End, day)));
    lblDayKarana->setText(
        tr("%1, until %2")
            .arg(PanchangaName(NameKind::Karana, SpanName(Limb::Karana, p.Karana.Index)),
                 MinuteText(p.Karana.End, day)));
    lblSunrise->setText(CrossingText(p.Sunrise, day));
    lblSunset->setText(CrossingText(p.Sunset, day));
    lblMoonrise->setText(CrossingText(p.Moonrise, day));
    lblMoonset->setText(CrossingText(p.Moonset, day));
    lblMasa->setText(tr("%1 (amanta) · %2 (purnimanta)")
                         .arg(MonthText(p.Month.Amanta), MonthText(p.Month.Purnimanta)));
    lblSamvat->setText(tr("Vikram %1 · Shaka %2").arg(p.Month.Vikram).arg(p.Month.Shaka));
}

void DayPanel::clear() {
    shown_.reset();
    for (ValueLabel* value : {lblVara, lblNakshatra, lblYoga, lblDayKarana, lblSunrise, lblSunset,
                              lblMoonrise, lblMoonset, lblMasa, lblSamvat})
        value->setText(QString());
}
