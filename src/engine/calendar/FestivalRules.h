// SPDX-License-Identifier: MIT
// The festival rules as the data table states them (data/festivals.tsv): one row a festival, its
// names, its kind, what fixes it (a tithi of a lunar month, a sankranti, a nakshatra within a
// solar month, or an offset from another festival), the period of the day that decides, the rule
// for a tithi that holds that period on two days or on none, its region and its tradition.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/day/Sankranti.h"

#include <string>
#include <string_view>
#include <vector>

enum class FestivalKind { Festival, Vrata, Jayanti, Sankranti, Ekadashi };

// What fixes a festival's day.
enum class FestivalBasis {
    Tithi,          // a tithi of a lunar month
    Sankranti,      // the Sun's entry into a sign, on a regional calendar's day
    SolarNakshatra, // a nakshatra at sunrise within a regional solar month
    Offset,         // so many days from another festival
};

// The period of the day (sunrise to sunrise) in which the tithi must be in force.
enum class DecidingPeriod {
    Sunrise,   // the instant of sunrise
    Purvahna,  // the forenoon: sunrise to midday
    Madhyahna, // the third of the daytime's five parts
    Aparahna,  // the fourth of the daytime's five parts
    Pradosha,  // the first fifth of the night (three of its fifteen muhurtas)
    Nishita,   // the eighth of the night's fifteen muhurtas, about midnight
    Moonrise,  // the instant of the day's moonrise
    Arunodaya, // the two muhurtas of the night before sunrise
};

// How much of the period the tithi must hold.
enum class PeriodHold {
    Touch, // any part of it
    Whole, // all of it
};

// Which day, when the tithi holds the period on two days.
enum class TwoDaysRule { First, Second, Longer };

// Which day, when the tithi holds the period on none.
enum class NoDayRule {
    Sunrise, // the tithi's day by the sunrise rule (the day whose sunrise it holds, the first of
             // two, or the day in which a kshaya tithi runs)
    Next,    // the day after that
};

// Who keeps a festival on its day.
enum class Tradition { All, Smarta, Vaishnava };

struct FestivalRule {
    std::string Id;     // "diwali": stable, ASCII
    std::string NameEn; // "Diwali (Lakshmi Puja)"
    std::string NameHi; // "दीपावली (लक्ष्मी पूजा)"
    FestivalKind Kind{FestivalKind::Festival};
    FestivalBasis Basis{FestivalBasis::Tithi};

    // A tithi of a lunar month.
    int Masa{-1}; // 0 Chaitra ... 11 Phalguna; -1 with AdhikaOnly: whichever month is adhika
    MonthReckoning Reckoning{MonthReckoning::Amanta};
    bool AdhikaOnly{}; // in the adhika month; otherwise the nija (second) month of a pair
    int Tithi{-1};     // 0 Shukla Pratipada ... 29 Amavasya

    // A sankranti, or a solar month.
    int Rashi{-1};
    SolarCalendar DayReckoning{SolarCalendar::Tamil};
    // A nakshatra (0 Ashvini ... 26 Revati) at sunrise within the solar month of Rashi; for a
    // tithi, the nakshatra that decides when the tithi holds the period on two days or on none:
    // the first of the tithi's days whose period the nakshatra touches.
    int Nakshatra{-1};
    // With it, the nakshatra's first day in the month that has this nakshatra before it in the
    // month too ("shravana after hasta": the Thiruvonam whose Atham lies in Chingam); -1 without.
    int LeadNakshatra{-1};

    DecidingPeriod Period{DecidingPeriod::Sunrise};
    // Bhadra (the Vishti karana) kept out of the period: the first day whose period the tithi
    // holds outside bhadra; where bhadra fills it on every such day, the next day if the tithi
    // holds NextDayShare of that day's daytime after sunrise, else the first day (after bhadra
    // ends, or in its tail).
    bool AvoidBhadra{};
    double NextDayShare{};
    PeriodHold Hold{PeriodHold::Touch};
    TwoDaysRule TwoDays{TwoDaysRule::First};
    NoDayRule NoDay{NoDayRule::Sunrise};

    std::string OffsetFrom; // the festival's id
    int OffsetDays{};

    std::string Region; // "all", or where it is kept: "kerala", "tamil-nadu", "punjab", ...
    Tradition Keeper{Tradition::All};
};

// A table's rows, or why it could not be read.
struct FestivalTable {
    std::vector<FestivalRule> Rules;
    std::vector<std::string> Errors; // "line 12: unknown tithi 'shukla-16'"
};

// ParseFestivalTable: the rules of a table in the data file's form: tab-separated columns with
// a header line naming them, '#' opening a comment line, blank lines ignored. A row with a fault
// is left out and named in Errors; an offset from an id that no row holds is a fault too.
FestivalTable ParseFestivalTable(std::string_view text);

// BuiltInFestivalTable: the data file as built into the program.
const FestivalTable& BuiltInFestivalTable();
std::string_view BuiltInFestivalText();

// The words of the table, for the outputs that name them.
std::string_view FestivalKindName(FestivalKind kind);     // "festival", "vrata", ...
std::string_view DecidingPeriodName(DecidingPeriod period); // "pradosha", ...
std::string_view TraditionName(Tradition tradition);      // "all", "smarta", "vaishnava"
