<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Gujarati names of the panchanga. Tithis (એકમ … ચૌદશ, પૂનમ, અમાસ), pakshas (સુદ/વદ) and months (કારતક, માગશર, પોષ, મહા, ફાગણ, ચૈત્ર, વૈશાખ, જેઠ, અષાઢ, શ્રાવણ, ભાદરવો, આસો) are the forms Gujarati calendars print (the year begins on કારતક સુદ એકમ); festivals (context FestivalNames) by their Gujarati names, e.g. ઉત્તરાયણ, અખાત્રીજ, કાળી ચૌદસ, ધુળેટી. Festival names were checked against the Gujarati festival lists of gujjumitro.com (2021) and marugujratlive.blogspot.com and tv9gujarati.com (ઉત્તરાયણ); the other names were not checked against a printed almanac or jantri. -->
<TS version="2.1" language="gu_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>એકમ</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>બીજ</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>ત્રીજ</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>ચોથ</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>પાંચમ</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>છઠ</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>સાતમ</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>આઠમ</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>નોમ</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>દશમ</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>અગિયારસ</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>બારસ</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>તેરસ</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>ચૌદશ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>પૂનમ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>અમાસ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>સુદ</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>વદ</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>કિંસ્તુઘ્ન</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>બવ</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>બાલવ</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>કૌલવ</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>તૈતિલ</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>ગર</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>વણિજ</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>વિષ્ટિ</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>શકુનિ</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>ચતુષ્પાદ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>નાગ</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>અશ્વિની</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>ભરણી</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>કૃત્તિકા</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>રોહિણી</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>મૃગશીર્ષ</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>આર્દ્રા</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>પુનર્વસુ</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>પુષ્ય</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>આશ્લેષા</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>મઘા</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>પૂર્વાફાલ્ગુની</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>ઉત્તરાફાલ્ગુની</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>હસ્ત</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>ચિત્રા</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>સ્વાતિ</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>વિશાખા</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>અનુરાધા</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>જ્યેષ્ઠા</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>મૂળ</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>પૂર્વાષાઢા</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>ઉત્તરાષાઢા</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>શ્રવણ</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>ધનિષ્ઠા</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>શતભિષા</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>પૂર્વાભાદ્રપદા</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>ઉત્તરાભાદ્રપદા</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>રેવતી</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>વિષ્કુંભ</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>પ્રીતિ</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>આયુષ્માન</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>સૌભાગ્ય</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>શોભન</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>અતિગંડ</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>સુકર્મા</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>ધૃતિ</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>શૂલ</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>ગંડ</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>વૃદ્ધિ</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ધ્રુવ</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>વ્યાઘાત</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>હર્ષણ</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>વજ્ર</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>સિદ્ધિ</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>વ્યતિપાત</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>વરિયાન</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>પરિઘ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>શિવ</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>સિદ્ધ</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>સાધ્ય</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>શુક્લ</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>બ્રહ્મ</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ઐન્દ્ર</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>વૈધૃતિ</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>રવિવાર</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>સોમવાર</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>મંગળવાર</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>બુધવાર</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>ગુરુવાર</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>શુક્રવાર</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>શનિવાર</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>ચૈત્ર</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>વૈશાખ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>જેઠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>અષાઢ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>શ્રાવણ</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>ભાદરવો</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>આસો</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>કારતક</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>માગશર</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>પોષ</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>મહા</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>ફાગણ</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>મેષ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>વૃષભ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>મિથુન</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>કર્ક</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>સિંહ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>કન્યા</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>તુલા</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>વૃશ્ચિક</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>ધન</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>મકર</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>કુંભ</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>મીન</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>કેતુ</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>શુક્ર</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>સૂર્ય</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>ચંદ્ર</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>મંગળ</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>રાહુ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>ગુરુ</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>શનિ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>બુધ</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>અગ્નિ</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>બ્રહ્મા</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>ગૌરી</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>ગણેશ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>નાગ</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>કાર્તિકેય</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>સૂર્ય</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>શિવ</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>દુર્ગા</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>યમ</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>વિશ્વેદેવ</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>વિષ્ણુ</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>કામદેવ</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>ચંદ્ર</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>પિતૃ</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>નંદા</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>ભદ્રા</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>જયા</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>રિક્તા</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>પૂર્ણા</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>દશમ</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>અગિયારસ</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>બારસ</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>તેરસ</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>ઉદ્વેગ</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>ચલ</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>લાભ</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>અમૃત</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>કાળ</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>રોગ</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>વસંત</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>ગ્રીષ્મ</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>વર્ષા</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>શરદ</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>હેમંત</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>શિશિર</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>ઉત્તરાયણ</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>દક્ષિણાયન</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>પ્રભવ</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>વિભવ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>શુક્લ</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>પ્રમોદ</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>પ્રજાપતિ</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>અંગિરા</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>શ્રીમુખ</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>ભાવ</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>યુવા</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>ધાતા</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ઈશ્વર</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>બહુધાન્ય</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>પ્રમાથી</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>વિક્રમ</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>વૃષ</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>ચિત્રભાનુ</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>સુભાનુ</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>તારણ</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>પાર્થિવ</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>વ્યય</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>સર્વજિત</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>સર્વધારી</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>વિરોધી</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>વિકૃતિ</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>ખર</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>નંદન</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>વિજય</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>જય</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>મન્મથ</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>દુર્મુખ</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>હેમલંબ</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>વિલંબ</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>વિકારી</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>શાર્વરી</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>પ્લવ</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>શુભકૃત</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>શોભકૃત</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>ક્રોધી</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>વિશ્વાવસુ</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>પરાભવ</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>પ્લવંગ</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>કીલક</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>સૌમ્ય</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>સાધારણ</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>વિરોધકૃત</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>પરિધાવી</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>પ્રમાદી</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>આનંદ</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>રાક્ષસ</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>નલ</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>પિંગલ</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>કાલયુક્ત</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>સિદ્ધાર્થી</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>રૌદ્ર</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>દુર્મતિ</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>દુંદુભિ</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>રુધિરોદ્ગારી</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>રક્તાક્ષી</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>ક્રોધન</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>ક્ષય</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>વૃદ્ધિ (વધારો)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>શુભ ઘટનાઓ</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>શક્તિ આપનારી</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>ખલા (દુષ્ટ)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>લક્ષ્મી (ધન)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>યશ આપનારી</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>મૈત્રીપૂર્ણ</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>સંઘર્ષ</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>ઉગ્ર</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>સૌમ્ય</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>આનંદ</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>યશ અને સદ્ગુણ</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>વિજય</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>આ તિથિ બધાં શુભ અને ધાર્મિક કાર્યો માટે સારી છે.</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>આ તિથિ મજબૂત પાયો નાખીને બાંધકામ શરૂ કરવા માટે સારી છે.</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>આ તિથિ વાળ કપાવવા અને ક્ષૌરકર્મ માટે સારી છે.</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>શત્રુનો અંત કરવા માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>તબીબી સારવાર અને શસ્ત્રક્રિયા માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>માંગલિક પ્રસંગો અને ઉત્સવો માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>પ્રવાસ અને વાહન ખરીદવા માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>પોતાનું રક્ષણ મજબૂત કરીને યુદ્ધની તૈયારી કરવા માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>આ વિનાશ અને હિંસાની તિથિ છે.</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>ધાર્મિક કાર્યો માટે આ સારો સમય છે.</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>આ ઉપવાસ અને પરમેશ્વરના સ્મરણનો દિવસ છે.</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>ધાર્મિક વિધિઓ અને પવિત્ર અગ્નિ પ્રગટાવવા માટે આ સારો દિવસ છે.</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>નવા સંબંધો શરૂ કરવા માટે આ સારો દિવસ છે.</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>આ ભૂતપ્રેતનો દિવસ છે.</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>આ તપ અને કઠોર વિધિઓનો દિવસ છે.</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>અશુભ</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>અશુભ તિથિ દરેક પ્રકારનું આર્થિક તેમ જ અંગત નુકસાન લાવે છે. અશુભ ગ્રહોના પ્રભાવથી જાતકને બીમારી અને પૈસાની મુશ્કેલીઓ વેઠવી પડે છે, અને આસપાસના બધા લોકો સાથે તેને મતભેદ અને ઝઘડા થાય છે.</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>કોઈ પણ કાર્યની સિદ્ધિમાં સમય સૌથી પ્રબળ પરિબળ છે. યોગ્ય અને શુભ સમય આવ્યા પહેલાં કશું થતું નથી. શુભ તિથિ યોગ્ય સમયે યોગ્ય કાર્ય કરવાની તક આપે છે, જેથી જાતકની પ્રગતિ, કલ્યાણ અને સુખ માટે સૌથી વધુ લાભ મળે.</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>ઉત્તરાયણ (મકર સંક્રાંતિ)</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>લોહરી</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>પોંગલ</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>વિશુ</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>વૈશાખી</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ઓણમ (તિરુવોણમ)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>ગુડી પડવો / ઉગાદી</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>રામનવમી</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>હનુમાન જયંતી</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>અખાત્રીજ (અક્ષય તૃતીયા)</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>બુદ્ધ પૂર્ણિમા</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>રથયાત્રા</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>ગુરુપૂર્ણિમા</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>નાગપાંચમ</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>રક્ષાબંધન (બળેવ)</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>જન્માષ્ટમી (ગોકુલાષ્ટમી)</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>ગણેશ ચતુર્થી</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>અનંત ચૌદસ</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>શ્રાદ્ધ પક્ષ આરંભ</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>સર્વપિતૃ અમાસ</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>નવરાત્રિ આરંભ (ઘટસ્થાપન)</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>દુર્ગાષ્ટમી</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>મહાનવમી</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>વિજયાદશમી (દશેરા)</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>શરદ પૂનમ</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>કરવા ચોથ</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>ધનતેરસ</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>કાળી ચૌદસ</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>દિવાળી (લક્ષ્મીપૂજન)</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>નવું વર્ષ (ગોવર્ધન પૂજા)</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>ભાઈબીજ</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>છઠ પૂજા</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>દેવ દિવાળી (કારતકી પૂનમ)</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>વિવાહ પંચમી</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>ગીતા જયંતી</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>વસંત પંચમી</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>મહાશિવરાત્રિ</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>હોળી (હોલિકા દહન)</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>ધુળેટી</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>મેષ સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>વૃષભ સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>મિથુન સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>કર્ક સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>સિંહ સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>કન્યા સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>તુલા સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>વૃશ્ચિક સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>ધન સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>મકર સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>કુંભ સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>મીન સંક્રાંતિ</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>પાપમોચની એકાદશી</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>કામદા એકાદશી</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>વરૂથિની એકાદશી</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>મોહિની એકાદશી</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>અપરા એકાદશી</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>નિર્જળા (ભીમ) એકાદશી</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>યોગિની એકાદશી</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>દેવપોઢી એકાદશી (દેવશયની)</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>કામિકા એકાદશી</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>શ્રાવણ પુત્રદા એકાદશી</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>અજા એકાદશી</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>પરિવર્તિની એકાદશી</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>ઇન્દિરા એકાદશી</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>પાશાંકુશા એકાદશી</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>રમા એકાદશી</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>દેવઊઠી એકાદશી (પ્રબોધિની)</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>ઉત્પત્તિ એકાદશી</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>મોક્ષદા એકાદશી</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>સફલા એકાદશી</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>પોષ પુત્રદા એકાદશી</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>ષટ્તિલા એકાદશી</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>જયા એકાદશી</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>વિજયા એકાદશી</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>આમલકી એકાદશી</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>પદ્મિની (કમલા) એકાદશી</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>પરમા એકાદશી</translation>
    </message>
</context>
</TS>
