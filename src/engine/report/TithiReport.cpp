// SPDX-License-Identifier: MIT
// The tithi report: the nine texts of the results panel by tithi index, as tables.
#include "engine/report/TithiReport.h"

#include <cmath>
#include <iterator>

namespace {

// What a tithi is, by index: 0 ... 14 the bright fortnight (Shukla), 15 ... 29 the dark one
// (Krishna). The number counts from the full moon, which shows 0.
struct TithiRow {
    const char* Number;
    const char* Name;
    const char* Phase;
    const char* Lord;
    bool Auspicious;
};

constexpr TithiRow TithiRows[] = {
    // 0
    {"16", "Pratipada", "Shukla", "Agni", false},
    {"17", "Dvitiya", "Shukla", "Brahma", false},
    {"18", "Tritiya", "Shukla", "Gauri", false},
    {"19", "Chaturthi", "Shukla", "Ganesha", false},
    {"20", "Panchami", "Shukla", "Naga", false},
    {"21", "Shashthi", "Shukla", "Kartikeya", true},
    {"22", "Saptami", "Shukla", "Sun", true},
    {"23", "Ashtami", "Shukla", "Shiva", true},
    {"24", "Navami", "Shukla", "Durga", false},
    {"25", "Dasami", "Shukla", "Yama", true},
    // 10
    {"26", "Ekadasi", "Shukla", "Vishwadeva", true},
    {"27", "Dwadasi", "Shukla", "Vishnu", true},
    {"28", "Trayodasi", "Shukla", "Kamadeva", true},
    {"29", "Chaturdashi", "Shukla", "Shiva", false},
    {"0", "Purnima", "Shukla", "Moon", true},
    {"1", "Pratipada", "Krishna", "Agni", true},
    {"2", "Dvitiya", "Krishna", "Brahma", true},
    {"3", "Tritiya", "Krishna", "Gauri", true},
    {"4", "Chaturthi", "Krishna", "Ganesha", false},
    {"5", "Panchami", "Krishna", "Naga", true},
    // 20
    {"6", "Shashthi", "Krishna", "Kartikeya", true},
    {"7", "Saptami", "Krishna", "Sun", true},
    {"8", "Ashtami", "Krishna", "Shiva", true},
    {"9", "Navami", "Krishna", "Durga", false},
    {"10", "Dasami", "Krishna", "Yama", true},
    {"11", "Ekadasi", "Krishna", "Vishwadeva", false},
    {"12", "Dwadasi", "Krishna", "Vishnu", false},
    {"13", "Trayodasi", "Krishna", "Kamadeva", false},
    {"14", "Chaturdashi", "Krishna", "Shiva", false},
    {"15", "Amavasya", "Krishna", "Pitara", false},
};
static_assert(std::size(TithiRows) == 30, "thirty tithis to a lunar month");

// The five groups, by index modulo 5.
constexpr const char* TithiGroups[] = {"Nanda", "Bhadra", "Jaya", "Rikta", "Poorna"};
static_assert(std::size(TithiGroups) == 5);

// Features and nature, by index modulo 15: the two fortnights share them.
struct TithiQuality {
    const char* Feature;
    const char* Nature;
};

constexpr TithiQuality TithiQualities[] = {
    // 0
    {"Vriddhi (Increase)", "This is good for all auspicious and religious functions."},
    {"Auspicious happenings",
     "This is good for starting construction work with a strong foundation."},
    {"Power giving", "This is good for cutting of hair and shaving."},
    {"Khala", "This is a good time for finishing off the enemy."},
    {"Laxmi (wealth)", "This is a good time for medical related treatments and surgery."},
    {"Fame giving", "This is a good time for happy occasions and festivities."},
    {"Firendly", "This is a good time for journeys and buying of vehicles."},
    {"Conflict", "This is a good time for preparing for the battle by making your defense strong."},
    {"Aggressive", "This is a tithi of destruction and violence."},
    {"Sober", "This is a good time for religious activities."},
    // 10
    {"Enjoyments", "This is a day of fasting and remembering the Supreme Lord."},
    {"Fame and good qualities",
     "This is a good day for religious ceremonies and lighting of the holy fire."},
    {"Victory", "This is a good day for starting new relationships."},
    {"Aggressive", "This is a day of spirits."},
    {"Sober", "This is a day to perform austere rituals."},
};
static_assert(std::size(TithiQualities) == 15);

constexpr const char* InauspiciousParagraph =
    "Inauspicious Tithi brings about all kind of financial as well as personal losses. As a "
    "result of the malefic planetary effects, the native is bound to suffer from ill health, "
    "monetary problems and will have troubles and quarrels with everybody around him.";

// The text as the reader sees it: one ampersand.
constexpr const char* AuspiciousParagraph =
    "Time the most powerful factor in the accomplishment of any work. Nothing happens before the "
    "appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the "
    "right thing at the time in order to get the best advantage for the progress, welfare & "
    "happiness of the native.";

void FillTithiTables(CalculationRecord& rec) {
    for (std::size_t i = 0; i < std::size(TithiRows); ++i) {
        const TithiRow& row = TithiRows[i];
        const TithiQuality& quality = TithiQualities[i % 15];
        rec.TithiNumberTable[i] = row.Number;
        rec.TithiNameTable[i] = row.Name;
        rec.TithiPhaseTable[i] = row.Phase;
        rec.TithiLordTable[i] = row.Lord;
        rec.TithiGroupTable[i] = TithiGroups[i % 5];
        rec.TithiFeatureTable[i] = quality.Feature;
        rec.TithiNatureTable[i] = quality.Nature;
        rec.TithiTypeTable[i] = row.Auspicious ? "Auspicious" : "In-Auspicious";
        rec.TithiDescriptionTable[i] = row.Auspicious ? AuspiciousParagraph : InauspiciousParagraph;
    }
    // The slot past the last tithi holds empty texts.
    const std::size_t empty = std::size(TithiRows);
    for (TithiTextTable* table :
         {&rec.TithiNumberTable, &rec.TithiNameTable, &rec.TithiPhaseTable, &rec.TithiLordTable,
          &rec.TithiGroupTable, &rec.TithiFeatureTable, &rec.TithiNatureTable, &rec.TithiTypeTable,
          &rec.TithiDescriptionTable}) {
        (*table)[empty].clear();
    }
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

} // namespace

std::optional<TithiReportTexts> MakeTithiReport(CalculationRecord& rec) {
    FillTithiTables(rec);

    // The index is a whole number from the driver; anything else rounds half to even.
    const double rounded = std::nearbyint(rec.TithiIndex);
    if (!(rounded >= 0 && rounded < static_cast<double>(TithiTableSlots))) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(rounded);
    return TithiReportTexts{
        rec.TithiNumberTable[i],      UpperCase(rec.TithiNameTable[i]),
        rec.TithiPhaseTable[i],       rec.TithiLordTable[i],
        rec.TithiGroupTable[i],       rec.TithiFeatureTable[i],
        rec.TithiNatureTable[i],      rec.TithiTypeTable[i],
        rec.TithiDescriptionTable[i],
    };
}

std::string TithiTitle(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(TithiRows))) {
        return {};
    }
    const TithiRow& row = TithiRows[static_cast<std::size_t>(index)];
    if (index == 14 || index == 29) {
        return row.Name; // Purnima and Amavasya need no fortnight
    }
    return std::string(row.Phase) + ' ' + row.Name;
}
