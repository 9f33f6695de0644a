// SPDX-License-Identifier: MIT
// Named zones: the zone's changes of offset read once from the system's database, an instant's
// offset found among them by binary search, and the names of zones that were renamed or merged.
#include "places/NamedZoneClock.h"

#include "places/VectorState.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <mutex>
#include <vector>

namespace {

constexpr double UnixEpochJulianDay = 2440587.5; // 1970 January 1, 0h UT
constexpr double MillisecondsPerDay = 86400000.0;
constexpr qint64 MillisecondsPerWeek = 7 * 86400000LL;

// The years whose changes are held: 1900 January 1 to 2052 January 1, 0h UT.
constexpr qint64 TableStart = -2208988800000LL;
constexpr qint64 TableEnd = 2524608000000LL;

// The nearest millisecond of an instant. A Julian day near 2.4 million carries its time to
// about 40 microseconds; rounding to the millisecond lets a reading made exactly at a change
// (03:00 on the morning the clocks go forward) fall on the change and not just before it.
qint64 MillisecondsOfJulianDay(double jd) {
    // Four million days either side of 1970 reach past any zone's history; a value beyond them
    // (or not a number) reads as the limit.
    constexpr double Limit = 4.0e6;
    double days = jd - UnixEpochJulianDay;
    if (!(days > -Limit)) {
        days = -Limit;
    } else if (days > Limit) {
        days = Limit;
    }
    return std::llround(days * MillisecondsPerDay);
}

struct Period {
    int Offset{}; // seconds, east positive
    int Saving{}; // seconds of it that are daylight saving
    bool operator==(const Period&) const = default;
};

Period PeriodOfZoneAt(const QTimeZone& zone, qint64 ms) {
    const UpperVectorStateCleared cleared; // Qt's zone code may leave it set (VectorState.h)
    const QTimeZone::OffsetData data = zone.offsetData(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    return {data.offsetFromUtc, data.daylightTimeOffset};
}

// Zones the place list may name under a name the system lacks, and renamed zones.
struct ZoneAlias {
    const char* Legacy;
    const char* Present;
    bool Renamed; // the same zone under a new spelling, rather than one merged with a neighbour
};
constexpr ZoneAlias ZoneAliases[] = {
    {"America/Buenos_Aires", "America/Argentina/Buenos_Aires", true},
    {"America/Godthab", "America/Nuuk", true},
    {"Asia/Calcutta", "Asia/Kolkata", true},
    {"Asia/Dacca", "Asia/Dhaka", true},
    {"Asia/Katmandu", "Asia/Kathmandu", true},
    {"Asia/Rangoon", "Asia/Yangon", true},
    {"Asia/Saigon", "Asia/Ho_Chi_Minh", true},
    {"Asia/Thimbu", "Asia/Thimphu", true},
    {"Asia/Ulan_Bator", "Asia/Ulaanbaatar", true},
    {"Atlantic/Faeroe", "Atlantic/Faroe", true},
    {"Europe/Kiev", "Europe/Kyiv", true},
    {"Pacific/Enderbury", "Pacific/Kanton", true},
    // Zones that now keep a neighbour's clock; their own names stay where the system has them.
    {"America/Kralendijk", "America/Puerto_Rico", false},
    {"America/Lower_Princes", "America/Puerto_Rico", false},
    {"America/Marigot", "America/Puerto_Rico", false},
    {"America/St_Barthelemy", "America/Puerto_Rico", false},
    {"America/Thunder_Bay", "America/Toronto", false},
    {"America/Yellowknife", "America/Edmonton", false},
    {"Arctic/Longyearbyen", "Europe/Berlin", false},
    {"Asia/Choibalsan", "Asia/Ulaanbaatar", false},
    {"Europe/Bratislava", "Europe/Prague", false},
    {"Europe/Mariehamn", "Europe/Helsinki", false},
    {"Europe/Podgorica", "Europe/Belgrade", false},
    {"Europe/San_Marino", "Europe/Rome", false},
    {"Europe/Uzhgorod", "Europe/Kyiv", false},
    {"Europe/Vatican", "Europe/Rome", false},
    {"Europe/Zaporozhye", "Europe/Kyiv", false},
};

// A zone name is words of letters, digits, "_", "-" and "+" joined by "/", each word starting
// with a letter ("Etc/GMT+5"): nothing that reaches outside the database, and not its
// leap-second variants under "right/", whose clocks would run 27 seconds off.
bool LooksLikeZoneName(const QString& name) {
    if (name.isEmpty() || name.size() > 64 || name.startsWith(QLatin1StringView("right/"))) {
        return false;
    }
    bool wordStart = true;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool letter = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
        if (u == u'/') {
            if (wordStart) {
                return false;
            }
            wordStart = true;
            continue;
        }
        if (wordStart
                ? !letter
                : !(letter || (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'+')) {
            return false;
        }
        wordStart = false;
    }
    return !wordStart;
}

bool SystemHasZone(const QString& name) {
    return LooksLikeZoneName(name) && QTimeZone(name.toUtf8()).isValid();
}

} // namespace

QString ResolveZoneName(const QString& zoneName) {
    const UpperVectorStateCleared cleared;
    if (!LooksLikeZoneName(zoneName)) {
        return {};
    }
    const auto alias = std::find_if(std::begin(ZoneAliases), std::end(ZoneAliases),
                                    [&](const ZoneAlias& a) { return zoneName == a.Legacy; });
    const bool known = alias != std::end(ZoneAliases);
    if (known && alias->Renamed && SystemHasZone(QLatin1StringView(alias->Present))) {
        return QLatin1StringView(alias->Present);
    }
    if (SystemHasZone(zoneName)) {
        return zoneName;
    }
    if (known && SystemHasZone(QLatin1StringView(alias->Present))) {
        return QLatin1StringView(alias->Present);
    }
    for (const ZoneAlias& a : ZoneAliases) {
        if (a.Renamed && zoneName == a.Present && SystemHasZone(QLatin1StringView(a.Legacy))) {
            return QLatin1StringView(a.Legacy);
        }
    }
    return {};
}

// A zone's changes of offset over the held years.
struct NamedZoneClock::Table {
    QTimeZone Zone;
    QString Name;
    std::string NameUtf8;
    std::vector<qint64> Changes; // ms since 1970 UT, ascending
    std::vector<Period> Periods; // Periods[i] holds from Changes[i - 1] until Changes[i]

    Period At(qint64 ms) const {
        if (ms < TableStart || ms >= TableEnd) {
            return PeriodOfZoneAt(Zone, ms);
        }
        const auto after = std::upper_bound(Changes.begin(), Changes.end(), ms);
        return Periods[std::size_t(after - Changes.begin())];
    }

    void Add(qint64 ms, Period period) {
        if (period != Periods.back()) {
            Changes.push_back(ms);
            Periods.push_back(period);
        }
    }

    // Reads the changes: those the database lists, then those of the yearly rule that follows
    // its last listed change. Qt 6.4 lists only the changes written out in the zone's file
    // (to 2037 at most), though it evaluates the rule for any instant. Its next change after
    // an instant is taken where the offsets either side of it bear it out (it gives none right
    // at the last listed change, and a false one at the end of 32-bit time); elsewhere the
    // rule is stepped through a week at a time (no season of a rule is shorter), halving the
    // step that holds a change down to the second.
    void Read() {
        Periods.push_back(PeriodOfZoneAt(Zone, TableStart));
        qint64 lastListed = TableStart;
        const QDateTime from = QDateTime::fromMSecsSinceEpoch(TableStart + 1, Qt::UTC);
        const QDateTime until = QDateTime::fromMSecsSinceEpoch(TableEnd - 1, Qt::UTC);
        for (const QTimeZone::OffsetData& change : Zone.transitions(from, until)) {
            const qint64 ms = change.atUtc.toMSecsSinceEpoch();
            if (ms > lastListed) {
                lastListed = ms;
                Add(ms, {change.offsetFromUtc, change.daylightTimeOffset});
            }
        }
        // A rule without daylight saving shows no change within its first year.
        constexpr qint64 Year = 366 * 86400000LL;
        bool ruleChanges = false;
        for (qint64 before = lastListed; before < TableEnd;) {
            const Period current = Periods.back();
            const QDateTime next =
                Zone.nextTransition(QDateTime::fromMSecsSinceEpoch(before, Qt::UTC)).atUtc;
            const qint64 nextMs = next.isValid() ? next.toMSecsSinceEpoch() : TableEnd;
            if (next.isValid() && nextMs > before && nextMs < TableEnd &&
                PeriodOfZoneAt(Zone, nextMs - 1) == current) {
                const Period after = PeriodOfZoneAt(Zone, nextMs);
                ruleChanges = ruleChanges || after != current;
                Add(nextMs, after);
                before = nextMs;
                continue;
            }
            const qint64 after = std::min(before + MillisecondsPerWeek, TableEnd);
            const Period afterPeriod = PeriodOfZoneAt(Zone, after);
            if (afterPeriod != current) {
                // Changes fall on whole seconds: halve in seconds.
                qint64 low = before / 1000, high = after / 1000;
                while (high - low > 1) {
                    const qint64 middle = low + (high - low) / 2;
                    (PeriodOfZoneAt(Zone, middle * 1000) == current ? low : high) = middle;
                }
                Add(high * 1000, afterPeriod);
                ruleChanges = true;
            }
            before = after;
            if (!ruleChanges && before - lastListed > Year) {
                break;
            }
        }
    }
};

std::optional<NamedZoneClock> NamedZoneClock::Open(const QString& zoneName) {
    // Reading a zone hashes its name in Qt, which leaves the vector registers' upper halves set;
    // cleared on the way out, the astronomy that follows keeps its speed (VectorState.h).
    const UpperVectorStateCleared cleared;
    // Every clock of a zone shares one table, read on first use.
    static std::mutex mutex;
    static std::map<QString, std::shared_ptr<const Table>> tables; // by the name asked for
    const std::lock_guard lock(mutex);
    if (const auto found = tables.find(zoneName); found != tables.end()) {
        return NamedZoneClock(found->second);
    }
    const QString name = ResolveZoneName(zoneName);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    std::shared_ptr<const Table>& table = tables[name];
    if (!table) {
        auto read = std::make_shared<Table>();
        read->Zone = QTimeZone(name.toUtf8());
        read->Name = name;
        read->NameUtf8 = name.toStdString();
        read->Read();
        table = std::move(read);
    }
    tables[zoneName] = table;
    return NamedZoneClock(table);
}

int NamedZoneClock::OffsetSecondsAt(double jd) const {
    return table_->At(MillisecondsOfJulianDay(jd)).Offset;
}

int NamedZoneClock::DaylightSavingSecondsAt(double jd) const {
    return table_->At(MillisecondsOfJulianDay(jd)).Saving;
}

double NamedZoneClock::OffsetHoursAt(double jd) const {
    return OffsetSecondsAt(jd) / 3600.0;
}

bool NamedZoneClock::IsDaylightSavingAt(double jd) const {
    return DaylightSavingSecondsAt(jd) != 0;
}

std::string NamedZoneClock::ZoneName() const {
    return table_->NameUtf8;
}

QString NamedZoneClock::Name() const {
    return table_->Name;
}

const QTimeZone& NamedZoneClock::TimeZone() const {
    return table_->Zone;
}

std::optional<double> InstantOfReading(const ResolvedReading& resolved, double civilJd,
                                       Occurrence occurrence) {
    if (resolved.Kind == ClockReadingKind::Gap || !resolved.OffsetHours) {
        return std::nullopt;
    }
    const double offset = occurrence == Occurrence::Later && resolved.LaterOffsetHours
                              ? *resolved.LaterOffsetHours
                              : *resolved.OffsetHours;
    return civilJd - offset / 24;
}
