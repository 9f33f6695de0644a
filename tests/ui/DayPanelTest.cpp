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
// 1945. At 05:00 the Sun has not risen: the vara is still Wednesday's.
TEST_F(DayPanelTest, ShowsTheDayAsAlmanacsPublishIt) {
    const struct {
        const char* Hour;
        std::vector<std::pair<const char*, const char*>> Values;
    } cases[] = {
        {"17",
         {{"lblVara", "Guruvara"},
          {"lblNakshatra", "Purva Ashadha, pada 4, until 17:39"},
          {"lblYoga", "Vyaghata, until 17:49"},
          {"lblSunriseTime", "07:15"},
          {"lblSunset", "17:43"},
          {"lblMasa", "Margashirsha (amanta) · Pausha (purnimanta)"},
          {"lblSamvat", "Vikram 2080 · Shaka 1945"}}},
        {"5", {{"lblVara", "Budhavara (before sunrise: the day began at the previous sunrise)"}}},
        // At 23:00 the nakshatra that began at 17:39 ends after midnight: its end carries its date.
        {"23", {{"lblNakshatra", "Uttara Ashadha, pada 1, until 12 Jan "}}},
    };
    for (const auto& c : cases) {
        if (inFront("fraResult"))
            click("cmdBack");
        set({{"txtName", "Asha"},
             {"cboMonth", "January"},
             {"cboDate", "11"},
             {"cboYear", "2024"},
             {"cboHH", c.Hour},
             {"cboMM", "0"},
             {"txtLonD", "77"},
             {"txtLonM", "13"},
             {"txtLatD", "28"},
             {"txtLatM", "36"},
             {"txtZoneHour", "5"},
             {"txtZoneMinute", "30"}});
        click("cmdCalculate");
        ASSERT_TRUE(inFront("fraResult"));
        for (const auto& [name, expected] : c.Values)
            EXPECT_TRUE(text(name).startsWith(QString::fromUtf8(expected)))
                << c.Hour << ":00 " << name << ": " << text(name).toStdString();
    }
}

} // namespace
