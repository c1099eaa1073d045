<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ClassFolder</name>
    <message>
        <source>The class folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>La carpeta de la clase &quot;%1&quot; es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be created.</source>
        <translation>No se ha podido crear la carpeta de la clase &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be opened.</source>
        <translation>No se ha podido abrir la carpeta de la clase &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FluencyPageView</name>
    <message>
        <source>Fluency report for %1</source>
        <translation>Informe de fluidez de %1</translation>
    </message>
    <message>
        <source>%1: %2 fluent, %3 right, %4 wrong, %5 not yet asked.</source>
        <translation>%1: %2 con fluidez, %3 bien, %4 mal, %5 aún sin preguntar.</translation>
    </message>
    <message>
        <source>The last day is today&apos;s answers, not yet saved.</source>
        <translation>El último día son las respuestas de hoy, aún sin guardar.</translation>
    </message>
    <message>
        <source> (today, not yet saved)</source>
        <translation> (hoy, aún sin guardar)</translation>
    </message>
    <message>
        <source>%1 due for review; %2.</source>
        <translation>%1 para repasar; %2.</translation>
    </message>
</context>
<context>
    <name>FluencyReport</name>
    <message>
        <source>Day by day</source>
        <translation>Día a día</translation>
    </message>
    <message>
        <source>Median time of right practice answers (seconds, right scale)</source>
        <translation>Tiempo mediano de los aciertos en práctica (segundos, escala derecha)</translation>
    </message>
    <message>
        <source>Share of right answers (left scale)</source>
        <translation>Porcentaje de aciertos (escala izquierda)</translation>
    </message>
    <message>
        <source>No days saved yet.</source>
        <translation>Todavía no hay días guardados.</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>aún sin guardar</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>3.0 s</source>
        <translation>3,0 s</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>row + column</source>
        <translation>fila + columna</translation>
    </message>
    <message>
        <source>(row + column) - column</source>
        <translation>(fila + columna) - columna</translation>
    </message>
    <message>
        <source>row x column</source>
        <translation>fila x columna</translation>
    </message>
    <message>
        <source>(row x column) ÷ column</source>
        <translation>(fila x columna) ÷ columna</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>con fluidez</translation>
    </message>
    <message>
        <source>right, but slower or in a speed round</source>
        <translation>bien, pero más lenta o en contrarreloj</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>aún sin preguntar</translation>
    </message>
    <message>
        <source>%1 fluent, %2 right, %3 wrong</source>
        <translation>%1 con fluidez, %2 bien, %3 mal</translation>
    </message>
    <message>
        <source>fluent: right within 3.0 s</source>
        <translation>con fluidez: bien en 3,0 s o menos</translation>
    </message>
    <message>
        <source>answered today, not yet saved</source>
        <translation>respondida hoy, aún sin guardar</translation>
    </message>
    <message>
        <source>The latest answer to each fact counts. %1</source>
        <extracomment>Note at the foot of the fluency report; %1 says whether every line of the day files was read.</extracomment>
        <translation>Cuenta la última respuesta a cada pregunta. %1</translation>
    </message>
    <message>
        <source>Answers are read from the saved days and from today&apos;s answers, which are not yet saved.</source>
        <translation>Se leen las respuestas de los días guardados y las de hoy, que aún no se han guardado.</translation>
    </message>
    <message>
        <source>Answers are read from the saved days; today&apos;s answers count once they are saved.</source>
        <translation>Se leen las respuestas de los días guardados; las de hoy contarán cuando se guarden.</translation>
    </message>
    <message>
        <source>No days saved yet</source>
        <translation>Todavía no hay días guardados</translation>
    </message>
    <message>
        <source>Day 1</source>
        <extracomment>The days a fluency report reads, beside its title; &quot;today&quot; is the answers not yet saved.</extracomment>
        <translation>Día 1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <translation>Días 1 a %1</translation>
    </message>
    <message>
        <source>Today (not yet saved)</source>
        <translation>Hoy (aún sin guardar)</translation>
    </message>
    <message>
        <source>Day 1 and today (not yet saved)</source>
        <translation>Día 1 y hoy (aún sin guardar)</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <translation>Días 1 a %1 y hoy (aún sin guardar)</translation>
    </message>
    <message>
        <source>%1, 1 answer</source>
        <extracomment>Beside the fluency report&apos;s title: the days read, then how many answers they hold.</extracomment>
        <translation>%1, 1 respuesta</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n answers</source>
        <translation>
            <numerusform>%1, %n respuesta</numerusform>
            <numerusform>%1, %n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>Every line of the day files was read.</source>
        <translation>Se han leído todas las líneas de los archivos de días.</translation>
    </message>
    <message>
        <source>1 line of the day files could not be read as an answer and was left out.</source>
        <translation>1 línea de los archivos de días no se ha podido leer como respuesta y se ha omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the day files could not be read as answers and were left out.</source>
        <translation>
            <numerusform>%n línea de los archivos de días no se ha podido leer como respuesta y se ha omitido.</numerusform>
            <numerusform>%n líneas de los archivos de días no se han podido leer como respuestas y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <extracomment>The fluency report&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Informe de fluidez: %1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <comment>two days</comment>
        <translation>Días 1 y %1</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <comment>two days</comment>
        <translation>Días 1, %1 y hoy (aún sin guardar)</translation>
    </message>
    <message>
        <source>due for review</source>
        <translation>para repasar</translation>
    </message>
    <message>
        <source>fluent and not due: %1 of %2</source>
        <extracomment>Under each matrix of the fluency report: the facts known by heart that need no review today, of all the matrix&apos;s facts.</extracomment>
        <translation>con fluidez, sin repaso: %1 de %2</translation>
    </message>
    <message>
        <source>%1, due for review</source>
        <extracomment>A fact of the fluency report, its state and that it is due for review today.</extracomment>
        <translation>%1, para repasar</translation>
    </message>
</context>
<context>
    <name>FolderWait</name>
    <message>
        <source>The class folder %1 has not answered for %2 seconds: the network, or the computer that shares it, may be down. Nothing is lost. You may go on waiting, or stop waiting and try again later.</source>
        <translation>La carpeta de la clase %1 no responde desde hace %2 segundos: puede que la red, o el ordenador que la comparte, no funcione. No se pierde nada. Puede seguir esperando, o dejar de esperar y volver a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Stop Waiting</source>
        <translation>Dejar de esperar</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>%1 was saved as &quot;%2&quot;.</source>
        <extracomment>%1 is the document, as &quot;The certificate&quot;; %2 the PDF file.</extracomment>
        <translation>%1 se ha guardado como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; could not begin.</source>
        <translation>No se ha podido empezar a imprimir en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; did not complete.</source>
        <translation>No se ha podido terminar de imprimir en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no picture to print.</source>
        <translation>No hay ninguna imagen que imprimir.</translation>
    </message>
    <message>
        <source>The page of &quot;%1&quot; is too narrow to print on.</source>
        <translation>La página de &quot;%1&quot; es demasiado estrecha para imprimir.</translation>
    </message>
    <message>
        <source>Printed by: %1</source>
        <translation>Impreso por: %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>%1 plus %2 equals?</source>
        <extracomment>Spoken question, read out by a screen reader.</extracomment>
        <translation>¿Cuánto es %1 más %2?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals?</source>
        <translation>¿Cuánto es %1 menos %2?</translation>
    </message>
    <message>
        <source>%1 times %2 equals?</source>
        <translation>¿Cuánto es %1 por %2?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals?</source>
        <translation>¿Cuánto es %1 dividido entre %2?</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <extracomment>A whole fact in words, read out by a screen reader.</extracomment>
        <translation>%1 más %2 es igual a %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 menos %2 es igual a %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 por %2 es igual a %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 dividido entre %2 es igual a %3</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <extracomment>The system&apos;s reason why a file operation failed.</extracomment>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Identificador de archivo obsoleto</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation, as in the results page and the certificate.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>Question type on the results page. Room: about 75 px.</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>S. Round</source>
        <extracomment>Question type &quot;Speed Round&quot;, shortened, on the results page. Room: about 75 px.</extracomment>
        <translation>Contrarr.</translation>
    </message>
    <message>
        <source>Type a name first</source>
        <extracomment>Why a new pupil&apos;s name was refused. Room: 281 px.</extracomment>
        <translation>Escriba primero un nombre</translation>
    </message>
    <message>
        <source>No / or \ in a name</source>
        <translation>Sin / ni \ en el nombre</translation>
    </message>
    <message>
        <source>No &lt; &gt; : &quot; | ? * in a name</source>
        <translation>Sin &lt; &gt; : &quot; | ? * en el nombre</translation>
    </message>
    <message>
        <source>No control characters in a name</source>
        <translation>Sin caracteres de control</translation>
    </message>
    <message>
        <source>A name cannot be . or ..</source>
        <translation>El nombre no puede ser . ni ..</translation>
    </message>
    <message>
        <source>A name cannot end in a digit</source>
        <translation>No puede acabar en una cifra</translation>
    </message>
    <message>
        <source>Windows keeps this name for itself</source>
        <translation>Windows guarda este nombre</translation>
    </message>
    <message>
        <source>Name too long, please abbreviate</source>
        <translation>Nombre muy largo, abrévielo</translation>
    </message>
    <message>
        <source>A character cannot be stored</source>
        <translation>Un carácter no se puede guardar</translation>
    </message>
    <message>
        <source>%1&apos;s days were left as they are: %2</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Los días de %1 se han dejado como estaban: %2</translation>
    </message>
    <message>
        <source>Could not delete %1&apos;s day %2: %3</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 the system&apos;s reason.</extracomment>
        <translation>No se ha podido borrar el día %2 de %1: %3</translation>
    </message>
    <message>
        <source>Could not renumber %1&apos;s day %2 as day %3: %4</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 its new number, %4 the system&apos;s reason.</extracomment>
        <translation>No se ha podido renumerar el día %2 de %1 como día %3: %4</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <extracomment>The length of a speed round. Room: 130 px.</extracomment>
        <translation>Tiempo: %1 s</translation>
    </message>
    <message>
        <source>Time: %1 min </source>
        <extracomment>The length of a speed round in whole minutes (the blank at the end is the English text&apos;s own). Room: 130 px.</extracomment>
        <translation>Tiempo: %1 min</translation>
    </message>
    <message>
        <source>Time: %1 min %2 s</source>
        <extracomment>The length of a speed round in minutes and seconds. Room: 130 px.</extracomment>
        <translation>Tiempo: %1 min %2 s</translation>
    </message>
    <message>
        <source>right: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>bien: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>mal: %1</translation>
    </message>
    <message>
        <source>empty grid for your dots</source>
        <extracomment>The dot board read out when the pupil draws the dots.</extracomment>
        <translation>cuadrícula vacía para tus puntos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dot board of an addition read out: &quot;3 dots and 4 dots&quot;. %1 and %2 are the two counts.
----------
Two operations joined: &quot;Addition and Division&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>no dots</source>
        <translation>ningún punto</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1</source>
        <extracomment>The dot board of a multiplication read out: &quot;3 rows of 4 dots&quot;. %1 is the dots of one row.</extracomment>
        <translation>
            <numerusform>%n fila de %1</numerusform>
            <numerusform>%n filas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>A sign read out: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>es igual a</translation>
    </message>
    <message>
        <source>row %1, column %2, dot</source>
        <extracomment>A cell of the dot board read out, with or without a dot in it.</extracomment>
        <translation>fila %1, columna %2, punto</translation>
    </message>
    <message>
        <source>row %1, column %2, empty</source>
        <translation>fila %1, columna %2, vacía</translation>
    </message>
    <message>
        <source>in Practice</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>en la práctica</translation>
    </message>
    <message>
        <source>in Speed Round</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>en la contrarreloj</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 y %4</translation>
    </message>
    <message>
        <source>Involving %1</source>
        <extracomment>Certificate line: the operations the questions involved. Room: about 600 px.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Using all the numbers up to %1!</source>
        <extracomment>Certificate line. %1 is the table&apos;s number. Room: about 600 px.</extracomment>
        <translation>con todos los números hasta el %1!</translation>
    </message>
    <message>
        <source>Using only the number %1 and numbers up to %2!</source>
        <extracomment>Certificate line. %1 is the number practised, %2 the largest other number. Room: about 600 px.</extracomment>
        <translation>con el número %1 y los números hasta el %2!</translation>
    </message>
    <message>
        <source>another copy of the program</source>
        <extracomment>Who holds a lock on a file: &quot;in use by another copy of the program&quot;.</extracomment>
        <translation>otra copia del programa</translation>
    </message>
    <message>
        <source>computer %1, process %2, since %3</source>
        <extracomment>Who holds a lock on a file: %1 a computer&apos;s name, %2 a process number, %3 a time.</extracomment>
        <translation>equipo %1, proceso %2, desde %3</translation>
    </message>
    <message>
        <source>File too large: more than %1 MB</source>
        <translation>Archivo demasiado grande: más de %1 MB</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or the like)</source>
        <translation>No es un archivo normal (es una tubería, un dispositivo o algo parecido)</translation>
    </message>
    <message>
        <source>Not a regular file, or a link to a file that cannot be reached</source>
        <translation>No es un archivo normal, o es un enlace a un archivo inaccesible</translation>
    </message>
    <message>
        <source>A link to a file that cannot be reached (%1)</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Un enlace a un archivo inaccesible (%1)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>en uso por %1</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A time in a day file that is no whole number; %1 is the text found.</extracomment>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Too many lines for a day: more than %1</source>
        <translation>Demasiadas líneas para un día: más de %1</translation>
    </message>
    <message>
        <source>it is being changed (%1); try again in a moment</source>
        <extracomment>The student list or the password cannot be changed now; %1 says who holds its lock.</extracomment>
        <translation>se está modificando (%1); vuelva a intentarlo en un momento</translation>
    </message>
    <message>
        <source>could not be locked (%1: %2)</source>
        <extracomment>%1 is the lock&apos;s file name, %2 why it could not be taken.</extracomment>
        <translation>no se ha podido bloquear (%1: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s days are in use by %2; the answers are kept, save again in a moment</source>
        <extracomment>A save waited for a pupil&apos;s days in vain. %1 is the pupil, %2 who holds the lock.</extracomment>
        <translation>Los días de %1 están en uso por %2; las respuestas se conservan, vuelva a guardar en un momento</translation>
    </message>
    <message>
        <source>could not lock %1&apos;s days (%2: %3)</source>
        <extracomment>%1 is the pupil, %2 the lock&apos;s file name, %3 why it could not be taken.</extracomment>
        <translation>no se han podido bloquear los días de %1 (%2: %3)</translation>
    </message>
    <message>
        <source>its process has ended</source>
        <translation>su proceso ha terminado</translation>
    </message>
    <message>
        <source>it was not renewed for %1 seconds</source>
        <extracomment>Why a lock left behind was removed; %1 is a number of seconds.</extracomment>
        <translation>no se ha renovado durante %1 segundos</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of %2 was removed: %3.</source>
        <extracomment>%1 is a lock file&apos;s name, %2 who held it, %3 why it was removed.</extracomment>
        <translation>Se ha quitado el bloqueo &quot;%1&quot; de %2: %3.</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Enlace no válido entre dispositivos</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>La carpeta no está vacía</translation>
    </message>
    <message>
        <source>Addition</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Multiplic.</translation>
    </message>
    <message>
        <source>Division</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>División</translation>
    </message>
    <message numerus="yes">
        <source>%1. %n correct of %2.</source>
        <extracomment>Read out after an answer was checked: the result (%1), then the score so far: %n right of %2 asked.</extracomment>
        <translation>
            <numerusform>%1. %n acierto de %2.</numerusform>
            <numerusform>%1. %n aciertos de %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct out of %1 asked!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers of %1 questions asked. Room: about 400 px.</extracomment>
        <translation>
            <numerusform>%n de %1 preguntas</numerusform>
            <numerusform>%n de %1 preguntas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct in %1 s!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers in a speed round of %1 seconds.</extracomment>
        <translation>
            <numerusform>%n pregunta en %1 s</numerusform>
            <numerusform>%n preguntas en %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>A link to a file outside the class folder (%1); it is read but never written</source>
        <extracomment>%1 is the file the link points to.</extracomment>
        <translation>Un enlace a un archivo fuera de la carpeta de la clase (%1); se lee, pero nunca se escribe</translation>
    </message>
    <message>
        <source>A name cannot begin with .~</source>
        <extracomment>The program&apos;s hidden files begin with a dot and a tilde. Room: 281 px.</extracomment>
        <translation>El nombre no puede empezar por .~</translation>
    </message>
    <message>
        <source>Would share history files with %1</source>
        <extracomment>%1 is a pupil on the list whose history files the new name would also use: Ann1 for Ann, since Ann&apos;s day 11 and Ann1&apos;s day 1 are one file. Room: 281 px with a short name.</extracomment>
        <translation>Compartiría el historial con %1</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but their history files overlap: %1&apos;s day %3 is the same file as %2&apos;s day 1 (%4).</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list, %2 being %1 followed by digits; %3 is a day number of %1&apos;s, %4 the file both days are.</extracomment>
        <translation>%1 y %2 están los dos en la lista de alumnos, pero sus archivos del historial se solapan: el día %3 de %1 es el mismo archivo que el día 1 de %2 (%4).</translation>
    </message>
    <message>
        <source>The lock was taken over meanwhile: this computer had not renewed it for over a minute</source>
        <extracomment>A step of a clean-up or a save failed because another copy of the program took the lock after this computer had not renewed it for a minute (a sleeping laptop, a stalled network).</extracomment>
        <translation>Mientras tanto, otro ha tomado el bloqueo: este equipo llevaba más de un minuto sin renovarlo</translation>
    </message>
    <message>
        <source>The file changed since the work began</source>
        <extracomment>A file was not deleted or renumbered because it changed while the clean-up ran.</extracomment>
        <translation>El archivo ha cambiado desde que empezó la operación</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the program keeps a lock: &quot;this is a link, not a lock of the program&apos;s&quot;.</extracomment>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>una tubería (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>something that is no file</source>
        <translation>algo que no es un archivo</translation>
    </message>
    <message>
        <source>a folder the program did not make (it holds &quot;%1&quot;)</source>
        <extracomment>A folder stands where the program keeps a lock; %1 is a name found in it.</extracomment>
        <translation>una carpeta que el programa no ha creado (contiene &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>this is %1, not a lock of the program&apos;s; delete it when no computer is using the program</source>
        <extracomment>Something else has the name of one of the program&apos;s locks; %1 says what it is.</extracomment>
        <translation>es %1, no un bloqueo del programa; bórrelo cuando ningún equipo esté usando el programa</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1); it was set aside as &quot;%2&quot;</source>
        <extracomment>A clean-up interrupted earlier left a note of what was still to do; it was checked, found wrong and renamed rather than carried out. %1 is why, %2 the note&apos;s new file name.</extracomment>
        <translation>no se ha aplicado la nota de limpieza (%1); se ha guardado aparte como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1)</source>
        <extracomment>As below, but the note could not even be renamed. %1 is why it was not carried out.</extracomment>
        <translation>no se ha aplicado la nota de limpieza (%1)</translation>
    </message>
    <message>
        <source>it is not one this program wrote</source>
        <extracomment>Why a clean-up note was not carried out.</extracomment>
        <translation>no la ha escrito este programa</translation>
    </message>
    <message>
        <source>it names another pupil</source>
        <extracomment>Why a clean-up note was not carried out: it is in one pupil&apos;s name but names another.</extracomment>
        <translation>se refiere a otro alumno</translation>
    </message>
    <message>
        <source>%1 is not on the list</source>
        <extracomment>Why a clean-up note was not carried out; %1 is a pupil&apos;s name, the list the student list.</extracomment>
        <translation>%1 no está en la lista de alumnos</translation>
    </message>
    <message>
        <source>the list also holds %1, whose history files may be the same files</source>
        <extracomment>Why a clean-up was refused: %1 is another pupil on the student list, the pupil&apos;s name followed by digits (Ann1 for Ann), whose day files may have the same names.</extracomment>
        <translation>la lista de alumnos también incluye a %1, que puede tener los mismos archivos del historial</translation>
    </message>
    <message>
        <source>the note counts %1 days, but day %2 is there</source>
        <extracomment>Why a clean-up note was not carried out: it counts days 1 to %1, but a day %2 is there too.</extracomment>
        <translation>la nota llega hasta el día %1, pero existe el día %2</translation>
    </message>
    <message>
        <source>day %1 is not the day the note counted</source>
        <extracomment>Why a clean-up note was not carried out: day %1 is not the file the note recorded.</extracomment>
        <translation>el día %1 no es el que contaba la nota</translation>
    </message>
    <message>
        <source>day %1 is neither where the note had it nor where it was going</source>
        <extracomment>Why a clean-up note was not carried out: day %1 was being renumbered and is neither under its old number nor under its new one.</extracomment>
        <translation>el día %1 no está ni donde lo tenía la nota ni donde debía ir</translation>
    </message>
    <message>
        <source>it may be a history file of %1 too</source>
        <extracomment>Why a day file was not deleted: %1 is another pupil whose day it may be too (Ann&apos;s day 11 is Ann1&apos;s day 1).</extracomment>
        <translation>puede ser también un archivo del historial de %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; that the holder of the lock &quot;%2&quot; had set aside could not be put back (%3); it is kept as &quot;%4&quot;.</source>
        <extracomment>A lock was taken over from a holder that stopped halfway; a file it had moved into its own folder could not go back. %1 is the file&apos;s name, %2 the lock&apos;s, %3 the system&apos;s reason, %4 where the file is now.</extracomment>
        <translation>No se ha podido devolver a su sitio el archivo &quot;%1&quot; que había apartado el titular del bloqueo &quot;%2&quot; (%3); se conserva como &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Click here to create &amp;Password</source>
        <extracomment>Teacher menu item while no password exists. &amp; marks the Alt key letter.</extracomment>
        <translation>Haga clic aquí para crear la &amp;clave</translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>Teacher menu item while the teacher commands are locked, from the program&apos;s start on.</extracomment>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Teacher menu item once a teacher logged out: the same, with an Alt key letter.</extracomment>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Logout</source>
        <extracomment>Teacher menu item while a teacher is logged in. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of the numbers shown: &quot;,&quot; where &quot;12,5 s&quot; is written.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>The name is longer than %1 bytes, so its day files could pass the limit of 255 bytes for a file name</source>
        <extracomment>A pupil&apos;s name is too long to save under: %1 is the most bytes a name may have.</extracomment>
        <translation>El nombre tiene más de %1 bytes, así que sus archivos de días podrían pasar el límite de 255 bytes de un nombre de archivo</translation>
    </message>
    <message>
        <source>Cannot load the JPEG library %1: %2</source>
        <extracomment>The certificate&apos;s picture cannot be drawn. %1 is the library&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede cargar la biblioteca JPEG %1: %2</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>motivo desconocido</translation>
    </message>
    <message>
        <source>The JPEG library %1 has no %2</source>
        <extracomment>%1 is the library&apos;s file name, %2 a function it should have.</extracomment>
        <translation>A la biblioteca JPEG %1 le falta %2</translation>
    </message>
    <message>
        <source>Picture too large</source>
        <translation>Imagen demasiado grande</translation>
    </message>
    <message>
        <source>Picture cannot be shown in RGB</source>
        <translation>La imagen no se puede mostrar en RGB</translation>
    </message>
    <message>
        <source>Addition</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence (&quot;... with addition and division&quot;).</extracomment>
        <translation>suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>división</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but to the computer they are one name: they share one set of history files.</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list whose names differ only in capitals.</extracomment>
        <translation>%1 y %2 están los dos en la lista de alumnos, pero para el ordenador son un solo nombre: comparten los mismos archivos de historial.</translation>
    </message>
    <message>
        <source>%1 is on the list already</source>
        <extracomment>%1 is the pupil on the list with that name, or with it in other capitals. Room: 281 px.</extracomment>
        <translation>%1 ya está en la lista</translation>
    </message>
</context>
<context>
    <name>TCertificatefrm</name>
    <message>
        <source>Certificate</source>
        <translation>Diploma</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printed &amp;by...</source>
        <extracomment>Menu command: asks for the name printed under the certificate.</extracomment>
        <translation>Impreso &amp;por...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu command: closes the certificate.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Congratulations!!!</source>
        <extracomment>The certificate&apos;s heading, in large decorative capitals. Room: about 650 px at 67 px.</extracomment>
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>You got</source>
        <extracomment>Certificate line, followed by the score on the next line (&quot;7 correct out of 10 asked!&quot;).</extracomment>
        <translation>¡Has acertado</translation>
    </message>
    <message>
        <source>The certificate</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>El diploma</translation>
    </message>
</context>
<context>
    <name>TClassOverviewfrm</name>
    <message>
        <source>Name</source>
        <extracomment>Column headings of the class overview; a column is as wide as its widest entry.
----------
Column headings of the exported class overview (a spreadsheet file).</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers, as in &quot;85%&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>↑ up</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↑ sube</translation>
    </message>
    <message>
        <source>→ level</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>→ igual</translation>
    </message>
    <message>
        <source>↓ down</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↓ baja</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Class overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Class Overview - %1</source>
        <translation>Resumen de la clase - %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day file(s) could not be read and are left out: %1.</source>
        <translation>
            <numerusform>No se ha podido leer %n archivo de día y se ha omitido: %1.</numerusform>
            <numerusform>No se han podido leer %n archivos de días y se han omitido: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 fluent</source>
        <translation>%1 de %2 con fluidez</translation>
    </message>
    <message>
        <source>The class overview</source>
        <translation>El resumen de la clase</translation>
    </message>
    <message>
        <source>Export Class Overview</source>
        <translation>Exportar resumen de la clase</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>No se ha podido escribir el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The class overview was saved as &quot;%1&quot;.</source>
        <translation>El resumen de la clase se ha guardado como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Last day % right</source>
        <translation>Último día % bien</translation>
    </message>
    <message>
        <source>Addition fluent of %1</source>
        <translation>Suma con fluidez de %1</translation>
    </message>
    <message>
        <source>Subtraction fluent of %1</source>
        <translation>Resta con fluidez de %1</translation>
    </message>
    <message>
        <source>Multiplication fluent of %1</source>
        <translation>Multiplicación con fluidez de %1</translation>
    </message>
    <message>
        <source>Division fluent of %1</source>
        <translation>División con fluidez de %1</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>A pupil&apos;s trend in the exported class overview: the share of right answers goes down, stays, goes up.</extracomment>
        <translation>baja</translation>
    </message>
    <message>
        <source>level</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>up</source>
        <translation>sube</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Repasar hoy</translation>
    </message>
</context>
<context>
    <name>TFluencyReportfrm</name>
    <message>
        <source>Fluency Report</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Informe de fluidez</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fluency Report - %1</source>
        <translation>Informe de fluidez - %1</translation>
    </message>
    <message>
        <source>The fluency report</source>
        <translation>El informe de fluidez</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>THelpfrm</name>
    <message>
        <source>Quorvex Help</source>
        <extracomment>Title of the manual&apos;s window, as the Help menu&apos;s item.
----------
Read out by a screen reader as the manual&apos;s name.</extracomment>
        <translation>Ayuda de Quorvex</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button: closes the manual.</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TWhoami</name>
    <message>
        <source>I am ....</source>
        <extracomment>Title of the dialog asking who prints.</extracomment>
        <translation>Soy ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>El nombre saldrá impreso</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Taboutboxp</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Flash cards for addition, subtraction, multiplication and division.</source>
        <translation>Tarjetas de cálculo para sumar, restar, multiplicar y dividir.</translation>
    </message>
</context>
<context>
    <name>Tflashcardfrm</name>
    <message>
        <source>Flash Cards</source>
        <extracomment>Title of the main window.</extracomment>
        <translation>Tarjetas de cálculo</translation>
    </message>
    <message>
        <source>See how many questions you can answer in the time you decide!</source>
        <extracomment>The speed-round panel&apos;s instructions, one line each, in a box 505 px wide and four lines high.</extracomment>
        <translation>¡Mira cuántas preguntas puedes responder en el tiempo que elijas!</translation>
    </message>
    <message>
        <source>Be sure to select the types of questions you want to see.</source>
        <translation>Asegúrate de elegir los tipos de preguntas que quieres hacer.</translation>
    </message>
    <message>
        <source>Don&apos;t worry about wrong answers, they won&apos;t be counted.</source>
        <translation>No te preocupes por los errores, no cuentan.</translation>
    </message>
    <message>
        <source>GOOD LUCK!!</source>
        <translation>¡¡MUCHA SUERTE!!</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Nombre del producto: %1</translation>
    </message>
    <message>
        <source>Version:%1</source>
        <extracomment>Followed by the version number without a blank, as in &quot;Version:1.0&quot;.</extracomment>
        <translation>Versión:%1</translation>
    </message>
    <message>
        <source>The answers could not be saved. Close without saving them?</source>
        <translation>No se han podido guardar las respuestas. ¿Cerrar sin guardarlas?</translation>
    </message>
    <message>
        <source>Questions Correct: %1</source>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>Questions Asked: %1</source>
        <translation>Preguntas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n dots drawn</source>
        <extracomment>Above the dot board: how many dots the pupil has placed.</extracomment>
        <translation>
            <numerusform>%n punto dibujado</numerusform>
            <numerusform>%n puntos dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Last item of the list of pupils whose day files are cleaned up: every pupil.</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Reading the pupils&apos; days...</source>
        <translation>Leyendo los días de los alumnos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Total time: %1 s</source>
        <extracomment>The time since the drill began. Room: about 115 px.</extracomment>
        <translation>Tiempo total: %1 s</translation>
    </message>
    <message>
        <source>Day %1</source>
        <extracomment>An item of the list of earlier days on the results tab. Room: about 65 px.</extracomment>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print &amp;Certificate</source>
        <translation>&amp;Imprimir diploma</translation>
    </message>
    <message>
        <source>&amp;Fluency Report</source>
        <translation>Informe de &amp;fluidez</translation>
    </message>
    <message>
        <source>Teacher Stuff</source>
        <extracomment>Submenu of File holding the teacher&apos;s commands.</extracomment>
        <translation>Zona docente</translation>
    </message>
    <message>
        <source>Login to access</source>
        <extracomment>Teacher menu: shows the panel to log in or set a password.</extracomment>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Delete a student</source>
        <translation>&amp;Eliminar un alumno</translation>
    </message>
    <message>
        <source>&amp;Add a Student</source>
        <translation>&amp;Añadir un alumno</translation>
    </message>
    <message>
        <source>&amp;File clean up</source>
        <translation>&amp;Limpiar archivos</translation>
    </message>
    <message>
        <source>Class &amp;Overview</source>
        <translation>&amp;Resumen de la clase</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show &amp;Timer</source>
        <translation>Mostrar &amp;cronómetro</translation>
    </message>
    <message>
        <source>Redo Wrong after</source>
        <extracomment>Submenu: after how many questions a wrongly answered question comes back.</extracomment>
        <translation>Repetir errores tras</translation>
    </message>
    <message>
        <source>repeat wrong answers more than right</source>
        <translation>repetir los errores más que los aciertos</translation>
    </message>
    <message>
        <source>5 questions</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;.</extracomment>
        <translation>5 preguntas</translation>
    </message>
    <message>
        <source>10 Questions</source>
        <translation>10 preguntas</translation>
    </message>
    <message>
        <source>15 Questions</source>
        <translation>15 preguntas</translation>
    </message>
    <message>
        <source>20 Questions</source>
        <translation>20 preguntas</translation>
    </message>
    <message>
        <source>Always &amp;Random</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;: questions never come back on purpose.</extracomment>
        <translation>Siempre al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <extracomment>Hidden menu item.</extracomment>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Questions asked: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Preguntas: 0</translation>
    </message>
    <message>
        <source>Questions correct: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Aciertos: 0</translation>
    </message>
    <message>
        <source>User Name</source>
        <extracomment>Label above the list of pupils. Room: 100 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Involving</source>
        <extracomment>Group title: which numbers the questions involve. Room: 185 px.</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Tables of</source>
        <extracomment>Radio button; a number list follows to its right. Room: 90 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tablas del</translation>
    </message>
    <message>
        <source>Practice with up to #</source>
        <extracomment>Radio button wrapping onto two lines; a number list sits in the second line after about 85 px. # stands for that number.</extracomment>
        <translation>Con números hasta #</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Group title above the four operations (what the question asks for). Room: 185 px.</extracomment>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>División</translation>
    </message>
    <message>
        <source>Include zero</source>
        <extracomment>Check box: questions may use the number 0. Room: 160 px at 16 px bold.</extracomment>
        <translation>Incluir el cero</translation>
    </message>
    <message>
        <source>Mix and Match</source>
        <extracomment>Check box: ask several ticked operations mixed. Room: 160 px at 16 px bold.</extracomment>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Total Time: 0.0 s</source>
        <extracomment>Replaced while the clock runs. Room: 115 px.</extracomment>
        <translation>Tiempo total: 0,0 s</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <extracomment>Tab of the list of answers.</extracomment>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>0 dots drawn</source>
        <extracomment>Above the dot board.</extracomment>
        <translation>0 puntos dibujados</translation>
    </message>
    <message>
        <source>&amp;Show in order</source>
        <extracomment>Radio button on the results tab; the next one starts 128 px to the right.</extracomment>
        <translation>E&amp;n orden</translation>
    </message>
    <message>
        <source>Show &amp;Wrong first</source>
        <extracomment>Radio button on the results tab; the next one starts 144 px to the right.</extracomment>
        <translation>Errore&amp;s primero</translation>
    </message>
    <message>
        <source>&amp;Longest times first</source>
        <extracomment>Radio button on the results tab; the next one starts 152 px to the right.</extracomment>
        <translation>Más &amp;lentas primero</translation>
    </message>
    <message>
        <source>Shortest &amp;times first</source>
        <extracomment>Radio button on the results tab; the next one starts 160 px to the right.</extracomment>
        <translation>&amp;Más rápidas primero</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <extracomment>Check box on the results tab: show the answers of an earlier day. Room: about 110 px.</extracomment>
        <translation>Ver &amp;historial</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>Group title of the question strip.</extracomment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Button that starts the drill. Room: 185 px at 19 px bold.</extracomment>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: check the typed answer. Room: 185 px.</extracomment>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Question Type</source>
        <extracomment>Group title. Room: 215 px at 16 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tipo de pregunta</translation>
    </message>
    <message>
        <source>Practice|Speed Round</source>
        <extracomment>The two items of a drop-down list, separated by |. Keep the |. Room: 120 px each.</extracomment>
        <translation>Práctica|Contrarreloj</translation>
    </message>
    <message>
        <source>Speed Round </source>
        <extracomment>Title of the speed-round panel.</extracomment>
        <translation>Contrarreloj </translation>
    </message>
    <message>
        <source>Time: 60 s</source>
        <extracomment>Replaced when the round length is changed. Room: 130 px.</extracomment>
        <translation>Tiempo: 60 s</translation>
    </message>
    <message>
        <source>You did:</source>
        <extracomment>Shown above the number of right answers at the end of a speed round.</extracomment>
        <translation>Has acertado:</translation>
    </message>
    <message>
        <source>File Clean Up</source>
        <extracomment>Title of the teacher panel that deletes old day files.</extracomment>
        <translation>Limpiar archivos</translation>
    </message>
    <message>
        <source>Delete some of the  history files</source>
        <extracomment>Room: 237 px.</extracomment>
        <translation>Borrar archivos del historial</translation>
    </message>
    <message>
        <source>Keep only the last                files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 162 px from the left of the text: keep enough blanks so the list covers no word. Room: 257 px.</extracomment>
        <translation>Dejar los últimos                   días</translation>
    </message>
    <message>
        <source>Delete the first               files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 134 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Borrar del 1 al               </translation>
    </message>
    <message>
        <source>Note:  All deletions are final!</source>
        <extracomment>Warning in red. Room: 210 px.</extracomment>
        <translation>¡Lo borrado no se recupera!</translation>
    </message>
    <message>
        <source>For the following student(s)</source>
        <extracomment>A list of pupils (or &quot;All&quot;) follows below. Room: 209 px.</extracomment>
        <translation>Para el/los alumno(s)</translation>
    </message>
    <message>
        <source>DELETED!!</source>
        <extracomment>Shown in red after files were deleted. Room: 102 px at 19 px bold.</extracomment>
        <translation>¡Borrado!</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button. Room: 105 px.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Do&amp;ne</source>
        <extracomment>Button: close the panel. Room: about 100 px.</extracomment>
        <translation>Lis&amp;to</translation>
    </message>
    <message>
        <source>Add a Student</source>
        <extracomment>Title of the teacher panel that adds a pupil to the list.</extracomment>
        <translation>Añadir un alumno</translation>
    </message>
    <message>
        <source>No spaces in name use __ instead</source>
        <extracomment>Note under the name box. Room: 259 px.</extracomment>
        <translation>Sin espacios: use __ en su lugar</translation>
    </message>
    <message>
        <source>notes:</source>
        <extracomment>Room: 49 px.</extracomment>
        <translation>notas:</translation>
    </message>
    <message>
        <source>For long names, please abbreviate</source>
        <extracomment>Note under the name box. Room: 261 px.</extracomment>
        <translation>Abrevie los nombres largos</translation>
    </message>
    <message>
        <source>Student was added!</source>
        <extracomment>Shown in green after adding a pupil. Room: 150 px.</extracomment>
        <translation>¡Alumno añadido!</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button. Room: 113 px at 19 px bold.</extracomment>
        <translation>Añad&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>Button: close the panel. Room: 113 px at 19 px bold.</extracomment>
        <translation>Lis&amp;to</translation>
    </message>
    <message>
        <source>Delete a student</source>
        <extracomment>Title of the teacher panel that removes a pupil from the list.</extracomment>
        <translation>Eliminar un alumno</translation>
    </message>
    <message>
        <source>Select student to delete</source>
        <extracomment>Room: 178 px.</extracomment>
        <translation>Alumno a eliminar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button. Room: 97 px.</extracomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button. Room: 99 px.</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Log-in</source>
        <extracomment>Title of the panels for the teacher password.</extracomment>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>No password is set</source>
        <extracomment>Room: 144 px, centred.</extracomment>
        <translation>No hay clave</translation>
    </message>
    <message>
        <source>Create a password to restrict </source>
        <extracomment>First half of a sentence continued by the next line (&quot;Student data manipulation&quot;). Room: 221 px.</extracomment>
        <translation>Cree una clave para proteger </translation>
    </message>
    <message>
        <source>Student data manipulation</source>
        <extracomment>Second half of &quot;Create a password to restrict ... &quot;. Room: 199 px.</extracomment>
        <translation>los datos de los alumnos</translation>
    </message>
    <message>
        <source>Set Password</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Crear clave</translation>
    </message>
    <message>
        <source>Log-out</source>
        <extracomment>Title of the panel for logging the teacher out.</extracomment>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Log out</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Label beside the password box. Room: 93 px.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Log in failed</source>
        <extracomment>Shown in red. Room: 93 px at 16 px bold.</extracomment>
        <translation>Incorrecta</translation>
    </message>
    <message>
        <source>Log in</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Press Start for a question</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Pulsa Empezar para ver una pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Practice with up to</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Con números hasta el</translation>
    </message>
    <message>
        <source>Speed round length in seconds</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Duración de la contrarreloj en segundos</translation>
    </message>
    <message>
        <source>Array board</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tablero de puntos</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Arrays and results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Puntos y resultados</translation>
    </message>
    <message>
        <source>Scroll the results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Desplazar los resultados</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>Column headings of a pupil&apos;s exported answers (a spreadsheet file).
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Number of last files to keep</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Número de últimos días que conservar</translation>
    </message>
    <message>
        <source>Number of first files to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Número de primeros días que borrar</translation>
    </message>
    <message>
        <source>Student to clean up</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Alumno cuyos archivos se limpiarán</translation>
    </message>
    <message>
        <source>Student to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Alumno que borrar</translation>
    </message>
    <message>
        <source>Name of the new student</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nombre del nuevo alumno</translation>
    </message>
    <message>
        <source>New password</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nueva clave</translation>
    </message>
    <message>
        <source>No answers</source>
        <translation>Sin respuestas</translation>
    </message>
    <message>
        <source>A teacher password has been set on another computer meanwhile. Log in with that password.</source>
        <translation>Mientras tanto, se ha creado una clave de docente en otro equipo. Inicie sesión con esa clave.</translation>
    </message>
    <message>
        <source>This password cannot be stored: it holds a character the password file cannot keep.</source>
        <translation>Esta clave no se puede guardar: contiene un carácter que el archivo de claves no admite.</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <extracomment>The question button once the drill runs: asks the next question. Room: 185 px at 19 px bold.</extracomment>
        <translation>Nueva pre&amp;gunta</translation>
    </message>
    <message>
        <source>%1, %2, %3, answered %4, %5</source>
        <extracomment>A line of the results page read out: question type, operation, the fact in words, the answer given, then &quot;right&quot; or &quot;wrong&quot;.</extracomment>
        <translation>%1, %2, %3, respuesta %4, %5</translation>
    </message>
    <message>
        <source>right</source>
        <translation>bien</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>, %1 seconds</source>
        <extracomment>Added to a line of the results page read out: the time the answer took.</extracomment>
        <translation>, %1 segundos</translation>
    </message>
    <message>
        <source>The student list was not read</source>
        <extracomment>Shown in red in place of the notes of the Add a Student panel. Room: 281 px.</extracomment>
        <translation>No se ha leído la lista de alumnos</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds, after a number: &quot;12.5 s&quot;.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Arrays</source>
        <extracomment>Tab of the dot board.</extracomment>
        <translation>&amp;Puntos</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is on a network share (%2). Quorvex cannot see how this computer mounts it: pupils&apos; answers are safe there only when every computer mounts the share without caching, as the README says under &quot;Network shares&quot;.</source>
        <extracomment>At start, once per computer. %1 is the class folder, %2 the share&apos;s kind of file system (&quot;nfs4&quot;, &quot;cifs&quot;, &quot;fuse.sshfs&quot;). The README&apos;s section keeps its English title.</extracomment>
        <translation>La carpeta de la clase &quot;%1&quot; está en un recurso compartido de red (%2). Quorvex no puede ver cómo lo monta este ordenador: las respuestas de los alumnos solo están seguras allí si cada ordenador monta el recurso sin caché, como indica el README en &quot;Network shares&quot;.</translation>
    </message>
    <message>
        <source>Reading %1&apos;s saved days...</source>
        <translation>Leyendo los días guardados de %1...</translation>
    </message>
    <message>
        <source>Fluency Report</source>
        <translation>Informe de fluidez</translation>
    </message>
    <message>
        <source>Saving %1&apos;s answers...</source>
        <translation>Guardando las respuestas de %1...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>%1&apos;s answers could not be saved: the class folder did not answer. They are kept, to be saved at the next occasion.</source>
        <translation>No se pudieron guardar las respuestas de %1: la carpeta de la clase no respondió. Se conservan y se guardarán en la próxima ocasión.</translation>
    </message>
    <message>
        <source>The class folder has not yet answered the last save of %1&apos;s answers. They are kept, to be saved once it has.</source>
        <translation>La carpeta de la clase aún no ha respondido al último guardado de las respuestas de %1. Se conservan y se guardarán en cuanto responda.</translation>
    </message>
    <message>
        <source>Cleaning up the days...</source>
        <translation>Limpiando los días...</translation>
    </message>
    <message>
        <source>Writing the list of names...</source>
        <translation>Escribiendo la lista de nombres...</translation>
    </message>
    <message>
        <source>Deleting the students and their days...</source>
        <translation>Borrando los alumnos y sus días...</translation>
    </message>
    <message>
        <source>Operation</source>
        <extracomment>Read out by a screen reader as the name of the group of the four operations.</extracomment>
        <translation>Operación</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a choice just made, then the question</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <extracomment>Menu item: the whole window larger (Ctrl+Plus).</extracomment>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <extracomment>Menu item: the whole window smaller (Ctrl+Minus).</extracomment>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <extracomment>Menu item: the window at its normal size (Ctrl+0).</extracomment>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <extracomment>Menu item: the window fills the whole screen (F11).</extracomment>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>Start comes back when Show History is unticked</source>
        <extracomment>Shown in the question strip while an earlier day shows on the results tab. Room: 560 px at 13 px bold.</extracomment>
        <translation>«Empezar» vuelve al desmarcar «Ver historial»</translation>
    </message>
    <message>
        <source>Show the password</source>
        <extracomment>The button in a password box that shows or hides what was typed.</extracomment>
        <translation>Mostrar la clave</translation>
    </message>
    <message>
        <source>How far the numbers go when you practise one table</source>
        <extracomment>Tooltip of the number list in &quot;Practice with up to #&quot;.</extracomment>
        <translation>Hasta qué número llegan las preguntas cuando practicas una sola tabla</translation>
    </message>
    <message>
        <source>Questions that add: 3 + 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Preguntas de sumar: 3 + 4 = ?</translation>
    </message>
    <message>
        <source>Questions that take away: 9 - 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Preguntas de restar: 9 - 4 = ?</translation>
    </message>
    <message>
        <source>Questions that multiply: 3 x 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Preguntas de multiplicar: 3 x 4 = ?</translation>
    </message>
    <message>
        <source>Questions that divide: 12 ÷ 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Preguntas de dividir: 12 ÷ 4 = ?</translation>
    </message>
    <message>
        <source>Tick to mix in questions that add</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Marca aquí para mezclar también preguntas de sumar</translation>
    </message>
    <message>
        <source>Tick to mix in questions that take away</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Marca aquí para mezclar también preguntas de restar</translation>
    </message>
    <message>
        <source>Tick to mix in questions that multiply</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Marca aquí para mezclar también preguntas de multiplicar</translation>
    </message>
    <message>
        <source>Tick to mix in questions that divide</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Marca aquí para mezclar también preguntas de dividir</translation>
    </message>
    <message>
        <source>The questions may use the number 0 too</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Las preguntas también pueden usar el número 0</translation>
    </message>
    <message>
        <source>Tick more than one kind of question and get them mixed</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Marca más de un tipo de pregunta y te saldrán mezcladas</translation>
    </message>
    <message>
        <source>Practice: one question after another, as long as you like. Speed Round: as many as you can before the time runs out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Práctica: una pregunta tras otra, todo el tiempo que quieras. Contrarreloj: todas las que puedas antes de que se acabe el tiempo</translation>
    </message>
    <message>
        <source>How many seconds the speed round lasts</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cuántos segundos dura la contrarreloj</translation>
    </message>
    <message>
        <source>Pick your name before you start: your answers are saved under it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Elige tu nombre antes de empezar: tus respuestas se guardan con él</translation>
    </message>
    <message>
        <source>Start, and then the next question (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Empezar, y luego la siguiente pregunta (Intro)</translation>
    </message>
    <message>
        <source>See if your answer is right (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Mira si tu respuesta está bien (Intro)</translation>
    </message>
    <message>
        <source>Type your answer here and press Enter</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Escribe aquí tu respuesta y pulsa Intro</translation>
    </message>
    <message>
        <source>Dots that show the question. For take-away and divide questions, click to put dots down and count them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Puntos que muestran la pregunta. En las restas y las divisiones, haz clic para poner puntos y cuéntalos</translation>
    </message>
    <message>
        <source>Your answers: green with a tick is right, red with a cross is wrong</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tus respuestas: en verde con una marca, bien; en rojo con una cruz, mal</translation>
    </message>
    <message>
        <source>Scroll through your answers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Recorre tus respuestas</translation>
    </message>
    <message>
        <source>Your answers in the order you gave them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tus respuestas en el orden en que las diste</translation>
    </message>
    <message>
        <source>Wrong answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Los errores, arriba del todo</translation>
    </message>
    <message>
        <source>The slowest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Las respuestas más lentas, arriba del todo</translation>
    </message>
    <message>
        <source>The fastest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Las respuestas más rápidas, arriba del todo</translation>
    </message>
    <message>
        <source>Look at the answers of an earlier day</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Mira las respuestas de un día anterior</translation>
    </message>
    <message>
        <source>Which day to look at: 1 is the first</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Qué día mirar: el 1 es el primero</translation>
    </message>
    <message>
        <source>The new pupil&apos;s name, without spaces</source>
        <extracomment>Tooltip.</extracomment>
        <translation>El nombre del nuevo alumno, sin espacios</translation>
    </message>
    <message>
        <source>Put the name on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Añadir el nombre a la lista</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cerrar este panel</translation>
    </message>
    <message>
        <source>The pupil to take off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>El alumno que se quita de la lista</translation>
    </message>
    <message>
        <source>Take this pupil off the list, with all their saved days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Quitar a este alumno de la lista, con todos sus días guardados</translation>
    </message>
    <message>
        <source>Close this panel without taking anyone off</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cerrar este panel sin quitar a nadie</translation>
    </message>
    <message>
        <source>Keep only the newest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Dejar solo los días más recientes</translation>
    </message>
    <message>
        <source>How many of the newest days to keep</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cuántos de los días más recientes dejar</translation>
    </message>
    <message>
        <source>Delete the oldest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Borrar los días más antiguos</translation>
    </message>
    <message>
        <source>How many of the oldest days to delete</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cuántos de los días más antiguos borrar</translation>
    </message>
    <message>
        <source>Whose days: one pupil, or everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>De quién son los días: de un alumno o de todos</translation>
    </message>
    <message>
        <source>Delete those days now: this cannot be undone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Borrar ahora esos días: no se puede deshacer</translation>
    </message>
    <message>
        <source>The new teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>La nueva clave de docente</translation>
    </message>
    <message>
        <source>The same password again, to be sure it has no typo</source>
        <extracomment>Tooltip.</extracomment>
        <translation>La misma clave otra vez, para asegurarse de que no tiene erratas</translation>
    </message>
    <message>
        <source>Keep this password: the teacher&apos;s commands then ask for it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Guardar esta clave: luego los comandos de docente la pedirán</translation>
    </message>
    <message>
        <source>Close without setting a password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cerrar sin crear una clave</translation>
    </message>
    <message>
        <source>The teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>La clave de docente</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s commands</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Abrir los comandos de docente</translation>
    </message>
    <message>
        <source>Close without logging in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cerrar sin iniciar sesión</translation>
    </message>
    <message>
        <source>Lock the teacher&apos;s commands again</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Volver a bloquear los comandos de docente</translation>
    </message>
    <message>
        <source>Close and stay logged in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cerrar y seguir con la sesión iniciada</translation>
    </message>
    <message>
        <source>Dots that show the question</source>
        <extracomment>Tooltip of the Arrays tab.</extracomment>
        <translation>Puntos que muestran la pregunta</translation>
    </message>
    <message>
        <source>Every answer you gave, right or wrong</source>
        <extracomment>Tooltip of the Results tab.</extracomment>
        <translation>Todas las respuestas que has dado, bien o mal</translation>
    </message>
    <message>
        <source>Tables of %1: every table from 1 to %1</source>
        <extracomment>Tooltip of &quot;Tables of&quot; with the number chosen beside it.</extracomment>
        <translation>Tablas del %1: todas las tablas del 1 al %1</translation>
    </message>
    <message>
        <source>Tables of %1 asks every table from 1 to %1; Practice asks only the table of %1</source>
        <extracomment>Tooltip of the number beside &quot;Tables of&quot;; it is also the table practised with &quot;Practice with up to #&quot;.</extracomment>
        <translation>«Tablas del %1» pregunta todas las tablas del 1 al %1; «Con números hasta» pregunta solo la tabla del %1</translation>
    </message>
    <message>
        <source>Practice with up to %1: only the table of %2, with numbers from 1 to %1</source>
        <extracomment>Tooltip of &quot;Practice with up to #&quot;: %1 is the number in its list, %2 the one beside &quot;Tables of&quot;.</extracomment>
        <translation>Con números hasta %1: solo la tabla del %2, con números del 1 al %1</translation>
    </message>
    <message>
        <source>Certificates, reports, the teacher&apos;s commands and closing</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Diplomas, informes, comandos de docente y salir</translation>
    </message>
    <message>
        <source>A certificate for what you did, to print</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Un diploma de lo que has hecho, para imprimir</translation>
    </message>
    <message>
        <source>Which facts you know by heart, and how each day went</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Qué operaciones te sabes de memoria y cómo te fue cada día</translation>
    </message>
    <message>
        <source>The teacher&apos;s commands, behind the teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Los comandos de docente, protegidos con la clave de docente</translation>
    </message>
    <message>
        <source>Set the teacher password, log in or log out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Crear la clave de docente, iniciar sesión o cerrarla</translation>
    </message>
    <message>
        <source>Take a pupil off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Quitar a un alumno de la lista</translation>
    </message>
    <message>
        <source>Put a new pupil on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Poner a un alumno nuevo en la lista</translation>
    </message>
    <message>
        <source>Delete the oldest days of one pupil or of everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Borrar los días más antiguos de un alumno o de todos</translation>
    </message>
    <message>
        <source>How every pupil is doing, on one page</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cómo le va a cada alumno, en una sola página</translation>
    </message>
    <message>
        <source>Save your answers and close Quorvex</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Guardar tus respuestas y cerrar Quorvex</translation>
    </message>
    <message>
        <source>Choices for the drill and for the window</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Opciones para practicar y para la ventana</translation>
    </message>
    <message>
        <source>Show the clock while you answer</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Mostrar el reloj mientras respondes</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 5 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Una pregunta que fallaste vuelve a salir después de 5 preguntas</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 10 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Una pregunta que fallaste vuelve a salir después de 10 preguntas</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 15 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Una pregunta que fallaste vuelve a salir después de 15 preguntas</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 20 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Una pregunta que fallaste vuelve a salir después de 20 preguntas</translation>
    </message>
    <message>
        <source>Every question is picked at random</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cada pregunta se elige al azar</translation>
    </message>
    <message>
        <source>Save your answers now</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Guardar ahora tus respuestas</translation>
    </message>
    <message>
        <source>Make everything bigger</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Hacer todo más grande</translation>
    </message>
    <message>
        <source>Make everything smaller</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Hacer todo más pequeño</translation>
    </message>
    <message>
        <source>Everything back to its normal size</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Todo vuelve a su tamaño normal</translation>
    </message>
    <message>
        <source>Fill the whole screen; press F11 again to go back</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Llenar toda la pantalla; pulsa F11 otra vez para volver</translation>
    </message>
    <message>
        <source>Which version of Quorvex this is</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Qué versión de Quorvex es esta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title, after the others.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How Quorvex works</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cómo funciona Quorvex</translation>
    </message>
    <message>
        <source>Quorvex &amp;Help</source>
        <extracomment>Menu item that opens the manual (F1).</extracomment>
        <translation>&amp;Ayuda de Quorvex</translation>
    </message>
    <message>
        <source>How Quorvex works, for pupils and for teachers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Cómo funciona Quorvex, para alumnos y para docentes</translation>
    </message>
    <message>
        <source>New password again</source>
        <extracomment>Read out by a screen reader as the control&apos;s name: the second box, where the new password is typed again.</extracomment>
        <translation>Nueva clave otra vez</translation>
    </message>
    <message>
        <source>The two passwords are not the same. Type the new password in both boxes again.</source>
        <translation>Las dos claves no coinciden. Escriba otra vez la nueva clave en las dos casillas.</translation>
    </message>
    <message>
        <source>Once more</source>
        <extracomment>Shown in the empty second box for a new password, where it is typed again. Room: about 100 px.</extracomment>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <extracomment>The button in a password box while it shows what was typed.</extracomment>
        <translation>Ocultar la clave</translation>
    </message>
    <message>
        <source>Question type</source>
        <translation>Tipo de pregunta</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Answer typed</source>
        <translation>Respuesta escrita</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Tenths of a second</source>
        <translation>Décimas de segundo</translation>
    </message>
    <message>
        <source>practice</source>
        <extracomment>A question type in a pupil&apos;s exported answers.</extracomment>
        <translation>práctica</translation>
    </message>
    <message>
        <source>speed round</source>
        <extracomment>A question type in a pupil&apos;s exported answers: an answer saved without a time.</extracomment>
        <translation>contrarreloj</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether an exported answer was right.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>No day was saved, so there is no day file.</source>
        <translation>No se ha guardado ningún día, así que no hay archivos de días.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %2: the %n day file(s), copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</source>
        <translation>
            <numerusform>%1 a %2: el %n archivo del día, copiado byte a byte. Cada línea es una respuesta: la operación, 1 si está bien o 0 si está mal, el cálculo, la respuesta escrita y el tiempo en décimas de segundo (0 en contrarreloj). Los textos están en el juego de caracteres Windows-1252.</numerusform>
            <numerusform>%1 a %2: los %n archivos de días, copiados byte a byte. Cada línea es una respuesta: la operación, 1 si está bien o 0 si está mal, el cálculo, la respuesta escrita y el tiempo en décimas de segundo (0 en contrarreloj). Los textos están en el juego de caracteres Windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quorvex: everything the class folder &quot;%1&quot; holds about %2, exported on %3.</source>
        <translation>Quorvex: todo lo que la carpeta de la clase «%1» guarda sobre %2, exportado el %3.</translation>
    </message>
    <message>
        <source>answers.csv: every answer of those days, one row each, for a spreadsheet (UTF-8).</source>
        <translation>answers.csv: cada respuesta de esos días, una por fila, para una hoja de cálculo (UTF-8).</translation>
    </message>
    <message>
        <source>fluency-report.pdf: the fluency report of those days.</source>
        <translation>fluency-report.pdf: el informe de fluidez de esos días.</translation>
    </message>
    <message>
        <source>Besides these days the class folder holds only the pupil&apos;s name on the class list and a summary of these days that makes reading them faster. Quorvex sends nothing anywhere.</source>
        <translation>Aparte de esos días, la carpeta de la clase solo guarda el nombre del alumno en la lista de la clase y un resumen de esos días que acelera su lectura. Quorvex no envía nada a ningún sitio.</translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <translation type="obsolete">Informe de fluidez: %1</translation>
    </message>
    <message>
        <source>Export %1 into a folder</source>
        <translation>Exportar a %1 a una carpeta</translation>
    </message>
    <message>
        <source>Quorvex export</source>
        <translation>Exportación de Quorvex</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se ha podido crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>No se ha podido escribir el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>%1 The file was copied as it is; its answers are not in answers.csv.</source>
        <translation>%1 El archivo se ha copiado tal cual; sus respuestas no están en answers.csv.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se ha podido escribir el archivo «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Everything kept about %1 (%n day(s)) was exported to &quot;%2&quot;.</source>
        <translation>
            <numerusform>Todo lo que se guarda sobre %1 (%n día) se ha exportado a «%2».</numerusform>
            <numerusform>Todo lo que se guarda sobre %1 (%n días) se ha exportado a «%2».</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Export a Pupil...</source>
        <translation>E&amp;xportar un alumno...</translation>
    </message>
    <message>
        <source>Copy everything kept about the selected pupil into a folder</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Copiar a una carpeta todo lo que se guarda sobre el alumno elegido</translation>
    </message>
    <message numerus="yes">
        <source>Erase everything kept about %1: %n saved day(s)? They are deleted for good; %1 stays on the class list.</source>
        <extracomment>Asked before a pupil is erased; %1 is the pupil&apos;s name.</extracomment>
        <translation>
            <numerusform>¿Borrar todo lo que se guarda sobre %1: %n día guardado? Se borra para siempre; %1 sigue en la lista de la clase.</numerusform>
            <numerusform>¿Borrar todo lo que se guarda sobre %1: %n días guardados? Se borran para siempre; %1 sigue en la lista de la clase.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erase %1 and everything kept about them: %n saved day(s) and their place on the class list? They are deleted for good.</source>
        <translation>
            <numerusform>¿Borrar a %1 y todo lo que se guarda sobre este alumno: %n día guardado y su lugar en la lista de la clase? Se borra para siempre.</numerusform>
            <numerusform>¿Borrar a %1 y todo lo que se guarda sobre este alumno: %n días guardados y su lugar en la lista de la clase? Se borra para siempre.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erasing %1...</source>
        <translation>Borrando a %1...</translation>
    </message>
    <message>
        <source>%1 was not erased completely.</source>
        <translation>%1 no se ha borrado del todo.</translation>
    </message>
    <message>
        <source>%1 and everything kept about them were erased.</source>
        <translation>%1 y todo lo que se guardaba sobre este alumno se han borrado.</translation>
    </message>
    <message>
        <source>E&amp;rase a Pupil...</source>
        <translation>&amp;Borrar un alumno...</translation>
    </message>
    <message>
        <source>Delete the selected pupil and everything kept about them, for good</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eliminar para siempre al alumno elegido y todo lo que se guarda sobre él</translation>
    </message>
    <message>
        <source>Delete the days saved longer ago than the school keeps them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Borrar los días guardados hace más tiempo del que la escuela los conserva</translation>
    </message>
    <message>
        <source>After how many months a saved day is deleted</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tras cuántos meses se borra un día guardado</translation>
    </message>
    <message>
        <source>Older than                 months</source>
        <extracomment>Radio button: delete the days saved more than that many months ago. A number list of 49 px lies over the blanks, starting 100 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Más de                     meses</translation>
    </message>
    <message>
        <source>Months after which days are deleted</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Meses tras los que se borran los días</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>The file &quot;%1&quot; could not be used: %2.</source>
        <translation>No se ha podido usar el archivo &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
