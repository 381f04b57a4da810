<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChooseCalendarDialog</name>
    <message>
        <source>Choose Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the week from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the week from:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title For This Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the planner of this week and shows its preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tells whom to ask about Dorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the title and all six day pages with an example week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planner&apos;s heading reads Week of, then this title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control+Page Down and Control+Page Up switch pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 o&apos;clock, %3</source>
        <extracomment>Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5), %3 the column</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to input week information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quenlis at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar files (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|All files (*)|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar at %1 cannot be opened.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments in the week of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The week already holds appointments. Replace them with those of the calendar?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportWeekDialog</name>
    <message>
        <source>Import Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the week of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the week of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenAddressDialog</name>
    <message>
        <source>Open Calendar Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A calendar server (CalDAV), a calendar on it, or a web calendar (https or webcal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlannerGenerator</name>
    <message>
        <source>Week of %1</source>
        <extracomment>The planner document&apos;s heading; %1 is the week&apos;s title as typed, such as a date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no picture of the planner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment numbers</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A planner needs at least one week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture of the planner to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the picture %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the last attempt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This server is reached over plain http: the password travels unencrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemporaryFiles</name>
    <message>
        <source>Cannot create the temporary folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder %1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be made private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the temporary document %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find a free name for the picture in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferProgressDialog</name>
    <message>
        <source>Downloading Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>The file is larger than %1 MB, more than a calendar Dorvane imports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without a title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a malformed date in %1 (dates from %2 to %3 are read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a malformed %1 that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no start date, or one that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has more than %1 observances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changes by a rule other than once a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a calendar Dorvane imports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, more than Dorvane imports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file nests entries more than %1 deep; it is not a calendar Dorvane can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has an END line without its BEGIN; it is not a calendar Dorvane can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its calendar does; it may have been cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all day, no hour to place it at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts before 8 o&apos;clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts at 6 o&apos;clock in the evening or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its row is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported 1 appointment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 appointments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not placed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeats more than %1 times in the week, more than Dorvane imports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeats more than %1 times in one hour, more than Dorvane imports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The week holds more than %1 appointments, more than Dorvane imports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than %1 appointments start in the hour from %2, more than Dorvane imports.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendar::CalendarFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds binary data, not a calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not an iCalendar file libical can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The appointment %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendar::PropertyLine</name>
    <message>
        <source>The file has a line with more than %1 parameters; it is not a calendar Dorvane can read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendar::RecurrenceExpander</name>
    <message>
        <source>repeats too often, or too finely, to work out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be followed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common::Language</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale this translation is for, as a QLocale name such as de_DE; it gives the planner its day and month names. Not shown.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::OutputFile</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PdfExport</name>
    <message>
        <source>The PDF pages could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PictureCopy</name>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PlannerPrinter</name>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write a temporary file for printing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewCommands</name>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planner could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planner could not be exported as PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewWindow</name>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the picture left and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the picture up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control+plus zooms in and Control+minus zooms out; the arrow keys and Page Up and Page Down move the picture, as does dragging it. Control+P prints, Control+E exports as PDF, Control+C copies the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, original size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the planner document %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry window is not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::Viewport</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message>
        <source>The answer of %1 is not a calendar: the server does not speak CalDAV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server&apos;s answer is cut short or malformed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not valid yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 was made out for another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not from an authority this computer trusts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 has been revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the secure connection could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not accepted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server name %1 was not found. Check the address, and that this computer is online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 closed the connection before it answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is not connected to a network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network leads to %1: this computer may not be connected to a network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server set for this computer did not pass the request on to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 did not accept the user name and password (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 does not allow access to this address (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no calendar at this address on %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 failed to answer (%2). Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the request (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>remote::CalDavClient</name>
    <message>
        <source>The answer of %1 is not a calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server described nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar at %1 holds no events (only tasks or notes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server names no calendars for this user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 holds no calendar with events for this user.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>remote::CalendarAddress</name>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an http, https or webcal address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>remote::HttpSession</name>
    <message>
        <source>The server %1 sent the request on more than %2 times; the address may lead in a circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent the request on to an address that cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent the request on from a secure (https) address to an insecure (http) one, %2; Dorvane does not follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 stopped sending for %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>remote::RemoteCalendar</name>
    <message>
        <source>an answer of unknown type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server sent %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>week::SampleData</name>
    <message>
        <source>Week #%1</source>
        <extracomment>Title of the example week; %1 is the number of the week in the year</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting with friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting with associates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
