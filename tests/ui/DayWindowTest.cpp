// SPDX-License-Identifier: MIT
// The day's panchanga window in English and in Hindi: a tithi that holds no sunrise is called
// kshaya, a karana never is, since a day holds two or three karanas as a rule.
#include "engine/time/CivilClock.h"
#include "support/DelhiDay.h"
#include "ui/CalendarPlace.h"
#include "ui/Language.h"
#include "ui/frmDay.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Brings the windows back to English at the end of a test, whatever happens in it.
struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::English); }
};

// Delhi, 77°13′E 28°36′N, on Indian Standard Time, 22 June 2024, sunrise 05:24:17 and the next
// 05:24:32. The elongation of the Moon passes 180° at 06:37:53, 186° at 17:59:04, 192° at
// 05:13:37 on 23 June and 198° at 16:22:28 on 23 June (Swiss Ephemeris, computed separately).
// So Purnima holds the sunrise and Krishna Pratipada holds none: it is kshaya. The karanas are
// the halves of those tithis: Bava, the second half of Purnima, at sunrise; Balava and Kaulava,
// the halves of Pratipada, neither holding a sunrise; Taitila, the first half of Dvitiya, at the
// next sunrise. Times end on the minute they reach; the end of Balava lies four seconds past a
// minute, so either minute is allowed.
TEST(DayWindowLanguages, OnlyATithiIsCalledKshayaInEnglishAndInHindi) {
    BackToEnglish guard;
    const CalendarPlace delhi{Delhi, std::make_shared<FixedOffsetClock>(5.5),
                              QStringLiteral("Delhi"),
                              QStringLiteral("Delhi, 28°36′N 77°13′E, UTC+05:30"), SkyChoice{}};
    const struct {
        Language In;
        const char* KshayaTithi; // the second line of the tithis
        const char* Karanas;     // every line of the karanas, as a pattern
        const char* Kshaya;      // the word that must not follow a karana
    } cases[] = {
        {Language::English, "then Krishna Pratipada until 05:14 on 23 June (kshaya)",
         "Bava until 06:38\n"
         "then Balava until (17:59|18:00)\n"
         "then Kaulava until 05:14 on 23 June\n"
         "then Taitila until 16:23 on 23 June",
         "kshaya"},
        {Language::Hindi, "फिर कृष्ण प्रतिपदा 23 जून को 05:14 तक (क्षय)",
         "बव 06:38 तक\n"
         "फिर बालव (17:59|18:00) तक\n"
         "फिर कौलव 23 जून को 05:14 तक\n"
         "फिर तैतिल 23 जून को 16:23 तक",
         "क्षय"},
    };
    for (const auto& c : cases) {
        SetLanguage(c.In);
        frmDay day(delhi, QDate(2024, 6, 22));
        const QStringList tithis = day.value(QStringLiteral("Tithi"))->text().split('\n');
        ASSERT_EQ(tithis.size(), 3) << tithis.join('|').toStdString();
        EXPECT_EQ(tithis[1], QString::fromUtf8(c.KshayaTithi));
        const QString karanas = day.value(QStringLiteral("Karana"))->text();
        const QRegularExpression expected(
            QRegularExpression::anchoredPattern(QString::fromUtf8(c.Karanas)));
        EXPECT_TRUE(expected.match(karanas).hasMatch()) << karanas.toStdString();
        EXPECT_FALSE(karanas.contains(QString::fromUtf8(c.Kshaya))) << karanas.toStdString();
    }
}

} // namespace
