<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClassFolder</name>
    <message>
        <source>The class folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>Der Klassenordner „%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be created.</source>
        <translation>Der Klassenordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be opened.</source>
        <translation>Der Klassenordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>FluencyPageView</name>
    <message>
        <source>Fluency report for %1</source>
        <translation>Rechensicherheit von %1</translation>
    </message>
    <message>
        <source>%1: %2 fluent, %3 right, %4 wrong, %5 not yet asked.</source>
        <translation>%1: %2 sicher, %3 richtig, %4 falsch, %5 noch nicht gestellt.</translation>
    </message>
    <message>
        <source>The last day is today&apos;s answers, not yet saved.</source>
        <translation>Der letzte Tag enthält die heutigen, noch nicht gespeicherten Antworten.</translation>
    </message>
    <message>
        <source> (today, not yet saved)</source>
        <translation> (heute, noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>%1 due for review; %2.</source>
        <translation>%1 zur Wiederholung fällig; %2.</translation>
    </message>
</context>
<context>
    <name>FluencyReport</name>
    <message>
        <source>Day by day</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <source>Median time of right practice answers (seconds, right scale)</source>
        <translation>Median der Zeit richtiger Antworten beim Üben (Sekunden, rechte Skala)</translation>
    </message>
    <message>
        <source>Share of right answers (left scale)</source>
        <translation>Anteil richtiger Antworten (linke Skala)</translation>
    </message>
    <message>
        <source>No days saved yet.</source>
        <translation>Noch keine Tage gespeichert.</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>ungespeichert</translation>
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
        <translation>heute</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>row + column</source>
        <translation>Zeile + Spalte</translation>
    </message>
    <message>
        <source>(row + column) - column</source>
        <translation>(Zeile + Spalte) - Spalte</translation>
    </message>
    <message>
        <source>row x column</source>
        <translation>Zeile x Spalte</translation>
    </message>
    <message>
        <source>(row x column) ÷ column</source>
        <translation>(Zeile x Spalte) ÷ Spalte</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>right, but slower or in a speed round</source>
        <translation>richtig, aber langsamer oder in der Blitzrunde</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>noch nicht gestellt</translation>
    </message>
    <message>
        <source>%1 fluent, %2 right, %3 wrong</source>
        <translation>%1 sicher, %2 richtig, %3 falsch</translation>
    </message>
    <message>
        <source>fluent: right within 3.0 s</source>
        <translation>sicher: richtig in max. 3,0 s</translation>
    </message>
    <message>
        <source>answered today, not yet saved</source>
        <translation>heute beantwortet, ungespeichert</translation>
    </message>
    <message>
        <source>The latest answer to each fact counts. %1</source>
        <extracomment>Note at the foot of the fluency report; %1 says whether every line of the day files was read.</extracomment>
        <translation>Es zählt die letzte Antwort zu jeder Aufgabe. %1</translation>
    </message>
    <message>
        <source>Answers are read from the saved days and from today&apos;s answers, which are not yet saved.</source>
        <translation>Gelesen werden die gespeicherten Tage und die heutigen, noch nicht gespeicherten Antworten.</translation>
    </message>
    <message>
        <source>Answers are read from the saved days; today&apos;s answers count once they are saved.</source>
        <translation>Gelesen werden die gespeicherten Tage; die heutigen Antworten zählen, sobald sie gespeichert sind.</translation>
    </message>
    <message>
        <source>No days saved yet</source>
        <translation>Noch keine Tage gespeichert</translation>
    </message>
    <message>
        <source>Day 1</source>
        <extracomment>The days a fluency report reads, beside its title; &quot;today&quot; is the answers not yet saved.</extracomment>
        <translation>Tag 1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <translation>Tage 1 bis %1</translation>
    </message>
    <message>
        <source>Today (not yet saved)</source>
        <translation>Heute (noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>Day 1 and today (not yet saved)</source>
        <translation>Tag 1 und heute (noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <translation>Tage 1 bis %1 und heute (noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>%1, 1 answer</source>
        <extracomment>Beside the fluency report&apos;s title: the days read, then how many answers they hold.</extracomment>
        <translation>%1, 1 Antwort</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n answers</source>
        <translation>
            <numerusform>%1, %n Antwort</numerusform>
            <numerusform>%1, %n Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>Every line of the day files was read.</source>
        <translation>Alle Zeilen der Tagesdateien wurden gelesen.</translation>
    </message>
    <message>
        <source>1 line of the day files could not be read as an answer and was left out.</source>
        <translation>1 Zeile der Tagesdateien war keine lesbare Antwort und wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the day files could not be read as answers and were left out.</source>
        <translation>
            <numerusform>%n Zeile der Tagesdateien war keine lesbare Antwort und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen der Tagesdateien waren keine lesbaren Antworten und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <extracomment>The fluency report&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Rechensicherheit: %1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <comment>two days</comment>
        <translation>Tage 1 und %1</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <comment>two days</comment>
        <translation>Tage 1, %1 und heute (noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>due for review</source>
        <translation>zur Wiederholung fällig</translation>
    </message>
    <message>
        <source>fluent and not due: %1 of %2</source>
        <extracomment>Under each matrix of the fluency report: the facts known by heart that need no review today, of all the matrix&apos;s facts.</extracomment>
        <translation>sicher und nicht fällig: %1 von %2</translation>
    </message>
    <message>
        <source>%1, due for review</source>
        <extracomment>A fact of the fluency report, its state and that it is due for review today.</extracomment>
        <translation>%1, zur Wiederholung fällig</translation>
    </message>
</context>
<context>
    <name>FolderWait</name>
    <message>
        <source>The class folder %1 has not answered for %2 seconds: the network, or the computer that shares it, may be down. Nothing is lost. You may go on waiting, or stop waiting and try again later.</source>
        <translation>Der Klassenordner %1 hat seit %2 Sekunden nicht geantwortet: Das Netzwerk oder der Computer, der ihn freigibt, ist vielleicht nicht erreichbar. Es geht nichts verloren. Sie können weiter warten oder das Warten beenden und es später noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Stop Waiting</source>
        <translation>Warten beenden</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>%1 was saved as &quot;%2&quot;.</source>
        <extracomment>%1 is the document, as &quot;The certificate&quot;; %2 the PDF file.</extracomment>
        <translation>%1 wurde als „%2“ gespeichert.</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; could not begin.</source>
        <translation>Der Druck auf „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; did not complete.</source>
        <translation>Der Druck auf „%1“ wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>There is no picture to print.</source>
        <translation>Es gibt kein Bild zum Drucken.</translation>
    </message>
    <message>
        <source>The page of &quot;%1&quot; is too narrow to print on.</source>
        <translation>Die Seite von „%1“ ist zu schmal zum Drucken.</translation>
    </message>
    <message>
        <source>Printed by: %1</source>
        <translation>Gedruckt von: %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>%1 plus %2 equals?</source>
        <extracomment>Spoken question, read out by a screen reader.</extracomment>
        <translation>%1 plus %2 ist?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals?</source>
        <translation>%1 minus %2 ist?</translation>
    </message>
    <message>
        <source>%1 times %2 equals?</source>
        <translation>%1 mal %2 ist?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals?</source>
        <translation>%1 geteilt durch %2 ist?</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <extracomment>A whole fact in words, read out by a screen reader.</extracomment>
        <translation>%1 plus %2 ist %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 minus %2 ist %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 mal %2 ist %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 geteilt durch %2 ist %3</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <extracomment>The system&apos;s reason why a file operation failed.</extracomment>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Veralteter Dateiverweis</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation, as in the results page and the certificate.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>Question type on the results page. Room: about 75 px.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>S. Round</source>
        <extracomment>Question type &quot;Speed Round&quot;, shortened, on the results page. Room: about 75 px.</extracomment>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Type a name first</source>
        <extracomment>Why a new pupil&apos;s name was refused. Room: 281 px.</extracomment>
        <translation>Bitte zuerst einen Namen eingeben</translation>
    </message>
    <message>
        <source>No / or \ in a name</source>
        <translation>Kein / oder \ im Namen</translation>
    </message>
    <message>
        <source>No &lt; &gt; : &quot; | ? * in a name</source>
        <translation>Kein &lt; &gt; : &quot; | ? * im Namen</translation>
    </message>
    <message>
        <source>No control characters in a name</source>
        <translation>Keine Steuerzeichen im Namen</translation>
    </message>
    <message>
        <source>A name cannot be . or ..</source>
        <translation>Name darf nicht . oder .. sein</translation>
    </message>
    <message>
        <source>A name cannot end in a digit</source>
        <translation>Keine Ziffer am Namensende</translation>
    </message>
    <message>
        <source>Windows keeps this name for itself</source>
        <translation>Name für Windows reserviert</translation>
    </message>
    <message>
        <source>Name too long, please abbreviate</source>
        <translation>Name zu lang, bitte abkürzen</translation>
    </message>
    <message>
        <source>A character cannot be stored</source>
        <translation>Ein Zeichen ist nicht speicherbar</translation>
    </message>
    <message>
        <source>%1&apos;s days were left as they are: %2</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Die Tage von %1 bleiben unverändert: %2</translation>
    </message>
    <message>
        <source>Could not delete %1&apos;s day %2: %3</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 the system&apos;s reason.</extracomment>
        <translation>Tag %2 von %1 konnte nicht gelöscht werden: %3</translation>
    </message>
    <message>
        <source>Could not renumber %1&apos;s day %2 as day %3: %4</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 its new number, %4 the system&apos;s reason.</extracomment>
        <translation>Tag %2 von %1 konnte nicht in Tag %3 umnummeriert werden: %4</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <extracomment>The length of a speed round. Room: 130 px.</extracomment>
        <translation>Zeit: %1 s</translation>
    </message>
    <message>
        <source>Time: %1 min </source>
        <extracomment>The length of a speed round in whole minutes (the blank at the end is the English text&apos;s own). Room: 130 px.</extracomment>
        <translation>Zeit: %1 min</translation>
    </message>
    <message>
        <source>Time: %1 min %2 s</source>
        <extracomment>The length of a speed round in minutes and seconds. Room: 130 px.</extracomment>
        <translation>Zeit: %1 min %2 s</translation>
    </message>
    <message>
        <source>right: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>richtig: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>falsch: %1</translation>
    </message>
    <message>
        <source>empty grid for your dots</source>
        <extracomment>The dot board read out when the pupil draws the dots.</extracomment>
        <translation>leeres Feld für deine Punkte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dot board of an addition read out: &quot;3 dots and 4 dots&quot;. %1 and %2 are the two counts.
----------
Two operations joined: &quot;Addition and Division&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>no dots</source>
        <translation>keine Punkte</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1</source>
        <extracomment>The dot board of a multiplication read out: &quot;3 rows of 4 dots&quot;. %1 is the dots of one row.</extracomment>
        <translation>
            <numerusform>%n Reihe, %1</numerusform>
            <numerusform>%n Reihen, je %1</numerusform>
        </translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>A sign read out: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>row %1, column %2, dot</source>
        <extracomment>A cell of the dot board read out, with or without a dot in it.</extracomment>
        <translation>Reihe %1, Spalte %2, Punkt</translation>
    </message>
    <message>
        <source>row %1, column %2, empty</source>
        <translation>Reihe %1, Spalte %2, leer</translation>
    </message>
    <message>
        <source>in Practice</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>beim Üben</translation>
    </message>
    <message>
        <source>in Speed Round</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>in der Blitzrunde</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 und %4</translation>
    </message>
    <message>
        <source>Involving %1</source>
        <extracomment>Certificate line: the operations the questions involved. Room: about 600 px.</extracomment>
        <translation>mit %1</translation>
    </message>
    <message>
        <source>Using all the numbers up to %1!</source>
        <extracomment>Certificate line. %1 is the table&apos;s number. Room: about 600 px.</extracomment>
        <translation>und allen Zahlen bis %1!</translation>
    </message>
    <message>
        <source>Using only the number %1 and numbers up to %2!</source>
        <extracomment>Certificate line. %1 is the number practised, %2 the largest other number. Room: about 600 px.</extracomment>
        <translation>für die Zahl %1 und Zahlen bis %2!</translation>
    </message>
    <message>
        <source>another copy of the program</source>
        <extracomment>Who holds a lock on a file: &quot;in use by another copy of the program&quot;.</extracomment>
        <translation>einer anderen Kopie des Programms</translation>
    </message>
    <message>
        <source>computer %1, process %2, since %3</source>
        <extracomment>Who holds a lock on a file: %1 a computer&apos;s name, %2 a process number, %3 a time.</extracomment>
        <translation>Computer %1, Prozess %2, seit %3</translation>
    </message>
    <message>
        <source>File too large: more than %1 MB</source>
        <translation>Datei zu groß: mehr als %1 MB</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or the like)</source>
        <translation>Keine normale Datei (eine Pipe, ein Gerät oder Ähnliches)</translation>
    </message>
    <message>
        <source>Not a regular file, or a link to a file that cannot be reached</source>
        <translation>Keine normale Datei oder eine Verknüpfung auf eine unerreichbare Datei</translation>
    </message>
    <message>
        <source>A link to a file that cannot be reached (%1)</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Eine Verknüpfung auf eine unerreichbare Datei (%1)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>wird von %1 verwendet</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A time in a day file that is no whole number; %1 is the text found.</extracomment>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Too many lines for a day: more than %1</source>
        <translation>Zu viele Zeilen für einen Tag: mehr als %1</translation>
    </message>
    <message>
        <source>it is being changed (%1); try again in a moment</source>
        <extracomment>The student list or the password cannot be changed now; %1 says who holds its lock.</extracomment>
        <translation>wird gerade geändert (%1); bitte gleich noch einmal versuchen</translation>
    </message>
    <message>
        <source>could not be locked (%1: %2)</source>
        <extracomment>%1 is the lock&apos;s file name, %2 why it could not be taken.</extracomment>
        <translation>konnte nicht gesperrt werden (%1: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s days are in use by %2; the answers are kept, save again in a moment</source>
        <extracomment>A save waited for a pupil&apos;s days in vain. %1 is the pupil, %2 who holds the lock.</extracomment>
        <translation>Die Tage von %1 werden von %2 verwendet; die Antworten bleiben erhalten, bitte gleich noch einmal speichern</translation>
    </message>
    <message>
        <source>could not lock %1&apos;s days (%2: %3)</source>
        <extracomment>%1 is the pupil, %2 the lock&apos;s file name, %3 why it could not be taken.</extracomment>
        <translation>die Tage von %1 konnten nicht gesperrt werden (%2: %3)</translation>
    </message>
    <message>
        <source>its process has ended</source>
        <translation>ihr Prozess ist beendet</translation>
    </message>
    <message>
        <source>it was not renewed for %1 seconds</source>
        <extracomment>Why a lock left behind was removed; %1 is a number of seconds.</extracomment>
        <translation>sie wurde %1 Sekunden lang nicht erneuert</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of %2 was removed: %3.</source>
        <extracomment>%1 is a lock file&apos;s name, %2 who held it, %3 why it was removed.</extracomment>
        <translation>Die Sperre „%1“ von %2 wurde entfernt: %3.</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Verschieben auf ein anderes Laufwerk nicht möglich</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Ordner ist nicht leer</translation>
    </message>
    <message>
        <source>Addition</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Division</translation>
    </message>
    <message numerus="yes">
        <source>%1. %n correct of %2.</source>
        <extracomment>Read out after an answer was checked: the result (%1), then the score so far: %n right of %2 asked.</extracomment>
        <translation>
            <numerusform>%1. %n von %2 richtig.</numerusform>
            <numerusform>%1. %n von %2 richtig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct out of %1 asked!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers of %1 questions asked. Room: about 400 px.</extracomment>
        <translation>
            <numerusform>%n von %1 Aufgaben richtig</numerusform>
            <numerusform>%n von %1 Aufgaben richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct in %1 s!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers in a speed round of %1 seconds.</extracomment>
        <translation>
            <numerusform>%n Aufgabe richtig in %1 s</numerusform>
            <numerusform>%n Aufgaben richtig in %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>A link to a file outside the class folder (%1); it is read but never written</source>
        <extracomment>%1 is the file the link points to.</extracomment>
        <translation>Eine Verknüpfung auf eine Datei außerhalb des Klassenordners (%1); sie wird gelesen, aber nie geschrieben</translation>
    </message>
    <message>
        <source>A name cannot begin with .~</source>
        <extracomment>The program&apos;s hidden files begin with a dot and a tilde. Room: 281 px.</extracomment>
        <translation>Name darf nicht mit .~ beginnen</translation>
    </message>
    <message>
        <source>Would share history files with %1</source>
        <extracomment>%1 is a pupil on the list whose history files the new name would also use: Ann1 for Ann, since Ann&apos;s day 11 and Ann1&apos;s day 1 are one file. Room: 281 px with a short name.</extracomment>
        <translation>Würde Tagesdateien mit %1 teilen</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but their history files overlap: %1&apos;s day %3 is the same file as %2&apos;s day 1 (%4).</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list, %2 being %1 followed by digits; %3 is a day number of %1&apos;s, %4 the file both days are.</extracomment>
        <translation>%1 und %2 stehen beide auf der Schülerliste, aber ihre Tagesdateien überschneiden sich: Tag %3 von %1 ist dieselbe Datei wie Tag 1 von %2 (%4).</translation>
    </message>
    <message>
        <source>The lock was taken over meanwhile: this computer had not renewed it for over a minute</source>
        <extracomment>A step of a clean-up or a save failed because another copy of the program took the lock after this computer had not renewed it for a minute (a sleeping laptop, a stalled network).</extracomment>
        <translation>Die Sperre wurde inzwischen übernommen: Dieser Computer hatte sie über eine Minute lang nicht erneuert</translation>
    </message>
    <message>
        <source>The file changed since the work began</source>
        <extracomment>A file was not deleted or renumbered because it changed while the clean-up ran.</extracomment>
        <translation>Die Datei wurde seit Beginn der Arbeit geändert</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the program keeps a lock: &quot;this is a link, not a lock of the program&apos;s&quot;.</extracomment>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>eine Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>something that is no file</source>
        <translation>etwas, das keine Datei ist</translation>
    </message>
    <message>
        <source>a folder the program did not make (it holds &quot;%1&quot;)</source>
        <extracomment>A folder stands where the program keeps a lock; %1 is a name found in it.</extracomment>
        <translation>ein Ordner, den das Programm nicht angelegt hat (er enthält „%1“)</translation>
    </message>
    <message>
        <source>this is %1, not a lock of the program&apos;s; delete it when no computer is using the program</source>
        <extracomment>Something else has the name of one of the program&apos;s locks; %1 says what it is.</extracomment>
        <translation>das ist %1, keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm verwendet</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1); it was set aside as &quot;%2&quot;</source>
        <extracomment>A clean-up interrupted earlier left a note of what was still to do; it was checked, found wrong and renamed rather than carried out. %1 is why, %2 the note&apos;s new file name.</extracomment>
        <translation>die Aufräumnotiz wurde nicht ausgeführt (%1); sie wurde als „%2“ beiseitegelegt</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1)</source>
        <extracomment>As below, but the note could not even be renamed. %1 is why it was not carried out.</extracomment>
        <translation>die Aufräumnotiz wurde nicht ausgeführt (%1)</translation>
    </message>
    <message>
        <source>it is not one this program wrote</source>
        <extracomment>Why a clean-up note was not carried out.</extracomment>
        <translation>sie stammt nicht von diesem Programm</translation>
    </message>
    <message>
        <source>it names another pupil</source>
        <extracomment>Why a clean-up note was not carried out: it is in one pupil&apos;s name but names another.</extracomment>
        <translation>sie nennt einen anderen Schüler</translation>
    </message>
    <message>
        <source>%1 is not on the list</source>
        <extracomment>Why a clean-up note was not carried out; %1 is a pupil&apos;s name, the list the student list.</extracomment>
        <translation>%1 steht nicht auf der Schülerliste</translation>
    </message>
    <message>
        <source>the list also holds %1, whose history files may be the same files</source>
        <extracomment>Why a clean-up was refused: %1 is another pupil on the student list, the pupil&apos;s name followed by digits (Ann1 for Ann), whose day files may have the same names.</extracomment>
        <translation>auf der Schülerliste steht auch %1, möglicherweise mit denselben Tagesdateien</translation>
    </message>
    <message>
        <source>the note counts %1 days, but day %2 is there</source>
        <extracomment>Why a clean-up note was not carried out: it counts days 1 to %1, but a day %2 is there too.</extracomment>
        <translation>die Notiz zählt bis Tag %1, aber Tag %2 ist vorhanden</translation>
    </message>
    <message>
        <source>day %1 is not the day the note counted</source>
        <extracomment>Why a clean-up note was not carried out: day %1 is not the file the note recorded.</extracomment>
        <translation>Tag %1 ist nicht der Tag, den die Notiz gezählt hat</translation>
    </message>
    <message>
        <source>day %1 is neither where the note had it nor where it was going</source>
        <extracomment>Why a clean-up note was not carried out: day %1 was being renumbered and is neither under its old number nor under its new one.</extracomment>
        <translation>Tag %1 ist weder dort, wo die Notiz ihn hatte, noch dort, wohin er kommen sollte</translation>
    </message>
    <message>
        <source>it may be a history file of %1 too</source>
        <extracomment>Why a day file was not deleted: %1 is another pupil whose day it may be too (Ann&apos;s day 11 is Ann1&apos;s day 1).</extracomment>
        <translation>die Datei kann auch eine Tagesdatei von %1 sein</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; that the holder of the lock &quot;%2&quot; had set aside could not be put back (%3); it is kept as &quot;%4&quot;.</source>
        <extracomment>A lock was taken over from a holder that stopped halfway; a file it had moved into its own folder could not go back. %1 is the file&apos;s name, %2 the lock&apos;s, %3 the system&apos;s reason, %4 where the file is now.</extracomment>
        <translation>Die Datei „%1“, die der Inhaber der Sperre „%2“ beiseitegelegt hatte, konnte nicht zurückgelegt werden (%3); sie bleibt als „%4“ erhalten.</translation>
    </message>
    <message>
        <source>Click here to create &amp;Password</source>
        <extracomment>Teacher menu item while no password exists. &amp; marks the Alt key letter.</extracomment>
        <translation>Hier klicken: &amp;Passwort anlegen</translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>Teacher menu item while the teacher commands are locked, from the program&apos;s start on.</extracomment>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Teacher menu item once a teacher logged out: the same, with an Alt key letter.</extracomment>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>&amp;Logout</source>
        <extracomment>Teacher menu item while a teacher is logged in. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of the numbers shown: &quot;,&quot; where &quot;12,5 s&quot; is written.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>The name is longer than %1 bytes, so its day files could pass the limit of 255 bytes for a file name</source>
        <extracomment>A pupil&apos;s name is too long to save under: %1 is the most bytes a name may have.</extracomment>
        <translation>Der Name ist länger als %1 Byte, so könnten seine Tagesdateien die Grenze von 255 Byte für einen Dateinamen überschreiten</translation>
    </message>
    <message>
        <source>Cannot load the JPEG library %1: %2</source>
        <extracomment>The certificate&apos;s picture cannot be drawn. %1 is the library&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Die JPEG-Bibliothek %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <source>The JPEG library %1 has no %2</source>
        <extracomment>%1 is the library&apos;s file name, %2 a function it should have.</extracomment>
        <translation>Der JPEG-Bibliothek %1 fehlt %2</translation>
    </message>
    <message>
        <source>Picture too large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>Picture cannot be shown in RGB</source>
        <translation>Bild kann nicht in RGB gezeigt werden</translation>
    </message>
    <message>
        <source>Addition</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence (&quot;... with addition and division&quot;).</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>Division</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but to the computer they are one name: they share one set of history files.</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list whose names differ only in capitals.</extracomment>
        <translation>%1 und %2 stehen beide auf der Schülerliste, für den Computer aber ist es ein Name: sie teilen sich eine Reihe von Tagesdateien.</translation>
    </message>
    <message>
        <source>%1 is on the list already</source>
        <extracomment>%1 is the pupil on the list with that name, or with it in other capitals. Room: 281 px.</extracomment>
        <translation>%1 steht schon auf der Liste</translation>
    </message>
</context>
<context>
    <name>TCertificatefrm</name>
    <message>
        <source>Certificate</source>
        <translation>Urkunde</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printed &amp;by...</source>
        <extracomment>Menu command: asks for the name printed under the certificate.</extracomment>
        <translation>Gedruckt &amp;von...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu command: closes the certificate.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Congratulations!!!</source>
        <extracomment>The certificate&apos;s heading, in large decorative capitals. Room: about 650 px at 67 px.</extracomment>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>You got</source>
        <extracomment>Certificate line, followed by the score on the next line (&quot;7 correct out of 10 asked!&quot;).</extracomment>
        <translation>Du hast</translation>
    </message>
    <message>
        <source>The certificate</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Die Urkunde</translation>
    </message>
</context>
<context>
    <name>TClassOverviewfrm</name>
    <message>
        <source>Name</source>
        <extracomment>Column headings of the class overview; a column is as wide as its widest entry.
----------
Column headings of the exported class overview (a spreadsheet file).</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers, as in &quot;85%&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>↑ up</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↑ steigt</translation>
    </message>
    <message>
        <source>→ level</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>→ gleich</translation>
    </message>
    <message>
        <source>↓ down</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↓ sinkt</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Class overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Class Overview - %1</source>
        <translation>Klassenübersicht - %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day file(s) could not be read and are left out: %1.</source>
        <translation>
            <numerusform>%n Tagesdatei konnte nicht gelesen werden und wird ausgelassen: %1.</numerusform>
            <numerusform>%n Tagesdateien konnten nicht gelesen werden und werden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 fluent</source>
        <translation>%1 von %2 sicher</translation>
    </message>
    <message>
        <source>The class overview</source>
        <translation>Die Klassenübersicht</translation>
    </message>
    <message>
        <source>Export Class Overview</source>
        <translation>Klassenübersicht exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The class overview was saved as &quot;%1&quot;.</source>
        <translation>Die Klassenübersicht wurde als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Last day % right</source>
        <translation>Letzter Tag % richtig</translation>
    </message>
    <message>
        <source>Addition fluent of %1</source>
        <translation>Addition sicher von %1</translation>
    </message>
    <message>
        <source>Subtraction fluent of %1</source>
        <translation>Subtraktion sicher von %1</translation>
    </message>
    <message>
        <source>Multiplication fluent of %1</source>
        <translation>Multiplikation sicher von %1</translation>
    </message>
    <message>
        <source>Division fluent of %1</source>
        <translation>Division sicher von %1</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>A pupil&apos;s trend in the exported class overview: the share of right answers goes down, stays, goes up.</extracomment>
        <translation>fallend</translation>
    </message>
    <message>
        <source>level</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>up</source>
        <translation>steigend</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
</context>
<context>
    <name>TFluencyReportfrm</name>
    <message>
        <source>Fluency Report</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Rechensicherheit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fluency Report - %1</source>
        <translation>Rechensicherheit - %1</translation>
    </message>
    <message>
        <source>The fluency report</source>
        <translation>Der Bericht zur Rechensicherheit</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>THelpfrm</name>
    <message>
        <source>Quorvex Help</source>
        <extracomment>Title of the manual&apos;s window, as the Help menu&apos;s item.
----------
Read out by a screen reader as the manual&apos;s name.</extracomment>
        <translation>Quorvex-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button: closes the manual.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TWhoami</name>
    <message>
        <source>I am ....</source>
        <extracomment>Title of the dialog asking who prints.</extracomment>
        <translation>Ich bin ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Name erscheint im Ausdruck</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Taboutboxp</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Flash cards for addition, subtraction, multiplication and division.</source>
        <translation>Rechenkarten für Addition, Subtraktion, Multiplikation und Division.</translation>
    </message>
</context>
<context>
    <name>Tflashcardfrm</name>
    <message>
        <source>Flash Cards</source>
        <extracomment>Title of the main window.</extracomment>
        <translation>Rechenkarten</translation>
    </message>
    <message>
        <source>See how many questions you can answer in the time you decide!</source>
        <extracomment>The speed-round panel&apos;s instructions, one line each, in a box 505 px wide and four lines high.</extracomment>
        <translation>Wie viele Aufgaben schaffst du in der Zeit, die du wählst?</translation>
    </message>
    <message>
        <source>Be sure to select the types of questions you want to see.</source>
        <translation>Wähle vorher aus, welche Aufgaben du rechnen möchtest.</translation>
    </message>
    <message>
        <source>Don&apos;t worry about wrong answers, they won&apos;t be counted.</source>
        <translation>Keine Sorge, falsche Antworten werden nicht gezählt.</translation>
    </message>
    <message>
        <source>GOOD LUCK!!</source>
        <translation>VIEL GLÜCK!!</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Produktname: %1</translation>
    </message>
    <message>
        <source>Version:%1</source>
        <extracomment>Followed by the version number without a blank, as in &quot;Version:1.0&quot;.</extracomment>
        <translation>Version:%1</translation>
    </message>
    <message>
        <source>The answers could not be saved. Close without saving them?</source>
        <translation>Die Antworten konnten nicht gespeichert werden. Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>Questions Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Questions Asked: %1</source>
        <translation>Aufgaben: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n dots drawn</source>
        <extracomment>Above the dot board: how many dots the pupil has placed.</extracomment>
        <translation>
            <numerusform>%n Punkt gesetzt</numerusform>
            <numerusform>%n Punkte gesetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Last item of the list of pupils whose day files are cleaned up: every pupil.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Reading the pupils&apos; days...</source>
        <translation>Die Tage der Schüler werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Total time: %1 s</source>
        <extracomment>The time since the drill began. Room: about 115 px.</extracomment>
        <translation>Gesamtzeit: %1 s</translation>
    </message>
    <message>
        <source>Day %1</source>
        <extracomment>An item of the list of earlier days on the results tab. Room: about 65 px.</extracomment>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print &amp;Certificate</source>
        <translation>&amp;Urkunde drucken</translation>
    </message>
    <message>
        <source>&amp;Fluency Report</source>
        <translation>&amp;Rechensicherheit</translation>
    </message>
    <message>
        <source>Teacher Stuff</source>
        <extracomment>Submenu of File holding the teacher&apos;s commands.</extracomment>
        <translation>Für Lehrkräfte</translation>
    </message>
    <message>
        <source>Login to access</source>
        <extracomment>Teacher menu: shows the panel to log in or set a password.</extracomment>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>&amp;Delete a student</source>
        <translation>Schüler &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Add a Student</source>
        <translation>Schüler &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;File clean up</source>
        <translation>&amp;Dateien aufräumen</translation>
    </message>
    <message>
        <source>Class &amp;Overview</source>
        <translation>&amp;Klassenübersicht</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show &amp;Timer</source>
        <translation>&amp;Stoppuhr anzeigen</translation>
    </message>
    <message>
        <source>Redo Wrong after</source>
        <extracomment>Submenu: after how many questions a wrongly answered question comes back.</extracomment>
        <translation>Falsche wiederholen nach</translation>
    </message>
    <message>
        <source>repeat wrong answers more than right</source>
        <translation>falsch beantwortete Aufgaben öfter wiederholen als richtige</translation>
    </message>
    <message>
        <source>5 questions</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;.</extracomment>
        <translation>5 Aufgaben</translation>
    </message>
    <message>
        <source>10 Questions</source>
        <translation>10 Aufgaben</translation>
    </message>
    <message>
        <source>15 Questions</source>
        <translation>15 Aufgaben</translation>
    </message>
    <message>
        <source>20 Questions</source>
        <translation>20 Aufgaben</translation>
    </message>
    <message>
        <source>Always &amp;Random</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;: questions never come back on purpose.</extracomment>
        <translation>Immer &amp;zufällig</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <extracomment>Hidden menu item.</extracomment>
        <translation>&amp;Daten speichern</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Questions asked: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Aufgaben: 0</translation>
    </message>
    <message>
        <source>Questions correct: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Richtig: 0</translation>
    </message>
    <message>
        <source>User Name</source>
        <extracomment>Label above the list of pupils. Room: 100 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Involving</source>
        <extracomment>Group title: which numbers the questions involve. Room: 185 px.</extracomment>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Tables of</source>
        <extracomment>Radio button; a number list follows to its right. Room: 90 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Reihen bis</translation>
    </message>
    <message>
        <source>Practice with up to #</source>
        <extracomment>Radio button wrapping onto two lines; a number list sits in the second line after about 85 px. # stands for that number.</extracomment>
        <translation>Nur eine Reihe bis #</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Group title above the four operations (what the question asks for). Room: 185 px.</extracomment>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Division</translation>
    </message>
    <message>
        <source>Include zero</source>
        <extracomment>Check box: questions may use the number 0. Room: 160 px at 16 px bold.</extracomment>
        <translation>Mit Null</translation>
    </message>
    <message>
        <source>Mix and Match</source>
        <extracomment>Check box: ask several ticked operations mixed. Room: 160 px at 16 px bold.</extracomment>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Total Time: 0.0 s</source>
        <extracomment>Replaced while the clock runs. Room: 115 px.</extracomment>
        <translation>Gesamtzeit: 0,0 s</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <extracomment>Tab of the list of answers.</extracomment>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>0 dots drawn</source>
        <extracomment>Above the dot board.</extracomment>
        <translation>0 Punkte gesetzt</translation>
    </message>
    <message>
        <source>&amp;Show in order</source>
        <extracomment>Radio button on the results tab; the next one starts 128 px to the right.</extracomment>
        <translation>&amp;In Reihenfolge</translation>
    </message>
    <message>
        <source>Show &amp;Wrong first</source>
        <extracomment>Radio button on the results tab; the next one starts 144 px to the right.</extracomment>
        <translation>&amp;Falsche zuerst</translation>
    </message>
    <message>
        <source>&amp;Longest times first</source>
        <extracomment>Radio button on the results tab; the next one starts 152 px to the right.</extracomment>
        <translation>&amp;Langsamste zuerst</translation>
    </message>
    <message>
        <source>Shortest &amp;times first</source>
        <extracomment>Radio button on the results tab; the next one starts 160 px to the right.</extracomment>
        <translation>S&amp;chnellste zuerst</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <extracomment>Check box on the results tab: show the answers of an earlier day. Room: about 110 px.</extracomment>
        <translation>&amp;Verlauf zeigen</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>Group title of the question strip.</extracomment>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Button that starts the drill. Room: 185 px at 19 px bold.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: check the typed answer. Room: 185 px.</extracomment>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Question Type</source>
        <extracomment>Group title. Room: 215 px at 16 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Übungsart</translation>
    </message>
    <message>
        <source>Practice|Speed Round</source>
        <extracomment>The two items of a drop-down list, separated by |. Keep the |. Room: 120 px each.</extracomment>
        <translation>Üben|Blitzrunde</translation>
    </message>
    <message>
        <source>Speed Round </source>
        <extracomment>Title of the speed-round panel.</extracomment>
        <translation>Blitzrunde </translation>
    </message>
    <message>
        <source>Time: 60 s</source>
        <extracomment>Replaced when the round length is changed. Room: 130 px.</extracomment>
        <translation>Zeit: 60 s</translation>
    </message>
    <message>
        <source>You did:</source>
        <extracomment>Shown above the number of right answers at the end of a speed round.</extracomment>
        <translation>Geschafft:</translation>
    </message>
    <message>
        <source>File Clean Up</source>
        <extracomment>Title of the teacher panel that deletes old day files.</extracomment>
        <translation>Dateien aufräumen</translation>
    </message>
    <message>
        <source>Delete some of the  history files</source>
        <extracomment>Room: 237 px.</extracomment>
        <translation>Alte Tagesdateien löschen</translation>
    </message>
    <message>
        <source>Keep only the last                files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 162 px from the left of the text: keep enough blanks so the list covers no word. Room: 257 px.</extracomment>
        <translation>Behalten: letzte</translation>
    </message>
    <message>
        <source>Delete the first               files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 134 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Die ersten                    löschen</translation>
    </message>
    <message>
        <source>Note:  All deletions are final!</source>
        <extracomment>Warning in red. Room: 210 px.</extracomment>
        <translation>Löschen ist endgültig!</translation>
    </message>
    <message>
        <source>For the following student(s)</source>
        <extracomment>A list of pupils (or &quot;All&quot;) follows below. Room: 209 px.</extracomment>
        <translation>Für folgende Schüler</translation>
    </message>
    <message>
        <source>DELETED!!</source>
        <extracomment>Shown in red after files were deleted. Room: 102 px at 19 px bold.</extracomment>
        <translation>Gelöscht!</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button. Room: 105 px.</extracomment>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>Do&amp;ne</source>
        <extracomment>Button: close the panel. Room: about 100 px.</extracomment>
        <translation>Fer&amp;tig</translation>
    </message>
    <message>
        <source>Add a Student</source>
        <extracomment>Title of the teacher panel that adds a pupil to the list.</extracomment>
        <translation>Schüler hinzufügen</translation>
    </message>
    <message>
        <source>No spaces in name use __ instead</source>
        <extracomment>Note under the name box. Room: 259 px.</extracomment>
        <translation>Statt Leerzeichen bitte __</translation>
    </message>
    <message>
        <source>notes:</source>
        <extracomment>Room: 49 px.</extracomment>
        <translation>Tipps:</translation>
    </message>
    <message>
        <source>For long names, please abbreviate</source>
        <extracomment>Note under the name box. Room: 261 px.</extracomment>
        <translation>Lange Namen bitte abkürzen</translation>
    </message>
    <message>
        <source>Student was added!</source>
        <extracomment>Shown in green after adding a pupil. Room: 150 px.</extracomment>
        <translation>Hinzugefügt!</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button. Room: 113 px at 19 px bold.</extracomment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>Button: close the panel. Room: 113 px at 19 px bold.</extracomment>
        <translation>Fer&amp;tig</translation>
    </message>
    <message>
        <source>Delete a student</source>
        <extracomment>Title of the teacher panel that removes a pupil from the list.</extracomment>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Select student to delete</source>
        <extracomment>Room: 178 px.</extracomment>
        <translation>Schüler auswählen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button. Room: 97 px.</extracomment>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button. Room: 99 px.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Log-in</source>
        <extracomment>Title of the panels for the teacher password.</extracomment>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>No password is set</source>
        <extracomment>Room: 144 px, centred.</extracomment>
        <translation>Kein Passwort</translation>
    </message>
    <message>
        <source>Create a password to restrict </source>
        <extracomment>First half of a sentence continued by the next line (&quot;Student data manipulation&quot;). Room: 221 px.</extracomment>
        <translation>Ein Passwort schützt das </translation>
    </message>
    <message>
        <source>Student data manipulation</source>
        <extracomment>Second half of &quot;Create a password to restrict ... &quot;. Room: 199 px.</extracomment>
        <translation>Ändern der Schülerdaten</translation>
    </message>
    <message>
        <source>Set Password</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Log-out</source>
        <extracomment>Title of the panel for logging the teacher out.</extracomment>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Log out</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Label beside the password box. Room: 93 px.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log in failed</source>
        <extracomment>Shown in red. Room: 93 px at 16 px bold.</extracomment>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Log in</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Press Start for a question</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Drücke Start für eine Aufgabe</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Practice with up to</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nur eine Reihe bis</translation>
    </message>
    <message>
        <source>Speed round length in seconds</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Länge der Blitzrunde in Sekunden</translation>
    </message>
    <message>
        <source>Array board</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Punktefeld</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Arrays and results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Punktefeld und Ergebnisse</translation>
    </message>
    <message>
        <source>Scroll the results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Ergebnisse blättern</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>Column headings of a pupil&apos;s exported answers (a spreadsheet file).
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Number of last files to keep</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Anzahl der letzten Dateien, die bleiben</translation>
    </message>
    <message>
        <source>Number of first files to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Anzahl der ersten Dateien, die gelöscht werden</translation>
    </message>
    <message>
        <source>Student to clean up</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Schüler zum Aufräumen</translation>
    </message>
    <message>
        <source>Student to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Schüler zum Löschen</translation>
    </message>
    <message>
        <source>Name of the new student</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Name des neuen Schülers</translation>
    </message>
    <message>
        <source>New password</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>No answers</source>
        <translation>Keine Antworten</translation>
    </message>
    <message>
        <source>A teacher password has been set on another computer meanwhile. Log in with that password.</source>
        <translation>Inzwischen wurde auf einem anderen Computer ein Passwort für Lehrkräfte festgelegt. Bitte melden Sie sich mit diesem Passwort an.</translation>
    </message>
    <message>
        <source>This password cannot be stored: it holds a character the password file cannot keep.</source>
        <translation>Dieses Passwort kann nicht gespeichert werden: Es enthält ein Zeichen, das die Passwortdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <extracomment>The question button once the drill runs: asks the next question. Room: 185 px at 19 px bold.</extracomment>
        <translation>&amp;Nächste Aufgabe</translation>
    </message>
    <message>
        <source>%1, %2, %3, answered %4, %5</source>
        <extracomment>A line of the results page read out: question type, operation, the fact in words, the answer given, then &quot;right&quot; or &quot;wrong&quot;.</extracomment>
        <translation>%1, %2, %3, Antwort %4, %5</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>, %1 seconds</source>
        <extracomment>Added to a line of the results page read out: the time the answer took.</extracomment>
        <translation>, %1 Sekunden</translation>
    </message>
    <message>
        <source>The student list was not read</source>
        <extracomment>Shown in red in place of the notes of the Add a Student panel. Room: 281 px.</extracomment>
        <translation>Die Schülerliste wurde nicht gelesen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds, after a number: &quot;12.5 s&quot;.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Arrays</source>
        <extracomment>Tab of the dot board.</extracomment>
        <translation>P&amp;unktefeld</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is on a network share (%2). Quorvex cannot see how this computer mounts it: pupils&apos; answers are safe there only when every computer mounts the share without caching, as the README says under &quot;Network shares&quot;.</source>
        <extracomment>At start, once per computer. %1 is the class folder, %2 the share&apos;s kind of file system (&quot;nfs4&quot;, &quot;cifs&quot;, &quot;fuse.sshfs&quot;). The README&apos;s section keeps its English title.</extracomment>
        <translation>Der Klassenordner „%1“ liegt auf einer Netzwerkfreigabe (%2). Quorvex kann nicht sehen, wie dieser Computer sie einbindet: Die Antworten der Kinder sind dort nur sicher, wenn jeder Computer die Freigabe ohne Zwischenspeicher einbindet, wie es die README unter „Network shares“ beschreibt.</translation>
    </message>
    <message>
        <source>Reading %1&apos;s saved days...</source>
        <translation>Die gespeicherten Tage von %1 werden gelesen...</translation>
    </message>
    <message>
        <source>Fluency Report</source>
        <translation>Rechensicherheit</translation>
    </message>
    <message>
        <source>Saving %1&apos;s answers...</source>
        <translation>Die Antworten von %1 werden gespeichert...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1&apos;s answers could not be saved: the class folder did not answer. They are kept, to be saved at the next occasion.</source>
        <translation>Die Antworten von %1 konnten nicht gespeichert werden: Der Klassenordner hat nicht geantwortet. Sie bleiben erhalten und werden bei der nächsten Gelegenheit gespeichert.</translation>
    </message>
    <message>
        <source>The class folder has not yet answered the last save of %1&apos;s answers. They are kept, to be saved once it has.</source>
        <translation>Der Klassenordner hat auf das letzte Speichern der Antworten von %1 noch nicht geantwortet. Sie bleiben erhalten und werden gespeichert, sobald er antwortet.</translation>
    </message>
    <message>
        <source>Cleaning up the days...</source>
        <translation>Die Tage werden aufgeräumt...</translation>
    </message>
    <message>
        <source>Writing the list of names...</source>
        <translation>Die Namensliste wird geschrieben...</translation>
    </message>
    <message>
        <source>Deleting the students and their days...</source>
        <translation>Die Schüler und ihre Tage werden gelöscht...</translation>
    </message>
    <message>
        <source>Operation</source>
        <extracomment>Read out by a screen reader as the name of the group of the four operations.</extracomment>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a choice just made, then the question</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <extracomment>Menu item: the whole window larger (Ctrl+Plus).</extracomment>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <extracomment>Menu item: the whole window smaller (Ctrl+Minus).</extracomment>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <extracomment>Menu item: the window at its normal size (Ctrl+0).</extracomment>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <extracomment>Menu item: the window fills the whole screen (F11).</extracomment>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Start comes back when Show History is unticked</source>
        <extracomment>Shown in the question strip while an earlier day shows on the results tab. Room: 560 px at 13 px bold.</extracomment>
        <translation>Start ist wieder da, wenn der Haken bei „Verlauf zeigen“ weg ist</translation>
    </message>
    <message>
        <source>Show the password</source>
        <extracomment>The button in a password box that shows or hides what was typed.</extracomment>
        <translation>Passwort zeigen</translation>
    </message>
    <message>
        <source>How far the numbers go when you practise one table</source>
        <extracomment>Tooltip of the number list in &quot;Practice with up to #&quot;.</extracomment>
        <translation>Bis zu welcher Zahl es geht, wenn du nur eine Reihe übst</translation>
    </message>
    <message>
        <source>Questions that add: 3 + 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Plusaufgaben: 3 + 4 = ?</translation>
    </message>
    <message>
        <source>Questions that take away: 9 - 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Minusaufgaben: 9 - 4 = ?</translation>
    </message>
    <message>
        <source>Questions that multiply: 3 x 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Malaufgaben: 3 x 4 = ?</translation>
    </message>
    <message>
        <source>Questions that divide: 12 ÷ 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Geteiltaufgaben: 12 ÷ 4 = ?</translation>
    </message>
    <message>
        <source>Tick to mix in questions that add</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Setz einen Haken, um Plusaufgaben dazuzumischen</translation>
    </message>
    <message>
        <source>Tick to mix in questions that take away</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Setz einen Haken, um Minusaufgaben dazuzumischen</translation>
    </message>
    <message>
        <source>Tick to mix in questions that multiply</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Setz einen Haken, um Malaufgaben dazuzumischen</translation>
    </message>
    <message>
        <source>Tick to mix in questions that divide</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Setz einen Haken, um Geteiltaufgaben dazuzumischen</translation>
    </message>
    <message>
        <source>The questions may use the number 0 too</source>
        <extracomment>Tooltip.</extracomment>
        <translation>In den Aufgaben darf auch die Zahl 0 vorkommen</translation>
    </message>
    <message>
        <source>Tick more than one kind of question and get them mixed</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Hake mehr als eine Rechenart an, dann kommen sie gemischt</translation>
    </message>
    <message>
        <source>Practice: one question after another, as long as you like. Speed Round: as many as you can before the time runs out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Üben: eine Aufgabe nach der anderen, so lange du willst. Blitzrunde: so viele Aufgaben wie möglich, bevor die Zeit abläuft</translation>
    </message>
    <message>
        <source>How many seconds the speed round lasts</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie viele Sekunden die Blitzrunde dauert</translation>
    </message>
    <message>
        <source>Pick your name before you start: your answers are saved under it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wähle deinen Namen, bevor du anfängst: Deine Antworten werden unter diesem Namen gespeichert</translation>
    </message>
    <message>
        <source>Start, and then the next question (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Starten und danach die nächste Aufgabe (Enter)</translation>
    </message>
    <message>
        <source>See if your answer is right (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Schau, ob deine Antwort richtig ist (Enter)</translation>
    </message>
    <message>
        <source>Type your answer here and press Enter</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tippe hier deine Antwort ein und drücke Enter</translation>
    </message>
    <message>
        <source>Dots that show the question. For take-away and divide questions, click to put dots down and count them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Punkte, die die Aufgabe zeigen. Bei Minus- und Geteiltaufgaben klickst du, um Punkte zu setzen, und zählst sie</translation>
    </message>
    <message>
        <source>Your answers: green with a tick is right, red with a cross is wrong</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Deine Antworten: Grün mit Haken ist richtig, Rot mit Kreuz ist falsch</translation>
    </message>
    <message>
        <source>Scroll through your answers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Blättere durch deine Antworten</translation>
    </message>
    <message>
        <source>Your answers in the order you gave them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Deine Antworten in der Reihenfolge, in der du sie gegeben hast</translation>
    </message>
    <message>
        <source>Wrong answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Falsche Antworten stehen oben</translation>
    </message>
    <message>
        <source>The slowest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die langsamsten Antworten stehen oben</translation>
    </message>
    <message>
        <source>The fastest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die schnellsten Antworten stehen oben</translation>
    </message>
    <message>
        <source>Look at the answers of an earlier day</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Sieh dir die Antworten von einem früheren Tag an</translation>
    </message>
    <message>
        <source>Which day to look at: 1 is the first</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Welchen Tag du ansiehst: 1 ist der erste</translation>
    </message>
    <message>
        <source>The new pupil&apos;s name, without spaces</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Der Name des neuen Schülers, ohne Leerzeichen</translation>
    </message>
    <message>
        <source>Put the name on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Den Namen auf die Liste setzen</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Diesen Bereich schließen</translation>
    </message>
    <message>
        <source>The pupil to take off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Der Schüler, der von der Liste genommen wird</translation>
    </message>
    <message>
        <source>Take this pupil off the list, with all their saved days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Diesen Schüler mit allen gespeicherten Tagen von der Liste nehmen</translation>
    </message>
    <message>
        <source>Close this panel without taking anyone off</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Diesen Bereich schließen, ohne jemanden von der Liste zu nehmen</translation>
    </message>
    <message>
        <source>Keep only the newest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Nur die neuesten Tage behalten</translation>
    </message>
    <message>
        <source>How many of the newest days to keep</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie viele der neuesten Tage bleiben</translation>
    </message>
    <message>
        <source>Delete the oldest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die ältesten Tage löschen</translation>
    </message>
    <message>
        <source>How many of the oldest days to delete</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie viele der ältesten Tage gelöscht werden</translation>
    </message>
    <message>
        <source>Whose days: one pupil, or everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wessen Tage: die eines Schülers oder die von allen</translation>
    </message>
    <message>
        <source>Delete those days now: this cannot be undone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Diese Tage jetzt löschen: Das lässt sich nicht rückgängig machen</translation>
    </message>
    <message>
        <source>The new teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Das neue Passwort für Lehrkräfte</translation>
    </message>
    <message>
        <source>The same password again, to be sure it has no typo</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Noch einmal dasselbe Passwort, damit sich kein Tippfehler einschleicht</translation>
    </message>
    <message>
        <source>Keep this password: the teacher&apos;s commands then ask for it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Dieses Passwort festlegen: Die Befehle für Lehrkräfte fragen dann danach</translation>
    </message>
    <message>
        <source>Close without setting a password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Schließen, ohne ein Passwort festzulegen</translation>
    </message>
    <message>
        <source>The teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Das Passwort für Lehrkräfte</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s commands</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die Befehle für Lehrkräfte freigeben</translation>
    </message>
    <message>
        <source>Close without logging in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Schließen, ohne sich anzumelden</translation>
    </message>
    <message>
        <source>Lock the teacher&apos;s commands again</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die Befehle für Lehrkräfte wieder sperren</translation>
    </message>
    <message>
        <source>Close and stay logged in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Schließen und angemeldet bleiben</translation>
    </message>
    <message>
        <source>Dots that show the question</source>
        <extracomment>Tooltip of the Arrays tab.</extracomment>
        <translation>Punkte, die die Aufgabe zeigen</translation>
    </message>
    <message>
        <source>Every answer you gave, right or wrong</source>
        <extracomment>Tooltip of the Results tab.</extracomment>
        <translation>Jede Antwort, die du gegeben hast, richtig oder falsch</translation>
    </message>
    <message>
        <source>Tables of %1: every table from 1 to %1</source>
        <extracomment>Tooltip of &quot;Tables of&quot; with the number chosen beside it.</extracomment>
        <translation>Reihen bis %1: jede Reihe von 1 bis %1</translation>
    </message>
    <message>
        <source>Tables of %1 asks every table from 1 to %1; Practice asks only the table of %1</source>
        <extracomment>Tooltip of the number beside &quot;Tables of&quot;; it is also the table practised with &quot;Practice with up to #&quot;.</extracomment>
        <translation>„Reihen bis %1“ fragt jede Reihe von 1 bis %1 ab; „Nur eine Reihe bis“ fragt nur die %1er-Reihe ab</translation>
    </message>
    <message>
        <source>Practice with up to %1: only the table of %2, with numbers from 1 to %1</source>
        <extracomment>Tooltip of &quot;Practice with up to #&quot;: %1 is the number in its list, %2 the one beside &quot;Tables of&quot;.</extracomment>
        <translation>Nur eine Reihe bis %1: nur die %2er-Reihe, mit Zahlen von 1 bis %1</translation>
    </message>
    <message>
        <source>Certificates, reports, the teacher&apos;s commands and closing</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Urkunden, Berichte, Befehle für Lehrkräfte und Beenden</translation>
    </message>
    <message>
        <source>A certificate for what you did, to print</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eine Urkunde für das, was du geschafft hast, zum Ausdrucken</translation>
    </message>
    <message>
        <source>Which facts you know by heart, and how each day went</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Welche Aufgaben du auswendig kannst und wie jeder Tag gelaufen ist</translation>
    </message>
    <message>
        <source>The teacher&apos;s commands, behind the teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die Befehle für Lehrkräfte, geschützt durch das Passwort für Lehrkräfte</translation>
    </message>
    <message>
        <source>Set the teacher password, log in or log out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Passwort für Lehrkräfte festlegen, anmelden oder abmelden</translation>
    </message>
    <message>
        <source>Take a pupil off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Einen Schüler von der Liste nehmen</translation>
    </message>
    <message>
        <source>Put a new pupil on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Einen neuen Schüler auf die Liste setzen</translation>
    </message>
    <message>
        <source>Delete the oldest days of one pupil or of everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die ältesten Tage eines Schülers oder aller Schüler löschen</translation>
    </message>
    <message>
        <source>How every pupil is doing, on one page</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie es bei jedem Schüler läuft, auf einer Seite</translation>
    </message>
    <message>
        <source>Save your answers and close Quorvex</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Deine Antworten speichern und Quorvex beenden</translation>
    </message>
    <message>
        <source>Choices for the drill and for the window</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Einstellungen für das Üben und für das Fenster</translation>
    </message>
    <message>
        <source>Show the clock while you answer</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die Uhr zeigen, während du antwortest</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 5 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eine Aufgabe, die du falsch hattest, kommt nach 5 Aufgaben wieder</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 10 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eine Aufgabe, die du falsch hattest, kommt nach 10 Aufgaben wieder</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 15 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eine Aufgabe, die du falsch hattest, kommt nach 15 Aufgaben wieder</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 20 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Eine Aufgabe, die du falsch hattest, kommt nach 20 Aufgaben wieder</translation>
    </message>
    <message>
        <source>Every question is picked at random</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Jede Aufgabe wird zufällig ausgewählt</translation>
    </message>
    <message>
        <source>Save your answers now</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Deine Antworten jetzt speichern</translation>
    </message>
    <message>
        <source>Make everything bigger</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Alles größer machen</translation>
    </message>
    <message>
        <source>Make everything smaller</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Alles kleiner machen</translation>
    </message>
    <message>
        <source>Everything back to its normal size</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Alles wieder in normaler Größe</translation>
    </message>
    <message>
        <source>Fill the whole screen; press F11 again to go back</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Den ganzen Bildschirm füllen; mit F11 geht es wieder zurück</translation>
    </message>
    <message>
        <source>Which version of Quorvex this is</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Welche Version von Quorvex das ist</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title, after the others.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How Quorvex works</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie Quorvex funktioniert</translation>
    </message>
    <message>
        <source>Quorvex &amp;Help</source>
        <extracomment>Menu item that opens the manual (F1).</extracomment>
        <translation>Quorvex-&amp;Hilfe</translation>
    </message>
    <message>
        <source>How Quorvex works, for pupils and for teachers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Wie Quorvex funktioniert, für Schüler und für Lehrkräfte</translation>
    </message>
    <message>
        <source>New password again</source>
        <extracomment>Read out by a screen reader as the control&apos;s name: the second box, where the new password is typed again.</extracomment>
        <translation>Neues Passwort wiederholen</translation>
    </message>
    <message>
        <source>The two passwords are not the same. Type the new password in both boxes again.</source>
        <translation>Die beiden Passwörter sind nicht gleich. Bitte geben Sie das neue Passwort noch einmal in beide Felder ein.</translation>
    </message>
    <message>
        <source>Once more</source>
        <extracomment>Shown in the empty second box for a new password, where it is typed again. Room: about 100 px.</extracomment>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <extracomment>The button in a password box while it shows what was typed.</extracomment>
        <translation>Passwort verbergen</translation>
    </message>
    <message>
        <source>Question type</source>
        <translation>Art der Aufgabe</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Answer typed</source>
        <translation>Eingegebene Antwort</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Tenths of a second</source>
        <translation>Zehntelsekunden</translation>
    </message>
    <message>
        <source>practice</source>
        <extracomment>A question type in a pupil&apos;s exported answers.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>speed round</source>
        <extracomment>A question type in a pupil&apos;s exported answers: an answer saved without a time.</extracomment>
        <translation>Blitzrunde</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether an exported answer was right.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>No day was saved, so there is no day file.</source>
        <translation>Es wurde kein Tag gespeichert, daher gibt es keine Tagesdatei.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %2: the %n day file(s), copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</source>
        <translation>
            <numerusform>%1 bis %2: die %n Tagesdatei, Byte für Byte kopiert. Jede Zeile ist eine Antwort: die Rechenart, 1 für richtig oder 0 für falsch, die Aufgabe, die eingegebene Antwort und die Zeit in Zehntelsekunden (0 in der Blitzrunde). Die Texte sind im Zeichensatz Windows-1252.</numerusform>
            <numerusform>%1 bis %2: die %n Tagesdateien, Byte für Byte kopiert. Jede Zeile ist eine Antwort: die Rechenart, 1 für richtig oder 0 für falsch, die Aufgabe, die eingegebene Antwort und die Zeit in Zehntelsekunden (0 in der Blitzrunde). Die Texte sind im Zeichensatz Windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quorvex: everything the class folder &quot;%1&quot; holds about %2, exported on %3.</source>
        <translation>Quorvex: alles, was der Klassenordner „%1“ über %2 enthält, exportiert am %3.</translation>
    </message>
    <message>
        <source>answers.csv: every answer of those days, one row each, for a spreadsheet (UTF-8).</source>
        <translation>answers.csv: jede Antwort dieser Tage, eine pro Zeile, für eine Tabellenkalkulation (UTF-8).</translation>
    </message>
    <message>
        <source>fluency-report.pdf: the fluency report of those days.</source>
        <translation>fluency-report.pdf: der Bericht zur Rechensicherheit dieser Tage.</translation>
    </message>
    <message>
        <source>Besides these days the class folder holds only the pupil&apos;s name on the class list and a summary of these days that makes reading them faster. Quorvex sends nothing anywhere.</source>
        <translation>Außer diesen Tagen enthält der Klassenordner nur den Namen des Kindes auf der Klassenliste und eine Zusammenfassung dieser Tage, die das Lesen beschleunigt. Quorvex sendet nichts irgendwohin.</translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <translation type="obsolete">Rechensicherheit: %1</translation>
    </message>
    <message>
        <source>Export %1 into a folder</source>
        <translation>%1 in einen Ordner exportieren</translation>
    </message>
    <message>
        <source>Quorvex export</source>
        <translation>Quorvex-Export</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 The file was copied as it is; its answers are not in answers.csv.</source>
        <translation>%1 Die Datei wurde unverändert kopiert; ihre Antworten fehlen in answers.csv.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>Everything kept about %1 (%n day(s)) was exported to &quot;%2&quot;.</source>
        <translation>
            <numerusform>Alles, was über %1 gespeichert ist (%n Tag), wurde nach „%2“ exportiert.</numerusform>
            <numerusform>Alles, was über %1 gespeichert ist (%n Tage), wurde nach „%2“ exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Export a Pupil...</source>
        <translation>Schüler &amp;exportieren...</translation>
    </message>
    <message>
        <source>Copy everything kept about the selected pupil into a folder</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Alles, was über das gewählte Kind gespeichert ist, in einen Ordner kopieren</translation>
    </message>
    <message numerus="yes">
        <source>Erase everything kept about %1: %n saved day(s)? They are deleted for good; %1 stays on the class list.</source>
        <extracomment>Asked before a pupil is erased; %1 is the pupil&apos;s name.</extracomment>
        <translation>
            <numerusform>Alles löschen, was über %1 gespeichert ist: %n gespeicherten Tag? Er wird endgültig gelöscht; %1 bleibt auf der Klassenliste.</numerusform>
            <numerusform>Alles löschen, was über %1 gespeichert ist: %n gespeicherte Tage? Sie werden endgültig gelöscht; %1 bleibt auf der Klassenliste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erase %1 and everything kept about them: %n saved day(s) and their place on the class list? They are deleted for good.</source>
        <translation>
            <numerusform>%1 und alles, was über das Kind gespeichert ist, löschen: %n gespeicherten Tag und den Platz auf der Klassenliste? Das wird endgültig gelöscht.</numerusform>
            <numerusform>%1 und alles, was über das Kind gespeichert ist, löschen: %n gespeicherte Tage und den Platz auf der Klassenliste? Das wird endgültig gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erasing %1...</source>
        <translation>%1 wird gelöscht...</translation>
    </message>
    <message>
        <source>%1 was not erased completely.</source>
        <translation>%1 wurde nicht vollständig gelöscht.</translation>
    </message>
    <message>
        <source>%1 and everything kept about them were erased.</source>
        <translation>%1 und alles, was über das Kind gespeichert war, wurden gelöscht.</translation>
    </message>
    <message>
        <source>E&amp;rase a Pupil...</source>
        <translation>Schüler &amp;vollständig löschen...</translation>
    </message>
    <message>
        <source>Delete the selected pupil and everything kept about them, for good</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Das gewählte Kind und alles, was darüber gespeichert ist, endgültig löschen</translation>
    </message>
    <message>
        <source>Delete the days saved longer ago than the school keeps them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Die Tage löschen, die länger gespeichert sind, als die Schule sie aufbewahrt</translation>
    </message>
    <message>
        <source>After how many months a saved day is deleted</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Nach wie vielen Monaten ein gespeicherter Tag gelöscht wird</translation>
    </message>
    <message>
        <source>Older than                 months</source>
        <extracomment>Radio button: delete the days saved more than that many months ago. A number list of 49 px lies over the blanks, starting 100 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Älter als                  Monate</translation>
    </message>
    <message>
        <source>Months after which days are deleted</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Monate, nach denen Tage gelöscht werden</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>The file &quot;%1&quot; could not be used: %2.</source>
        <translation>Die Datei „%1“ konnte nicht verwendet werden: %2.</translation>
    </message>
</context>
</TS>
