<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation>அதிக %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation>%2 அன்று %1</translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation>%1 நாள் முழுவதும் (விருத்தி)</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 வரை</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (க்ஷயம்)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, பிறகு %2</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>பௌர்ணமி</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>அமாவாசை</translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation>%1 அனுசரிக்கப்படுகிறது</translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation>விருத்தி: திதி அடுத்த சூரிய உதயத்திலும் நீடிக்கிறது; இன்று அனுசரிக்கப்படுகிறது</translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation>விருத்தி: திதியின் இரண்டாம் நாள்; திதி முந்தைய நாளே அனுசரிக்கப்பட்டது</translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation>%1 மாசம் தொடக்கம்</translation>
    </message>
    <message>
        <source>today</source>
        <translation>இன்று</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation>ஒரு திதி, எந்த நாளின் சூரிய உதயத்தில் நிலவுகிறதோ அந்த நாளில் அனுசரிக்கப்படுகிறது; க்ஷய திதி (எந்தச் சூரிய உதயத்திலும் நிலவாதது) அது நடக்கும் நாளிலும், விருத்தி திதி (இரண்டு சூரிய உதயங்களில் நிலவுவது) அதன் இரண்டு நாட்களில் முதல் நாளிலும் அனுசரிக்கப்படுகின்றன.</translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation>க்ஷயம்: எந்தச் சூரிய உதயத்திலும் இல்லை</translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation>விருத்தி: இரண்டு சூரிய உதயங்களில் உள்ளது</translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation>%1 க்ஷயம்</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 வரை</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>பிறகு %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>நாள் முழுவதும்</translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation>விருத்தி</translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation>விருத்தி, இரண்டாம் நாள்</translation>
    </message>
    <message>
        <source>%1 (adhika, purnimanta)</source>
        <translation>%1 (அதிக, பூர்ணிமாந்த)</translation>
    </message>
    <message>
        <source>%1 (adhika, amanta)</source>
        <translation>%1 (அதிக, அமாந்த)</translation>
    </message>
    <message>
        <source>%1 (purnimanta)</source>
        <translation>%1 (பூர்ணிமாந்த)</translation>
    </message>
    <message>
        <source>%1 (amanta)</source>
        <translation>%1 (அமாந்த)</translation>
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
        <translation>%1 முதல் %2 வரை</translation>
    </message>
    <message>
        <source>%1S</source>
        <translation>%1தெ</translation>
    </message>
    <message>
        <source>%1N</source>
        <translation>%1வ</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1மே</translation>
    </message>
    <message>
        <source>%1E</source>
        <translation>%1கி</translation>
    </message>
    <message>
        <source>Kestrava: tithis at sunrise, %1</source>
        <translation>Kestrava: சூரிய உதயத் திதிகள், %1</translation>
    </message>
    <message>
        <source>Kestrava: tithis, %1</source>
        <translation>Kestrava: திதிகள், %1</translation>
    </message>
    <message>
        <source>Kestrava: vrata days, %1</source>
        <translation>Kestrava: விரத நாட்கள், %1</translation>
    </message>
    <message>
        <source>Tithi at sunrise (%1): %2, %3.</source>
        <translation>சூரிய உதயத்தில் (%1) திதி: %2, %3.</translation>
    </message>
    <message>
        <source>Tithi at midnight (no sunrise): %1, %2.</source>
        <translation>நள்ளிரவில் திதி (சூரிய உதயம் இல்லை): %1, %2.</translation>
    </message>
    <message>
        <source>Vriddhi: it holds the next sunrise too.</source>
        <translation>விருத்தி: இது அடுத்த சூரிய உதயத்திலும் நீடிக்கிறது.</translation>
    </message>
    <message>
        <source>Vriddhi: it held the previous sunrise too; this is its second day.</source>
        <translation>விருத்தி: இது முந்தைய சூரிய உதயத்திலும் இருந்தது; இது அதன் இரண்டாம் நாள்.</translation>
    </message>
    <message>
        <source>Then %1, %2 (kshaya: it holds no sunrise).</source>
        <translation>பிறகு %1, %2 (க்ஷயம்: இது எந்தச் சூரிய உதயத்திலும் இல்லை).</translation>
    </message>
    <message>
        <source>Then %1, %2.</source>
        <translation>பிறகு %1, %2.</translation>
    </message>
    <message>
        <source>At %1, times %2.</source>
        <translation>இடம் %1, நேரம் %2.</translation>
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
        <translation>திதி %1 நிலவுகிறது, %2.</translation>
    </message>
    <message>
        <source>It holds no sunrise (kshaya) and is observed on the day in which it runs.</source>
        <translation>இது எந்தச் சூரிய உதயத்திலும் இல்லை (க்ஷயம்); இது நடக்கும் நாளிலேயே அனுசரிக்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>It holds two sunrises (vriddhi) and is observed on the first.</source>
        <translation>இது இரண்டு சூரிய உதயங்களில் உள்ளது (விருத்தி); முதல் நாளில் அனுசரிக்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>இடம்: %1.</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Vrata</source>
        <translation>விரதம்</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>பௌர்ணமி</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>அமாவாசை</translation>
    </message>
    <message>
        <source>Month: %1, %2; Vikram %3, Shaka %4.</source>
        <translation>மாசம்: %1, %2; விக்கிரம சம்வத் %3, சக ஆண்டு %4.</translation>
    </message>
    <message>
        <source>Kestrava: festivals, %1</source>
        <translation>Kestrava: பண்டிகைகள், %1</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>பண்டிகை</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>சங்கராந்தி</translation>
    </message>
    <message>
        <source>Jayanti</source>
        <translation>ஜயந்தி</translation>
    </message>
    <message>
        <source>the classical ephemeris</source>
        <translation>மரபார்ந்த வான அட்டவணை</translation>
    </message>
    <message>
        <source>the modern ephemeris</source>
        <translation>நவீன வான அட்டவணை</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>கிருஷ்ணமூர்த்தி (கே.பி.)</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>உண்மைச் சித்திரைப் பக்ஷ</translation>
    </message>
    <message>
        <source>Computed with %1 and the %2 ayanamsa.</source>
        <translation>%1, %2 அயனாம்சம் ஆகியவற்றைக் கொண்டு கணிக்கப்பட்டது.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation>மாதப் பஞ்சாங்கம் (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>திதியைத் தேடு (&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation>விரத நாட்கள் (&amp;V)...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation>iCalendar கோப்பாக ஏற்றுமதி செய் (&amp;C)...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய் (&amp;P)...</translation>
    </message>
    <message>
        <source>F&amp;estivals of the Year...</source>
        <translation>ஆண்டின் பண்டிகைகள் (&amp;E)...</translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>வ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>தெ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>கி</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>மே</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகை</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் கலை</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகை</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>அட்சரேகையின் கலை</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>நேர மண்டலத்தின் மணி</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>நேர மண்டலத்தின் நிமிடம்</translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation>பஞ்சாங்கம் படிவத்தில் உள்ள இடத்துக்கும் நேர மண்டலத்துக்கும் ஏற்பக் கணிக்கப்படுகிறது. முதலில் படிவத்தில் %1 உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation>படிவத்தில் உள்ள %1, 0 முதல் %2 வரையிலான முழு எண்ணாக இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation>படிவத்தில் உள்ள இடம் 90 பாகை அட்சரேகை அல்லது 180 பாகை தீர்க்கரேகை எல்லைக்கு அப்பால் உள்ளது.</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Vara</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>சந்திர உதயம்</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாசம்</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>சந்திர அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation>%1 (சூரிய உதயத்துக்கு முன்: நாள் முந்தைய சூரிய உதயத்தில் தொடங்கியது)</translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation>%1, %2-ஆம் பாதம், %3 வரை</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, %2 வரை</translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation>விக்கிரம சம்வத் %1 · சக ஆண்டு %2</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>அன்றைய பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Karana and Its End</source>
        <translation>கரணமும் அதன் முடிவும்</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>ராகு காலம்</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>எமகண்டம்</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>குளிகை</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>அபிஜித்</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>அபிஜித் முகூர்த்தம்</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Sun&apos;s Rashi</source>
        <translation>சூரியன் நிற்கும் ராசி</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Moon&apos;s Rashi and Phase</source>
        <translation>சந்திரன் நிற்கும் ராசியும் கலையும்</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>பண்டிகைகள்</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>இல்லை</translation>
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
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>சமம்</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>அசுபம்</translation>
    </message>
    <message>
        <source>not defined: the Sun does not rise and set this date</source>
        <translation>வரையறுக்கப்படவில்லை: இந்தத் தேதியில் சூரியன் உதிப்பதும் மறைவதும் இல்லை</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 வரை</translation>
    </message>
    <message>
        <source>%1 (not observed on Wednesdays)</source>
        <translation>%1 (புதன்கிழமைகளில் கொள்ளப்படாது)</translation>
    </message>
</context>
<context>
    <name>Festivals</name>
    <message>
        <source>at sunrise</source>
        <translation>சூரிய உதயத்தில்</translation>
    </message>
    <message>
        <source>in the forenoon (purvahna)</source>
        <translation>முற்பகலில் (பூர்வாஹ்ணம்)</translation>
    </message>
    <message>
        <source>at midday (madhyahna, the third fifth of the daytime)</source>
        <translation>மத்தியானத்தில் (பகலின் மூன்றாம் ஐந்தில் ஒரு பங்கு)</translation>
    </message>
    <message>
        <source>in the afternoon (aparahna, the fourth fifth of the daytime)</source>
        <translation>அபராஹ்ணத்தில் (பகலின் நான்காம் ஐந்தில் ஒரு பங்கு)</translation>
    </message>
    <message>
        <source>at dusk (pradosha, the first fifth of the night)</source>
        <translation>பிரதோஷத்தில் (இரவின் முதல் ஐந்தில் ஒரு பங்கு)</translation>
    </message>
    <message>
        <source>at midnight (nishita)</source>
        <translation>நிசீதத்தில் (நள்ளிரவு)</translation>
    </message>
    <message>
        <source>at moonrise</source>
        <translation>சந்திர உதயத்தில்</translation>
    </message>
    <message>
        <source>before sunrise (arunodaya)</source>
        <translation>அருணோதயத்தில் (சூரிய உதயத்துக்கு முன்)</translation>
    </message>
    <message>
        <source>the Tamil rule: the day of the entry if before sunset, else the next</source>
        <translation>தமிழ் முறை: சூரியன் ராசியில் பிரவேசிப்பது சூரிய அஸ்தமனத்துக்கு முன் என்றால் அதே நாள், இல்லையேல் அடுத்த நாள்</translation>
    </message>
    <message>
        <source>the Malayalam rule: the day of the entry if within the first three-fifths of the daytime, else the next</source>
        <translation>மலையாள முறை: பிரவேசம் பகலின் முதல் ஐந்தில் மூன்று பங்குக்குள் என்றால் அதே நாள், இல்லையேல் அடுத்த நாள்</translation>
    </message>
    <message>
        <source>the Bengali rule: the day after the entry, or the day after that if it falls after midnight</source>
        <translation>வங்காள முறை: பிரவேசத்துக்கு அடுத்த நாள்; பிரவேசம் நள்ளிரவுக்குப் பின் என்றால் அதற்கும் அடுத்த நாள்</translation>
    </message>
    <message>
        <source>the day (sunrise to sunrise) of the entry</source>
        <translation>பிரவேசம் நிகழும் நாள் (சூரிய உதயம் முதல் சூரிய உதயம் வரை)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A solar date in a regional calendar: &quot;Tamil: Thai 1&quot;</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>அமாந்த</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>பூர்ணிமாந்த</translation>
    </message>
    <message>
        <source>%1 of the adhika month (%2) %3</source>
        <extracomment>A festival&apos;s tithi: &quot;Kartika Amavasya (purnimanta) at dusk (pradosha, ...)&quot;</extracomment>
        <translation>அதிக மாசத்தின் %1 (%2) %3</translation>
    </message>
    <message>
        <source>%1 %2 (%3) %4</source>
        <translation>%1 %2 (%3) %4</translation>
    </message>
    <message>
        <source>, the whole of it</source>
        <translation>, முழுவதும்</translation>
    </message>
    <message>
        <source>; else %1 nakshatra</source>
        <extracomment>A tithi&apos;s companion nakshatra, deciding between two days or none: &quot;; else Shravana&quot;</extracomment>
        <translation>; இல்லையேல் %1 நட்சத்திரம்</translation>
    </message>
    <message>
        <source>, free of bhadra</source>
        <extracomment>Bhadra: the Vishti karana, kept out of the deciding period</extracomment>
        <translation>, பத்திரை இல்லாமல்</translation>
    </message>
    <message>
        <source>the Sun enters %1; %2</source>
        <translation>சூரியன் %1 ராசியில் பிரவேசம்; %2</translation>
    </message>
    <message>
        <source>%1 nakshatra at sunrise in the solar month of %2</source>
        <translation>%2 சௌர மாதத்தில் சூரிய உதயத்தில் %1 நட்சத்திரம்</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1-க்கு முந்தைய நாள்</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1-க்கு அடுத்த நாள்</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2-க்கு %1 நாட்கள் முன்</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2-க்கு %1 நாட்கள் பின்</translation>
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
        <translation>கோப்பின் பெயர் தரப்படவில்லை.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 என்ற கோப்புறை இல்லை.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ஒரு கோப்புறை.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written (a socket or a block device).</source>
        <translation>%1 எழுதக்கூடிய கோப்பு அல்ல (ஒரு சாக்கெட் அல்லது பிளாக் சாதனம்).</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program is reading.</source>
        <translation>%1 எந்த நிரலும் படிக்காத ஒரு பைப்.</translation>
    </message>
    <message>
        <source>%1 could not be looked at: %2.</source>
        <translation>%1-ஐப் பார்க்க முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>It could not be created in %1: %2.</source>
        <translation>இதை %1-இல் உருவாக்க முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>இதை எழுத முடியவில்லை: %1.</translation>
    </message>
    <message>
        <source>It could not take the place of %1: %2.</source>
        <translation>இது %1-இன் இடத்தை எடுக்க முடியவில்லை: %2.</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>நேர மண்டலத்தின் மணியையும் நிமிடத்தையும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>அட்சரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>சரியான நாளையோ மாதத்தையோ உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>சரியான நாளையோ மாதத்தையோ உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் சரியான பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் சரியான கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation>அட்சரேகையின் சரியான பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation>அட்சரேகையின் சரியான கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation>நேர மண்டலத்தின் சரியான மணியை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation>நேர மண்டலத்தின் சரியான நிமிடத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation>%3-இல் %2 அன்று %1 என்ற நேரம் இரண்டு முறை வருகிறது: கடிகாரங்கள் %4-இலிருந்து %5-க்குப் பின்னோக்கித் திருப்பப்பட்டன.

முதல் %1 (%6) எடுக்கவா? “இல்லை” என்றால் இரண்டாவது %1 (%7) எடுக்கப்படும்.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.

Calculate for %6, the same moment on the clocks after the change?</source>
        <translation>%3-இல் %2 அன்று %1 என்ற நேரமே இல்லை: கடிகாரங்கள் %4-இலிருந்து %5-க்கு முன்னே நகர்ந்தன.

மாற்றத்துக்குப் பிந்தைய கடிகாரத்தில் அதே கணமான %6-க்குக் கணிக்கவா?</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation>தேதியின் மாதம்</translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation>தேதியின் நாள்</translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation>தேதியின் ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation>நேரத்தின் மணி</translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation>நேரத்தின் நிமிடம்</translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation>நேரத்தின் விநாடி</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>மணி:நிமி:விநா</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>கலை</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகை</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் கலை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகை</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>அட்சரேகையின் கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>நேர மண்டலத்தின் மணி</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>நேர மண்டலத்தின் நிமிடம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>நேர மண்டலப் பட்டியல்</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>பகலொளி சேமிப்பு</translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation>பெயருள்ள நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>அட்சரேகையையும் தீர்க்கரேகையையும் கண்டறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகையையும் தீர்க்கரேகையையும் கண்டறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation>எந்த முக்கியமான காரியத்தையும் தொடங்கும் முன் திதியை அறிந்துகொள்ளுங்கள்.</translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation>Kestrava வேத ஜோதிடத்தின் அடிப்படையில் சந்திர நாளை, அதாவது திதியைக் கணிக்கிறது. திதிகள் நல்லவை அல்லது தீயவை எனக் கருதப்படுகின்றன; காரியங்களுக்கு நேரம் குறிப்பதில் அவை முக்கியமானவை.</translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation>என் திதியைக் கண்டறி</translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation>என் திதியைக் கண்டறி (&amp;F)</translation>
    </message>
</context>
<context>
    <name>MonthModel</name>
    <message>
        <source>the purnimanta month %1 begins</source>
        <translation>பூர்ணிமாந்த %1 மாசம் தொடக்கம்</translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation>%1 · விக்கிரம சம்வத் %2 · சக ஆண்டு %3</translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation>சுக்ல பட்சம் (வளர்பிறை)</translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation>கிருஷ்ண பட்சம் (தேய்பிறை)</translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation>ஒவ்வொரு நாளிலும் அதன் சூரிய உதயத் திதி, அந்தத் திதி முடியும் நேரம், அடுத்த சூரிய உதயத் திதி ஆகியவை காட்டப்படுகின்றன.</translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation>Kestrava கொண்டு உருவாக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>amanta %1 · purnimanta %2</source>
        <extracomment>The months of both reckonings: &quot;amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha&quot;</extracomment>
        <translation>அமாந்த %1 · பூர்ணிமாந்த %2</translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation>Kestrava பஞ்சாங்கம், %1</translation>
    </message>
</context>
<context>
    <name>MoonPhaseWidget</name>
    <message>
        <source>%1 % lit, waxing</source>
        <translation>%1 % ஒளிர்வு, வளர்பிறை</translation>
    </message>
    <message>
        <source>%1 % lit, waning</source>
        <translation>%1 % ஒளிர்வு, தேய்பிறை</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation>%1 — இந்தத் தேதியில் கடிகாரங்கள் %2 நேரத்தைத் தாண்டிச் செல்கின்றன</translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation>%1; %2 என்ற நேரம் இரண்டு முறை வருகிறது</translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation>நேர மண்டலம் %1 இந்தக் கணினியின் நேர மண்டலத் தரவுத்தளத்தில் இல்லை: அதன் மணியையும் நிமிடத்தையும் நீங்களே உள்ளிடவும்.</translation>
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
        <translation>நாள் முழுவதும் அடிவானத்துக்கு மேலே</translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation>நாள் முழுவதும் அடிவானத்துக்குக் கீழே</translation>
    </message>
    <message>
        <source>none this date</source>
        <translation>இந்தத் தேதியில் இல்லை</translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation>அட்சரேகை இல்லை</translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation>இடங்கள்</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 January 2024 18:23 · Ends 12 January 2024 19:57&quot;</extracomment>
        <translation>தொடக்கம் %1 · முடிவு %2</translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation>சூரிய உதயத்தில் (%1): %2</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation>இந்தத் தேதியில் சூரிய உதயம் இல்லை: சூரியன் நாள் முழுவதும் அடிவானத்துக்கு மேலே இருக்கிறது (துருவப் பகல்)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation>இந்தத் தேதியில் சூரிய உதயம் இல்லை: சூரியன் நாள் முழுவதும் அடிவானத்துக்குக் கீழே இருக்கிறது (துருவ இரவு)</translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation>இந்தத் தேதியில் சூரிய உதயம் இல்லை: சூரியன் அடுத்த நள்ளிரவுக்குப் பிறகே உதிக்கிறது</translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation>சூரிய உதயம் இல்லை: அட்சரேகை 90 பாகைக்கு அப்பால் உள்ளது</translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation>கரணம்: %1</translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation>திதி எண்</translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation>திதியின் பெயர்</translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation>திதியின் பட்சம்</translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation>திதியின் அதிபதி</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>திதியின் வகை</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>திதியின் சிறப்பு</translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation>திதியின் தன்மை</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>திதியின் சுபாசுபம்</translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation>Kestrava முடிவுகள்</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation>திதியின் விளக்கம்</translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation>திதியின் தொடக்கமும் முடிவும்</translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation>சூரிய உதயத்தில் திதி</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Name, Date and Place</source>
        <translation>பெயர், தேதி, இடம்</translation>
    </message>
    <message>
        <source>The report&apos;s tithi changes within seconds of this moment; by the modern ephemeris it is %1: Began %2 · Ends %3</source>
        <extracomment>The report&apos;s tithi and the modern ephemeris&apos; differ at the entered moment (a boundary within seconds of it): the modern tithi then, its begin and its end</extracomment>
        <translation>அறிக்கையின் திதி இந்தக் கணத்திலிருந்து சில விநாடிகளுக்குள் மாறுகிறது; நவீன வான அட்டவணைப்படி அது %1: தொடக்கம் %2 · முடிவு %3</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>&amp;Modern</source>
        <translation>நவீன (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Classical</source>
        <translation>மரபார்ந்த (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>லாஹிரி (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>ராமன் (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti (KP)</source>
        <translation>கிருஷ்ணமூர்த்தி (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;True Chitrapaksha</source>
        <translation>உண்மைச் சித்திரைப் பக்ஷ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>வான அட்டவணை (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>அயனாம்சம் (&amp;A)</translation>
    </message>
</context>
<context>
    <name>SolarMonths</name>
    <message>
        <source>Chithirai</source>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Vaikasi</source>
        <translation>வைகாசி</translation>
    </message>
    <message>
        <source>Aani</source>
        <translation>ஆனி</translation>
    </message>
    <message>
        <source>Aadi</source>
        <translation>ஆடி</translation>
    </message>
    <message>
        <source>Aavani</source>
        <translation>ஆவணி</translation>
    </message>
    <message>
        <source>Purattasi</source>
        <translation>புரட்டாசி</translation>
    </message>
    <message>
        <source>Aippasi</source>
        <translation>ஐப்பசி</translation>
    </message>
    <message>
        <source>Karthigai</source>
        <translation>கார்த்திகை</translation>
    </message>
    <message>
        <source>Margazhi</source>
        <translation>மார்கழி</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>தை</translation>
    </message>
    <message>
        <source>Maasi</source>
        <translation>மாசி</translation>
    </message>
    <message>
        <source>Panguni</source>
        <translation>பங்குனி</translation>
    </message>
    <message>
        <source>Medam</source>
        <translation>மேடம்</translation>
    </message>
    <message>
        <source>Edavam</source>
        <translation>இடவம்</translation>
    </message>
    <message>
        <source>Mithunam</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Karkidakam</source>
        <translation>கர்க்கடகம்</translation>
    </message>
    <message>
        <source>Chingam</source>
        <translation>சிங்கம்</translation>
    </message>
    <message>
        <source>Kanni</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Thulam</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Vrischikam</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <translation>தனு</translation>
    </message>
    <message>
        <source>Makaram</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Kumbham</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Meenam</source>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Boishakh</source>
        <translation>பைசாக்</translation>
    </message>
    <message>
        <source>Joishtho</source>
        <translation>ஜொய்ஷ்டோ</translation>
    </message>
    <message>
        <source>Asharh</source>
        <translation>ஆஷாட்</translation>
    </message>
    <message>
        <source>Srabon</source>
        <translation>ஸ்ராபோன்</translation>
    </message>
    <message>
        <source>Bhadro</source>
        <translation>பாத்ரோ</translation>
    </message>
    <message>
        <source>Ashwin</source>
        <translation>ஆஷ்வின்</translation>
    </message>
    <message>
        <source>Kartik</source>
        <translation>கார்த்திக்</translation>
    </message>
    <message>
        <source>Ogrohayon</source>
        <translation>அக்ரஹாயண்</translation>
    </message>
    <message>
        <source>Poush</source>
        <translation>பௌஷ்</translation>
    </message>
    <message>
        <source>Magh</source>
        <translation>மாக்</translation>
    </message>
    <message>
        <source>Falgun</source>
        <translation>பால்குன்</translation>
    </message>
    <message>
        <source>Choitro</source>
        <translation>சைத்ரோ</translation>
    </message>
    <message>
        <source>Baisakha</source>
        <translation>பைசாக</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ஜ்யேஷ்ட</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <translation>ஆஷாட</translation>
    </message>
    <message>
        <source>Shrabana</source>
        <translation>ஸ்ராபண</translation>
    </message>
    <message>
        <source>Bhadraba</source>
        <translation>பாத்ரப</translation>
    </message>
    <message>
        <source>Ashwina</source>
        <translation>ஆஸ்வின</translation>
    </message>
    <message>
        <source>Kartika</source>
        <translation>கார்த்திக</translation>
    </message>
    <message>
        <source>Margashira</source>
        <translation>மார்கசிர</translation>
    </message>
    <message>
        <source>Pausha</source>
        <translation>பௌஷ</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>மாக</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <translation>பால்குன</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <translation>சைத்ர</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>தமிழ்</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>மலையாளம்</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>வங்காளம்</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>ஒடியா</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>நிரல் ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation>%1, எதிர்மறைப் பகலொளி சேமிப்பு நேரம்</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation>Kestrava வேத ஜோதிடத்தின் அடிப்படையில் சந்திர நாளை, அதாவது திதியைக் கணிக்கிறது. திதிகள் நல்லவை அல்லது தீயவை எனக் கருதப்படுகின்றன; காரியங்களுக்கு நேரம் குறிப்பதில் அவை முக்கியமானவை.</translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation>எங்கள் முகப்புப் பக்கத்துக்குச் செல்ல இங்கே சொடுக்கவும்: %1</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>எங்கள் முகப்புப் பக்கத்தைப் பார்க்கவும்</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>உரிமம்: %1</translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation>இடத் தரவின் உரிமம்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>இடப் பெயர்களும் ஆயத்தொலைவுகளும்: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>Click here to read about Kestrava and its makers</source>
        <translation>Kestrava பற்றியும் அதை உருவாக்கியவர்கள் பற்றியும் படிக்க இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>About Kestrava</source>
        <translation>Kestrava பற்றி</translation>
    </message>
    <message>
        <source>Read the help: how to fill in the form and what the results mean</source>
        <translation>உதவியைப் படிக்கவும்: படிவத்தை எப்படி நிரப்புவது, முடிவுகளின் பொருள் என்ன</translation>
    </message>
    <message>
        <source>Kestrava Help</source>
        <translation>Kestrava உதவி</translation>
    </message>
    <message>
        <source>Kestrava is free software under the MIT licence; the data it carries keep their own terms, listed in its notices.</source>
        <translation>Kestrava MIT உரிமத்தின் கீழ் உள்ள கட்டற்ற மென்பொருள்; இதில் உள்ள தரவுகளுக்கு அவற்றின் சொந்த நிபந்தனைகள் உண்டு, அவை இதன் அறிவிப்புகளில் பட்டியலிடப்பட்டுள்ளன.</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>சந்திர உதயம்</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>சந்திர அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>அனுசரிக்கப்படும் திதி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாசம்</translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 வரை</translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation>%1 (க்ஷயம்)</translation>
    </message>
    <message>
        <source>then %1</source>
        <translation>பிறகு %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation>‹ முந்தைய நாள் (&amp;P)</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>முந்தைய நாள்</translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation>அடுத்த நாள் (&amp;N) ›</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>அடுத்த நாள்</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation>%1 பஞ்சாங்கம் - %2</translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation>%1, சூரிய உதயம் முதல் சூரிய உதயம் வரை</translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation>புதிய திதி இல்லை: சூரிய உதயத் திதி முந்தைய நாளே அனுசரிக்கப்பட்டது (விருத்தி)</translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation>%1 (சூரிய உதயத்தில் %2-ஆம் பாதம்)</translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation>விக்கிரம சம்வத் %1, சக ஆண்டு %2</translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation>சூரியனும் சந்திரனும்</translation>
    </message>
    <message>
        <source>Moon Rashi</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Sun Rashi</source>
        <translation>சூரிய ராசி</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>சந்திரக் கலை</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>பண்டிகைகள்</translation>
    </message>
    <message>
        <source>Solar Dates</source>
        <translation>சௌர தேதிகள்</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>சம்வத்சரம்</translation>
    </message>
    <message>
        <source>Kali Year</source>
        <translation>கலி ஆண்டு</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ருது</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>அயனம்</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>நல்ல நேரம்</translation>
    </message>
    <message>
        <source>Abhijit Muhurta</source>
        <translation>அபிஜித் முகூர்த்தம்</translation>
    </message>
    <message>
        <source>Brahma Muhurta</source>
        <translation>பிரம்ம முகூர்த்தம்</translation>
    </message>
    <message>
        <source>Amrit Kalam</source>
        <translation>அமிர்த காலம்</translation>
    </message>
    <message>
        <source>Pradosha</source>
        <translation>பிரதோஷம்</translation>
    </message>
    <message>
        <source>Nishita</source>
        <translation>நிசீதம்</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>கோதூளி</translation>
    </message>
    <message>
        <source>Inauspicious</source>
        <translation>தவிர்க்க வேண்டிய நேரம்</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>ராகு காலம்</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>எமகண்டம்</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>குளிகை</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>துர்முகூர்த்தம்</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>தியாஜ்யம்</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>சௌகடியா</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>பகுதி</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>பலன்</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Panchanga of the Day</source>
        <translation>அன்றைய பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>none</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>%1 (the sixty-year cycle as South India counts it, from Chaitra)</source>
        <translation>%1 (தென்னிந்தியக் கணக்கின் அறுபது ஆண்டுச் சுழற்சி, சைத்ர மாசம் முதல்)</translation>
    </message>
    <message>
        <source>%1 (by the lunar month)</source>
        <translation>%1 (சாந்திரமான மாசப்படி)</translation>
    </message>
    <message>
        <source>%1 (by the sidereal Sun)</source>
        <translation>%1 (நிராயன சூரியன்படி)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, பிறகு %2</translation>
    </message>
    <message>
        <source>at sunrise, %1</source>
        <translation>சூரிய உதயத்தில், %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <translation>%1 (இப்போது)</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>இந்த நாளில் இல்லை</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>பகல் %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>இரவு %1</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation>ஏற்றுமதி - %1</translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation>iCalendar கோப்பு, நாட்காட்டி நிரல்களுக்கு (.ics) (&amp;I)</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar கோப்பு</translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation>PDF, ஒவ்வொரு பக்கத்திலும் அச்சிடக்கூடிய ஒரு மாதம் (&amp;P)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>From</source>
        <translation>தொடக்கத் தேதி</translation>
    </message>
    <message>
        <source>To</source>
        <translation>இறுதித் தேதி</translation>
    </message>
    <message>
        <source>Each &amp;day&apos;s tithi at sunrise (all-day events)</source>
        <translation>ஒவ்வொரு நாளின் சூரிய உதயத் திதி, நாள் முழுவதுமான நிகழ்வுகளாக (&amp;D)</translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation>ஒவ்வொரு நாளின் சூரிய உதயத் திதி</translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation>ஒவ்வொரு திதியும் தொடக்கம் முதல் முடிவு வரை, நேரமிட்ட நிகழ்வுகளாக (&amp;B)</translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation>ஒவ்வொரு திதியும் தொடக்கம் முதல் முடிவு வரை</translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation>விரத நாட்கள்: ஏகாதசி, பௌர்ணமி, அமாவாசை (&amp;V)</translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation>விரத நாட்கள்</translation>
    </message>
    <message>
        <source>Months named</source>
        <translation>மாசக் கணக்கு</translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation>அமாந்த (அமாவாசை முதல் அமாவாசை வரை)</translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation>பூர்ணிமாந்த (பௌர்ணமி முதல் பௌர்ணமி வரை)</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>முதல் மாதம்</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>கடைசி மாதம்</translation>
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
        <translation>லெட்டர் (&amp;L)</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>லெட்டர்</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>இடம்: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>சேமி (&amp;S)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>தொடக்கத் தேதி (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>இறுதித் தேதி (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation>மாசக் கணக்கு (&amp;M)</translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation>முதல் மாதம் (&amp;R)</translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation>கடைசி மாதம் (&amp;T)</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>காகிதம்:</translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation>Kestrava %1.pdf</translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation>Kestrava %1 முதல் %2 வரை.pdf</translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation>சூரிய உதயத் திதிகள்</translation>
    </message>
    <message>
        <source>tithis</source>
        <translation>திதிகள்</translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation>விரத நாட்கள்</translation>
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
        <translation>கடைசி மாதம் முதல் மாதத்துக்கு முன்னதாக இருக்க முடியாது.</translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation>அதிகபட்சம் %1 மாதங்களைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation>இறுதித் தேதி தொடக்கத் தேதிக்கு முன்னதாக இருக்க முடியாது.</translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation>அதிகபட்சம் பத்து ஆண்டுகளைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation>மாதங்களை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation>பஞ்சாங்கத்தைச் சேமி</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar கோப்புகள் (*.ics)</translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation>மாதம் %1-இல் சேமிக்கப்பட்டது: 1 பக்கம்.</translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation>மாதங்கள் %1-இல் சேமிக்கப்பட்டன: %2 பக்கங்கள்.</translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation>பஞ்சாங்கம் %1-இல் சேமிக்கப்பட்டது: 1 நிகழ்வு.</translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation>பஞ்சாங்கம் %2-இல் சேமிக்கப்பட்டது: %1 நிகழ்வுகள்.</translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation>Kestrava-வால் %1-ஐச் சேமிக்க முடியவில்லை.
%2
எதுவும் எழுதப்படவில்லை; வேறு கோப்புறையையோ பெயரையோ தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The festivals, each on its day by its r&amp;ule</source>
        <translation>பண்டிகைகள், ஒவ்வொன்றும் அதன் விதிப்படி அதன் நாளில் (&amp;U)</translation>
    </message>
    <message>
        <source>The festivals</source>
        <translation>பண்டிகைகள்</translation>
    </message>
</context>
<context>
    <name>frmFestivals</name>
    <message>
        <source>Festivals of the Year - %1</source>
        <translation>ஆண்டின் பண்டிகைகள் - %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Festival Name</source>
        <translation>பண்டிகையின் பெயர்</translation>
    </message>
    <message>
        <source>Diwali, Ekadashi, दीपावली ...</source>
        <translation>பொங்கல், ஏகாதசி, Diwali ...</translation>
    </message>
    <message>
        <source>Festivals Found</source>
        <translation>கிடைத்த பண்டிகைகள்</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>பண்டிகைகள்</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>பண்டிகை</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>விதி</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>இடம்: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>மாதப் பஞ்சாங்கத்தில் காட்டு (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>மாதப் பஞ்சாங்கத்தில் காட்டு</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>ஆண்டு (&amp;Y)</translation>
    </message>
    <message>
        <source>Festival &amp;name</source>
        <translation>பண்டிகையின் பெயர் (&amp;N)</translation>
    </message>
    <message>
        <source>The festivals of %1, each on its day by its rule</source>
        <translation>%1-இன் பண்டிகைகள், ஒவ்வொன்றும் அதன் விதிப்படி அதன் நாளில்</translation>
    </message>
    <message>
        <source>The festivals of %1 named &quot;%2&quot;</source>
        <translation>%1-இல் &quot;%2&quot; என்ற பெயருடைய பண்டிகைகள்</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: எந்தப் பண்டிகையும் கிடைக்கவில்லை.</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation>திதியைத் தேடு - %1</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation>இந்தச் சாந்திரமான மாசத்தில் மட்டும் (&amp;M)</translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation>இந்தச் சாந்திரமான மாசத்தில் மட்டும்</translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation>சாந்திரமான மாசம்</translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation>அமாந்த, அமாவாசை முதல் அமாவாசை வரை (&amp;A)</translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation>அமாந்த</translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation>பூர்ணிமாந்த, பௌர்ணமி முதல் பௌர்ணமி வரை (&amp;U)</translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation>பூர்ணிமாந்த</translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation>அதிக மாசத்திலும் (&amp;D)</translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation>அதிக மாசத்திலும்</translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation>ஒரு மாசம் அதிகமாக வரும் ஆண்டில் அது இரண்டு முறை வருகிறது; பண்டிகைகளும் ஆண்டு நினைவு நாட்களும் இரண்டாவது (நிஜ) மாசத்தில் அனுசரிக்கப்படுகின்றன.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>தொடக்கத் தேதி</translation>
    </message>
    <message>
        <source>How Many</source>
        <translation>எத்தனை முறை</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>அடுத்ததைத் தேடு (&amp;N)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>அடுத்ததைத் தேடு</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>முந்தையதைத் தேடு (&amp;P)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>முந்தையதைத் தேடு</translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation>ஆண்டின் விரத நாட்கள் (&amp;V)</translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation>ஆண்டின் விரத நாட்கள்</translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation>தொடக்கத் தேதியின் ஆண்டில் வரும் ஒவ்வொரு ஏகாதசி, பௌர்ணமி, அமாவாசை</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>கிடைத்தவை</translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation>அனுசரிக்கும் நாட்கள்</translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation>அனுசரிக்கும் நாள்</translation>
    </message>
    <message>
        <source>Begins</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>குறிப்பு</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>அனுசரிக்கும் நாள்</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>இடம்: %1</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation>மாதப் பஞ்சாங்கத்தில் காட்டு (&amp;S)</translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation>மாதப் பஞ்சாங்கத்தில் காட்டு</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation>பட்சம் (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation>திதி (&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>தொடக்கத் தேதி (&amp;R)</translation>
    </message>
    <message>
        <source>How man&amp;y</source>
        <translation>எத்தனை முறை (&amp;Y)</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 (%3) மாசத்தின் %1</translation>
    </message>
    <message>
        <source>amanta</source>
        <translation>அமாந்த</translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation>பூர்ணிமாந்த</translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation>%1: %2 முதல் அனுசரிக்கும் நாட்கள்</translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation>%1: %2-க்கு முந்தைய அனுசரிக்கும் நாட்கள், அருகிலுள்ளது மேலே</translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation>%1-இன் விரத நாட்கள்: ஒவ்வொரு ஏகாதசி, பௌர்ணமி, அமாவாசை</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation>%1: எந்த நாளும் கிடைக்கவில்லை.</translation>
    </message>
    <message>
        <source>Festival</source>
        <translation>பண்டிகை</translation>
    </message>
    <message>
        <source>Find F&amp;estival</source>
        <translation>பண்டிகையைத் தேடு (&amp;E)</translation>
    </message>
    <message>
        <source>Find Festival</source>
        <translation>பண்டிகையைத் தேடு</translation>
    </message>
    <message>
        <source>The next days of the festival named, from the From date</source>
        <translation>பெயரிட்ட பண்டிகையின் அடுத்த நாட்கள், தொடக்கத் தேதியிலிருந்து</translation>
    </message>
    <message>
        <source>No festival is named &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; என்ற பெயரில் எந்தப் பண்டிகையும் இல்லை.</translation>
    </message>
    <message>
        <source>%1: its days from %2 on</source>
        <translation>%1: %2 முதல் இதன் நாட்கள்</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார்க்கவும்</translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation>முடிவுகளின் நேர மண்டலம்</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>கணி (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>பஞ்சாங்கம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி / Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார்க்கவும் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருளின் புதிய பதிப்பைப் பார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>The latitude on the form lies beyond 90 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>படிவத்தின் அட்சரேகை 90 பாகைக்கு அப்பால் உள்ளது, அங்கு எந்த இடமும் இல்லை: திதியின் நேரங்கள், சூரிய உதயம், அன்றைய பஞ்சாங்கம் கணக்கிடப்படவில்லை.</translation>
    </message>
    <message>
        <source>The longitude on the form lies beyond 180 degrees, where no place is: the tithi&apos;s times, the sunrise and the day&apos;s panchanga are not computed.</source>
        <translation>படிவத்தின் தீர்க்கரேகை 180 பாகைக்கு அப்பால் உள்ளது, அங்கு எந்த இடமும் இல்லை: திதியின் நேரங்கள், சூரிய உதயம், அன்றைய பஞ்சாங்கம் கணக்கிடப்படவில்லை.</translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation>%1 (முதல் %2)</translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation>%1 (இரண்டாவது %2)</translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation>%1; தொடக்கம் %2, முடிவு %3</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>இப்போதைய நேரத்தை நிரப்பு (&amp;N)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>சொந்த இடமாகச் சேமி (&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Home Place</source>
        <translation>சொந்த இடத்தை நீக்கு (&amp;L)</translation>
    </message>
    <message>
        <source>Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date and time are left as they were.</source>
        <translation>இன்றைய தேதி %1, Kestrava கணிக்கும் 1901 முதல் 2050 வரையிலான ஆண்டுகளுக்கு வெளியே உள்ளது: தேதியும் நேரமும் இருந்தபடியே விடப்பட்டுள்ளன.</translation>
    </message>
    <message>
        <source>Please enter the longitude and the latitude in degrees and minutes, and the hour and minute of the time zone, before saving them as the home place.</source>
        <translation>சொந்த இடமாகச் சேமிக்கும் முன், தீர்க்கரேகையையும் அட்சரேகையையும் பாகை, கலையில் உள்ளிடவும்; நேர மண்டலத்தின் மணியையும் நிமிடத்தையும் உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The home place could not be saved: the settings file cannot be written.</source>
        <translation>சொந்த இடத்தைச் சேமிக்க முடியவில்லை: அமைப்புக் கோப்பில் எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>This place is saved as your home place: Kestrava fills it in each time it starts.</source>
        <translation>இந்த இடம் உங்கள் சொந்த இடமாகச் சேமிக்கப்பட்டது: ஒவ்வொரு முறை தொடங்கும்போதும் Kestrava இதை நிரப்பும்.</translation>
    </message>
    <message>
        <source>Clear the home place? Kestrava will then start with the place fields empty; the fields now on the form stay as they are.</source>
        <translation>சொந்த இடத்தை நீக்கவா? பிறகு Kestrava இடப் புலங்களை வெறுமையாக வைத்துத் தொடங்கும்; படிவத்தில் இப்போதுள்ள புலங்கள் அப்படியே இருக்கும்.</translation>
    </message>
    <message>
        <source>The home place could not be cleared: the settings file cannot be written.</source>
        <translation>சொந்த இடத்தை நீக்க முடியவில்லை: அமைப்புக் கோப்பில் எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>&amp;Western Digits (0–9)</source>
        <translation>சர்வதேச எண்கள் (0–9) (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>வெளியேறு (&amp;Q)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>What was asked, above the report: the name, the date and time, the place: &quot;Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>விருப்பங்கள் (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation>மாதப் பஞ்சாங்கம் - %1</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>முந்தைய ஆண்டு</translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation>« முந்தைய ஆண்டு</translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation>ஓர் ஆண்டுக்கு முந்தைய இதே மாதம் (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>முந்தைய மாதம்</translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation>‹ முந்தைய மாதம் (&amp;V)</translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation>முந்தைய மாதம் (Page Up)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>அடுத்த மாதம்</translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation>அடுத்த மாதம் (&amp;N) ›</translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation>அடுத்த மாதம் (Page Down)</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>அடுத்த ஆண்டு</translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation>அடுத்த ஆண்டு »</translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation>ஓர் ஆண்டுக்குப் பிந்தைய இதே மாதம் (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>இன்று</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>இன்று (&amp;T)</translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation>இன்றைய மாதம், இன்றைய நாள் தேர்ந்தெடுக்கப்பட்டு (Home)</translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation>காட்டப்படும் மாதம்</translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation>சாந்திரமான மாசங்கள்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation>மாதத்தின் நாட்கள்</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>குறியீட்டு விளக்கம்</translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation>%1 சுக்ல பட்சம் (வளர்பிறை) &amp;nbsp; %2 கிருஷ்ண பட்சம் (தேய்பிறை) &amp;nbsp; %3 பௌர்ணமி &amp;nbsp; %4 அமாவாசை &amp;nbsp; %5 ஏகாதசி &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;க்ஷயம், விருத்தி&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;மாசம்&lt;/b&gt; தொடங்கும் இடத்தில் &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; இன்று</translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation>வளர்பிறையின் கட்டங்கள் தந்த நிறத்திலும் தேய்பிறையின் கட்டங்கள் நீலம் கலந்த சாம்பல் நிறத்திலும் உள்ளன; பௌர்ணமிக்கு முழு நிலவுக் குறியும், அமாவாசைக்குக் கருநிலவுக் குறியும், ஏகாதசிக்குப் பச்சை நிறச் சாய்சதுரக் (◆) குறியும் உள்ளன.</translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation>அனுசரிக்கும் நாள்</translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation>நாள் பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation>நாள் பஞ்சாங்கம் (&amp;D)...</translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation>தேர்ந்தெடுத்த நாளின் முழுப் பஞ்சாங்கம் (Enter)</translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation>திதியைத் தேடு</translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation>திதியைத் தேடு (&amp;F)...</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>iCalendar ஏற்றுமதி செய் (&amp;C)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF ஏற்றுமதி செய் (&amp;E)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>மாதம் (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>ஆண்டு (&amp;Y)</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>இடம்: %1</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 மாதத்தின் நாட்கள்</translation>
    </message>
    <message>
        <source>Vaishnava Observance</source>
        <translation>வைஷ்ணவ அனுஷ்டானம்</translation>
    </message>
    <message>
        <source>Vaishnava &amp;observance</source>
        <translation>வைஷ்ணவ அனுஷ்டானம் (&amp;O)</translation>
    </message>
    <message>
        <source>The Vaishnava days of the festivals the traditions keep apart (Janmashtami, the Ekadashis); the Smarta days otherwise</source>
        <translation>மரபுகள் வெவ்வேறு நாட்களில் அனுசரிக்கும் பண்டிகைகளுக்கு (ஜன்மாஷ்டமி, ஏகாதசிகள்) வைஷ்ணவ நாள்; மற்றவற்றுக்கு ஸ்மார்த்த நாள்</translation>
    </message>
    <message>
        <source>Purnimanta Months Too</source>
        <translation>பூர்ணிமாந்த மாசங்களும்</translation>
    </message>
    <message>
        <source>Name the purnimanta months, which begin after the full moon, besides the amanta ones</source>
        <translation>அமாந்த மாசங்களுடன், பௌர்ணமிக்குப் பின் தொடங்கும் பூர்ணிமாந்த மாசங்களின் பெயர்களையும் காட்டு</translation>
    </message>
    <message>
        <source>&amp;Purnimanta months too</source>
        <translation>பூர்ணிமாந்த மாசங்களும் (&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>வெளியேறு (&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>வெளியேறு</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>இந்த மென்பொருளின் புதிய பதிப்பு கிடைக்கக்கூடும்</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>புதிய பதிப்பு உள்ளதா எனப் பார்க்கவா?</translation>
    </message>
</context>
</TS>
