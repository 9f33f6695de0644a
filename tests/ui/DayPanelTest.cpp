// SPDX-License-Identifier: MIT
// Tests of the day's panchanga in the results panel: a day as almanacs publish it, the vara of a
// moment before sunrise, and an end after midnight shown with its date.
#include "support/MainWindowTest.h"

#include <QLabel>

namespace {

class DayPanelTest : public MainWindowTest {
protected:
    QString text(const char* name) { return find<QLabel>(name)->text(); }
};

// New Delhi (28°36′ N, 77°13′ E, UTC+05:30), as published almanacs give these days: on the
// Amavasya of 11 January 2024 Purva Ashadha until 17:39, Vyaghata until 17:49, sunrise 07:15,
// sunset 17:43, a Thursday of Margashirsha (amanta) and Pausha (purnimanta), Vikram 2080, Shaka
// 1945. At 05:00 the Sun has not risen: the vara is still Wednesday's. The yoga ends at 17:49:01
// (the Swiss Ephemeris: 17:49:01.8); the almanacs print the minute it falls in, the windows the
// first whole minute at or after an end.
TEST_F(DayPanelTest, ShowsTheDayAsAlmanacsPublishIt) {
    const struct {
        const char* Hour;
        std::vector<std::pair<const char*, const char*>> Values;
    } cases[] = {
        {"17",
         {{"lblVara", "Guruvara"},
          {"lblNakshatra", "Purva Ashadha, pada 4, until 17:39"},
          {"lblYoga", "Vyaghata, until 17:50"},
          {"lblSunriseTime", "07:15"},
          {"lblSunset", "17:43"},
          {"lblMasa", "Margashirsha (amanta) · Pausha (purnimanta)"},
          {"lblSamvat", "Vikram 2080 · Shaka 1945"}}},
        {"5", {{"lblVara", "Budhavara (before sunrise: the day began at the previous sunrise)"}}},
        // At 23:00 the nakshatra that began at 17:39 ends after midnight: its end carries its date,
        // as the calendar's windows write it ("04:52 on 12 June").
        {"23", {{"lblNakshatra", "Uttara Ashadha, pada 1, until |on 12 January"}}},
    };
    for (const auto& c : cases) {
        if (inFront("fraResult"))
            click("cmdBack");
        typeDelhiDay(c.Hour);
        click("cmdCalculate");
        ASSERT_TRUE(inFront("fraResult"));
        // "beginning|end": the value begins and ends so; the time between is the engine's own.
        for (const auto& [name, expected] : c.Values) {
            const QStringList parts = QString::fromUtf8(expected).split(QLatin1Char('|'));
            EXPECT_TRUE(text(name).startsWith(parts[0]) && text(name).endsWith(parts.value(1)))
                << c.Hour << ":00 " << name << ": " << text(name).toStdString();
        }
    }
}

// Minutes of the day from "13:47".
int Minutes(const QString& time) {
    const QStringList parts = time.split(QLatin1Char(':'));
    return parts.size() == 2 ? parts[0].toInt() * 60 + parts[1].toInt() : -10000;
}

// The same Thursday at 17:00: rahu kalam is the daytime's 6th eighth, yamaganda its 1st, gulika
// its 3rd, abhijit the 8th of its 15 muhurtas. Applied by hand to the published sunrise 07:15 and
// sunset 17:43 (a daytime of 628 minutes): 13:47.5-15:06, 07:15-08:33.5, 09:52-11:10.5 and
// 12:08-12:50, each shown within a minute. The Moon, new that evening, is in Dhanu until it
// enters Makara at 23:05:12 (the Swiss Ephemeris, Lahiri; shown as the minute by which it has
// happened, 23:06), 0.19 % lit; the Sun is in Dhanu.
TEST_F(DayPanelTest, ShowsTheDaysPeriodsAndTheMoon) {
    typeDelhiDay();
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    const struct {
        const char* name;
        double begins, ends; // minutes of the day
    } periods[] = {
        {"lblRahuKalam", 13 * 60 + 47.5, 15 * 60 + 6},
        {"lblYamaganda", 7 * 60 + 15, 8 * 60 + 33.5},
        {"lblGulikaKalam", 9 * 60 + 52, 11 * 60 + 10.5},
        {"lblAbhijit", 12 * 60 + 8.1, 12 * 60 + 50},
    };
    for (const auto& p : periods) {
        const QStringList ends = text(p.name).split(QChar(0x2013));
        ASSERT_EQ(ends.size(), 2) << p.name << ": " << text(p.name).toStdString();
        EXPECT_NEAR(Minutes(ends[0]), p.begins, 1.0)
            << p.name << ": " << text(p.name).toStdString();
        EXPECT_NEAR(Minutes(ends[1]), p.ends, 1.0) << p.name << ": " << text(p.name).toStdString();
    }
    EXPECT_EQ(text("lblMoonRashi"), QStringLiteral("Dhanu until 23:06 · 0 % lit, waning"));
    EXPECT_EQ(text("lblSunRashi"), QStringLiteral("Dhanu"));
    auto* moon = find<QWidget>("picDayMoon");
    EXPECT_EQ(moon->accessibleName(), QStringLiteral("Moon"));
    EXPECT_EQ(moon->accessibleDescription(), QStringLiteral("0 % lit, waning"));
    for (const char* name : {"lblRahuKalam", "lblYamaganda", "lblGulikaKalam", "lblAbhijit"})
        EXPECT_FALSE(find<QLabel>(name)->accessibleName().isEmpty()) << name;
}

} // namespace
