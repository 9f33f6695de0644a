<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>অধিক %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 তারিখে %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 সারা দিন (বৃদ্ধি)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ক্ষয়)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, তারপর %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>একাদশী</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>পূর্ণিমা</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>অমাবস্যা</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 পালিত হয়</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>বৃদ্ধি: তিথিটি পরের সূর্যোদয়েও থাকে এবং আজ পালিত হয়</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>বৃদ্ধি: তিথির দ্বিতীয় দিন; তিথিটি আগের দিন পালিত হয়েছে</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 মাস শুরু</translation>
    </message>
    <message>
        <source>today</source>
        <translation>আজ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>যে দিনের সূর্যোদয়ে তিথি থাকে, সেই দিন তিথিটি পালিত হয়; ক্ষয় তিথি (যা কোনো সূর্যোদয়ে থাকে না) যে দিনের মধ্যে পড়ে সেই দিন; আর বৃদ্ধি তিথি (যা দুটি সূর্যোদয়ে থাকে) তার দুই দিনের প্রথম দিন।</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>ক্ষয়: কোনো সূর্যোদয়ে নেই</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>বৃদ্ধি: দুটি সূর্যোদয়ে আছে</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 ক্ষয়</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 পর্যন্ত</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>তারপর %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>সারা দিন</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>বৃদ্ধি</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>বৃদ্ধি, দ্বিতীয় দিন</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (অধিক, পূর্ণিমান্ত)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (অধিক, অমান্ত)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (পূর্ণিমান্ত)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (অমান্ত)</translation>
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
        <translation>%1 থেকে %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1দ</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1উ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1প</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1পূ</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: সূর্যোদয়ের তিথি, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: তিথি, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: ব্রতের দিন, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>সূর্যোদয়ে (%1) তিথি: %2, %3।</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>মধ্যরাতের তিথি (সূর্যোদয় নেই): %1, %2।</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>বৃদ্ধি: তিথিটি পরের সূর্যোদয়েও থাকে।</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>বৃদ্ধি: তিথিটি আগের সূর্যোদয়েও ছিল; এটি তার দ্বিতীয় দিন।</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>তারপর %1, %2 (ক্ষয়: তিথিটি কোনো সূর্যোদয়ে থাকে না)।</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>তারপর %1, %2।</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>স্থান %1, সময় %2।</translation>
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
        <translation>তিথির স্থিতিকাল: %1, %2।</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>তিথিটি কোনো সূর্যোদয়ে থাকে না (ক্ষয়) এবং যে দিনের মধ্যে পড়ে সেই দিন পালিত হয়।</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>তিথিটি দুটি সূর্যোদয়ে থাকে (বৃদ্ধি) এবং প্রথম দিন পালিত হয়।</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>স্থান: %1।</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>ব্রত</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>একাদশী</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>পূর্ণিমা</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>অমাবস্যা</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>মাস: %1, %2; বিক্রম সংবৎ %3, শকাব্দ %4।</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: উৎসব, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>সংক্রান্তি</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>জয়ন্তী</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>প্রথাগত গ্রহস্থিতি-সারণি</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>আধুনিক গ্রহস্থিতি-সারণি</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>লাহিড়ী</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>রমন</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>কৃষ্ণমূর্তি (কেপি)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>প্রকৃত চিত্রাপক্ষ</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1 ও %2 অয়নাংশ দিয়ে গণনা।</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>মাসিক পঞ্জিকা (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>তিথি খুঁজুন (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>ব্রতের দিন (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar ফাইল রপ্তানি করুন (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF রপ্তানি করুন (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>বছরের উৎসব (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>উ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>দ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>পূ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>প</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>দ্রাঘিমাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>দ্রাঘিমাংশের মিনিট</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>অক্ষাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>অক্ষাংশের মিনিট</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>সময় অঞ্চলের ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>সময় অঞ্চলের মিনিট</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>পঞ্জিকার গণনা হয় ফর্মে দেওয়া স্থান ও সময় অঞ্চল অনুযায়ী। অনুগ্রহ করে আগে ফর্মে %1 লিখুন।</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>ফর্মে %1 অবশ্যই 0 থেকে %2 পর্যন্ত একটি পূর্ণসংখ্যা হতে হবে।</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>ফর্মের স্থানটি 90 ডিগ্রি অক্ষাংশ বা 180 ডিগ্রি দ্রাঘিমাংশের সীমার বাইরে।</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>নক্ষত্র</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>সূর্যাস্ত</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>করণ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>চন্দ্রোদয়</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>চান্দ্র মাস</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>চন্দ্রাস্ত</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>সংবৎ</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (সূর্যোদয়ের আগে: দিনটি আগের সূর্যোদয়ে শুরু হয়েছে)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, পাদ %2, %3 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>বিক্রম সংবৎ %1 · শকাব্দ %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>দিনের পঞ্জিকা</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>করণ ও তার শেষ</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>রাহুকাল</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>যমগণ্ড</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>গুলিককাল</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>অভিজিৎ</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>অভিজিৎ মুহূর্ত</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>সূর্য</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>সূর্যের রাশি</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>চন্দ্রের রাশি ও কলা</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>নেই</translation>
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
        <translation>শুভ</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>অশুভ</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>নির্ণীত নয়: এই তারিখে সূর্যের উদয় ও অস্ত হয় না</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (বুধবারে প্রযোজ্য নয়)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>সূর্যোদয়ে</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>পূর্বাহ্ণে</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>মধ্যাহ্নে (দিনমানের তৃতীয় পঞ্চমাংশ)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>অপরাহ্ণে (দিনমানের চতুর্থ পঞ্চমাংশ)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>প্রদোষে (রাত্রিমানের প্রথম পঞ্চমাংশ)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>নিশীথে (মধ্যরাত্রি)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>চন্দ্রোদয়ে</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>অরুণোদয়ে (সূর্যোদয়ের আগে)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>তামিল নিয়ম: সংক্রমণ সূর্যাস্তের আগে হলে সেই দিন, নইলে পরের দিন</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>মালয়ালম নিয়ম: সংক্রমণ দিনমানের প্রথম তিন-পঞ্চমাংশের মধ্যে হলে সেই দিন, নইলে পরের দিন</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>বাংলা নিয়ম: সংক্রমণের পরের দিন, আর সংক্রমণ মধ্যরাত্রির পরে হলে তারও পরের দিন</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>সংক্রমণের দিন (সূর্যোদয় থেকে সূর্যোদয়)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>অমান্ত</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>পূর্ণিমান্ত</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>অধিক মাসের %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, সম্পূর্ণ</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; নইলে %1 নক্ষত্র</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, ভদ্রা-রহিত</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>সূর্যের %1 রাশিতে প্রবেশ; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 সৌর মাসে সূর্যোদয়ে %1 নক্ষত্র</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1-এর আগের দিন</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1-এর পরের দিন</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2-এর %1 দিন আগে</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2-এর %1 দিন পরে</translation>
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
        <translation>কোনো ফাইলের নাম দেওয়া হয়নি।</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 ফোল্ডারটি নেই।</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 একটি ফোল্ডার।</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 এমন ফাইল নয় যাতে লেখা যায় (একটি সকেট বা ব্লক ডিভাইস)।</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 একটি পাইপ, যেটি কোনো প্রোগ্রাম পড়ছে না।</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1 দেখা গেল না: %2।</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>এটি %1-এ তৈরি করা গেল না: %2।</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>এটি লেখা গেল না: %1।</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>এটি %1-এর জায়গা নিতে পারল না: %2।</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>শুধু সংখ্যা গ্রহণযোগ্য</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>অনুগ্রহ করে নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>অনুগ্রহ করে সময় অঞ্চলের ঘণ্টা ও মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>অনুগ্রহ করে সঠিক দিন বা মাস লিখুন!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>অনুগ্রহ করে সঠিক দিন বা মাস লিখুন!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের বৈধ ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের বৈধ মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের বৈধ ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের বৈধ মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>অনুগ্রহ করে সময় অঞ্চলের বৈধ ঘণ্টা লিখুন</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>অনুগ্রহ করে সময় অঞ্চলের বৈধ মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>অনুগ্রহ করে শহর লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>অনুগ্রহ করে রাজ্য লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>অনুগ্রহ করে দেশ লিখুন</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%2 তারিখে %3-এ %1 সময়টি দু&apos;বার আসে: ঘড়ি %4 থেকে পিছিয়ে %5-এ ফিরে এসেছিল।

প্রথম %1 (%6) নেওয়া হবে? “না” বাছলে দ্বিতীয় %1 (%7) নেওয়া হবে।</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%3-এ %2 তারিখে %1 সময়টি আসেই না: ঘড়ি %4 থেকে এগিয়ে %5-এ চলে গেছে।

পরিবর্তনের পরের ঘড়ির একই মুহূর্ত, %6-এর জন্য গণনা করবেন?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>তারিখের মাস</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>তারিখের দিন</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>তারিখের বছর</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>সময়ের ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>সময়ের মিনিট</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>সময়ের সেকেন্ড</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ঘ:মি:সে</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ডিগ্রি</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>দ্রাঘিমাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>দ্রাঘিমাংশের মিনিট</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>অক্ষাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>অক্ষাংশের মিনিট</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>সময় অঞ্চলের ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>সময় অঞ্চলের মিনিট</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ডেলাইট সেভিং সময়</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>সময় অঞ্চলের তালিকা</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>ডেলাইট সেভিং</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>নামযুক্ত সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ঘণ্টা</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>অক্ষাংশ ও দ্রাঘিমাংশ খুঁজতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>অক্ষাংশ ও দ্রাঘিমাংশ খুঁজতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>কোনো গুরুত্বপূর্ণ কাজ শুরু করার আগে তিথি জেনে নিন।</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava বৈদিক জ্যোতিষ অনুসারে চান্দ্র দিন, অর্থাৎ তিথির, গণনা করে। তিথি শুভ বা অশুভ বলে গণ্য হয় এবং কাজের সময় নির্ধারণে তার গুরুত্ব অনেক।</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>আমার তিথি খুঁজুন</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>আমার তিথি খুঁজুন (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>পূর্ণিমান্ত %1 মাস শুরু</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · বিক্রম সংবৎ %2 · শকাব্দ %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>শুক্লপক্ষ</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>কৃষ্ণপক্ষ</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>প্রতিটি দিনে তার সূর্যোদয়ের তিথি, সেই তিথি শেষ হওয়ার সময় এবং পরের সূর্যোদয়ের তিথি দেওয়া আছে।</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava দিয়ে তৈরি।</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>অমান্ত %1 · পূর্ণিমান্ত %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava পঞ্জিকা, %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % আলোকিত, শুক্লপক্ষ</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % আলোকিত, কৃষ্ণপক্ষ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>চন্দ্র</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — এই তারিখে ঘড়ি %2 সময়টি ডিঙিয়ে যায়</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 সময়টি দু&apos;বার আসে</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>সময় অঞ্চল %1 এই কম্পিউটারের সময় অঞ্চলের ডেটাবেসে নেই: এর ঘণ্টা ও মিনিট নিজে লিখুন।</translation>
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
        <translation>সারা দিন দিগন্তের উপরে</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>সারা দিন দিগন্তের নীচে</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>এই তারিখে নেই</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>অক্ষাংশ নেই</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>স্থান</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>শুরু %1 · শেষ %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>সূর্যোদয়ে (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>এই তারিখে সূর্যোদয় নেই: সূর্য সারা দিন দিগন্তের উপরে থাকে (মেরু অঞ্চলের দিন)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>এই তারিখে সূর্যোদয় নেই: সূর্য সারা দিন দিগন্তের নীচে থাকে (মেরু অঞ্চলের রাত)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>এই তারিখে সূর্যোদয় নেই: সূর্য পরের মধ্যরাতের পরেই ওঠে</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>সূর্যোদয় নেই: অক্ষাংশ 90 ডিগ্রির বেশি</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>করণ: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>তিথির সংখ্যা</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>তিথির নাম</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>তিথির পক্ষ</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>তিথির অধিপতি</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>তিথির শ্রেণি</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>তিথির বৈশিষ্ট্য</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>তিথির স্বভাব</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>তিথির প্রকার</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava ফলাফল</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ফিরে যান (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ফিরে যান</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>তিথির বিবরণ</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>তিথির শুরু ও শেষ</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>সূর্যোদয়ের তিথি</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>করণ</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>নাম, তারিখ ও স্থান</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>বিবরণের তিথি এই মুহূর্তের কয়েক সেকেন্ডের মধ্যেই বদলায়; আধুনিক গ্রহস্থিতি-সারণি অনুযায়ী এটি %1: শুরু %2 · শেষ %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>আধুনিক (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>প্রথাগত (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>লাহিড়ী (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>রমন (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>কৃষ্ণমূর্তি (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>প্রকৃত চিত্রাপক্ষ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>গ্রহস্থিতি-সারণি (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>অয়নাংশ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>চিত্তিরৈ</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>বৈকাশি</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>আনি</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>আডি</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>আবণি</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>পুরট্টাশি</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ঐপ্পশি</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>কার্ত্তিগৈ</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>মার্গলি</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>তৈ</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>মাশি</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>পঙ্গুনি</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>মেডম</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>ইডবম</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>মিথুনম</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>কর্কিডকম</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>চিঙ্গম</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>কন্নি</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>তুলাম</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>বৃশ্চিকম</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>মকরম</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>কুম্ভম</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>মীনম</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>বৈশাখ</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>জ্যৈষ্ঠ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>আষাঢ়</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>শ্রাবণ</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>ভাদ্র</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>আশ্বিন</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>কার্তিক</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>অগ্রহায়ণ</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>পৌষ</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>মাঘ</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>ফাল্গুন</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>চৈত্র</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>বৈশাখ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>জ্যৈষ্ঠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>আষাঢ়</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>শ্রাবণ</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>ভাদ্রব</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>আশ্বিন</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>কার্তিক</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>মার্গশির</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>পৌষ</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>মাঘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>ফাল্গুন</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>চৈত্র</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>তামিল</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>মালয়ালম</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>বাংলা</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ওড়িয়া</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>প্রোগ্রামটি আগে থেকেই চলছে</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, ডেলাইট সেভিং সময়</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, ঋণাত্মক ডেলাইট সেভিং সময়</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava বৈদিক জ্যোতিষ অনুসারে চান্দ্র দিন, অর্থাৎ তিথির, গণনা করে। তিথি শুভ বা অশুভ বলে গণ্য হয় এবং কাজের সময় নির্ধারণে তার গুরুত্ব অনেক।</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>আমাদের হোম পেজে যেতে এখানে ক্লিক করুন: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>আমাদের হোম পেজ দেখুন</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>লাইসেন্স: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>স্থানের তথ্যের লাইসেন্স</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>স্থানের নাম ও স্থানাঙ্ক: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava ও তার নির্মাতাদের সম্পর্কে পড়তে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava সম্পর্কে</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>সহায়তা পড়ুন: ফর্ম কীভাবে পূরণ করবেন এবং ফলাফলের অর্থ কী</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava সহায়তা</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT লাইসেন্সের অধীনে মুক্ত সফটওয়্যার; এতে থাকা তথ্যের নিজস্ব শর্ত আছে, যা এর বিজ্ঞপ্তিতে দেওয়া আছে।</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>সূর্যাস্ত</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>চন্দ্রোদয়</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>চন্দ্রাস্ত</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>পালনীয় তিথি</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>নক্ষত্র</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>করণ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>চান্দ্র মাস</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>সংবৎ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ক্ষয়)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>তারপর %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ আগের দিন (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>আগের দিন</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>পরের দিন (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>পরের দিন</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ করুন (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1-এর পঞ্জিকা - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, সূর্যোদয় থেকে সূর্যোদয়</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>নতুন কোনো তিথি নেই: সূর্যোদয়ের তিথিটি আগের দিনই পালিত হয়েছে (বৃদ্ধি)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (সূর্যোদয়ে পাদ %2)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>বিক্রম সংবৎ %1, শকাব্দ %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>সূর্য ও চন্দ্র</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>চন্দ্ররাশি</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>সূর্যরাশি</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>চন্দ্রকলা</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>পঞ্জিকা</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>সৌর তারিখ</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>সংবৎসর</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>কলিযুগাব্দ</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ঋতু</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>অয়ন</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>শুভ সময়</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>অভিজিৎ মুহূর্ত</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>ব্রাহ্ম মুহূর্ত</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>অমৃতকাল</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>প্রদোষ</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>নিশীথ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>গোধূলি</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>অশুভ সময়</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>রাহুকাল</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>যমগণ্ড</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>গুলিককাল</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>দুর্মুহূর্ত</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>বর্জ্য</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>চৌঘড়িয়া</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>ভাগ</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>ফল</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>হোরা</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>অধিপতি</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>দিনের পঞ্জিকা</translation>
    </message>
    <message>
        <source>none</source>
        <translation>নেই</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (দক্ষিণ ভারতের গণনায় ষাট বছরের সংবৎসর চক্র, চৈত্র থেকে)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (চান্দ্র মাস অনুসারে)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (নিরয়ণ সূর্য অনুসারে)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, তারপর %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>সূর্যোদয়ে, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (এখন)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>এই দিনে নেই</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>দিন %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>রাত্রি %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>রপ্তানি - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar ফাইল, ক্যালেন্ডার প্রোগ্রামের জন্য (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar ফাইল</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, প্রতি পাতায় ছাপার উপযোগী একটি মাস (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>শুরুর তারিখ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>শেষ তারিখ</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>প্রতিটি দিনের সূর্যোদয়ের তিথি, সারা দিনের ভুক্তি হিসেবে (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>প্রতিটি দিনের সূর্যোদয়ের তিথি</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>প্রতিটি তিথি শুরু থেকে শেষ পর্যন্ত, সময়সহ ভুক্তি হিসেবে (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>প্রতিটি তিথি শুরু থেকে শেষ পর্যন্ত</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>ব্রতের দিন: একাদশী, পূর্ণিমা ও অমাবস্যা (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>ব্রতের দিন</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>মাসের গণনা</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>অমান্ত (অমাবস্যা থেকে অমাবস্যা)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>পূর্ণিমান্ত (পূর্ণিমা থেকে পূর্ণিমা)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>প্রথম মাস</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>শেষ মাস</translation>
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
        <translation>লেটার (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>লেটার</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>স্থান: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>সংরক্ষণ করুন (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>শুরুর তারিখ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>শেষ তারিখ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>মাসের গণনা (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>প্রথম মাস (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>শেষ মাস (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>কাগজ:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 থেকে %2.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>সূর্যোদয়ের তিথি</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>ব্রতের দিন</translation>
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
        <translation>শেষ মাস প্রথম মাসের আগে হতে পারে না।</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>অনুগ্রহ করে বড়জোর %1টি মাস বাছুন।</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>শেষ তারিখ শুরুর তারিখের আগে হতে পারে না।</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>অনুগ্রহ করে বড়জোর দশ বছর বাছুন।</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>মাসগুলি PDF হিসেবে সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>পঞ্জিকা সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ফাইল (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ফাইল (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>মাসটি %1-এ সংরক্ষিত হয়েছে: 1টি পাতা।</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>মাসগুলি %1-এ সংরক্ষিত হয়েছে: %2টি পাতা।</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>পঞ্জিকা %1-এ সংরক্ষিত হয়েছে: 1টি ভুক্তি।</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>পঞ্জিকা %2-এ সংরক্ষিত হয়েছে: %1টি ভুক্তি।</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava %1 সংরক্ষণ করতে পারেনি।
%2
কিছুই লেখা হয়নি; অনুগ্রহ করে অন্য কোনো ফোল্ডার বা নাম বাছুন।</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>উৎসব, প্রতিটি তার নিয়মে তার দিনে (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>উৎসব</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>বছরের উৎসব - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>উৎসবের নাম</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>দুর্গাপূজা, একাদশী, Diwali ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>পাওয়া উৎসব</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>নিয়ম</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>স্থান: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>মাসিক পঞ্জিকায় দেখান (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>মাসিক পঞ্জিকায় দেখান</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>বছর (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>উৎসবের নাম (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1-এর উৎসব, প্রতিটি তার নিয়মে তার দিনে</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1-এর যে উৎসবগুলির নামে &quot;%2&quot; আছে</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: কোনো উৎসব পাওয়া যায়নি।</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>তিথি খুঁজুন - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>পক্ষ</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>শুধু এই চান্দ্র মাসে (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>শুধু এই চান্দ্র মাসে</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>চান্দ্র মাস</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>অমান্ত, অমাবস্যা থেকে অমাবস্যা (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>অমান্ত</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>পূর্ণিমান্ত, পূর্ণিমা থেকে পূর্ণিমা (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>পূর্ণিমান্ত</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>অধিক মাসেও (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>অধিক মাসেও</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>যে বছর কোনো মাস অধিক মাস (মলমাস) হয়, সেই মাস সে বছর দু&apos;বার আসে; পার্বণ ও বার্ষিক তিথি দ্বিতীয় (নিজ) মাসে পালিত হয়।</translation>
    </message>
    <message>
        <source>From</source>
        <translation>শুরুর তারিখ</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>কতবার</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>পরেরটি খুঁজুন (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>পরেরটি খুঁজুন</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>আগেরটি খুঁজুন (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>আগেরটি খুঁজুন</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>বছরের ব্রতের দিন (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>বছরের ব্রতের দিন</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>শুরুর তারিখের বছরের প্রতিটি একাদশী, পূর্ণিমা ও অমাবস্যা</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>ফলাফল</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>পালনের দিন</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>পালনের দিন</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>টীকা</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>পালনের দিন</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>স্থান: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>মাসিক পঞ্জিকায় দেখান (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>মাসিক পঞ্জিকায় দেখান</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>পক্ষ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>তিথি (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>শুরুর তারিখ (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>কতবার (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2-এর (%3) %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>অমান্ত</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>পূর্ণিমান্ত</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 থেকে পরের পালনের দিন</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2-এর আগের পালনের দিন, সবচেয়ে কাছেরটি সবার উপরে</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1-এর ব্রতের দিন: প্রতিটি একাদশী, পূর্ণিমা ও অমাবস্যা</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: কোনো দিন পাওয়া যায়নি।</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>উৎসব</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>উৎসব খুঁজুন (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>উৎসব খুঁজুন</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>নাম দেওয়া উৎসবের পরের দিনগুলি, শুরুর তারিখ থেকে</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; নামে কোনো উৎসব নেই।</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 থেকে এর দিনগুলি</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট দেখুন</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>ফলাফলের সময় অঞ্চল</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>গণনা করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>পঞ্জিকা (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যারের নতুন সংস্করণ দেখুন (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার সম্পর্কে (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ফর্মের অক্ষাংশ 90 ডিগ্রির সীমার বাইরে, যেখানে কোনো স্থান নেই: তিথির সময়, সূর্যোদয় ও দিনের পঞ্জিকা গণনা করা হয়নি।</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ফর্মের দ্রাঘিমাংশ 180 ডিগ্রির সীমার বাইরে, যেখানে কোনো স্থান নেই: তিথির সময়, সূর্যোদয় ও দিনের পঞ্জিকা গণনা করা হয়নি।</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (প্রথম %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (দ্বিতীয় %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; শুরুর সময় %2, শেষের সময় %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>এখনকার সময় বসান (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>বাড়ির স্থান হিসেবে সংরক্ষণ করুন (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>বাড়ির স্থান মুছে ফেলুন (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>আজকের তারিখ, %1, Kestrava যে 1901 থেকে 2050 সালের গণনা করে তার বাইরে: তারিখ ও সময় যেমন ছিল তেমনই রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>বাড়ির স্থান হিসেবে সংরক্ষণ করার আগে অনুগ্রহ করে দ্রাঘিমাংশ ও অক্ষাংশ ডিগ্রি ও মিনিটে, এবং সময় অঞ্চলের ঘণ্টা ও মিনিট লিখুন।</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>বাড়ির স্থান সংরক্ষণ করা গেল না: সেটিংস ফাইলে লেখা যাচ্ছে না।</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>এই স্থানটি আপনার বাড়ির স্থান হিসেবে সংরক্ষিত হয়েছে: Kestrava প্রতিবার চালু হওয়ার সময় এটি বসিয়ে দেবে।</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>বাড়ির স্থান মুছে ফেলবেন? তাহলে Kestrava স্থানের ঘরগুলি খালি রেখে চালু হবে; ফর্মে এখন যা লেখা আছে তা যেমন আছে তেমনই থাকবে।</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>বাড়ির স্থান মুছে ফেলা গেল না: সেটিংস ফাইলে লেখা যাচ্ছে না।</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>আন্তর্জাতিক অঙ্ক (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>বন্ধ করুন (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>বিকল্প (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>মাসিক পঞ্জিকা - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>আগের বছর</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« আগের বছর</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>এক বছর আগের এই মাস (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>আগের মাস</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ আগের মাস (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>আগের মাস (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>পরের মাস</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>পরের মাস (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>পরের মাস (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>পরের বছর</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>পরের বছর »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>এক বছর পরের এই মাস (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>আজ</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>আজ (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>আজকের মাস, আজকের দিনটি বাছা (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>দেখানো মাস</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>চান্দ্র মাস</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>মাসের দিনগুলি</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>সংকেত</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 শুক্লপক্ষ &amp;nbsp; %2 কৃষ্ণপক্ষ &amp;nbsp; %3 পূর্ণিমা &amp;nbsp; %4 অমাবস্যা &amp;nbsp; %5 একাদশী &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;ক্ষয়, বৃদ্ধি&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;চান্দ্র মাস&lt;/b&gt; যেখানে শুরু &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; আজ</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>শুক্লপক্ষের ঘরগুলি হালকা হলুদ (হাতির দাঁতের রং), কৃষ্ণপক্ষের ঘরগুলি নীলচে-ধূসর; পূর্ণিমায় পূর্ণ চাঁদের, অমাবস্যায় নতুন চাঁদের এবং একাদশীতে সবুজ রম্বসের (◆) চিহ্ন আছে।</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>পালনের দিন</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>দিনের পঞ্জিকা</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>দিনের পঞ্জিকা (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>বাছাই করা দিনের সম্পূর্ণ পঞ্জিকা (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>তিথি খুঁজুন</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>তিথি খুঁজুন (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar রপ্তানি করুন</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar রপ্তানি করুন (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF রপ্তানি করুন</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF রপ্তানি করুন (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>মাস (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>বছর (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>স্থান: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1-এর দিনগুলি</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>বৈষ্ণব মত</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>বৈষ্ণব মত (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>যে উৎসবগুলি দুই সম্প্রদায় আলাদা দিনে পালন করে (জন্মাষ্টমী, একাদশী), সেগুলির বৈষ্ণব দিন; অন্যথায় স্মার্ত দিন</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>পূর্ণিমান্ত মাসও</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>অমান্ত মাসের সঙ্গে পূর্ণিমান্ত মাসেরও নাম দেখান, যা পূর্ণিমার পরে শুরু হয়</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>পূর্ণিমান্ত মাসও (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>বন্ধ করুন (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>বন্ধ করুন</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>এই সফটওয়্যারের নতুন সংস্করণ পাওয়া যেতে পারে</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>আপনি কি নতুন সংস্করণ আছে কিনা দেখতে চান?</translation>
    </message>
</context>
</TS>
