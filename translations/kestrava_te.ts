<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>అధిక %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 న %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 రోజంతా (వృద్ధి)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 వరకు</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (క్షయం)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, తర్వాత %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ఏకాదశి</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>పౌర్ణమి</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>అమావాస్య</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 ఆచరణ</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>వృద్ధి: తిథి మరుసటి సూర్యోదయానికి కూడా ఉంటుంది; ఈ రోజే ఆచరిస్తారు</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>వృద్ధి: తిథి రెండో రోజు; తిథిని ముందు రోజే ఆచరించారు</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 మాసం ప్రారంభం</translation>
    </message>
    <message>
        <source>today</source>
        <translation>ఈ రోజు</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>ఏ రోజు సూర్యోదయానికి తిథి ఉంటుందో ఆ రోజునే దాన్ని ఆచరిస్తారు; క్షయ తిథిని (ఏ సూర్యోదయానికీ లేనిది) అది నడిచే రోజున, వృద్ధి తిథిని (రెండు సూర్యోదయాలకు ఉండేది) దాని రెండు రోజుల్లో మొదటి రోజున ఆచరిస్తారు.</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>క్షయం: ఏ సూర్యోదయానికీ లేదు</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>వృద్ధి: రెండు సూర్యోదయాలకు ఉంది</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 క్షయం</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 వరకు</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>తర్వాత %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>రోజంతా</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>వృద్ధి</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>వృద్ధి, రెండో రోజు</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (అధిక, పూర్ణిమాంత)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (అధిక, అమాంత)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (పూర్ణిమాంత)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (అమాంత)</translation>
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
        <translation>%1 నుండి %2 వరకు</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1ద</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1ఉ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1ప</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1తూ</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: సూర్యోదయ తిథులు, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: తిథులు, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: వ్రత దినాలు, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>సూర్యోదయం (%1) నాటి తిథి: %2, %3.</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>అర్ధరాత్రి నాటి తిథి (సూర్యోదయం లేదు): %1, %2.</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>వృద్ధి: ఇది మరుసటి సూర్యోదయానికి కూడా ఉంటుంది.</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>వృద్ధి: ఇది ముందటి సూర్యోదయానికి కూడా ఉంది; ఇది దాని రెండో రోజు.</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>తర్వాత %1, %2 (క్షయం: ఇది ఏ సూర్యోదయానికీ లేదు).</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>తర్వాత %1, %2.</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>స్థలం %1, సమయాలు %2.</translation>
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
        <translation>తిథి %1 ఉంటుంది, %2.</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>ఇది ఏ సూర్యోదయానికీ లేదు (క్షయం); ఇది నడిచే రోజునే ఆచరిస్తారు.</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>ఇది రెండు సూర్యోదయాలకు ఉంది (వృద్ధి); మొదటి రోజున ఆచరిస్తారు.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>స్థలం: %1.</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>తిథి</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>వ్రతం</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ఏకాదశి</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>పౌర్ణమి</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>అమావాస్య</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>మాసం: %1, %2; విక్రమ శకం %3, శాలివాహన శకం %4.</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: పండుగలు, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>పండుగ</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>సంక్రాంతి</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>జయంతి</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>సంప్రదాయ ఖగోళ పట్టిక</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>ఆధునిక ఖగోళ పట్టిక</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>లాహిరి</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>రామన్</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>కృష్ణమూర్తి (కె.పి.)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>నిజ చిత్రాపక్ష</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1, %2 అయనాంశం ఆధారంగా గణన.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>నెలవారీ పంచాంగం (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>తిథిని వెతుకు (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>వ్రత దినాలు (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar ఫైలుగా ఎగుమతి చేయి (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDFగా ఎగుమతి చేయి (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>సంవత్సరంలోని పండుగలు (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>ఉ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>ద</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>తూ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>ప</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>రేఖాంశం భాగలు</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>రేఖాంశం కళలు</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>అక్షాంశం భాగలు</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>అక్షాంశం కళలు</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>సమయ మండలం గంటలు</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>సమయ మండలం నిమిషాలు</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>పంచాంగాన్ని ఫారంలోని స్థలం, సమయ మండలం ప్రకారం గణిస్తారు. దయచేసి ముందుగా ఫారంలో %1 నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>ఫారంలోని %1 0 నుండి %2 వరకు పూర్ణసంఖ్య అయి ఉండాలి.</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>ఫారంలోని స్థలం 90 భాగల అక్షాంశం లేదా 180 భాగల రేఖాంశం హద్దు దాటి ఉంది.</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>వారం</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>నక్షత్రం</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>సూర్యోదయం</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>యోగం</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>సూర్యాస్తమయం</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>కరణం</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>చంద్రోదయం</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>మాసం</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>చంద్రాస్తమయం</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>శకం</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (సూర్యోదయానికి ముందు: రోజు ముందటి సూర్యోదయంతో మొదలైంది)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, %2వ పాదం, %3 వరకు</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 వరకు</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>విక్రమ శకం %1 · శాలివాహన శకం %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>ఆనాటి పంచాంగం</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>కరణం, దాని ముగింపు</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>రాహుకాలం</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>యమగండం</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>గుళిక కాలం</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>అభిజిత్</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>అభిజిత్ ముహూర్తం</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>సూర్యుడు</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>సూర్య రాశి</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్రుడు</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>చంద్ర రాశి, కళ</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>పండుగలు</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ఏదీ లేదు</translation>
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
        <translation>శుభం</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>సామాన్యం</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>అశుభం</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>నిర్వచించలేము: ఈ తేదీన సూర్యుడు ఉదయించడు, అస్తమించడు</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 వరకు</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (బుధవారం వర్తించదు)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>సూర్యోదయానికి</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>పూర్వాహ్ణంలో</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>మధ్యాహ్నంలో (పగటి కాలంలో మూడో ఐదో భాగం)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>అపరాహ్ణంలో (పగటి కాలంలో నాలుగో ఐదో భాగం)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>ప్రదోషంలో (రాత్రి కాలంలో మొదటి ఐదో భాగం)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>నిశీథ కాలంలో (అర్ధరాత్రి)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>చంద్రోదయానికి</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>అరుణోదయంలో (సూర్యోదయానికి ముందు)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>తమిళ నియమం: సంక్రమణం సూర్యాస్తమయానికి ముందైతే అదే రోజు, లేకపోతే మరుసటి రోజు</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>మలయాళ నియమం: సంక్రమణం పగటి కాలంలో మొదటి మూడు ఐదో భాగాల్లో జరిగితే అదే రోజు, లేకపోతే మరుసటి రోజు</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>బెంగాలీ నియమం: సంక్రమణం మరుసటి రోజు; అది అర్ధరాత్రి తర్వాత జరిగితే ఆ తర్వాతి రోజు</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>సంక్రమణం జరిగే రోజు (సూర్యోదయం నుండి సూర్యోదయం వరకు)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>అమాంత</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>పూర్ణిమాంత</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>అధిక మాసంలో %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, పూర్తిగా</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; లేకపోతే %1 నక్షత్రం</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, భద్ర లేకుండా</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>సూర్యుడు %1 రాశిలో ప్రవేశం; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 సౌర మాసంలో సూర్యోదయానికి %1 నక్షత్రం</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1కి ముందు రోజు</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1 మరుసటి రోజు</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2కి %1 రోజుల ముందు</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2 తర్వాత %1 రోజులకు</translation>
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
        <translation>ఫైలు పేరు ఇవ్వలేదు.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 ఫోల్డర్ లేదు.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ఒక ఫోల్డర్.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 రాయగలిగే ఫైలు కాదు (సాకెట్ లేదా బ్లాక్ పరికరం).</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 ఒక పైపు; దాన్ని ఏ ప్రోగ్రామూ చదవడం లేదు.</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1ని చూడలేకపోయాం: %2.</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>దీన్ని %1లో సృష్టించలేకపోయాం: %2.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>దీన్ని రాయలేకపోయాం: %1.</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>ఇది %1 స్థానంలోకి రాలేకపోయింది: %2.</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>అంకెలు మాత్రమే స్వీకరిస్తాం</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>దయచేసి పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>దయచేసి సమయ మండలం గంటలు, నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>దయచేసి రేఖాంశం భాగలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>దయచేసి రేఖాంశం కళలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>దయచేసి అక్షాంశం భాగలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>దయచేసి అక్షాంశం కళలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>దయచేసి సరైన రోజు లేదా నెల నమోదు చేయండి!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>దయచేసి సరైన రోజు లేదా నెల నమోదు చేయండి!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>దయచేసి సరైన రేఖాంశం భాగలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>దయచేసి సరైన రేఖాంశం కళలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>దయచేసి సరైన అక్షాంశం భాగలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>దయచేసి సరైన అక్షాంశం కళలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>దయచేసి సరైన సమయ మండలం గంటలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>దయచేసి సరైన సమయ మండలం నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>దయచేసి నగరం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>దయచేసి రాష్ట్రం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>దయచేసి దేశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%3లో %2న %1 అనే సమయం రెండుసార్లు వస్తుంది: గడియారాలు %4 నుండి %5కు వెనక్కి జరిగాయి.

మొదటి %1 (%6) తీసుకోవాలా? “కాదు” ఎంచుకుంటే రెండో %1 (%7) తీసుకుంటాం.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%3లో %2న %1 సమయం ఉండదు: గడియారాలు %4 నుండి %5కి ముందుకు జరిగాయి.

మార్పు తర్వాతి గడియారాల ప్రకారం అదే క్షణమైన %6కి గణించాలా?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>తేదీలో నెల</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>తేదీలో రోజు</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>తేదీలో సంవత్సరం</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>సమయంలో గంటలు</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>సమయంలో నిమిషాలు</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>సమయంలో సెకన్లు</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>సమయం</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>గం:ని:సె</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>భాగలు</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>కళలు</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>రేఖాంశం భాగలు</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>రేఖాంశం కళలు</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>అక్షాంశం భాగలు</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>అక్షాంశం కళలు</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>సమయ మండలం గంటలు</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>సమయ మండలం నిమిషాలు</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>పగటి పొదుపు సమయం</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>సమయ మండలాల జాబితా</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>సమయ మండలం</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>పగటి పొదుపు</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>పేరున్న సమయ మండలం</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>గంటలు</translation>
    </message>
    <message>
        <source>City</source>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>అక్షాంశం, రేఖాంశం కనుగొనడానికి ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>అక్షాంశం, రేఖాంశం కనుగొనడానికి ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>ఏ ముఖ్యమైన పని మొదలుపెట్టే ముందైనా తిథిని తెలుసుకోండి.</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava వైదిక జ్యోతిషం ఆధారంగా చాంద్రమాన దినాన్ని, అంటే తిథిని, గణిస్తుంది. తిథులను మంచివి లేదా చెడ్డవి అంటారు; పనులకు ముహూర్తం నిర్ణయించడంలో వాటికి ఎంతో ప్రాముఖ్యం ఉంది.</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>నా తిథిని తెలుసుకో</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>నా తిథిని తెలుసుకో (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>పూర్ణిమాంత %1 మాసం ప్రారంభం</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · విక్రమ శకం %2 · శాలివాహన శకం %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>శుక్ల పక్షం (శుద్ధ)</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>కృష్ణ పక్షం (బహుళ)</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>ప్రతి రోజులో దాని సూర్యోదయ తిథి, ఆ తిథి ముగిసే సమయం, మరుసటి సూర్యోదయ తిథి చూపిస్తాం.</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestravaతో తయారైంది.</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>అమాంత %1 · పూర్ణిమాంత %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava పంచాంగం, %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % ప్రకాశం, పెరుగుతున్న కళ</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % ప్రకాశం, తరుగుతున్న కళ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్రుడు</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — ఈ తేదీన గడియారాలు %2 సమయాన్ని దాటవేస్తాయి</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 అనే సమయం రెండుసార్లు వస్తుంది</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>సమయ మండలం %1 ఈ కంప్యూటర్ సమయ మండలాల డేటాబేస్‌లో లేదు: దాని గంటలు, నిమిషాలు మీరే నమోదు చేయండి.</translation>
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
        <translation>రోజంతా దిగంతానికి పైన</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>రోజంతా దిగంతానికి కింద</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>ఈ తేదీన లేదు</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>అక్షాంశం లేదు</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>స్థలాలు</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>ప్రారంభం %1 · ముగింపు %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>సూర్యోదయానికి (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>ఈ తేదీన సూర్యోదయం లేదు: సూర్యుడు రోజంతా దిగంతానికి పైనే ఉంటాడు (ధ్రువ పగలు)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>ఈ తేదీన సూర్యోదయం లేదు: సూర్యుడు రోజంతా దిగంతానికి కిందే ఉంటాడు (ధ్రువ రాత్రి)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>ఈ తేదీన సూర్యోదయం లేదు: సూర్యుడు మరుసటి అర్ధరాత్రి తర్వాతే ఉదయిస్తాడు</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>సూర్యోదయం లేదు: అక్షాంశం 90 భాగలు దాటి ఉంది</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>కరణం: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>తిథి సంఖ్య</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>తిథి పేరు</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>తిథి పక్షం</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>తిథి అధిపతి</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>తిథి వర్గం</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>తిథి విశేషం</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>తిథి స్వభావం</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>తిథి రకం</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava ఫలితాలు</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>వెనుకకు</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>తిథి వివరణ</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>తిథి ప్రారంభం, ముగింపు</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>సూర్యోదయ తిథి</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>కరణం</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>పేరు, తేదీ, స్థలం</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>నివేదికలోని తిథి ఈ క్షణం నుండి కొన్ని సెకన్లలోనే మారుతుంది; ఆధునిక ఖగోళ పట్టిక ప్రకారం అది %1: ప్రారంభం %2 · ముగింపు %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>ఆధునిక (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>సంప్రదాయ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>లాహిరి (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>రామన్ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>కృష్ణమూర్తి (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>నిజ చిత్రాపక్ష (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>ఖగోళ పట్టిక (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>అయనాంశం (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>చిత్తిరై</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>వైకాసి</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>ఆని</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>ఆడి</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>ఆవణి</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>పురట్టాసి</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ఐప్పసి</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>కార్తిగై</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>మార్గళి</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>తై</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>మాసి</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>పంగుని</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>మేడం</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>ఇడవం</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>కర్కిడకం</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>చింగం</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>కన్ని</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>తులాం</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>ధను</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>మీనం</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>బైశాఖ్</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>జైష్ఠ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>ఆషాఢ్</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>శ్రావణ్</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>భాద్ర</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>ఆశ్విన్</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>కార్తీక్</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>అగ్రహాయణ్</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>పౌష్</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>మాఘ్</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>ఫాల్గుణ్</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>చైత్ర</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>బైశాఖ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>జ్యేష్ఠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>ఆషాఢ</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>శ్రావణ</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>భాద్రవ</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>ఆశ్విన</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>కార్తిక</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>మార్గశిర</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>పౌష</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>మాఘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>ఫాల్గుణ</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>చైత్ర</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>తమిళ</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>మలయాళ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>బెంగాలీ</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ఒడియా</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>ప్రోగ్రామ్ ఇప్పటికే నడుస్తోంది</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, పగటి పొదుపు సమయం</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, రుణాత్మక పగటి పొదుపు సమయం</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava వైదిక జ్యోతిషం ఆధారంగా చాంద్రమాన దినాన్ని, అంటే తిథిని, గణిస్తుంది. తిథులను మంచివి లేదా చెడ్డవి అంటారు; పనులకు ముహూర్తం నిర్ణయించడంలో వాటికి ఎంతో ప్రాముఖ్యం ఉంది.</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>మా వెబ్‌సైట్‌కు వెళ్ళడానికి ఇక్కడ నొక్కండి: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>మా వెబ్‌సైట్ చూడండి</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>లైసెన్సు: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>స్థలాల సమాచారం లైసెన్సు</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>స్థలాల పేర్లు, నిరూపకాలు: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava గురించి, దాన్ని తయారుచేసినవారి గురించి చదవడానికి ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava గురించి</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>సహాయం చదవండి: ఫారం ఎలా నింపాలి, ఫలితాల అర్థం ఏమిటి</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava సహాయం</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT లైసెన్స్ కింద స్వేచ్ఛా సాఫ్ట్‌వేర్; ఇందులో ఉన్న డేటాకు వాటి సొంత నిబంధనలు ఉన్నాయి, అవి దీని ప్రకటనలలో ఇవ్వబడ్డాయి.</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>వారం</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>సూర్యోదయం</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>సూర్యాస్తమయం</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>చంద్రోదయం</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>చంద్రాస్తమయం</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>తిథి</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>ఆచరించే తిథి</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>నక్షత్రం</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>యోగం</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>కరణం</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>మాసం</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>శకం</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 వరకు</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (క్షయం)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>తర్వాత %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ ముందటి రోజు (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>ముందటి రోజు</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>మరుసటి రోజు (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>మరుసటి రోజు</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>మూసివేయి (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1 పంచాంగం - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, సూర్యోదయం నుండి సూర్యోదయం వరకు</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>కొత్త తిథి లేదు: సూర్యోదయ తిథిని ముందు రోజే ఆచరించారు (వృద్ధి)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (సూర్యోదయానికి %2వ పాదం)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>విక్రమ శకం %1, శాలివాహన శకం %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>సూర్యచంద్రులు</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>చంద్ర రాశి</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>సూర్య రాశి</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>చంద్ర కళ</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>పంచాంగం</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>పండుగలు</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>సౌరమాన తేదీలు</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>సంవత్సర నామం</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>కలియుగ సంవత్సరం</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ఋతువు</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>ఆయనం</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>శుభ సమయాలు</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>అభిజిత్ ముహూర్తం</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>బ్రాహ్మీ ముహూర్తం</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>అమృత కాలం</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>ప్రదోషం</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>నిశీథం</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>గోధూళి</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>అశుభ సమయాలు</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>రాహుకాలం</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>యమగండం</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>గుళిక కాలం</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>దుర్ముహూర్తం</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>వర్జ్యం</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>చౌఘడియా</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>భాగం</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>ఫలం</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>సమయం</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>హోర</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>అధిపతి</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>ఆనాటి పంచాంగం</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ఏదీ లేదు</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (దక్షిణ భారత గణన ప్రకారం ప్రభవాది అరవై సంవత్సరాల చక్రం, చైత్రం నుండి)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (చాంద్రమాన మాసం ప్రకారం)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (నిరయన సూర్యుని ప్రకారం)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, తర్వాత %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>సూర్యోదయానికి, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (ఇప్పుడు)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>ఈ రోజు లేదు</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>పగలు %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>రాత్రి %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>ఎగుమతి - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar ఫైలు, క్యాలెండర్ ప్రోగ్రాముల కోసం (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar ఫైలు</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, ప్రతి పుటలో ముద్రించదగిన ఒక నెల (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>మొదటి తేదీ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>చివరి తేదీ</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>ప్రతి రోజు సూర్యోదయ తిథి, రోజంతటి నమోదులుగా (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>ప్రతి రోజు సూర్యోదయ తిథి</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>ప్రతి తిథి, ప్రారంభం నుండి ముగింపు వరకు, సమయంతో కూడిన నమోదులుగా (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>ప్రతి తిథి, ప్రారంభం నుండి ముగింపు వరకు</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>వ్రత దినాలు: ఏకాదశి, పౌర్ణమి, అమావాస్య (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>వ్రత దినాలు</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>మాస గణన</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>అమాంత (అమావాస్య నుండి అమావాస్య వరకు)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>పూర్ణిమాంత (పౌర్ణమి నుండి పౌర్ణమి వరకు)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>మొదటి నెల</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>చివరి నెల</translation>
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
        <translation>లెటర్ (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>లెటర్</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>స్థలం: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>భద్రపరచు (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>భద్రపరచు</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దుచేయి</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>మొదటి తేదీ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>చివరి తేదీ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>మాస గణన (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>మొదటి నెల (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>చివరి నెల (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>కాగితం:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 నుండి %2 వరకు.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>సూర్యోదయ తిథులు</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>తిథులు</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>వ్రత దినాలు</translation>
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
        <translation>చివరి నెల మొదటి నెల కంటే ముందు ఉండకూడదు.</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>దయచేసి గరిష్ఠంగా %1 నెలలు ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>చివరి తేదీ మొదటి తేదీ కంటే ముందు ఉండకూడదు.</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>దయచేసి గరిష్ఠంగా పది సంవత్సరాలు ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>నెలలను PDFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>పంచాంగాన్ని భద్రపరచు</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ఫైళ్ళు (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ఫైళ్ళు (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>నెలను %1లో భద్రపరిచాం: 1 పుట.</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>నెలలను %1లో భద్రపరిచాం: %2 పుటలు.</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>పంచాంగాన్ని %1లో భద్రపరిచాం: 1 నమోదు.</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>పంచాంగాన్ని %2లో భద్రపరిచాం: %1 నమోదులు.</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava %1ను భద్రపరచలేకపోయింది.
%2
ఏదీ రాయలేదు; దయచేసి వేరే ఫోల్డర్ లేదా పేరు ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>పండుగలు, ప్రతిదీ దాని నియమం ప్రకారం దాని రోజున (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>పండుగలు</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>సంవత్సరంలోని పండుగలు - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>సంవత్సరం</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>పండుగ పేరు</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>దీపావళి, ఏకాదశి ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>దొరికిన పండుగలు</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>పండుగలు</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>పండుగ</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>నియమం</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>స్థలం: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>నెలవారీ పంచాంగంలో చూపించు (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>నెలవారీ పంచాంగంలో చూపించు</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>సంవత్సరం (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>పండుగ పేరు (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1 పండుగలు, ప్రతిదీ దాని నియమం ప్రకారం దాని రోజున</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1 పండుగలు, పేరులో &quot;%2&quot; ఉన్నవి</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: ఏ పండుగా దొరకలేదు.</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>తిథిని వెతుకు - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>పక్షం</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>తిథి</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>ఈ చాంద్రమాన మాసంలో మాత్రమే (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>ఈ చాంద్రమాన మాసంలో మాత్రమే</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>చాంద్రమాన మాసం</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>అమాంత, అమావాస్య నుండి అమావాస్య వరకు (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>అమాంత</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>పూర్ణిమాంత, పౌర్ణమి నుండి పౌర్ణమి వరకు (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>పూర్ణిమాంత</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>అధిక మాసంలో కూడా (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>అధిక మాసంలో కూడా</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>ఏ సంవత్సరంలో ఒక మాసం అధికమో, ఆ సంవత్సరం అది రెండుసార్లు వస్తుంది; పండుగలను, వార్షిక తిథులను రెండో (నిజ) మాసంలో జరుపుకుంటారు.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>మొదటి తేదీ</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>ఎన్నిసార్లు</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>తర్వాతది వెతుకు (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>తర్వాతది వెతుకు</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>ముందటిది వెతుకు (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>ముందటిది వెతుకు</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>సంవత్సరంలోని వ్రత దినాలు (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>సంవత్సరంలోని వ్రత దినాలు</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>మొదటి తేదీ ఉన్న సంవత్సరంలోని ప్రతి ఏకాదశి, పౌర్ణమి, అమావాస్య</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>దొరికినవి</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>ఆచరించే రోజులు</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>ఆచరించే రోజు</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>ప్రారంభం</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>ముగింపు</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>గమనిక</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>ఆచరించే రోజు</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>స్థలం: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>నెలవారీ పంచాంగంలో చూపించు (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>నెలవారీ పంచాంగంలో చూపించు</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>పక్షం (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>తిథి (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>మొదటి తేదీ (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>ఎన్నిసార్లు (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3) మాసంలోని %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>అమాంత</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>పూర్ణిమాంత</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 నుండి ఆచరించే రోజులు</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2 కి ముందు ఆచరించే రోజులు, దగ్గరిది పైన</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1 వ్రత దినాలు: ప్రతి ఏకాదశి, పౌర్ణమి, అమావాస్య</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: ఏ రోజూ దొరకలేదు.</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>పండుగ</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>పండుగను వెతుకు (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>పండుగను వెతుకు</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>పేర్కొన్న పండుగ తర్వాతి రోజులు, మొదటి తేదీ నుండి</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; అనే పేరుతో ఏ పండుగా లేదు.</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 నుండి దాని రోజులు</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ చూడండి</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>ఫలితాల సమయ మండలం</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ఫైలు (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>లెక్కించు (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>పంచాంగం (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>భాష / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ చూడండి (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>సాఫ్ట్‌వేర్ కొత్త రూపాంతరం కోసం చూడు (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ఫారంలోని అక్షాంశం 90 డిగ్రీల పరిధి దాటి ఉంది, అక్కడ ఏ ప్రదేశమూ లేదు: తిథి సమయాలు, సూర్యోదయం, ఆనాటి పంచాంగం లెక్కించబడలేదు.</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ఫారంలోని రేఖాంశం 180 డిగ్రీల పరిధి దాటి ఉంది, అక్కడ ఏ ప్రదేశమూ లేదు: తిథి సమయాలు, సూర్యోదయం, ఆనాటి పంచాంగం లెక్కించబడలేదు.</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (మొదటి %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (రెండో %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; ప్రారంభం %2, ముగింపు %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ప్రస్తుత సమయం నింపు (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>సొంత స్థలంగా భద్రపరచు (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>సొంత స్థలాన్ని తొలగించు (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>ఈ రోజు తేదీ %1, Kestrava గణించే 1901 నుండి 2050 వరకు సంవత్సరాల వెలుపల ఉంది: తేదీ, సమయం ఉన్నవి ఉన్నట్లే ఉంచాం.</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>సొంత స్థలంగా భద్రపరచే ముందు, దయచేసి రేఖాంశం, అక్షాంశం భాగలు, కళలలో, సమయ మండలం గంటలు, నిమిషాలు నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>సొంత స్థలాన్ని భద్రపరచలేకపోయాం: అమరికల ఫైలులో రాయలేము.</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>ఈ స్థలాన్ని మీ సొంత స్థలంగా భద్రపరిచాం: Kestrava మొదలైన ప్రతిసారీ దీన్ని నింపుతుంది.</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>సొంత స్థలాన్ని తొలగించాలా? తర్వాత Kestrava స్థలం గడులను ఖాళీగా ఉంచి మొదలవుతుంది; ఇప్పుడు ఫారంలో ఉన్న గడులు అలాగే ఉంటాయి.</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>సొంత స్థలాన్ని తొలగించలేకపోయాం: అమరికల ఫైలులో రాయలేము.</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>అంతర్జాతీయ అంకెలు (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>నిష్క్రమించు (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>ఎంపికలు (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>నెలవారీ పంచాంగం - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>ముందటి సంవత్సరం</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« ముందటి సంవత్సరం</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>ఒక సంవత్సరం ముందటి ఇదే నెల (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>ముందటి నెల</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ ముందటి నెల (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>ముందటి నెల (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>నెల</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>సంవత్సరం</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>మరుసటి నెల</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>మరుసటి నెల (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>మరుసటి నెల (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>మరుసటి సంవత్సరం</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>మరుసటి సంవత్సరం »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>ఒక సంవత్సరం తర్వాతి ఇదే నెల (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ఈ రోజు</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>ఈ రోజు (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>ఈ నెల, ఈ రోజు ఎంచుకొని (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>చూపిస్తున్న నెల</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>చాంద్రమాన మాసాలు</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>నెలలోని రోజులు</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>సంకేతాలు</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 శుక్ల పక్షం &amp;nbsp; %2 కృష్ణ పక్షం &amp;nbsp; %3 పౌర్ణమి &amp;nbsp; %4 అమావాస్య &amp;nbsp; %5 ఏకాదశి &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;క్షయం, వృద్ధి&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;మాసం&lt;/b&gt; మొదలయ్యే చోట &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; ఈ రోజు</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>శుక్ల పక్షం గడులు దంతపు రంగులో, కృష్ణ పక్షం గడులు నీలి-బూడిద రంగులో ఉంటాయి; పౌర్ణమికి నిండు చంద్రుని గుర్తు, అమావాస్యకు నల్లని చంద్రుని గుర్తు, ఏకాదశికి ఆకుపచ్చ సమచతుర్భుజం (◆) గుర్తు ఉంటాయి.</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>ఆచరించే రోజు</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>రోజు పంచాంగం</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>రోజు పంచాంగం (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>ఎంచుకున్న రోజు పూర్తి పంచాంగం (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>తిథిని వెతుకు</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>తిథిని వెతుకు (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar ఎగుమతి చేయి</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar ఎగుమతి చేయి (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ఎగుమతి చేయి</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF ఎగుమతి చేయి (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>నెల (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>సంవత్సరం (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>స్థలం: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 లోని రోజులు</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>వైష్ణవ ఆచరణ</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>వైష్ణవ ఆచరణ (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>సంప్రదాయాలు వేర్వేరు రోజుల్లో జరుపుకునే పండుగలకు (జన్మాష్టమి, ఏకాదశులు) వైష్ణవ దినాలు; మిగతావాటికి స్మార్త దినాలు</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>పూర్ణిమాంత మాసాలు కూడా</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>అమాంత మాసాలతో పాటు పౌర్ణమి తర్వాత మొదలయ్యే పూర్ణిమాంత మాసాల పేర్లు కూడా చూపించు</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>పూర్ణిమాంత మాసాలు కూడా (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>సమయ మండలం</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>నిష్క్రమించు (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>నిష్క్రమించు</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>ఈ సాఫ్ట్‌వేర్ కొత్త రూపాంతరం అందుబాటులో ఉండవచ్చు</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>కొత్త రూపాంతరం ఉందేమో చూడాలా?</translation>
    </message>
</context>
</TS>
