<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>%1 is the number of the step that failed</extracomment>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>app::EngineChoice</name>
    <message>
        <source>--engine needs a value: auto, word or builtin.</source>
        <translation>--engine braucht einen Wert: auto, word oder builtin.</translation>
    </message>
    <message>
        <source>--engine &quot;%1&quot; is not one of auto, word and builtin.</source>
        <translation>--engine „%1“ ist keiner der Werte auto, word und builtin.</translation>
    </message>
</context>
<context>
    <name>calendar::CalendarFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es handelt sich nicht um eine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a calendar.</source>
        <translation>Die Datei enthält Binärdaten, keinen Kalender.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file libical can read.</source>
        <translation>Die Datei ist keine iCalendar-Datei, die libical lesen kann.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR).</source>
        <translation>Die Datei enthält keinen Kalender (VCALENDAR).</translation>
    </message>
    <message>
        <source>The appointment %1 %2.</source>
        <translation>Der Termin %1 %2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a calendar Dorvane imports.</source>
        <translation>Die Datei ist größer als %1 MB; so große Kalender importiert Dorvane nicht.</translation>
    </message>
    <message>
        <source>without a title</source>
        <translation>ohne Titel</translation>
    </message>
    <message>
        <source>has a malformed date in %1 (dates from %2 to %3 are read)</source>
        <translation>hat ein fehlerhaftes Datum in %1 (gelesen werden Daten von %2 bis %3)</translation>
    </message>
    <message>
        <source>has a malformed %1 that cannot be read</source>
        <translation>hat eine fehlerhafte Eigenschaft %1, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>has no start date, or one that cannot be read</source>
        <translation>hat kein oder ein nicht lesbares Startdatum</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be read</source>
        <translation>hat eine Wiederholungsregel (RRULE), die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; %2.</source>
        <translation>Die Zeitzone „%1“ %2.</translation>
    </message>
    <message>
        <source>has more than %1 observances</source>
        <translation>hat mehr als %1 Abschnitte für Normal- und Sommerzeit</translation>
    </message>
    <message>
        <source>begins before %1</source>
        <translation>beginnt vor dem Jahr %1</translation>
    </message>
    <message>
        <source>changes by a rule other than once a year</source>
        <translation>wechselt nach einer anderen Regel als einmal im Jahr</translation>
    </message>
    <message>
        <source>The file has a line with more than %1 parameters; it is not a calendar Dorvane can read.</source>
        <translation>Die Datei hat eine Zeile mit mehr als %1 Parametern; sie ist kein Kalender, den Dorvane lesen kann.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a calendar Dorvane imports.</source>
        <translation>Die Datei hat mehr als %1 Zeilen; so große Kalender importiert Dorvane nicht.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, more than Dorvane imports.</source>
        <translation>Die Datei enthält mehr als %1 Einträge; so viele importiert Dorvane nicht.</translation>
    </message>
    <message>
        <source>The file nests entries more than %1 deep; it is not a calendar Dorvane can read.</source>
        <translation>Die Datei verschachtelt Einträge mehr als %1 Ebenen tief; sie ist kein Kalender, den Dorvane lesen kann.</translation>
    </message>
    <message>
        <source>The file has an END line without its BEGIN; it is not a calendar Dorvane can read.</source>
        <translation>Die Datei hat eine END-Zeile ohne zugehörige BEGIN-Zeile; sie ist kein Kalender, den Dorvane lesen kann.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file ends before its calendar does; it may have been cut short.</source>
        <translation>Die Datei endet vor dem Ende ihres Kalenders; sie wurde möglicherweise abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>calendar::EventTime</name>
    <message>
        <source>its time zone &quot;%1&quot; is unknown, so its time is read as local time</source>
        <extracomment>%1 is the name of a time zone as the calendar file gives it</extracomment>
        <translation>seine Zeitzone „%1“ ist unbekannt, daher gilt seine Zeit als Ortszeit</translation>
    </message>
    <message>
        <source>ends before it starts, so only its start is used</source>
        <translation>endet vor seinem Beginn, daher zählt nur sein Beginn</translation>
    </message>
</context>
<context>
    <name>calendar::ImportSummary</name>
    <message>
        <source>all day, no hour to place it at</source>
        <translation>ganztägig, ohne Uhrzeit zum Eintragen</translation>
    </message>
    <message>
        <source>its row is full</source>
        <translation>die Zeile ist bereits voll</translation>
    </message>
    <message>
        <source>Imported 1 appointment.</source>
        <translation>1 Termin importiert.</translation>
    </message>
    <message>
        <source>Imported %1 appointments.</source>
        <translation>%1 Termine importiert.</translation>
    </message>
    <message>
        <source>1 name longer than %1 characters was shortened.</source>
        <extracomment>%1 is the longest name the planner takes, in characters</extracomment>
        <translation>1 Name mit mehr als %1 Zeichen wurde gekürzt.</translation>
    </message>
    <message>
        <source>%1 names longer than %2 characters were shortened.</source>
        <extracomment>%2 is the longest name the planner takes, in characters</extracomment>
        <translation>%1 Namen mit mehr als %2 Zeichen wurden gekürzt.</translation>
    </message>
    <message>
        <source>Not placed:</source>
        <translation>Nicht eingetragen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>starts before %1 o&apos;clock</source>
        <extracomment>%1 is the first hour the day pages show, 0 to 23</extracomment>
        <translation>beginnt vor %1 Uhr</translation>
    </message>
    <message>
        <source>starts at 6 o&apos;clock in the evening or later</source>
        <translation>beginnt um 18 Uhr oder später</translation>
    </message>
    <message>
        <source>starts at %1 o&apos;clock or later</source>
        <extracomment>%1 is the hour after the last one the day pages show, 1 to 23</extracomment>
        <translation>beginnt um %1 Uhr oder später</translation>
    </message>
    <message>
        <source>Please check:</source>
        <extracomment>Heads the appointments whose times the import had to guess at, each with what it guessed</extracomment>
        <translation>Bitte prüfen:</translation>
    </message>
</context>
<context>
    <name>calendar::Occurrences</name>
    <message>
        <source>Busy</source>
        <extracomment>The name an appointment gets in the planner when it has neither a summary nor a location</extracomment>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>repeats more than %1 times in the week, more than Dorvane imports</source>
        <translation>wiederholt sich mehr als %1-mal in der Woche, öfter als Dorvane importiert</translation>
    </message>
    <message>
        <source>repeats more than %1 times in one hour, more than Dorvane imports</source>
        <translation>wiederholt sich mehr als %1-mal innerhalb einer Stunde, öfter als Dorvane importiert</translation>
    </message>
    <message>
        <source>The week holds more than %1 appointments, more than Dorvane imports.</source>
        <translation>Die Woche enthält mehr als %1 Termine; so viele importiert Dorvane nicht.</translation>
    </message>
    <message>
        <source>More than %1 appointments start in the hour from %2, more than Dorvane imports.</source>
        <translation>In der Stunde ab %2 beginnen mehr als %1 Termine; so viele importiert Dorvane nicht.</translation>
    </message>
</context>
<context>
    <name>calendar::RecurrenceExpander</name>
    <message>
        <source>repeats too often, or too finely, to work out</source>
        <translation>wiederholt sich zu oft oder in zu kurzen Abständen, um berechnet zu werden</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be followed</source>
        <translation>hat eine Wiederholungsregel (RRULE), die nicht ausgewertet werden kann</translation>
    </message>
</context>
<context>
    <name>calendar::WeekLayout</name>
    <message>
        <source>Sat %1</source>
        <extracomment>%1 is the name of an appointment on Saturday, on the weekend page</extracomment>
        <translation>Sa. %1</translation>
    </message>
    <message>
        <source>Sun %1</source>
        <extracomment>%1 is the name of an appointment on Sunday, on the weekend page</extracomment>
        <translation>So. %1</translation>
    </message>
</context>
<context>
    <name>cli::BatchRun</name>
    <message>
        <source>%1 exists already; --force replaces it.</source>
        <translation>%1 ist bereits vorhanden; --force ersetzt die Datei.</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <extracomment>%1 is the title of the week, by default its Monday as the import writes it</extracomment>
        <translation>Woche vom %1</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>Der Kalender &quot;%1&quot; kann nicht importiert werden.

%2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>--save and --pdf name the same file, %1: give each its own.</source>
        <translation>--save und --pdf nennen dieselbe Datei, %1: Geben Sie jeder eine eigene.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLine</name>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--import SOURCE is needed: the calendar to make the planners from.</source>
        <translation>--import SOURCE ist erforderlich: der Kalender, aus dem die Wochenplaner erstellt werden.</translation>
    </message>
    <message>
        <source>--week &quot;%1&quot; is not a date: give YYYY-MM-DD, this or next.</source>
        <translation>--week &quot;%1&quot; ist kein Datum: Geben Sie YYYY-MM-DD, this oder next an.</translation>
    </message>
    <message>
        <source>--weeks &quot;%1&quot; is not a number of weeks from 1 to %2.</source>
        <translation>--weeks &quot;%1&quot; ist keine Anzahl von Wochen zwischen 1 und %2.</translation>
    </message>
    <message>
        <source>--title is for a single week; several weeks are titled by their Mondays.</source>
        <translation>--title gilt nur für eine einzelne Woche; mehrere Wochen erhalten ihren Montag als Titel.</translation>
    </message>
    <message>
        <source>--save and --pdf need a file name.</source>
        <translation>--save und --pdf benötigen einen Dateinamen.</translation>
    </message>
    <message>
        <source>--printer goes with --print.</source>
        <translation>--printer ist nur zusammen mit --print möglich.</translation>
    </message>
    <message>
        <source>Nothing to make: give --save FILE, --pdf FILE or --print.</source>
        <translation>Nichts zu erstellen: Geben Sie --save FILE, --pdf FILE oder --print an.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for more.</source>
        <translation>Weitere Informationen erhalten Sie mit &apos;dorvane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</source>
        <extracomment>Option names (--import) and value names in capitals (SOURCE) are typed as they are</extracomment>
        <translation>Aufruf: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</translation>
    </message>
    <message>
        <source>
       dorvane [FILE]

Makes weekly planners in Word format. With no options Dorvane opens its
window, importing the calendar FILE when one is given. With --import it
makes the planners of one or more weeks from a calendar without any window
and without a display.

  --import SOURCE   iCalendar file to take the appointments from.
  --week DATE       Any day of the first week: a date (YYYY-MM-DD), &quot;this&quot; or
                    &quot;next&quot;. Default: this week.
  --weeks N         Number of consecutive weeks, 1 to 53. Default: 1.
  --title TEXT      Title of the planner (one week only). Default: the week&apos;s
                    Monday, as the import writes it.
  --save FILE       Write one Word document, one week per page.
  --pdf FILE        Write one PDF, one page per week.
  --print           Print all weeks as one job.
  --printer NAME    The printer (CUPS queue) for --print. Default: the
                    system&apos;s default printer.
  --force           Replace output files that exist already.
  --quiet           Leave out the import summary.
  --hours A-B       The hours of a day, from A to B (0 to 23), one row each.
                    Default: 8-17.
  --clock 12|24     Hour labels on the 12-hour or the 24-hour clock.
                    Default: as the locale writes times.
  --paper a4|letter|a5
                    The paper. Default: Letter in the United States, A4
                    elsewhere.
  --landscape       The paper on its side.
  -h, --help        Show this help.
  -v, --version     Show the version.

At least one of --save, --pdf and --print is needed. Files are written
whole or not at all. A FILE of - is standard output. The import summary
goes to standard output (to standard error when a FILE is -), errors to
standard error.

Exit status: 0 done; 1 bad arguments; 2 the calendar could not be read;
3 a file could not be written or the job could not be printed.
</source>
        <extracomment>Follows the usage line; option names (--week) and the words &quot;this&quot; and &quot;next&quot; are typed as they are</extracomment>
        <translation>
        dorvane [FILE]

Erstellt Wochenplaner im Word-Format. Ohne Optionen öffnet Dorvane sein
Fenster und importiert den Kalender FILE, falls er angegeben ist. Mit --import
erstellt es die Wochenplaner einer oder mehrerer Wochen aus einem Kalender,
ohne Fenster und ohne grafische Anzeige.

  --import SOURCE   iCalendar-Datei, aus der die Termine übernommen werden.
  --week DATE       Ein Tag der ersten Woche: ein Datum (YYYY-MM-DD), &quot;this&quot;
                    oder &quot;next&quot;. Standard: diese Woche.
  --weeks N         Anzahl aufeinanderfolgender Wochen, 1 bis 53. Standard: 1.
  --title TEXT      Titel des Wochenplaners (nur eine Woche). Standard: der
                    Montag der Woche, so wie ihn der Import schreibt.
  --save FILE       Schreibt ein Word-Dokument, eine Woche pro Seite.
  --pdf FILE        Schreibt eine PDF-Datei, eine Seite pro Woche.
  --print           Druckt alle Wochen als einen einzigen Druckauftrag.
  --printer NAME    Der Drucker (CUPS-Warteschlange) für --print. Standard:
                    der Standarddrucker des Systems.
  --force           Ersetzt bereits vorhandene Ausgabedateien.
  --quiet           Lässt die Zusammenfassung des Imports weg.
  --hours A-B       Die Stunden eines Tages, von A bis B (0 bis 23), je eine
                    Zeile. Vorgabe: 8-17.
  --clock 12|24     Stunden auf der 12- oder der 24-Stunden-Uhr.
                    Vorgabe: wie das Gebietsschema Uhrzeiten schreibt.
  --paper a4|letter|a5
                    Das Papier. Vorgabe: Letter in den Vereinigten Staaten,
                    sonst A4.
  --landscape       Das Papier im Querformat.
  -h, --help        Zeigt diese Hilfe an.
  -v, --version     Zeigt die Version an.

Mindestens eine der Optionen --save, --pdf und --print ist erforderlich.
Dateien werden ganz oder gar nicht geschrieben. Als FILE steht - für die
Standardausgabe. Die Zusammenfassung des Imports geht an die Standardausgabe
(an die Standardfehlerausgabe, wenn FILE - ist), Fehler an die
Standardfehlerausgabe.

Exit-Status: 0 erledigt; 1 ungültige Argumente; 2 Kalender nicht lesbar;
3 Datei nicht schreibbar oder Druckauftrag nicht ausführbar.
</translation>
    </message>
    <message>
        <source>--hours &quot;%1&quot; is not a range of hours: give A-B, from 0 to 23, such as 7-19.</source>
        <translation>--hours „%1“ ist kein Stundenbereich: A-B angeben, von 0 bis 23, etwa 7-19.</translation>
    </message>
    <message>
        <source>--clock &quot;%1&quot; is not a clock: give 12 or 24.</source>
        <translation>--clock „%1“ ist keine Uhr: 12 oder 24 angeben.</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot; is not a paper: give a4, letter or a5.</source>
        <translation>--paper „%1“ ist kein Papierformat: a4, letter oder a5 angeben.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLineRun</name>
    <message>
        <source>The import summary could not be written: %1</source>
        <translation>Die Zusammenfassung des Imports konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>common::Files</name>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>common::Language</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale this translation is for, as a QLocale name such as de_DE; it gives the planner and the day pages their day names. Not shown.</extracomment>
        <translation>de_DE</translation>
    </message>
</context>
<context>
    <name>desktop::CursorFile</name>
    <message>
        <source>Cannot load cursor file %1: %2</source>
        <translation>Die Cursordatei %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is too large for a cursor</source>
        <translation>die Datei ist für einen Cursor zu groß</translation>
    </message>
    <message>
        <source>not a Windows cursor file</source>
        <translation>keine Windows-Cursordatei</translation>
    </message>
    <message>
        <source>the cursor image cannot be decoded</source>
        <translation>das Cursorbild kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>the hot spot lies outside the cursor image</source>
        <translation>der Hotspot liegt außerhalb des Cursorbilds</translation>
    </message>
</context>
<context>
    <name>entry::ChooseCalendarDialog</name>
    <message>
        <source>Choose Calendar</source>
        <translation>Kalender auswählen</translation>
    </message>
    <message>
        <source>Import the week from</source>
        <translation>Woche importieren aus</translation>
    </message>
    <message>
        <source>Import the week from:</source>
        <translation>Woche importieren aus:</translation>
    </message>
</context>
<context>
    <name>entry::EntryWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Title For This Week</source>
        <translation>Titel dieser Woche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Makes the planner of this week and shows its preview</source>
        <translation>Erstellt den Wochenplaner für diese Woche und zeigt seine Vorschau an</translation>
    </message>
    <message>
        <source>Tells whom to ask about Dorvane</source>
        <translation>Nennt den Ansprechpartner für Fragen zu Dorvane</translation>
    </message>
    <message>
        <source>Fills the title and all six day pages with an example week</source>
        <translation>Füllt den Titel und alle sechs Tagesseiten mit einer Beispielwoche</translation>
    </message>
    <message>
        <source>The planner&apos;s heading reads Week of, then this title</source>
        <translation>Die Überschrift des Wochenplaners lautet „Woche vom“, gefolgt von diesem Titel</translation>
    </message>
    <message>
        <source>Control+Page Down and Control+Page Up switch pages</source>
        <translation>Strg+Bild ab und Strg+Bild auf wechseln die Seite</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>%1, %2 o&apos;clock, %3</source>
        <extracomment>Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5, or 0 to 23), %3 the column</extracomment>
        <translation>%1, %2 Uhr, %3</translation>
    </message>
    <message>
        <source>You forgot to input week information.</source>
        <translation>Sie haben vergessen, die Angaben zur Woche einzugeben.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quenlis at %1</source>
        <translation>Fragen? Bitte wenden Sie sich an Team Quenlis unter %1</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Kalender wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Kalender importieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|All files (*)|*</source>
        <translation>Kalenderdateien (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>Der Kalender „%1“ kann nicht importiert werden.

%2</translation>
    </message>
    <message>
        <source>The calendar at %1 cannot be opened.

%2</source>
        <translation>Der Kalender unter %1 kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments.</source>
        <translation>Der Kalender „%1“ enthält keine Termine.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments in the week of %2.</source>
        <translation>Der Kalender „%1“ enthält keine Termine in der Woche vom %2.</translation>
    </message>
    <message>
        <source>The week already holds appointments. Replace them with those of the calendar?</source>
        <translation>Die Woche enthält bereits Termine. Sollen sie durch die Termine des Kalenders ersetzt werden?</translation>
    </message>
    <message>
        <source>Planner Settings…</source>
        <extracomment>The entry window&apos;s context menu and Ctrl+,: opens the dialog &quot;Planner Settings&quot;</extracomment>
        <translation>Planereinstellungen…</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Accessible name of an appointment box: %1 the day, %2 the hour with am or pm (&quot;1 pm&quot;), %3 the column</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>entry::ImportWeekDialog</name>
    <message>
        <source>Import Week</source>
        <translation>Woche importieren</translation>
    </message>
    <message>
        <source>Import the week of</source>
        <translation>Zu importierende Woche</translation>
    </message>
    <message>
        <source>Import the week of:</source>
        <translation>Zu importierende Woche:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <extracomment>Import Week: how many consecutive weeks to import, from the chosen one on</extracomment>
        <translation>Wochen:</translation>
    </message>
</context>
<context>
    <name>entry::OpenAddressDialog</name>
    <message>
        <source>Open Calendar Address</source>
        <translation>Kalenderadresse öffnen</translation>
    </message>
    <message>
        <source>A calendar server (CalDAV), a calendar on it, or a web calendar (https or webcal).</source>
        <translation>Ein Kalenderserver (CalDAV), ein Kalender darauf oder ein Webkalender (https oder webcal).</translation>
    </message>
    <message>
        <source>Recent addresses</source>
        <translation>Zuletzt verwendete Adressen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
</context>
<context>
    <name>entry::PlannerSettingsDialog</name>
    <message>
        <source>Planner Settings</source>
        <translation>Planereinstellungen</translation>
    </message>
    <message>
        <source>First hour</source>
        <translation>Erste Stunde</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Letzte Stunde</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The clock of the hour labels: &quot;1 pm&quot;</extracomment>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>24-hour</source>
        <extracomment>The clock of the hour labels: &quot;13&quot;</extracomment>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last hour: &quot;8:00 AM to 5:00 PM&quot;</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>Uhr:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Dorvane&apos;s own engine</source>
        <translation>Dorvanes eigener Engine</translation>
    </message>
    <message>
        <source>Make the planner with:</source>
        <translation>Planer erstellen mit:</translation>
    </message>
</context>
<context>
    <name>entry::RemoteDialogs</name>
    <message>
        <source>The password could not be remembered: %1.</source>
        <translation>Das Passwort konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>entry::SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in.</source>
        <translation>Der Server %1 fordert Sie zur Anmeldung auf.</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in to &quot;%2&quot;.</source>
        <translation>Der Server %1 fordert Sie zur Anmeldung bei „%2“ auf.</translation>
    </message>
    <message>
        <source>The server refused the last attempt: %1</source>
        <translation>Der Server hat den letzten Versuch abgelehnt: %1</translation>
    </message>
    <message>
        <source>This server is reached over plain http: the password travels unencrypted.</source>
        <translation>Dieser Server wird über http ohne Verschlüsselung erreicht: Das Passwort wird im Klartext übertragen.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <translation>Im Schlüsselbund speichern</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
</context>
<context>
    <name>entry::TransferProgressDialog</name>
    <message>
        <source>Downloading Calendar</source>
        <translation>Kalender wird heruntergeladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>%1 empfangen</translation>
    </message>
</context>
<context>
    <name>files::AtomicFileWriter</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>es ist ein blockorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es ist eine benannte Pipe (FIFO), keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>Windows reserves the name &quot;%1&quot; for a device</source>
        <translation>Windows reserviert den Namen „%1“ für ein Gerät</translation>
    </message>
    <message>
        <source>Windows does not allow the characters &lt; &gt; : &quot; | ? * in the name &quot;%1&quot;</source>
        <translation>Windows erlaubt die Zeichen &lt; &gt; : &quot; | ? * im Namen „%1“ nicht</translation>
    </message>
    <message>
        <source>Windows does not allow a name that ends in a dot or a blank: &quot;%1&quot;</source>
        <translation>Windows erlaubt keinen Namen, der auf einen Punkt oder ein Leerzeichen endet: „%1“</translation>
    </message>
</context>
<context>
    <name>output::OutputFile</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben ?</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
</context>
<context>
    <name>output::PdfExport</name>
    <message>
        <source>The PDF pages could not be made.</source>
        <translation>Die PDF-Seiten konnten nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>output::PlannerPrinter</name>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file for printing: %1</source>
        <translation>Für den Druck kann keine temporäre Datei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>output::PrintJob</name>
    <message>
        <source>Printing needs the CUPS library, which cannot be loaded: %1</source>
        <translation>Zum Drucken wird die CUPS-Bibliothek gebraucht, die sich nicht laden lässt: %1</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Der Druckserver %1 antwortet nicht.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen: %2</translation>
    </message>
</context>
<context>
    <name>planner::PlannerGenerator</name>
    <message>
        <source>Week of %1</source>
        <extracomment>The planner document&apos;s heading; %1 is the week&apos;s title as typed, such as a date</extracomment>
        <translation>Woche vom %1</translation>
    </message>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Word ist möglicherweise geöffnet. Es wird empfohlen, Word zuerst zu schließen. Verwenden Sie gegebenenfalls Strg+Alt+Entf &gt; Task-Manager &gt; WINWORD.EXE.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture of the planner.</source>
        <translation>Die Zwischenablage enthält kein Bild des Wochenplaners.</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment numbers; the column is 50 points wide, so the title is short enough to fit on one line at 10 points</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment names</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>A planner needs at least one week.</source>
        <translation>Ein Wochenplaner braucht mindestens eine Woche.</translation>
    </message>
    <message>
        <source>There is no picture of the planner to load.</source>
        <translation>Es ist kein Bild des Wochenplaners zum Laden vorhanden.</translation>
    </message>
    <message>
        <source>Cannot load the picture %1.</source>
        <translation>Das Bild %1 kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>planner::PlannerSettings</name>
    <message>
        <source>Letter</source>
        <extracomment>The paper size of North America, 8.5 by 11 inches</extracomment>
        <translation>Letter (US)</translation>
    </message>
</context>
<context>
    <name>planner::TemporaryFiles</name>
    <message>
        <source>Cannot create the temporary folder %1: %2</source>
        <translation>Der temporäre Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a folder</source>
        <translation>Der temporäre Ordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>The temporary folder %1 belongs to another user</source>
        <translation>Der temporäre Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be made private</source>
        <translation>Der temporäre Ordner %1 kann nicht vor anderen Benutzern geschützt werden</translation>
    </message>
    <message>
        <source>Cannot create the temporary document %1: %2</source>
        <translation>Das temporäre Dokument %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the picture in %1</source>
        <translation>In %1 ist kein freier Dateiname für das Bild zu finden</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it is empty</source>
        <translation>Das Bild %1 kann nicht geschrieben werden: Es ist leer</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it cannot be stored</source>
        <translation>Das Bild %1 kann nicht geschrieben werden: Es kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the document in %1</source>
        <translation>Für das Dokument in %1 ist kein freier Name zu finden</translation>
    </message>
</context>
<context>
    <name>planner::checkWordInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.<byte value="xd"/>
<byte value="xd"/>
1. Please make sure Word is installed on this computer.<byte value="xd"/>
<byte value="xd"/>
2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).<byte value="xd"/>
<byte value="xd"/>
3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.<byte value="xd"/>
<byte value="xd"/>
4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>Fehler 842001. Es konnte keine normale Instanz von Word erstellt werden.<byte value="xd"/>
<byte value="xd"/>
1. Stellen Sie sicher, dass Word auf diesem Computer installiert ist.<byte value="xd"/>
<byte value="xd"/>
2. Öffnen Sie Word wie gewohnt und stellen Sie sicher, dass sofort ein leeres Dokument geöffnet wird, ohne dass ein anderes Fenster dazwischenkommt (etwa ein Fenster zur Wiederherstellung von Word-Dateien).<byte value="xd"/>
<byte value="xd"/>
3. Stellen Sie sicher, dass sich Word beim Doppelklicken auf eine DOC- oder DOCX-Datei normal und ohne störende Meldungen öffnet.<byte value="xd"/>
<byte value="xd"/>
4. Diese Software unterstützt alle Word-Versionen mit Ausnahme der seltenen Editionen Word Starter und Word Student.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewCommands</name>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>The planner could not be printed.</source>
        <translation>Der Wochenplaner konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>The planner could not be exported as PDF.</source>
        <translation>Der Wochenplaner konnte nicht als PDF exportiert werden.</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Das Bild konnte nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewWindow</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Als Word-Datei speichern</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Move the picture left and right</source>
        <translation>Bild nach links und rechts verschieben</translation>
    </message>
    <message>
        <source>Move the picture up and down</source>
        <translation>Bild nach oben und unten verschieben</translation>
    </message>
    <message>
        <source>Control+plus zooms in and Control+minus zooms out; the arrow keys and Page Up and Page Down move the picture, as does dragging it. Control+P prints, Control+E exports as PDF, Control+C copies the picture.</source>
        <translation>Strg+Plus vergrößert und Strg+Minus verkleinert; die Pfeiltasten sowie Bild auf und Bild ab verschieben das Bild, ebenso das Ziehen mit der Maus. Strg+P druckt, Strg+E exportiert als PDF, Strg+C kopiert das Bild.</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Wochenplaner</translation>
    </message>
    <message>
        <source>%1, original size</source>
        <translation>%1, Originalgröße</translation>
    </message>
    <message>
        <source>Cannot read the planner document %1: %2</source>
        <translation>Das Dokument des Wochenplaners %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation>Word-Dateien (*.doc)|*.doc</translation>
    </message>
    <message>
        <source>The entry window is not available</source>
        <translation>Das Eingabefenster ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>preview::Viewport</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>remote::CalDavClient</name>
    <message>
        <source>The answer of %1 is not a calendar.</source>
        <translation>Die Antwort von %1 ist kein Kalender.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server described nothing.</source>
        <translation>Die Antwort von %1 ist kein Kalender: Der Server hat keine Angaben gemacht.</translation>
    </message>
    <message>
        <source>The calendar at %1 holds no events (only tasks or notes).</source>
        <translation>Der Kalender unter %1 enthält keine Termine (nur Aufgaben oder Notizen).</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server names no calendars for this user.</source>
        <translation>Die Antwort von %1 ist kein Kalender: Der Server nennt keine Kalender für diesen Benutzer.</translation>
    </message>
    <message>
        <source>The server %1 holds no calendar with events for this user.</source>
        <translation>Der Server %1 hat für diesen Benutzer keinen Kalender mit Terminen.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server does not speak CalDAV.</source>
        <translation>Die Antwort von %1 ist kein Kalender: Der Server unterstützt kein CalDAV.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server&apos;s answer is cut short or malformed.</source>
        <translation>Die Antwort von %1 ist kein Kalender: Die Antwort des Servers ist unvollständig oder fehlerhaft.</translation>
    </message>
</context>
<context>
    <name>remote::CalendarAddress</name>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>„%1“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an http, https or webcal address.</source>
        <translation>„%1“ ist keine http-, https- oder webcal-Adresse.</translation>
    </message>
</context>
<context>
    <name>remote::HttpSession</name>
    <message>
        <source>The server %1 sent the request on more than %2 times; the address may lead in a circle.</source>
        <translation>Der Server %1 hat die Anfrage mehr als %2-mal weitergeleitet; die Adresse führt möglicherweise im Kreis.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on to an address that cannot be used.</source>
        <translation>Der Server %1 hat die Anfrage an eine Adresse weitergeleitet, die nicht verwendet werden kann.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on from a secure (https) address to an insecure (http) one, %2; Dorvane does not follow it.</source>
        <translation>Der Server %1 hat die Anfrage von einer sicheren (https) an eine unsichere (http) Adresse weitergeleitet, %2; Dorvane folgt dieser Weiterleitung nicht.</translation>
    </message>
    <message>
        <source>The server %1 stopped sending for %2 seconds.</source>
        <translation>Der Server %1 hat %2 Sekunden lang nichts mehr gesendet.</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation>Der Server %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.</source>
        <translation>Die Antwort von %1 ist größer als %2 MB; so große Kalender liest Dorvane nicht.</translation>
    </message>
    <message>
        <source>The server %1 sent too slowly: the answer did not come within %2 seconds.</source>
        <translation>Der Server %1 hat zu langsam gesendet: Die Antwort kam nicht innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>The answer of %1 cannot be unpacked: unpacked, it is larger than %2 MB, more than any calendar Dorvane reads, or it is damaged.</source>
        <translation>Die Antwort von %1 lässt sich nicht entpacken: Entpackt ist sie größer als %2 MB, mehr als jeder Kalender, den Dorvane liest, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The server %1 broke off its answer before the end. Try again later.</source>
        <translation>Der Server %1 hat seine Antwort vor dem Ende abgebrochen. Versuchen Sie es später noch einmal.</translation>
    </message>
</context>
<context>
    <name>remote::KeyringSecret</name>
    <message>
        <source>no keyring can be reached, as this session has no desktop bus (D-Bus)</source>
        <translation>kein Schlüsselbund ist erreichbar, da diese Sitzung keinen Desktop-Bus (D-Bus) hat</translation>
    </message>
    <message>
        <source>no keyring is available on this computer</source>
        <translation>auf diesem Computer ist kein Schlüsselbund vorhanden</translation>
    </message>
    <message>
        <source>the keyring&apos;s own question was cancelled</source>
        <translation>die Nachfrage des Schlüsselbunds wurde abgebrochen</translation>
    </message>
    <message>
        <source>the keyring refused it</source>
        <translation>der Schlüsselbund hat es abgelehnt</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>der Schlüsselbund hat versagt</translation>
    </message>
    <message>
        <source>it is longer than the Credential Manager keeps</source>
        <translation>es ist länger, als die Anmeldeinformationsverwaltung speichert</translation>
    </message>
</context>
<context>
    <name>remote::NetworkFailure</name>
    <message>
        <source>The certificate of %1 has expired.</source>
        <translation>Das Zertifikat von %1 ist abgelaufen.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not valid yet.</source>
        <translation>Das Zertifikat von %1 ist noch nicht gültig.</translation>
    </message>
    <message>
        <source>The certificate of %1 was made out for another name.</source>
        <translation>Das Zertifikat von %1 wurde für einen anderen Namen ausgestellt.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not from an authority this computer trusts.</source>
        <translation>Das Zertifikat von %1 stammt nicht von einer Zertifizierungsstelle, der dieser Computer vertraut.</translation>
    </message>
    <message>
        <source>The certificate of %1 has been revoked.</source>
        <translation>Das Zertifikat von %1 wurde widerrufen.</translation>
    </message>
    <message>
        <source>the secure connection could not be made</source>
        <translation>die sichere Verbindung konnte nicht hergestellt werden</translation>
    </message>
    <message>
        <source>The certificate of %1 is not accepted: %2.</source>
        <translation>Das Zertifikat von %1 wird nicht akzeptiert: %2.</translation>
    </message>
    <message>
        <source>The server name %1 was not found. Check the address, and that this computer is online.</source>
        <translation>Der Servername %1 wurde nicht gefunden. Überprüfen Sie die Adresse und ob dieser Computer mit dem Internet verbunden ist.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation>Der Server %1 hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 closed the connection before it answered.</source>
        <translation>Der Server %1 hat die Verbindung geschlossen, bevor er geantwortet hat.</translation>
    </message>
    <message>
        <source>This computer is not connected to a network.</source>
        <translation>Dieser Computer ist nicht mit einem Netzwerk verbunden.</translation>
    </message>
    <message>
        <source>No network leads to %1: this computer may not be connected to a network.</source>
        <translation>%1 ist über kein Netzwerk erreichbar: Dieser Computer ist möglicherweise nicht mit einem Netzwerk verbunden.</translation>
    </message>
    <message>
        <source>The proxy server set for this computer did not pass the request on to %1.</source>
        <translation>Der für diesen Computer eingestellte Proxyserver hat die Anfrage nicht an %1 weitergeleitet.</translation>
    </message>
    <message>
        <source>The connection to %1 failed.</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The server %1 did not accept the user name and password (%2).</source>
        <translation>Der Server %1 hat Benutzername und Passwort nicht akzeptiert (%2).</translation>
    </message>
    <message>
        <source>The server %1 does not allow access to this address (%2).</source>
        <translation>Der Server %1 erlaubt keinen Zugriff auf diese Adresse (%2).</translation>
    </message>
    <message>
        <source>There is no calendar at this address on %1 (%2).</source>
        <translation>Unter dieser Adresse gibt es auf %1 keinen Kalender (%2).</translation>
    </message>
    <message>
        <source>The server %1 failed to answer (%2). Try again later.</source>
        <translation>Der Server %1 konnte nicht antworten (%2). Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The server %1 refused the request (%2).</source>
        <translation>Der Server %1 hat die Anfrage abgelehnt (%2).</translation>
    </message>
</context>
<context>
    <name>remote::PasswordKeyring</name>
    <message>
        <source>the user name holds a line break</source>
        <translation>der Benutzername enthält einen Zeilenumbruch</translation>
    </message>
</context>
<context>
    <name>remote::RemoteCalendar</name>
    <message>
        <source>an answer of unknown type</source>
        <translation>eine Antwort unbekannten Typs</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server sent %2.</source>
        <translation>Die Antwort von %1 ist kein Kalender: Der Server hat %2 gesendet.</translation>
    </message>
</context>
<context>
    <name>skin::SkinFramework</name>
    <message>
        <source>The skin file %1 holds one skin; there is no part named %2</source>
        <translation>Die Skin-Datei %1 enthält nur einen Skin; es gibt keinen Teil namens %2</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Die Skin-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large for a skin</source>
        <translation>Die Skin-Datei %1 ist für einen Skin zu groß</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be parsed</source>
        <translation>Die Skin-Datei %1 ist kein auswertbares Stylesheet</translation>
    </message>
    <message>
        <source>No window has the handle %1</source>
        <translation>Kein Fenster hat das Handle %1</translation>
    </message>
    <message>
        <source>No skin has been loaded</source>
        <translation>Es wurde kein Skin geladen</translation>
    </message>
</context>
<context>
    <name>week::HourRange</name>
    <message>
        <source>%1 am</source>
        <translation>%1 am</translation>
    </message>
    <message>
        <source>%1 pm</source>
        <extracomment>An hour of the afternoon or evening on the 12-hour clock: &quot;12 pm&quot; (noon), &quot;6 pm&quot;</extracomment>
        <translation>%1 pm</translation>
    </message>
</context>
<context>
    <name>week::SampleData</name>
    <message>
        <source>Week #%1</source>
        <extracomment>Title of the example week; %1 is the number of the week in the year</extracomment>
        <translation>Woche Nr. %1</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Meeting with friends</source>
        <translation>Treffen mit Freunden</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>Einkaufen</translation>
    </message>
    <message>
        <source>Gym</source>
        <translation>Fitnessstudio</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Ausflug</translation>
    </message>
    <message>
        <source>Meeting with associates</source>
        <translation>Treffen mit Geschäftspartnern</translation>
    </message>
</context>
<context>
    <name>windowoutput::PictureCopy</name>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>Für das Bild ist nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
</context>
<context>
    <name>word::AutomationError</name>
    <message>
        <source>Call: %1</source>
        <extracomment>Under a failure of Word: %1 is the call the program made, as VB writes it</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Error from %1: 0x%2</source>
        <extracomment>%1 is the program that raised the error (&quot;Microsoft Word&quot;), %2 its error number in hexadecimal</extracomment>
        <translation>Fehler von %1: 0x%2</translation>
    </message>
</context>
<context>
    <name>word::DocumentError</name>
    <message>
        <source>The file is not a Word document.</source>
        <translation>Die Datei ist kein Word-Dokument.</translation>
    </message>
    <message>
        <source>The file is not a Word document: %1.</source>
        <translation>Die Datei ist kein Word-Dokument: %1.</translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation>Die Datei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>The file is too large to open: %1.</source>
        <translation>Die Datei ist zu groß zum Öffnen: %1.</translation>
    </message>
</context>
<context>
    <name>word::DocumentRenderer</name>
    <message>
        <source>A picture of the document can only be made by the program&apos;s main thread.</source>
        <translation>Ein Bild des Dokuments kann nur im Hauptthread des Programms erstellt werden.</translation>
    </message>
    <message>
        <source>The document is too large to be copied as one picture.</source>
        <translation>Das Dokument ist zu groß, um als ein einziges Bild kopiert zu werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the document as a picture.</source>
        <translation>Es ist nicht genügend Arbeitsspeicher vorhanden, um das Dokument als Bild zu zeichnen.</translation>
    </message>
</context>
<context>
    <name>word::com</name>
    <message>
        <source>Word refused the call (error %1).</source>
        <extracomment>%1 is the error number (HRESULT) of a failed automation call, e.g. 0x80020003</extracomment>
        <translation>Word hat den Aufruf abgelehnt (Fehler %1).</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
</context>
<context>
    <name>word::messages</name>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Objekterstellung durch ActiveX-Komponente nicht möglich</translation>
    </message>
    <message>
        <source>The RPC server is unavailable.</source>
        <translation>Der RPC-Server ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Object has been deleted.</source>
        <translation>Das Objekt wurde gelöscht.</translation>
    </message>
    <message>
        <source>This command is not available because no document is open.</source>
        <translation>Dieser Befehl ist nicht verfügbar, weil kein Dokument geöffnet ist.</translation>
    </message>
    <message>
        <source>Bad parameter</source>
        <translation>Ungültiger Parameter</translation>
    </message>
    <message>
        <source>Value out of range</source>
        <translation>Wert außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>This method or property is not available because some or all of the object does not refer to a table.</source>
        <translation>Diese Methode oder Eigenschaft ist nicht verfügbar, weil sich das Objekt ganz oder teilweise nicht auf eine Tabelle bezieht.</translation>
    </message>
    <message>
        <source>The requested member of the collection does not exist.</source>
        <translation>Das angeforderte Element der Auflistung ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Item with specified name does not exist.</source>
        <translation>Ein Element mit dem angegebenen Namen ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Cannot access individual columns in this collection because the table has mixed cell widths.</source>
        <translation>Der Zugriff auf einzelne Spalten dieser Auflistung ist nicht möglich, weil die Tabelle Zellen unterschiedlicher Breite enthält.</translation>
    </message>
    <message>
        <source>The range is no longer part of the document.</source>
        <translation>Der Bereich ist nicht mehr Teil des Dokuments.</translation>
    </message>
    <message>
        <source>The range is not part of this document.</source>
        <translation>Der Bereich ist nicht Teil dieses Dokuments.</translation>
    </message>
    <message>
        <source>A table cannot be put inside a table.</source>
        <translation>Eine Tabelle kann nicht in eine Tabelle eingefügt werden.</translation>
    </message>
    <message>
        <source>The document has not been saved yet and has no file to be saved to.</source>
        <translation>Das Dokument wurde noch nicht gespeichert und hat keine Datei, in die es gespeichert werden kann.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object is empty.</source>
        <translation>Diese Methode oder Eigenschaft ist nicht verfügbar, weil das Objekt leer ist.</translation>
    </message>
    <message>
        <source>The clipboard is not available.</source>
        <translation>Die Zwischenablage ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Cells of a column cannot be merged.</source>
        <translation>Die Zellen einer Spalte können nicht verbunden werden.</translation>
    </message>
    <message>
        <source>Word stayed busy for 30 seconds and did not take the call. Nothing of the week is lost: finish what Word is doing, then press Start Creating Template again.</source>
        <translation>Word war 30 Sekunden lang beschäftigt und hat den Aufruf nicht angenommen. Von der Woche geht nichts verloren: Beenden Sie, was Word gerade tut, und klicken Sie dann erneut auf „Vorlage erstellen“.</translation>
    </message>
    <message>
        <source>Word was closed while the planner was being made. Nothing of the week is lost: press Start Creating Template again.</source>
        <translation>Word wurde geschlossen, während der Planer erstellt wurde. Von der Woche geht nichts verloren: Klicken Sie erneut auf „Vorlage erstellen“.</translation>
    </message>
    <message>
        <source>Word has no member named %1.</source>
        <extracomment>%1 is the name of a member of Word&apos;s automation objects, e.g. TypeText</extracomment>
        <translation>Word hat kein Element namens %1.</translation>
    </message>
    <message>
        <source>The document is open in Word; its pages are drawn from the file Word saved.</source>
        <translation>Das Dokument ist in Word geöffnet; seine Seiten werden aus der Datei gezeichnet, die Word gespeichert hat.</translation>
    </message>
</context>
<context>
    <name>word::oxml::BodyCounts</name>
    <message>
        <source>it has more than %1 %2</source>
        <extracomment>%1 is a number, %2 what there are too many of, e.g. &quot;table cells&quot;</extracomment>
        <translation>sie enthält mehr als %1 %2</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>sie enthält mehr als %1 Zeichen Text</translation>
    </message>
    <message>
        <source>paragraphs</source>
        <translation>Absätze</translation>
    </message>
    <message>
        <source>runs of text</source>
        <translation>Textabschnitte</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>table cells</source>
        <translation>Tabellenzellen</translation>
    </message>
</context>
<context>
    <name>word::oxml::DocumentReader</name>
    <message>
        <source>the main part has no w:document element</source>
        <translation>der Hauptteil hat kein w:document-Element</translation>
    </message>
    <message>
        <source>the main part has no w:body element</source>
        <translation>der Hauptteil hat kein w:body-Element</translation>
    </message>
</context>
<context>
    <name>word::oxml::RunProperties</name>
    <message>
        <source>the font size &quot;%1&quot; is not a size Word allows</source>
        <translation>der Schriftgrad „%1“ ist in Word nicht zulässig</translation>
    </message>
</context>
<context>
    <name>word::oxml::StylesReader</name>
    <message>
        <source>the line spacing &quot;%1&quot; is out of range</source>
        <translation>der Zeilenabstand „%1“ liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the styles part has no w:styles element</source>
        <translation>der Formatvorlagenteil hat kein w:styles-Element</translation>
    </message>
    <message>
        <source>it defines more than %1 styles</source>
        <translation>sie definiert mehr als %1 Formatvorlagen</translation>
    </message>
</context>
<context>
    <name>word::oxml::TableReader</name>
    <message>
        <source>a table has more than %1 columns</source>
        <translation>eine Tabelle hat mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>a table has more than %1 rows</source>
        <translation>eine Tabelle hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>a table row has more than %1 cells</source>
        <translation>eine Tabellenzeile hat mehr als %1 Zellen</translation>
    </message>
    <message>
        <source>a table&apos;s rows do not fit its grid</source>
        <translation>die Zeilen einer Tabelle passen nicht zu ihrem Raster</translation>
    </message>
</context>
<context>
    <name>word::oxml::XmlReader</name>
    <message>
        <source>the page width</source>
        <translation>die Seitenbreite</translation>
    </message>
    <message>
        <source>the page height</source>
        <translation>die Seitenhöhe</translation>
    </message>
    <message>
        <source>a page margin</source>
        <translation>einen Seitenrand</translation>
    </message>
    <message>
        <source>a cell margin</source>
        <translation>einen Zellenrand</translation>
    </message>
    <message>
        <source>a grid column&apos;s width</source>
        <translation>die Breite einer Rasterspalte</translation>
    </message>
    <message>
        <source>a cell&apos;s width</source>
        <translation>die Breite einer Zelle</translation>
    </message>
    <message>
        <source>an element of %1 has more than %2 attributes</source>
        <translation>ein Element von %1 hat mehr als %2 Attribute</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>%1 is what is wrong, %2 the name of the part of the document package</extracomment>
        <translation>%1 (%2, Zeile %3)</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; of %2 is out of range</source>
        <extracomment>%2 says what the value is for, e.g. &quot;a cell margin&quot;</extracomment>
        <translation>der Wert „%1“ für %2 liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the part %1 ends too early</source>
        <translation>der Teil %1 endet zu früh</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML: %2</source>
        <translation>der Teil %1 ist kein wohlgeformtes XML: %2</translation>
    </message>
    <message>
        <source>the part %1 has a document type declaration, which a package part may not have</source>
        <translation>der Teil %1 enthält eine Dokumenttypdeklaration, die in einem Paketteil nicht erlaubt ist</translation>
    </message>
    <message>
        <source>the part %1 refers to an undefined entity</source>
        <translation>der Teil %1 verweist auf eine nicht definierte Entität</translation>
    </message>
    <message>
        <source>the elements of %1 are nested more than %2 deep</source>
        <translation>die Elemente von %1 sind mehr als %2 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>the part %1 is empty</source>
        <translation>der Teil %1 ist leer</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>sie enthält mehr als %1 Zeichen Text</translation>
    </message>
    <message>
        <source>a character XML does not allow</source>
        <translation>ein Zeichen, das XML nicht zulässt</translation>
    </message>
    <message>
        <source>a &apos;&amp;&apos; that begins no reference</source>
        <translation>ein &apos;&amp;&apos;, mit dem kein Verweis beginnt</translation>
    </message>
    <message>
        <source>a &apos;&lt;&apos; in an attribute value</source>
        <translation>ein &apos;&lt;&apos; in einem Attributwert</translation>
    </message>
    <message>
        <source>the namespace prefix %1 is not declared</source>
        <translation>das Namensraumpräfix %1 ist nicht deklariert</translation>
    </message>
    <message>
        <source>its encoding cannot be read</source>
        <translation>die Kodierung ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>word::package::AtomicFile</name>
    <message>
        <source>The document could not be saved as &quot;%1&quot;: %2</source>
        <translation>Das Dokument konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>a folder of that name exists.</source>
        <translation>es gibt bereits einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>der Ordner ist nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>word::package::PackageIndexReader</name>
    <message>
        <source>the content types are not declared</source>
        <translation>die Inhaltstypen sind nicht deklariert</translation>
    </message>
    <message>
        <source>too many content types are declared</source>
        <translation>es sind zu viele Inhaltstypen deklariert</translation>
    </message>
    <message>
        <source>the part %1 holds no relationships</source>
        <translation>der Teil %1 enthält keine Beziehungen</translation>
    </message>
    <message>
        <source>the part %1 holds too many relationships</source>
        <translation>der Teil %1 enthält zu viele Beziehungen</translation>
    </message>
</context>
<context>
    <name>word::package::PackageReader</name>
    <message>
        <source>its main document part %1 is missing</source>
        <translation>ihr Hauptdokumentteil %1 fehlt</translation>
    </message>
    <message>
        <source>the content type of %1 is not declared</source>
        <translation>der Inhaltstyp von %1 ist nicht deklariert</translation>
    </message>
    <message>
        <source>its main part is of the type %1</source>
        <translation>ihr Hauptteil hat den Typ %1</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <translation>dafür ist nicht genügend Arbeitsspeicher vorhanden</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; could not be opened. %2</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es handelt sich um einen Ordner, nicht um eine Datei.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Es handelt sich nicht um eine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>word::package::ZipArchive</name>
    <message>
        <source>The document could not be packed (%1: %2).</source>
        <extracomment>%1 is the step of the zip library that failed (buffer, open, add, close, read), %2 its reason</extracomment>
        <translation>Das Dokument konnte nicht gepackt werden (%1: %2).</translation>
    </message>
</context>
<context>
    <name>word::package::ZipLibrary</name>
    <message>
        <source>Word documents need the zip library (libzip), which cannot be loaded: %1</source>
        <translation>Word-Dokumente brauchen die Zip-Bibliothek (libzip), die sich nicht laden lässt: %1</translation>
    </message>
</context>
<context>
    <name>word::package::ZipReader</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is in the old binary format (Word 97-2003), which cannot be opened</source>
        <translation>sie liegt im alten Binärformat (Word 97-2003) vor, das nicht geöffnet werden kann</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>das Paket hat mehr als %1 Teile</translation>
    </message>
    <message>
        <source>the zip container cannot be read (%1)</source>
        <translation>der ZIP-Container kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the zip container is broken or incomplete (%1)</source>
        <translation>der ZIP-Container ist beschädigt oder unvollständig (%1)</translation>
    </message>
    <message>
        <source>its parts would take more than %1 MB</source>
        <translation>ihre Teile würden mehr als %1 MB belegen</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>der Teil %1 fehlt</translation>
    </message>
    <message>
        <source>its parts unpack to more than %1 MB</source>
        <translation>ihre Teile ergeben entpackt mehr als %1 MB</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MB</source>
        <translation>der Teil %1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>the entry of %1 cannot be read</source>
        <translation>der Eintrag von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the part %1 is encrypted</source>
        <translation>der Teil %1 ist verschlüsselt</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked (%2)</source>
        <translation>der Teil %1 kann nicht entpackt werden (%2)</translation>
    </message>
    <message>
        <source>the part %1 does not have the size its header states</source>
        <translation>der Teil %1 hat nicht die in seinem Header angegebene Größe</translation>
    </message>
</context>
</TS>
