// SPDX-License-Identifier: MIT
// The printable months through Qt's PDF writer.
#include "ui/MonthPdf.h"

#include "engine/calendar/Calendar.h"
#include "ui/CalendarFileTexts.h"
#include "ui/MonthPainting.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

QByteArray MonthsPdf(const QDate& firstMonth, const QDate& lastMonth, PaperSize paper,
                     const CalendarPlace& place, const QDate& today, MonthNames names,
                     Tradition tradition) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(
            QPageSize(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter),
            QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Kestrava"));
        writer.setTitle(QCoreApplication::translate("MonthPdf", "Kestrava calendar, %1")
                            .arg(place.Description));
        QPainter painter(&writer);
        painter.setFont(QGuiApplication::font());
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        bool first = true;
        for (QDate month(firstMonth.year(), firstMonth.month(), 1);
             month <= QDate(lastMonth.year(), lastMonth.month(), 1); month = month.addMonths(1)) {
            if (!first)
                writer.newPage();
            first = false;
            MonthPage sheet;
            sheet.Year = month.year();
            sheet.Month = month.month();
            sheet.Days =
                CalendarMonth(sheet.Year, sheet.Month, place.Where, *place.Clock, place.Sky);
            sheet.Festivals = FestivalsBetween(
                {sheet.Year, sheet.Month, 1},
                {sheet.Year, sheet.Month, month.daysInMonth()}, place.Where, *place.Clock,
                BuiltInFestivalTable(), {tradition, place.Sky});
            sheet.Place = place.Description;
            sheet.Sky = SkyDescription(place.Sky);
            sheet.Today = today;
            sheet.Southern = place.Where.Latitude < 0;
            sheet.Names = names;
            const CivilDate before = CivilDateOf(month.addDays(-1));
            std::vector<CalendarDay> previous =
                CalendarDays(before, before, place.Where, *place.Clock, place.Sky);
            if (!previous.empty())
                sheet.Previous = std::move(previous.front());
            PaintMonthPage(painter, page, sheet);
        }
    }
    return bytes;
}
