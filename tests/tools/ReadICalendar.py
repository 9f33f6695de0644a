# SPDX-License-Identifier: MIT
"""kestrava-tithi's iCalendar files read back by an independent parser (the icalendar package):
the events of each kind, the zone (a named one and a typed offset) carried in a VTIMEZONE that
gives every instant as the zone's own rules do, the full and new moons where the tithis say, and
identifiers that are unique within a file and the same in a second export.

Usage: ReadICalendar.py KESTRAVA_TITHI FOLDER
"""

import datetime
import subprocess
import sys
import unittest

import icalendar
import pytz

TOOL = None
FOLDER = None

UTC = datetime.timezone.utc
NEW_YORK = ["--tz", "America/New_York", "--lon", "74:00W", "--lat", "40:43N"]
DELHI = ["--zone", "5:30", "--lon", "77:13E", "--lat", "28:36N"]

# The full and new moons of 2024 in Universal Time, as the U.S. Naval Observatory publishes them
# (Phases of the Moon): Purnima ends at the full moon, Amavasya at the new moon.
FULL_MOONS = ["01-25 17:54", "02-24 12:30", "03-25 07:00", "04-23 23:49", "05-23 13:53",
              "06-22 01:08", "07-21 10:17", "08-19 18:26", "09-18 02:34", "10-17 11:26",
              "11-15 21:28", "12-15 09:02"]
NEW_MOONS = ["01-11 11:57", "02-09 22:59", "03-10 09:00", "04-08 18:21", "05-08 03:22",
             "06-06 12:38", "07-05 22:57", "08-04 11:13", "09-03 01:55", "10-02 18:49",
             "11-01 12:47", "12-01 06:21", "12-30 22:27"]


def export(name, events, place, first="2024-01-01", last="2024-12-31"):
    path = f"{FOLDER}/{name}"
    run = subprocess.run([TOOL, "--ics", path, "--from", first, "--to", last, "--events",
                          events] + place, capture_output=True, text=True, check=False)
    if run.returncode != 0:
        raise AssertionError(f"kestrava-tithi failed: {run.stderr}")
    with open(path, "rb") as file:
        return icalendar.Calendar.from_ical(file.read())


def events_of(calendar):
    return [c for c in calendar.walk() if c.name == "VEVENT"]


def utc(moment):
    return moment.astimezone(UTC)


def published(text):
    return datetime.datetime.strptime("2024-" + text, "%Y-%m-%d %H:%M").replace(tzinfo=UTC)


class ICalendarFiles(unittest.TestCase):
    def test_timed_spans_in_a_named_zone_end_at_the_published_moons(self):
        calendar = export("spans-new-york.ics", "spans", NEW_YORK)
        zones = [c for c in calendar.walk() if c.name == "VTIMEZONE"]
        self.assertEqual([str(z["TZID"]) for z in zones], ["America/New_York"])
        # The zone as the file describes it gives every instant the offset of the zone's own
        # rules, summer time from 10 March to 3 November 2024 included.
        described = zones[0].to_tz()
        rules = pytz.timezone("America/New_York")
        events = events_of(calendar)
        self.assertGreater(len(events), 365)
        for event in events:
            start = event["DTSTART"].dt
            if "TZID" not in event["DTSTART"].params:
                # An instant in the hour the clocks repeat is written in UTC.
                self.assertEqual(start.utcoffset(), datetime.timedelta(0), f"at {start}")
                continue
            self.assertEqual(str(event["DTSTART"].params["TZID"]), "America/New_York")
            naive = start.replace(tzinfo=None)
            self.assertEqual(described.localize(naive).utcoffset(),
                             rules.localize(naive).utcoffset(), f"at {naive}")
            hours = (event["DTEND"].dt - start).total_seconds() / 3600
            self.assertTrue(19 < hours < 27, f"{event['SUMMARY']} lasts {hours} hours")
        self.check_moons(events)

    def test_the_repeated_hour_is_written_unambiguously(self):
        # New York set its clocks back from 02:00 EDT to 01:00 EST on 6 November 2016, and Shukla
        # Saptami began in the repeated hour, at 06:46:31 UTC (01:46:31 EST, its second 01:46):
        # the Swiss Ephemeris 2.10 with its data files, the Moon's apparent longitude 72 degrees
        # ahead of the Sun's, found by bisection in a separate program.
        calendar = export("repeated-hour.ics", "spans", NEW_YORK, "2016-11-01", "2016-11-10")
        rules = pytz.timezone("America/New_York")
        began = datetime.datetime(2016, 11, 6, 6, 46, 31, tzinfo=UTC)
        found = 0
        for event in events_of(calendar):
            for name in ("DTSTART", "DTEND"):
                value = event[name]
                moment = utc(value.dt)
                local = moment.astimezone(rules).replace(tzinfo=None)
                try:
                    rules.localize(local, is_dst=None)
                    repeated = False
                except pytz.exceptions.AmbiguousTimeError:
                    repeated = True
                # A reading the clock shows twice is written in UTC, with no TZID; the others on
                # the zone's clock.
                self.assertEqual("TZID" in value.params, not repeated, f"{name} {moment}")
                if repeated:
                    self.assertEqual(value.dt.utcoffset(), datetime.timedelta(0))
                if abs((moment - began).total_seconds()) < 3600:
                    found += 1
                    self.assertTrue(repeated)
                    self.assertLess(abs((moment - began).total_seconds()), 30, f"{moment}")
        self.assertEqual(found, 2)  # Shashthi's end and Saptami's begin

    def test_timed_spans_on_a_typed_offset(self):
        calendar = export("spans-delhi.ics", "spans", DELHI)
        zones = [c for c in calendar.walk() if c.name == "VTIMEZONE"]
        self.assertEqual([str(z["TZID"]) for z in zones], ["UTC+0530"])
        events = events_of(calendar)
        for event in events:
            self.assertEqual(event["DTSTART"].dt.utcoffset(), datetime.timedelta(hours=5.5))
        self.check_moons(events)

    def check_moons(self, events):
        for name, moons in (("Purnima", FULL_MOONS), ("Amavasya", NEW_MOONS)):
            ends = sorted(utc(e["DTEND"].dt) for e in events if str(e["SUMMARY"]) == name)
            ends = [end for end in ends if end.year == 2024]
            self.assertEqual(len(ends), len(moons), name)
            for end, moon in zip(ends, moons):
                # The published minute, and the theories' half a minute and Delta T's.
                self.assertLess(abs((end - published(moon)).total_seconds()), 120,
                                f"{name} ends {end}, the moon {moon}")

    def test_a_year_of_days_one_all_day_event_a_date(self):
        calendar = export("days.ics", "days", DELHI)
        self.assertEqual(len([c for c in calendar.walk() if c.name == "VTIMEZONE"]), 0)
        events = events_of(calendar)
        self.assertEqual(len(events), 366)
        day = datetime.date(2024, 1, 1)
        for event in events:
            self.assertEqual(event["DTSTART"].dt, day)
            self.assertIsInstance(event["DTSTART"].dt, datetime.date)
            self.assertNotIsInstance(event["DTSTART"].dt, datetime.datetime)
            self.assertEqual(event["DTEND"].dt, day + datetime.timedelta(days=1))
            day += datetime.timedelta(days=1)
        by_date = {e["DTSTART"].dt: e for e in events}
        june11 = by_date[datetime.date(2024, 6, 11)]
        self.assertTrue(str(june11["SUMMARY"]).startswith("Shukla Panchami until 17:2"))
        self.assertIn("observed on the civil day whose sunrise it holds",
                      str(june11["DESCRIPTION"]))

    def test_vrata_days_and_identifiers_that_stay(self):
        first = events_of(export("vrata-1.ics", "vrata", DELHI))
        second = events_of(export("vrata-2.ics", "vrata", DELHI))
        self.assertEqual(len(first), 50)  # 25 Ekadashis, 12 Purnimas, 13 Amavasyas
        uids = [str(e["UID"]) for e in first]
        self.assertEqual(len(set(uids)), len(uids))
        self.assertEqual(uids, [str(e["UID"]) for e in second])
        categories = [str(c) for e in first for c in e["CATEGORIES"].cats]
        self.assertEqual(categories.count("Ekadashi"), 25)
        # A part of the year again: the same events by the same identifiers.
        summer = events_of(export("vrata-summer.ics", "vrata", DELHI, "2024-06-01",
                                  "2024-08-31"))
        self.assertTrue({str(e["UID"]) for e in summer} <= set(uids))
        self.assertEqual(
            {e["DTSTART"].dt for e in summer if str(e["UID"]) in uids},
            {e["DTSTART"].dt for e in first
             if datetime.date(2024, 6, 1) <= e["DTSTART"].dt <= datetime.date(2024, 8, 31)})


if __name__ == "__main__":
    TOOL, FOLDER = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]], verbosity=2)
