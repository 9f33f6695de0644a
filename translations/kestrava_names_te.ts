<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
Telugu names of the panchanga, spelled as Telugu panchangams print them
(తిథి, వారం, నక్షత్రం, యోగం, కరణం): the tithis as పాడ్యమి, విదియ, తదియ, చవితి …
పౌర్ణమి, అమావాస్య; the stars as పుష్యమి, మఖ, పుబ్బ, ఉత్తర, చిత్త; the karanas
as బవ … కింస్తుఘ్నం; the sixty years from ప్రభవ to అక్షయ; the festivals by their
Telugu names (ఉగాది, వినాయక చవితి, రాఖీ పౌర్ణమి, తొలి ఏకాదశి).
The opening samvatsara names were compared with the "Telugu years" list
(wikimili.com) and the Telugu year-name page of hindutemplenews.in; the other
names were not checked against a published list.
-->
<TS version="2.1" language="te_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>పాడ్యమి</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>విదియ</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>తదియ</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>చవితి</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>పంచమి</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>షష్ఠి</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>సప్తమి</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>అష్టమి</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>నవమి</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>దశమి</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>ఏకాదశి</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>ద్వాదశి</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>త్రయోదశి</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>చతుర్దశి</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>పౌర్ణమి</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>అమావాస్య</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>శుక్ల</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>కృష్ణ</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>కింస్తుఘ్నం</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>బవ</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>బాలవ</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>కౌలవ</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>తైతుల</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>గరజి</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>వణిజ</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>విష్టి</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>శకుని</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>చతుష్పాత్</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>నాగవం</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>అశ్విని</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>భరణి</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>కృత్తిక</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>రోహిణి</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>మృగశిర</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>ఆర్ద్ర</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>పునర్వసు</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>పుష్యమి</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>ఆశ్లేష</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>మఖ</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>పుబ్బ</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>ఉత్తర</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>హస్త</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>చిత్త</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>స్వాతి</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>విశాఖ</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>అనూరాధ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>జ్యేష్ఠ</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>మూల</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>పూర్వాషాఢ</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>ఉత్తరాషాఢ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>శ్రవణం</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>ధనిష్ఠ</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>శతభిషం</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>పూర్వాభాద్ర</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>ఉత్తరాభాద్ర</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>రేవతి</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>విష్కంభం</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>ప్రీతి</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>ఆయుష్మాన్</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>సౌభాగ్యం</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>శోభనం</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>అతిగండం</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>సుకర్మ</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>ధృతి</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>శూలం</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>గండం</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>వృద్ధి</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ధ్రువం</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>వ్యాఘాతం</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>హర్షణం</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>వజ్రం</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>సిద్ధి</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>వ్యతీపాతం</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>వరీయాన్</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>పరిఘం</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>శివం</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>సిద్ధం</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>సాధ్యం</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>శుభం</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>శుక్లం</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>బ్రహ్మం</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ఐంద్రం</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>వైధృతి</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>ఆదివారం</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>సోమవారం</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>మంగళవారం</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>బుధవారం</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>గురువారం</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>శుక్రవారం</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>శనివారం</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>చైత్ర</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>వైశాఖ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>జ్యేష్ఠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>ఆషాఢ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>శ్రావణ</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>భాద్రపద</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>ఆశ్వయుజ</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>కార్తీక</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>మార్గశిర</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>పుష్య</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>మాఘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>ఫాల్గుణ</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>మేషం</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>వృషభం</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>కర్కాటకం</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>సింహం</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>ధనుస్సు</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>మీనం</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>కేతువు</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>శుక్రుడు</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>సూర్యుడు</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>చంద్రుడు</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>కుజుడు</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>రాహువు</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>గురువు</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>శని</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>బుధుడు</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>అగ్ని</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>బ్రహ్మ</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>గౌరి</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>వినాయకుడు</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>నాగదేవతలు</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>కుమారస్వామి</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>సూర్యుడు</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>శివుడు</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>దుర్గ</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>యముడు</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>విశ్వేదేవులు</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>విష్ణువు</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>మన్మథుడు</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>చంద్రుడు</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>పితృదేవతలు</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>నంద</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>భద్ర</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>జయ</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>రిక్త</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>పూర్ణ</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>దశమి</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>ఏకాదశి</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>ద్వాదశి</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>త్రయోదశి</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>ఉద్వేగ</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>చర</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>లాభ</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>అమృత</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>కాల</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>శుభ</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>రోగ</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>వసంత</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>గ్రీష్మ</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>వర్ష</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>శరత్</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>హేమంత</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>శిశిర</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>ఉత్తరాయణం</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>దక్షిణాయనం</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>ప్రభవ</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>విభవ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>శుక్ల</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>ప్రమోదూత</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>ప్రజోత్పత్తి</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>ఆంగీరస</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>శ్రీముఖ</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>భావ</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>యువ</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>ధాత</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ఈశ్వర</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>బహుధాన్య</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>ప్రమాది</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>విక్రమ</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>వృష</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>చిత్రభాను</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>స్వభాను</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>తారణ</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>పార్థివ</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>వ్యయ</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>సర్వజిత్</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>సర్వధారి</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>విరోధి</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>వికృతి</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>ఖర</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>నందన</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>విజయ</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>జయ</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>మన్మథ</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>దుర్ముఖి</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>హేవిళంబి</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>విళంబి</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>వికారి</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>శార్వరి</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>ప్లవ</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>శుభకృత్</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>శోభకృత్</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>క్రోధి</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>విశ్వావసు</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>పరాభవ</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>ప్లవంగ</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>కీలక</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>సౌమ్య</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>సాధారణ</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>విరోధికృత్</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>పరీధావి</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>ప్రమాదీచ</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>ఆనంద</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>రాక్షస</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>నల</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>పింగళ</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>కాళయుక్తి</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>సిద్ధార్థి</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>రౌద్రి</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>దుర్మతి</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>దుందుభి</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>రుధిరోద్గారి</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>రక్తాక్షి</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>క్రోధన</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>అక్షయ</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>వృద్ధి (పెరుగుదల)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>శుభ సంఘటనలు</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>బలాన్నిచ్చేది</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>ఖల (దుష్టం)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>లక్ష్మి (సంపద)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>కీర్తినిచ్చేది</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>స్నేహపూర్వకం</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>కలహం</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>ఉగ్రం</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>సౌమ్యం</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>భోగాలు</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>కీర్తి, సద్గుణాలు</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>విజయం</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>ఇది అన్ని శుభకార్యాలకు, ధార్మిక కార్యాలకు మంచిది.</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>గట్టి పునాదితో నిర్మాణ పనులు ప్రారంభించడానికి ఇది మంచిది.</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>క్షవరానికి, జుట్టు కత్తిరించుకోవడానికి ఇది మంచిది.</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>శత్రువును అంతం చేయడానికి ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>వైద్య చికిత్సకు, శస్త్రచికిత్సకు ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>శుభకార్యాలకు, ఉత్సవాలకు ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>ప్రయాణాలకు, వాహనాలు కొనడానికి ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>మీ రక్షణను బలపరచుకొని యుద్ధానికి సిద్ధపడడానికి ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>ఇది వినాశం, హింసల తిథి.</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>ధార్మిక కార్యాలకు ఇది మంచి సమయం.</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>ఇది ఉపవాసం ఉండి భగవంతుని స్మరించే రోజు.</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>ధార్మిక క్రతువులకు, హోమాగ్ని వెలిగించడానికి ఇది మంచి రోజు.</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>కొత్త సంబంధాలు మొదలుపెట్టడానికి ఇది మంచి రోజు.</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>ఇది భూతప్రేతాల రోజు.</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>ఇది కఠినమైన వ్రతాలు, తపస్సు చేసే రోజు.</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>శుభం</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>అశుభం</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>అశుభ తిథి అన్ని రకాల ఆర్థిక నష్టాలను, వ్యక్తిగత నష్టాలను తెస్తుంది. పాప గ్రహాల ప్రభావం వల్ల జాతకుడు అనారోగ్యంతో, డబ్బు సమస్యలతో బాధపడతాడు; చుట్టూ ఉన్న అందరితో ఇబ్బందులు, గొడవలు ఎదురవుతాయి.</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>ఏ పని నెరవేరడానికైనా కాలమే అత్యంత బలమైన కారణం. తగిన శుభ సమయం రాకముందు ఏదీ జరగదు. శుభ తిథి సరైన సమయంలో సరైన పని చేసే అవకాశాన్ని ఇస్తుంది; దానివల్ల జాతకుని అభివృద్ధికి, క్షేమానికి, సుఖానికి ఎక్కువ మేలు కలుగుతుంది.</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>మకర సంక్రాంతి</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>లోహ్రీ</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>తై పొంగల్</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>విషు</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>బైసాఖీ</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ఓణం (తిరువోణం)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>ఉగాది</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>శ్రీరామ నవమి</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>హనుమాన్ జయంతి</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>అక్షయ తృతీయ</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>బుద్ధ పూర్ణిమ</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>రథయాత్ర</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>గురు పూర్ణిమ</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>నాగ పంచమి</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>రాఖీ పౌర్ణమి</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>శ్రీకృష్ణ జన్మాష్టమి</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>వినాయక చవితి</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>అనంత చతుర్దశి</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>మహాలయ పక్షం ప్రారంభం</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>మహాలయ అమావాస్య</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>దేవీ నవరాత్రులు ప్రారంభం</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>దుర్గాష్టమి</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>మహర్నవమి</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>విజయదశమి (దసరా)</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>శరత్ పూర్ణిమ</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>కర్వా చౌథ్</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>ధన త్రయోదశి</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>నరక చతుర్దశి</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>దీపావళి (లక్ష్మీ పూజ)</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>బలి పాడ్యమి (గోవర్ధన పూజ)</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>యమ ద్వితీయ (భగినీ హస్త భోజనం)</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>ఛఠ్ పూజ</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>కార్తీక పౌర్ణమి</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>వివాహ పంచమి</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>గీతా జయంతి</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>శ్రీ పంచమి (వసంత పంచమి)</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>మహా శివరాత్రి</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>కామ దహనం (హోలికా దహనం)</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>హోళీ</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>మేష సంక్రాంతి</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>వృషభ సంక్రాంతి</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>మిథున సంక్రాంతి</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>కర్కాటక సంక్రాంతి</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>సింహ సంక్రాంతి</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>కన్యా సంక్రాంతి</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>తులా సంక్రాంతి</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>వృశ్చిక సంక్రాంతి</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>ధనుస్సంక్రాంతి</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>మకర సంక్రాంతి</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>కుంభ సంక్రాంతి</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>మీన సంక్రాంతి</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>పాపవిమోచని ఏకాదశి</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>కామదా ఏకాదశి</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>వరూథిని ఏకాదశి</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>మోహినీ ఏకాదశి</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>అపర ఏకాదశి</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>నిర్జల ఏకాదశి</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>యోగినీ ఏకాదశి</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>తొలి ఏకాదశి (శయన ఏకాదశి)</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>కామికా ఏకాదశి</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>శ్రావణ పుత్రదా ఏకాదశి</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>అజ ఏకాదశి</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>పరివర్తన ఏకాదశి</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>ఇందిరా ఏకాదశి</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>పాశాంకుశ ఏకాదశి</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>రమా ఏకాదశి</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>ఉత్థాన ఏకాదశి (ప్రబోధిని ఏకాదశి)</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>ఉత్పన్న ఏకాదశి</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>మోక్షద ఏకాదశి</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>సఫల ఏకాదశి</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>పుష్య పుత్రదా ఏకాదశి</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>షట్తిల ఏకాదశి</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>జయ ఏకాదశి</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>విజయ ఏకాదశి</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>ఆమలకీ ఏకాదశి</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>పద్మిని ఏకాదశి (కమల ఏకాదశి)</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>పరమ ఏకాదశి</translation>
    </message>
</context>
</TS>
