// SPDX-License-Identifier: MIT
// Painting a day's cell and a month's page.
#include "ui/MonthPainting.h"
#include "ui/Languages.h"

#include "ui/MoonPainting.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>

namespace {

// The texts of this file, in the catalogue's context "MonthPainting".
struct MonthPaintingTexts {
    Q_DECLARE_TR_FUNCTIONS(MonthPainting)
};

// A font of the painter's family at a pixel size.
QFont SizedFont(const QFont& base, double pixels, bool bold = false, bool italic = false) {
    QFont font = base;
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Draws a line of text from a point at the top of the line, cut short with an ellipsis where it
// would pass `width`; returns the height it took.
double DrawLine(QPainter& painter, const QPointF& at, double width, const QString& text,
                const QFont& font, const QColor& colour, Qt::Alignment align = Qt::AlignLeft) {
    if (text.isEmpty())
        return 0;
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    painter.drawText(QRectF(at.x(), at.y(), width, metrics.height()), align | Qt::AlignTop, shown);
    return metrics.height();
}

// A font no larger than lets the text fit the width, and no smaller than `least` of the font
// given (beyond that the line is cut short with an ellipsis).
QFont FittedFont(const QFont& font, const QString& text, double width, double least = 2.0 / 3) {
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance <= width || advance <= 0)
        return font;
    QFont fitted = font;
    fitted.setPixelSize(
        std::max(1, static_cast<int>(font.pixelSize() * std::max(least, width / advance))));
    return fitted;
}

// Draws text from a point at the top of its first line, wrapped at blanks onto a second line
// where it would pass `width` (the second cut short with an ellipsis); returns the height taken.
double DrawTwoLines(QPainter& painter, const QPointF& at, double width, const QString& text,
                    const QFont& font, const QColor& colour) {
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return DrawLine(painter, at, width, text, font, colour);
    // The most words that fit on the first line, the rest below; a number stays with the word
    // after it ("2 August"), so that a date is not broken.
    const QStringList words = text.split(QLatin1Char(' '));
    auto breaksBefore = [&words](int k) {
        bool number = false;
        words[k - 1].toInt(&number);
        return !number;
    };
    int taken = 1;
    for (int k = 2; k < words.size(); ++k) {
        if (metrics.horizontalAdvance(words.mid(0, k).join(QLatin1Char(' '))) > width)
            break;
        if (breaksBefore(k))
            taken = k;
    }
    const double first =
        DrawLine(painter, at, width, words.mid(0, taken).join(QLatin1Char(' ')), font, colour);
    return first + DrawLine(painter, QPointF(at.x(), at.y() + first), width,
                            words.mid(taken).join(QLatin1Char(' ')), font, colour);
}

} // namespace

CellColours ScreenColours(const QPalette& palette) {
    CellColours c = PrintColours();
    c.Text = palette.color(QPalette::Text);
    // The fortnights as light tints of the base, dark themes included.
    const QColor base = palette.color(QPalette::Base);
    const bool dark = base.lightness() < 128;
    if (dark) {
        c.Shukla = QColor(0x4a, 0x44, 0x2c);
        c.Krishna = QColor(0x2c, 0x33, 0x4a);
        c.Faint = QColor(0xc8, 0xc8, 0xc8);
        c.Note = QColor(0xff, 0x8a, 0x80);
        c.Masa = QColor(0x8a, 0xb4, 0xf8);
        c.Grid = QColor(0x55, 0x55, 0x55);
    }
    return c;
}

CellColours PrintColours() {
    CellColours c;
    c.Shukla = QColor(0xff, 0xf8, 0xe1);  // the bright fortnight: a warm ivory
    c.Krishna = QColor(0xe8, 0xec, 0xf6); // the dark fortnight: a cool grey-blue
    c.Text = QColor(0x1d, 0x1d, 0x1f);
    c.Faint = QColor(0x55, 0x55, 0x5c);
    c.Note = QColor(0xb0, 0x20, 0x20);
    c.Masa = QColor(0x1a, 0x4f, 0xa0);
    c.Purnima = QColor(0xf2, 0xc1, 0x2e);
    c.Amavasya = QColor(0x2b, 0x2b, 0x33);
    c.Ekadashi = QColor(0x2e, 0x8b, 0x57);
    c.Today = QColor(0xd3, 0x54, 0x00);
    c.Grid = QColor(0xb8, 0xb8, 0xc0);
    return c;
}

void PaintVrataMark(QPainter& painter, const QPointF& centre, double size, VrataMark mark,
                    const CellColours& colours) {
    const double r = size / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
    case VrataMark::Purnima:
        painter.setPen(QPen(colours.Amavasya, std::max(1.0, size / 12)));
        painter.setBrush(colours.Purnima);
        painter.drawEllipse(centre, r, r);
        break;
    case VrataMark::Amavasya:
        painter.setPen(QPen(colours.Amavasya, std::max(1.0, size / 12)));
        painter.setBrush(colours.Amavasya);
        painter.drawEllipse(centre, r, r);
        break;
    case VrataMark::Ekadashi: {
        QPainterPath diamond;
        diamond.moveTo(centre.x(), centre.y() - r);
        diamond.lineTo(centre.x() + r, centre.y());
        diamond.lineTo(centre.x(), centre.y() + r);
        diamond.lineTo(centre.x() - r, centre.y());
        diamond.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.Ekadashi);
        painter.drawPath(diamond);
        break;
    }
    case VrataMark::None:
        break;
    }
    painter.restore();
}

void PaintDayCell(QPainter& painter, const QRectF& cell, const DayCellTexts& texts,
                  const CellColours& colours) {
    painter.save();
    const QFont base = painter.font();
    if (texts.Tithi >= 0)
        painter.fillRect(cell, texts.Tithi < 15 ? colours.Shukla : colours.Krishna);
    // The fonts follow the cell's height, within what its width allows.
    const double h = std::min(cell.height(), cell.width() * 0.75);
    const double pad = std::max(2.0, std::min(h * 0.05, cell.width() * 0.05));
    QRectF inner = cell.adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
    if (texts.Vrata != VrataMark::None) {
        // A vrata's day: a band of its colour down the left side.
        const double band = std::max(3.0, cell.width() * 0.035);
        painter.fillRect(QRectF(cell.left(), cell.top(), band, cell.height()),
                         texts.Vrata == VrataMark::Purnima    ? colours.Purnima
                         : texts.Vrata == VrataMark::Amavasya ? colours.Amavasya
                                                              : colours.Ekadashi);
        inner.setLeft(inner.left() + band);
    }
    const double width = inner.width();

    // The day's number, and on the right the vrata's mark over the fortnight and its tithi.
    const QFont dayFont = SizedFont(base, h * 0.2, true);
    const QFont nameFont = SizedFont(base, h * 0.13, true);
    const QFont smallFont = SizedFont(base, h * 0.11);
    const QFont noteFont = SizedFont(base, h * 0.11, false, true);
    const double top = inner.top();
    DrawLine(painter, inner.topLeft(), width * 0.45, texts.Day, dayFont, colours.Text);
    if (texts.MoonLit >= 0) {
        // The Moon at sunrise, small, beside the day's number.
        const double moonSize = h * 0.14;
        const double x = inner.left() +
                         QFontMetricsF(dayFont).horizontalAdvance(QStringLiteral("00")) +
                         moonSize * 0.4;
        PaintMoon(painter, QRectF(x, top + moonSize * 0.2, moonSize, moonSize),
                  {texts.MoonLit, texts.MoonWaxing, texts.MoonSouthern});
    }
    const double markSize = h * 0.11;
    double pakshaTop = top;
    if (texts.Vrata != VrataMark::None) {
        PaintVrataMark(painter, QPointF(inner.right() - markSize / 2, top + markSize / 2 + 1),
                       markSize, texts.Vrata, colours);
        pakshaTop += markSize + 2;
    }
    DrawLine(painter, QPointF(inner.left() + width * 0.4, pakshaTop), width * 0.6, texts.Paksha,
             smallFont, colours.Faint, Qt::AlignRight);

    double y = top + QFontMetricsF(dayFont).height() * 1.02;
    y += DrawLine(painter, QPointF(inner.left(), y), width, texts.Name, nameFont, colours.Text);
    y += DrawTwoLines(painter, QPointF(inner.left(), y), width, texts.Until, smallFont,
                      colours.Faint);
    y += DrawLine(painter, QPointF(inner.left(), y), width, texts.Then, smallFont, colours.Faint);
    // The notes, as many as there is room for, the vrata's name first.
    QStringList notes;
    if (!texts.Festival.isEmpty())
        notes << texts.Festival;
    if (texts.Vrata != VrataMark::None)
        notes << VrataText(texts.Vrata);
    if (!texts.Kshaya.isEmpty())
        notes << texts.Kshaya;
    if (!texts.Vriddhi.isEmpty())
        notes << texts.Vriddhi;
    const double noteHeight = QFontMetricsF(noteFont).height();
    for (const QString& note : notes) {
        if (y + noteHeight > cell.bottom())
            break;
        const QColor colour =
            note == texts.Festival ? colours.Masa
            : note == VrataText(texts.Vrata)
                ? (texts.Vrata == VrataMark::Ekadashi ? colours.Ekadashi : colours.Text)
                : colours.Note;
        y += DrawLine(painter, QPointF(inner.left(), y), width, note, noteFont, colour);
    }
    if (!texts.Masa.isEmpty()) {
        // The month that begins, at the foot of the cell.
        const double masaTop = std::max(y, inner.bottom() - noteHeight);
        if (masaTop + noteHeight <= inner.bottom() + 2)
            DrawLine(painter, QPointF(inner.left(), masaTop), width, texts.Masa,
                     SizedFont(base, h * 0.105, true), colours.Masa, Qt::AlignRight);
    }
    if (texts.Today) {
        const double line = std::max(2.0, h * 0.03);
        painter.setPen(QPen(colours.Today, line));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    }
    painter.restore();
}

int WeeksOfMonth(int year, int month) {
    const int first = QDate(year, month, 1).dayOfWeek() % 7; // 0 Sunday
    return (first + QDate(year, month, 1).daysInMonth() + 6) / 7;
}

QString MonthTitleText(int year, int month) {
    return LocalDateText(QDate(year, month, 1), QStringLiteral("MMMM yyyy"));
}

QString LunarMonthsText(const std::vector<CalendarDay>& days, MonthNames names) {
    // The months the days fall in, in one reckoning: "Vaishakha – Jyeshtha".
    auto monthsOf = [&days](bool purnimanta) {
        QStringList months;
        for (const CalendarDay& day : days) {
            const QString masa = MasaText(purnimanta ? day.Month.Purnimanta : day.Month.Amanta);
            if (!masa.isEmpty() && (months.isEmpty() || months.back() != masa))
                months << masa;
        }
        return months.join(QStringLiteral(" – "));
    };
    QString months = monthsOf(false);
    if (days.empty() || months.isEmpty())
        return {};
    if (names == MonthNames::Both) {
        //: The months of both reckonings: "amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha –
        //: Ashadha"
        months = MonthPaintingTexts::tr("amanta %1 · purnimanta %2").arg(months, monthsOf(true));
    }
    //: The lunar months of a civil month and the era years: "Vaishakha – Jyeshtha · Vikram
    //: 2081 · Shaka 1946"
    return MonthPaintingTexts::tr("%1 · Vikram %2 · Shaka %3")
        .arg(months)
        .arg(LocalNumber(days.front().Month.Vikram), LocalNumber(days.front().Month.Shaka));
}

void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthPage& month) {
    const CellColours colours = PrintColours();
    const QFont base = painter.font();
    const double unit = page.height() / 100; // a hundredth of the page's height
    painter.save();

    // The heading: the month large on the left, the lunar months and the place on the right.
    const QFont titleFont = SizedFont(base, unit * 6.5, true);
    const QFont subFont = SizedFont(base, unit * 2.2);
    const double titleHeight = QFontMetricsF(titleFont).height();
    DrawLine(painter, page.topLeft(), page.width() * 0.5, MonthTitleText(month.Year, month.Month),
             titleFont, colours.Text);
    // The lines on the right take what the title leaves, a smaller font where they need it.
    const double titleWidth =
        QFontMetricsF(titleFont).horizontalAdvance(MonthTitleText(month.Year, month.Month)) +
        unit * 3;
    const double right = std::max(page.width() * 0.5, page.width() - titleWidth);
    const QString lunarMonths = LunarMonthsText(month.Days, month.Names);
    double y = page.top() + titleHeight * 0.18;
    y += DrawLine(painter, QPointF(page.right() - right, y), right, lunarMonths,
                  FittedFont(SizedFont(base, unit * 2.6, true), lunarMonths, right, 0.5),
                  colours.Masa, Qt::AlignRight);
    DrawLine(painter, QPointF(page.right() - right, y + unit * 0.4), right, month.Place,
             FittedFont(subFont, month.Place, right), colours.Faint, Qt::AlignRight);

    // The foot: the legend and the rule.
    const QFont footFont = SizedFont(base, unit * 1.7);
    const double footLine = QFontMetricsF(footFont).height();
    // The foot's text takes two lines, three where it names the ephemeris and the ayanamsa.
    const double footTextLines = month.Sky.isEmpty() ? 2.3 : 3.3;
    const double footTop = page.bottom() - footLine * (1.3 + footTextLines);

    // The grid between them.
    const double gridTop = page.top() + titleHeight * 1.15;
    const QFont weekdayFont = SizedFont(base, unit * 2.2, true);
    const double headerHeight = QFontMetricsF(weekdayFont).height() * 1.5;
    const int weeks = WeeksOfMonth(month.Year, month.Month);
    const double cellWidth = page.width() / 7;
    const double cellHeight = (footTop - unit * 1.2 - gridTop - headerHeight) / weeks;
    for (int column = 0; column < 7; ++column) {
        // Sunday first: Qt counts Monday 1 ... Sunday 7.
        const QString name = QLocale().standaloneDayName(column == 0 ? 7 : column);
        const QRectF header(page.left() + column * cellWidth, gridTop, cellWidth, headerHeight);
        painter.fillRect(header, QColor(0x3a, 0x3f, 0x4b));
        painter.setFont(weekdayFont);
        painter.setPen(Qt::white);
        painter.drawText(header, Qt::AlignCenter, name);
    }
    const int firstColumn = QDate(month.Year, month.Month, 1).dayOfWeek() % 7;
    const double cellsTop = gridTop + headerHeight;
    for (std::size_t k = 0; k < month.Days.size(); ++k) {
        const CalendarDay& day = month.Days[k];
        // Each day in the cell of its date: a date the clock skipped leaves its cell empty.
        const int slot = firstColumn + day.Date.Day - 1;
        const QRectF cell(page.left() + (slot % 7) * cellWidth, cellsTop + (slot / 7) * cellHeight,
                          cellWidth, cellHeight);
        painter.setFont(base);
        const CalendarDay* before =
            k > 0 ? &month.Days[k - 1] : (month.Previous ? &*month.Previous : nullptr);
        std::vector<const FestivalDay*> festivals;
        for (const FestivalDay& festival : month.Festivals)
            if (DateKey(festival.Date) == DateKey(day.Date))
                festivals.push_back(&festival);
        DayCellTexts texts = DayCellTextsOf(day, QDateOf(day.Date) == month.Today, month.Names,
                                            before, festivals);
        texts.MoonSouthern = month.Southern;
        PaintDayCell(painter, cell, texts, colours);
    }
    painter.setPen(QPen(colours.Grid, std::max(1.0, unit * 0.08)));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row <= weeks; ++row) {
        const double at = cellsTop + row * cellHeight;
        painter.drawLine(QPointF(page.left(), at), QPointF(page.right(), at));
    }
    for (int column = 0; column <= 7; ++column) {
        const double at = page.left() + column * cellWidth;
        painter.drawLine(QPointF(at, cellsTop), QPointF(at, cellsTop + weeks * cellHeight));
    }

    // The legend: the fortnights' grounds and the vratas' marks, each with its name.
    double x = page.left();
    const double mark = footLine * 0.8;
    auto legend = [&](const QString& text) {
        const double width = QFontMetricsF(footFont).horizontalAdvance(text);
        DrawLine(painter, QPointF(x, footTop), width + 2, text, footFont, colours.Text);
        x += width + footLine;
    };
    const auto swatch = [&](const QColor& colour) {
        painter.fillRect(QRectF(x, footTop + (footLine - mark) / 2, mark * 1.6, mark), colour);
        painter.setPen(QPen(colours.Grid, 1));
        painter.drawRect(QRectF(x, footTop + (footLine - mark) / 2, mark * 1.6, mark));
        x += mark * 2.1;
    };
    const auto symbol = [&](VrataMark which) {
        PaintVrataMark(painter, QPointF(x + mark / 2, footTop + footLine / 2), mark, which,
                       colours);
        x += mark * 1.5;
    };
    swatch(colours.Shukla);
    legend(MonthPaintingTexts::tr("Shukla paksha (bright fortnight)"));
    swatch(colours.Krishna);
    legend(MonthPaintingTexts::tr("Krishna paksha (dark fortnight)"));
    symbol(VrataMark::Purnima);
    legend(VrataText(VrataMark::Purnima));
    symbol(VrataMark::Amavasya);
    legend(VrataText(VrataMark::Amavasya));
    symbol(VrataMark::Ekadashi);
    legend(VrataText(VrataMark::Ekadashi));
    painter.setFont(footFont);
    painter.setPen(colours.Faint);
    painter.drawText(
        QRectF(page.left(), footTop + footLine * 1.3, page.width(), footLine * footTextLines),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        MonthPaintingTexts::tr(
            "Each day shows the tithi at its sunrise, when it ends and the tithi at "
            "the next sunrise.") +
            QLatin1Char(' ') + ObservanceRuleText() + QLatin1Char(' ') +
            (month.Sky.isEmpty() ? QString() : month.Sky + QLatin1Char(' ')) +
            MonthPaintingTexts::tr("Made with Kestrava."));
    painter.restore();
}
