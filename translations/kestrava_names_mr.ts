<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Marathi names of the panchanga, spelled in the forms Marathi almanacs use: tithis, pakshas (shuddha/vadya), nakshatras (मृग, पूर्वा, उत्तरा, स्वाती, मूळ, शततारका), yogas, karanas, varas, months, rashis, samvatsaras, choghadiya, ritus and ayanas; festivals (context FestivalNames) by their Marathi names, e.g. गुढीपाडवा, कोजागरी पौर्णिमा, भाऊबीज. The names of the Diwali days (धनत्रयोदशी, नरकचतुर्दशी, लक्ष्मीपूजन) were checked against the Diwali list of e-abhivyakti.com; the other names were not checked against a printed almanac. -->
<TS version="2.1" language="mr_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>प्रतिपदा</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>द्वितीया</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>तृतीया</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>चतुर्थी</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>पंचमी</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>षष्ठी</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>सप्तमी</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>अष्टमी</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>नवमी</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>दशमी</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>द्वादशी</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>त्रयोदशी</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>चतुर्दशी</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>पौर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>अमावास्या</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>शुद्ध</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>वद्य</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>किंस्तुघ्न</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>बव</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>बालव</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>कौलव</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>तैतिल</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>गरज</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>वणिज</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>विष्टि</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>शकुनि</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>चतुष्पाद</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>नाग</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>मृग</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>पुनर्वसू</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>पूर्वा</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>उत्तरा</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>स्वाती</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>मूळ</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>पूर्वाषाढा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>उत्तराषाढा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>शततारका</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>पूर्वाभाद्रपदा</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>उत्तराभाद्रपदा</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>रेवती</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>विष्कंभ</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>प्रीति</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>आयुष्मान</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>सौभाग्य</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>शोभन</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>अतिगंड</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>सुकर्मा</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>धृति</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>शूल</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>गंड</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>वृद्धि</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ध्रुव</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>व्याघात</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>हर्षण</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>वज्र</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>सिद्धि</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>व्यतीपात</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>वरीयान</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>परिघ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>शिव</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>सिद्ध</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>साध्य</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>शुक्ल</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>ब्रह्म</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ऐंद्र</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>वैधृति</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>मंगळवार</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>चैत्र</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>वैशाख</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>ज्येष्ठ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>आषाढ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>श्रावण</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>भाद्रपद</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>आश्विन</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>कार्तिक</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>मार्गशीर्ष</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>पौष</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>माघ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>फाल्गुन</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>तूळ</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>केतू</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>रवि</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>राहू</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>अग्नि</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>ब्रह्मा</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>गौरी</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>गणेश</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>नाग</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>कार्तिकेय</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>शिव</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>दुर्गा</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>यम</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>विश्वेदेव</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>विष्णु</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>कामदेव</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>पितर</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>नंदा</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>भद्रा</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>जया</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>रिक्ता</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>पूर्णा</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>दशमी</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>द्वादशी</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>त्रयोदशी</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>उद्वेग</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>चल</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>लाभ</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>अमृत</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>काळ</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>रोग</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>वसंत</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>ग्रीष्म</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>वर्षा</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>शरद</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>हेमंत</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>शिशिर</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>उत्तरायण</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>दक्षिणायन</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>प्रभव</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>विभव</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>शुक्ल</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>प्रमोद</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>प्रजापती</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>अंगिरा</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>श्रीमुख</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>युवा</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>धाता</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ईश्वर</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>बहुधान्य</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>प्रमाथी</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>विक्रम</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>वृष</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>चित्रभानू</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>सुभानू</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>तारण</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>पार्थिव</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>व्यय</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>सर्वजित्</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>सर्वधारी</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>विरोधी</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>विकृती</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>खर</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>नंदन</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>विजय</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>जय</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>मन्मथ</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>दुर्मुख</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>हेमलंबी</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>विलंबी</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>विकारी</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>शार्वरी</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>प्लव</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>शुभकृत्</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>शोभन</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>क्रोधी</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>विश्वावसू</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>पराभव</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>प्लवंग</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>कीलक</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>सौम्य</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>साधारण</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>विरोधकृत्</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>परिधावी</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>प्रमादी</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>आनंद</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>राक्षस</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>नल</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>पिंगल</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>कालयुक्त</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>सिद्धार्थी</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>रौद्र</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>दुर्मती</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>दुंदुभी</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>रुधिरोद्गारी</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>रक्ताक्षी</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>क्रोधन</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>क्षय</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>वृद्धी (वाढ)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>शुभ घटना</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>शक्ती देणारी</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>खला (दुष्ट)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>लक्ष्मी (धन)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>कीर्ती देणारी</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>मैत्रीपूर्ण</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>संघर्ष</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>उग्र</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>सौम्य</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>आनंद</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>कीर्ती आणि सद्गुण</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>विजय</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>ही तिथी सर्व शुभ आणि धार्मिक कार्यांसाठी चांगली आहे.</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>ही तिथी भक्कम पाया घालून बांधकाम सुरू करण्यासाठी चांगली आहे.</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>ही तिथी केस कापण्यासाठी आणि क्षौरकर्मासाठी चांगली आहे.</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>शत्रूचा नायनाट करण्यासाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>वैद्यकीय उपचार आणि शस्त्रक्रियेसाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>मंगल प्रसंग आणि उत्सवांसाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>प्रवास आणि वाहनखरेदीसाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>आपले संरक्षण भक्कम करून युद्धाची तयारी करण्यासाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>ही विनाश आणि हिंसेची तिथी आहे.</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>धार्मिक कार्यांसाठी ही चांगली वेळ आहे.</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>हा उपवासाचा आणि परमेश्वराच्या स्मरणाचा दिवस आहे.</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>धार्मिक विधी आणि पवित्र अग्नी प्रज्वलित करण्यासाठी हा चांगला दिवस आहे.</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>नवी नाती जोडण्यासाठी हा चांगला दिवस आहे.</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>हा भूतप्रेतांचा दिवस आहे.</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>हा तपाचा आणि कठोर व्रतांचा दिवस आहे.</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>अशुभ</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>अशुभ तिथी सर्व प्रकारची आर्थिक तसेच वैयक्तिक हानी घडवते. अशुभ ग्रहांच्या प्रभावामुळे जातकाला आजारपण आणि पैशाच्या अडचणी सोसाव्या लागतात, आणि आजूबाजूच्या सर्वांशी त्याचे मतभेद व भांडणे होतात.</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>कोणतेही कार्य सिद्धीस जाण्यात वेळ हा सर्वांत प्रबळ घटक आहे. योग्य आणि शुभ वेळ आल्याशिवाय काहीही घडत नाही. शुभ तिथी योग्य वेळी योग्य कार्य करण्याची संधी देते, ज्यामुळे जातकाची प्रगती, कल्याण आणि सुख यांसाठी सर्वाधिक लाभ मिळतो.</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>मकर संक्रांत</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>लोहडी</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>पोंगल</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>विषु</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>बैसाखी</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ओणम (तिरुवोणम)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>गुढीपाडवा / उगादी</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>रामनवमी</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>हनुमान जयंती</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>अक्षय्य तृतीया</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>बुद्ध पौर्णिमा</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>रथयात्रा</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>गुरुपौर्णिमा</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>नागपंचमी</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>रक्षाबंधन</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>गोकुळाष्टमी (श्रीकृष्ण जयंती)</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>गणेश चतुर्थी</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>अनंत चतुर्दशी</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>पितृपक्ष प्रारंभ</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>सर्वपित्री अमावास्या</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>घटस्थापना (नवरात्रारंभ)</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>दुर्गाष्टमी</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>महानवमी</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>विजयादशमी (दसरा)</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>कोजागरी पौर्णिमा</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>करवा चौथ</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>धनत्रयोदशी</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>नरक चतुर्दशी</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>लक्ष्मीपूजन</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>बलिप्रतिपदा (गोवर्धन पूजा)</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>भाऊबीज</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>छठ पूजा</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>त्रिपुरारी पौर्णिमा</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>विवाह पंचमी</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>गीता जयंती</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>वसंत पंचमी</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>महाशिवरात्र</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>होळी (होलिकादहन)</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>धूलिवंदन</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>मेष संक्रांती</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>वृषभ संक्रांती</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>मिथुन संक्रांती</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>कर्क संक्रांती</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>सिंह संक्रांती</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>कन्या संक्रांती</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>तूळ संक्रांती</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>वृश्चिक संक्रांती</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>धनु संक्रांती</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>मकर संक्रांती</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>कुंभ संक्रांती</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>मीन संक्रांती</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>पापमोचनी एकादशी</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>कामदा एकादशी</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>वरूथिनी एकादशी</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>मोहिनी एकादशी</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>अपरा एकादशी</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>निर्जला एकादशी</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>योगिनी एकादशी</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>आषाढी एकादशी (देवशयनी)</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>कामिका एकादशी</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>श्रावण पुत्रदा एकादशी</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>अजा एकादशी</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>परिवर्तिनी एकादशी</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>इंदिरा एकादशी</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>पाशांकुशा एकादशी</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>रमा एकादशी</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>कार्तिकी एकादशी (प्रबोधिनी)</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>उत्पत्ती एकादशी</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>मोक्षदा एकादशी</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>सफला एकादशी</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>पौष पुत्रदा एकादशी</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>षट्तिला एकादशी</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>जया एकादशी</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>विजया एकादशी</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>आमलकी एकादशी</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>पद्मिनी (कमला) एकादशी</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>परमा एकादशी</translation>
    </message>
</context>
</TS>
