<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>અધિક %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2ના રોજ %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 આખો દિવસ (વૃદ્ધિ)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 સુધી</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ક્ષય)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, પછી %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>અગિયારસ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>પૂનમ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>અમાસ</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 પાળવામાં આવે છે</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>વૃદ્ધિ: તિથિ આવતા સૂર્યોદયે પણ રહે છે અને આજે પાળવામાં આવે છે</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>વૃદ્ધિ: તિથિનો બીજો દિવસ; તિથિ આગલા દિવસે પાળવામાં આવી</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 માસ શરૂ</translation>
    </message>
    <message>
        <source>today</source>
        <translation>આજે</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>તિથિ જે દિવસના સૂર્યોદયે હોય તે દિવસે પાળવામાં આવે છે; ક્ષય તિથિ (જે કોઈ સૂર્યોદયે ન હોય) તે જે દિવસમાં આવે તે દિવસે; અને વૃદ્ધિ તિથિ (જે બે સૂર્યોદયે હોય) તેના બે દિવસોમાંથી પહેલા દિવસે.</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>ક્ષય: કોઈ સૂર્યોદયે નથી</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>વૃદ્ધિ: બે સૂર્યોદયે છે</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 ક્ષય</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 સુધી</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>પછી %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>આખો દિવસ</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>વૃદ્ધિ</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>વૃદ્ધિ, બીજો દિવસ</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (અધિક, પૂર્ણિમાંત)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (અધિક, અમાંત)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (પૂર્ણિમાંત)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (અમાંત)</translation>
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
        <translation>%1 થી %2 સુધી</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1દ</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1ઉ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1પ</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1પૂ</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: સૂર્યોદયની તિથિઓ, %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: તિથિઓ, %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: વ્રતના દિવસો, %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>સૂર્યોદય (%1) વખતની તિથિ: %2, %3.</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>મધ્યરાત્રિની તિથિ (સૂર્યોદય નથી): %1, %2.</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>વૃદ્ધિ: આ તિથિ આવતા સૂર્યોદયે પણ રહે છે.</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>વૃદ્ધિ: આ તિથિ પાછલા સૂર્યોદયે પણ હતી; આ તેનો બીજો દિવસ છે.</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>પછી %1, %2 (ક્ષય: આ તિથિ કોઈ સૂર્યોદયે નથી).</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>પછી %1, %2.</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>સ્થળ %1, સમય %2.</translation>
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
        <translation>તિથિનો સમયગાળો: %1, %2.</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>આ તિથિ કોઈ સૂર્યોદયે નથી (ક્ષય) અને તે જે દિવસમાં આવે તે દિવસે પાળવામાં આવે છે.</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>આ તિથિ બે સૂર્યોદયે છે (વૃદ્ધિ) અને પહેલા દિવસે પાળવામાં આવે છે.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>સ્થળ: %1.</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>તિથિ</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>વ્રત</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>અગિયારસ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>પૂનમ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>અમાસ</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>માસ: %1, %2; વિક્રમ સંવત %3, શક %4.</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: તહેવારો, %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>તહેવાર</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>જયંતી</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>શાસ્ત્રીય ગ્રહસ્થિતિ-કોષ્ટક</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>આધુનિક ગ્રહસ્થિતિ-કોષ્ટક</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>લાહિરી</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>રામન</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>કૃષ્ણમૂર્તિ (કેપી)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>સત્ય ચિત્રાપક્ષ</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1 અને %2 અયનાંશ વડે ગણતરી.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>માસિક પંચાંગ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>તિથિ શોધો (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>વ્રતના દિવસો (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar ફાઇલ નિકાસ કરો (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF નિકાસ કરો (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>વર્ષના તહેવારો (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>ઉ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>દ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>પૂ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>પ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>રેખાંશના અંશ</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>રેખાંશની મિનિટ</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>અક્ષાંશના અંશ</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>અક્ષાંશની મિનિટ</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>સમય ઝોનના કલાક</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>સમય ઝોનની મિનિટ</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>પંચાંગની ગણતરી ફોર્મમાં ભરેલા સ્થળ અને સમય ઝોન પ્રમાણે થાય છે. કૃપા કરીને પહેલાં ફોર્મમાં %1 ભરો.</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>ફોર્મમાં %1 0 થી %2 સુધીની પૂર્ણ સંખ્યા હોવી જોઈએ.</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>ફોર્મનું સ્થળ 90 અંશ અક્ષાંશ અથવા 180 અંશ રેખાંશની મર્યાદાની બહાર છે.</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>વાર</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>નક્ષત્ર</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>સૂર્યોદય</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>યોગ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>સૂર્યાસ્ત</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>કરણ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>ચંદ્રોદય</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>માસ</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>ચંદ્રાસ્ત</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>સંવત</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (સૂર્યોદય પહેલાં: દિવસ પાછલા સૂર્યોદયે શરૂ થયો)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, ચરણ %2, %3 સુધી</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 સુધી</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>વિક્રમ સંવત %1 · શક સંવત %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>દિવસનું પંચાંગ</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>કરણ અને તેની સમાપ્તિ</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>રાહુકાળ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>યમઘંટ</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>ગુલિક કાળ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>અભિજિત</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>અભિજિત મુહૂર્ત</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>સૂર્ય</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>સૂર્યની રાશિ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ચંદ્ર</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>ચંદ્રની રાશિ અને કળા</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>તહેવારો</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>નથી</translation>
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
        <translation>શુભ</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>સામાન્ય</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>અશુભ</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>નિર્ધારિત નથી: આ દિવસે સૂર્ય ઊગતો અને આથમતો નથી</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 સુધી</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (બુધવારે વર્જ્ય)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>સૂર્યોદયે</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>પૂર્વાહ્ણમાં</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>મધ્યાહ્ને (દિનમાનનો ત્રીજો પંચમાંશ)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>અપરાહ્ણમાં (દિનમાનનો ચોથો પંચમાંશ)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>પ્રદોષકાળે (રાત્રિનો પહેલો પંચમાંશ)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>નિશીથકાળે (મધ્યરાત્રિએ)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>ચંદ્રોદયે</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>અરુણોદયે (સૂર્યોદય પહેલાં)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>તમિળ નિયમ: સંક્રમણ સૂર્યાસ્ત પહેલાં થાય તો તે જ દિવસે, નહીં તો બીજા દિવસે</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>મલયાલમ નિયમ: સંક્રમણ દિનમાનના પહેલા ત્રણ પંચમાંશમાં થાય તો તે જ દિવસે, નહીં તો બીજા દિવસે</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>બંગાળી નિયમ: સંક્રમણના બીજા દિવસે, અને તે મધ્યરાત્રિ પછી થાય તો તેના પછીના દિવસે</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>સંક્રમણનો દિવસ (સૂર્યોદયથી સૂર્યોદય સુધી)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>અમાંત</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>પૂર્ણિમાંત</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>અધિક માસની %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, સંપૂર્ણ</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; નહીં તો %1 નક્ષત્ર</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, ભદ્રા રહિત</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>સૂર્યનો %1 રાશિમાં પ્રવેશ; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2ના સૌર માસમાં સૂર્યોદયે %1 નક્ષત્ર</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1ના આગલા દિવસે</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1ના બીજા દિવસે</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2ના %1 દિવસ પહેલાં</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2ના %1 દિવસ પછી</translation>
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
        <translation>ફાઇલનું નામ આપ્યું નથી.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 ફોલ્ડર અસ્તિત્વમાં નથી.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 એક ફોલ્ડર છે.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 એવી ફાઇલ નથી જેમાં લખી શકાય (સૉકેટ કે બ્લૉક ડિવાઇસ).</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 એક પાઇપ છે જેને કોઈ પ્રોગ્રામ વાંચતો નથી.</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1 તપાસી શકાઈ નહીં: %2.</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>તે %1માં બનાવી શકાઈ નહીં: %2.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>તે લખી શકાઈ નહીં: %1.</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>તે %1નું સ્થાન લઈ શકી નહીં: %2.</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ફક્ત અંકો સ્વીકાર્ય છે</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>કૃપા કરીને નામ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>કૃપા કરીને સમય ઝોનના કલાક અને મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>કૃપા કરીને રેખાંશના અંશ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>કૃપા કરીને રેખાંશની મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશના અંશ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશની મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>કૃપા કરીને સાચો દિવસ અથવા મહિનો ભરો!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>કૃપા કરીને સાચો દિવસ અથવા મહિનો ભરો!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>કૃપા કરીને રેખાંશના માન્ય અંશ ભરો</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>કૃપા કરીને રેખાંશની માન્ય મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશના માન્ય અંશ ભરો</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશની માન્ય મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>કૃપા કરીને સમય ઝોનના માન્ય કલાક ભરો</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>કૃપા કરીને સમય ઝોનની માન્ય મિનિટ ભરો</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>કૃપા કરીને શહેર ભરો</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>કૃપા કરીને રાજ્ય ભરો</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>કૃપા કરીને દેશ ભરો</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%2ના રોજ %3માં %1નો સમય બે વાર આવે છે: ઘડિયાળો %4 પરથી પાછળ જઈને %5 પર આવી.

શું પહેલો %1 (%6) લેવો? “ના” પસંદ કરશો તો બીજો %1 (%7) લેવાશે.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%2ના રોજ %3માં %1નો સમય આવતો જ નથી: ઘડિયાળો %4થી આગળ વધીને %5 પર ગઈ.

ફેરફાર પછીની ઘડિયાળોના એ જ ક્ષણ, %6, માટે ગણતરી કરવી છે?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>નામ</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>તારીખનો મહિનો</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>તારીખનો દિવસ</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>તારીખનું વર્ષ</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>સમયના કલાક</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>સમયની મિનિટ</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>સમયની સેકન્ડ</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>તારીખ</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>સમય</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>કલાક:મિ:સે</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>અંશ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>રેખાંશના અંશ</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>રેખાંશની મિનિટ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>પૂર્વ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>પશ્ચિમ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>રેખાંશ</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>અક્ષાંશના અંશ</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>અક્ષાંશની મિનિટ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ઉત્તર</translation>
    </message>
    <message>
        <source>South</source>
        <translation>દક્ષિણ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>અક્ષાંશ</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>સમય ઝોનના કલાક</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>સમય ઝોનની મિનિટ</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ડેલાઇટ સેવિંગ સમય</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>સમય ઝોનની યાદી</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>ડેલાઇટ સેવિંગ</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>નામવાળો સમય ઝોન</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>કલાક</translation>
    </message>
    <message>
        <source>City</source>
        <translation>શહેર</translation>
    </message>
    <message>
        <source>State</source>
        <translation>રાજ્ય</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>દેશ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>અક્ષાંશ અને રેખાંશ શોધવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>અક્ષાંશ અને રેખાંશ શોધવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>કોઈ પણ મહત્ત્વનું કામ શરૂ કરતાં પહેલાં તિથિ જાણી લો.</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava વૈદિક જ્યોતિષના આધારે ચાંદ્ર દિવસ, એટલે કે તિથિની, ગણતરી કરે છે. તિથિઓ શુભ કે અશુભ માનવામાં આવે છે અને કાર્યોનો સમય નક્કી કરવામાં તેમનું મોટું મહત્ત્વ છે.</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>મારી તિથિ શોધો</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>મારી તિથિ શોધો (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>પૂર્ણિમાંત %1 માસ શરૂ</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · વિક્રમ સંવત %2 · શક સંવત %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>સુદ (શુક્લ પક્ષ)</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>વદ (કૃષ્ણ પક્ષ)</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>દરેક દિવસમાં તેના સૂર્યોદયની તિથિ, તે તિથિ પૂરી થવાનો સમય અને આવતા સૂર્યોદયની તિથિ આપેલી છે.</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava વડે બનાવેલું.</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>અમાંત %1 · પૂર્ણિમાંત %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava પંચાંગ, %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % પ્રકાશિત, વધતી કળા</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % પ્રકાશિત, ઘટતી કળા</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ચંદ્ર</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — આ તારીખે ઘડિયાળો %2નો સમય કૂદાવી જાય છે</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2નો સમય બે વાર આવે છે</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>સમય ઝોન %1 આ કમ્પ્યુટરના સમય ઝોનના ડેટાબેઝમાં નથી: તેના કલાક અને મિનિટ જાતે ભરો.</translation>
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
        <translation>આખો દિવસ ક્ષિતિજની ઉપર</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>આખો દિવસ ક્ષિતિજની નીચે</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>આ તારીખે નથી</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>અક્ષાંશ નથી</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>સ્થળો</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>શરૂઆત %1 · સમાપ્તિ %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>સૂર્યોદયે (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>આ તારીખે સૂર્યોદય નથી: સૂર્ય આખો દિવસ ક્ષિતિજની ઉપર રહે છે (ધ્રુવીય દિવસ)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>આ તારીખે સૂર્યોદય નથી: સૂર્ય આખો દિવસ ક્ષિતિજની નીચે રહે છે (ધ્રુવીય રાત્રિ)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>આ તારીખે સૂર્યોદય નથી: સૂર્ય આવતી મધ્યરાત્રિ પછી જ ઊગે છે</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>સૂર્યોદય નથી: અક્ષાંશ 90 અંશથી વધારે છે</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>કરણ: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>તિથિ ક્રમાંક</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>તિથિનું નામ</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>તિથિનો પક્ષ</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>તિથિના સ્વામી</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>તિથિની સંજ્ઞા</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>તિથિની વિશેષતા</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>તિથિનો સ્વભાવ</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>તિથિનો પ્રકાર</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava પરિણામ</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>પાછા (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>પાછા</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>તિથિનું વર્ણન</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>તિથિની શરૂઆત અને સમાપ્તિ</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>સૂર્યોદયની તિથિ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>કરણ</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>નામ, તારીખ અને સ્થળ</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>વિવરણની તિથિ આ ક્ષણથી થોડી જ સેકન્ડમાં બદલાય છે; આધુનિક ગ્રહસ્થિતિ-કોષ્ટક મુજબ તે %1 છે: શરૂઆત %2 · સમાપ્તિ %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>આધુનિક (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>શાસ્ત્રીય (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>લાહિરી (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>રામન (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>કૃષ્ણમૂર્તિ (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>સત્ય ચિત્રાપક્ષ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>ગ્રહસ્થિતિ-કોષ્ટક (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>અયનાંશ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>ચિત્તિરૈ</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>વૈકાસિ</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>આનિ</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>આડિ</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>આવણિ</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>પુરટ્ટાસિ</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ઐપ્પસિ</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>કાર્તિગૈ</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>માર્ગઝિ</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>તૈ</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>માસિ</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>પંગુનિ</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>મેડમ</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>ઇડવમ</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>મિથુનમ</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>કર્કિડકમ</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>ચિંગમ</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>કન્નિ</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>તુલામ</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>વૃશ્ચિકમ</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>ધનુ</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>મકરમ</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>કુંભમ</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>મીનમ</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>બૈશાખ</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>જૈષ્ઠ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>આષાઢ</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>શ્રાવણ</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>ભાદ્ર</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>આશ્વિન</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>કાર્તિક</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>અગ્રહાયણ</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>પૌષ</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>માઘ</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>ફાલ્ગુન</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>ચૈત્ર</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>વૈશાખ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>જ્યેષ્ઠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>આષાઢ</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>શ્રાવણ</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>ભાદ્રવ</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>આશ્વિન</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>કાર્તિક</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>માર્ગશિર</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>પૌષ</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>માઘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>ફાલ્ગુન</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>ચૈત્ર</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>તમિળ</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>મલયાલમ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>બંગાળી</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ઓડિયા</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>પ્રોગ્રામ પહેલેથી ચાલુ છે</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, ડેલાઇટ સેવિંગ સમય</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, ઋણ ડેલાઇટ સેવિંગ સમય</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava વૈદિક જ્યોતિષના આધારે ચાંદ્ર દિવસ, એટલે કે તિથિની, ગણતરી કરે છે. તિથિઓ શુભ કે અશુભ માનવામાં આવે છે અને કાર્યોનો સમય નક્કી કરવામાં તેમનું મોટું મહત્ત્વ છે.</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>અમારા હોમ પેજની મુલાકાત લેવા અહીં ક્લિક કરો: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>અમારા હોમ પેજની મુલાકાત લો</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>લાઇસન્સ: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>સ્થળોની માહિતીનું લાઇસન્સ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>સ્થળોનાં નામ અને નિર્દેશાંક: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava અને તેના બનાવનારાઓ વિશે વાંચવા અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava વિશે</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>મદદ વાંચો: ફોર્મ કેવી રીતે ભરવું અને પરિણામોનો અર્થ શો છે</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava મદદ</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT લાઇસન્સ હેઠળનું મુક્ત સૉફ્ટવેર છે; તેમાં સમાવેલી માહિતીની પોતાની શરતો છે, જે તેની સૂચનાઓમાં આપેલી છે.</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>વાર</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>સૂર્યોદય</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>સૂર્યાસ્ત</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>ચંદ્રોદય</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>ચંદ્રાસ્ત</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>તિથિ</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>પાળવાની તિથિ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>નક્ષત્ર</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>યોગ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>કરણ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>માસ</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>સંવત</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 સુધી</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (ક્ષય)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>પછી %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>તારીખ</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ પાછલો દિવસ (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>પાછલો દિવસ</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>આવતો દિવસ (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>આવતો દિવસ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>બંધ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1નું પંચાંગ - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, સૂર્યોદયથી સૂર્યોદય સુધી</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>કોઈ નવી તિથિ નહીં: સૂર્યોદયની તિથિ આગલા દિવસે જ પાળવામાં આવી (વૃદ્ધિ)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (સૂર્યોદયે ચરણ %2)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>વિક્રમ સંવત %1, શક સંવત %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>સૂર્ય અને ચંદ્ર</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>ચંદ્ર રાશિ</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>સૂર્ય રાશિ</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>ચંદ્રની કળા</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>પંચાંગ</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>તહેવારો</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>સૌર તારીખ</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>સંવત્સર</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>કલિ સંવત</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ઋતુ</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>અયન</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>શુભ સમય</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>અભિજિત મુહૂર્ત</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>બ્રહ્મ મુહૂર્ત</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>અમૃત કાળ</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>પ્રદોષ</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>નિશીથ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>ગોધૂલિ</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>અશુભ સમય</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>રાહુકાળ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>યમઘંટ</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>ગુલિક કાળ</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>દુર્મુહૂર્ત</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>વર્જ્ય</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>ભાગ</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>ફળ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>સમય</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>હોરા</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>સ્વામી</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>દિવસનું પંચાંગ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>નથી</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (દક્ષિણ ભારતની ગણતરી પ્રમાણે સાઠ સંવત્સરનું ચક્ર, ચૈત્રથી)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (ચાંદ્ર માસ પ્રમાણે)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (નિરયન સૂર્ય પ્રમાણે)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, પછી %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>સૂર્યોદયે, %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (અત્યારે)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>આ દિવસે નથી</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>દિવસ %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>રાત્રિ %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>નિકાસ - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar ફાઇલ, કૅલેન્ડર પ્રોગ્રામ માટે (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar ફાઇલ</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, દરેક પાના પર છાપી શકાય એવો એક મહિનો (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>શરૂઆતની તારીખ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>છેલ્લી તારીખ</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>દરેક દિવસના સૂર્યોદયની તિથિ, આખા દિવસની નોંધો તરીકે (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>દરેક દિવસના સૂર્યોદયની તિથિ</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>દરેક તિથિ શરૂઆતથી સમાપ્તિ સુધી, સમય સાથેની નોંધો તરીકે (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>દરેક તિથિ શરૂઆતથી સમાપ્તિ સુધી</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>વ્રતના દિવસો: અગિયારસ, પૂનમ અને અમાસ (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>વ્રતના દિવસો</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>માસની ગણના</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>અમાંત (અમાસથી અમાસ)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>પૂર્ણિમાંત (પૂનમથી પૂનમ)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>પહેલો મહિનો</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>છેલ્લો મહિનો</translation>
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
        <translation>લેટર (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>લેટર</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>સ્થળ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>સાચવો (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>શરૂઆતની તારીખ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>છેલ્લી તારીખ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>માસની ગણના (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>પહેલો મહિનો (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>છેલ્લો મહિનો (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>કાગળ:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 થી %2.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>સૂર્યોદયની તિથિઓ</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>તિથિઓ</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>વ્રતના દિવસો</translation>
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
        <translation>છેલ્લો મહિનો પહેલા મહિના પહેલાંનો ન હોઈ શકે.</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>કૃપા કરીને વધુમાં વધુ %1 મહિના પસંદ કરો.</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>છેલ્લી તારીખ શરૂઆતની તારીખ પહેલાંની ન હોઈ શકે.</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>કૃપા કરીને વધુમાં વધુ દસ વર્ષ પસંદ કરો.</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>મહિનાઓને PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>પંચાંગ સાચવો</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ફાઇલો (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ફાઇલો (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>મહિનો %1માં સાચવ્યો: 1 પાનું.</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>મહિનાઓ %1માં સાચવ્યા: %2 પાનાં.</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>પંચાંગ %1માં સાચવ્યું: 1 નોંધ.</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>પંચાંગ %2માં સાચવ્યું: %1 નોંધો.</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava %1 સાચવી શક્યું નહીં.
%2
કંઈ લખાયું નથી; કૃપા કરીને બીજું ફોલ્ડર અથવા નામ પસંદ કરો.</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>તહેવારો, દરેક પોતાના નિયમ પ્રમાણે પોતાના દિવસે (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>તહેવારો</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>વર્ષના તહેવારો - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>વર્ષ</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>તહેવારનું નામ</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>દિવાળી, અગિયારસ, દીપાવલી ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>મળેલા તહેવારો</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>તહેવારો</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>તારીખ</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>તહેવાર</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>નિયમ</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>સ્થળ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>માસિક પંચાંગમાં બતાવો (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>માસિક પંચાંગમાં બતાવો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>વર્ષ (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>તહેવારનું નામ (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1ના તહેવારો, દરેક પોતાના નિયમ પ્રમાણે પોતાના દિવસે</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1ના તહેવારો જેમના નામમાં &quot;%2&quot; છે</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: એક પણ તહેવાર મળ્યો નથી.</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>તિથિ શોધો - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>પક્ષ</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>તિથિ</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>ફક્ત આ ચાંદ્ર માસમાં (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>ફક્ત આ ચાંદ્ર માસમાં</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>ચાંદ્ર માસ</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>અમાંત, અમાસથી અમાસ (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>અમાંત</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>પૂર્ણિમાંત, પૂનમથી પૂનમ (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>પૂર્ણિમાંત</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>અધિક માસમાં પણ (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>અધિક માસમાં પણ</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>જે વર્ષે કોઈ માસ અધિક હોય, તે વર્ષે તે બે વાર આવે છે; તહેવારો અને વાર્ષિક તિથિઓ બીજા (નિજ) માસમાં પાળવામાં આવે છે.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>શરૂઆતની તારીખ</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>કેટલી વાર</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>આગળ શોધો (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>આગળ શોધો</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>પાછળ શોધો (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>પાછળ શોધો</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>વર્ષના વ્રતના દિવસો (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>વર્ષના વ્રતના દિવસો</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>શરૂઆતની તારીખના વર્ષની દરેક અગિયારસ, પૂનમ અને અમાસ</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>પરિણામ</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>પાળવાના દિવસો</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>પાળવાનો દિવસ</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>શરૂઆત</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>સમાપ્તિ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ટિપ્પણી</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>પાળવાનો દિવસ</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>સ્થળ: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>માસિક પંચાંગમાં બતાવો (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>માસિક પંચાંગમાં બતાવો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>પક્ષ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>તિથિ (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>શરૂઆતની તારીખ (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>કેટલી વાર (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3)ની %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>અમાંત</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>પૂર્ણિમાંત</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 થી આગળના પાળવાના દિવસો</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2 પહેલાંના પાળવાના દિવસો, સૌથી નજીકનો સૌથી ઉપર</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1ના વ્રતના દિવસો: દરેક અગિયારસ, પૂનમ અને અમાસ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: કોઈ દિવસ મળ્યો નથી.</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>તહેવાર</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>તહેવાર શોધો (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>તહેવાર શોધો</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>આપેલા નામના તહેવારના આવતા દિવસો, શરૂઆતની તારીખથી</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; નામનો કોઈ તહેવાર નથી.</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2થી તેના દિવસો</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>અમારી વેબસાઇટ જુઓ</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>પરિણામોનો સમય ઝોન</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>ગણતરી કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>પંચાંગ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ભાષા / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>મદદ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ઑનલાઇન મદદ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>અમારી વેબસાઇટ જુઓ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>સૉફ્ટવેરનું નવું સંસ્કરણ તપાસો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>સૉફ્ટવેર વિશે (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ફોર્મનો અક્ષાંશ 90 અંશની સીમાની બહાર છે, જ્યાં કોઈ સ્થાન નથી: તિથિના સમય, સૂર્યોદય અને દિવસનું પંચાંગ ગણવામાં આવ્યાં નથી.</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>ફોર્મનો રેખાંશ 180 અંશની સીમાની બહાર છે, જ્યાં કોઈ સ્થાન નથી: તિથિના સમય, સૂર્યોદય અને દિવસનું પંચાંગ ગણવામાં આવ્યાં નથી.</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (પહેલો %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (બીજો %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; શરૂઆત વખતે %2, સમાપ્તિ વખતે %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>હમણાંનો સમય ભરો (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ઘરના સ્થળ તરીકે સાચવો (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>ઘરનું સ્થળ કાઢી નાખો (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>આજની તારીખ, %1, Kestrava જેની ગણતરી કરે છે તે 1901 થી 2050 નાં વર્ષોની બહાર છે: તારીખ અને સમય જેમ હતાં તેમ જ રાખ્યાં છે.</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>ઘરના સ્થળ તરીકે સાચવતાં પહેલાં કૃપા કરીને રેખાંશ અને અક્ષાંશ અંશ અને મિનિટમાં, તથા સમય ઝોનના કલાક અને મિનિટ ભરો.</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>ઘરનું સ્થળ સાચવી શકાયું નહીં: સેટિંગ્સ ફાઇલમાં લખી શકાતું નથી.</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>આ સ્થળ તમારા ઘરના સ્થળ તરીકે સચવાઈ ગયું છે: Kestrava દર વખતે શરૂ થતી વખતે તે ભરી દેશે.</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>ઘરનું સ્થળ કાઢી નાખવું છે? પછી Kestrava સ્થળનાં ખાનાં ખાલી રાખીને શરૂ થશે; ફોર્મમાં અત્યારે ભરેલાં ખાનાં જેમ છે તેમ રહેશે.</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>ઘરનું સ્થળ કાઢી શકાયું નહીં: સેટિંગ્સ ફાઇલમાં લખી શકાતું નથી.</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>આંતરરાષ્ટ્રીય અંક (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>બંધ કરો (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>વિકલ્પો (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>માસિક પંચાંગ - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>પાછલું વર્ષ</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« પાછલું વર્ષ</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>એક વર્ષ પહેલાંનો આ જ મહિનો (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>પાછલો મહિનો</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ પાછલો મહિનો (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>પાછલો મહિનો (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>મહિનો</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>વર્ષ</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>આવતો મહિનો</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>આવતો મહિનો (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>આવતો મહિનો (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>આવતું વર્ષ</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>આવતું વર્ષ »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>એક વર્ષ પછીનો આ જ મહિનો (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>આજે</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>આજે (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>આજનો મહિનો, આજનો દિવસ પસંદ કરેલો (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>બતાવેલો મહિનો</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>ચાંદ્ર માસ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>મહિનાના દિવસો</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>સંકેત</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 સુદ &amp;nbsp; %2 વદ &amp;nbsp; %3 પૂનમ &amp;nbsp; %4 અમાસ &amp;nbsp; %5 અગિયારસ &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;ક્ષય, વૃદ્ધિ&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;માસ&lt;/b&gt; જ્યાંથી શરૂ થાય &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; આજે</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>સુદનાં ખાનાં આછા પીળા (હાથીદાંત રંગનાં) છે અને વદનાં વાદળી-રાખોડી; પૂનમે પૂર્ણ ચંદ્રનું, અમાસે નવા ચંદ્રનું અને અગિયારસે લીલા સમચોરસ (◆) નું નિશાન છે.</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>પાળવાનો દિવસ</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>દિવસનું પંચાંગ</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>દિવસનું પંચાંગ (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>પસંદ કરેલા દિવસનું આખું પંચાંગ (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>તિથિ શોધો</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>તિથિ શોધો (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar નિકાસ કરો</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar નિકાસ કરો (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF નિકાસ કરો</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF નિકાસ કરો (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>મહિનો (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>વર્ષ (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>સ્થળ: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1ના દિવસો</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>વૈષ્ણવ પાલન</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>વૈષ્ણવ પાલન (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>જે તહેવારો પરંપરાઓ જુદા દિવસે પાળે છે (જન્માષ્ટમી, અગિયારસો) તેમના વૈષ્ણવ દિવસો; બાકી સ્માર્ત દિવસો</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>પૂર્ણિમાંત માસ પણ</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>અમાંત માસ સાથે પૂર્ણિમાંત માસ પણ બતાવો, જે પૂનમ પછી શરૂ થાય છે</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>પૂર્ણિમાંત માસ પણ (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>બંધ કરો (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>બંધ કરો</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>આ સૉફ્ટવેરનું નવું સંસ્કરણ ઉપલબ્ધ હોઈ શકે છે</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>શું તમે નવું સંસ્કરણ તપાસવા માંગો છો?</translation>
    </message>
</context>
</TS>
