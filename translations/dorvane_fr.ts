<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>%1 is the number of the step that failed</extracomment>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>app::EngineChoice</name>
    <message>
        <source>--engine needs a value: auto, word or builtin.</source>
        <translation>--engine attend une valeur : auto, word ou builtin.</translation>
    </message>
    <message>
        <source>--engine &quot;%1&quot; is not one of auto, word and builtin.</source>
        <translation>--engine « %1 » n’est ni auto, ni word, ni builtin.</translation>
    </message>
</context>
<context>
    <name>calendar::CalendarFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a calendar.</source>
        <translation>Le fichier contient des données binaires, pas un calendrier.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file libical can read.</source>
        <translation>Le fichier n&apos;est pas un fichier iCalendar que libical peut lire.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR).</source>
        <translation>Le fichier ne contient aucun calendrier (VCALENDAR).</translation>
    </message>
    <message>
        <source>The appointment %1 %2.</source>
        <translation>Le rendez-vous %1 %2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a calendar Dorvane imports.</source>
        <translation>Le fichier dépasse %1&#xa0;Mo, au-delà de ce que Dorvane importe pour un calendrier.</translation>
    </message>
    <message>
        <source>without a title</source>
        <translation>sans titre</translation>
    </message>
    <message>
        <source>has a malformed date in %1 (dates from %2 to %3 are read)</source>
        <translation>contient une date mal formée dans %1 (seules les dates de %2 à %3 sont lues)</translation>
    </message>
    <message>
        <source>has a malformed %1 that cannot be read</source>
        <translation>contient une propriété %1 mal formée et illisible</translation>
    </message>
    <message>
        <source>has no start date, or one that cannot be read</source>
        <translation>n&apos;a pas de date de début, ou une date de début illisible</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be read</source>
        <translation>contient une règle de répétition (RRULE) illisible</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; %2.</source>
        <translation>Le fuseau horaire «&#xa0;%1&#xa0;» %2.</translation>
    </message>
    <message>
        <source>has more than %1 observances</source>
        <translation>comporte plus de %1 périodes d&apos;heure d&apos;hiver ou d&apos;été</translation>
    </message>
    <message>
        <source>begins before %1</source>
        <translation>commence avant %1</translation>
    </message>
    <message>
        <source>changes by a rule other than once a year</source>
        <translation>change selon une règle autre qu&apos;une fois par an</translation>
    </message>
    <message>
        <source>The file has a line with more than %1 parameters; it is not a calendar Dorvane can read.</source>
        <translation>Le fichier contient une ligne de plus de %1 paramètres&#xa0;; ce n&apos;est pas un calendrier que Dorvane peut lire.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Le fichier n&apos;est pas un fichier iCalendar&#xa0;: il ne commence pas par BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a calendar Dorvane imports.</source>
        <translation>Le fichier compte plus de %1 lignes, au-delà de ce que Dorvane importe pour un calendrier.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, more than Dorvane imports.</source>
        <translation>Le fichier contient plus de %1 entrées, au-delà de ce que Dorvane importe.</translation>
    </message>
    <message>
        <source>The file nests entries more than %1 deep; it is not a calendar Dorvane can read.</source>
        <translation>Le fichier imbrique des entrées sur plus de %1 niveaux&#xa0;; ce n&apos;est pas un calendrier que Dorvane peut lire.</translation>
    </message>
    <message>
        <source>The file has an END line without its BEGIN; it is not a calendar Dorvane can read.</source>
        <translation>Le fichier contient une ligne END sans la ligne BEGIN correspondante&#xa0;; ce n&apos;est pas un calendrier que Dorvane peut lire.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file ends before its calendar does; it may have been cut short.</source>
        <translation>Le fichier se termine avant la fin de son calendrier&#xa0;; il a peut-être été tronqué.</translation>
    </message>
</context>
<context>
    <name>calendar::EventTime</name>
    <message>
        <source>its time zone &quot;%1&quot; is unknown, so its time is read as local time</source>
        <extracomment>%1 is the name of a time zone as the calendar file gives it</extracomment>
        <translation>son fuseau horaire «&#xa0;%1&#xa0;» est inconnu, son heure est donc lue comme heure locale</translation>
    </message>
    <message>
        <source>ends before it starts, so only its start is used</source>
        <translation>se termine avant de commencer, seul son début est donc retenu</translation>
    </message>
</context>
<context>
    <name>calendar::ImportSummary</name>
    <message>
        <source>all day, no hour to place it at</source>
        <translation>toute la journée, sans heure où le placer</translation>
    </message>
    <message>
        <source>its row is full</source>
        <translation>sa ligne est pleine</translation>
    </message>
    <message>
        <source>Imported 1 appointment.</source>
        <translation>1 rendez-vous importé.</translation>
    </message>
    <message>
        <source>Imported %1 appointments.</source>
        <translation>%1 rendez-vous importés.</translation>
    </message>
    <message>
        <source>1 name longer than %1 characters was shortened.</source>
        <extracomment>%1 is the longest name the planner takes, in characters</extracomment>
        <translation>1 nom de plus de %1 caractères a été raccourci.</translation>
    </message>
    <message>
        <source>%1 names longer than %2 characters were shortened.</source>
        <extracomment>%2 is the longest name the planner takes, in characters</extracomment>
        <translation>%1 noms de plus de %2 caractères ont été raccourcis.</translation>
    </message>
    <message>
        <source>Not placed:</source>
        <translation>Non placés&#xa0;:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>starts before %1 o&apos;clock</source>
        <extracomment>%1 is the first hour the day pages show, 0 to 23</extracomment>
        <translation>commence avant %1&#xa0;h</translation>
    </message>
    <message>
        <source>starts at 6 o&apos;clock in the evening or later</source>
        <translation>commence à 18&#xa0;h ou plus tard</translation>
    </message>
    <message>
        <source>starts at %1 o&apos;clock or later</source>
        <extracomment>%1 is the hour after the last one the day pages show, 1 to 23</extracomment>
        <translation>commence à %1&#xa0;h ou plus tard</translation>
    </message>
    <message>
        <source>Please check:</source>
        <extracomment>Heads the appointments whose times the import had to guess at, each with what it guessed</extracomment>
        <translation>À vérifier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>calendar::Occurrences</name>
    <message>
        <source>Busy</source>
        <extracomment>The name an appointment gets in the planner when it has neither a summary nor a location</extracomment>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>repeats more than %1 times in the week, more than Dorvane imports</source>
        <translation>se répète plus de %1 fois dans la semaine, au-delà de ce que Dorvane importe</translation>
    </message>
    <message>
        <source>repeats more than %1 times in one hour, more than Dorvane imports</source>
        <translation>se répète plus de %1 fois en une heure, au-delà de ce que Dorvane importe</translation>
    </message>
    <message>
        <source>The week holds more than %1 appointments, more than Dorvane imports.</source>
        <translation>La semaine contient plus de %1 rendez-vous, au-delà de ce que Dorvane importe.</translation>
    </message>
    <message>
        <source>More than %1 appointments start in the hour from %2, more than Dorvane imports.</source>
        <translation>Plus de %1 rendez-vous commencent dans l&apos;heure qui suit le %2, au-delà de ce que Dorvane importe.</translation>
    </message>
</context>
<context>
    <name>calendar::RecurrenceExpander</name>
    <message>
        <source>repeats too often, or too finely, to work out</source>
        <translation>se répète trop souvent, ou à intervalles trop courts, pour être calculé</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be followed</source>
        <translation>contient une règle de répétition (RRULE) impossible à appliquer</translation>
    </message>
</context>
<context>
    <name>calendar::WeekLayout</name>
    <message>
        <source>Sat %1</source>
        <extracomment>%1 is the name of an appointment on Saturday, on the weekend page</extracomment>
        <translation>Sam. %1</translation>
    </message>
    <message>
        <source>Sun %1</source>
        <extracomment>%1 is the name of an appointment on Sunday, on the weekend page</extracomment>
        <translation>Dim. %1</translation>
    </message>
</context>
<context>
    <name>cli::BatchRun</name>
    <message>
        <source>%1 exists already; --force replaces it.</source>
        <translation>%1 existe déjà ; --force le remplace.</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <extracomment>%1 is the title of the week, by default its Monday as the import writes it</extracomment>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>Le calendrier «&#xa0;%1&#xa0;» ne peut pas être importé.

%2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>--save and --pdf name the same file, %1: give each its own.</source>
        <translation>--save et --pdf désignent le même fichier, %1&#xa0;: donnez à chacun le sien.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLine</name>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est indiqué plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--import SOURCE is needed: the calendar to make the planners from.</source>
        <translation>--import SOURCE est requis : le calendrier à partir duquel créer les plannings.</translation>
    </message>
    <message>
        <source>--week &quot;%1&quot; is not a date: give YYYY-MM-DD, this or next.</source>
        <translation>--week &quot;%1&quot; n&apos;est pas une date : indiquez YYYY-MM-DD, this ou next.</translation>
    </message>
    <message>
        <source>--weeks &quot;%1&quot; is not a number of weeks from 1 to %2.</source>
        <translation>--weeks &quot;%1&quot; n&apos;est pas un nombre de semaines de 1 à %2.</translation>
    </message>
    <message>
        <source>--title is for a single week; several weeks are titled by their Mondays.</source>
        <translation>--title ne vaut que pour une seule semaine ; plusieurs semaines ont pour titre leur lundi.</translation>
    </message>
    <message>
        <source>--save and --pdf need a file name.</source>
        <translation>--save et --pdf demandent un nom de fichier.</translation>
    </message>
    <message>
        <source>--printer goes with --print.</source>
        <translation>--printer s&apos;utilise avec --print.</translation>
    </message>
    <message>
        <source>Nothing to make: give --save FILE, --pdf FILE or --print.</source>
        <translation>Rien à produire : indiquez --save FILE, --pdf FILE ou --print.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for more.</source>
        <translation>Essayez &apos;dorvane --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Usage: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</source>
        <extracomment>Option names (--import) and value names in capitals (SOURCE) are typed as they are</extracomment>
        <translation>Usage : dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</translation>
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

Crée des plannings hebdomadaires au format Word. Sans option, Dorvane ouvre sa
fenêtre et importe le calendrier FILE s&apos;il est indiqué. Avec --import, il crée
les plannings d&apos;une ou plusieurs semaines à partir d&apos;un calendrier, sans
fenêtre ni affichage.

  --import SOURCE   Fichier iCalendar d&apos;où proviennent les rendez-vous.
  --week DATE       Un jour de la première semaine : une date (YYYY-MM-DD),
                    &quot;this&quot; ou &quot;next&quot;. Par défaut : cette semaine.
  --weeks N         Nombre de semaines consécutives, de 1 à 53. Par défaut : 1.
  --title TEXT      Titre du planning (une seule semaine). Par défaut : le lundi
                    de la semaine, tel que l&apos;importation l&apos;écrit.
  --save FILE       Écrit un document Word, une semaine par page.
  --pdf FILE        Écrit un PDF, une page par semaine.
  --print           Imprime toutes les semaines en une seule tâche.
  --printer NAME    L&apos;imprimante (file CUPS) pour --print. Par défaut :
                    l&apos;imprimante par défaut du système.
  --force           Remplace les fichiers de sortie qui existent déjà.
  --quiet           Omet le résumé de l&apos;importation.
  --hours A-B       Les heures d’une journée, de A à B (0 à 23), une ligne
                    chacune. Par défaut : 8-17.
  --clock 12|24     Les heures sur 12 ou sur 24 heures.
                    Par défaut : comme la langue écrit les heures.
  --paper a4|letter|a5
                    Le papier. Par défaut : Letter aux États-Unis, A4
                    ailleurs.
  --landscape       Le papier en paysage.
  -h, --help        Affiche cette aide.
  -v, --version     Affiche la version.

Au moins une des options --save, --pdf et --print est requise. Les fichiers
sont écrits en entier ou pas du tout. Un FILE - est la sortie standard. Le
résumé de l&apos;importation va sur la sortie standard (sur la sortie d&apos;erreur
standard quand un FILE est -), les erreurs sur la sortie d&apos;erreur standard.

Code de sortie : 0 terminé ; 1 arguments incorrects ; 2 le calendrier n&apos;a pas
pu être lu ; 3 un fichier n&apos;a pas pu être écrit ou la tâche imprimée.
</translation>
    </message>
    <message>
        <source>--hours &quot;%1&quot; is not a range of hours: give A-B, from 0 to 23, such as 7-19.</source>
        <translation>--hours «&#xa0;%1&#xa0;» n’est pas une plage d’heures&#xa0;: indiquez A-B, de 0 à 23, par exemple 7-19.</translation>
    </message>
    <message>
        <source>--clock &quot;%1&quot; is not a clock: give 12 or 24.</source>
        <translation>--clock «&#xa0;%1&#xa0;» n’est pas une horloge&#xa0;: indiquez 12 ou 24.</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot; is not a paper: give a4, letter or a5.</source>
        <translation>--paper «&#xa0;%1&#xa0;» n’est pas un format de papier&#xa0;: indiquez a4, letter ou a5.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLineRun</name>
    <message>
        <source>The import summary could not be written: %1</source>
        <translation>Le résumé de l&apos;importation n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>common::Files</name>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>common::Language</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale this translation is for, as a QLocale name such as de_DE; it gives the planner and the day pages their day names. Not shown.</extracomment>
        <translation>fr_FR</translation>
    </message>
</context>
<context>
    <name>desktop::CursorFile</name>
    <message>
        <source>Cannot load cursor file %1: %2</source>
        <translation>Impossible de charger le fichier de curseur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is too large for a cursor</source>
        <translation>le fichier est trop volumineux pour un curseur</translation>
    </message>
    <message>
        <source>not a Windows cursor file</source>
        <translation>ce n&apos;est pas un fichier de curseur Windows</translation>
    </message>
    <message>
        <source>the cursor image cannot be decoded</source>
        <translation>l&apos;image du curseur ne peut pas être décodée</translation>
    </message>
    <message>
        <source>the hot spot lies outside the cursor image</source>
        <translation>le point sensible se trouve en dehors de l&apos;image du curseur</translation>
    </message>
</context>
<context>
    <name>entry::ChooseCalendarDialog</name>
    <message>
        <source>Choose Calendar</source>
        <translation>Choisir un calendrier</translation>
    </message>
    <message>
        <source>Import the week from</source>
        <translation>Importer la semaine depuis</translation>
    </message>
    <message>
        <source>Import the week from:</source>
        <translation>Importer la semaine depuis&#xa0;:</translation>
    </message>
</context>
<context>
    <name>entry::EntryWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer le modèle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Charger des données d&apos;exemple</translation>
    </message>
    <message>
        <source>Title For This Week</source>
        <translation>Titre de cette semaine</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Makes the planner of this week and shows its preview</source>
        <translation>Crée le planning de cette semaine et en affiche l&apos;aperçu</translation>
    </message>
    <message>
        <source>Tells whom to ask about Dorvane</source>
        <translation>Indique qui contacter au sujet de Dorvane</translation>
    </message>
    <message>
        <source>Fills the title and all six day pages with an example week</source>
        <translation>Remplit le titre et les six pages des jours avec une semaine d&apos;exemple</translation>
    </message>
    <message>
        <source>The planner&apos;s heading reads Week of, then this title</source>
        <translation>L&apos;en-tête du planning indique «&#xa0;Semaine du&#xa0;», suivi de ce titre</translation>
    </message>
    <message>
        <source>Control+Page Down and Control+Page Up switch pages</source>
        <translation>Ctrl+Page suivante et Ctrl+Page précédente changent de page</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>%1, %2 o&apos;clock, %3</source>
        <extracomment>Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5, or 0 to 23), %3 the column</extracomment>
        <translation>%1, %2&#xa0;h, %3</translation>
    </message>
    <message>
        <source>You forgot to input week information.</source>
        <translation>Vous avez oublié de saisir les informations de la semaine.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quenlis at %1</source>
        <translation>Des questions&#xa0;? Contactez Team Quenlis à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Lecture du calendrier...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Importer un calendrier</translation>
    </message>
    <message>
        <source>Calendar files (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|All files (*)|*</source>
        <translation>Fichiers de calendrier (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>Le calendrier «&#xa0;%1&#xa0;» ne peut pas être importé.

%2</translation>
    </message>
    <message>
        <source>The calendar at %1 cannot be opened.

%2</source>
        <translation>Le calendrier à l&apos;adresse %1 ne peut pas être ouvert.

%2</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments.</source>
        <translation>Le calendrier «&#xa0;%1&#xa0;» ne contient aucun rendez-vous.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments in the week of %2.</source>
        <translation>Le calendrier «&#xa0;%1&#xa0;» ne contient aucun rendez-vous dans la semaine du %2.</translation>
    </message>
    <message>
        <source>The week already holds appointments. Replace them with those of the calendar?</source>
        <translation>La semaine contient déjà des rendez-vous. Voulez-vous les remplacer par ceux du calendrier&#xa0;?</translation>
    </message>
    <message>
        <source>Planner Settings…</source>
        <extracomment>The entry window&apos;s context menu and Ctrl+,: opens the dialog &quot;Planner Settings&quot;</extracomment>
        <translation>Réglages du planning…</translation>
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
        <translation>Importer une semaine</translation>
    </message>
    <message>
        <source>Import the week of</source>
        <translation>Importer la semaine du</translation>
    </message>
    <message>
        <source>Import the week of:</source>
        <translation>Importer la semaine du&#xa0;:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <extracomment>Import Week: how many consecutive weeks to import, from the chosen one on</extracomment>
        <translation>Semaines&#xa0;:</translation>
    </message>
</context>
<context>
    <name>entry::OpenAddressDialog</name>
    <message>
        <source>Open Calendar Address</source>
        <translation>Ouvrir l&apos;adresse d&apos;un calendrier</translation>
    </message>
    <message>
        <source>A calendar server (CalDAV), a calendar on it, or a web calendar (https or webcal).</source>
        <translation>Un serveur de calendriers (CalDAV), un calendrier de ce serveur ou un calendrier web (https ou webcal).</translation>
    </message>
    <message>
        <source>Recent addresses</source>
        <translation>Adresses récentes</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>entry::PlannerSettingsDialog</name>
    <message>
        <source>Planner Settings</source>
        <translation>Réglages du planning</translation>
    </message>
    <message>
        <source>First hour</source>
        <translation>Première heure</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Dernière heure</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The clock of the hour labels: &quot;1 pm&quot;</extracomment>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>24-hour</source>
        <extracomment>The clock of the hour labels: &quot;13&quot;</extracomment>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last hour: &quot;8:00 AM to 5:00 PM&quot;</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures&#xa0;:</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>Horloge&#xa0;:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier&#xa0;:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Dorvane&apos;s own engine</source>
        <translation>Moteur propre à Dorvane</translation>
    </message>
    <message>
        <source>Make the planner with:</source>
        <translation>Créer le planning avec&#xa0;:</translation>
    </message>
</context>
<context>
    <name>entry::RemoteDialogs</name>
    <message>
        <source>The password could not be remembered: %1.</source>
        <translation>Le mot de passe n&apos;a pas pu être retenu&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>entry::SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in.</source>
        <translation>Le serveur %1 vous demande de vous connecter.</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in to &quot;%2&quot;.</source>
        <translation>Le serveur %1 vous demande de vous connecter à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The server refused the last attempt: %1</source>
        <translation>Le serveur a refusé la dernière tentative&#xa0;: %1</translation>
    </message>
    <message>
        <source>This server is reached over plain http: the password travels unencrypted.</source>
        <translation>Ce serveur est joint en http simple&#xa0;: le mot de passe circule sans chiffrement.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <translation>Mémoriser dans le trousseau</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>entry::TransferProgressDialog</name>
    <message>
        <source>Downloading Calendar</source>
        <translation>Téléchargement du calendrier</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>%1 reçus</translation>
    </message>
</context>
<context>
    <name>files::AtomicFileWriter</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>c&apos;est un périphérique caractère, pas un fichier</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>c&apos;est un périphérique bloc, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>c&apos;est un tube nommé (FIFO), pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Windows reserves the name &quot;%1&quot; for a device</source>
        <translation>Windows réserve le nom «&#xa0;%1&#xa0;» à un périphérique</translation>
    </message>
    <message>
        <source>Windows does not allow the characters &lt; &gt; : &quot; | ? * in the name &quot;%1&quot;</source>
        <translation>Windows n&apos;autorise pas les caractères &lt; &gt; : &quot; | ? * dans le nom «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Windows does not allow a name that ends in a dot or a blank: &quot;%1&quot;</source>
        <translation>Windows n&apos;autorise pas un nom qui se termine par un point ou une espace&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>output::OutputFile</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1 ?</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
</context>
<context>
    <name>output::PdfExport</name>
    <message>
        <source>The PDF pages could not be made.</source>
        <translation>Les pages PDF n&apos;ont pas pu être créées.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>output::PlannerPrinter</name>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file for printing: %1</source>
        <translation>Impossible d&apos;écrire un fichier temporaire pour l&apos;impression&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté la tâche.</translation>
    </message>
</context>
<context>
    <name>output::PrintJob</name>
    <message>
        <source>Printing needs the CUPS library, which cannot be loaded: %1</source>
        <translation>L&apos;impression a besoin de la bibliothèque CUPS, qui ne peut pas être chargée : %1</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Le serveur d&apos;impression %1 ne répond pas.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté la tâche&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>planner::PlannerGenerator</name>
    <message>
        <source>Week of %1</source>
        <extracomment>The planner document&apos;s heading; %1 is the week&apos;s title as typed, such as a date</extracomment>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Word est peut-être ouvert. Il est recommandé de fermer Word d&apos;abord. Si nécessaire, utilisez Ctrl+Alt+Suppr &gt; Gestionnaire des tâches &gt; WINWORD.EXE.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture of the planner.</source>
        <translation>Le Presse-papiers ne contient aucune image du planning.</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment numbers; the column is 50 points wide, so the title is short enough to fit on one line at 10 points</extracomment>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment names</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>A planner needs at least one week.</source>
        <translation>Un planning doit comporter au moins une semaine.</translation>
    </message>
    <message>
        <source>There is no picture of the planner to load.</source>
        <translation>Il n&apos;y a aucune image du planning à charger.</translation>
    </message>
    <message>
        <source>Cannot load the picture %1.</source>
        <translation>Impossible de charger l&apos;image %1.</translation>
    </message>
</context>
<context>
    <name>planner::PlannerSettings</name>
    <message>
        <source>Letter</source>
        <extracomment>The paper size of North America, 8.5 by 11 inches</extracomment>
        <translation>Lettre US</translation>
    </message>
</context>
<context>
    <name>planner::TemporaryFiles</name>
    <message>
        <source>Cannot create the temporary folder %1: %2</source>
        <translation>Impossible de créer le dossier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a folder</source>
        <translation>Le dossier temporaire %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>The temporary folder %1 belongs to another user</source>
        <translation>Le dossier temporaire %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be made private</source>
        <translation>Le dossier temporaire %1 ne peut pas être rendu privé</translation>
    </message>
    <message>
        <source>Cannot create the temporary document %1: %2</source>
        <translation>Impossible de créer le document temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the picture in %1</source>
        <translation>Impossible de trouver un nom libre pour l&apos;image dans %1</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it is empty</source>
        <translation>Impossible d&apos;écrire l&apos;image %1&#xa0;: elle est vide</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it cannot be stored</source>
        <translation>Impossible d&apos;écrire l&apos;image %1&#xa0;: elle ne peut pas être enregistrée</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the document in %1</source>
        <translation>Aucun nom libre pour le document dans %1</translation>
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
        <translation>Erreur 842001. Impossible de créer une instance normale de Word.<byte value="xd"/>
<byte value="xd"/>
1. Vérifiez que Word est installé sur cet ordinateur.<byte value="xd"/>
<byte value="xd"/>
2. Ouvrez Word normalement et vérifiez qu&apos;un document vierge s&apos;ouvre immédiatement, sans aucune fenêtre intermédiaire (comme une fenêtre de récupération de fichiers Word).<byte value="xd"/>
<byte value="xd"/>
3. Vérifiez que Word s&apos;ouvre normalement, sans aucun message intermédiaire, lorsque vous double-cliquez sur un fichier DOC ou DOCX.<byte value="xd"/>
<byte value="xd"/>
4. Ce logiciel prend en charge toutes les versions de Word, à l&apos;exception des rares éditions Word Starter et Étudiant.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewCommands</name>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>The planner could not be printed.</source>
        <translation>Le planning n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>The planner could not be exported as PDF.</source>
        <translation>Le planning n&apos;a pas pu être exporté en PDF.</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>L&apos;image n&apos;a pas pu être copiée.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewWindow</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Enregistrer dans un fichier Word</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Move the picture left and right</source>
        <translation>Déplacer l&apos;image vers la gauche ou la droite</translation>
    </message>
    <message>
        <source>Move the picture up and down</source>
        <translation>Déplacer l&apos;image vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Control+plus zooms in and Control+minus zooms out; the arrow keys and Page Up and Page Down move the picture, as does dragging it. Control+P prints, Control+E exports as PDF, Control+C copies the picture.</source>
        <translation>Ctrl+plus effectue un zoom avant et Ctrl+moins un zoom arrière&#xa0;; les touches fléchées, Page précédente et Page suivante déplacent l&apos;image, tout comme le fait de la faire glisser. Ctrl+P imprime, Ctrl+E exporte en PDF, Ctrl+C copie l&apos;image.</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>%1, original size</source>
        <translation>%1, taille d&apos;origine</translation>
    </message>
    <message>
        <source>Cannot read the planner document %1: %2</source>
        <translation>Impossible de lire le document du planning %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation>Fichiers Word (*.doc)|*.doc</translation>
    </message>
    <message>
        <source>The entry window is not available</source>
        <translation>La fenêtre de saisie n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>preview::Viewport</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
<context>
    <name>remote::CalDavClient</name>
    <message>
        <source>The answer of %1 is not a calendar.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server described nothing.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier&#xa0;: le serveur n&apos;a rien décrit.</translation>
    </message>
    <message>
        <source>The calendar at %1 holds no events (only tasks or notes).</source>
        <translation>Le calendrier à l&apos;adresse %1 ne contient aucun événement (seulement des tâches ou des notes).</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server names no calendars for this user.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier&#xa0;: le serveur n&apos;indique aucun calendrier pour cet utilisateur.</translation>
    </message>
    <message>
        <source>The server %1 holds no calendar with events for this user.</source>
        <translation>Le serveur %1 ne contient aucun calendrier avec des événements pour cet utilisateur.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server does not speak CalDAV.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier&#xa0;: le serveur ne prend pas en charge CalDAV.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server&apos;s answer is cut short or malformed.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier&#xa0;: la réponse du serveur est tronquée ou mal formée.</translation>
    </message>
</context>
<context>
    <name>remote::CalendarAddress</name>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an http, https or webcal address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse http, https ou webcal.</translation>
    </message>
</context>
<context>
    <name>remote::HttpSession</name>
    <message>
        <source>The server %1 sent the request on more than %2 times; the address may lead in a circle.</source>
        <translation>Le serveur %1 a redirigé la requête plus de %2 fois&#xa0;; l&apos;adresse forme peut-être une boucle.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on to an address that cannot be used.</source>
        <translation>Le serveur %1 a redirigé la requête vers une adresse inutilisable.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on from a secure (https) address to an insecure (http) one, %2; Dorvane does not follow it.</source>
        <translation>Le serveur %1 a redirigé la requête d&apos;une adresse sécurisée (https) vers une adresse non sécurisée (http), %2&#xa0;; Dorvane ne suit pas cette redirection.</translation>
    </message>
    <message>
        <source>The server %1 stopped sending for %2 seconds.</source>
        <translation>Le serveur %1 a cessé d&apos;envoyer des données pendant %2 secondes.</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation>Le serveur %1 n&apos;a pas répondu dans un délai de %2 secondes.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.</source>
        <translation>La réponse de %1 dépasse %2&#xa0;Mo, au-delà de la taille de tout calendrier que Dorvane lit.</translation>
    </message>
    <message>
        <source>The server %1 sent too slowly: the answer did not come within %2 seconds.</source>
        <translation>Le serveur %1 a envoyé trop lentement&#xa0;: la réponse n&apos;est pas arrivée en %2 secondes.</translation>
    </message>
    <message>
        <source>The answer of %1 cannot be unpacked: unpacked, it is larger than %2 MB, more than any calendar Dorvane reads, or it is damaged.</source>
        <translation>La réponse de %1 ne peut pas être décompressée&#xa0;: décompressée, elle dépasse %2 Mo, plus que tout calendrier que Dorvane lit, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>The server %1 broke off its answer before the end. Try again later.</source>
        <translation>Le serveur %1 a interrompu sa réponse avant la fin. Réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>remote::KeyringSecret</name>
    <message>
        <source>no keyring can be reached, as this session has no desktop bus (D-Bus)</source>
        <translation>aucun trousseau n&apos;est joignable, car cette session n&apos;a pas de bus de bureau (D-Bus)</translation>
    </message>
    <message>
        <source>no keyring is available on this computer</source>
        <translation>aucun trousseau n&apos;est disponible sur cet ordinateur</translation>
    </message>
    <message>
        <source>the keyring&apos;s own question was cancelled</source>
        <translation>la question du trousseau lui-même a été annulée</translation>
    </message>
    <message>
        <source>the keyring refused it</source>
        <translation>le trousseau l&apos;a refusé</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>le trousseau a échoué</translation>
    </message>
    <message>
        <source>it is longer than the Credential Manager keeps</source>
        <translation>il est plus long que ce que garde le Gestionnaire d&apos;identification</translation>
    </message>
</context>
<context>
    <name>remote::NetworkFailure</name>
    <message>
        <source>The certificate of %1 has expired.</source>
        <translation>Le certificat de %1 a expiré.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not valid yet.</source>
        <translation>Le certificat de %1 n&apos;est pas encore valide.</translation>
    </message>
    <message>
        <source>The certificate of %1 was made out for another name.</source>
        <translation>Le certificat de %1 a été établi pour un autre nom.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not from an authority this computer trusts.</source>
        <translation>Le certificat de %1 ne provient pas d&apos;une autorité approuvée par cet ordinateur.</translation>
    </message>
    <message>
        <source>The certificate of %1 has been revoked.</source>
        <translation>Le certificat de %1 a été révoqué.</translation>
    </message>
    <message>
        <source>the secure connection could not be made</source>
        <translation>la connexion sécurisée n&apos;a pas pu être établie</translation>
    </message>
    <message>
        <source>The certificate of %1 is not accepted: %2.</source>
        <translation>Le certificat de %1 n&apos;est pas accepté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The server name %1 was not found. Check the address, and that this computer is online.</source>
        <translation>Le nom de serveur %1 est introuvable. Vérifiez l&apos;adresse, ainsi que la connexion de cet ordinateur au réseau.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation>Le serveur %1 a refusé la connexion.</translation>
    </message>
    <message>
        <source>The server %1 closed the connection before it answered.</source>
        <translation>Le serveur %1 a fermé la connexion avant de répondre.</translation>
    </message>
    <message>
        <source>This computer is not connected to a network.</source>
        <translation>Cet ordinateur n&apos;est connecté à aucun réseau.</translation>
    </message>
    <message>
        <source>No network leads to %1: this computer may not be connected to a network.</source>
        <translation>Aucun réseau ne permet d&apos;atteindre %1&#xa0;: cet ordinateur n&apos;est peut-être pas connecté à un réseau.</translation>
    </message>
    <message>
        <source>The proxy server set for this computer did not pass the request on to %1.</source>
        <translation>Le serveur proxy configuré sur cet ordinateur n&apos;a pas transmis la requête à %1.</translation>
    </message>
    <message>
        <source>The connection to %1 failed.</source>
        <translation>La connexion à %1 a échoué.</translation>
    </message>
    <message>
        <source>The server %1 did not accept the user name and password (%2).</source>
        <translation>Le serveur %1 n&apos;a pas accepté le nom d&apos;utilisateur et le mot de passe (%2).</translation>
    </message>
    <message>
        <source>The server %1 does not allow access to this address (%2).</source>
        <translation>Le serveur %1 n&apos;autorise pas l&apos;accès à cette adresse (%2).</translation>
    </message>
    <message>
        <source>There is no calendar at this address on %1 (%2).</source>
        <translation>Il n&apos;y a aucun calendrier à cette adresse sur %1 (%2).</translation>
    </message>
    <message>
        <source>The server %1 failed to answer (%2). Try again later.</source>
        <translation>Le serveur %1 n&apos;a pas pu répondre (%2). Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The server %1 refused the request (%2).</source>
        <translation>Le serveur %1 a refusé la requête (%2).</translation>
    </message>
</context>
<context>
    <name>remote::PasswordKeyring</name>
    <message>
        <source>the user name holds a line break</source>
        <translation>le nom d&apos;utilisateur contient un saut de ligne</translation>
    </message>
</context>
<context>
    <name>remote::RemoteCalendar</name>
    <message>
        <source>an answer of unknown type</source>
        <translation>une réponse de type inconnu</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server sent %2.</source>
        <translation>La réponse de %1 n&apos;est pas un calendrier&#xa0;: le serveur a envoyé %2.</translation>
    </message>
</context>
<context>
    <name>skin::SkinFramework</name>
    <message>
        <source>The skin file %1 holds one skin; there is no part named %2</source>
        <translation>Le fichier d&apos;apparence %1 contient une seule apparence&#xa0;; aucune partie ne s&apos;appelle %2</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Le fichier d&apos;apparence %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large for a skin</source>
        <translation>Le fichier d&apos;apparence %1 est trop volumineux pour une apparence</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be parsed</source>
        <translation>Le fichier d&apos;apparence %1 n&apos;est pas une feuille de style analysable</translation>
    </message>
    <message>
        <source>No window has the handle %1</source>
        <translation>Aucune fenêtre ne porte le handle %1</translation>
    </message>
    <message>
        <source>No skin has been loaded</source>
        <translation>Aucune apparence n&apos;a été chargée</translation>
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
        <translation>Semaine n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Meeting with friends</source>
        <translation>Rencontre entre amis</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>Faire les courses</translation>
    </message>
    <message>
        <source>Gym</source>
        <translation>Salle de sport</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Voyage</translation>
    </message>
    <message>
        <source>Meeting with associates</source>
        <translation>Réunion avec les associés</translation>
    </message>
</context>
<context>
    <name>windowoutput::PictureCopy</name>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>La mémoire est insuffisante pour l&apos;image.</translation>
    </message>
</context>
<context>
    <name>word::AutomationError</name>
    <message>
        <source>Call: %1</source>
        <extracomment>Under a failure of Word: %1 is the call the program made, as VB writes it</extracomment>
        <translation>Appel : %1</translation>
    </message>
    <message>
        <source>Error from %1: 0x%2</source>
        <extracomment>%1 is the program that raised the error (&quot;Microsoft Word&quot;), %2 its error number in hexadecimal</extracomment>
        <translation>Erreur de %1 : 0x%2</translation>
    </message>
</context>
<context>
    <name>word::DocumentError</name>
    <message>
        <source>The file is not a Word document.</source>
        <translation>Le fichier n&apos;est pas un document Word.</translation>
    </message>
    <message>
        <source>The file is not a Word document: %1.</source>
        <translation>Le fichier n&apos;est pas un document Word&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation>Le fichier est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is too large to open: %1.</source>
        <translation>Le fichier est trop volumineux pour être ouvert&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>word::DocumentRenderer</name>
    <message>
        <source>A picture of the document can only be made by the program&apos;s main thread.</source>
        <translation>Seul le thread principal du programme peut créer une image du document.</translation>
    </message>
    <message>
        <source>The document is too large to be copied as one picture.</source>
        <translation>Le document est trop grand pour être copié en une seule image.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the document as a picture.</source>
        <translation>La mémoire est insuffisante pour dessiner le document sous forme d&apos;image.</translation>
    </message>
</context>
<context>
    <name>word::com</name>
    <message>
        <source>Word refused the call (error %1).</source>
        <extracomment>%1 is the error number (HRESULT) of a failed automation call, e.g. 0x80020003</extracomment>
        <translation>Word a refusé l’appel (erreur %1).</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
</context>
<context>
    <name>word::messages</name>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Un composant ActiveX ne peut pas créer d&apos;objet</translation>
    </message>
    <message>
        <source>The RPC server is unavailable.</source>
        <translation>Le serveur RPC n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Object has been deleted.</source>
        <translation>L&apos;objet a été supprimé.</translation>
    </message>
    <message>
        <source>This command is not available because no document is open.</source>
        <translation>Cette commande n&apos;est pas disponible car aucun document n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>Bad parameter</source>
        <translation>Paramètre incorrect</translation>
    </message>
    <message>
        <source>Value out of range</source>
        <translation>Valeur hors limites</translation>
    </message>
    <message>
        <source>This method or property is not available because some or all of the object does not refer to a table.</source>
        <translation>Cette méthode ou propriété n&apos;est pas disponible car tout ou partie de l&apos;objet ne fait pas référence à un tableau.</translation>
    </message>
    <message>
        <source>The requested member of the collection does not exist.</source>
        <translation>Le membre de la collection demandé n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Item with specified name does not exist.</source>
        <translation>L&apos;élément portant le nom spécifié n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot access individual columns in this collection because the table has mixed cell widths.</source>
        <translation>Impossible d&apos;accéder aux colonnes individuelles de cette collection car le tableau contient des cellules de largeurs différentes.</translation>
    </message>
    <message>
        <source>The range is no longer part of the document.</source>
        <translation>La plage ne fait plus partie du document.</translation>
    </message>
    <message>
        <source>The range is not part of this document.</source>
        <translation>La plage ne fait pas partie de ce document.</translation>
    </message>
    <message>
        <source>A table cannot be put inside a table.</source>
        <translation>Impossible d&apos;insérer un tableau dans un tableau.</translation>
    </message>
    <message>
        <source>The document has not been saved yet and has no file to be saved to.</source>
        <translation>Le document n&apos;a pas encore été enregistré et n&apos;a aucun fichier dans lequel l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object is empty.</source>
        <translation>Cette méthode ou propriété n&apos;est pas disponible car l&apos;objet est vide.</translation>
    </message>
    <message>
        <source>The clipboard is not available.</source>
        <translation>Le Presse-papiers n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Cells of a column cannot be merged.</source>
        <translation>Les cellules d&apos;une colonne ne peuvent pas être fusionnées.</translation>
    </message>
    <message>
        <source>Word stayed busy for 30 seconds and did not take the call. Nothing of the week is lost: finish what Word is doing, then press Start Creating Template again.</source>
        <translation>Word est resté occupé pendant 30 secondes et n’a pas pris l’appel. Rien de la semaine n’est perdu : terminez ce que fait Word, puis cliquez de nouveau sur « Créer le modèle ».</translation>
    </message>
    <message>
        <source>Word was closed while the planner was being made. Nothing of the week is lost: press Start Creating Template again.</source>
        <translation>Word a été fermé pendant la création du planning. Rien de la semaine n’est perdu : cliquez de nouveau sur « Créer le modèle ».</translation>
    </message>
    <message>
        <source>Word has no member named %1.</source>
        <extracomment>%1 is the name of a member of Word&apos;s automation objects, e.g. TypeText</extracomment>
        <translation>Word n’a pas de membre nommé %1.</translation>
    </message>
    <message>
        <source>The document is open in Word; its pages are drawn from the file Word saved.</source>
        <translation>Le document est ouvert dans Word ; ses pages sont dessinées à partir du fichier enregistré par Word.</translation>
    </message>
</context>
<context>
    <name>word::oxml::BodyCounts</name>
    <message>
        <source>it has more than %1 %2</source>
        <extracomment>%1 is a number, %2 what there are too many of, e.g. &quot;table cells&quot;</extracomment>
        <translation>il contient plus de %1 %2</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>il contient plus de %1 caractères de texte</translation>
    </message>
    <message>
        <source>paragraphs</source>
        <translation>paragraphes</translation>
    </message>
    <message>
        <source>runs of text</source>
        <translation>segments de texte</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>tableaux</translation>
    </message>
    <message>
        <source>table cells</source>
        <translation>cellules de tableau</translation>
    </message>
</context>
<context>
    <name>word::oxml::DocumentReader</name>
    <message>
        <source>the main part has no w:document element</source>
        <translation>la partie principale n&apos;a pas d&apos;élément w:document</translation>
    </message>
    <message>
        <source>the main part has no w:body element</source>
        <translation>la partie principale n&apos;a pas d&apos;élément w:body</translation>
    </message>
</context>
<context>
    <name>word::oxml::RunProperties</name>
    <message>
        <source>the font size &quot;%1&quot; is not a size Word allows</source>
        <translation>la taille de police «&#xa0;%1&#xa0;» n&apos;est pas une taille autorisée par Word</translation>
    </message>
</context>
<context>
    <name>word::oxml::StylesReader</name>
    <message>
        <source>the line spacing &quot;%1&quot; is out of range</source>
        <translation>l&apos;interligne «&#xa0;%1&#xa0;» est hors limites</translation>
    </message>
    <message>
        <source>the styles part has no w:styles element</source>
        <translation>la partie des styles n&apos;a pas d&apos;élément w:styles</translation>
    </message>
    <message>
        <source>it defines more than %1 styles</source>
        <translation>il définit plus de %1 styles</translation>
    </message>
</context>
<context>
    <name>word::oxml::TableReader</name>
    <message>
        <source>a table has more than %1 columns</source>
        <translation>un tableau compte plus de %1 colonnes</translation>
    </message>
    <message>
        <source>a table has more than %1 rows</source>
        <translation>un tableau compte plus de %1 lignes</translation>
    </message>
    <message>
        <source>a table row has more than %1 cells</source>
        <translation>une ligne de tableau compte plus de %1 cellules</translation>
    </message>
    <message>
        <source>a table&apos;s rows do not fit its grid</source>
        <translation>les lignes d&apos;un tableau ne correspondent pas à sa grille</translation>
    </message>
</context>
<context>
    <name>word::oxml::XmlReader</name>
    <message>
        <source>the page width</source>
        <translation>la largeur de page</translation>
    </message>
    <message>
        <source>the page height</source>
        <translation>la hauteur de page</translation>
    </message>
    <message>
        <source>a page margin</source>
        <translation>une marge de page</translation>
    </message>
    <message>
        <source>a cell margin</source>
        <translation>une marge de cellule</translation>
    </message>
    <message>
        <source>a grid column&apos;s width</source>
        <translation>la largeur d&apos;une colonne de grille</translation>
    </message>
    <message>
        <source>a cell&apos;s width</source>
        <translation>la largeur d&apos;une cellule</translation>
    </message>
    <message>
        <source>an element of %1 has more than %2 attributes</source>
        <translation>un élément de %1 a plus de %2 attributs</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>%1 is what is wrong, %2 the name of the part of the document package</extracomment>
        <translation>%1 (%2, ligne %3)</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; of %2 is out of range</source>
        <extracomment>%2 says what the value is for, e.g. &quot;a cell margin&quot;</extracomment>
        <translation>la valeur «&#xa0;%1&#xa0;» pour %2 est hors limites</translation>
    </message>
    <message>
        <source>the part %1 ends too early</source>
        <translation>la partie %1 se termine trop tôt</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML: %2</source>
        <translation>la partie %1 n&apos;est pas du XML bien formé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the part %1 has a document type declaration, which a package part may not have</source>
        <translation>la partie %1 contient une déclaration de type de document, interdite dans une partie de package</translation>
    </message>
    <message>
        <source>the part %1 refers to an undefined entity</source>
        <translation>la partie %1 fait référence à une entité non définie</translation>
    </message>
    <message>
        <source>the elements of %1 are nested more than %2 deep</source>
        <translation>les éléments de %1 sont imbriqués sur plus de %2 niveaux</translation>
    </message>
    <message>
        <source>the part %1 is empty</source>
        <translation>la partie %1 est vide</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>il contient plus de %1 caractères de texte</translation>
    </message>
    <message>
        <source>a character XML does not allow</source>
        <translation>un caractère que XML n&apos;admet pas</translation>
    </message>
    <message>
        <source>a &apos;&amp;&apos; that begins no reference</source>
        <translation>un &apos;&amp;&apos; qui ne commence aucune référence</translation>
    </message>
    <message>
        <source>a &apos;&lt;&apos; in an attribute value</source>
        <translation>un &apos;&lt;&apos; dans la valeur d&apos;un attribut</translation>
    </message>
    <message>
        <source>the namespace prefix %1 is not declared</source>
        <translation>le préfixe d&apos;espace de noms %1 n&apos;est pas déclaré</translation>
    </message>
    <message>
        <source>its encoding cannot be read</source>
        <translation>son encodage est illisible</translation>
    </message>
</context>
<context>
    <name>word::package::AtomicFile</name>
    <message>
        <source>The document could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le document n&apos;a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>aucun nom de fichier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>a folder of that name exists.</source>
        <translation>un dossier de ce nom existe.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>le dossier n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>word::package::PackageIndexReader</name>
    <message>
        <source>the content types are not declared</source>
        <translation>les types de contenu ne sont pas déclarés</translation>
    </message>
    <message>
        <source>too many content types are declared</source>
        <translation>trop de types de contenu sont déclarés</translation>
    </message>
    <message>
        <source>the part %1 holds no relationships</source>
        <translation>la partie %1 ne contient aucune relation</translation>
    </message>
    <message>
        <source>the part %1 holds too many relationships</source>
        <translation>la partie %1 contient trop de relations</translation>
    </message>
</context>
<context>
    <name>word::package::PackageReader</name>
    <message>
        <source>its main document part %1 is missing</source>
        <translation>sa partie de document principale %1 est absente</translation>
    </message>
    <message>
        <source>the content type of %1 is not declared</source>
        <translation>le type de contenu de %1 n&apos;est pas déclaré</translation>
    </message>
    <message>
        <source>its main part is of the type %1</source>
        <translation>sa partie principale est du type %1</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <translation>la mémoire est insuffisante pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; could not be opened. %2</source>
        <translation>Le document «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert. %2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>word::package::ZipArchive</name>
    <message>
        <source>The document could not be packed (%1: %2).</source>
        <extracomment>%1 is the step of the zip library that failed (buffer, open, add, close, read), %2 its reason</extracomment>
        <translation>Le document n&apos;a pas pu être empaqueté (%1&#xa0;: %2).</translation>
    </message>
</context>
<context>
    <name>word::package::ZipLibrary</name>
    <message>
        <source>Word documents need the zip library (libzip), which cannot be loaded: %1</source>
        <translation>Les documents Word ont besoin de la bibliothèque zip (libzip), qui ne peut pas être chargée : %1</translation>
    </message>
</context>
<context>
    <name>word::package::ZipReader</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>it is in the old binary format (Word 97-2003), which cannot be opened</source>
        <translation>il est dans l&apos;ancien format binaire (Word 97-2003), qui ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>le package compte plus de %1 parties</translation>
    </message>
    <message>
        <source>the zip container cannot be read (%1)</source>
        <translation>le conteneur zip ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the zip container is broken or incomplete (%1)</source>
        <translation>le conteneur zip est endommagé ou incomplet (%1)</translation>
    </message>
    <message>
        <source>its parts would take more than %1 MB</source>
        <translation>ses parties occuperaient plus de %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>la partie %1 est absente</translation>
    </message>
    <message>
        <source>its parts unpack to more than %1 MB</source>
        <translation>ses parties décompressées dépassent %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MB</source>
        <translation>la partie %1 dépasse %2&#xa0;Mo</translation>
    </message>
    <message>
        <source>the entry of %1 cannot be read</source>
        <translation>l&apos;entrée de %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the part %1 is encrypted</source>
        <translation>la partie %1 est chiffrée</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked (%2)</source>
        <translation>la partie %1 ne peut pas être décompressée (%2)</translation>
    </message>
    <message>
        <source>the part %1 does not have the size its header states</source>
        <translation>la partie %1 n&apos;a pas la taille indiquée dans son en-tête</translation>
    </message>
</context>
</TS>
