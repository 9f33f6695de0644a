// SPDX-License-Identifier: MIT
// Tests of the named zones: offsets and daylight saving by date against the published history
// of each zone, the resolution of clock readings in gaps and overlaps, legacy names, and the
// offset texts.
#include "engine/time/TimeScales.h"
#include "places/NamedZoneClock.h"
#include "places/PlaceDirectory.h"
#include "places/ZoneText.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

// A moment as a Julian day: the calendar date plus hours (Universal Time or a clock's reading).
double Jd(int year, int month, int day, double hours = 0) {
    return JulianDayOfDate(month, day, year) + hours / 24;
}

NamedZoneClock Zone(const char* name) {
    const std::optional<NamedZoneClock> clock = NamedZoneClock::Open(QString::fromLatin1(name));
    EXPECT_TRUE(clock) << name;
    return clock ? *clock : *NamedZoneClock::Open(QStringLiteral("UTC"));
}

constexpr int H = 3600, M = 60;

// The offsets in force at instants of Universal Time, from each zone's published history.
TEST(NamedZone, OffsetAndDaylightSavingByDate) {
    const struct {
        const char* Zone;
        double Jd;
        int Offset;
        bool DaylightSaving;
    } cases[] = {
        {"Europe/Madrid", Jd(2024, 1, 15, 12), 1 * H, false}, // CET, though west of Greenwich
        {"Europe/Madrid", Jd(2024, 7, 15, 12), 2 * H, true},
        {"America/New_York", Jd(2024, 3, 10, 7) - 1e-5, -5 * H, false}, // a second before 07:00 UT
        {"America/New_York", Jd(2024, 3, 10, 7), -4 * H, true},
        {"America/New_York", Jd(2024, 11, 3, 6) - 1e-5, -4 * H, true},
        {"America/New_York", Jd(2024, 11, 3, 6), -5 * H, false},
        {"America/New_York", Jd(2050, 7, 1), -4 * H, true}, // the rule beyond the listed years
        {"Europe/Paris", Jd(2045, 7, 1), 2 * H, true},
        {"Europe/Paris", Jd(2045, 12, 1), 1 * H, false},
        {"Australia/Sydney", Jd(2024, 1, 15), 11 * H, true}, // southern summer
        {"Australia/Sydney", Jd(2024, 7, 15), 10 * H, false},
        {"America/Santiago", Jd(2024, 1, 15), -3 * H, true},
        {"America/Santiago", Jd(2024, 7, 15), -4 * H, false},
        {"Asia/Kolkata", Jd(1900, 6, 1), 5 * H + 21 * M + 10, false}, // Madras time
        {"Asia/Kolkata", Jd(1942, 7, 1), 5 * H + 30 * M, false},
        {"Asia/Kolkata", Jd(1942, 10, 1), 6 * H + 30 * M, true}, // war time from 1942-09-01
        {"Asia/Kolkata", Jd(1945, 11, 1), 5 * H + 30 * M, false},
        {"Asia/Kolkata", Jd(2020, 6, 1), 5 * H + 30 * M, false},
        {"Asia/Kathmandu", Jd(1985, 6, 1), 5 * H + 30 * M, false},
        {"Asia/Kathmandu", Jd(1987, 6, 1), 5 * H + 45 * M, false},
        {"Australia/Lord_Howe", Jd(2024, 7, 15), 10 * H + 30 * M, false},
        {"Australia/Lord_Howe", Jd(2024, 1, 15), 11 * H, true}, // half an hour of saving
        {"Australia/Lord_Howe", Jd(2045, 1, 15), 11 * H, true},
        {"Pacific/Chatham", Jd(2024, 7, 15), 12 * H + 45 * M, false},
        {"Pacific/Chatham", Jd(2024, 1, 15), 13 * H + 45 * M, true},
        {"Europe/London", Jd(1941, 7, 1), 2 * H, true}, // double summer time
    };
    for (const auto& c : cases) {
        const NamedZoneClock clock = Zone(c.Zone);
        EXPECT_EQ(clock.OffsetSecondsAt(c.Jd), c.Offset) << c.Zone << " at jd " << c.Jd;
        EXPECT_EQ(clock.OffsetHoursAt(c.Jd), c.Offset / 3600.0) << c.Zone << " at jd " << c.Jd;
        EXPECT_EQ(clock.IsDaylightSavingAt(c.Jd), c.DaylightSaving) << c.Zone << " at jd " << c.Jd;
    }
}

// The held changes agree with the system's database, for every zone the place directory names:
// at random instants of 1900 ... 2051, a millisecond either side of each change the database
// lists for 2020 ... 2030, and through the years after its list ends (2037), where the changes
// are found by stepping through the zone's yearly rule.
TEST(NamedZone, HeldChangesAgreeWithTheDatabase) {
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    std::set<QString> zones;
    for (int id = 0; id < directory.Count(); ++id) {
        zones.insert(directory.PlaceAt(id).ZoneName);
    }
    ASSERT_GT(zones.size(), 300u);
    std::mt19937 random(1906);
    std::uniform_real_distribution<double> instants(Jd(1900, 1, 1), Jd(2052, 1, 1));
    for (const QString& name : zones) {
        const std::optional<NamedZoneClock> clock = NamedZoneClock::Open(name);
        ASSERT_TRUE(clock) << name.toStdString();
        auto databaseOffset = [&](double jd) {
            const qint64 ms = std::llround((jd - 2440587.5) * 86400000.0);
            return clock->TimeZone().offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
        };
        std::vector<double> probes;
        for (int i = 0; i < 40; ++i) {
            probes.push_back(instants(random));
        }
        const auto listed =
            clock->TimeZone().transitions(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC),
                                          QDateTime(QDate(2031, 1, 1), QTime(0, 0), Qt::UTC));
        for (const QTimeZone::OffsetData& change : listed) {
            const double jd = 2440587.5 + change.atUtc.toMSecsSinceEpoch() / 86400000.0;
            probes.insert(probes.end(), {jd - 1 / 86400000.0, jd});
        }
        for (double jd = Jd(2038, 1, 1); jd < Jd(2052, 1, 1); jd += 29) {
            probes.push_back(jd);
        }
        for (const double jd : probes) {
            ASSERT_EQ(clock->OffsetSecondsAt(jd), databaseOffset(jd))
                << name.toStdString() << " at jd " << jd;
        }
    }
}

// Clock readings around the changes of 2024 (and war time in Kolkata): the gap that clocks set
// forward skip, and the hour (half hour at Lord Howe) that clocks set back show twice.
TEST(NamedZone, ReadingsInGapsAndOverlaps) {
    const struct {
        const char* Zone;
        double Reading; // on the zone's clock
        ClockReadingKind Kind;
        int Offset, LaterOffset; // the occurrences' offsets (a gap's: before, after)
        double ChangeJd;         // the change's instant, Universal Time; 0 where none is near
    } cases[] = {
        {"America/New_York", Jd(2024, 3, 10, 2.5), ClockReadingKind::Gap, -5 * H, -4 * H,
         Jd(2024, 3, 10, 7)},
        {"America/New_York", Jd(2024, 3, 10, 2), ClockReadingKind::Gap, -5 * H, -4 * H,
         Jd(2024, 3, 10, 7)},
        {"America/New_York", Jd(2024, 3, 10, 3), ClockReadingKind::Unique, -4 * H, 0,
         Jd(2024, 3, 10, 7)},
        {"America/New_York", Jd(2024, 3, 10, 1 + 59 / 60.0), ClockReadingKind::Unique, -5 * H, 0,
         Jd(2024, 3, 10, 7)},
        {"America/New_York", Jd(2024, 11, 3, 1.5), ClockReadingKind::Overlap, -4 * H, -5 * H,
         Jd(2024, 11, 3, 6)},
        {"America/New_York", Jd(2024, 11, 3, 1), ClockReadingKind::Overlap, -4 * H, -5 * H,
         Jd(2024, 11, 3, 6)},
        {"America/New_York", Jd(2024, 11, 3, 2), ClockReadingKind::Unique, -5 * H, 0,
         Jd(2024, 11, 3, 6)},
        {"America/New_York", Jd(2024, 6, 1, 12), ClockReadingKind::Unique, -4 * H, 0, 0},
        {"Australia/Sydney", Jd(2024, 10, 6, 2.5), ClockReadingKind::Gap, 10 * H, 11 * H,
         Jd(2024, 10, 5, 16)},
        {"America/Santiago", Jd(2024, 9, 8, 0.5), ClockReadingKind::Gap, -4 * H, -3 * H,
         Jd(2024, 9, 8, 4)},
        {"America/Santiago", Jd(2024, 4, 6, 23.5), ClockReadingKind::Overlap, -3 * H, -4 * H,
         Jd(2024, 4, 7, 3)},
        {"Australia/Lord_Howe", Jd(2024, 10, 6, 2.25), ClockReadingKind::Gap, 10 * H + 30 * M,
         11 * H, Jd(2024, 10, 5, 15.5)},
        {"Australia/Lord_Howe", Jd(2024, 4, 7, 1.75), ClockReadingKind::Overlap, 11 * H,
         10 * H + 30 * M, Jd(2024, 4, 6, 15)},
        {"Asia/Kolkata", Jd(1942, 9, 1, 0.5), ClockReadingKind::Gap, 5 * H + 30 * M, 6 * H + 30 * M,
         Jd(1942, 8, 31, 18.5)},
    };
    for (const auto& c : cases) {
        const NamedZoneClock clock = Zone(c.Zone);
        const ResolvedReading r = ResolveReading(clock, c.Reading);
        const std::string where = std::string(c.Zone) + " reading jd " + std::to_string(c.Reading);
        EXPECT_EQ(r.Kind, c.Kind) << where;
        switch (c.Kind) {
        case ClockReadingKind::Gap:
            EXPECT_FALSE(r.OffsetHours) << where;
            EXPECT_EQ(r.OffsetBefore * 3600, c.Offset) << where;
            EXPECT_EQ(r.OffsetAfter * 3600, c.LaterOffset) << where;
            EXPECT_FALSE(InstantOfReading(r, c.Reading)) << where;
            break;
        case ClockReadingKind::Overlap:
            EXPECT_EQ(r.OffsetHours.value_or(0) * 3600, c.Offset) << where;
            EXPECT_EQ(r.LaterOffsetHours.value_or(0) * 3600, c.LaterOffset) << where;
            // The second occurrence comes later by the difference of the offsets.
            EXPECT_NEAR((*InstantOfReading(r, c.Reading, Occurrence::Later) -
                         *InstantOfReading(r, c.Reading)) *
                            86400,
                        c.Offset - c.LaterOffset, 1e-3)
                << where;
            break;
        case ClockReadingKind::Unique:
            EXPECT_EQ(r.OffsetHours.value_or(0) * 3600, c.Offset) << where;
            EXPECT_EQ(InstantOfReading(r, c.Reading, Occurrence::Later),
                      InstantOfReading(r, c.Reading))
                << where;
            break;
        }
        if (c.ChangeJd != 0 && c.Kind != ClockReadingKind::Unique) {
            EXPECT_NEAR((r.ChangeJd - c.ChangeJd) * 86400, 0, 1) << where;
        }
    }
}

// Renamed zones come by their present names; a zone merged with a neighbour keeps its own name
// where the system still has it (Debian keeps such names in a package of their own on newer
// releases) and takes its successor's where not.
TEST(NamedZone, LegacyNamesResolve) {
    const struct {
        const char* Asked;
        std::set<std::string> Held; // empty where there is no such zone
    } cases[] = {
        {"Asia/Calcutta", {"Asia/Kolkata"}},
        {"Europe/Kiev", {"Europe/Kyiv"}},
        {"Asia/Rangoon", {"Asia/Yangon"}},
        {"Asia/Katmandu", {"Asia/Kathmandu"}},
        {"America/Godthab", {"America/Nuuk"}},
        {"Europe/Bratislava", {"Europe/Bratislava", "Europe/Prague"}},
        {"Europe/Zaporozhye", {"Europe/Zaporozhye", "Europe/Kyiv"}},
        {"Asia/Kolkata", {"Asia/Kolkata"}},
        {"Etc/GMT+5", {"Etc/GMT+5"}},
        {"Mars/Olympus_Mons", {}},
        {"../../etc/passwd", {}},
        {"right/Asia/Kolkata", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const QString asked = QString::fromLatin1(c.Asked);
        const std::string held = ResolveZoneName(asked).toStdString();
        EXPECT_TRUE(c.Held.empty() ? held.empty() : c.Held.count(held) == 1)
            << c.Asked << " held as " << held;
        const std::optional<NamedZoneClock> clock = NamedZoneClock::Open(asked);
        EXPECT_EQ(clock ? clock->ZoneName() : std::string(), held) << c.Asked;
    }
    // The legacy names give the zone's clock: Yangon's +06:30, Zaporizhzhia's summer +03:00.
    EXPECT_EQ(Zone("Asia/Rangoon").OffsetSecondsAt(Jd(2024, 1, 1)), 6 * H + 30 * M);
    EXPECT_EQ(Zone("Europe/Zaporozhye").OffsetSecondsAt(Jd(2024, 7, 1)), 3 * H);
}

TEST(ZoneText, OffsetsAndDescriptions) {
    const struct {
        int Offset;
        const char* Iso;
        const char16_t* Display;
    } offsets[] = {
        {5 * H + 30 * M, "+05:30", u"UTC+05:30"},
        {-4 * H, "-04:00", u"UTC\u221204:00"},
        {0, "+00:00", u"UTC+00:00"},
        {5 * H + 53 * M + 20, "+05:53:20", u"UTC+05:53:20"},
        {-(9 * H + 30 * M), "-09:30", u"UTC\u221209:30"},
        {12 * H + 45 * M, "+12:45", u"UTC+12:45"},
        {-(0 * H + 25 * M + 21), "-00:25:21", u"UTC\u221200:25:21"}, // Dublin mean time
    };
    for (const auto& c : offsets) {
        EXPECT_EQ(IsoOffsetText(c.Offset).toStdString(), c.Iso);
        EXPECT_EQ(DisplayOffsetText(c.Offset), QString::fromUtf16(c.Display));
    }
    EXPECT_EQ(OffsetSecondsOfHours(5 + 53 / 60.0 + 20 / 3600.0), 5 * H + 53 * M + 20);

    const struct {
        const char* Zone;
        double Jd;
        const char16_t* Text;
    } descriptions[] = {
        {"America/New_York", Jd(2024, 7, 1),
         u"America/New_York \u2014 UTC\u221204:00, daylight saving"},
        {"Asia/Calcutta", Jd(2020, 1, 1), u"Asia/Kolkata \u2014 UTC+05:30"},
        {"Europe/Dublin", Jd(2024, 1, 15),
         u"Europe/Dublin \u2014 UTC+00:00, negative daylight saving"},
    };
    for (const auto& c : descriptions) {
        EXPECT_EQ(ZoneDescription(Zone(c.Zone), c.Jd), QString::fromUtf16(c.Text)) << c.Zone;
    }
}

} // namespace
