<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>अधिक %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 रोजी %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 दिवसभर (वृद्धी)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 पर्यंत</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (क्षय)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, नंतर %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>पौर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावास्या</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 पाळली जाते</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>वृद्धी: तिथी पुढच्या सूर्योदयालाही असते आणि आज पाळली जाते</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>वृद्धी: तिथीचा दुसरा दिवस; तिथी आदल्या दिवशी पाळली गेली</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 मास सुरू</translation>
    </message>
    <message>
        <source>today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>तिथी ज्या दिवसाच्या सूर्योदयाला असते त्या दिवशी पाळली जाते; क्षय तिथी (जी कोणत्याही सूर्योदयाला नसते) ती ज्या दिवसात येते त्या दिवशी; आणि वृद्धी तिथी (जी दोन सूर्योदयांना असते) तिच्या दोन दिवसांपैकी पहिल्या दिवशी.</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>क्षय: कोणत्याही सूर्योदयाला नसते</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>वृद्धी: दोन सूर्योदयांना असते</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 क्षय</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 पर्यंत</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>नंतर %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>दिवसभर</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>वृद्धी</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>वृद्धी, दुसरा दिवस</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (अधिक, पौर्णिमांत)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (अधिक, अमांत)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (पौर्णिमांत)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (अमांत)</translation>
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
        <translation>%1 ते %2</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1द</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1उ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1प</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1पू</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: सूर्योदयाच्या तिथी, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: तिथी, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: व्रताचे दिवस, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>सूर्योदयाची (%1) तिथी: %2, %3.</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>मध्यरात्रीची तिथी (सूर्योदय नाही): %1, %2.</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>वृद्धी: ही तिथी पुढच्या सूर्योदयालाही असते.</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>वृद्धी: ही तिथी मागच्या सूर्योदयालाही होती; हा तिचा दुसरा दिवस आहे.</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>नंतर %1, %2 (क्षय: ही तिथी कोणत्याही सूर्योदयाला नसते).</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>नंतर %1, %2.</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>ठिकाण %1, वेळा %2.</translation>
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
        <translation>तिथीचा काळ: %1, %2.</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>ही तिथी कोणत्याही सूर्योदयाला नसते (क्षय) आणि ती ज्या दिवसात येते त्या दिवशी पाळली जाते.</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>ही तिथी दोन सूर्योदयांना असते (वृद्धी) आणि पहिल्या दिवशी पाळली जाते.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>ठिकाण: %1.</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथी</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>व्रत</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>पौर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावास्या</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>मास: %1, %2; विक्रम संवत %3, शके %4.</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: सण, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>संक्रांती</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>जयंती</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>अभिजात ग्रहस्थिती-सारणी</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>आधुनिक ग्रहस्थिती-सारणी</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिरी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रामन</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ती (केपी)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1 आणि %2 अयनांश वापरून गणना.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>मासिक पंचांग (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>तिथी शोधा (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>व्रताचे दिवस (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar फाइल निर्यात करा (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF निर्यात करा (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>वर्षातील सण (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>द</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>प</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>रेखांशाचे अंश</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>रेखांशाची मिनिटे</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>अक्षांशाचे अंश</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>अक्षांशाची मिनिटे</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>वेळ क्षेत्राचे तास</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>वेळ क्षेत्राची मिनिटे</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>पंचांगाची गणना फॉर्ममध्ये भरलेल्या ठिकाणानुसार आणि वेळ क्षेत्रानुसार होते. कृपया आधी फॉर्ममध्ये %1 भरा.</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>फॉर्ममधील %1 ही 0 ते %2 मधील पूर्ण संख्या असली पाहिजे.</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>फॉर्ममधील ठिकाण 90 अंश अक्षांश किंवा 180 अंश रेखांश या मर्यादेबाहेर आहे.</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>चंद्रोदय</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>चंद्रास्त</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>संवत</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (सूर्योदयापूर्वी: दिवस मागच्या सूर्योदयाला सुरू झाला)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, चरण %2, %3 पर्यंत</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 पर्यंत</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>विक्रम संवत %1 · शके %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>दिवसाचे पंचांग</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>करण आणि त्याची समाप्ती</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>राहुकाळ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमघंट</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>गुलिक काळ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>अभिजित</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>अभिजित मुहूर्त</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>सूर्याची राशी</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>चंद्राची राशी आणि कला</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>नाही</translation>
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
        <translation>शुभ</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>अशुभ</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>ठरत नाही: या दिवशी सूर्य उगवत नाही आणि मावळत नाही</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 पर्यंत</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (बुधवारी वर्ज्य)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>सूर्योदयाला</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>पूर्वाह्णी</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>मध्याह्णी (दिनमानाचा तिसरा पंचमांश)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>अपराह्णी (दिनमानाचा चौथा पंचमांश)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>प्रदोषकाळी (रात्रीचा पहिला पंचमांश)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>निशीथकाळी (मध्यरात्री)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>चंद्रोदयाला</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>अरुणोदयी (सूर्योदयापूर्वी)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>तमिळ नियम: संक्रमण सूर्यास्तापूर्वी झाले तर त्याच दिवशी, नाहीतर दुसऱ्या दिवशी</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>मल्याळम नियम: संक्रमण दिनमानाच्या पहिल्या तीन पंचमांशात झाले तर त्याच दिवशी, नाहीतर दुसऱ्या दिवशी</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>बंगाली नियम: संक्रमणाच्या दुसऱ्या दिवशी, आणि ते मध्यरात्रीनंतर झाले तर त्याच्याही पुढच्या दिवशी</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>संक्रमणाचा दिवस (सूर्योदयापासून सूर्योदयापर्यंत)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>अमांत</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>पौर्णिमांत</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>अधिक मासातील %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, संपूर्ण</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; नाहीतर %1 नक्षत्र</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, भद्रारहित</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>सूर्याचा %1 राशीत प्रवेश; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 या सौर मासात सूर्योदयाला %1 नक्षत्र</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1 च्या आदल्या दिवशी</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1 च्या दुसऱ्या दिवशी</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2 च्या %1 दिवस आधी</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2 च्या %1 दिवसांनंतर</translation>
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
        <translation>फाइलचे नाव दिलेले नाही.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 हे फोल्डर अस्तित्वात नाही.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 हे फोल्डर आहे.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 ही लिहिता येण्याजोगी फाइल नाही (सॉकेट किंवा ब्लॉक डिव्हाइस).</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 हा पाइप आहे, पण तो कोणताही प्रोग्राम वाचत नाही.</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1 तपासता आले नाही: %2.</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>ती %1 मध्ये तयार करता आली नाही: %2.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>ती लिहिता आली नाही: %1.</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>ती %1 ची जागा घेऊ शकली नाही: %2.</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>फक्त अंक स्वीकारले जातात</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाव भरा</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया वेळ क्षेत्राचे तास आणि मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया रेखांशाचे अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया रेखांशाची मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांशाचे अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांशाची मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया योग्य दिवस किंवा महिना भरा!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया योग्य दिवस किंवा महिना भरा!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>कृपया रेखांशाचे वैध अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>कृपया रेखांशाची वैध मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>कृपया अक्षांशाचे वैध अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>कृपया अक्षांशाची वैध मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>कृपया वेळ क्षेत्राचे वैध तास भरा</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>कृपया वेळ क्षेत्राची वैध मिनिटे भरा</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर भरा</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य भरा</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश भरा</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%2 रोजी %3 मध्ये %1 ही वेळ दोनदा येते: घड्याळे %4 वरून मागे होऊन %5 वर आली.

पहिली %1 (%6) घ्यायची का? “नाही” निवडल्यास दुसरी %1 (%7) घेतली जाईल.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%2 रोजी %3 येथे %1 ही वेळ येतच नाही: घड्याळे %4 वरून पुढे %5 वर गेली.

बदलानंतरच्या घड्याळांवरील त्याच क्षणासाठी, %6, गणना करायची का?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>दिनांकाचा महिना</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>दिनांकाचा दिवस</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>दिनांकाचे वर्ष</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>वेळेचे तास</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>वेळेची मिनिटे</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>वेळेचे सेकंद</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>वेळ</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>तास:मि:से</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनिटे</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>रेखांशाचे अंश</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>रेखांशाची मिनिटे</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>अक्षांशाचे अंश</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>अक्षांशाची मिनिटे</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>वेळ क्षेत्राचे तास</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>वेळ क्षेत्राची मिनिटे</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेव्हिंग वेळ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>वेळ क्षेत्रांची यादी</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>डेलाइट सेव्हिंग</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>नाव असलेले वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>तास</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>अक्षांश आणि रेखांश शोधण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश आणि रेखांश शोधण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>कोणतेही महत्त्वाचे काम सुरू करण्यापूर्वी तिथी जाणून घ्या.</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava वैदिक ज्योतिषाच्या आधारे चांद्र दिवसाची, म्हणजेच तिथीची, गणना करते. तिथी शुभ किंवा अशुभ मानल्या जातात आणि कार्यांची वेळ ठरवण्यात त्यांना मोठे महत्त्व आहे.</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>माझी तिथी शोधा</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>माझी तिथी शोधा (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>पौर्णिमांत %1 मास सुरू</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · विक्रम संवत %2 · शके %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>शुद्ध पक्ष (शुक्ल पक्ष)</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>वद्य पक्ष (कृष्ण पक्ष)</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>प्रत्येक दिवसात त्याच्या सूर्योदयाची तिथी, ती तिथी संपण्याची वेळ आणि पुढच्या सूर्योदयाची तिथी दिली आहे.</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava ने तयार केले.</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>अमांत %1 · पौर्णिमांत %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava पंचांग, %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % प्रकाशित, वाढती कला</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % प्रकाशित, घटती कला</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — या दिनांकाला घड्याळे %2 ही वेळ ओलांडून पुढे जातात</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 ही वेळ दोनदा येते</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>वेळ क्षेत्र %1 या संगणकाच्या वेळ क्षेत्रांच्या डेटाबेसमध्ये नाही: त्याचे तास आणि मिनिटे स्वतः भरा.</translation>
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
        <translation>दिवसभर क्षितिजावर</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>दिवसभर क्षितिजाखाली</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>या दिनांकाला नाही</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>अक्षांश नाही</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>ठिकाणे</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>सुरुवात %1 · समाप्ती %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>सूर्योदयाला (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>या दिनांकाला सूर्योदय नाही: सूर्य दिवसभर क्षितिजावर राहतो (ध्रुवीय दिवस)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>या दिनांकाला सूर्योदय नाही: सूर्य दिवसभर क्षितिजाखाली राहतो (ध्रुवीय रात्र)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>या दिनांकाला सूर्योदय नाही: सूर्य पुढच्या मध्यरात्रीनंतरच उगवतो</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>सूर्योदय नाही: अक्षांश 90 अंशांपेक्षा जास्त आहे</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>करण: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>तिथी क्रमांक</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>तिथीचे नाव</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>तिथीचा पक्ष</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>तिथीचा स्वामी</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>तिथीची संज्ञा</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>तिथीची वैशिष्ट्ये</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>तिथीचा स्वभाव</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>तिथीचा प्रकार</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava निकाल</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>मागे (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>मागे</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>तिथीचे वर्णन</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>तिथीची सुरुवात आणि समाप्ती</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>सूर्योदयाची तिथी</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>नाव, दिनांक आणि ठिकाण</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>विवरणातील तिथी या क्षणापासून काही सेकंदांतच बदलते; आधुनिक ग्रहस्थिती-सारणीनुसार ती %1 आहे: सुरुवात %2 · समाप्ती %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>आधुनिक (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>अभिजात (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिरी (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रामन (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ती (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>ग्रहस्थिती-सारणी (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>चित्तिरै</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>वैकासि</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>आनि</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>आडि</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>आवणि</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>पुरट्टासि</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ऐप्पसि</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>कार्तिगै</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>मार्गऴि</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>तै</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>मासि</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>पंगुनि</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>मेडम</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>इडवम</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>मिथुनम</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>कर्किडकम</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>चिंगम</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>कन्नि</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>तुलाम</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>वृश्चिकम</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>मकरम</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>कुंभम</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>मीनम</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>बैशाख</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>जैष्ठ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>आषाढ</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>श्रावण</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>भाद्र</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>आश्विन</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>कार्तिक</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>अग्रहायण</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>पौष</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>माघ</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>फाल्गुन</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>चैत्र</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>वैशाख</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>आषाढ</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>श्रावण</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>भाद्रव</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>आश्विन</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>कार्तिक</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>मार्गशीर</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>पौष</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>माघ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>फाल्गुन</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>चैत्र</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>तमिळ</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>मल्याळम</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>बंगाली</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ओडिया</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम आधीच चालू आहे</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, डेलाइट सेव्हिंग वेळ</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, ऋण डेलाइट सेव्हिंग वेळ</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava वैदिक ज्योतिषाच्या आधारे चांद्र दिवसाची, म्हणजेच तिथीची, गणना करते. तिथी शुभ किंवा अशुभ मानल्या जातात आणि कार्यांची वेळ ठरवण्यात त्यांना मोठे महत्त्व आहे.</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>आमच्या मुख्य पानाला भेट देण्यासाठी येथे क्लिक करा: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>आमच्या मुख्य पानाला भेट द्या</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>परवाना: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>ठिकाणांच्या माहितीचा परवाना</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>ठिकाणांची नावे आणि निर्देशांक: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava आणि त्याच्या निर्मात्यांविषयी वाचण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava विषयी</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>मदत वाचा: फॉर्म कसा भरावा आणि निकालांचा अर्थ काय</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava मदत</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava हे MIT परवान्याखालील मुक्त सॉफ्टवेअर आहे; त्यात असलेल्या माहितीच्या स्वतःच्या अटी आहेत, ज्या त्याच्या सूचनांमध्ये दिल्या आहेत.</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>चंद्रोदय</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>चंद्रास्त</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथी</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>पाळली जाणारी तिथी</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>संवत</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 पर्यंत</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (क्षय)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>नंतर %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ मागचा दिवस (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>मागचा दिवस</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>पुढचा दिवस (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>पुढचा दिवस</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1 चे पंचांग - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, सूर्योदयापासून सूर्योदयापर्यंत</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>नवी तिथी नाही: सूर्योदयाची तिथी आदल्या दिवशीच पाळली गेली (वृद्धी)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (सूर्योदयाला चरण %2)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>विक्रम संवत %1, शके %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>सूर्य आणि चंद्र</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>चंद्र राशी</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>सूर्य राशी</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>चंद्राची कला</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>सौर दिनांक</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>संवत्सर</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>कलियुगाब्द</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ऋतू</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>अयन</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>शुभ काळ</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>अभिजित मुहूर्त</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>ब्राह्म मुहूर्त</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>अमृत काळ</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>प्रदोष</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>निशीथ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>गोरज मुहूर्त</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>अशुभ काळ</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>राहुकाळ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमघंट</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>गुलिक काळ</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>दुर्मुहूर्त</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>वर्ज्य</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघडिया</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>वेळ</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>दिवसाचे पंचांग</translation>
    </message>
    <message>
        <source>none</source>
        <translation>नाही</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (दक्षिण भारतातील गणनेनुसार साठ संवत्सरांचे चक्र, चैत्रापासून)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (चांद्र मासानुसार)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (निरयन सूर्यानुसार)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, नंतर %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>सूर्योदयाला, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (आता)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>या दिवशी नाही</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिवस %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात्र %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>निर्यात - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar फाइल, कॅलेंडर प्रोग्रामसाठी (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar फाइल</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, प्रत्येक पानावर छापण्याजोगा एक महिना (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>सुरुवातीचा दिनांक</translation>
    </message>
    <message>
        <source>To</source>
        <translation>शेवटचा दिनांक</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>प्रत्येक दिवसाच्या सूर्योदयाची तिथी, दिवसभराच्या नोंदी म्हणून (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>प्रत्येक दिवसाच्या सूर्योदयाची तिथी</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>प्रत्येक तिथी सुरुवातीपासून समाप्तीपर्यंत, वेळेसह नोंदी म्हणून (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>प्रत्येक तिथी सुरुवातीपासून समाप्तीपर्यंत</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>व्रताचे दिवस: एकादशी, पौर्णिमा आणि अमावास्या (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>व्रताचे दिवस</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>मासगणना</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>अमांत (अमावास्येपासून अमावास्येपर्यंत)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>पौर्णिमांत (पौर्णिमेपासून पौर्णिमेपर्यंत)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>पहिला महिना</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>शेवटचा महिना</translation>
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
        <translation>लेटर (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>लेटर</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ठिकाण: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>जतन करा (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>सुरुवातीचा दिनांक (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>शेवटचा दिनांक (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>मासगणना (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>पहिला महिना (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>शेवटचा महिना (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>कागद:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 ते %2.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>सूर्योदयाच्या तिथी</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>तिथी</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>व्रताचे दिवस</translation>
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
        <translation>शेवटचा महिना पहिल्या महिन्याच्या आधीचा असू शकत नाही.</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>कृपया जास्तीत जास्त %1 महिने निवडा.</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>शेवटचा दिनांक सुरुवातीच्या दिनांकाच्या आधीचा असू शकत नाही.</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>कृपया जास्तीत जास्त दहा वर्षे निवडा.</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>महिने PDF मध्ये जतन करा</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>पंचांग जतन करा</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फायली (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar फायली (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>महिना %1 मध्ये जतन केला: 1 पान.</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>महिने %1 मध्ये जतन केले: %2 पाने.</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>पंचांग %1 मध्ये जतन केले: 1 नोंद.</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>पंचांग %2 मध्ये जतन केले: %1 नोंदी.</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava %1 जतन करू शकले नाही.
%2
काहीही लिहिले गेले नाही; कृपया दुसरे फोल्डर किंवा नाव निवडा.</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>सण, प्रत्येक आपल्या नियमानुसार आपल्या दिवशी (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>सण</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>वर्षातील सण - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>सणाचे नाव</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>दिवाळी, एकादशी, दीपावली ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>सापडलेले सण</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>नियम</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ठिकाण: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>मासिक पंचांगात दाखवा (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>मासिक पंचांगात दाखवा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>सणाचे नाव (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1 मधील सण, प्रत्येक आपल्या नियमानुसार आपल्या दिवशी</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1 मधील सण, ज्यांच्या नावात &quot;%2&quot; आहे</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: एकही सण सापडला नाही.</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>तिथी शोधा - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथी</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>फक्त या चांद्र मासात (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>फक्त या चांद्र मासात</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>चांद्र मास</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>अमांत, अमावास्येपासून अमावास्येपर्यंत (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>अमांत</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>पौर्णिमांत, पौर्णिमेपासून पौर्णिमेपर्यंत (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>पौर्णिमांत</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>अधिक मासातही (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>अधिक मासातही</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>ज्या वर्षी एखादा मास अधिक असतो, तो त्या वर्षी दोनदा येतो; सण आणि वार्षिक तिथी दुसऱ्या (निज) मासात पाळल्या जातात.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>सुरुवातीचा दिनांक</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>किती वेळा</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>पुढे शोधा (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>पुढे शोधा</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>मागे शोधा (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>मागे शोधा</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>वर्षातील व्रताचे दिवस (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>वर्षातील व्रताचे दिवस</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>सुरुवातीच्या दिनांकाच्या वर्षातील प्रत्येक एकादशी, पौर्णिमा आणि अमावास्या</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>निकाल</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>पाळण्याचे दिवस</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>पाळण्याचा दिवस</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>सुरुवात</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ती</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टीप</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>पाळण्याचा दिवस</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ठिकाण: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>मासिक पंचांगात दाखवा (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>मासिक पंचांगात दाखवा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>पक्ष (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>तिथी (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>सुरुवातीचा दिनांक (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>किती वेळा (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3) मधील %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>अमांत</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>पौर्णिमांत</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 पासून पुढचे पाळण्याचे दिवस</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2 पूर्वीचे पाळण्याचे दिवस, सर्वांत जवळचा सर्वांत वर</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1 मधील व्रताचे दिवस: प्रत्येक एकादशी, पौर्णिमा आणि अमावास्या</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: एकही दिवस सापडला नाही.</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>सण</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>सण शोधा (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>सण शोधा</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>दिलेल्या नावाच्या सणाचे पुढचे दिवस, सुरुवातीच्या दिनांकापासून</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; नावाचा सण नाही.</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 पासूनचे त्याचे दिवस</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>आमची वेबसाइट पाहा</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>निकालांचे वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>गणना करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>पंचांग (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमची वेबसाइट पाहा (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेअरची नवी आवृत्ती तपासा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>फॉर्ममधील अक्षांश 90 अंशांच्या पलीकडे आहे, जिथे कोणतेही स्थान नाही: तिथीच्या वेळा, सूर्योदय आणि दिवसाचे पंचांग मोजले गेले नाहीत.</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>फॉर्ममधील रेखांश 180 अंशांच्या पलीकडे आहे, जिथे कोणतेही स्थान नाही: तिथीच्या वेळा, सूर्योदय आणि दिवसाचे पंचांग मोजले गेले नाहीत.</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (पहिली %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (दुसरी %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; सुरुवातीला %2, समाप्तीला %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>आत्ताची वेळ भरा (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>घरचे ठिकाण म्हणून जतन करा (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>घरचे ठिकाण काढून टाका (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>आजचा दिनांक, %1, Kestrava ज्या वर्षांची गणना करते त्या 1901 ते 2050 या कालखंडाबाहेर आहे: दिनांक आणि वेळ जसे होते तसेच ठेवले आहेत.</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>घरचे ठिकाण म्हणून जतन करण्यापूर्वी कृपया रेखांश आणि अक्षांश अंश व मिनिटांमध्ये, आणि वेळ क्षेत्राचे तास व मिनिटे भरा.</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>घरचे ठिकाण जतन करता आले नाही: सेटिंग्ज फाइलमध्ये लिहिता येत नाही.</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>हे ठिकाण तुमचे घरचे ठिकाण म्हणून जतन झाले आहे: Kestrava प्रत्येक वेळी सुरू होताना ते भरेल.</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>घरचे ठिकाण काढून टाकायचे का? मग Kestrava ठिकाणाचे रकाने रिकामे ठेवून सुरू होईल; फॉर्मवर आत्ता भरलेले रकाने आहेत तसेच राहतील.</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>घरचे ठिकाण काढून टाकता आले नाही: सेटिंग्ज फाइलमध्ये लिहिता येत नाही.</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>आंतरराष्ट्रीय अंक (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करा (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>पर्याय (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>मासिक पंचांग - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>मागचे वर्ष</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« मागचे वर्ष</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>एक वर्ष आधीचा हाच महिना (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>मागचा महिना</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ मागचा महिना (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>मागचा महिना (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महिना</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>पुढचा महिना</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>पुढचा महिना (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>पुढचा महिना (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>पुढचे वर्ष</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>पुढचे वर्ष »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>एक वर्षानंतरचा हाच महिना (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>आज (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>आजचा महिना, आजचा दिवस निवडलेला (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>दाखवलेला महिना</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>चांद्र मास</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>महिन्याचे दिवस</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>संकेत</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 शुद्ध पक्ष &amp;nbsp; %2 वद्य पक्ष &amp;nbsp; %3 पौर्णिमा &amp;nbsp; %4 अमावास्या &amp;nbsp; %5 एकादशी &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;क्षय, वृद्धी&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;मास&lt;/b&gt; जिथे सुरू होतो &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; आज</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>शुद्ध पक्षाच्या चौकटी फिकट पिवळ्या (हस्तिदंती) आहेत आणि वद्य पक्षाच्या निळसर-राखाडी; पौर्णिमेला पूर्ण चंद्राची, अमावास्येला नव्या चंद्राची आणि एकादशीला हिरव्या समभुज चौकोनाची (◆) खूण आहे.</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>पाळण्याचा दिवस</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>दिवसाचे पंचांग</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>दिवसाचे पंचांग (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>निवडलेल्या दिवसाचे संपूर्ण पंचांग (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>तिथी शोधा</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>तिथी शोधा (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar निर्यात करा</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar निर्यात करा (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करा</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF निर्यात करा (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>महिना (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>ठिकाण: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 चे दिवस</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>वैष्णव पालन</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>वैष्णव पालन (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>ज्या सणांचे दिवस परंपरांनुसार वेगळे येतात (जन्माष्टमी, एकादशी) त्यांचे वैष्णव दिवस; इतर वेळी स्मार्त दिवस</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>पौर्णिमांत मासही</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>अमांत मासांबरोबर पौर्णिमांत मासही दाखवा, जे पौर्णिमेनंतर सुरू होतात</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>पौर्णिमांत मासही (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करा (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करा</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>या सॉफ्टवेअरची नवी आवृत्ती उपलब्ध असू शकते</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>नवी आवृत्ती आहे का ते तपासायचे का?</translation>
    </message>
</context>
</TS>
