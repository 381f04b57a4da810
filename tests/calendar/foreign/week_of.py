#!/usr/bin/python3
"""Prints the occurrences a calendar holds in one week, worked out by
python3-icalendar and python3-recurring-ical-events, as the import must find
them: one line each, "local start<TAB>name", ordered. Local time is the TZ
environment's. All-day occurrences start at local midnight; cancelled events
have none; the name is the summary, else the location, else "Busy".

usage: week_of.py CALENDAR.ics YYYY-MM-DD(Monday)
"""
import datetime
import sys

import icalendar
import recurring_ical_events


def local(start):
    if isinstance(start, datetime.datetime):
        if start.tzinfo is None:  # floating: the same wall time everywhere
            return start
        return start.astimezone().replace(tzinfo=None)
    return datetime.datetime.combine(start, datetime.time())


def name(event):
    for key in ("SUMMARY", "LOCATION"):
        text = " ".join(str(event.get(key, "")).replace("\r\n", " ").replace("\n", " ").replace("\r", " ").split())
        if text:
            return text
    return "Busy"


def main():
    with open(sys.argv[1], "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    monday = datetime.date.fromisoformat(sys.argv[2])
    # A day either side: zoned starts may fall into the week in local time.
    found = recurring_ical_events.of(calendar).between(monday - datetime.timedelta(days=1),
                                                       monday + datetime.timedelta(days=8))
    first = datetime.datetime.combine(monday, datetime.time())
    last = first + datetime.timedelta(days=7)
    rows = []
    for event in found:
        if str(event.get("STATUS", "")).upper() == "CANCELLED":
            continue
        start = local(event["DTSTART"].dt)
        if first <= start < last:
            rows.append((start, name(event)))
    for start, text in sorted(rows):
        print(start.isoformat() + "\t" + text)


main()
