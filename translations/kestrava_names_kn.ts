<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
Kannada names of the panchanga, spelled as Kannada panchangas print them
(ತಿಥಿ, ವಾರ, ನಕ್ಷತ್ರ, ಯೋಗ, ಕರಣ): the tithis as ಪಾಡ್ಯ, ಬಿದಿಗೆ, ತದಿಗೆ, ಚೌತಿ …
ಹುಣ್ಣಿಮೆ, ಅಮಾವಾಸ್ಯೆ; the weekdays from ಭಾನುವಾರ; the months from ಚೈತ್ರ to
ಫಾಲ್ಗುಣ with ಆಶ್ವಯುಜ and ಮಾರ್ಗಶಿರ; the sixty years from ಪ್ರಭವ to ಅಕ್ಷಯ; the
festivals by their Kannada names (ಯುಗಾದಿ, ನಾಗರ ಪಂಚಮಿ, ಬಲಿಪಾಡ್ಯಮಿ).
The samvatsara names from ಪ್ರಭವ to ಜಯ were compared with the list on
oppanna.com ("ಸಂವತ್ಸರಂಗೊ") and the opening of the Kannada Wikipedia article
"ಸಂವತ್ಸರಗಳು"; the other names were not checked against a published list.
-->
<TS version="2.1" language="kn_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>ಪಾಡ್ಯ</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>ಬಿದಿಗೆ</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>ತದಿಗೆ</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>ಚೌತಿ</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>ಪಂಚಮಿ</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>ಷಷ್ಠಿ</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>ಸಪ್ತಮಿ</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>ಅಷ್ಟಮಿ</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>ನವಮಿ</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>ದಶಮಿ</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>ದ್ವಾದಶಿ</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>ತ್ರಯೋದಶಿ</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>ಚತುರ್ದಶಿ</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>ಹುಣ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>ಶುಕ್ಲ</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>ಕೃಷ್ಣ</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>ಕಿಂಸ್ತುಘ್ನ</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>ಬವ</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>ಬಾಲವ</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>ಕೌಲವ</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>ತೈತಿಲ</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>ಗರಜ</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>ವಣಿಜ</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>ವಿಷ್ಟಿ</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>ಶಕುನಿ</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>ಚತುಷ್ಪಾದ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>ನಾಗ</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>ಅಶ್ವಿನಿ</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>ಭರಣಿ</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>ಕೃತ್ತಿಕಾ</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>ರೋಹಿಣಿ</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>ಮೃಗಶಿರಾ</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>ಆರ್ದ್ರಾ</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>ಪುನರ್ವಸು</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>ಪುಷ್ಯ</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>ಆಶ್ಲೇಷಾ</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>ಮಘಾ</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>ಪೂರ್ವಾಫಾಲ್ಗುಣಿ</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>ಉತ್ತರಾಫಾಲ್ಗುಣಿ</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>ಹಸ್ತ</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>ಚಿತ್ರಾ</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>ಸ್ವಾತಿ</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>ವಿಶಾಖಾ</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>ಅನುರಾಧಾ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>ಜ್ಯೇಷ್ಠಾ</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>ಮೂಲಾ</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>ಪೂರ್ವಾಷಾಢಾ</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>ಉತ್ತರಾಷಾಢಾ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>ಶ್ರವಣ</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>ಧನಿಷ್ಠಾ</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>ಶತಭಿಷಾ</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>ಪೂರ್ವಾಭಾದ್ರಾ</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>ಉತ್ತರಾಭಾದ್ರಾ</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>ರೇವತಿ</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>ವಿಷ್ಕಂಭ</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>ಪ್ರೀತಿ</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>ಆಯುಷ್ಮಾನ್</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>ಸೌಭಾಗ್ಯ</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>ಶೋಭನ</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>ಅತಿಗಂಡ</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>ಸುಕರ್ಮ</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>ಧೃತಿ</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>ಶೂಲ</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>ಗಂಡ</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>ವೃದ್ಧಿ</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ಧ್ರುವ</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>ವ್ಯಾಘಾತ</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>ಹರ್ಷಣ</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>ವಜ್ರ</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>ಸಿದ್ಧಿ</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>ವ್ಯತೀಪಾತ</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>ವರೀಯಾನ್</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>ಪರಿಘ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>ಶಿವ</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>ಸಿದ್ಧ</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>ಸಾಧ್ಯ</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>ಶುಭ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>ಶುಕ್ಲ</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>ಬ್ರಹ್ಮ</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ಐಂದ್ರ</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>ವೈಧೃತಿ</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>ಭಾನುವಾರ</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>ಸೋಮವಾರ</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>ಮಂಗಳವಾರ</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>ಬುಧವಾರ</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>ಗುರುವಾರ</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>ಶುಕ್ರವಾರ</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>ಶನಿವಾರ</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>ಚೈತ್ರ</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>ವೈಶಾಖ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>ಜ್ಯೇಷ್ಠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>ಆಷಾಢ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>ಶ್ರಾವಣ</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>ಭಾದ್ರಪದ</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>ಆಶ್ವಯುಜ</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>ಕಾರ್ತಿಕ</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>ಮಾರ್ಗಶಿರ</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>ಪುಷ್ಯ</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>ಮಾಘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>ಫಾಲ್ಗುಣ</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>ಕರ್ಕಾಟಕ</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>ಮೀನ</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>ಕೇತು</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>ರಾಹು</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>ಶನಿ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>ಅಗ್ನಿ</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>ಬ್ರಹ್ಮ</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>ಗೌರಿ</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>ಗಣೇಶ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>ನಾಗ</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>ಸುಬ್ರಹ್ಮಣ್ಯ</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>ಶಿವ</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>ದುರ್ಗಾ</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>ಯಮ</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>ವಿಶ್ವೇದೇವ</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>ವಿಷ್ಣು</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>ಮನ್ಮಥ</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>ಪಿತೃಗಳು</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>ನಂದಾ</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>ಭದ್ರಾ</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>ಜಯಾ</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>ರಿಕ್ತಾ</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>ಪೂರ್ಣಾ</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>ದಶಮಿ</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>ದ್ವಾದಶಿ</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>ತ್ರಯೋದಶಿ</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>ಉದ್ವೇಗ</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>ಚರ</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>ಲಾಭ</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>ಅಮೃತ</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>ಕಾಲ</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>ಶುಭ</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>ರೋಗ</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>ವಸಂತ</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>ಗ್ರೀಷ್ಮ</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>ವರ್ಷ</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>ಶರತ್</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>ಹೇಮಂತ</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>ಶಿಶಿರ</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>ಉತ್ತರಾಯಣ</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>ದಕ್ಷಿಣಾಯನ</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ರಭವ</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>ವಿಭವ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>ಶುಕ್ಲ</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ರಮೋದೂತ</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ರಜೋತ್ಪತ್ತಿ</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>ಆಂಗೀರಸ</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>ಶ್ರೀಮುಖ</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>ಭಾವ</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>ಯುವ</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>ಧಾತು</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ಈಶ್ವರ</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>ಬಹುಧಾನ್ಯ</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ರಮಾಥಿ</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>ವಿಕ್ರಮ</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>ವೃಷ</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>ಚಿತ್ರಭಾನು</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>ಸ್ವಭಾನು</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>ತಾರಣ</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>ಪಾರ್ಥಿವ</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>ವ್ಯಯ</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>ಸರ್ವಜಿತ್</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>ಸರ್ವಧಾರಿ</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>ವಿರೋಧಿ</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>ವಿಕೃತಿ</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>ಖರ</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>ನಂದನ</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>ವಿಜಯ</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>ಜಯ</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>ಮನ್ಮಥ</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>ದುರ್ಮುಖಿ</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>ಹೇವಿಳಂಬಿ</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>ವಿಳಂಬಿ</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>ವಿಕಾರಿ</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>ಶಾರ್ವರಿ</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ಲವ</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>ಶುಭಕೃತ್</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>ಶೋಭಕೃತ್</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>ಕ್ರೋಧಿ</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>ವಿಶ್ವಾವಸು</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>ಪರಾಭವ</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ಲವಂಗ</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>ಕೀಲಕ</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>ಸೌಮ್ಯ</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>ಸಾಧಾರಣ</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>ವಿರೋಧಿಕೃತ್</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>ಪರಿಧಾವಿ</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>ಪ್ರಮಾದೀಚ</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>ಆನಂದ</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>ರಾಕ್ಷಸ</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>ನಳ</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>ಪಿಂಗಳ</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>ಕಾಳಯುಕ್ತಿ</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>ಸಿದ್ಧಾರ್ಥಿ</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>ರೌದ್ರಿ</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>ದುರ್ಮತಿ</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>ದುಂದುಭಿ</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>ರುಧಿರೋದ್ಗಾರಿ</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>ರಕ್ತಾಕ್ಷಿ</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>ಕ್ರೋಧನ</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>ಅಕ್ಷಯ</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>ವೃದ್ಧಿ (ಏಳಿಗೆ)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>ಶುಭ ಘಟನೆಗಳು</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>ಬಲ ನೀಡುವುದು</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>ಖಲ (ದುಷ್ಟ)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>ಲಕ್ಷ್ಮಿ (ಸಂಪತ್ತು)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>ಕೀರ್ತಿ ನೀಡುವುದು</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>ಸ್ನೇಹಮಯ</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>ಕಲಹ</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>ಉಗ್ರ</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>ಸೌಮ್ಯ</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>ಭೋಗಗಳು</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>ಕೀರ್ತಿ ಮತ್ತು ಸದ್ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>ವಿಜಯ</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>ಇದು ಎಲ್ಲ ಶುಭ ಕಾರ್ಯಗಳಿಗೂ ಧಾರ್ಮಿಕ ಕಾರ್ಯಗಳಿಗೂ ಒಳ್ಳೆಯದು.</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>ಭದ್ರ ಅಡಿಪಾಯದೊಂದಿಗೆ ಕಟ್ಟಡ ಕೆಲಸ ಆರಂಭಿಸಲು ಇದು ಒಳ್ಳೆಯದು.</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>ಕ್ಷೌರಕ್ಕೂ ಕೂದಲು ಕತ್ತರಿಸಲೂ ಇದು ಒಳ್ಳೆಯದು.</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>ಶತ್ರುವನ್ನು ಕೊನೆಗಾಣಿಸಲು ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>ವೈದ್ಯಕೀಯ ಚಿಕಿತ್ಸೆಗೂ ಶಸ್ತ್ರಚಿಕಿತ್ಸೆಗೂ ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>ಮಂಗಳ ಕಾರ್ಯಗಳಿಗೂ ಉತ್ಸವಗಳಿಗೂ ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>ಪ್ರಯಾಣಕ್ಕೂ ವಾಹನ ಖರೀದಿಗೂ ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>ನಿಮ್ಮ ರಕ್ಷಣೆಯನ್ನು ಬಲಪಡಿಸಿಕೊಂಡು ಯುದ್ಧಕ್ಕೆ ಸಿದ್ಧವಾಗಲು ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>ಇದು ವಿನಾಶ ಮತ್ತು ಹಿಂಸೆಯ ತಿಥಿ.</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>ಧಾರ್ಮಿಕ ಕಾರ್ಯಗಳಿಗೆ ಇದು ಒಳ್ಳೆಯ ಸಮಯ.</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>ಇದು ಉಪವಾಸ ಮಾಡಿ ಭಗವಂತನನ್ನು ಸ್ಮರಿಸುವ ದಿನ.</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>ಧಾರ್ಮಿಕ ವಿಧಿಗಳಿಗೂ ಹೋಮಾಗ್ನಿ ಬೆಳಗಿಸಲೂ ಇದು ಒಳ್ಳೆಯ ದಿನ.</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>ಹೊಸ ಸಂಬಂಧಗಳನ್ನು ಆರಂಭಿಸಲು ಇದು ಒಳ್ಳೆಯ ದಿನ.</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>ಇದು ಭೂತಪ್ರೇತಗಳ ದಿನ.</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>ಇದು ಕಠಿಣ ವ್ರತಗಳನ್ನೂ ತಪಸ್ಸನ್ನೂ ಆಚರಿಸುವ ದಿನ.</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>ಶುಭ</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>ಅಶುಭ</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>ಅಶುಭ ತಿಥಿ ಎಲ್ಲ ಬಗೆಯ ಆರ್ಥಿಕ ಮತ್ತು ವೈಯಕ್ತಿಕ ನಷ್ಟಗಳನ್ನು ತರುತ್ತದೆ. ಪಾಪಗ್ರಹಗಳ ಪ್ರಭಾವದಿಂದ ಜಾತಕನು ಅನಾರೋಗ್ಯ ಮತ್ತು ಹಣದ ತೊಂದರೆಗಳಿಂದ ಬಳಲುತ್ತಾನೆ; ಸುತ್ತಲಿನ ಎಲ್ಲರೊಂದಿಗೂ ತೊಂದರೆ, ಜಗಳಗಳು ಉಂಟಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>ಯಾವುದೇ ಕಾರ್ಯ ಸಿದ್ಧಿಯಾಗುವುದರಲ್ಲಿ ಕಾಲವೇ ಅತ್ಯಂತ ಪ್ರಬಲ ಕಾರಣ. ತಕ್ಕ ಶುಭ ಕಾಲ ಬರುವ ಮೊದಲು ಏನೂ ನಡೆಯುವುದಿಲ್ಲ. ಶುಭ ತಿಥಿ ಸರಿಯಾದ ಸಮಯದಲ್ಲಿ ಸರಿಯಾದ ಕಾರ್ಯ ಮಾಡುವ ಅವಕಾಶ ನೀಡುತ್ತದೆ; ಇದರಿಂದ ಜಾತಕನ ಏಳಿಗೆ, ಕ್ಷೇಮ ಮತ್ತು ಸುಖಕ್ಕೆ ಹೆಚ್ಚಿನ ಲಾಭ ದೊರೆಯುತ್ತದೆ.</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>ಮಕರ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>ಲೋಹ್ರಿ</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>ತೈ ಪೊಂಗಲ್</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>ವಿಷು</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>ಬೈಸಾಖಿ</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ಓಣಂ (ತಿರುವೋಣಂ)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>ಯುಗಾದಿ</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>ಶ್ರೀರಾಮ ನವಮಿ</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>ಹನುಮಾನ್ ಜಯಂತಿ</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>ಅಕ್ಷಯ ತೃತೀಯ</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>ಬುದ್ಧ ಪೂರ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>ರಥಯಾತ್ರೆ</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>ಗುರು ಪೂರ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>ನಾಗರ ಪಂಚಮಿ</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>ರಕ್ಷಾ ಬಂಧನ</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>ಶ್ರೀಕೃಷ್ಣ ಜನ್ಮಾಷ್ಟಮಿ</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>ಗಣೇಶ ಚತುರ್ಥಿ</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>ಅನಂತ ಚತುರ್ದಶಿ</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>ಪಿತೃ ಪಕ್ಷ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>ಮಹಾಲಯ ಅಮಾವಾಸ್ಯೆ</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>ನವರಾತ್ರಿ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>ದುರ್ಗಾಷ್ಟಮಿ</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>ಮಹಾನವಮಿ</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>ವಿಜಯದಶಮಿ (ದಸರಾ)</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>ಶರದ್ ಪೂರ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>ಕರ್ವಾ ಚೌತ್</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>ಧನ ತ್ರಯೋದಶಿ</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>ನರಕ ಚತುರ್ದಶಿ</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>ದೀಪಾವಳಿ (ಲಕ್ಷ್ಮೀ ಪೂಜೆ)</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>ಬಲಿಪಾಡ್ಯಮಿ (ಗೋವರ್ಧನ ಪೂಜೆ)</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>ಯಮ ದ್ವಿತೀಯಾ (ಭ್ರಾತೃ ದ್ವಿತೀಯಾ)</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>ಛಠ್ ಪೂಜೆ</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>ಕಾರ್ತಿಕ ಹುಣ್ಣಿಮೆ</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>ವಿವಾಹ ಪಂಚಮಿ</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>ಗೀತಾ ಜಯಂತಿ</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>ವಸಂತ ಪಂಚಮಿ</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>ಮಹಾ ಶಿವರಾತ್ರಿ</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>ಕಾಮದಹನ (ಹೋಲಿಕಾ ದಹನ)</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>ಹೋಳಿ</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>ಮೇಷ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>ವೃಷಭ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>ಮಿಥುನ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>ಕರ್ಕಾಟಕ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>ಸಿಂಹ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>ಕನ್ಯಾ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>ತುಲಾ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>ವೃಶ್ಚಿಕ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>ಧನು ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>ಮಕರ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>ಕುಂಭ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>ಮೀನ ಸಂಕ್ರಾಂತಿ</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>ಪಾಪಮೋಚನೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>ಕಾಮದಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>ವರೂಥಿನೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>ಮೋಹಿನೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>ಅಪರಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>ನಿರ್ಜಲಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>ಯೋಗಿನೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>ಶಯನೀ ಏಕಾದಶಿ (ಪ್ರಥಮ ಏಕಾದಶಿ)</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>ಕಾಮಿಕಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>ಶ್ರಾವಣ ಪುತ್ರದಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>ಅಜಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>ಪರಿವರ್ತಿನೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>ಇಂದಿರಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>ಪಾಶಾಂಕುಶಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>ರಮಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>ಉತ್ಥಾನ ಏಕಾದಶಿ (ಪ್ರಬೋಧಿನೀ ಏಕಾದಶಿ)</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>ಉತ್ಪನ್ನಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>ಮೋಕ್ಷದಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>ಸಫಲಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>ಪುಷ್ಯ ಪುತ್ರದಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>ಷಟ್ತಿಲಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>ಜಯಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>ವಿಜಯಾ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>ಆಮಲಕೀ ಏಕಾದಶಿ</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>ಪದ್ಮಿನೀ ಏಕಾದಶಿ (ಕಮಲಾ ಏಕಾದಶಿ)</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>ಪರಮಾ ಏಕಾದಶಿ</translation>
    </message>
</context>
</TS>
