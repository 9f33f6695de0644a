<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
Tamil names of the panchanga, spelled as Tamil panchangams print them on their
day pages (திதி, வாரம், நட்சத்திரம், நாமயோகம், கரணம்): the stars in their Tamil
names (அசுவினி … ரேவதி), the karanas as பவம் … கிம்ஸ்துக்னம், the weekdays
with கிழமை. Checked against the karana list of the Tamil Wikipedia article
"கரணம்" and the lists of the 16 tithis, 27 stars, 27 yogas and 11 karanas
given in Tamil panchangam primers. The sixty years (பிரபவ … அட்சய):
the first 42 were checked against the Tamil list "Tamil Years - a 60 year
cycle" on tamil-panchangam.blogspot.com, the rest are in the same spelling but
unchecked. The ritus, the choghadiya parts and the festivals (FestivalNames:
தைப்பொங்கல், விநாயகர் சதுர்த்தி, கிருஷ்ண ஜயந்தி) were written from common
usage and not checked against a list.
-->
<TS version="2.1" language="ta_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>பிரதமை</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>துவிதியை</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>திருதியை</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>சதுர்த்தி</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>பஞ்சமி</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>சஷ்டி</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>சப்தமி</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>அஷ்டமி</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>நவமி</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>தசமி</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>துவாதசி</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>திரயோதசி</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>சதுர்த்தசி</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>பௌர்ணமி</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>அமாவாசை</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>சுக்ல</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>கிருஷ்ண</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>கிம்ஸ்துக்னம்</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>பவம்</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>பாலவம்</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>கௌலவம்</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>தைதுலம்</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>கரசை</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>வணிசை</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>பத்திரை</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>சகுனி</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>சதுஷ்பாதம்</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>நாகவம்</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>அசுவினி</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>பரணி</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>கார்த்திகை</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>ரோகிணி</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>மிருகசீரிடம்</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>திருவாதிரை</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>புனர்பூசம்</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>பூசம்</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>ஆயில்யம்</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>மகம்</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>பூரம்</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>உத்திரம்</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>அஸ்தம்</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>சுவாதி</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>விசாகம்</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>அனுஷம்</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>கேட்டை</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>மூலம்</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>பூராடம்</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>உத்திராடம்</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>திருவோணம்</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>அவிட்டம்</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>சதயம்</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>பூரட்டாதி</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>உத்திரட்டாதி</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>ரேவதி</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>விஷ்கம்பம்</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>பிரீதி</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>ஆயுஷ்மான்</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>சௌபாக்கியம்</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>சோபனம்</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>அதிகண்டம்</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>சுகர்மம்</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>திருதி</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>சூலம்</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>கண்டம்</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>விருத்தி</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>துருவம்</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>வியாகாதம்</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>ஹர்ஷணம்</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>வஜ்ரம்</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>சித்தி</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>வியதீபாதம்</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>வரீயான்</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>பரிகம்</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>சிவம்</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>சித்தம்</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>சாத்தியம்</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>சுப்பிரம்</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>பிராம்மியம்</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ஐந்திரம்</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>வைதிருதி</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>ஞாயிற்றுக்கிழமை</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>திங்கட்கிழமை</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>செவ்வாய்க்கிழமை</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>புதன்கிழமை</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>வியாழக்கிழமை</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>வெள்ளிக்கிழமை</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>சனிக்கிழமை</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>சைத்ர</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>வைசாக</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>ஜ்யேஷ்ட</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>ஆஷாட</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>சிராவண</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>பாத்ரபத</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>ஆஸ்வயுஜ</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>கார்த்திக</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>மார்கசீர்ஷ</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>பௌஷ</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>மாக</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>பால்குன</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>அக்னி</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>பிரம்மா</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>கௌரி</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>விநாயகர்</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>நாகர்</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>முருகன்</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>சிவன்</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>துர்க்கை</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>எமன்</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>விசுவதேவர்</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>விஷ்ணு</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>மன்மதன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>பித்ருக்கள்</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>நந்தா</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>பத்ரா</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>ஜயா</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>ரிக்தா</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>பூர்ணா</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>தசமி</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>துவாதசி</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>திரயோதசி</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>உத்வேகம்</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>சரம்</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>லாபம்</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>அமிர்தம்</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>ரோகம்</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>வசந்த ருது</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>கிரீஷ்ம ருது</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>வர்ஷ ருது</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>சரத் ருது</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>ஹேமந்த ருது</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>சிசிர ருது</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>உத்தராயணம்</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>தட்சிணாயனம்</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>பிரபவ</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>விபவ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>சுக்ல</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>பிரமோதூத</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>பிரசோற்பத்தி</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>ஆங்கீரச</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>ஸ்ரீமுக</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>பவ</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>யுவ</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>தாது</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ஈஸ்வர</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>வெகுதானிய</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>பிரமாதி</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>விக்கிரம</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>விஷு</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>சித்திரபானு</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>சுபானு</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>தாரண</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>பார்த்திப</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>விய</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>சர்வசித்து</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>சர்வதாரி</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>விரோதி</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>விக்ருதி</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>கர</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>நந்தன</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>விஜய</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>ஜய</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>மன்மத</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>துன்முகி</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>ஹேவிளம்பி</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>விளம்பி</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>விகாரி</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>சார்வரி</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>பிலவ</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>சுபகிருது</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>சோபகிருது</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>குரோதி</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>விசுவாசுவ</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>பரபாவ</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>பிலவங்க</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>கீலக</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>சௌமிய</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>சாதாரண</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>விரோதகிருது</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>பரிதாபி</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>பிரமாதீச</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>ஆனந்த</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>ராட்சச</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>நள</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>பிங்கள</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>காளயுக்தி</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>சித்தார்த்தி</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>ரௌத்திரி</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>துன்மதி</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>துந்துபி</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>ருத்ரோத்காரி</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>ரக்தாட்சி</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>குரோதன</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>அட்சய</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>விருத்தி (வளர்ச்சி)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>சுப நிகழ்வுகள்</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>வலிமை தருவது</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>கலா (தீயது)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>லட்சுமி (செல்வம்)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>புகழ் தருவது</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>நட்பானது</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>மோதல்</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>உக்கிரம்</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>சாந்தம்</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>இன்பங்கள்</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>புகழும் நற்குணங்களும்</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>வெற்றி</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>இது எல்லா சுப காரியங்களுக்கும் சமயச் சடங்குகளுக்கும் உகந்தது.</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>உறுதியான அஸ்திவாரத்துடன் கட்டுமானப் பணியைத் தொடங்க இது உகந்தது.</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>முடி வெட்டவும் க்ஷவரம் செய்யவும் இது உகந்தது.</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>பகைவரை அடக்க இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>மருத்துவச் சிகிச்சைக்கும் அறுவைச் சிகிச்சைக்கும் இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>மங்கல நிகழ்ச்சிகளுக்கும் விழாக்களுக்கும் இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>பயணத்துக்கும் வாகனம் வாங்குவதற்கும் இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>தற்காப்பை வலுப்படுத்திப் போருக்குத் தயாராக இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>இது அழிவும் வன்முறையும் கொண்ட திதி.</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>சமயக் காரியங்களுக்கு இது உகந்த நேரம்.</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>இது உபவாசம் இருந்து இறைவனை நினைக்கும் நாள்.</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>சமயச் சடங்குகளுக்கும் ஹோமத் தீ மூட்டுவதற்கும் இது உகந்த நாள்.</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>புதிய உறவுகளைத் தொடங்க இது உகந்த நாள்.</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>இது ஆவிகளுக்குரிய நாள்.</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>இது கடுமையான விரதங்களும் தவச் சடங்குகளும் செய்யும் நாள்.</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>அசுபம்</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>அசுப திதி எல்லா வகையான பொருள் இழப்புகளையும் தனிப்பட்ட இழப்புகளையும் தரும். பாவ கிரகங்களின் விளைவால் ஜாதகர் உடல்நலக் குறைவாலும் பணப் பிரச்சினைகளாலும் அவதிப்படுவார்; சுற்றியுள்ள அனைவருடனும் தொல்லைகளும் சண்டைகளும் ஏற்படும்.</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>எந்தக் காரியமும் நிறைவேறுவதில் காலமே மிக வலிமையான காரணி. தகுந்த சுப காலம் வருவதற்கு முன் எதுவும் நடப்பதில்லை. சுப திதி சரியான நேரத்தில் சரியான காரியத்தைச் செய்யும் வாய்ப்பைத் தருகிறது; அதனால் ஜாதகரின் முன்னேற்றம், நலம், மகிழ்ச்சி ஆகியவற்றுக்கு மிகுந்த பயன் கிடைக்கும்.</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>மகர சங்கராந்தி</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>லோஹ்ரி</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>தைப்பொங்கல்</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>விஷு</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>வைசாகி</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ஓணம் (திருவோணம்)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>யுகாதி / குடி பட்வா</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>ஸ்ரீ ராம நவமி</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>அனுமன் ஜயந்தி</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>அட்சய திருதியை</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>புத்த பூர்ணிமா</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>ரத யாத்திரை</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>குரு பூர்ணிமா</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>நாக பஞ்சமி</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>ரக்ஷா பந்தன்</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>கிருஷ்ண ஜயந்தி (கோகுலாஷ்டமி)</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>விநாயகர் சதுர்த்தி</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>அனந்த சதுர்த்தசி</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>மகாளய பட்சம் தொடக்கம்</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>மகாளய அமாவாசை</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>நவராத்திரி தொடக்கம்</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>துர்காஷ்டமி</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>மகா நவமி (சரஸ்வதி பூஜை)</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>விஜயதசமி</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>சரத் பூர்ணிமா</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>கர்வா சௌத்</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>தன திரயோதசி</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>நரக சதுர்த்தசி</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>தீபாவளி (லட்சுமி பூஜை)</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>கோவர்த்தன பூஜை</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>யம துவிதியை (பாய் தூஜ்)</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>சட் பூஜை</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>கார்த்திக பூர்ணிமா</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>விவாக பஞ்சமி</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>கீதா ஜயந்தி</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>வசந்த பஞ்சமி</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>மகா சிவராத்திரி</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>ஹோலிகா தகனம்</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>ஹோலி</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>மேஷ சங்கராந்தி</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>ரிஷப சங்கராந்தி</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>மிதுன சங்கராந்தி</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>கடக சங்கராந்தி</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>சிம்ம சங்கராந்தி</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>கன்னி சங்கராந்தி</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>துலா சங்கராந்தி</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>விருச்சிக சங்கராந்தி</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>தனுசு சங்கராந்தி</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>மகர சங்கராந்தி</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>கும்ப சங்கராந்தி</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>மீன சங்கராந்தி</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>பாபமோசனி ஏகாதசி</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>காமதா ஏகாதசி</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>வரூதினி ஏகாதசி</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>மோகினி ஏகாதசி</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>அபரா ஏகாதசி</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>நிர்ஜலா ஏகாதசி</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>யோகினி ஏகாதசி</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>தேவசயனி ஏகாதசி</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>காமிகா ஏகாதசி</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>சிராவண புத்திரதா ஏகாதசி</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>அஜா ஏகாதசி</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>பார்சுவ (பரிவர்த்தினி) ஏகாதசி</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>இந்திரா ஏகாதசி</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>பாபாங்குசா ஏகாதசி</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>ரமா ஏகாதசி</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>உத்தான (பிரபோதினி) ஏகாதசி</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>உத்பன்னா ஏகாதசி</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>மோட்சதா ஏகாதசி</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>சபலா ஏகாதசி</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>பௌஷ புத்திரதா ஏகாதசி</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>ஷட்திலா ஏகாதசி</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>ஜயா ஏகாதசி</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>விஜயா ஏகாதசி</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>ஆமலகி ஏகாதசி</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>பத்மினி (கமலா) ஏகாதசி</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>பரமா ஏகாதசி</translation>
    </message>
</context>
</TS>
