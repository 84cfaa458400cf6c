#!/usr/bin/env python3
"""The calendar of `shutterly --light --format ics` as a calendar program reads it.

The real program prints a week of Berlin's light as iCalendar and as CSV; an iCalendar parser of
its own (python3-icalendar) reads the calendar, which must hold one event for each instant of
the CSV that happens and for each span whose two ends happen, at the CSV's times, on lines of at
most 75 octets, with UIDs that are unique and the same in every run and every language.

    light_calendar_check.py PATH/TO/shutterly
"""

import csv
import datetime
import io
import os
import subprocess
import sys
import unittest
from zoneinfo import ZoneInfo

import icalendar

PROGRAM = None
WEEK = ["--light", "--place", "52.52,13.405", "--date", "2027-06-21", "--days", "7",
        "--zone", "Europe/Berlin"]
BERLIN = ZoneInfo("Europe/Berlin")

# Each kind of event: its title in English and the CSV rows at which it starts and ends (None
# for the short events of an instant).
KINDS = {
    "Blue hour (morning)": ("civil_dawn", "morning_golden_hour_start"),
    "Golden hour (morning)": ("morning_golden_hour_start", "morning_golden_hour_end"),
    "Sunrise": ("sunrise", None),
    "Golden hour (evening)": ("evening_golden_hour_start", "evening_golden_hour_end"),
    "Sunset": ("sunset", None),
    "Blue hour (evening)": ("evening_golden_hour_end", "civil_dusk"),
    "Moonrise": ("moonrise", None),
    "Moonset": ("moonset", None),
}

TITLES = {
    "de_DE.UTF-8": {"Goldene Stunde (morgens)", "Blaue Stunde (abends)", "Sonnenaufgang",
                    "Sonnenuntergang"},
    "th_TH.UTF-8": {"ช่วงแสงทอง (ช่วงเช้า)", "ช่วงแสงสีน้ำเงิน (ช่วงเย็น)", "ดวงอาทิตย์ขึ้น",
                    "ดวงอาทิตย์ตก"},
}


def run(fmt, locale="C.UTF-8"):
    environment = dict(os.environ, LANG=locale, LC_ALL=locale, LANGUAGE="")
    done = subprocess.run([PROGRAM, *WEEK, "--format", fmt], env=environment,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60, check=False)
    if done.returncode != 0:
        raise AssertionError(f"--format {fmt} in {locale} exited {done.returncode}: "
                             f"{done.stderr.decode(errors='replace')}")
    return done.stdout


def utc(text):
    return datetime.datetime.fromisoformat(text.replace("Z", "+00:00"))


def events(calendar_bytes):
    return list(icalendar.Calendar.from_ical(calendar_bytes).walk("VEVENT"))


def uids(calendar_bytes):
    return [str(event["UID"]) for event in events(calendar_bytes)]


class LightCalendar(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.raw = run("ics")
        cls.csv = list(csv.DictReader(io.StringIO(run("csv").decode("utf-8"))))
        cls.calendar = icalendar.Calendar.from_ical(cls.raw)
        cls.events = list(cls.calendar.walk("VEVENT"))

    def test_names_its_version_and_producer(self):
        self.assertEqual(str(self.calendar["VERSION"]), "2.0")
        self.assertIn("Shutterly", str(self.calendar["PRODID"]))

    def test_lines_end_in_crlf_and_hold_at_most_75_octets(self):
        # Thai titles, three octets a letter, are folded; so may be a character.
        for locale in ["C.UTF-8", *TITLES]:
            raw = self.raw if locale == "C.UTF-8" else run("ics", locale)
            with self.subTest(locale=locale):
                self.assertTrue(raw.endswith(b"\r\n"))
                self.assertEqual(raw.count(b"\n"), raw.count(b"\r\n"))
                lines = raw.split(b"\r\n")[:-1]
                for line in lines:
                    self.assertLessEqual(len(line), 75, line)
                    line.decode("utf-8")
                if locale == "th_TH.UTF-8":
                    self.assertTrue(any(line.startswith(b" ") for line in lines), "folded")

    def test_has_an_event_for_each_crossing_that_happens(self):
        times = {(row["date"], row["event"]): row["utc_time"] for row in self.csv}
        dates = sorted({row["date"] for row in self.csv})
        self.assertEqual(len(dates), 7)
        expected = 0
        for date in dates:
            for start, end in KINDS.values():
                begins, ends = times[(date, start)], times.get((date, end), "")
                expected += bool(begins) and (end is None or (bool(ends) and begins < ends))
        self.assertGreaterEqual(expected, 7 * 6)
        self.assertEqual(len(self.events), expected)

    def test_each_event_starts_and_ends_at_the_csv_times(self):
        times = {(row["date"], row["event"]): row["utc_time"] for row in self.csv}
        for event in self.events:
            title = str(event["SUMMARY"])
            self.assertIn(title, KINDS)
            start_row, end_row = KINDS[title]
            start = event.decoded("DTSTART")
            end = event.decoded("DTEND")
            self.assertEqual(start.utcoffset(), datetime.timedelta(0), title)
            date = start.astimezone(BERLIN).date().isoformat()
            self.assertEqual(start, utc(times[(date, start_row)]), f"{title} on {date}")
            if end_row is None:
                self.assertEqual(end - start, datetime.timedelta(minutes=1), title)
            else:
                self.assertEqual(end, utc(times[(date, end_row)]), f"{title} on {date}")
            self.assertIn("DTSTAMP", event)
            self.assertEqual(str(event["LOCATION"]), "52.5200 N, 13.4050 E")
            self.assertEqual((event["GEO"].latitude, event["GEO"].longitude), (52.52, 13.405))

    def test_uids_are_unique_and_the_same_in_every_run(self):
        first = uids(self.raw)
        self.assertEqual(len(set(first)), len(first))
        self.assertEqual(uids(run("ics")), first)

    def test_titles_are_in_the_users_language_and_the_uids_are_not(self):
        for locale, titles in TITLES.items():
            with self.subTest(locale=locale):
                translated = run("ics", locale)
                shown = {str(event["SUMMARY"]) for event in events(translated)}
                self.assertTrue(titles <= shown, shown)
                self.assertEqual(uids(translated), uids(self.raw))


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
