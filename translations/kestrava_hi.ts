<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 (adhika)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time past the date it is told for: &quot;04:52 on 12 June&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 all day (vriddhi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is observed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vriddhi: the tithi holds the next sunrise too and is observed today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vriddhi: second day of the tithi, observed the day before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the month %1 begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A day&apos;s date and its tithis: &quot;Tuesday 11 June 2024: Shukla Panchami until 17:42, ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of its two days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kshaya: holds no sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vriddhi: holds two sunrises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kshaya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vriddhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vriddhi, 2nd day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>&amp;Month View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vrata Days...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export i&amp;Calendar File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarPlace</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: its coordinates and its clock, &quot;28°36′N 77°13′E, UTC+05:30&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar is reckoned at the place and time zone of the form. Please enter the %1 on the form first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 on the form must be a whole number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place on the form lies beyond 90 degrees of latitude or 180 degrees of longitude.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Adhika %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (before sunrise: the day began at the previous sunrise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, pada %2, until %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (amanta) · %2 (purnimanta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vikram %1 · Shaka %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Hour of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Valid Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.

Use the first %1, at %6? No uses the second, at %7.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know the tithi before you start any important work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find My Tithi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonthPainting</name>
    <message>
        <source>%1 · Vikram %2 · Shaka %3</source>
        <extracomment>The lunar months of a civil month and the era years: &quot;Vaishakha – Jyeshtha · Vikram 2081 · Shaka 1946&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukla paksha (bright fortnight)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishna paksha (dark fortnight)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each day shows the tithi at its sunrise, when it ends and the tithi at the next sunrise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made with Kestrava.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonthPdf</name>
    <message>
        <source>Kestrava calendar, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamedZoneInput</name>
    <message>
        <source>%1 — the clocks skip %2 on this date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 occurs twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone %1 is not in this computer&apos;s time-zone database: enter its hours and minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panchanga</name>
    <message>
        <source>%1 %2</source>
        <comment>fortnight, then the tithi</comment>
        <extracomment>A tithi&apos;s title: its fortnight, then its name, &quot;Shukla Navami&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date, then a time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above the horizon all day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below the horizon all day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none this date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no latitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceCompleter</name>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Began %1 · Ends %2</source>
        <extracomment>When the tithi began and when it ends, each a date and a time: &quot;Began 11 Jan 2024 18:23 · Ends 12 Jan 2024 19:57&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At sunrise (%1): %2</source>
        <extracomment>The time of sunrise and the tithi then: &quot;At sunrise (07:15): Krishna Amavasya&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays above the horizon all day (polar day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun stays below the horizon all day (polar night)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise this date: the Sun rises only after the next midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise: the latitude lies beyond 90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Nature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi Began and Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi at Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1, daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, negative daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good or bad and are important in timing of events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit our home page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence of the place data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (geonames.org), CC BY 4.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>Vara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samvat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (kshaya)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>‹ &amp;Previous Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Day ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panchanga of %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from sunrise to sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing new: the tithi at sunrise was observed the day before (vriddhi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pada %2 at sunrise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (amanta), %2 (purnimanta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vikram %1, Shaka %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;iCalendar file, for calendar programs (.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PDF, a printable month on each page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at &amp;sunrise (all-day events)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each day&apos;s tithi at sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tithi from its &amp;begin to its end (timed events)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tithi from its begin to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;vrata days: Ekadashi, Purnima and Amavasya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vrata days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amanta (new moon to new moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purnimanta (full moon to full moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Months named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;rst month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las&amp;t month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava %1 to %2.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tithis at sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tithis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vrata days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava %1 %2.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava %1 %2-%3.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last month comes before the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose at most %1 months.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last date comes before the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose at most ten years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Months as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month was saved to %1: 1 page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The months were saved to %1: %2 pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar was saved to %1: 1 event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar was saved to %2: %1 events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrava could not save %1.
%2
Nothing was written; please choose another folder or name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find a Tithi - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in the lunar &amp;month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in the lunar month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amanta (new moon to new moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;urnimanta (full moon to full moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purnimanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also in an a&amp;dhika month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also in an adhika month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the month is adhika it comes twice in a year; festivals and anniversaries are kept in the second (nija) month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vrata Days of the Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrata Days of the Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Ekadashi, Purnima and Amavasya of the year of the From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of Observance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show in Month View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Month View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fortnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How &amp;many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purnimanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the days of observance from %2 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the days of observance before %2, the nearest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vrata days of %1: every Ekadashi, Purnima and Amavasya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone of the Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the first %2)</source>
        <extracomment>The zone&apos;s line and which of the two readings of a repeated time was taken</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the second %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; began at %2, ends at %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>Month View - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« Previous Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same month a year before (Ctrl+Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>‹ Pre&amp;vious Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month before (Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Month ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month after (Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Year »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same month a year after (Ctrl+Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month of today, today chosen (Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of the Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Shukla (bright fortnight) &amp;nbsp; %2 Krishna (dark fortnight) &amp;nbsp; %3 Purnima &amp;nbsp; %4 Amavasya &amp;nbsp; %5 Ekadashi &amp;nbsp; &lt;span style=&quot;color:%6&quot;&gt;kshaya, vriddhi&lt;/span&gt; &amp;nbsp; &lt;b style=&quot;color:%7&quot;&gt;month&lt;/b&gt; where it begins &amp;nbsp; &lt;span style=&quot;color:%8&quot;&gt;▢&lt;/span&gt; today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells of the bright fortnight are ivory, of the dark fortnight blue-grey; Purnima is marked by a full moon, Amavasya by a new moon, Ekadashi by a green diamond.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of Observance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day&apos;s Panchanga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day&apos;s Panchanga...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole panchanga of the chosen day (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find a Tithi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
