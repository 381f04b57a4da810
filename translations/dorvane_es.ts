<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>%1 is the number of the step that failed</extracomment>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>app::EngineChoice</name>
    <message>
        <source>--engine needs a value: auto, word or builtin.</source>
        <translation>--engine necesita un valor: auto, word o builtin.</translation>
    </message>
    <message>
        <source>--engine &quot;%1&quot; is not one of auto, word and builtin.</source>
        <translation>--engine «%1» no es ninguno de auto, word y builtin.</translation>
    </message>
</context>
<context>
    <name>calendar::CalendarFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a calendar.</source>
        <translation>El archivo contiene datos binarios, no un calendario.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file libical can read.</source>
        <translation>El archivo no es un archivo iCalendar que libical pueda leer.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR).</source>
        <translation>El archivo no contiene ningún calendario (VCALENDAR).</translation>
    </message>
    <message>
        <source>The appointment %1 %2.</source>
        <translation>La cita %1 %2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a calendar Dorvane imports.</source>
        <translation>El archivo ocupa más de %1 MB, más de lo que Dorvane importa como calendario.</translation>
    </message>
    <message>
        <source>without a title</source>
        <translation>sin título</translation>
    </message>
    <message>
        <source>has a malformed date in %1 (dates from %2 to %3 are read)</source>
        <translation>tiene una fecha con formato incorrecto en %1 (se leen las fechas de %2 a %3)</translation>
    </message>
    <message>
        <source>has a malformed %1 that cannot be read</source>
        <translation>tiene un campo %1 con formato incorrecto que no se puede leer</translation>
    </message>
    <message>
        <source>has no start date, or one that cannot be read</source>
        <translation>no tiene fecha de inicio, o tiene una que no se puede leer</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be read</source>
        <translation>tiene una regla de repetición (RRULE) que no se puede leer</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; %2.</source>
        <translation>La zona horaria &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>has more than %1 observances</source>
        <translation>tiene más de %1 periodos de horario (STANDARD o DAYLIGHT)</translation>
    </message>
    <message>
        <source>begins before %1</source>
        <translation>comienza antes de %1</translation>
    </message>
    <message>
        <source>changes by a rule other than once a year</source>
        <translation>cambia según una regla que no es anual</translation>
    </message>
    <message>
        <source>The file has a line with more than %1 parameters; it is not a calendar Dorvane can read.</source>
        <translation>El archivo tiene una línea con más de %1 parámetros; no es un calendario que Dorvane pueda leer.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>El archivo no es un archivo iCalendar: no empieza por BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a calendar Dorvane imports.</source>
        <translation>El archivo tiene más de %1 líneas, más de las que Dorvane importa en un calendario.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, more than Dorvane imports.</source>
        <translation>El archivo contiene más de %1 entradas, más de las que Dorvane importa.</translation>
    </message>
    <message>
        <source>The file nests entries more than %1 deep; it is not a calendar Dorvane can read.</source>
        <translation>El archivo anida entradas en más de %1 niveles; no es un calendario que Dorvane pueda leer.</translation>
    </message>
    <message>
        <source>The file has an END line without its BEGIN; it is not a calendar Dorvane can read.</source>
        <translation>El archivo tiene una línea END sin su BEGIN; no es un calendario que Dorvane pueda leer.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file ends before its calendar does; it may have been cut short.</source>
        <translation>El archivo termina antes que su calendario; puede que esté incompleto.</translation>
    </message>
</context>
<context>
    <name>calendar::EventTime</name>
    <message>
        <source>its time zone &quot;%1&quot; is unknown, so its time is read as local time</source>
        <extracomment>%1 is the name of a time zone as the calendar file gives it</extracomment>
        <translation>su zona horaria «%1» es desconocida, así que su hora se lee como hora local</translation>
    </message>
    <message>
        <source>ends before it starts, so only its start is used</source>
        <translation>termina antes de empezar, así que solo se usa su inicio</translation>
    </message>
</context>
<context>
    <name>calendar::ImportSummary</name>
    <message>
        <source>all day, no hour to place it at</source>
        <translation>todo el día, sin hora en la que colocarla</translation>
    </message>
    <message>
        <source>its row is full</source>
        <translation>su fila está llena</translation>
    </message>
    <message>
        <source>Imported 1 appointment.</source>
        <translation>Se ha importado 1 cita.</translation>
    </message>
    <message>
        <source>Imported %1 appointments.</source>
        <translation>Se han importado %1 citas.</translation>
    </message>
    <message>
        <source>1 name longer than %1 characters was shortened.</source>
        <extracomment>%1 is the longest name the planner takes, in characters</extracomment>
        <translation>Se acortó 1 nombre de más de %1 caracteres.</translation>
    </message>
    <message>
        <source>%1 names longer than %2 characters were shortened.</source>
        <extracomment>%2 is the longest name the planner takes, in characters</extracomment>
        <translation>Se acortaron %1 nombres de más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Not placed:</source>
        <translation>Sin colocar:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>starts before %1 o&apos;clock</source>
        <extracomment>%1 is the first hour the day pages show, 0 to 23</extracomment>
        <translation>empieza antes de las %1</translation>
    </message>
    <message>
        <source>starts at 6 o&apos;clock in the evening or later</source>
        <translation>empieza a las 6 de la tarde o más tarde</translation>
    </message>
    <message>
        <source>starts at %1 o&apos;clock or later</source>
        <extracomment>%1 is the hour after the last one the day pages show, 1 to 23</extracomment>
        <translation>empieza a las %1 o más tarde</translation>
    </message>
    <message>
        <source>Please check:</source>
        <extracomment>Heads the appointments whose times the import had to guess at, each with what it guessed</extracomment>
        <translation>Revise lo siguiente:</translation>
    </message>
</context>
<context>
    <name>calendar::Occurrences</name>
    <message>
        <source>Busy</source>
        <extracomment>The name an appointment gets in the planner when it has neither a summary nor a location</extracomment>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>repeats more than %1 times in the week, more than Dorvane imports</source>
        <translation>se repite más de %1 veces en la semana, más de las que Dorvane importa</translation>
    </message>
    <message>
        <source>repeats more than %1 times in one hour, more than Dorvane imports</source>
        <translation>se repite más de %1 veces en una hora, más de las que Dorvane importa</translation>
    </message>
    <message>
        <source>The week holds more than %1 appointments, more than Dorvane imports.</source>
        <translation>La semana contiene más de %1 citas, más de las que Dorvane importa.</translation>
    </message>
    <message>
        <source>More than %1 appointments start in the hour from %2, more than Dorvane imports.</source>
        <translation>Más de %1 citas empiezan en la hora a partir de %2, más de las que Dorvane importa.</translation>
    </message>
</context>
<context>
    <name>calendar::RecurrenceExpander</name>
    <message>
        <source>repeats too often, or too finely, to work out</source>
        <translation>se repite con demasiada frecuencia, o a intervalos demasiado cortos, para poder calcularla</translation>
    </message>
    <message>
        <source>has a repetition rule (RRULE) that cannot be followed</source>
        <translation>tiene una regla de repetición (RRULE) que no se puede aplicar</translation>
    </message>
</context>
<context>
    <name>calendar::WeekLayout</name>
    <message>
        <source>Sat %1</source>
        <extracomment>%1 is the name of an appointment on Saturday, on the weekend page</extracomment>
        <translation>Sáb. %1</translation>
    </message>
    <message>
        <source>Sun %1</source>
        <extracomment>%1 is the name of an appointment on Sunday, on the weekend page</extracomment>
        <translation>Dom. %1</translation>
    </message>
</context>
<context>
    <name>cli::BatchRun</name>
    <message>
        <source>%1 exists already; --force replaces it.</source>
        <translation>%1 ya existe; --force lo reemplaza.</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <extracomment>%1 is the title of the week, by default its Monday as the import writes it</extracomment>
        <translation>Semana del %1</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>No se puede importar el calendario &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>--save and --pdf name the same file, %1: give each its own.</source>
        <translation>--save y --pdf nombran el mismo archivo, %1: dé a cada uno el suyo.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLine</name>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se indica más de una vez.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--import SOURCE is needed: the calendar to make the planners from.</source>
        <translation>--import SOURCE es obligatorio: el calendario a partir del cual se crean los planificadores.</translation>
    </message>
    <message>
        <source>--week &quot;%1&quot; is not a date: give YYYY-MM-DD, this or next.</source>
        <translation>--week &quot;%1&quot; no es una fecha: indique YYYY-MM-DD, this o next.</translation>
    </message>
    <message>
        <source>--weeks &quot;%1&quot; is not a number of weeks from 1 to %2.</source>
        <translation>--weeks &quot;%1&quot; no es un número de semanas de 1 a %2.</translation>
    </message>
    <message>
        <source>--title is for a single week; several weeks are titled by their Mondays.</source>
        <translation>--title solo sirve para una semana; si hay varias, cada una lleva como título su lunes.</translation>
    </message>
    <message>
        <source>--save and --pdf need a file name.</source>
        <translation>--save y --pdf necesitan un nombre de archivo.</translation>
    </message>
    <message>
        <source>--printer goes with --print.</source>
        <translation>--printer se usa junto con --print.</translation>
    </message>
    <message>
        <source>Nothing to make: give --save FILE, --pdf FILE or --print.</source>
        <translation>Nada que crear: indique --save FILE, --pdf FILE o --print.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for more.</source>
        <translation>Pruebe &apos;dorvane --help&apos; para obtener más información.</translation>
    </message>
    <message>
        <source>Usage: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</source>
        <extracomment>Option names (--import) and value names in capitals (SOURCE) are typed as they are</extracomment>
        <translation>Uso: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] [--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] [--paper a4|letter|a5 [--landscape]]</translation>
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

Crea planificadores semanales en formato Word. Sin opciones, Dorvane abre su
ventana e importa el calendario FILE si se indica. Con --import crea los
planificadores de una o varias semanas a partir de un calendario, sin ninguna
ventana y sin pantalla.

  --import SOURCE   Archivo iCalendar del que se toman las citas.
  --week DATE       Cualquier día de la primera semana: una fecha (YYYY-MM-DD),
                    &quot;this&quot; o &quot;next&quot;. Predeterminado: esta semana.
  --weeks N         Número de semanas seguidas, de 1 a 53. Predeterminado: 1.
  --title TEXT      Título del planificador (solo una semana). Predeterminado:
                    el lunes de la semana, tal como lo escribe la importación.
  --save FILE       Escribe un documento Word, una semana por página.
  --pdf FILE        Escribe un PDF, una página por semana.
  --print           Imprime todas las semanas en un solo trabajo.
  --printer NAME    La impresora (cola CUPS) para --print. Predeterminado: la
                    impresora predeterminada del sistema.
  --force           Reemplaza los archivos de salida que ya existen.
  --quiet           Omite el resumen de la importación.
  --hours A-B       Las horas de un día, de A a B (0 a 23), una fila cada
                    una. Por omisión: 8-17.
  --clock 12|24     Las horas en el reloj de 12 o de 24 horas.
                    Por omisión: como el idioma escribe las horas.
  --paper a4|letter|a5
                    El papel. Por omisión: Letter en los Estados Unidos, A4
                    en los demás países.
  --landscape       El papel en horizontal.
  -h, --help        Muestra esta ayuda.
  -v, --version     Muestra la versión.

Se necesita al menos una de las opciones --save, --pdf y --print. Los archivos
se escriben completos o no se escriben. Un FILE - es la salida estándar. El
resumen de la importación va a la salida estándar (a la salida de error
estándar cuando un FILE es -), y los errores, a la salida de error estándar.

Código de salida: 0 terminado; 1 argumentos incorrectos; 2 no se pudo leer el
calendario; 3 no se pudo escribir un archivo o no se pudo imprimir el trabajo.
</translation>
    </message>
    <message>
        <source>--hours &quot;%1&quot; is not a range of hours: give A-B, from 0 to 23, such as 7-19.</source>
        <translation>--hours «%1» no es un intervalo de horas: indique A-B, de 0 a 23, por ejemplo 7-19.</translation>
    </message>
    <message>
        <source>--clock &quot;%1&quot; is not a clock: give 12 or 24.</source>
        <translation>--clock «%1» no es un reloj: indique 12 o 24.</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot; is not a paper: give a4, letter or a5.</source>
        <translation>--paper «%1» no es un tamaño de papel: indique a4, letter o a5.</translation>
    </message>
</context>
<context>
    <name>cli::CommandLineRun</name>
    <message>
        <source>The import summary could not be written: %1</source>
        <translation>No se pudo escribir el resumen de la importación: %1</translation>
    </message>
</context>
<context>
    <name>common::Files</name>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
</context>
<context>
    <name>common::Language</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale this translation is for, as a QLocale name such as de_DE; it gives the planner and the day pages their day names. Not shown.</extracomment>
        <translation>es_ES</translation>
    </message>
</context>
<context>
    <name>desktop::CursorFile</name>
    <message>
        <source>Cannot load cursor file %1: %2</source>
        <translation>No se puede cargar el archivo de cursor %1: %2</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file is too large for a cursor</source>
        <translation>el archivo es demasiado grande para un cursor</translation>
    </message>
    <message>
        <source>not a Windows cursor file</source>
        <translation>no es un archivo de cursor de Windows</translation>
    </message>
    <message>
        <source>the cursor image cannot be decoded</source>
        <translation>no se puede descodificar la imagen del cursor</translation>
    </message>
    <message>
        <source>the hot spot lies outside the cursor image</source>
        <translation>la zona activa queda fuera de la imagen del cursor</translation>
    </message>
</context>
<context>
    <name>entry::ChooseCalendarDialog</name>
    <message>
        <source>Choose Calendar</source>
        <translation>Elegir calendario</translation>
    </message>
    <message>
        <source>Import the week from</source>
        <translation>Importar la semana desde</translation>
    </message>
    <message>
        <source>Import the week from:</source>
        <translation>Importar la semana desde:</translation>
    </message>
</context>
<context>
    <name>entry::EntryWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crear la plantilla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>Title For This Week</source>
        <translation>Título de esta semana</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Makes the planner of this week and shows its preview</source>
        <translation>Crea el planificador de esta semana y muestra su vista previa</translation>
    </message>
    <message>
        <source>Tells whom to ask about Dorvane</source>
        <translation>Indica a quién consultar sobre Dorvane</translation>
    </message>
    <message>
        <source>Fills the title and all six day pages with an example week</source>
        <translation>Rellena el título y las seis páginas de días con una semana de ejemplo</translation>
    </message>
    <message>
        <source>The planner&apos;s heading reads Week of, then this title</source>
        <translation>El encabezado del planificador dice Semana del, seguido de este título</translation>
    </message>
    <message>
        <source>Control+Page Down and Control+Page Up switch pages</source>
        <translation>Ctrl+Av Pág y Ctrl+Re Pág cambian de página</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>%1, %2 o&apos;clock, %3</source>
        <extracomment>Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5, or 0 to 23), %3 the column</extracomment>
        <translation>%1, hora %2, %3</translation>
    </message>
    <message>
        <source>You forgot to input week information.</source>
        <translation>Ha olvidado introducir la información de la semana.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quenlis at %1</source>
        <translation>¿Tiene preguntas? Póngase en contacto con Team Quenlis en %1</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Leyendo el calendario...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Importar calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|All files (*)|*</source>
        <translation>Archivos de calendario (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; cannot be imported.

%2</source>
        <translation>No se puede importar el calendario &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>The calendar at %1 cannot be opened.

%2</source>
        <translation>No se puede abrir el calendario de %1.

%2</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments.</source>
        <translation>El calendario &quot;%1&quot; no contiene citas.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; holds no appointments in the week of %2.</source>
        <translation>El calendario &quot;%1&quot; no contiene citas en la semana del %2.</translation>
    </message>
    <message>
        <source>The week already holds appointments. Replace them with those of the calendar?</source>
        <translation>La semana ya contiene citas. ¿Desea sustituirlas por las del calendario?</translation>
    </message>
    <message>
        <source>Planner Settings…</source>
        <extracomment>The entry window&apos;s context menu and Ctrl+,: opens the dialog &quot;Planner Settings&quot;</extracomment>
        <translation>Ajustes del planificador…</translation>
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
        <translation>Importar semana</translation>
    </message>
    <message>
        <source>Import the week of</source>
        <translation>Importar la semana del</translation>
    </message>
    <message>
        <source>Import the week of:</source>
        <translation>Importar la semana del:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Del %1 al %2</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <extracomment>Import Week: how many consecutive weeks to import, from the chosen one on</extracomment>
        <translation>Semanas:</translation>
    </message>
</context>
<context>
    <name>entry::OpenAddressDialog</name>
    <message>
        <source>Open Calendar Address</source>
        <translation>Abrir dirección de calendario</translation>
    </message>
    <message>
        <source>A calendar server (CalDAV), a calendar on it, or a web calendar (https or webcal).</source>
        <translation>Un servidor de calendarios (CalDAV), un calendario alojado en él o un calendario web (https o webcal).</translation>
    </message>
    <message>
        <source>Recent addresses</source>
        <translation>Direcciones recientes</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
</context>
<context>
    <name>entry::PlannerSettingsDialog</name>
    <message>
        <source>Planner Settings</source>
        <translation>Ajustes del planificador</translation>
    </message>
    <message>
        <source>First hour</source>
        <translation>Primera hora</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Última hora</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The clock of the hour labels: &quot;1 pm&quot;</extracomment>
        <translation>12 horas</translation>
    </message>
    <message>
        <source>24-hour</source>
        <extracomment>The clock of the hour labels: &quot;13&quot;</extracomment>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last hour: &quot;8:00 AM to 5:00 PM&quot;</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>Reloj:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Dorvane&apos;s own engine</source>
        <translation>Motor propio de Dorvane</translation>
    </message>
    <message>
        <source>Make the planner with:</source>
        <translation>Crear el planificador con:</translation>
    </message>
</context>
<context>
    <name>entry::RemoteDialogs</name>
    <message>
        <source>The password could not be remembered: %1.</source>
        <translation>No se pudo recordar la contraseña: %1.</translation>
    </message>
</context>
<context>
    <name>entry::SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in.</source>
        <translation>El servidor %1 le pide que inicie sesión.</translation>
    </message>
    <message>
        <source>The server %1 asks you to sign in to &quot;%2&quot;.</source>
        <translation>El servidor %1 le pide que inicie sesión en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The server refused the last attempt: %1</source>
        <translation>El servidor rechazó el último intento: %1</translation>
    </message>
    <message>
        <source>This server is reached over plain http: the password travels unencrypted.</source>
        <translation>A este servidor se accede por http sin cifrar: la contraseña se transmite sin cifrar.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <translation>Recordar en el llavero</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
</context>
<context>
    <name>entry::TransferProgressDialog</name>
    <message>
        <source>Downloading Calendar</source>
        <translation>Descargando calendario</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>%1 recibidos</translation>
    </message>
</context>
<context>
    <name>files::AtomicFileWriter</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>es un dispositivo de caracteres, no un archivo</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>es un dispositivo de bloques, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>Windows reserves the name &quot;%1&quot; for a device</source>
        <translation>Windows reserva el nombre «%1» para un dispositivo</translation>
    </message>
    <message>
        <source>Windows does not allow the characters &lt; &gt; : &quot; | ? * in the name &quot;%1&quot;</source>
        <translation>Windows no permite los caracteres &lt; &gt; : &quot; | ? * en el nombre «%1»</translation>
    </message>
    <message>
        <source>Windows does not allow a name that ends in a dot or a blank: &quot;%1&quot;</source>
        <translation>Windows no permite un nombre que termine en punto o en espacio: «%1»</translation>
    </message>
</context>
<context>
    <name>output::OutputFile</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Está seguro de que desea sobrescribir %1 ?</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
</context>
<context>
    <name>output::PdfExport</name>
    <message>
        <source>The PDF pages could not be made.</source>
        <translation>No se pudieron generar las páginas PDF.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>output::PlannerPrinter</name>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>No hay ninguna impresora configurada en este equipo.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file for printing: %1</source>
        <translation>No se puede escribir un archivo temporal para imprimir: %1</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>La impresora %1 no aceptó el trabajo.</translation>
    </message>
</context>
<context>
    <name>output::PrintJob</name>
    <message>
        <source>Printing needs the CUPS library, which cannot be loaded: %1</source>
        <translation>Para imprimir hace falta la biblioteca de CUPS, que no se puede cargar: %1</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>El servidor de impresión %1 no responde.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>La impresora %1 no aceptó el trabajo: %2</translation>
    </message>
</context>
<context>
    <name>planner::PlannerGenerator</name>
    <message>
        <source>Week of %1</source>
        <extracomment>The planner document&apos;s heading; %1 is the week&apos;s title as typed, such as a date</extracomment>
        <translation>Semana del %1</translation>
    </message>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Puede que Word esté abierto. Se recomienda cerrar Word antes de continuar. Si es necesario, use Ctrl+Alt+Supr &gt; Administrador de tareas &gt; WINWORD.EXE.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture of the planner.</source>
        <translation>El portapapeles no contiene ninguna imagen del planificador.</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment numbers; the column is 50 points wide, so the title is short enough to fit on one line at 10 points</extracomment>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the planner document, over each day&apos;s appointment names</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>A planner needs at least one week.</source>
        <translation>Un planificador necesita al menos una semana.</translation>
    </message>
    <message>
        <source>There is no picture of the planner to load.</source>
        <translation>No hay ninguna imagen del planificador que cargar.</translation>
    </message>
    <message>
        <source>Cannot load the picture %1.</source>
        <translation>No se puede cargar la imagen %1.</translation>
    </message>
</context>
<context>
    <name>planner::PlannerSettings</name>
    <message>
        <source>Letter</source>
        <extracomment>The paper size of North America, 8.5 by 11 inches</extracomment>
        <translation>Carta</translation>
    </message>
</context>
<context>
    <name>planner::TemporaryFiles</name>
    <message>
        <source>Cannot create the temporary folder %1: %2</source>
        <translation>No se puede crear la carpeta temporal %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a folder</source>
        <translation>La carpeta temporal %1 no es una carpeta</translation>
    </message>
    <message>
        <source>The temporary folder %1 belongs to another user</source>
        <translation>La carpeta temporal %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be made private</source>
        <translation>La carpeta temporal %1 no se puede hacer privada</translation>
    </message>
    <message>
        <source>Cannot create the temporary document %1: %2</source>
        <translation>No se puede crear el documento temporal %1: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the picture in %1</source>
        <translation>No se encuentra un nombre libre para la imagen en %1</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it is empty</source>
        <translation>No se puede escribir la imagen %1: está vacía</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: it cannot be stored</source>
        <translation>No se puede escribir la imagen %1: no se puede guardar</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>No se puede escribir la imagen %1: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for the document in %1</source>
        <translation>No se encuentra un nombre libre para el documento en %1</translation>
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
        <translation>Error 842001. No se pudo crear una instancia normal de Word.<byte value="xd"/>
<byte value="xd"/>
1. Asegúrese de que Word está instalado en este equipo.<byte value="xd"/>
<byte value="xd"/>
2. Abra Word normalmente y asegúrese de que se abre de inmediato un documento en blanco sin ninguna ventana que lo interrumpa (como una ventana de recuperación de archivos de Word).<byte value="xd"/>
<byte value="xd"/>
3. Asegúrese de que, al hacer doble clic en un archivo DOC o DOCX, Word se abre normalmente sin ningún mensaje que lo interrumpa.<byte value="xd"/>
<byte value="xd"/>
4. Este programa admite todas las versiones de Word excepto las poco habituales ediciones Word Starter y Student.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewCommands</name>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>The planner could not be printed.</source>
        <translation>No se pudo imprimir el planificador.</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar como PDF…</translation>
    </message>
    <message>
        <source>The planner could not be exported as PDF.</source>
        <translation>No se pudo exportar el planificador como PDF.</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>No se pudo copiar la imagen.</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Guardar en archivo de Word</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Move the picture left and right</source>
        <translation>Mover la imagen a izquierda y derecha</translation>
    </message>
    <message>
        <source>Move the picture up and down</source>
        <translation>Mover la imagen arriba y abajo</translation>
    </message>
    <message>
        <source>Control+plus zooms in and Control+minus zooms out; the arrow keys and Page Up and Page Down move the picture, as does dragging it. Control+P prints, Control+E exports as PDF, Control+C copies the picture.</source>
        <translation>Ctrl+más amplía y Ctrl+menos reduce; las teclas de flecha, Re Pág y Av Pág mueven la imagen, igual que arrastrarla. Ctrl+P imprime, Ctrl+E exporta como PDF y Ctrl+C copia la imagen.</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planificador</translation>
    </message>
    <message>
        <source>%1, original size</source>
        <translation>%1, tamaño original</translation>
    </message>
    <message>
        <source>Cannot read the planner document %1: %2</source>
        <translation>No se puede leer el documento del planificador %1: %2</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation>Archivos de Word (*.doc)|*.doc</translation>
    </message>
    <message>
        <source>The entry window is not available</source>
        <translation>La ventana de entrada de datos no está disponible</translation>
    </message>
</context>
<context>
    <name>preview::Viewport</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
<context>
    <name>remote::CalDavClient</name>
    <message>
        <source>The answer of %1 is not a calendar.</source>
        <translation>La respuesta de %1 no es un calendario.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server described nothing.</source>
        <translation>La respuesta de %1 no es un calendario: el servidor no describió nada.</translation>
    </message>
    <message>
        <source>The calendar at %1 holds no events (only tasks or notes).</source>
        <translation>El calendario de %1 no contiene eventos (solo tareas o notas).</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server names no calendars for this user.</source>
        <translation>La respuesta de %1 no es un calendario: el servidor no indica ningún calendario para este usuario.</translation>
    </message>
    <message>
        <source>The server %1 holds no calendar with events for this user.</source>
        <translation>El servidor %1 no tiene ningún calendario con eventos para este usuario.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server does not speak CalDAV.</source>
        <translation>La respuesta de %1 no es un calendario: el servidor no admite CalDAV.</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server&apos;s answer is cut short or malformed.</source>
        <translation>La respuesta de %1 no es un calendario: la respuesta del servidor está incompleta o tiene un formato incorrecto.</translation>
    </message>
</context>
<context>
    <name>remote::CalendarAddress</name>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>&quot;%1&quot; no es una dirección web.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an http, https or webcal address.</source>
        <translation>&quot;%1&quot; no es una dirección http, https ni webcal.</translation>
    </message>
</context>
<context>
    <name>remote::HttpSession</name>
    <message>
        <source>The server %1 sent the request on more than %2 times; the address may lead in a circle.</source>
        <translation>El servidor %1 redirigió la solicitud más de %2 veces; puede que la dirección forme un bucle.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on to an address that cannot be used.</source>
        <translation>El servidor %1 redirigió la solicitud a una dirección que no se puede usar.</translation>
    </message>
    <message>
        <source>The server %1 sent the request on from a secure (https) address to an insecure (http) one, %2; Dorvane does not follow it.</source>
        <translation>El servidor %1 redirigió la solicitud de una dirección segura (https) a una no segura (http), %2; Dorvane no sigue esa redirección.</translation>
    </message>
    <message>
        <source>The server %1 stopped sending for %2 seconds.</source>
        <translation>El servidor %1 dejó de enviar datos durante %2 segundos.</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation>El servidor %1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.</source>
        <translation>La respuesta de %1 ocupa más de %2 MB, más que cualquier calendario que Dorvane lea.</translation>
    </message>
    <message>
        <source>The server %1 sent too slowly: the answer did not come within %2 seconds.</source>
        <translation>El servidor %1 envió demasiado despacio: la respuesta no llegó en %2 segundos.</translation>
    </message>
    <message>
        <source>The answer of %1 cannot be unpacked: unpacked, it is larger than %2 MB, more than any calendar Dorvane reads, or it is damaged.</source>
        <translation>La respuesta de %1 no se puede descomprimir: descomprimida, supera los %2 MB, más que cualquier calendario que Dorvane lee, o está dañada.</translation>
    </message>
    <message>
        <source>The server %1 broke off its answer before the end. Try again later.</source>
        <translation>El servidor %1 interrumpió su respuesta antes del final. Vuelva a intentarlo más tarde.</translation>
    </message>
</context>
<context>
    <name>remote::KeyringSecret</name>
    <message>
        <source>no keyring can be reached, as this session has no desktop bus (D-Bus)</source>
        <translation>no se puede llegar a ningún llavero, porque esta sesión no tiene bus de escritorio (D-Bus)</translation>
    </message>
    <message>
        <source>no keyring is available on this computer</source>
        <translation>no hay ningún llavero disponible en este equipo</translation>
    </message>
    <message>
        <source>the keyring&apos;s own question was cancelled</source>
        <translation>se canceló la pregunta del propio llavero</translation>
    </message>
    <message>
        <source>the keyring refused it</source>
        <translation>el llavero lo rechazó</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>el llavero falló</translation>
    </message>
    <message>
        <source>it is longer than the Credential Manager keeps</source>
        <translation>es más largo de lo que guarda el Administrador de credenciales</translation>
    </message>
</context>
<context>
    <name>remote::NetworkFailure</name>
    <message>
        <source>The certificate of %1 has expired.</source>
        <translation>El certificado de %1 ha caducado.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not valid yet.</source>
        <translation>El certificado de %1 aún no es válido.</translation>
    </message>
    <message>
        <source>The certificate of %1 was made out for another name.</source>
        <translation>El certificado de %1 se emitió para otro nombre.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not from an authority this computer trusts.</source>
        <translation>El certificado de %1 no procede de una autoridad en la que confíe este equipo.</translation>
    </message>
    <message>
        <source>The certificate of %1 has been revoked.</source>
        <translation>El certificado de %1 ha sido revocado.</translation>
    </message>
    <message>
        <source>the secure connection could not be made</source>
        <translation>no se pudo establecer la conexión segura</translation>
    </message>
    <message>
        <source>The certificate of %1 is not accepted: %2.</source>
        <translation>No se acepta el certificado de %1: %2.</translation>
    </message>
    <message>
        <source>The server name %1 was not found. Check the address, and that this computer is online.</source>
        <translation>No se encontró el servidor %1. Compruebe la dirección y que este equipo esté conectado a Internet.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation>El servidor %1 rechazó la conexión.</translation>
    </message>
    <message>
        <source>The server %1 closed the connection before it answered.</source>
        <translation>El servidor %1 cerró la conexión antes de responder.</translation>
    </message>
    <message>
        <source>This computer is not connected to a network.</source>
        <translation>Este equipo no está conectado a ninguna red.</translation>
    </message>
    <message>
        <source>No network leads to %1: this computer may not be connected to a network.</source>
        <translation>No hay ninguna red que lleve a %1: puede que este equipo no esté conectado a una red.</translation>
    </message>
    <message>
        <source>The proxy server set for this computer did not pass the request on to %1.</source>
        <translation>El servidor proxy configurado en este equipo no transmitió la solicitud a %1.</translation>
    </message>
    <message>
        <source>The connection to %1 failed.</source>
        <translation>La conexión con %1 ha fallado.</translation>
    </message>
    <message>
        <source>The server %1 did not accept the user name and password (%2).</source>
        <translation>El servidor %1 no aceptó el nombre de usuario y la contraseña (%2).</translation>
    </message>
    <message>
        <source>The server %1 does not allow access to this address (%2).</source>
        <translation>El servidor %1 no permite el acceso a esta dirección (%2).</translation>
    </message>
    <message>
        <source>There is no calendar at this address on %1 (%2).</source>
        <translation>No hay ningún calendario en esta dirección de %1 (%2).</translation>
    </message>
    <message>
        <source>The server %1 failed to answer (%2). Try again later.</source>
        <translation>El servidor %1 no pudo responder (%2). Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The server %1 refused the request (%2).</source>
        <translation>El servidor %1 rechazó la solicitud (%2).</translation>
    </message>
</context>
<context>
    <name>remote::PasswordKeyring</name>
    <message>
        <source>the user name holds a line break</source>
        <translation>el nombre de usuario contiene un salto de línea</translation>
    </message>
</context>
<context>
    <name>remote::RemoteCalendar</name>
    <message>
        <source>an answer of unknown type</source>
        <translation>una respuesta de tipo desconocido</translation>
    </message>
    <message>
        <source>The answer of %1 is not a calendar: the server sent %2.</source>
        <translation>La respuesta de %1 no es un calendario: el servidor envió %2.</translation>
    </message>
</context>
<context>
    <name>skin::SkinFramework</name>
    <message>
        <source>The skin file %1 holds one skin; there is no part named %2</source>
        <translation>El archivo de máscara %1 contiene una sola máscara; no hay ninguna parte llamada %2</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de máscara %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large for a skin</source>
        <translation>El archivo de máscara %1 es demasiado grande para una máscara</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be parsed</source>
        <translation>El archivo de máscara %1 no es una hoja de estilos que se pueda analizar</translation>
    </message>
    <message>
        <source>No window has the handle %1</source>
        <translation>Ninguna ventana tiene el identificador %1</translation>
    </message>
    <message>
        <source>No skin has been loaded</source>
        <translation>No se ha cargado ninguna máscara</translation>
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
        <translation>Semana n.º %1</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Meeting with friends</source>
        <translation>Reunión con amigos</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>Ir de compras</translation>
    </message>
    <message>
        <source>Gym</source>
        <translation>Gimnasio</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaje</translation>
    </message>
    <message>
        <source>Meeting with associates</source>
        <translation>Reunión con socios</translation>
    </message>
</context>
<context>
    <name>windowoutput::PictureCopy</name>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>No hay memoria suficiente para la imagen.</translation>
    </message>
</context>
<context>
    <name>word::AutomationError</name>
    <message>
        <source>Call: %1</source>
        <extracomment>Under a failure of Word: %1 is the call the program made, as VB writes it</extracomment>
        <translation>Llamada: %1</translation>
    </message>
    <message>
        <source>Error from %1: 0x%2</source>
        <extracomment>%1 is the program that raised the error (&quot;Microsoft Word&quot;), %2 its error number in hexadecimal</extracomment>
        <translation>Error de %1: 0x%2</translation>
    </message>
</context>
<context>
    <name>word::DocumentError</name>
    <message>
        <source>The file is not a Word document.</source>
        <translation>El archivo no es un documento de Word.</translation>
    </message>
    <message>
        <source>The file is not a Word document: %1.</source>
        <translation>El archivo no es un documento de Word: %1.</translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation>El archivo está dañado: %1.</translation>
    </message>
    <message>
        <source>The file is too large to open: %1.</source>
        <translation>El archivo es demasiado grande para abrirlo: %1.</translation>
    </message>
</context>
<context>
    <name>word::DocumentRenderer</name>
    <message>
        <source>A picture of the document can only be made by the program&apos;s main thread.</source>
        <translation>Solo el subproceso principal del programa puede crear una imagen del documento.</translation>
    </message>
    <message>
        <source>The document is too large to be copied as one picture.</source>
        <translation>El documento es demasiado grande para copiarlo como una sola imagen.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the document as a picture.</source>
        <translation>No hay memoria suficiente para dibujar el documento como imagen.</translation>
    </message>
</context>
<context>
    <name>word::com</name>
    <message>
        <source>Word refused the call (error %1).</source>
        <extracomment>%1 is the error number (HRESULT) of a failed automation call, e.g. 0x80020003</extracomment>
        <translation>Word rechazó la llamada (error %1).</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (error %2)</translation>
    </message>
</context>
<context>
    <name>word::messages</name>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o bloque With no establecido</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>El componente ActiveX no puede crear el objeto</translation>
    </message>
    <message>
        <source>The RPC server is unavailable.</source>
        <translation>El servidor RPC no está disponible.</translation>
    </message>
    <message>
        <source>Object has been deleted.</source>
        <translation>El objeto se ha eliminado.</translation>
    </message>
    <message>
        <source>This command is not available because no document is open.</source>
        <translation>Este comando no está disponible porque no hay ningún documento abierto.</translation>
    </message>
    <message>
        <source>Bad parameter</source>
        <translation>Parámetro incorrecto</translation>
    </message>
    <message>
        <source>Value out of range</source>
        <translation>Valor fuera del intervalo</translation>
    </message>
    <message>
        <source>This method or property is not available because some or all of the object does not refer to a table.</source>
        <translation>Este método o propiedad no está disponible porque el objeto, total o parcialmente, no hace referencia a una tabla.</translation>
    </message>
    <message>
        <source>The requested member of the collection does not exist.</source>
        <translation>El miembro solicitado de la colección no existe.</translation>
    </message>
    <message>
        <source>Item with specified name does not exist.</source>
        <translation>El elemento con el nombre especificado no existe.</translation>
    </message>
    <message>
        <source>Cannot access individual columns in this collection because the table has mixed cell widths.</source>
        <translation>No se puede obtener acceso a las columnas individuales de esta colección porque la tabla tiene celdas con anchos diferentes.</translation>
    </message>
    <message>
        <source>The range is no longer part of the document.</source>
        <translation>El intervalo ya no forma parte del documento.</translation>
    </message>
    <message>
        <source>The range is not part of this document.</source>
        <translation>El intervalo no forma parte de este documento.</translation>
    </message>
    <message>
        <source>A table cannot be put inside a table.</source>
        <translation>No se puede insertar una tabla dentro de otra tabla.</translation>
    </message>
    <message>
        <source>The document has not been saved yet and has no file to be saved to.</source>
        <translation>El documento aún no se ha guardado y no tiene ningún archivo en el que guardarse.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object is empty.</source>
        <translation>Este método o propiedad no está disponible porque el objeto está vacío.</translation>
    </message>
    <message>
        <source>The clipboard is not available.</source>
        <translation>El portapapeles no está disponible.</translation>
    </message>
    <message>
        <source>Cells of a column cannot be merged.</source>
        <translation>No se pueden combinar las celdas de una columna.</translation>
    </message>
    <message>
        <source>Word stayed busy for 30 seconds and did not take the call. Nothing of the week is lost: finish what Word is doing, then press Start Creating Template again.</source>
        <translation>Word estuvo ocupado durante 30 segundos y no aceptó la llamada. No se pierde nada de la semana: termine lo que Word está haciendo y vuelva a pulsar «Crear la plantilla».</translation>
    </message>
    <message>
        <source>Word was closed while the planner was being made. Nothing of the week is lost: press Start Creating Template again.</source>
        <translation>Word se cerró mientras se creaba la agenda. No se pierde nada de la semana: vuelva a pulsar «Crear la plantilla».</translation>
    </message>
    <message>
        <source>Word has no member named %1.</source>
        <extracomment>%1 is the name of a member of Word&apos;s automation objects, e.g. TypeText</extracomment>
        <translation>Word no tiene ningún miembro llamado %1.</translation>
    </message>
    <message>
        <source>The document is open in Word; its pages are drawn from the file Word saved.</source>
        <translation>El documento está abierto en Word; sus páginas se dibujan a partir del archivo que guardó Word.</translation>
    </message>
</context>
<context>
    <name>word::oxml::BodyCounts</name>
    <message>
        <source>it has more than %1 %2</source>
        <extracomment>%1 is a number, %2 what there are too many of, e.g. &quot;table cells&quot;</extracomment>
        <translation>tiene más de %1 %2</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>contiene más de %1 caracteres de texto</translation>
    </message>
    <message>
        <source>paragraphs</source>
        <translation>párrafos</translation>
    </message>
    <message>
        <source>runs of text</source>
        <translation>fragmentos de texto</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>tablas</translation>
    </message>
    <message>
        <source>table cells</source>
        <translation>celdas de tabla</translation>
    </message>
</context>
<context>
    <name>word::oxml::DocumentReader</name>
    <message>
        <source>the main part has no w:document element</source>
        <translation>la parte principal no tiene ningún elemento w:document</translation>
    </message>
    <message>
        <source>the main part has no w:body element</source>
        <translation>la parte principal no tiene ningún elemento w:body</translation>
    </message>
</context>
<context>
    <name>word::oxml::RunProperties</name>
    <message>
        <source>the font size &quot;%1&quot; is not a size Word allows</source>
        <translation>el tamaño de fuente &quot;%1&quot; no es un tamaño que Word admita</translation>
    </message>
</context>
<context>
    <name>word::oxml::StylesReader</name>
    <message>
        <source>the line spacing &quot;%1&quot; is out of range</source>
        <translation>el interlineado &quot;%1&quot; está fuera del intervalo permitido</translation>
    </message>
    <message>
        <source>the styles part has no w:styles element</source>
        <translation>la parte de estilos no tiene ningún elemento w:styles</translation>
    </message>
    <message>
        <source>it defines more than %1 styles</source>
        <translation>define más de %1 estilos</translation>
    </message>
</context>
<context>
    <name>word::oxml::TableReader</name>
    <message>
        <source>a table has more than %1 columns</source>
        <translation>una tabla tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>a table has more than %1 rows</source>
        <translation>una tabla tiene más de %1 filas</translation>
    </message>
    <message>
        <source>a table row has more than %1 cells</source>
        <translation>una fila de tabla tiene más de %1 celdas</translation>
    </message>
    <message>
        <source>a table&apos;s rows do not fit its grid</source>
        <translation>las filas de una tabla no se ajustan a su cuadrícula</translation>
    </message>
</context>
<context>
    <name>word::oxml::XmlReader</name>
    <message>
        <source>the page width</source>
        <translation>el ancho de página</translation>
    </message>
    <message>
        <source>the page height</source>
        <translation>el alto de página</translation>
    </message>
    <message>
        <source>a page margin</source>
        <translation>un margen de página</translation>
    </message>
    <message>
        <source>a cell margin</source>
        <translation>un margen de celda</translation>
    </message>
    <message>
        <source>a grid column&apos;s width</source>
        <translation>el ancho de una columna de la cuadrícula</translation>
    </message>
    <message>
        <source>a cell&apos;s width</source>
        <translation>el ancho de una celda</translation>
    </message>
    <message>
        <source>an element of %1 has more than %2 attributes</source>
        <translation>un elemento de %1 tiene más de %2 atributos</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>%1 is what is wrong, %2 the name of the part of the document package</extracomment>
        <translation>%1 (%2, línea %3)</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; of %2 is out of range</source>
        <extracomment>%2 says what the value is for, e.g. &quot;a cell margin&quot;</extracomment>
        <translation>el valor &quot;%1&quot; de %2 está fuera del intervalo permitido</translation>
    </message>
    <message>
        <source>the part %1 ends too early</source>
        <translation>la parte %1 termina antes de tiempo</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML: %2</source>
        <translation>la parte %1 no es XML bien formado: %2</translation>
    </message>
    <message>
        <source>the part %1 has a document type declaration, which a package part may not have</source>
        <translation>la parte %1 tiene una declaración de tipo de documento, que una parte de paquete no puede tener</translation>
    </message>
    <message>
        <source>the part %1 refers to an undefined entity</source>
        <translation>la parte %1 hace referencia a una entidad no definida</translation>
    </message>
    <message>
        <source>the elements of %1 are nested more than %2 deep</source>
        <translation>los elementos de %1 están anidados en más de %2 niveles</translation>
    </message>
    <message>
        <source>the part %1 is empty</source>
        <translation>la parte %1 está vacía</translation>
    </message>
    <message>
        <source>it holds more than %1 characters of text</source>
        <translation>contiene más de %1 caracteres de texto</translation>
    </message>
    <message>
        <source>a character XML does not allow</source>
        <translation>un carácter que XML no admite</translation>
    </message>
    <message>
        <source>a &apos;&amp;&apos; that begins no reference</source>
        <translation>un &apos;&amp;&apos; que no inicia ninguna referencia</translation>
    </message>
    <message>
        <source>a &apos;&lt;&apos; in an attribute value</source>
        <translation>un &apos;&lt;&apos; en el valor de un atributo</translation>
    </message>
    <message>
        <source>the namespace prefix %1 is not declared</source>
        <translation>el prefijo de espacio de nombres %1 no está declarado</translation>
    </message>
    <message>
        <source>its encoding cannot be read</source>
        <translation>su codificación no se puede leer</translation>
    </message>
</context>
<context>
    <name>word::package::AtomicFile</name>
    <message>
        <source>The document could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el documento como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>no se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>a folder of that name exists.</source>
        <translation>ya existe una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>el archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>la carpeta no existe.</translation>
    </message>
</context>
<context>
    <name>word::package::PackageIndexReader</name>
    <message>
        <source>the content types are not declared</source>
        <translation>los tipos de contenido no están declarados</translation>
    </message>
    <message>
        <source>too many content types are declared</source>
        <translation>se declaran demasiados tipos de contenido</translation>
    </message>
    <message>
        <source>the part %1 holds no relationships</source>
        <translation>la parte %1 no contiene ninguna relación</translation>
    </message>
    <message>
        <source>the part %1 holds too many relationships</source>
        <translation>la parte %1 contiene demasiadas relaciones</translation>
    </message>
</context>
<context>
    <name>word::package::PackageReader</name>
    <message>
        <source>its main document part %1 is missing</source>
        <translation>falta su parte de documento principal %1</translation>
    </message>
    <message>
        <source>the content type of %1 is not declared</source>
        <translation>el tipo de contenido de %1 no está declarado</translation>
    </message>
    <message>
        <source>its main part is of the type %1</source>
        <translation>su parte principal es del tipo %1</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <translation>no hay memoria suficiente para abrirlo</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; could not be opened. %2</source>
        <translation>No se pudo abrir el documento &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>word::package::ZipArchive</name>
    <message>
        <source>The document could not be packed (%1: %2).</source>
        <extracomment>%1 is the step of the zip library that failed (buffer, open, add, close, read), %2 its reason</extracomment>
        <translation>No se pudo empaquetar el documento (%1: %2).</translation>
    </message>
</context>
<context>
    <name>word::package::ZipLibrary</name>
    <message>
        <source>Word documents need the zip library (libzip), which cannot be loaded: %1</source>
        <translation>Los documentos de Word necesitan la biblioteca zip (libzip), que no se puede cargar: %1</translation>
    </message>
</context>
<context>
    <name>word::package::ZipReader</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is in the old binary format (Word 97-2003), which cannot be opened</source>
        <translation>está en el formato binario antiguo (Word 97-2003), que no se puede abrir</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>el paquete tiene más de %1 partes</translation>
    </message>
    <message>
        <source>the zip container cannot be read (%1)</source>
        <translation>no se puede leer el contenedor zip (%1)</translation>
    </message>
    <message>
        <source>the zip container is broken or incomplete (%1)</source>
        <translation>el contenedor zip está dañado o incompleto (%1)</translation>
    </message>
    <message>
        <source>its parts would take more than %1 MB</source>
        <translation>sus partes ocuparían más de %1 MB</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>falta la parte %1</translation>
    </message>
    <message>
        <source>its parts unpack to more than %1 MB</source>
        <translation>sus partes descomprimidas ocupan más de %1 MB</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MB</source>
        <translation>la parte %1 ocupa más de %2 MB</translation>
    </message>
    <message>
        <source>the entry of %1 cannot be read</source>
        <translation>no se puede leer la entrada de %1</translation>
    </message>
    <message>
        <source>the part %1 is encrypted</source>
        <translation>la parte %1 está cifrada</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked (%2)</source>
        <translation>no se puede descomprimir la parte %1 (%2)</translation>
    </message>
    <message>
        <source>the part %1 does not have the size its header states</source>
        <translation>la parte %1 no tiene el tamaño que indica su encabezado</translation>
    </message>
</context>
</TS>
