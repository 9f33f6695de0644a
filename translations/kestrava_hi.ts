<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>अधिक %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 को %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 दिन भर (वृद्धि)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 तक</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (क्षय)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, फिर %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>पूर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावस्या</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 मनाई जाती है</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>वृद्धि: तिथि अगले सूर्योदय पर भी रहती है और आज मनाई जाती है</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>वृद्धि: तिथि का दूसरा दिन; तिथि पिछले दिन मनाई गई</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 मास आरंभ</translation>
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
        <translation>तिथि उस दिन मनाई जाती है जिसके सूर्योदय पर वह रहती है; क्षय तिथि (जो किसी सूर्योदय पर नहीं रहती) उस दिन, जिसमें वह पड़ती है; और वृद्धि तिथि (जो दो सूर्योदयों पर रहती है) अपने दो दिनों में से पहले दिन।</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>क्षय: किसी सूर्योदय पर नहीं</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>वृद्धि: दो सूर्योदयों पर</translation>
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
        <translation>%1 तक</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>फिर %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>दिन भर</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>वृद्धि</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>वृद्धि, दूसरा दिन</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (अधिक, पूर्णिमांत)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (अधिक, अमांत)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (पूर्णिमांत)</translation>
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
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1 और %2 अयनांश से गणना।</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>आधुनिक खगोलीय सारणी</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>पारंपरिक खगोलीय सारणी</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ति (केपी)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 से %2 तक</translation>
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
        <translation>Kestrava: सूर्योदय की तिथियाँ, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: तिथियाँ, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: व्रत के दिन, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>सूर्योदय (%1) पर तिथि: %2, %3।</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>मध्यरात्रि पर तिथि (सूर्योदय नहीं): %1, %2।</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>वृद्धि: यह अगले सूर्योदय पर भी रहती है।</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>वृद्धि: यह पिछले सूर्योदय पर भी थी; यह इसका दूसरा दिन है।</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>फिर %1, %2 (क्षय: यह किसी सूर्योदय पर नहीं रहती)।</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>फिर %1, %2।</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>स्थान %1, समय %2।</translation>
    </message>
    <message>
        <source>%1 %2, %3, %4.</source>
        <extracomment>A tithi&apos;s span: &quot;Shravana Shukla Panchami, from ... to ..., Asia/Kolkata (UTC+05:30).&quot;</extracomment>
        <translation>%1 %2, %3, %4।</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A lunar month and a tithi: &quot;Shravana Krishna Ashtami&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The tithi runs %1, %2.</source>
        <translation>तिथि %1 रहती है, %2।</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>यह किसी सूर्योदय पर नहीं रहती (क्षय) और उसी दिन मनाई जाती है जिसमें यह पड़ती है।</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>यह दो सूर्योदयों पर रहती है (वृद्धि) और पहले दिन मनाई जाती है।</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>स्थान: %1।</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
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
        <translation>पूर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावस्या</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>मास: %1, %2; विक्रम संवत %3, शक संवत %4।</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: पर्व, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>संक्रांति</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>जयंती</translation>
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
        <translation>तिथि खोजें (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>व्रत के दिन (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar फ़ाइल निर्यात करें (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF निर्यात करें (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>वर्ष के पर्व (&amp;E)...</translation>
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
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>देशांतर के मिनट</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>अक्षांश के मिनट</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>पंचांग की गणना फ़ॉर्म में भरे स्थान और समय क्षेत्र के अनुसार होती है। कृपया पहले फ़ॉर्म में %1 भरें।</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>फ़ॉर्म में %1 का मान 0 से %2 तक की पूर्ण संख्या होना चाहिए।</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>फ़ॉर्म का स्थान 90 अंश अक्षांश या 180 अंश देशांतर की सीमा से बाहर है।</translation>
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
        <translation>चन्द्रोदय</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>चन्द्रास्त</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>संवत</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (सूर्योदय से पहले: दिन पिछले सूर्योदय से आरंभ हुआ)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, चरण %2, %3 तक</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 तक</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>विक्रम संवत %1 · शक संवत %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>दिन का पंचांग</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>करण और उसकी समाप्ति</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>राहुकाल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगण्ड</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>गुलिक काल</translation>
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
        <source>Moon</source>
        <translation>चंद्रमा</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>चंद्र राशि और कला</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
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
        <translation>परिभाषित नहीं: इस तिथि को सूर्य उदय और अस्त नहीं होता</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 तक</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (बुधवार को वर्जित)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>सूर्योदय पर</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>पूर्वाह्न में</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>मध्याह्न में (दिनमान का तीसरा पाँचवाँ भाग)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>अपराह्न में (दिनमान का चौथा पाँचवाँ भाग)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>प्रदोष में (रात्रिमान का पहला पाँचवाँ भाग)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>निशीथ काल में (अर्धरात्रि)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>चंद्रोदय पर</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>अरुणोदय में (सूर्योदय से पहले)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>तमिल नियम: संक्रमण सूर्यास्त से पहले हो तो उसी दिन, नहीं तो अगले दिन</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>मलयालम नियम: संक्रमण दिनमान के पहले तीन-पाँचवें भाग में हो तो उसी दिन, नहीं तो अगले दिन</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>बंगाली नियम: संक्रमण के अगले दिन, और आधी रात के बाद हो तो उसके भी अगले दिन</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>संक्रमण का दिन (सूर्योदय से सूर्योदय तक)</translation>
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
        <translation>पूर्णिमांत</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>अधिक मास की %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, पूरा</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; अन्यथा %1 नक्षत्र</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, भद्रा रहित</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>सूर्य का %1 राशि में प्रवेश; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 के सौर मास में सूर्योदय पर %1 नक्षत्र</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1 से एक दिन पहले</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1 के अगले दिन</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2 से %1 दिन पहले</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2 के %1 दिन बाद</translation>
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
        <source>%1 could not be looked at: %2.</source>
        <translation>%1 को देखा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 एक फ़ोल्डर है।</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 एक पाइप है जिसे कोई प्रोग्राम नहीं पढ़ रहा।</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 ऐसी फ़ाइल नहीं है जिसमें लिखा जा सके (एक सॉकेट या ब्लॉक डिवाइस)।</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>यह %1 में बनाई नहीं जा सकी: %2।</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>यह लिखी नहीं जा सकी: %1।</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>यह %1 का स्थान नहीं ले सकी: %2।</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>कोई फ़ाइल नाम नहीं दिया गया।</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>फ़ोल्डर %1 मौजूद नहीं है।</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार्य हैं</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के घंटे और मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश के मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>कृपया देशांतर के मान्य अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>कृपया देशांतर के मान्य मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>कृपया अक्षांश के मान्य अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>कृपया अक्षांश के मान्य मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>कृपया समय क्षेत्र के मान्य घंटे दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के मान्य मिनट दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%2 को %3 में %1 का समय दो बार आता है: घड़ियाँ %4 से पीछे होकर %5 पर आ गईं।

क्या पहला %1 (%6) लें? “नहीं” चुनने पर दूसरा %1 (%7) लिया जाएगा।</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%2 को %3 में %1 का समय होता ही नहीं: घड़ियाँ %4 से आगे बढ़कर %5 पर आ गईं।

क्या बदलाव के बाद की घड़ियों के उसी क्षण, %6, के लिए गणना की जाए?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>दिनांक का महीना</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>दिनांक का दिन</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>दिनांक का वर्ष</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>समय के घंटे</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>समय के मिनट</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>समय के सेकंड</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>देशांतर के मिनट</translation>
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
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>अक्षांश के मिनट</translation>
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
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सूची</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>नाम वाला समय क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटे</translation>
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
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>कोई भी महत्वपूर्ण कार्य आरंभ करने से पहले तिथि जान लें।</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava वैदिक ज्योतिष के आधार पर चान्द्र दिवस, अर्थात् तिथि, की गणना करता है। तिथियाँ शुभ या अशुभ मानी जाती हैं और कार्यों का समय तय करने में उनका बड़ा महत्व है।</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>मेरी तिथि ज्ञात करें</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>मेरी तिथि ज्ञात करें (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>पूर्णिमांत %1 मास आरंभ</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · विक्रम संवत %2 · शक संवत %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>शुक्ल पक्ष</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>कृष्ण पक्ष</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>हर दिन में उसके सूर्योदय की तिथि, उस तिथि की समाप्ति का समय और अगले सूर्योदय की तिथि दी गई है।</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava से बनाया गया।</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>अमांत %1 · पूर्णिमांत %2</translation>
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
        <translation>%1 % प्रकाशित, बढ़ती कला</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % प्रकाशित, घटती कला</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्रमा</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — इस दिनांक को घड़ियाँ %2 का समय लाँघ जाती हैं</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 का समय दो बार आता है</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>समय क्षेत्र %1 इस कंप्यूटर के समय क्षेत्रों के डेटाबेस में नहीं है: इसके घंटे और मिनट स्वयं दर्ज करें।</translation>
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
        <translation>दिन भर क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>दिन भर क्षितिज के नीचे</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>इस दिनांक को नहीं</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>अक्षांश नहीं</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>स्थान</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>आरंभ %1 · समाप्ति %2</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>रिपोर्ट की तिथि इस क्षण से कुछ ही सेकंड में बदलती है; आधुनिक खगोलीय सारणी के अनुसार यह %1 है: आरंभ %2 · समाप्ति %3</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>सूर्योदय (%1) पर: %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>इस दिनांक को सूर्योदय नहीं: सूर्य दिन भर क्षितिज के ऊपर रहता है (ध्रुवीय दिन)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>इस दिनांक को सूर्योदय नहीं: सूर्य दिन भर क्षितिज के नीचे रहता है (ध्रुवीय रात्रि)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>इस दिनांक को सूर्योदय नहीं: सूर्य अगली मध्यरात्रि के बाद ही उदय होता है</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>सूर्योदय नहीं: अक्षांश 90 अंश से अधिक है</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>करण: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>तिथि संख्या</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>तिथि नाम</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>तिथि पक्ष</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>तिथि स्वामी</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>तिथि संज्ञा</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>तिथि विशेषता</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>तिथि स्वभाव</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>तिथि प्रकार</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava परिणाम</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>तिथि विवरण</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>तिथि का आरंभ और समाप्ति</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>सूर्योदय पर तिथि</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>नाम, दिनांक और स्थान</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>खगोलीय सारणी (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>आधुनिक (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>पारंपरिक (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिड़ी (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रमन (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ति (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष (&amp;T)</translation>
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
        <translation>आषाढ़</translation>
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
        <translation>बैशाख</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>आषाढ़</translation>
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
        <translation>मार्गशिर</translation>
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
        <translation>तमिल</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>मलयालम</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>बंगाली</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ओड़िया</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, ऋणात्मक डेलाइट सेविंग समय</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava वैदिक ज्योतिष के आधार पर चान्द्र दिवस, अर्थात् तिथि, की गणना करता है। तिथियाँ शुभ या अशुभ मानी जाती हैं और कार्यों का समय तय करने में उनका बड़ा महत्व है।</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>हमारे होम पेज पर जाने के लिए यहाँ क्लिक करें: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>हमारा होम पेज देखें</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>लाइसेंस: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>स्थानों के आँकड़ों का लाइसेंस</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT लाइसेंस के अंतर्गत मुक्त सॉफ़्टवेयर है; इसमें शामिल आँकड़ों की अपनी शर्तें हैं, जो इसकी सूचनाओं में दी गई हैं।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>स्थानों के नाम और निर्देशांक: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava और उसके निर्माताओं के बारे में पढ़ने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava के बारे में</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>सहायता पढ़ें: फ़ॉर्म कैसे भरें और परिणामों का अर्थ क्या है</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava सहायता</translation>
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
        <translation>चन्द्रोदय</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>चन्द्रास्त</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>मनाई जाने वाली तिथि</translation>
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
        <translation>स्थान</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 तक</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (क्षय)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>फिर %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ पिछला दिन (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>पिछला दिन</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>अगला दिन (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>अगला दिन</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1 का पंचांग - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, सूर्योदय से सूर्योदय तक</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>कोई नई तिथि नहीं: सूर्योदय की तिथि पिछले दिन मनाई जा चुकी है (वृद्धि)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (सूर्योदय पर चरण %2)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>विक्रम संवत %1, शक संवत %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>सूर्य और चंद्रमा</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>चंद्र राशि</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>चंद्र कला</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>संवत्सर</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>कलि संवत</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ऋतु</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>अयन</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>शुभ समय</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>अभिजित मुहूर्त</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>ब्रह्म मुहूर्त</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>अमृत काल</translation>
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
        <translation>गोधूलि</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>अशुभ समय</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>राहुकाल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगण्ड</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>गुलिक काल</translation>
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
        <translation>चौघड़िया</translation>
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
        <translation>समय</translation>
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
        <translation>दिन का पंचांग</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (दक्षिण भारत की गणना का षष्टि संवत्सर चक्र, चैत्र से)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (चांद्र मास के अनुसार)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (निरयन सूर्य के अनुसार)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, फिर %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>सूर्योदय पर, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (अभी)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>इस दिन नहीं</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिन %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात्रि %1</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>सौर दिनांक</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
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
        <translation>iCalendar फ़ाइल, कैलेंडर प्रोग्रामों के लिए (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, हर पृष्ठ पर छापने योग्य एक महीना (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>आरंभ दिनांक</translation>
    </message>
    <message>
        <source>To</source>
        <translation>अंतिम दिनांक</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>हर दिन के सूर्योदय की तिथि, पूरे दिन की घटनाओं के रूप में (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>हर दिन के सूर्योदय की तिथि</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>हर तिथि, आरंभ से समाप्ति तक, समय सहित घटनाओं के रूप में (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>हर तिथि, आरंभ से समाप्ति तक</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>व्रत के दिन: एकादशी, पूर्णिमा और अमावस्या (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>व्रत के दिन</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>मास-गणना</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>अमांत (अमावस्या से अमावस्या)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>पूर्णिमांत (पूर्णिमा से पूर्णिमा)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>पहला महीना</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>अंतिम महीना</translation>
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
        <translation>स्थान: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>सहेजें (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>आरंभ दिनांक (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>अंतिम दिनांक (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>मास-गणना (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>पहला महीना (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>अंतिम महीना (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>काग़ज़:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 से %2 तक.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>सूर्योदय की तिथियाँ</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>तिथियाँ</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>व्रत के दिन</translation>
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
        <translation>अंतिम महीना पहले महीने से पहले का नहीं हो सकता।</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>कृपया अधिक से अधिक %1 महीने चुनें।</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>अंतिम दिनांक आरंभ दिनांक से पहले का नहीं हो सकता।</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>कृपया अधिक से अधिक दस वर्ष चुनें।</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>महीनों को PDF में सहेजें</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>पंचांग सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar फ़ाइलें (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>महीना %1 में सहेजा गया: 1 पृष्ठ।</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>महीने %1 में सहेजे गए: %2 पृष्ठ।</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>पंचांग %1 में सहेजा गया: 1 घटना।</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>पंचांग %2 में सहेजा गया: %1 घटनाएँ।</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava %1 को सहेज नहीं सका।
%2
कुछ भी नहीं लिखा गया; कृपया कोई दूसरा फ़ोल्डर या नाम चुनें।</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>पर्व, हर एक अपने नियम से अपने दिन (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>पर्व</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>वर्ष के पर्व - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>पर्व का नाम</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>दीपावली, एकादशी ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>मिले पर्व</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>नियम</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>स्थान: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>मासिक पंचांग में दिखाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>मासिक पंचांग में दिखाएँ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>पर्व का नाम (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1 के पर्व, हर एक अपने नियम से अपने दिन</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1 के पर्व जिनके नाम में &quot;%2&quot; है</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: कोई पर्व नहीं मिला।</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>तिथि खोजें - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>केवल इस चान्द्र मास में (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>केवल इस चान्द्र मास में</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>चान्द्र मास</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>अमांत, अमावस्या से अमावस्या (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>अमांत</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>पूर्णिमांत, पूर्णिमा से पूर्णिमा (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>पूर्णिमांत</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>अधिक मास में भी (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>अधिक मास में भी</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>जिस वर्ष कोई मास अधिक होता है, वह उस वर्ष में दो बार आता है; पर्व और वार्षिक तिथियाँ दूसरे (निज) मास में मनाई जाती हैं।</translation>
    </message>
    <message>
        <source>From</source>
        <translation>आरंभ दिनांक</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>कितनी बार</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>आगे खोजें (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>आगे खोजें</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>पीछे खोजें (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>पीछे खोजें</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>वर्ष के व्रत के दिन (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>वर्ष के व्रत के दिन</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>आरंभ दिनांक वाले वर्ष की हर एकादशी, पूर्णिमा और अमावस्या</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>मनाने के दिन</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>मनाने का दिन</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>मनाने का दिन</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>स्थान: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>मासिक पंचांग में दिखाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>मासिक पंचांग में दिखाएँ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>पक्ष (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>तिथि (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>आरंभ दिनांक (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>कितनी बार (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3) की %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>अमांत</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>पूर्णिमांत</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 से आगे मनाने के दिन</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2 से पहले मनाने के दिन, सबसे निकट वाला सबसे ऊपर</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1 के व्रत के दिन: हर एकादशी, पूर्णिमा और अमावस्या</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: कोई दिन नहीं मिला।</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>पर्व</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>पर्व खोजें (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>पर्व खोजें</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>नामित पर्व के अगले दिन, आरंभ दिनांक से</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; नाम का कोई पर्व नहीं है।</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 से इसके दिन</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>परिणामों का समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>गणना करें (&amp;C)</translation>
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
        <source>&amp;Options</source>
        <translation>विकल्प (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>फ़ॉर्म का अक्षांश 90 अंश की सीमा से बाहर है, जहाँ कोई स्थान नहीं है: तिथि के समय, सूर्योदय और दिन के पंचांग की गणना नहीं की गई।</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>फ़ॉर्म का देशांतर 180 अंश की सीमा से बाहर है, जहाँ कोई स्थान नहीं है: तिथि के समय, सूर्योदय और दिन के पंचांग की गणना नहीं की गई।</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (पहला %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (दूसरा %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; आरंभ के समय %2, समाप्ति के समय %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>अभी का समय भरें (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>घर के स्थान के रूप में सहेजें (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>घर का स्थान हटाएँ (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>आज का दिनांक, %1, उन वर्षों (1901 से 2050) से बाहर है जिनकी गणना Kestrava करता है: दिनांक और समय जैसे थे वैसे ही छोड़ दिए गए हैं।</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>घर के स्थान के रूप में सहेजने से पहले कृपया देशांतर और अक्षांश अंश और मिनट में, और समय क्षेत्र के घंटे और मिनट दर्ज करें।</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>घर का स्थान सहेजा नहीं जा सका: सेटिंग फ़ाइल में लिखा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>यह स्थान आपके घर के स्थान के रूप में सहेज लिया गया है: Kestrava हर बार शुरू होने पर इसे भर देगा।</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>घर का स्थान हटाएँ? तब Kestrava स्थान के खाने खाली रखकर शुरू होगा; फ़ॉर्म पर अभी भरे खाने जैसे हैं वैसे ही रहेंगे।</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>घर का स्थान हटाया नहीं जा सका: सेटिंग फ़ाइल में लिखा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>अंतरराष्ट्रीय अंक (0–9) (&amp;W)</translation>
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
        <translation>पिछला वर्ष</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« पिछला वर्ष</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>एक वर्ष पहले का यही महीना (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>पिछला महीना</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ पिछला महीना (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>पिछला महीना (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>अगला महीना</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>अगला महीना (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>अगला महीना (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>अगला वर्ष</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>अगला वर्ष »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>एक वर्ष बाद का यही महीना (Ctrl+Page Down)</translation>
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
        <translation>आज का महीना, आज का दिन चुना हुआ (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>दिखाया गया महीना</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>चान्द्र मास</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>महीने के दिन</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>संकेत</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 शुक्ल पक्ष &amp;nbsp; %2 कृष्ण पक्ष &amp;nbsp; %3 पूर्णिमा &amp;nbsp; %4 अमावस्या &amp;nbsp; %5 एकादशी &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;क्षय, वृद्धि&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;मास&lt;/b&gt; जहाँ से आरंभ हो &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; आज</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>शुक्ल पक्ष के खाने हल्के पीले (हाथीदाँत रंग के) हैं और कृष्ण पक्ष के नीले-धूसर; पूर्णिमा पर पूर्ण चन्द्र का, अमावस्या पर नए चाँद का और एकादशी पर हरे चौकोर (◆) का चिह्न है।</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>मनाने का दिन</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>दिन का पंचांग</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>दिन का पंचांग (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>चुने हुए दिन का पूरा पंचांग (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>तिथि खोजें</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>तिथि खोजें (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar निर्यात करें</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar निर्यात करें (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF निर्यात करें (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>महीना (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>स्थान: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 के दिन</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>पूर्णिमांत मास भी</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>अमांत मासों के साथ पूर्णिमांत मास भी दिखाएँ, जो पूर्णिमा के बाद आरंभ होते हैं</translation>
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
        <translation>जिन पर्वों को परंपराएँ अलग दिन मनाती हैं (जन्माष्टमी, एकादशियाँ), उनके वैष्णव दिन; अन्यथा स्मार्त दिन</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>पूर्णिमांत मास भी (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>क्या आप नया संस्करण देखना चाहेंगे?</translation>
    </message>
</context>
</TS>
