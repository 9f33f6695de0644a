<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Bengali names of the panchanga, as Bengali panjikas print them (প্রতিপদ, অমাবস্যা; পুষ্যা, অশ্লেষা, হস্তা, মূলা, শ্রবণা, পূর্বভাদ্রপদ; বৃষ, কর্কট; বৃহস্পতিবার; ভাদ্র, অগ্রহায়ণ). Tithis, nakshatras, yogas and karanas were checked against the day-by-day panjika tables of usingha.com (its year pages, 'sal') and the nakshatra names in Anandabazar Patrika's astrology pages. The samvatsaras, ritus (শীত for Shishira), choghadiya parts and the festivals (FestivalNames: মহালয়া, মহাষ্টমী, ভাইফোঁটা, কোজাগরী পূর্ণিমা) were written later from common Bengali usage and not checked against a list. -->
<TS version="2.1" language="bn_IN">
<context>
    <name>Panchanga</name>
    <message>
        <source>Pratipada</source>
        <comment>tithi</comment>
        <translation>প্রতিপদ</translation>
    </message>
    <message>
        <source>Dvitiya</source>
        <comment>tithi</comment>
        <translation>দ্বিতীয়া</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <comment>tithi</comment>
        <translation>তৃতীয়া</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <comment>tithi</comment>
        <translation>চতুর্থী</translation>
    </message>
    <message>
        <source>Panchami</source>
        <comment>tithi</comment>
        <translation>পঞ্চমী</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <comment>tithi</comment>
        <translation>ষষ্ঠী</translation>
    </message>
    <message>
        <source>Saptami</source>
        <comment>tithi</comment>
        <translation>সপ্তমী</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <comment>tithi</comment>
        <translation>অষ্টমী</translation>
    </message>
    <message>
        <source>Navami</source>
        <comment>tithi</comment>
        <translation>নবমী</translation>
    </message>
    <message>
        <source>Dasami</source>
        <comment>tithi</comment>
        <translation>দশমী</translation>
    </message>
    <message>
        <source>Ekadasi</source>
        <comment>tithi</comment>
        <translation>একাদশী</translation>
    </message>
    <message>
        <source>Dwadasi</source>
        <comment>tithi</comment>
        <translation>দ্বাদশী</translation>
    </message>
    <message>
        <source>Trayodasi</source>
        <comment>tithi</comment>
        <translation>ত্রয়োদশী</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <comment>tithi</comment>
        <translation>চতুর্দশী</translation>
    </message>
    <message>
        <source>Purnima</source>
        <comment>tithi</comment>
        <translation>পূর্ণিমা</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <comment>tithi</comment>
        <translation>অমাবস্যা</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>paksha</comment>
        <translation>শুক্ল</translation>
    </message>
    <message>
        <source>Krishna</source>
        <comment>paksha</comment>
        <translation>কৃষ্ণ</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <comment>karana</comment>
        <translation>কিংস্তুঘ্ন</translation>
    </message>
    <message>
        <source>Bava</source>
        <comment>karana</comment>
        <translation>বব</translation>
    </message>
    <message>
        <source>Balava</source>
        <comment>karana</comment>
        <translation>বালব</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <comment>karana</comment>
        <translation>কৌলব</translation>
    </message>
    <message>
        <source>Taitila</source>
        <comment>karana</comment>
        <translation>তৈতিল</translation>
    </message>
    <message>
        <source>Garaja</source>
        <comment>karana</comment>
        <translation>গর</translation>
    </message>
    <message>
        <source>Vanija</source>
        <comment>karana</comment>
        <translation>বণিজ</translation>
    </message>
    <message>
        <source>Vishti</source>
        <comment>karana</comment>
        <translation>বিষ্টি</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <comment>karana</comment>
        <translation>শকুনি</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <comment>karana</comment>
        <translation>চতুষ্পদ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>karana</comment>
        <translation>নাগ</translation>
    </message>
    <message>
        <source>Ashvini</source>
        <comment>nakshatra</comment>
        <translation>অশ্বিনী</translation>
    </message>
    <message>
        <source>Bharani</source>
        <comment>nakshatra</comment>
        <translation>ভরণী</translation>
    </message>
    <message>
        <source>Krittika</source>
        <comment>nakshatra</comment>
        <translation>কৃত্তিকা</translation>
    </message>
    <message>
        <source>Rohini</source>
        <comment>nakshatra</comment>
        <translation>রোহিণী</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <comment>nakshatra</comment>
        <translation>মৃগশিরা</translation>
    </message>
    <message>
        <source>Ardra</source>
        <comment>nakshatra</comment>
        <translation>আর্দ্রা</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <comment>nakshatra</comment>
        <translation>পুনর্বসু</translation>
    </message>
    <message>
        <source>Pushya</source>
        <comment>nakshatra</comment>
        <translation>পুষ্যা</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <comment>nakshatra</comment>
        <translation>অশ্লেষা</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>nakshatra</comment>
        <translation>মঘা</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <comment>nakshatra</comment>
        <translation>পূর্বফাল্গুনী</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <comment>nakshatra</comment>
        <translation>উত্তরফাল্গুনী</translation>
    </message>
    <message>
        <source>Hasta</source>
        <comment>nakshatra</comment>
        <translation>হস্তা</translation>
    </message>
    <message>
        <source>Chitra</source>
        <comment>nakshatra</comment>
        <translation>চিত্রা</translation>
    </message>
    <message>
        <source>Swati</source>
        <comment>nakshatra</comment>
        <translation>স্বাতী</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <comment>nakshatra</comment>
        <translation>বিশাখা</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <comment>nakshatra</comment>
        <translation>অনুরাধা</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>nakshatra</comment>
        <translation>জ্যেষ্ঠা</translation>
    </message>
    <message>
        <source>Mula</source>
        <comment>nakshatra</comment>
        <translation>মূলা</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <comment>nakshatra</comment>
        <translation>পূর্বাষাঢ়া</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <comment>nakshatra</comment>
        <translation>উত্তরাষাঢ়া</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>nakshatra</comment>
        <translation>শ্রবণা</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <comment>nakshatra</comment>
        <translation>ধনিষ্ঠা</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <comment>nakshatra</comment>
        <translation>শতভিষা</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>পূর্বভাদ্রপদ</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <comment>nakshatra</comment>
        <translation>উত্তরভাদ্রপদ</translation>
    </message>
    <message>
        <source>Revati</source>
        <comment>nakshatra</comment>
        <translation>রেবতী</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <comment>yoga</comment>
        <translation>বিষ্কুম্ভ</translation>
    </message>
    <message>
        <source>Priti</source>
        <comment>yoga</comment>
        <translation>প্রীতি</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <comment>yoga</comment>
        <translation>আয়ুষ্মান</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <comment>yoga</comment>
        <translation>সৌভাগ্য</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <comment>yoga</comment>
        <translation>শোভন</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <comment>yoga</comment>
        <translation>অতিগণ্ড</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <comment>yoga</comment>
        <translation>সুকর্মা</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <comment>yoga</comment>
        <translation>ধৃতি</translation>
    </message>
    <message>
        <source>Shula</source>
        <comment>yoga</comment>
        <translation>শূল</translation>
    </message>
    <message>
        <source>Ganda</source>
        <comment>yoga</comment>
        <translation>গণ্ড</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <comment>yoga</comment>
        <translation>বৃদ্ধি</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <comment>yoga</comment>
        <translation>ধ্রুব</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <comment>yoga</comment>
        <translation>ব্যাঘাত</translation>
    </message>
    <message>
        <source>Harshana</source>
        <comment>yoga</comment>
        <translation>হর্ষণ</translation>
    </message>
    <message>
        <source>Vajra</source>
        <comment>yoga</comment>
        <translation>বজ্র</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <comment>yoga</comment>
        <translation>সিদ্ধি</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <comment>yoga</comment>
        <translation>ব্যতীপাত</translation>
    </message>
    <message>
        <source>Variyana</source>
        <comment>yoga</comment>
        <translation>বরীয়ান</translation>
    </message>
    <message>
        <source>Parigha</source>
        <comment>yoga</comment>
        <translation>পরিঘ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>yoga</comment>
        <translation>শিব</translation>
    </message>
    <message>
        <source>Siddha</source>
        <comment>yoga</comment>
        <translation>সিদ্ধ</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <comment>yoga</comment>
        <translation>সাধ্য</translation>
    </message>
    <message>
        <source>Shubha</source>
        <comment>yoga</comment>
        <translation>শুভ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>yoga</comment>
        <translation>শুক্ল</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>yoga</comment>
        <translation>ব্রহ্ম</translation>
    </message>
    <message>
        <source>Indra</source>
        <comment>yoga</comment>
        <translation>ইন্দ্র</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <comment>yoga</comment>
        <translation>বৈধৃতি</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <comment>vara</comment>
        <translation>রবিবার</translation>
    </message>
    <message>
        <source>Somavara</source>
        <comment>vara</comment>
        <translation>সোমবার</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <comment>vara</comment>
        <translation>মঙ্গলবার</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <comment>vara</comment>
        <translation>বুধবার</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <comment>vara</comment>
        <translation>বৃহস্পতিবার</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <comment>vara</comment>
        <translation>শুক্রবার</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <comment>vara</comment>
        <translation>শনিবার</translation>
    </message>
    <message>
        <source>Chaitra</source>
        <comment>masa</comment>
        <translation>চৈত্র</translation>
    </message>
    <message>
        <source>Vaishakha</source>
        <comment>masa</comment>
        <translation>বৈশাখ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <comment>masa</comment>
        <translation>জ্যৈষ্ঠ</translation>
    </message>
    <message>
        <source>Ashadha</source>
        <comment>masa</comment>
        <translation>আষাঢ়</translation>
    </message>
    <message>
        <source>Shravana</source>
        <comment>masa</comment>
        <translation>শ্রাবণ</translation>
    </message>
    <message>
        <source>Bhadrapada</source>
        <comment>masa</comment>
        <translation>ভাদ্র</translation>
    </message>
    <message>
        <source>Ashvin</source>
        <comment>masa</comment>
        <translation>আশ্বিন</translation>
    </message>
    <message>
        <source>Kartika</source>
        <comment>masa</comment>
        <translation>কার্তিক</translation>
    </message>
    <message>
        <source>Margashirsha</source>
        <comment>masa</comment>
        <translation>অগ্রহায়ণ</translation>
    </message>
    <message>
        <source>Pausha</source>
        <comment>masa</comment>
        <translation>পৌষ</translation>
    </message>
    <message>
        <source>Magha</source>
        <comment>masa</comment>
        <translation>মাঘ</translation>
    </message>
    <message>
        <source>Phalguna</source>
        <comment>masa</comment>
        <translation>ফাল্গুন</translation>
    </message>
    <message>
        <source>Mesha</source>
        <comment>rashi</comment>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <comment>rashi</comment>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <comment>rashi</comment>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Karka</source>
        <comment>rashi</comment>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Simha</source>
        <comment>rashi</comment>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <comment>rashi</comment>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Tula</source>
        <comment>rashi</comment>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Vrishchika</source>
        <comment>rashi</comment>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Dhanu</source>
        <comment>rashi</comment>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Makara</source>
        <comment>rashi</comment>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <comment>rashi</comment>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Mina</source>
        <comment>rashi</comment>
        <translation>মীন</translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>planet</comment>
        <translation>কেতু</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>planet</comment>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>planet</comment>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>planet</comment>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>planet</comment>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>planet</comment>
        <translation>রাহু</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>planet</comment>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>planet</comment>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>planet</comment>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Agni</source>
        <comment>tithi lord</comment>
        <translation>অগ্নি</translation>
    </message>
    <message>
        <source>Brahma</source>
        <comment>tithi lord</comment>
        <translation>ব্রহ্মা</translation>
    </message>
    <message>
        <source>Gauri</source>
        <comment>tithi lord</comment>
        <translation>গৌরী</translation>
    </message>
    <message>
        <source>Ganesha</source>
        <comment>tithi lord</comment>
        <translation>গণেশ</translation>
    </message>
    <message>
        <source>Naga</source>
        <comment>tithi lord</comment>
        <translation>নাগ</translation>
    </message>
    <message>
        <source>Kartikeya</source>
        <comment>tithi lord</comment>
        <translation>কার্তিকেয়</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>tithi lord</comment>
        <translation>সূর্য</translation>
    </message>
    <message>
        <source>Shiva</source>
        <comment>tithi lord</comment>
        <translation>শিব</translation>
    </message>
    <message>
        <source>Durga</source>
        <comment>tithi lord</comment>
        <translation>দুর্গা</translation>
    </message>
    <message>
        <source>Yama</source>
        <comment>tithi lord</comment>
        <translation>যম</translation>
    </message>
    <message>
        <source>Vishwadeva</source>
        <comment>tithi lord</comment>
        <translation>বিশ্বদেব</translation>
    </message>
    <message>
        <source>Vishnu</source>
        <comment>tithi lord</comment>
        <translation>বিষ্ণু</translation>
    </message>
    <message>
        <source>Kamadeva</source>
        <comment>tithi lord</comment>
        <translation>কামদেব</translation>
    </message>
    <message>
        <source>Moon</source>
        <comment>tithi lord</comment>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Pitara</source>
        <comment>tithi lord</comment>
        <translation>পিতৃগণ</translation>
    </message>
    <message>
        <source>Nanda</source>
        <comment>tithi group</comment>
        <translation>নন্দা</translation>
    </message>
    <message>
        <source>Bhadra</source>
        <comment>tithi group</comment>
        <translation>ভদ্রা</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>tithi group</comment>
        <translation>জয়া</translation>
    </message>
    <message>
        <source>Rikta</source>
        <comment>tithi group</comment>
        <translation>রিক্তা</translation>
    </message>
    <message>
        <source>Poorna</source>
        <comment>tithi group</comment>
        <translation>পূর্ণা</translation>
    </message>
    <message>
        <source>Dashami</source>
        <comment>tithi</comment>
        <translation>দশমী</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <comment>tithi</comment>
        <translation>একাদশী</translation>
    </message>
    <message>
        <source>Dvadashi</source>
        <comment>tithi</comment>
        <translation>দ্বাদশী</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <comment>tithi</comment>
        <translation>ত্রয়োদশী</translation>
    </message>
    <message>
        <source>Udveg</source>
        <comment>choghadiya</comment>
        <translation>উদ্বেগ</translation>
    </message>
    <message>
        <source>Char</source>
        <comment>choghadiya</comment>
        <translation>চর</translation>
    </message>
    <message>
        <source>Labh</source>
        <comment>choghadiya</comment>
        <translation>লাভ</translation>
    </message>
    <message>
        <source>Amrit</source>
        <comment>choghadiya</comment>
        <translation>অমৃত</translation>
    </message>
    <message>
        <source>Kaal</source>
        <comment>choghadiya</comment>
        <translation>কাল</translation>
    </message>
    <message>
        <source>Shubh</source>
        <comment>choghadiya</comment>
        <translation>শুভ</translation>
    </message>
    <message>
        <source>Rog</source>
        <comment>choghadiya</comment>
        <translation>রোগ</translation>
    </message>
    <message>
        <source>Vasanta</source>
        <comment>ritu</comment>
        <translation>বসন্ত</translation>
    </message>
    <message>
        <source>Grishma</source>
        <comment>ritu</comment>
        <translation>গ্রীষ্ম</translation>
    </message>
    <message>
        <source>Varsha</source>
        <comment>ritu</comment>
        <translation>বর্ষা</translation>
    </message>
    <message>
        <source>Sharad</source>
        <comment>ritu</comment>
        <translation>শরৎ</translation>
    </message>
    <message>
        <source>Hemanta</source>
        <comment>ritu</comment>
        <translation>হেমন্ত</translation>
    </message>
    <message>
        <source>Shishira</source>
        <comment>ritu</comment>
        <translation>শীত</translation>
    </message>
    <message>
        <source>Uttarayana</source>
        <comment>ayana</comment>
        <translation>উত্তরায়ণ</translation>
    </message>
    <message>
        <source>Dakshinayana</source>
        <comment>ayana</comment>
        <translation>দক্ষিণায়ন</translation>
    </message>
    <message>
        <source>Prabhava</source>
        <comment>samvatsara</comment>
        <translation>প্রভব</translation>
    </message>
    <message>
        <source>Vibhava</source>
        <comment>samvatsara</comment>
        <translation>বিভব</translation>
    </message>
    <message>
        <source>Shukla</source>
        <comment>samvatsara</comment>
        <translation>শুক্ল</translation>
    </message>
    <message>
        <source>Pramoda</source>
        <comment>samvatsara</comment>
        <translation>প্রমোদ</translation>
    </message>
    <message>
        <source>Prajapati</source>
        <comment>samvatsara</comment>
        <translation>প্রজাপতি</translation>
    </message>
    <message>
        <source>Angirasa</source>
        <comment>samvatsara</comment>
        <translation>অঙ্গিরা</translation>
    </message>
    <message>
        <source>Shrimukha</source>
        <comment>samvatsara</comment>
        <translation>শ্রীমুখ</translation>
    </message>
    <message>
        <source>Bhava</source>
        <comment>samvatsara</comment>
        <translation>ভাব</translation>
    </message>
    <message>
        <source>Yuva</source>
        <comment>samvatsara</comment>
        <translation>যুবা</translation>
    </message>
    <message>
        <source>Dhatri</source>
        <comment>samvatsara</comment>
        <translation>ধাতা</translation>
    </message>
    <message>
        <source>Ishvara</source>
        <comment>samvatsara</comment>
        <translation>ঈশ্বর</translation>
    </message>
    <message>
        <source>Bahudhanya</source>
        <comment>samvatsara</comment>
        <translation>বহুধান্য</translation>
    </message>
    <message>
        <source>Pramathi</source>
        <comment>samvatsara</comment>
        <translation>প্রমাথী</translation>
    </message>
    <message>
        <source>Vikrama</source>
        <comment>samvatsara</comment>
        <translation>বিক্রম</translation>
    </message>
    <message>
        <source>Vrisha</source>
        <comment>samvatsara</comment>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Chitrabhanu</source>
        <comment>samvatsara</comment>
        <translation>চিত্রভানু</translation>
    </message>
    <message>
        <source>Subhanu</source>
        <comment>samvatsara</comment>
        <translation>সুভানু</translation>
    </message>
    <message>
        <source>Tarana</source>
        <comment>samvatsara</comment>
        <translation>তারণ</translation>
    </message>
    <message>
        <source>Parthiva</source>
        <comment>samvatsara</comment>
        <translation>পার্থিব</translation>
    </message>
    <message>
        <source>Vyaya</source>
        <comment>samvatsara</comment>
        <translation>ব্যয়</translation>
    </message>
    <message>
        <source>Sarvajit</source>
        <comment>samvatsara</comment>
        <translation>সর্বজিৎ</translation>
    </message>
    <message>
        <source>Sarvadhari</source>
        <comment>samvatsara</comment>
        <translation>সর্বধারী</translation>
    </message>
    <message>
        <source>Virodhi</source>
        <comment>samvatsara</comment>
        <translation>বিরোধী</translation>
    </message>
    <message>
        <source>Vikriti</source>
        <comment>samvatsara</comment>
        <translation>বিকৃতি</translation>
    </message>
    <message>
        <source>Khara</source>
        <comment>samvatsara</comment>
        <translation>খর</translation>
    </message>
    <message>
        <source>Nandana</source>
        <comment>samvatsara</comment>
        <translation>নন্দন</translation>
    </message>
    <message>
        <source>Vijaya</source>
        <comment>samvatsara</comment>
        <translation>বিজয়</translation>
    </message>
    <message>
        <source>Jaya</source>
        <comment>samvatsara</comment>
        <translation>জয়</translation>
    </message>
    <message>
        <source>Manmatha</source>
        <comment>samvatsara</comment>
        <translation>মন্মথ</translation>
    </message>
    <message>
        <source>Durmukhi</source>
        <comment>samvatsara</comment>
        <translation>দুর্মুখ</translation>
    </message>
    <message>
        <source>Hevilambi</source>
        <comment>samvatsara</comment>
        <translation>হেমলম্ব</translation>
    </message>
    <message>
        <source>Vilambi</source>
        <comment>samvatsara</comment>
        <translation>বিলম্ব</translation>
    </message>
    <message>
        <source>Vikari</source>
        <comment>samvatsara</comment>
        <translation>বিকারী</translation>
    </message>
    <message>
        <source>Sharvari</source>
        <comment>samvatsara</comment>
        <translation>শার্বরী</translation>
    </message>
    <message>
        <source>Plava</source>
        <comment>samvatsara</comment>
        <translation>প্লব</translation>
    </message>
    <message>
        <source>Shubhakrit</source>
        <comment>samvatsara</comment>
        <translation>শুভকৃৎ</translation>
    </message>
    <message>
        <source>Shobhakrit</source>
        <comment>samvatsara</comment>
        <translation>শোভকৃৎ</translation>
    </message>
    <message>
        <source>Krodhi</source>
        <comment>samvatsara</comment>
        <translation>ক্রোধী</translation>
    </message>
    <message>
        <source>Vishvavasu</source>
        <comment>samvatsara</comment>
        <translation>বিশ্বাবসু</translation>
    </message>
    <message>
        <source>Parabhava</source>
        <comment>samvatsara</comment>
        <translation>পরাভব</translation>
    </message>
    <message>
        <source>Plavanga</source>
        <comment>samvatsara</comment>
        <translation>প্লবঙ্গ</translation>
    </message>
    <message>
        <source>Kilaka</source>
        <comment>samvatsara</comment>
        <translation>কীলক</translation>
    </message>
    <message>
        <source>Saumya</source>
        <comment>samvatsara</comment>
        <translation>সৌম্য</translation>
    </message>
    <message>
        <source>Sadharana</source>
        <comment>samvatsara</comment>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Virodhikrit</source>
        <comment>samvatsara</comment>
        <translation>বিরোধকৃৎ</translation>
    </message>
    <message>
        <source>Paridhavi</source>
        <comment>samvatsara</comment>
        <translation>পরিধাবী</translation>
    </message>
    <message>
        <source>Pramadi</source>
        <comment>samvatsara</comment>
        <translation>প্রমাদী</translation>
    </message>
    <message>
        <source>Ananda</source>
        <comment>samvatsara</comment>
        <translation>আনন্দ</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <comment>samvatsara</comment>
        <translation>রাক্ষস</translation>
    </message>
    <message>
        <source>Nala</source>
        <comment>samvatsara</comment>
        <translation>নল</translation>
    </message>
    <message>
        <source>Pingala</source>
        <comment>samvatsara</comment>
        <translation>পিঙ্গল</translation>
    </message>
    <message>
        <source>Kalayukta</source>
        <comment>samvatsara</comment>
        <translation>কালযুক্ত</translation>
    </message>
    <message>
        <source>Siddharthi</source>
        <comment>samvatsara</comment>
        <translation>সিদ্ধার্থী</translation>
    </message>
    <message>
        <source>Raudra</source>
        <comment>samvatsara</comment>
        <translation>রৌদ্র</translation>
    </message>
    <message>
        <source>Durmati</source>
        <comment>samvatsara</comment>
        <translation>দুর্মতি</translation>
    </message>
    <message>
        <source>Dundubhi</source>
        <comment>samvatsara</comment>
        <translation>দুন্দুভি</translation>
    </message>
    <message>
        <source>Rudhirodgari</source>
        <comment>samvatsara</comment>
        <translation>রুধিরোদ্গারী</translation>
    </message>
    <message>
        <source>Raktakshi</source>
        <comment>samvatsara</comment>
        <translation>রক্তাক্ষী</translation>
    </message>
    <message>
        <source>Krodhana</source>
        <comment>samvatsara</comment>
        <translation>ক্রোধন</translation>
    </message>
    <message>
        <source>Akshaya</source>
        <comment>samvatsara</comment>
        <translation>অক্ষয়</translation>
    </message>
</context>
<context>
    <name>TithiReport</name>
    <message>
        <source>Vriddhi (Increase)</source>
        <translation>বৃদ্ধি (উন্নতি)</translation>
    </message>
    <message>
        <source>Auspicious happenings</source>
        <translation>শুভ ঘটনা</translation>
    </message>
    <message>
        <source>Power giving</source>
        <translation>শক্তিদায়িনী</translation>
    </message>
    <message>
        <source>Khala</source>
        <translation>খলা (দুষ্ট)</translation>
    </message>
    <message>
        <source>Laxmi (wealth)</source>
        <translation>লক্ষ্মী (ধন)</translation>
    </message>
    <message>
        <source>Fame giving</source>
        <translation>যশোদায়িনী</translation>
    </message>
    <message>
        <source>Firendly</source>
        <translation>মৈত্রীপূর্ণ</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>সংঘাত</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>উগ্র</translation>
    </message>
    <message>
        <source>Sober</source>
        <translation>সৌম্য</translation>
    </message>
    <message>
        <source>Enjoyments</source>
        <translation>আনন্দ</translation>
    </message>
    <message>
        <source>Fame and good qualities</source>
        <translation>যশ ও সদ্গুণ</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>বিজয়</translation>
    </message>
    <message>
        <source>This is good for all auspicious and religious functions.</source>
        <translation>এই তিথি সব শুভ ও ধর্মীয় কাজের পক্ষে ভালো।</translation>
    </message>
    <message>
        <source>This is good for starting construction work with a strong foundation.</source>
        <translation>এই তিথি মজবুত ভিত দিয়ে নির্মাণকাজ শুরু করার পক্ষে ভালো।</translation>
    </message>
    <message>
        <source>This is good for cutting of hair and shaving.</source>
        <translation>এই তিথি চুল কাটা ও ক্ষৌরকর্মের পক্ষে ভালো।</translation>
    </message>
    <message>
        <source>This is a good time for finishing off the enemy.</source>
        <translation>এটি শত্রু দমনের পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a good time for medical related treatments and surgery.</source>
        <translation>এটি চিকিৎসা ও অস্ত্রোপচারের পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a good time for happy occasions and festivities.</source>
        <translation>এটি মাঙ্গলিক অনুষ্ঠান ও উৎসবের পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a good time for journeys and buying of vehicles.</source>
        <translation>এটি যাত্রা ও যানবাহন কেনার পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a good time for preparing for the battle by making your defense strong.</source>
        <translation>এটি নিজের প্রতিরক্ষা মজবুত করে যুদ্ধের প্রস্তুতি নেওয়ার পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a tithi of destruction and violence.</source>
        <translation>এটি বিনাশ ও হিংসার তিথি।</translation>
    </message>
    <message>
        <source>This is a good time for religious activities.</source>
        <translation>এটি ধর্মীয় কাজের পক্ষে ভালো সময়।</translation>
    </message>
    <message>
        <source>This is a day of fasting and remembering the Supreme Lord.</source>
        <translation>এটি উপবাস ও পরমেশ্বরকে স্মরণ করার দিন।</translation>
    </message>
    <message>
        <source>This is a good day for religious ceremonies and lighting of the holy fire.</source>
        <translation>এটি ধর্মীয় অনুষ্ঠান ও পবিত্র অগ্নি প্রজ্বলনের পক্ষে ভালো দিন।</translation>
    </message>
    <message>
        <source>This is a good day for starting new relationships.</source>
        <translation>এটি নতুন সম্পর্ক শুরু করার পক্ষে ভালো দিন।</translation>
    </message>
    <message>
        <source>This is a day of spirits.</source>
        <translation>এটি ভূতপ্রেতের দিন।</translation>
    </message>
    <message>
        <source>This is a day to perform austere rituals.</source>
        <translation>এটি তপস্যা ও কঠোর আচার পালনের দিন।</translation>
    </message>
    <message>
        <source>Auspicious</source>
        <translation>শুভ</translation>
    </message>
    <message>
        <source>In-Auspicious</source>
        <translation>অশুভ</translation>
    </message>
    <message>
        <source>Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.</source>
        <translation>অশুভ তিথি সব রকমের আর্থিক ও ব্যক্তিগত ক্ষতি ডেকে আনে। অশুভ গ্রহের প্রভাবে জাতককে অসুস্থতা ও অর্থকষ্ট ভোগ করতে হয়, এবং চারপাশের সকলের সঙ্গে তার মনোমালিন্য ও ঝগড়া হয়।</translation>
    </message>
    <message>
        <source>Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare &amp; happiness of the native.</source>
        <translation>যে-কোনো কাজের সিদ্ধিতে সময়ই সবচেয়ে প্রবল উপাদান। উপযুক্ত ও শুভ সময় আসার আগে কিছুই ঘটে না। শুভ তিথি সঠিক সময়ে সঠিক কাজ করার সুযোগ দেয়, যাতে জাতকের উন্নতি, কল্যাণ ও সুখের জন্য সবচেয়ে বেশি লাভ হয়।</translation>
    </message>
</context>
<context>
    <name>FestivalNames</name>
    <message>
        <source>Makar Sankranti</source>
        <translation>মকর সংক্রান্তি (পৌষ সংক্রান্তি)</translation>
    </message>
    <message>
        <source>Lohri</source>
        <translation>লোহরি</translation>
    </message>
    <message>
        <source>Thai Pongal</source>
        <translation>থাই পোঙ্গল</translation>
    </message>
    <message>
        <source>Vishu</source>
        <translation>বিষু</translation>
    </message>
    <message>
        <source>Baisakhi</source>
        <translation>বৈশাখী</translation>
    </message>
    <message>
        <source>Onam (Thiruvonam)</source>
        <translation>ওনাম (তিরুওনাম)</translation>
    </message>
    <message>
        <source>Ugadi / Gudi Padwa</source>
        <translation>উগাদি / গুড়ি পাড়োয়া</translation>
    </message>
    <message>
        <source>Rama Navami</source>
        <translation>রামনবমী</translation>
    </message>
    <message>
        <source>Hanuman Jayanti</source>
        <translation>হনুমান জয়ন্তী</translation>
    </message>
    <message>
        <source>Akshaya Tritiya</source>
        <translation>অক্ষয় তৃতীয়া</translation>
    </message>
    <message>
        <source>Buddha Purnima</source>
        <translation>বুদ্ধপূর্ণিমা</translation>
    </message>
    <message>
        <source>Ratha Yatra</source>
        <translation>রথযাত্রা</translation>
    </message>
    <message>
        <source>Guru Purnima</source>
        <translation>গুরুপূর্ণিমা</translation>
    </message>
    <message>
        <source>Naga Panchami</source>
        <translation>নাগপঞ্চমী</translation>
    </message>
    <message>
        <source>Raksha Bandhan</source>
        <translation>রাখিবন্ধন</translation>
    </message>
    <message>
        <source>Krishna Janmashtami</source>
        <translation>জন্মাষ্টমী</translation>
    </message>
    <message>
        <source>Ganesha Chaturthi</source>
        <translation>গণেশ চতুর্থী</translation>
    </message>
    <message>
        <source>Ananta Chaturdashi</source>
        <translation>অনন্ত চতুর্দশী</translation>
    </message>
    <message>
        <source>Pitru Paksha begins</source>
        <translation>পিতৃপক্ষ আরম্ভ</translation>
    </message>
    <message>
        <source>Mahalaya Amavasya</source>
        <translation>মহালয়া</translation>
    </message>
    <message>
        <source>Sharad Navaratri begins</source>
        <translation>শারদীয় নবরাত্রি আরম্ভ</translation>
    </message>
    <message>
        <source>Durga Ashtami</source>
        <translation>মহাষ্টমী (দুর্গাষ্টমী)</translation>
    </message>
    <message>
        <source>Maha Navami</source>
        <translation>মহানবমী</translation>
    </message>
    <message>
        <source>Vijayadashami (Dussehra)</source>
        <translation>বিজয়া দশমী (দশেরা)</translation>
    </message>
    <message>
        <source>Sharad Purnima</source>
        <translation>কোজাগরী পূর্ণিমা</translation>
    </message>
    <message>
        <source>Karva Chauth</source>
        <translation>করবা চৌথ</translation>
    </message>
    <message>
        <source>Dhanteras</source>
        <translation>ধনতেরাস</translation>
    </message>
    <message>
        <source>Naraka Chaturdashi</source>
        <translation>ভূত চতুর্দশী</translation>
    </message>
    <message>
        <source>Diwali (Lakshmi Puja)</source>
        <translation>দীপাবলি (লক্ষ্মীপূজা)</translation>
    </message>
    <message>
        <source>Govardhan Puja</source>
        <translation>গোবর্ধন পূজা</translation>
    </message>
    <message>
        <source>Bhai Dooj</source>
        <translation>ভাইফোঁটা</translation>
    </message>
    <message>
        <source>Chhath Puja</source>
        <translation>ছট পূজা</translation>
    </message>
    <message>
        <source>Kartik Purnima</source>
        <translation>রাস পূর্ণিমা</translation>
    </message>
    <message>
        <source>Vivah Panchami</source>
        <translation>বিবাহ পঞ্চমী</translation>
    </message>
    <message>
        <source>Gita Jayanti</source>
        <translation>গীতা জয়ন্তী</translation>
    </message>
    <message>
        <source>Vasant Panchami</source>
        <translation>শ্রীপঞ্চমী (সরস্বতী পূজা)</translation>
    </message>
    <message>
        <source>Maha Shivaratri</source>
        <translation>মহাশিবরাত্রি</translation>
    </message>
    <message>
        <source>Holika Dahan</source>
        <translation>হোলিকা দহন (ন্যাড়াপোড়া)</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>হোলি</translation>
    </message>
    <message>
        <source>Mesha Sankranti</source>
        <translation>মেষ সংক্রান্তি</translation>
    </message>
    <message>
        <source>Vrishabha Sankranti</source>
        <translation>বৃষ সংক্রান্তি</translation>
    </message>
    <message>
        <source>Mithuna Sankranti</source>
        <translation>মিথুন সংক্রান্তি</translation>
    </message>
    <message>
        <source>Karka Sankranti</source>
        <translation>কর্কট সংক্রান্তি</translation>
    </message>
    <message>
        <source>Simha Sankranti</source>
        <translation>সিংহ সংক্রান্তি</translation>
    </message>
    <message>
        <source>Kanya Sankranti</source>
        <translation>কন্যা সংক্রান্তি</translation>
    </message>
    <message>
        <source>Tula Sankranti</source>
        <translation>তুলা সংক্রান্তি</translation>
    </message>
    <message>
        <source>Vrishchika Sankranti</source>
        <translation>বৃশ্চিক সংক্রান্তি</translation>
    </message>
    <message>
        <source>Dhanu Sankranti</source>
        <translation>ধনু সংক্রান্তি</translation>
    </message>
    <message>
        <source>Makara Sankranti</source>
        <translation>মকর সংক্রান্তি</translation>
    </message>
    <message>
        <source>Kumbha Sankranti</source>
        <translation>কুম্ভ সংক্রান্তি</translation>
    </message>
    <message>
        <source>Mina Sankranti</source>
        <translation>মীন সংক্রান্তি</translation>
    </message>
    <message>
        <source>Papamochani Ekadashi</source>
        <translation>পাপমোচনী একাদশী</translation>
    </message>
    <message>
        <source>Kamada Ekadashi</source>
        <translation>কামদা একাদশী</translation>
    </message>
    <message>
        <source>Varuthini Ekadashi</source>
        <translation>বরূথিনী একাদশী</translation>
    </message>
    <message>
        <source>Mohini Ekadashi</source>
        <translation>মোহিনী একাদশী</translation>
    </message>
    <message>
        <source>Apara Ekadashi</source>
        <translation>অপরা একাদশী</translation>
    </message>
    <message>
        <source>Nirjala Ekadashi</source>
        <translation>নির্জলা একাদশী</translation>
    </message>
    <message>
        <source>Yogini Ekadashi</source>
        <translation>যোগিনী একাদশী</translation>
    </message>
    <message>
        <source>Devshayani Ekadashi</source>
        <translation>দেবশয়নী একাদশী</translation>
    </message>
    <message>
        <source>Kamika Ekadashi</source>
        <translation>কামিকা একাদশী</translation>
    </message>
    <message>
        <source>Shravana Putrada Ekadashi</source>
        <translation>শ্রাবণ পুত্রদা একাদশী</translation>
    </message>
    <message>
        <source>Aja Ekadashi</source>
        <translation>অজা একাদশী</translation>
    </message>
    <message>
        <source>Parsva (Parivartini) Ekadashi</source>
        <translation>পার্শ্ব (পরিবর্তিনী) একাদশী</translation>
    </message>
    <message>
        <source>Indira Ekadashi</source>
        <translation>ইন্দিরা একাদশী</translation>
    </message>
    <message>
        <source>Papankusha Ekadashi</source>
        <translation>পাপাঙ্কুশা একাদশী</translation>
    </message>
    <message>
        <source>Rama Ekadashi</source>
        <translation>রমা একাদশী</translation>
    </message>
    <message>
        <source>Devutthana (Prabodhini) Ekadashi</source>
        <translation>উত্থান (প্রবোধিনী) একাদশী</translation>
    </message>
    <message>
        <source>Utpanna Ekadashi</source>
        <translation>উৎপন্না একাদশী</translation>
    </message>
    <message>
        <source>Mokshada Ekadashi</source>
        <translation>মোক্ষদা একাদশী</translation>
    </message>
    <message>
        <source>Saphala Ekadashi</source>
        <translation>সফলা একাদশী</translation>
    </message>
    <message>
        <source>Pausha Putrada Ekadashi</source>
        <translation>পৌষ পুত্রদা একাদশী</translation>
    </message>
    <message>
        <source>Shattila Ekadashi</source>
        <translation>ষটতিলা একাদশী</translation>
    </message>
    <message>
        <source>Jaya Ekadashi</source>
        <translation>জয়া একাদশী</translation>
    </message>
    <message>
        <source>Vijaya Ekadashi</source>
        <translation>বিজয়া একাদশী</translation>
    </message>
    <message>
        <source>Amalaki Ekadashi</source>
        <translation>আমলকী একাদশী</translation>
    </message>
    <message>
        <source>Padmini (Kamala) Ekadashi</source>
        <translation>পদ্মিনী (কমলা) একাদশী</translation>
    </message>
    <message>
        <source>Parama Ekadashi</source>
        <translation>পরমা একাদশী</translation>
    </message>
</context>
</TS>
