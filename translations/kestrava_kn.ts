<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>ಅಧಿಕ %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 ರಂದು %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 ದಿನವಿಡೀ (ವೃದ್ಧಿ)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ಕ್ಷಯ)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, ನಂತರ %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>ಹುಣ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 ಆಚರಣೆ</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>ವೃದ್ಧಿ: ತಿಥಿ ಮರುದಿನದ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇರುತ್ತದೆ; ಇಂದೇ ಆಚರಿಸಲಾಗುತ್ತದೆ</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>ವೃದ್ಧಿ: ತಿಥಿಯ ಎರಡನೆಯ ದಿನ; ತಿಥಿಯನ್ನು ಹಿಂದಿನ ದಿನವೇ ಆಚರಿಸಲಾಯಿತು</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 ಮಾಸ ಆರಂಭ</translation>
    </message>
    <message>
        <source>today</source>
        <translation>ಇಂದು</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>ಯಾವ ದಿನದ ಸೂರ್ಯೋದಯಕ್ಕೆ ತಿಥಿ ಇರುತ್ತದೋ ಆ ದಿನವೇ ಅದನ್ನು ಆಚರಿಸಲಾಗುತ್ತದೆ; ಕ್ಷಯ ತಿಥಿಯನ್ನು (ಯಾವ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇಲ್ಲದ್ದು) ಅದು ನಡೆಯುವ ದಿನ, ವೃದ್ಧಿ ತಿಥಿಯನ್ನು (ಎರಡು ಸೂರ್ಯೋದಯಗಳಿಗೆ ಇರುವುದು) ಅದರ ಎರಡು ದಿನಗಳಲ್ಲಿ ಮೊದಲ ದಿನ ಆಚರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>ಕ್ಷಯ: ಯಾವ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>ವೃದ್ಧಿ: ಎರಡು ಸೂರ್ಯೋದಯಗಳಿಗೆ ಇದೆ</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 ಕ್ಷಯ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>ನಂತರ %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>ದಿನವಿಡೀ</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>ವೃದ್ಧಿ</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>ವೃದ್ಧಿ, ಎರಡನೆಯ ದಿನ</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (ಅಧಿಕ, ಪೂರ್ಣಿಮಾಂತ)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (ಅಧಿಕ, ಅಮಾಂತ)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (ಪೂರ್ಣಿಮಾಂತ)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (ಅಮಾಂತ)</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>The month of a day in both reckonings: &quot;Jyeshtha (amanta) · Ashadha (purnimanta)&quot;</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 +%2</source>
        <translation>%1 +%2</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 ರಿಂದ %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1ದ</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1ಉ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1ಪ</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1ಪೂ</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: ಸೂರ್ಯೋದಯದ ತಿಥಿಗಳು, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: ತಿಥಿಗಳು, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: ವ್ರತದ ದಿನಗಳು, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>ಸೂರ್ಯೋದಯದ (%1) ತಿಥಿ: %2, %3.</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>ಮಧ್ಯರಾತ್ರಿಯ ತಿಥಿ (ಸೂರ್ಯೋದಯ ಇಲ್ಲ): %1, %2.</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>ವೃದ್ಧಿ: ಇದು ಮರುದಿನದ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>ವೃದ್ಧಿ: ಇದು ಹಿಂದಿನ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇತ್ತು; ಇದು ಅದರ ಎರಡನೆಯ ದಿನ.</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>ನಂತರ %1, %2 (ಕ್ಷಯ: ಇದು ಯಾವ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇಲ್ಲ).</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>ನಂತರ %1, %2.</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>ಸ್ಥಳ %1, ಸಮಯ %2.</translation>
    </message>
    <message>
        <source>%1 %2, %3, %4.</source>
        <extracomment>A tithi&apos;s span: &quot;Shravana Shukla Panchami, from ... to ..., Asia/Kolkata (UTC+05:30).&quot;</extracomment>
        <translation>%1 %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A lunar month and a tithi: &quot;Shravana Krishna Ashtami&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The tithi runs %1, %2.</source>
        <translation>ತಿಥಿ %1 ಇರುತ್ತದೆ, %2.</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>ಇದು ಯಾವ ಸೂರ್ಯೋದಯಕ್ಕೂ ಇಲ್ಲ (ಕ್ಷಯ); ಇದು ನಡೆಯುವ ದಿನವೇ ಆಚರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>ಇದು ಎರಡು ಸೂರ್ಯೋದಯಗಳಿಗೆ ಇದೆ (ವೃದ್ಧಿ); ಮೊದಲ ದಿನ ಆಚರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>ಸ್ಥಳ: %1.</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>ತಿಥಿ</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>ವ್ರತ</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>ಹುಣ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>ಮಾಸ: %1, %2; ವಿಕ್ರಮ ಶಕ %3, ಶಾಲಿವಾಹನ ಶಕ %4.</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: ಹಬ್ಬಗಳು, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>ಹಬ್ಬ</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>ಜಯಂತಿ</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಖಗೋಳ ಕೋಷ್ಟಕ</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>ಆಧುನಿಕ ಖಗೋಳ ಕೋಷ್ಟಕ</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>ಲಾಹಿರಿ</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ರಾಮನ್</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>ಕೃಷ್ಣಮೂರ್ತಿ (ಕೆ.ಪಿ.)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>ನಿಜ ಚಿತ್ರಾಪಕ್ಷ</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1 ಮತ್ತು %2 ಅಯನಾಂಶದಿಂದ ಗಣಿಸಲಾಗಿದೆ.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>ತಿಥಿಯನ್ನು ಹುಡುಕು (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>ವ್ರತದ ದಿನಗಳು (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar ಕಡತವಾಗಿ ರಫ್ತು ಮಾಡು (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF ಆಗಿ ರಫ್ತು ಮಾಡು (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>ವರ್ಷದ ಹಬ್ಬಗಳು (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>ಉ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>ದ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>ಪೂ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>ಪ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>ರೇಖಾಂಶದ ಅಂಶ</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>ರೇಖಾಂಶದ ಕಲೆ</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>ಅಕ್ಷಾಂಶದ ಅಂಶ</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>ಅಕ್ಷಾಂಶದ ಕಲೆ</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>ಸಮಯ ವಲಯದ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>ಸಮಯ ವಲಯದ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>ಪಂಚಾಂಗವನ್ನು ನಮೂನೆಯಲ್ಲಿರುವ ಸ್ಥಳ ಮತ್ತು ಸಮಯ ವಲಯಕ್ಕೆ ಅನುಗುಣವಾಗಿ ಗಣಿಸಲಾಗುತ್ತದೆ. ದಯವಿಟ್ಟು ಮೊದಲು ನಮೂನೆಯಲ್ಲಿ %1 ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>ನಮೂನೆಯಲ್ಲಿರುವ %1 0 ರಿಂದ %2 ರವರೆಗಿನ ಪೂರ್ಣಾಂಕವಾಗಿರಬೇಕು.</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>ನಮೂನೆಯಲ್ಲಿರುವ ಸ್ಥಳ 90 ಅಂಶ ಅಕ್ಷಾಂಶ ಅಥವಾ 180 ಅಂಶ ರೇಖಾಂಶದ ಮಿತಿಯನ್ನು ಮೀರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>ವಾರ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>ಯೋಗ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ಸೂರ್ಯಾಸ್ತ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>ಕರಣ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>ಚಂದ್ರೋದಯ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ಮಾಸ</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>ಚಂದ್ರಾಸ್ತ</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>ಶಕ</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (ಸೂರ್ಯೋದಯಕ್ಕೆ ಮೊದಲು: ದಿನ ಹಿಂದಿನ ಸೂರ್ಯೋದಯದಿಂದ ಆರಂಭವಾಯಿತು)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, %2ನೇ ಪಾದ, %3 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>ವಿಕ್ರಮ ಶಕ %1 · ಶಾಲಿವಾಹನ ಶಕ %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>ಆ ದಿನದ ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>ಕರಣ ಮತ್ತು ಅದರ ಅಂತ್ಯ</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>ರಾಹುಕಾಲ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ಯಮಗಂಡ</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>ಗುಳಿಕ ಕಾಲ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>ಅಭಿಜಿತ್</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>ಅಭಿಜಿತ್ ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>ಸೂರ್ಯ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>ಚಂದ್ರ ರಾಶಿ ಮತ್ತು ಕಲೆ</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>ಹಬ್ಬಗಳು</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>DayPeriods</name>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>good</source>
        <translation>ಶುಭ</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>ಸಾಮಾನ್ಯ</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>ಅಶುಭ</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>ನಿರ್ಧರಿಸಲಾಗದು: ಈ ದಿನಾಂಕದಂದು ಸೂರ್ಯ ಉದಯಿಸುವುದೂ ಇಲ್ಲ, ಅಸ್ತಮಿಸುವುದೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (ಬುಧವಾರ ಅನ್ವಯಿಸುವುದಿಲ್ಲ)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>ಸೂರ್ಯೋದಯಕ್ಕೆ</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>ಪೂರ್ವಾಹ್ಣದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>ಮಧ್ಯಾಹ್ನದಲ್ಲಿ (ಹಗಲಿನ ಅವಧಿಯ ಮೂರನೆಯ ಐದನೇ ಭಾಗ)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>ಅಪರಾಹ್ಣದಲ್ಲಿ (ಹಗಲಿನ ಅವಧಿಯ ನಾಲ್ಕನೆಯ ಐದನೇ ಭಾಗ)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>ಪ್ರದೋಷದಲ್ಲಿ (ರಾತ್ರಿಯ ಅವಧಿಯ ಮೊದಲ ಐದನೇ ಭಾಗ)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>ನಿಶೀಥ ಕಾಲದಲ್ಲಿ (ಮಧ್ಯರಾತ್ರಿ)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>ಚಂದ್ರೋದಯಕ್ಕೆ</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>ಅರುಣೋದಯದಲ್ಲಿ (ಸೂರ್ಯೋದಯಕ್ಕೆ ಮೊದಲು)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>ತಮಿಳು ನಿಯಮ: ಸಂಕ್ರಮಣ ಸೂರ್ಯಾಸ್ತಕ್ಕೆ ಮೊದಲಾದರೆ ಅದೇ ದಿನ, ಇಲ್ಲದಿದ್ದರೆ ಮರುದಿನ</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>ಮಲಯಾಳ ನಿಯಮ: ಸಂಕ್ರಮಣ ಹಗಲಿನ ಅವಧಿಯ ಮೊದಲ ಮೂರು ಐದನೇ ಭಾಗಗಳಲ್ಲಿ ಆದರೆ ಅದೇ ದಿನ, ಇಲ್ಲದಿದ್ದರೆ ಮರುದಿನ</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>ಬಂಗಾಳಿ ನಿಯಮ: ಸಂಕ್ರಮಣದ ಮರುದಿನ; ಅದು ಮಧ್ಯರಾತ್ರಿಯ ನಂತರವಾದರೆ ಅದರ ಮುಂದಿನ ದಿನ</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>ಸಂಕ್ರಮಣದ ದಿನ (ಸೂರ್ಯೋದಯದಿಂದ ಸೂರ್ಯೋದಯದವರೆಗೆ)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>ಅಮಾಂತ</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>ಅಧಿಕ ಮಾಸದ %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, ಪೂರ್ತಿಯಾಗಿ</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; ಇಲ್ಲದಿದ್ದರೆ %1 ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, ಭದ್ರೆ ಇಲ್ಲದೆ</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>ಸೂರ್ಯನ %1 ರಾಶಿ ಪ್ರವೇಶ; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 ಸೌರ ಮಾಸದಲ್ಲಿ ಸೂರ್ಯೋದಯಕ್ಕೆ %1 ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1 ರ ಹಿಂದಿನ ದಿನ</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1 ರ ಮರುದಿನ</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2 ಕ್ಕೆ %1 ದಿನ ಮೊದಲು</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2 ರ %1 ದಿನ ನಂತರ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A festival and the rule that gave its day: &quot;Diwali (Lakshmi Puja): Kartika Amavasya ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <extracomment>The solar dates of a month&apos;s first and last days: &quot;Tamil: Margazhi 17 – Thai 18&quot;</extracomment>
        <translation>%1: %2 – %3</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>No file name was given.</source>
        <translation>ಕಡತದ ಹೆಸರು ನೀಡಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 ಫೋಲ್ಡರ್ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ಒಂದು ಫೋಲ್ಡರ್.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 ಬರೆಯಬಹುದಾದ ಕಡತವಲ್ಲ (ಸಾಕೆಟ್ ಅಥವಾ ಬ್ಲಾಕ್ ಸಾಧನ).</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 ಒಂದು ಪೈಪ್; ಯಾವ ತಂತ್ರಾಂಶವೂ ಅದನ್ನು ಓದುತ್ತಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1 ಅನ್ನು ನೋಡಲಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>ಇದನ್ನು %1 ರಲ್ಲಿ ರಚಿಸಲಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>ಇದನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ: %1.</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>ಇದು %1 ರ ಸ್ಥಾನವನ್ನು ಪಡೆಯಲಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ಅಂಕಿಗಳನ್ನು ಮಾತ್ರ ಸ್ವೀಕರಿಸಲಾಗುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>ದಯವಿಟ್ಟು ಸಮಯ ವಲಯದ ಗಂಟೆ ಮತ್ತು ನಿಮಿಷವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಅಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಕಲೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಅಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಕಲೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನ ಅಥವಾ ತಿಂಗಳನ್ನು ನಮೂದಿಸಿ!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನ ಅಥವಾ ತಿಂಗಳನ್ನು ನಮೂದಿಸಿ!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಸರಿಯಾದ ಅಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಸರಿಯಾದ ಕಲೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಸರಿಯಾದ ಅಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಸರಿಯಾದ ಕಲೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>ದಯವಿಟ್ಟು ಸಮಯ ವಲಯದ ಸರಿಯಾದ ಗಂಟೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>ದಯವಿಟ್ಟು ಸಮಯ ವಲಯದ ಸರಿಯಾದ ನಿಮಿಷವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ದಯವಿಟ್ಟು ನಗರವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%3 ರಲ್ಲಿ %2 ರಂದು %1 ಎಂಬ ಸಮಯ ಎರಡು ಬಾರಿ ಬರುತ್ತದೆ: ಗಡಿಯಾರಗಳು %4 ರಿಂದ %5 ಕ್ಕೆ ಹಿಂದೆ ಸರಿದವು.

ಮೊದಲ %1 (%6) ತೆಗೆದುಕೊಳ್ಳಬೇಕೆ? “ಇಲ್ಲ” ಆರಿಸಿದರೆ ಎರಡನೆಯ %1 (%7) ತೆಗೆದುಕೊಳ್ಳಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%3 ರಲ್ಲಿ %2 ರಂದು %1 ಸಮಯ ಇರುವುದೇ ಇಲ್ಲ: ಗಡಿಯಾರಗಳು %4 ರಿಂದ %5 ಕ್ಕೆ ಮುಂದೆ ಸರಿದವು.

ಬದಲಾವಣೆಯ ನಂತರದ ಗಡಿಯಾರಗಳ ಅದೇ ಕ್ಷಣವಾದ %6 ಕ್ಕೆ ಗಣಿಸಬೇಕೇ?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>ದಿನಾಂಕದ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>ದಿನಾಂಕದ ದಿನ</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>ದಿನಾಂಕದ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>ಸಮಯದ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>ಸಮಯದ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>ಸಮಯದ ಸೆಕೆಂಡು</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>ಸಮಯ</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ಗಂ:ನಿ:ಸೆ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ಅಂಶ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>ಕಲೆ</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>ರೇಖಾಂಶದ ಅಂಶ</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>ರೇಖಾಂಶದ ಕಲೆ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>ಅಕ್ಷಾಂಶದ ಅಂಶ</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>ಅಕ್ಷಾಂಶದ ಕಲೆ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>ಸಮಯ ವಲಯದ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>ಸಮಯ ವಲಯದ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ಸಮಯ ವಲಯಗಳ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>ಹೆಸರಿನ ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ಗಂಟೆ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ಕಂಡುಹಿಡಿಯಲು ಇಲ್ಲಿ ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ಕಂಡುಹಿಡಿಯಲು ಇಲ್ಲಿ ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>ಯಾವುದೇ ಮುಖ್ಯ ಕೆಲಸ ಆರಂಭಿಸುವ ಮೊದಲು ತಿಥಿಯನ್ನು ತಿಳಿದುಕೊಳ್ಳಿ.</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava ವೈದಿಕ ಜ್ಯೋತಿಷದ ಆಧಾರದ ಮೇಲೆ ಚಾಂದ್ರಮಾನ ದಿನವನ್ನು, ಅಂದರೆ ತಿಥಿಯನ್ನು, ಗಣಿಸುತ್ತದೆ. ತಿಥಿಗಳನ್ನು ಒಳ್ಳೆಯವು ಅಥವಾ ಕೆಟ್ಟವು ಎನ್ನಲಾಗುತ್ತದೆ; ಕಾರ್ಯಗಳಿಗೆ ಮುಹೂರ್ತ ನಿರ್ಧರಿಸುವಲ್ಲಿ ಅವುಗಳಿಗೆ ಬಹಳ ಮಹತ್ವವಿದೆ.</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>ನನ್ನ ತಿಥಿ ತಿಳಿ</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>ನನ್ನ ತಿಥಿ ತಿಳಿ (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ %1 ಮಾಸ ಆರಂಭ</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · ವಿಕ್ರಮ ಶಕ %2 · ಶಾಲಿವಾಹನ ಶಕ %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>ಶುಕ್ಲ ಪಕ್ಷ</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>ಕೃಷ್ಣ ಪಕ್ಷ</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>ಪ್ರತಿ ದಿನದಲ್ಲಿ ಅದರ ಸೂರ್ಯೋದಯದ ತಿಥಿ, ಆ ತಿಥಿ ಮುಗಿಯುವ ಸಮಯ ಮತ್ತು ಮರುದಿನದ ಸೂರ್ಯೋದಯದ ತಿಥಿಯನ್ನು ತೋರಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava ಬಳಸಿ ತಯಾರಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>ಅಮಾಂತ %1 · ಪೂರ್ಣಿಮಾಂತ %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava ಪಂಚಾಂಗ, %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % ಪ್ರಕಾಶ, ವೃದ್ಧಿಸುತ್ತಿರುವ ಕಲೆ</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % ಪ್ರಕಾಶ, ಕ್ಷೀಣಿಸುತ್ತಿರುವ ಕಲೆ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — ಈ ದಿನಾಂಕದಂದು ಗಡಿಯಾರಗಳು %2 ಸಮಯವನ್ನು ದಾಟಿಹೋಗುತ್ತವೆ</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 ಎಂಬ ಸಮಯ ಎರಡು ಬಾರಿ ಬರುತ್ತದೆ</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>ಸಮಯ ವಲಯ %1 ಈ ಗಣಕದ ಸಮಯ ವಲಯಗಳ ದತ್ತಸಂಚಯದಲ್ಲಿ ಇಲ್ಲ: ಅದರ ಗಂಟೆ ಮತ್ತು ನಿಮಿಷವನ್ನು ನೀವೇ ನಮೂದಿಸಿ.</translation>
    </message>
</context>
<context>
    <name>Panchanga</name>
    <message>
        <source>%1 %2</source>
        <comment>fortnight, then the tithi</comment>
        <extracomment>A tithi&apos;s title: its fortnight, then its name, &quot;Shukla Navami&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>above the horizon all day</source>
        <translation>ದಿನವಿಡೀ ದಿಗಂತದ ಮೇಲೆ</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>ದಿನವಿಡೀ ದಿಗಂತದ ಕೆಳಗೆ</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>ಈ ದಿನಾಂಕದಂದು ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>ಅಕ್ಷಾಂಶ ಇಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>ಸ್ಥಳಗಳು</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>ಆರಂಭ %1 · ಅಂತ್ಯ %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>ಸೂರ್ಯೋದಯಕ್ಕೆ (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>ಈ ದಿನಾಂಕದಂದು ಸೂರ್ಯೋದಯ ಇಲ್ಲ: ಸೂರ್ಯ ದಿನವಿಡೀ ದಿಗಂತದ ಮೇಲೆಯೇ ಇರುತ್ತಾನೆ (ಧ್ರುವ ಹಗಲು)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>ಈ ದಿನಾಂಕದಂದು ಸೂರ್ಯೋದಯ ಇಲ್ಲ: ಸೂರ್ಯ ದಿನವಿಡೀ ದಿಗಂತದ ಕೆಳಗೆಯೇ ಇರುತ್ತಾನೆ (ಧ್ರುವ ರಾತ್ರಿ)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>ಈ ದಿನಾಂಕದಂದು ಸೂರ್ಯೋದಯ ಇಲ್ಲ: ಸೂರ್ಯ ಮುಂದಿನ ಮಧ್ಯರಾತ್ರಿಯ ನಂತರವೇ ಉದಯಿಸುತ್ತಾನೆ</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>ಸೂರ್ಯೋದಯ ಇಲ್ಲ: ಅಕ್ಷಾಂಶ 90 ಅಂಶವನ್ನು ಮೀರಿದೆ</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>ಕರಣ: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>ತಿಥಿ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>ತಿಥಿಯ ಹೆಸರು</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>ತಿಥಿಯ ಪಕ್ಷ</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>ತಿಥಿಯ ಅಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>ತಿಥಿಯ ವರ್ಗ</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>ತಿಥಿಯ ವಿಶೇಷ</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>ತಿಥಿಯ ಸ್ವಭಾವ</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>ತಿಥಿಯ ಬಗೆ</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava ಫಲಿತಾಂಶಗಳು</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ಹಿಂದಕ್ಕೆ (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ಹಿಂದಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>ತಿಥಿಯ ವಿವರಣೆ</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>ತಿಥಿಯ ಆರಂಭ ಮತ್ತು ಅಂತ್ಯ</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>ಸೂರ್ಯೋದಯದ ತಿಥಿ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>ಕರಣ</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>ಹೆಸರು, ದಿನಾಂಕ ಮತ್ತು ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>ವರದಿಯ ತಿಥಿ ಈ ಕ್ಷಣದಿಂದ ಕೆಲವೇ ಸೆಕೆಂಡುಗಳಲ್ಲಿ ಬದಲಾಗುತ್ತದೆ; ಆಧುನಿಕ ಖಗೋಳ ಕೋಷ್ಟಕದ ಪ್ರಕಾರ ಅದು %1: ಆರಂಭ %2 · ಅಂತ್ಯ %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>ಆಧುನಿಕ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>ಲಾಹಿರಿ (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>ರಾಮನ್ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>ಕೃಷ್ಣಮೂರ್ತಿ (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>ನಿಜ ಚಿತ್ರಾಪಕ್ಷ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>ಖಗೋಳ ಕೋಷ್ಟಕ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>ಅಯನಾಂಶ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>ಚಿತ್ತಿರೈ</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>ವೈಕಾಸಿ</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>ಆನಿ</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>ಆಡಿ</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>ಆವಣಿ</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>ಪುರಟ್ಟಾಸಿ</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ಐಪ್ಪಸಿ</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>ಕಾರ್ತಿಗೈ</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>ಮಾರ್ಗಳಿ</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>ತೈ</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>ಮಾಸಿ</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>ಪಂಗುನಿ</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>ಮೇಡಂ</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>ಇಡವಂ</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>ಮಿಥುನಂ</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>ಕರ್ಕಿಡಕಂ</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>ಚಿಂಗಂ</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>ಕನ್ನಿ</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>ತುಲಾಂ</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>ವೃಶ್ಚಿಕಂ</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>ಮಕರಂ</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>ಕುಂಭಂ</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>ಮೀನಂ</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>ಬೈಶಾಖ್</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>ಜೈಷ್ಠ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>ಆಷಾಢ್</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>ಶ್ರಾವಣ್</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>ಭಾದ್ರ</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>ಆಶ್ವಿನ್</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>ಕಾರ್ತಿಕ್</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>ಅಗ್ರಹಾಯಣ್</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>ಪೌಷ್</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>ಮಾಘ್</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>ಫಾಲ್ಗುಣ್</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>ಚೈತ್ರ</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>ಬೈಶಾಖ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ಜ್ಯೇಷ್ಠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>ಆಷಾಢ</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>ಶ್ರಾವಣ</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>ಭಾದ್ರವ</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>ಆಶ್ವಿನ</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>ಕಾರ್ತಿಕ</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>ಮಾರ್ಗಶಿರ</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>ಪೌಷ</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>ಮಾಘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>ಫಾಲ್ಗುಣ</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>ಚೈತ್ರ</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ತಮಿಳು</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>ಮಲಯಾಳ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>ಬಂಗಾಳಿ</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ಒಡಿಯಾ</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>ತಂತ್ರಾಂಶ ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, ಋಣಾತ್ಮಕ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava ವೈದಿಕ ಜ್ಯೋತಿಷದ ಆಧಾರದ ಮೇಲೆ ಚಾಂದ್ರಮಾನ ದಿನವನ್ನು, ಅಂದರೆ ತಿಥಿಯನ್ನು, ಗಣಿಸುತ್ತದೆ. ತಿಥಿಗಳನ್ನು ಒಳ್ಳೆಯವು ಅಥವಾ ಕೆಟ್ಟವು ಎನ್ನಲಾಗುತ್ತದೆ; ಕಾರ್ಯಗಳಿಗೆ ಮುಹೂರ್ತ ನಿರ್ಧರಿಸುವಲ್ಲಿ ಅವುಗಳಿಗೆ ಬಹಳ ಮಹತ್ವವಿದೆ.</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಲು ಇಲ್ಲಿ ಒತ್ತಿ: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>ಪರವಾನಗಿ: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>ಸ್ಥಳಗಳ ಮಾಹಿತಿಯ ಪರವಾನಗಿ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>ಸ್ಥಳಗಳ ಹೆಸರುಗಳು ಮತ್ತು ನಿರ್ದೇಶಾಂಕಗಳು: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava ಮತ್ತು ಅದನ್ನು ತಯಾರಿಸಿದವರ ಬಗ್ಗೆ ಓದಲು ಇಲ್ಲಿ ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>ಸಹಾಯ ಓದಿ: ನಮೂನೆಯನ್ನು ಹೇಗೆ ತುಂಬಬೇಕು ಮತ್ತು ಫಲಿತಾಂಶಗಳ ಅರ್ಥವೇನು</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava ಸಹಾಯ</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT ಪರವಾನಗಿಯಡಿಯ ಮುಕ್ತ ತಂತ್ರಾಂಶ; ಇದರಲ್ಲಿರುವ ದತ್ತಾಂಶಕ್ಕೆ ತಮ್ಮದೇ ಆದ ನಿಯಮಗಳಿವೆ, ಅವುಗಳನ್ನು ಇದರ ಸೂಚನೆಗಳಲ್ಲಿ ಪಟ್ಟಿ ಮಾಡಲಾಗಿದೆ.</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>ವಾರ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ಸೂರ್ಯಾಸ್ತ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>ಚಂದ್ರೋದಯ</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>ಚಂದ್ರಾಸ್ತ</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>ತಿಥಿ</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>ಆಚರಿಸುವ ತಿಥಿ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>ಯೋಗ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>ಕರಣ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ಮಾಸ</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>ಶಕ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ಕ್ಷಯ)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>ನಂತರ %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ ಹಿಂದಿನ ದಿನ (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>ಹಿಂದಿನ ದಿನ</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>ಮುಂದಿನ ದಿನ (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>ಮುಂದಿನ ದಿನ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ಮುಚ್ಚು (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1 ಪಂಚಾಂಗ - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, ಸೂರ್ಯೋದಯದಿಂದ ಸೂರ್ಯೋದಯದವರೆಗೆ</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>ಹೊಸ ತಿಥಿ ಇಲ್ಲ: ಸೂರ್ಯೋದಯದ ತಿಥಿಯನ್ನು ಹಿಂದಿನ ದಿನವೇ ಆಚರಿಸಲಾಯಿತು (ವೃದ್ಧಿ)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (ಸೂರ್ಯೋದಯಕ್ಕೆ %2ನೇ ಪಾದ)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>ವಿಕ್ರಮ ಶಕ %1, ಶಾಲಿವಾಹನ ಶಕ %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>ಸೂರ್ಯ ಮತ್ತು ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>ಚಂದ್ರ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>ಸೂರ್ಯ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>ಚಂದ್ರನ ಕಲೆ</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>ಹಬ್ಬಗಳು</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>ಸೌರಮಾನ ದಿನಾಂಕಗಳು</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>ಸಂವತ್ಸರ</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>ಕಲಿಯುಗ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ಋತು</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>ಅಯನ</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>ಶುಭ ಸಮಯಗಳು</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>ಅಭಿಜಿತ್ ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>ಬ್ರಾಹ್ಮೀ ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>ಅಮೃತ ಕಾಲ</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>ಪ್ರದೋಷ</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>ನಿಶೀಥ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>ಗೋಧೂಳಿ</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>ಅಶುಭ ಸಮಯಗಳು</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>ರಾಹುಕಾಲ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ಯಮಗಂಡ</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>ಗುಳಿಕ ಕಾಲ</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>ದುರ್ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>ವರ್ಜ್ಯ</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ಚೌಘಡಿಯಾ</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>ಭಾಗ</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>ಫಲ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>ಸಮಯ</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ಹೋರೆ</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>ಅಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>ಆ ದಿನದ ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (ದಕ್ಷಿಣ ಭಾರತದ ಗಣನೆಯ ಪ್ರಭವಾದಿ ಅರವತ್ತು ಸಂವತ್ಸರಗಳ ಚಕ್ರ, ಚೈತ್ರದಿಂದ)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (ಚಾಂದ್ರಮಾನ ಮಾಸದ ಪ್ರಕಾರ)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (ನಿರಯನ ಸೂರ್ಯನ ಪ್ರಕಾರ)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, ನಂತರ %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>ಸೂರ್ಯೋದಯಕ್ಕೆ, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (ಈಗ)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>ಈ ದಿನ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>ಹಗಲು %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>ರಾತ್ರಿ %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>ರಫ್ತು - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar ಕಡತ, ಕ್ಯಾಲೆಂಡರ್ ತಂತ್ರಾಂಶಗಳಿಗಾಗಿ (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar ಕಡತ</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, ಪ್ರತಿ ಪುಟದಲ್ಲಿ ಮುದ್ರಿಸಬಹುದಾದ ಒಂದು ತಿಂಗಳು (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ಆರಂಭದ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ಕೊನೆಯ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>ಪ್ರತಿ ದಿನದ ಸೂರ್ಯೋದಯದ ತಿಥಿ, ದಿನವಿಡೀ ನಮೂದುಗಳಾಗಿ (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>ಪ್ರತಿ ದಿನದ ಸೂರ್ಯೋದಯದ ತಿಥಿ</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>ಪ್ರತಿ ತಿಥಿ, ಆರಂಭದಿಂದ ಅಂತ್ಯದವರೆಗೆ, ಸಮಯ ಸಹಿತ ನಮೂದುಗಳಾಗಿ (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>ಪ್ರತಿ ತಿಥಿ, ಆರಂಭದಿಂದ ಅಂತ್ಯದವರೆಗೆ</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>ವ್ರತದ ದಿನಗಳು: ಏಕಾದಶಿ, ಹುಣ್ಣಿಮೆ ಮತ್ತು ಅಮಾವಾಸ್ಯೆ (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>ವ್ರತದ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>ಮಾಸ ಗಣನೆ</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>ಅಮಾಂತ (ಅಮಾವಾಸ್ಯೆಯಿಂದ ಅಮಾವಾಸ್ಯೆಯವರೆಗೆ)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ (ಹುಣ್ಣಿಮೆಯಿಂದ ಹುಣ್ಣಿಮೆಯವರೆಗೆ)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>ಮೊದಲ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>ಕೊನೆಯ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A4 (&amp;4)</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>ಲೆಟರ್ (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>ಲೆಟರ್</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>ಉಳಿಸು (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡು</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>ಆರಂಭದ ದಿನಾಂಕ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>ಕೊನೆಯ ದಿನಾಂಕ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>ಮಾಸ ಗಣನೆ (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>ಮೊದಲ ತಿಂಗಳು (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>ಕೊನೆಯ ತಿಂಗಳು (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>ಕಾಗದ:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 ರಿಂದ %2 ರವರೆಗೆ.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>ಸೂರ್ಯೋದಯದ ತಿಥಿಗಳು</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>ತಿಥಿಗಳು</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>ವ್ರತದ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Kestrava %1 %2.ics</source>
        <translation>Kestrava %1 %2.ics</translation>
    </message>
    <message>
        <source>Kestrava %1 %2-%3.ics</source>
        <translation>Kestrava %1 %2-%3.ics</translation>
    </message>
    <message>
        <source>The last month comes before the first.</source>
        <translation>ಕೊನೆಯ ತಿಂಗಳು ಮೊದಲ ತಿಂಗಳಿಗಿಂತ ಹಿಂದಿನದಾಗಿರಬಾರದು.</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಚ್ಚೆಂದರೆ %1 ತಿಂಗಳುಗಳನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>ಕೊನೆಯ ದಿನಾಂಕ ಆರಂಭದ ದಿನಾಂಕಕ್ಕಿಂತ ಹಿಂದಿನದಾಗಿರಬಾರದು.</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಚ್ಚೆಂದರೆ ಹತ್ತು ವರ್ಷಗಳನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>ತಿಂಗಳುಗಳನ್ನು PDF ಆಗಿ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>ಪಂಚಾಂಗವನ್ನು ಉಳಿಸು</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ಕಡತಗಳು (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ಕಡತಗಳು (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>ತಿಂಗಳನ್ನು %1 ರಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ: 1 ಪುಟ.</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>ತಿಂಗಳುಗಳನ್ನು %1 ರಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ: %2 ಪುಟಗಳು.</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>ಪಂಚಾಂಗವನ್ನು %1 ರಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ: 1 ನಮೂದು.</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>ಪಂಚಾಂಗವನ್ನು %2 ರಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ: %1 ನಮೂದುಗಳು.</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava ಗೆ %1 ಅನ್ನು ಉಳಿಸಲು ಆಗಲಿಲ್ಲ.
%2
ಏನನ್ನೂ ಬರೆಯಲಾಗಿಲ್ಲ; ದಯವಿಟ್ಟು ಬೇರೆ ಫೋಲ್ಡರ್ ಅಥವಾ ಹೆಸರನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>ಹಬ್ಬಗಳು, ಪ್ರತಿಯೊಂದೂ ತನ್ನ ನಿಯಮದಂತೆ ತನ್ನ ದಿನ (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>ಹಬ್ಬಗಳು</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>ವರ್ಷದ ಹಬ್ಬಗಳು - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ವರ್ಷ</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>ಹಬ್ಬದ ಹೆಸರು</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>ದೀಪಾವಳಿ, ಏಕಾದಶಿ ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>ಸಿಕ್ಕ ಹಬ್ಬಗಳು</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>ಹಬ್ಬಗಳು</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>ಹಬ್ಬ</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>ನಿಯಮ</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗದಲ್ಲಿ ತೋರಿಸು (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗದಲ್ಲಿ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>ವರ್ಷ (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>ಹಬ್ಬದ ಹೆಸರು (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1 ರ ಹಬ್ಬಗಳು, ಪ್ರತಿಯೊಂದೂ ತನ್ನ ನಿಯಮದಂತೆ ತನ್ನ ದಿನ</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1 ರ ಹಬ್ಬಗಳು, ಹೆಸರಿನಲ್ಲಿ &quot;%2&quot; ಇರುವವು</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: ಯಾವ ಹಬ್ಬವೂ ಸಿಗಲಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>ತಿಥಿಯನ್ನು ಹುಡುಕು - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>ಪಕ್ಷ</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>ತಿಥಿ</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>ಈ ಚಾಂದ್ರಮಾನ ಮಾಸದಲ್ಲಿ ಮಾತ್ರ (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>ಈ ಚಾಂದ್ರಮಾನ ಮಾಸದಲ್ಲಿ ಮಾತ್ರ</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>ಚಾಂದ್ರಮಾನ ಮಾಸ</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>ಅಮಾಂತ, ಅಮಾವಾಸ್ಯೆಯಿಂದ ಅಮಾವಾಸ್ಯೆಯವರೆಗೆ (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>ಅಮಾಂತ</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ, ಹುಣ್ಣಿಮೆಯಿಂದ ಹುಣ್ಣಿಮೆಯವರೆಗೆ (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>ಅಧಿಕ ಮಾಸದಲ್ಲೂ (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>ಅಧಿಕ ಮಾಸದಲ್ಲೂ</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>ಯಾವ ವರ್ಷ ಒಂದು ಮಾಸ ಅಧಿಕವಾಗಿರುತ್ತದೋ ಆ ವರ್ಷ ಅದು ಎರಡು ಬಾರಿ ಬರುತ್ತದೆ; ಹಬ್ಬಗಳನ್ನೂ ವಾರ್ಷಿಕ ತಿಥಿಗಳನ್ನೂ ಎರಡನೆಯ (ನಿಜ) ಮಾಸದಲ್ಲಿ ಆಚರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ಆರಂಭದ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>ಎಷ್ಟು ಬಾರಿ</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>ಮುಂದಿನದನ್ನು ಹುಡುಕು (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>ಮುಂದಿನದನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>ಹಿಂದಿನದನ್ನು ಹುಡುಕು (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>ಹಿಂದಿನದನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>ವರ್ಷದ ವ್ರತದ ದಿನಗಳು (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>ವರ್ಷದ ವ್ರತದ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>ಆರಂಭದ ದಿನಾಂಕದ ವರ್ಷದ ಪ್ರತಿ ಏಕಾದಶಿ, ಹುಣ್ಣಿಮೆ ಮತ್ತು ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>ಸಿಕ್ಕಿದವು</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>ಆಚರಣೆಯ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>ಆಚರಣೆಯ ದಿನ</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>ಆರಂಭ</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>ಅಂತ್ಯ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ಟಿಪ್ಪಣಿ</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>ಆಚರಣೆಯ ದಿನ</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗದಲ್ಲಿ ತೋರಿಸು (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗದಲ್ಲಿ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>ಪಕ್ಷ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>ತಿಥಿ (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>ಆರಂಭದ ದಿನಾಂಕ (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>ಎಷ್ಟು ಬಾರಿ (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3) ಮಾಸದ %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>ಅಮಾಂತ</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 ರಿಂದ ಮುಂದಿನ ಆಚರಣೆಯ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2 ಕ್ಕಿಂತ ಹಿಂದಿನ ಆಚರಣೆಯ ದಿನಗಳು, ಹತ್ತಿರದ್ದು ಮೇಲೆ</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1 ರ ವ್ರತದ ದಿನಗಳು: ಪ್ರತಿ ಏಕಾದಶಿ, ಹುಣ್ಣಿಮೆ ಮತ್ತು ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: ಯಾವ ದಿನವೂ ಸಿಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>ಹಬ್ಬ</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>ಹಬ್ಬವನ್ನು ಹುಡುಕು (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>ಹಬ್ಬವನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>ಹೆಸರಿಸಿದ ಹಬ್ಬದ ಮುಂದಿನ ದಿನಗಳು, ಆರಂಭದ ದಿನಾಂಕದಿಂದ</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; ಎಂಬ ಹೆಸರಿನ ಹಬ್ಬ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 ರಿಂದ ಅದರ ದಿನಗಳು</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>ಫಲಿತಾಂಶಗಳ ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಕಡತ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>ಲೆಕ್ಕಹಾಕು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>ಪಂಚಾಂಗ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ಭಾಷೆ / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ತಂತ್ರಾಂಶದ ಹೊಸ ಆವೃತ್ತಿಗಾಗಿ ನೋಡು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ತಂತ್ರಾಂಶದ ಬಗ್ಗೆ (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ನಮೂನೆಯ ಅಕ್ಷಾಂಶ 90 ಡಿಗ್ರಿಯ ಮಿತಿಯನ್ನು ಮೀರಿದೆ, ಅಲ್ಲಿ ಯಾವ ಸ್ಥಳವೂ ಇಲ್ಲ: ತಿಥಿಯ ಸಮಯಗಳು, ಸೂರ್ಯೋದಯ ಮತ್ತು ಆ ದಿನದ ಪಂಚಾಂಗವನ್ನು ಲೆಕ್ಕಿಸಲಾಗಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ನಮೂನೆಯ ರೇಖಾಂಶ 180 ಡಿಗ್ರಿಯ ಮಿತಿಯನ್ನು ಮೀರಿದೆ, ಅಲ್ಲಿ ಯಾವ ಸ್ಥಳವೂ ಇಲ್ಲ: ತಿಥಿಯ ಸಮಯಗಳು, ಸೂರ್ಯೋದಯ ಮತ್ತು ಆ ದಿನದ ಪಂಚಾಂಗವನ್ನು ಲೆಕ್ಕಿಸಲಾಗಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (ಮೊದಲ %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (ಎರಡನೆಯ %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; ಆರಂಭ %2, ಅಂತ್ಯ %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ಈಗಿನ ಸಮಯ ತುಂಬು (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವಾಗಿ ಉಳಿಸು (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವನ್ನು ತೆಗೆದುಹಾಕು (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>ಇಂದಿನ ದಿನಾಂಕ %1, Kestrava ಗಣಿಸುವ 1901 ರಿಂದ 2050 ರವರೆಗಿನ ವರ್ಷಗಳ ಹೊರಗಿದೆ: ದಿನಾಂಕ ಮತ್ತು ಸಮಯವನ್ನು ಇದ್ದಂತೆಯೇ ಬಿಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವಾಗಿ ಉಳಿಸುವ ಮೊದಲು, ದಯವಿಟ್ಟು ರೇಖಾಂಶ ಮತ್ತು ಅಕ್ಷಾಂಶವನ್ನು ಅಂಶ ಮತ್ತು ಕಲೆಗಳಲ್ಲಿ, ಸಮಯ ವಲಯದ ಗಂಟೆ ಮತ್ತು ನಿಮಿಷವನ್ನು ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವನ್ನು ಉಳಿಸಲು ಆಗಲಿಲ್ಲ: ಸಂಯೋಜನೆಗಳ ಕಡತಕ್ಕೆ ಬರೆಯಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>ಈ ಸ್ಥಳವನ್ನು ನಿಮ್ಮ ಸ್ವಂತ ಸ್ಥಳವಾಗಿ ಉಳಿಸಲಾಗಿದೆ: Kestrava ಪ್ರತಿ ಬಾರಿ ಆರಂಭವಾದಾಗ ಇದನ್ನು ತುಂಬುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವನ್ನು ತೆಗೆದುಹಾಕಬೇಕೆ? ನಂತರ Kestrava ಸ್ಥಳದ ಕ್ಷೇತ್ರಗಳನ್ನು ಖಾಲಿ ಇಟ್ಟು ಆರಂಭವಾಗುತ್ತದೆ; ಈಗ ನಮೂನೆಯಲ್ಲಿರುವ ಕ್ಷೇತ್ರಗಳು ಇದ್ದಂತೆಯೇ ಇರುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>ಸ್ವಂತ ಸ್ಥಳವನ್ನು ತೆಗೆದುಹಾಕಲು ಆಗಲಿಲ್ಲ: ಸಂಯೋಜನೆಗಳ ಕಡತಕ್ಕೆ ಬರೆಯಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>ಅಂತರರಾಷ್ಟ್ರೀಯ ಅಂಕಿಗಳು (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>ಆಯ್ಕೆಗಳು (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>ಮಾಸಿಕ ಪಂಚಾಂಗ - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>ಹಿಂದಿನ ವರ್ಷ</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« ಹಿಂದಿನ ವರ್ಷ</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>ಒಂದು ವರ್ಷ ಹಿಂದಿನ ಇದೇ ತಿಂಗಳು (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>ಹಿಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ ಹಿಂದಿನ ತಿಂಗಳು (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>ಹಿಂದಿನ ತಿಂಗಳು (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ವರ್ಷ</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>ಮುಂದಿನ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>ಮುಂದಿನ ವರ್ಷ »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>ಒಂದು ವರ್ಷ ನಂತರದ ಇದೇ ತಿಂಗಳು (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ಇಂದು</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>ಇಂದು (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>ಈ ತಿಂಗಳು, ಇಂದಿನ ದಿನವನ್ನು ಆರಿಸಿ (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>ತೋರಿಸುತ್ತಿರುವ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>ಚಾಂದ್ರಮಾನ ಮಾಸಗಳು</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>ತಿಂಗಳ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>ಸಂಕೇತಗಳು</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 ಶುಕ್ಲ ಪಕ್ಷ &amp;nbsp; %2 ಕೃಷ್ಣ ಪಕ್ಷ &amp;nbsp; %3 ಹುಣ್ಣಿಮೆ &amp;nbsp; %4 ಅಮಾವಾಸ್ಯೆ &amp;nbsp; %5 ಏಕಾದಶಿ &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;ಕ್ಷಯ, ವೃದ್ಧಿ&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;ಮಾಸ&lt;/b&gt; ಆರಂಭವಾಗುವಲ್ಲಿ &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; ಇಂದು</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>ಶುಕ್ಲ ಪಕ್ಷದ ಚೌಕಗಳು ದಂತದ ಬಣ್ಣದಲ್ಲಿ, ಕೃಷ್ಣ ಪಕ್ಷದ ಚೌಕಗಳು ನೀಲಿ-ಬೂದು ಬಣ್ಣದಲ್ಲಿ ಇವೆ; ಹುಣ್ಣಿಮೆಗೆ ಪೂರ್ಣ ಚಂದ್ರನ ಗುರುತು, ಅಮಾವಾಸ್ಯೆಗೆ ಕಪ್ಪು ಚಂದ್ರನ ಗುರುತು, ಏಕಾದಶಿಗೆ ಹಸಿರು ವಜ್ರಾಕಾರದ (◆) ಗುರುತು ಇದೆ.</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>ಆಚರಣೆಯ ದಿನ</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>ದಿನದ ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>ದಿನದ ಪಂಚಾಂಗ (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>ಆರಿಸಿದ ದಿನದ ಸಂಪೂರ್ಣ ಪಂಚಾಂಗ (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>ತಿಥಿಯನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>ತಿಥಿಯನ್ನು ಹುಡುಕು (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar ರಫ್ತು ಮಾಡು</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar ರಫ್ತು ಮಾಡು (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ರಫ್ತು ಮಾಡು</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF ರಫ್ತು ಮಾಡು (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>ತಿಂಗಳು (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>ವರ್ಷ (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 ರ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>ವೈಷ್ಣವ ಆಚರಣೆ</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>ವೈಷ್ಣವ ಆಚರಣೆ (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>ಸಂಪ್ರದಾಯಗಳು ಬೇರೆ ಬೇರೆ ದಿನ ಆಚರಿಸುವ ಹಬ್ಬಗಳಿಗೆ (ಜನ್ಮಾಷ್ಟಮಿ, ಏಕಾದಶಿಗಳು) ವೈಷ್ಣವ ದಿನಗಳು; ಉಳಿದವಕ್ಕೆ ಸ್ಮಾರ್ತ ದಿನಗಳು</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ ಮಾಸಗಳೂ</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>ಅಮಾಂತ ಮಾಸಗಳ ಜೊತೆಗೆ ಹುಣ್ಣಿಮೆಯ ನಂತರ ಆರಂಭವಾಗುವ ಪೂರ್ಣಿಮಾಂತ ಮಾಸಗಳ ಹೆಸರುಗಳನ್ನೂ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>ಪೂರ್ಣಿಮಾಂತ ಮಾಸಗಳೂ (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ನಿರ್ಗಮಿಸು</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>ಈ ತಂತ್ರಾಂಶದ ಹೊಸ ಆವೃತ್ತಿ ಲಭ್ಯವಿರಬಹುದು</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>ಹೊಸ ಆವೃತ್ತಿ ಇದೆಯೇ ಎಂದು ನೋಡಬೇಕೆ?</translation>
    </message>
</context>
</TS>
