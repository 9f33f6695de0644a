// SPDX-License-Identifier: MIT
// Tests of the Moon drawn in its phase: the lit side where the sky shows it (the right of a
// waxing Moon seen from the north, the left from the south, the other side for a waning Moon),
// the share of the disc lit, and the day window's sections and tables with the period in
// progress marked on today.
#include "ui/MoonPainting.h"
#include "support/DelhiDay.h"
#include "support/MainWindowTest.h"
#include "ui/CalendarPlace.h"
#include "ui/frmDay.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

// The Moon painted on a 200-pixel square: the share of the disc's pixels that are lit, and
// whether its right and left halves carry light.
struct Drawn {
    double LitShare;
    bool RightLit, LeftLit;
};

Drawn Draw(const MoonLook& look) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintMoon(painter, QRectF(0, 0, 200, 200), look);
    }
    int disc = 0, lit = 0, right = 0, left = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const double dx = x + 0.5 - 100, dy = y + 0.5 - 100;
            if (dx * dx + dy * dy > 95 * 95)
                continue; // the rim and the antialiased edge
            ++disc;
            // The lit part is a pale yellow, the dark part a dark grey.
            if (qGray(image.pixel(x, y)) > 160) {
                ++lit;
                (dx > 0 ? right : left)++;
            }
        }
    }
    return {static_cast<double>(lit) / disc, right > disc / 50, left > disc / 50};
}

TEST(MoonPainting, TheLitSideAndShareFollowThePhase) {
    const struct {
        MoonLook look;
        bool right, left;
    } cases[] = {
        {{0.25, true, false}, true, false},  // a waxing crescent from the north: right
        {{0.25, false, false}, false, true}, // waning: left
        {{0.25, true, true}, false, true},   // waxing, from the south: left
        {{0.25, false, true}, true, false},  // waning, from the south: right
        {{0.75, true, false}, true, true},   // gibbous: light on both sides
        {{0.5, true, false}, true, false},   // the first quarter: the right half
    };
    for (const auto& c : cases) {
        const Drawn drawn = Draw(c.look);
        const std::string what = std::to_string(c.look.Illumination) +
                                 (c.look.Waxing ? " waxing" : " waning") +
                                 (c.look.Southern ? " south" : " north");
        EXPECT_EQ(drawn.RightLit, c.right) << what;
        EXPECT_EQ(drawn.LeftLit, c.left) << what;
        // The lit share of the disc's area is the illuminated share, within the rim's pixels.
        EXPECT_NEAR(drawn.LitShare, c.look.Illumination, 0.03) << what;
    }
    EXPECT_LT(Draw({0.0, true, false}).LitShare, 0.01);
    EXPECT_GT(Draw({1.0, true, false}).LitShare, 0.99);
}

// The day window at Delhi on Thursday 11 January 2024 with the platform's clock at 14:00 there:
// the 6th choghadiya of the daytime (Amrit, 13:47-15:06 by the rule applied to the published
// sunrise 07:15 and sunset 17:43) and the 8th hora (13:21-14:13, Jupiter's again, seven after
// the day's own) are marked as now, and so is rahu kalam (the same 6th eighth); on the next day
// nothing is.
TEST(DayWindow, MarksThePeriodInProgressOnToday) {
    const CalendarPlace place{Delhi, std::make_shared<FixedOffsetClock>(5.5),
                              QStringLiteral("Delhi"), QStringLiteral("Delhi"), SkyChoice{}};
    frmDay day(place, QDate(2024, 1, 11));
    day.setNow(QDateTime(QDate(2024, 1, 11), QTime(8, 30), Qt::UTC)); // 14:00 in Delhi
    auto* choghadiya = day.findChild<QTableWidget*>(QStringLiteral("tblChoghadiya"));
    auto* hora = day.findChild<QTableWidget*>(QStringLiteral("tblHora"));
    ASSERT_TRUE(choghadiya && hora);
    ASSERT_EQ(choghadiya->rowCount(), 16);
    ASSERT_EQ(hora->rowCount(), 24);
    EXPECT_EQ(choghadiya->item(5, 0)->text(), QStringLiteral("Day 6 (now)"));
    EXPECT_EQ(choghadiya->item(5, 1)->text(), QStringLiteral("Amrit"));
    EXPECT_EQ(choghadiya->item(0, 1)->text(), QStringLiteral("Shubh")); // Thursday's first
    EXPECT_EQ(hora->item(7, 0)->text(), QStringLiteral("Day 8 (now)"));
    EXPECT_EQ(hora->item(7, 1)->text(), QStringLiteral("Jupiter"));
    EXPECT_EQ(hora->item(8, 1)->text(), QStringLiteral("Mars"));
    EXPECT_TRUE(day.value(QStringLiteral("Rahu Kalam"))->text().endsWith(QStringLiteral("(now)")));
    EXPECT_FALSE(day.value(QStringLiteral("Yamaganda"))->text().endsWith(QStringLiteral("(now)")));
    for (const char* caption : {"Rahu Kalam", "Abhijit Muhurta", "Brahma Muhurta", "Varjyam",
                                "Moon Rashi", "Samvatsara", "Ritu", "Ayana", "Kali Year"}) {
        QLabel* label = day.value(QLatin1String(caption));
        ASSERT_NE(label, nullptr) << caption;
        EXPECT_FALSE(label->text().isEmpty()) << caption;
        EXPECT_EQ(label->accessibleName(), QLatin1String(caption));
    }
    EXPECT_EQ(day.value(QStringLiteral("Kali Year"))->text(), QStringLiteral("5124"));
    day.showDate(QDate(2024, 1, 12));
    for (int row = 0; row < choghadiya->rowCount(); ++row)
        EXPECT_FALSE(choghadiya->item(row, 0)->text().contains(QStringLiteral("now"))) << row;
}

// Where the Sun neither sets nor rises (Tromsø at midsummer) the periods are said not to be
// defined.
TEST(DayWindow, SaysThePeriodsOfAPolarDayAreNotDefined) {
    const CalendarPlace place{{18.96, 69.65},
                              std::make_shared<FixedOffsetClock>(2),
                              QStringLiteral("Tromsø"),
                              QStringLiteral("Tromsø"),
                              SkyChoice{}};
    frmDay day(place, QDate(2025, 6, 21));
    EXPECT_TRUE(
        day.value(QStringLiteral("Rahu Kalam"))->text().startsWith(QStringLiteral("not defined")));
    auto* choghadiya = day.findChild<QTableWidget*>(QStringLiteral("tblChoghadiya"));
    ASSERT_EQ(choghadiya->rowCount(), 1);
    EXPECT_TRUE(choghadiya->item(0, 0)->text().startsWith(QStringLiteral("not defined")));
}

} // namespace
