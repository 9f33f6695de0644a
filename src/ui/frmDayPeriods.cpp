// SPDX-License-Identifier: MIT
// The day window's periods: the auspicious and inauspicious ones, the choghadiyas and the horas,
// the one in progress marked on today.
#include "ui/frmDay.h"

#include "ui/DayPeriodTexts.h"

#include <QLabel>
#include <QTableWidget>

namespace {

QTableWidgetItem* Cell(const QString& text, bool now) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (now) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

} // namespace

void frmDay::showPeriods(const DayPeriodsOfDate& found, const CivilDate& civil) {
    const CivilClock& clock = *place_.Clock;
    auto set = [this](const char* caption, const QString& text) {
        if (QLabel* label = value(QLatin1String(caption)))
            label->setText(text);
    };
    const char* const periods[] = {"Abhijit Muhurta", "Brahma Muhurta", "Amrit Kalam", "Pradosha",
                                   "Nishita",         "Godhuli",        "Rahu Kalam",  "Yamaganda",
                                   "Gulika Kalam",    "Durmuhurta",     "Varjyam"};
    tblChoghadiya->setRowCount(0);
    tblHora->setRowCount(0);
    if (!found.Defined) {
        for (const char* caption : periods)
            set(caption, PeriodsNotDefinedText());
        for (QTableWidget* table : {tblChoghadiya, tblHora}) {
            table->setRowCount(1);
            table->setItem(0, 0, Cell(PeriodsNotDefinedText(), false));
            table->setSpan(0, 0, 1, table->columnCount());
        }
        return;
    }
    for (QTableWidget* table : {tblChoghadiya, tblHora})
        table->clearSpans();
    // The period in progress, where the moment of the platform's clock falls within the day.
    const bool today = nowJd_ && *nowJd_ >= found.Sunrise && *nowJd_ < found.NextSunrise;
    auto marked = [&](const ClockSpan& span, const QString& text) {
        return today && span.Holds(*nowJd_) ? tr("%1 (now)").arg(text) : text;
    };
    auto spans = [&](const std::vector<TimeSpan>& list) {
        QStringList texts;
        for (const TimeSpan& span : list) {
            const ClockSpan onClock = ClockSpanOf(clock, span);
            texts << marked(onClock, ClockSpanText(onClock, civil));
        }
        return texts.isEmpty() ? tr("none this day") : texts.join(QStringLiteral(", "));
    };
    const DayPeriods& p = found.Periods;
    const ClockSpan abhijit = ClockSpanOf(clock, p.Abhijit);
    set("Abhijit Muhurta", marked(abhijit, AbhijitText(abhijit, p.AbhijitLeftOut, civil)));
    set("Brahma Muhurta", spans({p.BrahmaMuhurta}));
    set("Amrit Kalam", spans(found.AmritKalam));
    set("Pradosha", spans({p.Pradosha}));
    set("Nishita", spans({p.Nishita}));
    set("Godhuli", spans({p.Godhuli}));
    set("Rahu Kalam", spans({p.RahuKalam}));
    set("Yamaganda", spans({p.Yamaganda}));
    set("Gulika Kalam", spans({p.GulikaKalam}));
    set("Durmuhurta", spans(p.Durmuhurtas));
    set("Varjyam", spans(found.Varjyam));

    // The tables: the part of the day or night, the name, and the time; the row in progress in
    // bold, chosen, and said to be now.
    auto part = [](std::size_t k, std::size_t perHalf) {
        return k < perHalf ? tr("Day %1").arg(k + 1) : tr("Night %1").arg(k - perHalf + 1);
    };
    int nowRow = -1;
    tblChoghadiya->setRowCount(static_cast<int>(p.Choghadiyas.size()));
    for (std::size_t k = 0; k < p.Choghadiyas.size(); ++k) {
        const ChoghadiyaPeriod& c = p.Choghadiyas[k];
        const ClockSpan span = ClockSpanOf(clock, c.Span);
        const bool now = today && span.Holds(*nowJd_);
        const int row = static_cast<int>(k);
        tblChoghadiya->setItem(row, 0,
                               Cell(now ? tr("%1 (now)").arg(part(k, 8)) : part(k, 8), now));
        tblChoghadiya->setItem(row, 1, Cell(ChoghadiyaText(c.Kind), now));
        const PeriodQuality quality = ChoghadiyaQuality(c.Kind);
        QTableWidgetItem* qualityCell = Cell(QualityText(quality), now);
        // Good in green and bad in red, beside the words that say so.
        if (quality != PeriodQuality::Neutral)
            qualityCell->setForeground(quality == PeriodQuality::Good ? QColor(0, 110, 40)
                                                                      : QColor(170, 30, 30));
        tblChoghadiya->setItem(row, 2, qualityCell);
        tblChoghadiya->setItem(row, 3, Cell(ClockSpanText(span, civil), now));
        if (now)
            nowRow = row;
    }
    if (nowRow >= 0)
        tblChoghadiya->selectRow(nowRow);
    else
        tblChoghadiya->scrollToTop();
    nowRow = -1;
    tblHora->setRowCount(static_cast<int>(p.Horas.size()));
    for (std::size_t k = 0; k < p.Horas.size(); ++k) {
        const HoraPeriod& h = p.Horas[k];
        const ClockSpan span = ClockSpanOf(clock, h.Span);
        const bool now = today && span.Holds(*nowJd_);
        const int row = static_cast<int>(k);
        tblHora->setItem(row, 0, Cell(now ? tr("%1 (now)").arg(part(k, 12)) : part(k, 12), now));
        tblHora->setItem(row, 1, Cell(HoraLordText(h.Lord), now));
        tblHora->setItem(row, 2, Cell(ClockSpanText(span, civil), now));
        if (now)
            nowRow = row;
    }
    if (nowRow >= 0)
        tblHora->selectRow(nowRow);
    else
        tblHora->scrollToTop();
    for (QTableWidget* table : {tblChoghadiya, tblHora})
        table->resizeColumnsToContents();
}
