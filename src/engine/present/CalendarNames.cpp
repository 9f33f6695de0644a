// SPDX-License-Identifier: MIT
// The names a user types for tithis and lunar months, read loosely: spellings of one sound made
// one, so that "Ekadashi" and "Ekadasi", "Bhadra" and "Bhadrapada" name the same.
#include "engine/present/CalendarNames.h"

#include "engine/present/PanchangaNames.h"
#include "engine/report/TithiReport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <map>

namespace {

// Text compared loosely: lower case, letters alone, with the spellings of one sound made one
// ("sh" and "s", "w" and "v", "ee" and "i", "oo" and "u", doubled letters, an "h" after a
// consonant), so that "Ekadashi" and "Ekadasi", "Dwitiya" and "Dvitiya" read alike.
std::string Skeleton(std::string_view text) {
    std::string letters;
    for (const char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    std::string out;
    for (std::size_t k = 0; k < letters.size(); ++k) {
        char c = letters[k];
        if (c == 'h' && k > 0 &&
            std::string_view("aeiou").find(letters[k - 1]) == std::string_view::npos) {
            continue; // the aspirate of "sh", "th", "dh", "bh", "ch"
        }
        if (c == 'w') {
            c = 'v';
        }
        if (c == 'e' && k + 1 < letters.size() && letters[k + 1] == 'e') {
            c = 'i';
            ++k;
        } else if (c == 'o' && k + 1 < letters.size() && letters[k + 1] == 'o') {
            c = 'u';
            ++k;
        }
        if (!out.empty() && out.back() == c) {
            continue;
        }
        out += c;
    }
    return out;
}

// Split at blanks, hyphens and the like.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(Skeleton(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(Skeleton(word));
    }
    return words;
}

// The spellings of a name, compared by their skeletons: one row a name, in the order of the
// names.
struct NameSpellings {
    int Number;                 // the tithi within its fortnight, 1 ... 15 (15 Purnima, 30
                                // Amavasya); the paksha, 0 Shukla, 1 Krishna; the month, 0 ... 11
    std::string_view Spellings; // separated by blanks
};

constexpr NameSpellings TithiSpellings[] = {
    {1, "Pratipada Pratipat Pratipad Prathama Padyami Padva"},
    {2, "Dvitiya Dwitiya Duj"},
    {3, "Tritiya Trutiya Teej"},
    {4, "Chaturthi Chauth"},
    {5, "Panchami"},
    {6, "Shashthi Shashti Sashti"},
    {7, "Saptami"},
    {8, "Ashtami Astami"},
    {9, "Navami"},
    {10, "Dashami Dasami"},
    {11, "Ekadashi Ekadasi Gyaras"},
    {12, "Dvadashi Dwadashi Dwadasi Baras"},
    {13, "Trayodashi Trayodasi Teras"},
    {14, "Chaturdashi Chaturdasi Chaudas"},
    {15, "Purnima Poornima Purnamasi Pournami Pournima Punam"},
    {30, "Amavasya Amavasi Amavas Amavasai Amawasya"},
};

constexpr NameSpellings PakshaSpellings[] = {
    {0, "Shukla Sukla Shuddha Sudi Shudi"},
    {1, "Krishna Krsna Vadi Badi Bahula"},
};

constexpr NameSpellings MasaSpellings[] = {
    {0, "Chaitra Chait"},
    {1, "Vaishakha Vaisakha Vaishakh Baisakh"},
    {2, "Jyeshtha Jyaistha Jyeshta Jeth"},
    {3, "Ashadha Asadha Ashadh Asharh"},
    {4, "Shravana Sravana Shravan Sawan"},
    {5, "Bhadrapada Bhadrapad Bhadra Bhadon"},
    {6, "Ashvin Ashwin Ashvina Asvina Ashvayuja"},
    {7, "Kartika Kartik"},
    {8, "Margashirsha Margasira Margashirsh Agrahayana Aghan"},
    {9, "Pausha Paush Pausa"},
    {10, "Magha Magh"},
    {11, "Phalguna Phalgun Falgun"},
};

template <std::size_t N>
std::optional<int> NumberSpelled(const NameSpellings (&table)[N], const std::string& skeleton) {
    for (const NameSpellings& row : table) {
        for (const std::string& spelling : Words(row.Spellings)) {
            if (spelling == skeleton) {
                return row.Number;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view PakshaName(int tithi) {
    if (tithi < 0 || tithi >= 30) {
        return {};
    }
    return tithi < 15 ? "Shukla" : "Krishna";
}

std::string TithiName(int tithi) {
    // The title without its fortnight: "Shukla Navami" gives "Navami", "Purnima" itself.
    const std::string title = TithiTitle(tithi);
    const std::size_t blank = title.find(' ');
    return blank == std::string::npos ? title : title.substr(blank + 1);
}

std::optional<int> TithiNamed(std::string_view text) {
    std::vector<std::string> words = Words(text);
    std::optional<int> paksha;
    if (words.size() == 2) {
        paksha = NumberSpelled(PakshaSpellings, words.front());
        if (!paksha) {
            return std::nullopt;
        }
        words.erase(words.begin());
    }
    if (words.size() != 1) {
        return std::nullopt;
    }
    const std::optional<int> number = NumberSpelled(TithiSpellings, words.front());
    if (!number) {
        return std::nullopt;
    }
    if (*number == 15) { // Purnima ends the bright fortnight
        return paksha.value_or(0) == 0 ? std::optional<int>(14) : std::nullopt;
    }
    if (*number == 30) { // Amavasya ends the dark one
        return paksha.value_or(1) == 1 ? std::optional<int>(29) : std::nullopt;
    }
    if (!paksha) {
        return std::nullopt;
    }
    return *paksha * 15 + *number - 1;
}

std::optional<int> MasaNamed(std::string_view text) {
    const std::vector<std::string> words = Words(text);
    if (words.size() != 1) {
        return std::nullopt;
    }
    return NumberSpelled(MasaSpellings, words.front());
}
