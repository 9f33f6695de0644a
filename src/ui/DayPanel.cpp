// SPDX-License-Identifier: MIT
// The day's panchanga: captions and values in a grid of two pairs to a row, so that it fits
// below the report at the window's size.
#include "ui/DayPanel.h"

#include "engine/day/LunarMonth.h"
#include "engine/day/Panchanga.h"
#include "engine/present/PanchangaNames.h"
#include "ui/MoonPainting.h"
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
    lblVara = addValue(grid, 0, 0, QT_TR_NOOP("Vara"), "lblVara", 2);
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
    lblSamvat = addValue(grid, 5, 0, QT_TR_NOOP("Samvat"), "lblSamvat");
    lblRahuKalam = addValue(grid, 6, 0, QT_TR_NOOP("Rahu Kalam"), "lblRahuKalam");
    lblYamaganda = addValue(grid, 6, 2, QT_TR_NOOP("Yamaganda"), "lblYamaganda");
    lblGulikaKalam = addValue(grid, 7, 0, QT_TR_NOOP("Gulika Kalam"), "lblGulikaKalam");
    lblAbhijit =
        addValue(grid, 7, 2, QT_TR_NOOP("Abhijit"), "lblAbhijit", 1, QT_TR_NOOP("Abhijit Muhurta"));
    lblSunRashi =
        addValue(grid, 5, 2, QT_TR_NOOP("Sun"), "lblSunRashi", 1, QT_TR_NOOP("Sun's Rashi"));
    lblMoonRashi = addValue(grid, 8, 0, QT_TR_NOOP("Moon"), "lblMoonRashi", 3,
                            QT_TR_NOOP("Moon's Rashi and Phase"));
    // The Moon as it looks at the moment, at the head of the panel beside the vara.
    picMoon = new MoonPhaseWidget(2.2);
    picMoon->setObjectName(QStringLiteral("picDayMoon"));
    grid->addWidget(picMoon, 0, 3, Qt::AlignRight | Qt::AlignTop);
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
        showMoment(*shown_, extras_);
    QWidget::changeEvent(event);
}

void DayPanel::showMoment(const PanchangaMoment& p, const std::optional<MomentExtras>& extras) {
    shown_ = p;
    extras_ = extras;
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
    if (!extras) {
        for (ValueLabel* value :
             {lblRahuKalam, lblYamaganda, lblGulikaKalam, lblAbhijit, lblMoonRashi, lblSunRashi})
            value->setText(QString());
        picMoon->clearMoon();
        return;
    }
    const MomentExtras& e = *extras;
    if (e.PeriodsDefined) {
        lblRahuKalam->setText(ClockSpanText(e.RahuKalam, day));
        lblYamaganda->setText(ClockSpanText(e.Yamaganda, day));
        lblGulikaKalam->setText(ClockSpanText(e.GulikaKalam, day));
        lblAbhijit->setText(AbhijitText(e.Abhijit, e.AbhijitLeftOut, day));
    } else {
        for (ValueLabel* value : {lblRahuKalam, lblYamaganda, lblGulikaKalam, lblAbhijit})
            value->setText(PeriodsNotDefinedText());
    }
    lblMoonRashi->setText(
        tr("%1 · %2").arg(MoonRashiText(e.MoonRashi, e.MoonRashiEnds, day), MoonPhaseText(e.Moon)));
    lblSunRashi->setText(RashiText(e.SunRashi));
    picMoon->setMoon(e.Moon);
}

void DayPanel::clear() {
    shown_.reset();
    extras_.reset();
    picMoon->clearMoon();
    for (ValueLabel* value : {lblVara, lblNakshatra, lblYoga, lblDayKarana, lblSunrise, lblSunset,
                              lblMoonrise, lblMoonset, lblMasa, lblSamvat, lblRahuKalam,
                              lblYamaganda, lblGulikaKalam, lblAbhijit, lblMoonRashi, lblSunRashi})
        value->setText(QString());
}
