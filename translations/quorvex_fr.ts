<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClassFolder</name>
    <message>
        <source>The class folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>Le dossier de la classe «&#xa0;%1&#xa0;» est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier de la classe «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; could not be opened.</source>
        <translation>Le dossier de la classe «&#xa0;%1&#xa0;» n’a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>FluencyPageView</name>
    <message>
        <source>Fluency report for %1</source>
        <translation>Bilan des acquis de %1</translation>
    </message>
    <message>
        <source>%1: %2 fluent, %3 right, %4 wrong, %5 not yet asked.</source>
        <translation>%1&#xa0;: %2 acquis, %3 justes, %4 faux, %5 pas encore posés.</translation>
    </message>
    <message>
        <source>The last day is today&apos;s answers, not yet saved.</source>
        <translation>Le dernier jour contient les réponses d’aujourd’hui, pas encore enregistrées.</translation>
    </message>
    <message>
        <source> (today, not yet saved)</source>
        <translation> (aujourd’hui, pas encore enregistré)</translation>
    </message>
    <message>
        <source>%1 due for review; %2.</source>
        <translation>%1 à revoir&#xa0;; %2.</translation>
    </message>
</context>
<context>
    <name>FluencyReport</name>
    <message>
        <source>Day by day</source>
        <translation>Jour par jour</translation>
    </message>
    <message>
        <source>Median time of right practice answers (seconds, right scale)</source>
        <translation>Temps médian des bonnes réponses à l’entraînement (s, échelle de droite)</translation>
    </message>
    <message>
        <source>Share of right answers (left scale)</source>
        <translation>Part de bonnes réponses (échelle de gauche)</translation>
    </message>
    <message>
        <source>No days saved yet.</source>
        <translation>Aucun jour enregistré pour l’instant.</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
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
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>row + column</source>
        <translation>ligne + colonne</translation>
    </message>
    <message>
        <source>(row + column) - column</source>
        <translation>(ligne + colonne) - colonne</translation>
    </message>
    <message>
        <source>row x column</source>
        <translation>ligne x colonne</translation>
    </message>
    <message>
        <source>(row x column) ÷ column</source>
        <translation>(ligne x colonne) ÷ colonne</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>right, but slower or in a speed round</source>
        <translation>juste, mais plus lent ou en défi chrono</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <source>%1 fluent, %2 right, %3 wrong</source>
        <translation>%1 acquis, %2 justes, %3 faux</translation>
    </message>
    <message>
        <source>fluent: right within 3.0 s</source>
        <translation>acquis&#xa0;: juste en 3,0 s au plus</translation>
    </message>
    <message>
        <source>answered today, not yet saved</source>
        <translation>répondu aujourd’hui, pas encore enregistré</translation>
    </message>
    <message>
        <source>The latest answer to each fact counts. %1</source>
        <extracomment>Note at the foot of the fluency report; %1 says whether every line of the day files was read.</extracomment>
        <translation>Seule la dernière réponse à chaque calcul compte. %1</translation>
    </message>
    <message>
        <source>Answers are read from the saved days and from today&apos;s answers, which are not yet saved.</source>
        <translation>Les réponses viennent des jours enregistrés et des réponses d’aujourd’hui, pas encore enregistrées.</translation>
    </message>
    <message>
        <source>Answers are read from the saved days; today&apos;s answers count once they are saved.</source>
        <translation>Les réponses viennent des jours enregistrés&#xa0;; celles d’aujourd’hui compteront une fois enregistrées.</translation>
    </message>
    <message>
        <source>No days saved yet</source>
        <translation>Aucun jour enregistré</translation>
    </message>
    <message>
        <source>Day 1</source>
        <extracomment>The days a fluency report reads, beside its title; &quot;today&quot; is the answers not yet saved.</extracomment>
        <translation>Jour 1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <translation>Jours 1 à %1</translation>
    </message>
    <message>
        <source>Today (not yet saved)</source>
        <translation>Aujourd’hui (pas encore enregistré)</translation>
    </message>
    <message>
        <source>Day 1 and today (not yet saved)</source>
        <translation>Jour 1 et aujourd’hui (pas encore enregistré)</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <translation>Jours 1 à %1 et aujourd’hui (pas encore enregistré)</translation>
    </message>
    <message>
        <source>%1, 1 answer</source>
        <extracomment>Beside the fluency report&apos;s title: the days read, then how many answers they hold.</extracomment>
        <translation>%1, 1 réponse</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n answers</source>
        <translation>
            <numerusform>%1, %n réponse</numerusform>
            <numerusform>%1, %n réponses</numerusform>
        </translation>
    </message>
    <message>
        <source>Every line of the day files was read.</source>
        <translation>Toutes les lignes des fichiers des jours ont été lues.</translation>
    </message>
    <message>
        <source>1 line of the day files could not be read as an answer and was left out.</source>
        <translation>1 ligne des fichiers des jours n’a pas pu être lue comme une réponse et a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the day files could not be read as answers and were left out.</source>
        <translation>
            <numerusform>%n ligne des fichiers des jours n’a pas pu être lue comme une réponse et a été ignorée.</numerusform>
            <numerusform>%n lignes des fichiers des jours n’ont pas pu être lues comme des réponses et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <extracomment>The fluency report&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Bilan des acquis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Days 1 to %1</source>
        <comment>two days</comment>
        <translation>Jours 1 et %1</translation>
    </message>
    <message>
        <source>Days 1 to %1 and today (not yet saved)</source>
        <comment>two days</comment>
        <translation>Jours 1, %1 et aujourd’hui (pas encore enregistré)</translation>
    </message>
    <message>
        <source>due for review</source>
        <translation>à revoir</translation>
    </message>
    <message>
        <source>fluent and not due: %1 of %2</source>
        <extracomment>Under each matrix of the fluency report: the facts known by heart that need no review today, of all the matrix&apos;s facts.</extracomment>
        <translation>acquis et pas à revoir&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1, due for review</source>
        <extracomment>A fact of the fluency report, its state and that it is due for review today.</extracomment>
        <translation>%1, à revoir</translation>
    </message>
</context>
<context>
    <name>FolderWait</name>
    <message>
        <source>The class folder %1 has not answered for %2 seconds: the network, or the computer that shares it, may be down. Nothing is lost. You may go on waiting, or stop waiting and try again later.</source>
        <translation>Le dossier de la classe %1 ne répond plus depuis %2 secondes&#xa0;: le réseau, ou l’ordinateur qui le partage, est peut-être hors service. Rien n’est perdu. Vous pouvez continuer d’attendre, ou arrêter d’attendre et réessayer plus tard.</translation>
    </message>
    <message>
        <source>Stop Waiting</source>
        <translation>Arrêter d’attendre</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>%1 was saved as &quot;%2&quot;.</source>
        <extracomment>%1 is the document, as &quot;The certificate&quot;; %2 the PDF file.</extracomment>
        <translation>%1 a été enregistré sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; could not begin.</source>
        <translation>L’impression vers «&#xa0;%1&#xa0;» n’a pas pu commencer.</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot; did not complete.</source>
        <translation>L’impression vers «&#xa0;%1&#xa0;» n’a pas abouti.</translation>
    </message>
    <message>
        <source>There is no picture to print.</source>
        <translation>Il n’y a aucune image à imprimer.</translation>
    </message>
    <message>
        <source>The page of &quot;%1&quot; is too narrow to print on.</source>
        <translation>La page de «&#xa0;%1&#xa0;» est trop étroite pour l’impression.</translation>
    </message>
    <message>
        <source>Printed by: %1</source>
        <translation>Imprimé par&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>%1 plus %2 equals?</source>
        <extracomment>Spoken question, read out by a screen reader.</extracomment>
        <translation>%1 plus %2 égale combien&#xa0;?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals?</source>
        <translation>%1 moins %2 égale combien&#xa0;?</translation>
    </message>
    <message>
        <source>%1 times %2 equals?</source>
        <translation>%1 fois %2 égale combien&#xa0;?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals?</source>
        <translation>%1 divisé par %2 égale combien&#xa0;?</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <extracomment>A whole fact in words, read out by a screen reader.</extracomment>
        <translation>%1 plus %2 égale %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 moins %2 égale %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 fois %2 égale %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 divisé par %2 égale %3</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <extracomment>The system&apos;s reason why a file operation failed.</extracomment>
        <translation>Opération non autorisée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace libre sur le disque</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Référence de fichier périmée</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation, as in the results page and the certificate.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>Question type on the results page. Room: about 75 px.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>S. Round</source>
        <extracomment>Question type &quot;Speed Round&quot;, shortened, on the results page. Room: about 75 px.</extracomment>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Type a name first</source>
        <extracomment>Why a new pupil&apos;s name was refused. Room: 281 px.</extracomment>
        <translation>Saisissez d’abord un nom</translation>
    </message>
    <message>
        <source>No / or \ in a name</source>
        <translation>Pas de / ni de \ dans un nom</translation>
    </message>
    <message>
        <source>No &lt; &gt; : &quot; | ? * in a name</source>
        <translation>Pas de &lt; &gt; : &quot; | ? * dans un nom</translation>
    </message>
    <message>
        <source>No control characters in a name</source>
        <translation>Pas de caractère de contrôle</translation>
    </message>
    <message>
        <source>A name cannot be . or ..</source>
        <translation>Un nom ne peut pas être . ou ..</translation>
    </message>
    <message>
        <source>A name cannot end in a digit</source>
        <translation>Pas de chiffre à la fin du nom</translation>
    </message>
    <message>
        <source>Windows keeps this name for itself</source>
        <translation>Windows garde ce nom pour lui</translation>
    </message>
    <message>
        <source>Name too long, please abbreviate</source>
        <translation>Nom trop long, veuillez l’abréger</translation>
    </message>
    <message>
        <source>A character cannot be stored</source>
        <translation>Caractère non enregistrable</translation>
    </message>
    <message>
        <source>%1&apos;s days were left as they are: %2</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Les jours de %1 n’ont pas été modifiés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not delete %1&apos;s day %2: %3</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 the system&apos;s reason.</extracomment>
        <translation>Impossible de supprimer le jour %2 de %1&#xa0;: %3</translation>
    </message>
    <message>
        <source>Could not renumber %1&apos;s day %2 as day %3: %4</source>
        <extracomment>%1 is a pupil&apos;s name, %2 the day&apos;s number, %3 its new number, %4 the system&apos;s reason.</extracomment>
        <translation>Impossible de renuméroter le jour %2 de %1 en jour %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <extracomment>The length of a speed round. Room: 130 px.</extracomment>
        <translation>Durée&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>Time: %1 min </source>
        <extracomment>The length of a speed round in whole minutes (the blank at the end is the English text&apos;s own). Room: 130 px.</extracomment>
        <translation>Durée&#xa0;: %1 min</translation>
    </message>
    <message>
        <source>Time: %1 min %2 s</source>
        <extracomment>The length of a speed round in minutes and seconds. Room: 130 px.</extracomment>
        <translation>Durée&#xa0;: %1 min %2 s</translation>
    </message>
    <message>
        <source>right: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <extracomment>Read out after an answer was checked; %1 is the whole fact in words.</extracomment>
        <translation>faux&#xa0;: %1</translation>
    </message>
    <message>
        <source>empty grid for your dots</source>
        <extracomment>The dot board read out when the pupil draws the dots.</extracomment>
        <translation>quadrillage vide pour tes points</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dot board of an addition read out: &quot;3 dots and 4 dots&quot;. %1 and %2 are the two counts.
----------
Two operations joined: &quot;Addition and Division&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>no dots</source>
        <translation>aucun point</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1</source>
        <extracomment>The dot board of a multiplication read out: &quot;3 rows of 4 dots&quot;. %1 is the dots of one row.</extracomment>
        <translation>
            <numerusform>%n ligne de %1</numerusform>
            <numerusform>%n lignes de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>A sign read out: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>row %1, column %2, dot</source>
        <extracomment>A cell of the dot board read out, with or without a dot in it.</extracomment>
        <translation>ligne %1, colonne %2, point</translation>
    </message>
    <message>
        <source>row %1, column %2, empty</source>
        <translation>ligne %1, colonne %2, vide</translation>
    </message>
    <message>
        <source>in Practice</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>à l’entraînement</translation>
    </message>
    <message>
        <source>in Speed Round</source>
        <extracomment>Certificate line in large decorative capitals. Room: about 500 px at 40 px.</extracomment>
        <translation>au défi chrono</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 et %4</translation>
    </message>
    <message>
        <source>Involving %1</source>
        <extracomment>Certificate line: the operations the questions involved. Room: about 600 px.</extracomment>
        <translation>en %1</translation>
    </message>
    <message>
        <source>Using all the numbers up to %1!</source>
        <extracomment>Certificate line. %1 is the table&apos;s number. Room: about 600 px.</extracomment>
        <translation>avec tous les nombres jusqu’à %1&#xa0;!</translation>
    </message>
    <message>
        <source>Using only the number %1 and numbers up to %2!</source>
        <extracomment>Certificate line. %1 is the number practised, %2 the largest other number. Room: about 600 px.</extracomment>
        <translation>avec le nombre %1 et les nombres jusqu’à %2&#xa0;!</translation>
    </message>
    <message>
        <source>another copy of the program</source>
        <extracomment>Who holds a lock on a file: &quot;in use by another copy of the program&quot;.</extracomment>
        <translation>une autre copie du programme</translation>
    </message>
    <message>
        <source>computer %1, process %2, since %3</source>
        <extracomment>Who holds a lock on a file: %1 a computer&apos;s name, %2 a process number, %3 a time.</extracomment>
        <translation>ordinateur %1, processus %2, depuis %3</translation>
    </message>
    <message>
        <source>File too large: more than %1 MB</source>
        <translation>Fichier trop volumineux&#xa0;: plus de %1 Mo</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or the like)</source>
        <translation>Pas un fichier ordinaire (un tube, un périphérique ou autre)</translation>
    </message>
    <message>
        <source>Not a regular file, or a link to a file that cannot be reached</source>
        <translation>Pas un fichier ordinaire, ou un lien vers un fichier inaccessible</translation>
    </message>
    <message>
        <source>A link to a file that cannot be reached (%1)</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Un lien vers un fichier inaccessible (%1)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>utilisé par %1</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A time in a day file that is no whole number; %1 is the text found.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Too many lines for a day: more than %1</source>
        <translation>Trop de lignes pour un jour&#xa0;: plus de %1</translation>
    </message>
    <message>
        <source>it is being changed (%1); try again in a moment</source>
        <extracomment>The student list or the password cannot be changed now; %1 says who holds its lock.</extracomment>
        <translation>il est en cours de modification (%1)&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>could not be locked (%1: %2)</source>
        <extracomment>%1 is the lock&apos;s file name, %2 why it could not be taken.</extracomment>
        <translation>impossible de le verrouiller (%1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s days are in use by %2; the answers are kept, save again in a moment</source>
        <extracomment>A save waited for a pupil&apos;s days in vain. %1 is the pupil, %2 who holds the lock.</extracomment>
        <translation>les jours de %1 sont utilisés par %2&#xa0;; les réponses sont conservées, enregistrez de nouveau dans un instant</translation>
    </message>
    <message>
        <source>could not lock %1&apos;s days (%2: %3)</source>
        <extracomment>%1 is the pupil, %2 the lock&apos;s file name, %3 why it could not be taken.</extracomment>
        <translation>impossible de verrouiller les jours de %1 (%2&#xa0;: %3)</translation>
    </message>
    <message>
        <source>its process has ended</source>
        <translation>son processus est terminé</translation>
    </message>
    <message>
        <source>it was not renewed for %1 seconds</source>
        <extracomment>Why a lock left behind was removed; %1 is a number of seconds.</extracomment>
        <translation>il n’a pas été renouvelé depuis %1 secondes</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of %2 was removed: %3.</source>
        <extracomment>%1 is a lock file&apos;s name, %2 who held it, %3 why it was removed.</extracomment>
        <translation>Le verrou «&#xa0;%1&#xa0;», tenu par %2, a été supprimé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Lien entre périphériques non valide</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Dossier non vide</translation>
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
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>results page</comment>
        <extracomment>Operation in a column of the results page. Room: 85 px at 13 px.</extracomment>
        <translation>Multiplication</translation>
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
            <numerusform>%1. %n bonne réponse sur %2.</numerusform>
            <numerusform>%1. %n bonnes réponses sur %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct out of %1 asked!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers of %1 questions asked. Room: about 400 px.</extracomment>
        <translation>
            <numerusform>%n bonne réponse sur %1</numerusform>
            <numerusform>%n bonnes réponses sur %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct in %1 s!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers in a speed round of %1 seconds.</extracomment>
        <translation>
            <numerusform>%n bonne réponse en %1 s</numerusform>
            <numerusform>%n bonnes réponses en %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>A link to a file outside the class folder (%1); it is read but never written</source>
        <extracomment>%1 is the file the link points to.</extracomment>
        <translation>Un lien vers un fichier hors du dossier de la classe (%1)&#xa0;; il est lu, mais jamais écrit</translation>
    </message>
    <message>
        <source>A name cannot begin with .~</source>
        <extracomment>The program&apos;s hidden files begin with a dot and a tilde. Room: 281 px.</extracomment>
        <translation>Pas de .~ au début du nom</translation>
    </message>
    <message>
        <source>Would share history files with %1</source>
        <extracomment>%1 is a pupil on the list whose history files the new name would also use: Ann1 for Ann, since Ann&apos;s day 11 and Ann1&apos;s day 1 are one file. Room: 281 px with a short name.</extracomment>
        <translation>Aurait les mêmes fichiers que %1</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but their history files overlap: %1&apos;s day %3 is the same file as %2&apos;s day 1 (%4).</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list, %2 being %1 followed by digits; %3 is a day number of %1&apos;s, %4 the file both days are.</extracomment>
        <translation>%1 et %2 sont tous deux sur la liste des élèves, mais leurs fichiers se recoupent&#xa0;: le jour %3 de %1 est le même fichier que le jour 1 de %2 (%4).</translation>
    </message>
    <message>
        <source>The lock was taken over meanwhile: this computer had not renewed it for over a minute</source>
        <extracomment>A step of a clean-up or a save failed because another copy of the program took the lock after this computer had not renewed it for a minute (a sleeping laptop, a stalled network).</extracomment>
        <translation>Le verrou a été repris entre-temps&#xa0;: cet ordinateur ne l’avait pas renouvelé depuis plus d’une minute</translation>
    </message>
    <message>
        <source>The file changed since the work began</source>
        <extracomment>A file was not deleted or renumbered because it changed while the clean-up ran.</extracomment>
        <translation>Le fichier a changé depuis le début de l’opération</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the program keeps a lock: &quot;this is a link, not a lock of the program&apos;s&quot;.</extracomment>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>un tube (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>something that is no file</source>
        <translation>quelque chose qui n’est pas un fichier</translation>
    </message>
    <message>
        <source>a folder the program did not make (it holds &quot;%1&quot;)</source>
        <extracomment>A folder stands where the program keeps a lock; %1 is a name found in it.</extracomment>
        <translation>un dossier que le programme n’a pas créé (il contient «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>this is %1, not a lock of the program&apos;s; delete it when no computer is using the program</source>
        <extracomment>Something else has the name of one of the program&apos;s locks; %1 says what it is.</extracomment>
        <translation>c’est %1, pas un verrou du programme&#xa0;; supprimez-le quand aucun ordinateur n’utilise le programme</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1); it was set aside as &quot;%2&quot;</source>
        <extracomment>A clean-up interrupted earlier left a note of what was still to do; it was checked, found wrong and renamed rather than carried out. %1 is why, %2 the note&apos;s new file name.</extracomment>
        <translation>la note de nettoyage n’a pas été exécutée (%1)&#xa0;; elle a été mise de côté sous le nom «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the clean-up note was not carried out (%1)</source>
        <extracomment>As below, but the note could not even be renamed. %1 is why it was not carried out.</extracomment>
        <translation>la note de nettoyage n’a pas été exécutée (%1)</translation>
    </message>
    <message>
        <source>it is not one this program wrote</source>
        <extracomment>Why a clean-up note was not carried out.</extracomment>
        <translation>elle n’a pas été écrite par ce programme</translation>
    </message>
    <message>
        <source>it names another pupil</source>
        <extracomment>Why a clean-up note was not carried out: it is in one pupil&apos;s name but names another.</extracomment>
        <translation>elle concerne un autre élève</translation>
    </message>
    <message>
        <source>%1 is not on the list</source>
        <extracomment>Why a clean-up note was not carried out; %1 is a pupil&apos;s name, the list the student list.</extracomment>
        <translation>%1 n’est pas sur la liste des élèves</translation>
    </message>
    <message>
        <source>the list also holds %1, whose history files may be the same files</source>
        <extracomment>Why a clean-up was refused: %1 is another pupil on the student list, the pupil&apos;s name followed by digits (Ann1 for Ann), whose day files may have the same names.</extracomment>
        <translation>la liste des élèves contient aussi %1, qui a peut-être les mêmes fichiers</translation>
    </message>
    <message>
        <source>the note counts %1 days, but day %2 is there</source>
        <extracomment>Why a clean-up note was not carried out: it counts days 1 to %1, but a day %2 is there too.</extracomment>
        <translation>la note s’arrête au jour %1, mais le jour %2 existe</translation>
    </message>
    <message>
        <source>day %1 is not the day the note counted</source>
        <extracomment>Why a clean-up note was not carried out: day %1 is not the file the note recorded.</extracomment>
        <translation>le jour %1 n’est pas celui que la note a compté</translation>
    </message>
    <message>
        <source>day %1 is neither where the note had it nor where it was going</source>
        <extracomment>Why a clean-up note was not carried out: day %1 was being renumbered and is neither under its old number nor under its new one.</extracomment>
        <translation>le jour %1 n’est ni là où la note l’avait mis, ni là où il devait aller</translation>
    </message>
    <message>
        <source>it may be a history file of %1 too</source>
        <extracomment>Why a day file was not deleted: %1 is another pupil whose day it may be too (Ann&apos;s day 11 is Ann1&apos;s day 1).</extracomment>
        <translation>ce peut aussi être un fichier de %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; that the holder of the lock &quot;%2&quot; had set aside could not be put back (%3); it is kept as &quot;%4&quot;.</source>
        <extracomment>A lock was taken over from a holder that stopped halfway; a file it had moved into its own folder could not go back. %1 is the file&apos;s name, %2 the lock&apos;s, %3 the system&apos;s reason, %4 where the file is now.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;», mis de côté par le détenteur du verrou «&#xa0;%2&#xa0;», n’a pas pu être remis en place (%3)&#xa0;; il est conservé sous le nom «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Click here to create &amp;Password</source>
        <extracomment>Teacher menu item while no password exists. &amp; marks the Alt key letter.</extracomment>
        <translation>Cliquer ici pour créer un &amp;mot de passe</translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>Teacher menu item while the teacher commands are locked, from the program&apos;s start on.</extracomment>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Teacher menu item once a teacher logged out: the same, with an Alt key letter.</extracomment>
        <translation>&amp;Se connecter</translation>
    </message>
    <message>
        <source>&amp;Logout</source>
        <extracomment>Teacher menu item while a teacher is logged in. &amp; marks the Alt key letter.</extracomment>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of the numbers shown: &quot;,&quot; where &quot;12,5 s&quot; is written.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>The name is longer than %1 bytes, so its day files could pass the limit of 255 bytes for a file name</source>
        <extracomment>A pupil&apos;s name is too long to save under: %1 is the most bytes a name may have.</extracomment>
        <translation>Le nom dépasse %1 octets, ses fichiers de jours pourraient donc dépasser la limite de 255 octets d’un nom de fichier</translation>
    </message>
    <message>
        <source>Cannot load the JPEG library %1: %2</source>
        <extracomment>The certificate&apos;s picture cannot be drawn. %1 is the library&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de charger la bibliothèque JPEG %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <source>The JPEG library %1 has no %2</source>
        <extracomment>%1 is the library&apos;s file name, %2 a function it should have.</extracomment>
        <translation>La bibliothèque JPEG %1 n’a pas %2</translation>
    </message>
    <message>
        <source>Picture too large</source>
        <translation>Image trop grande</translation>
    </message>
    <message>
        <source>Picture cannot be shown in RGB</source>
        <translation>L’image ne peut pas être affichée en RVB</translation>
    </message>
    <message>
        <source>Addition</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence (&quot;... with addition and division&quot;).</extracomment>
        <translation>addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <comment>in the certificate&apos;s sentence</comment>
        <extracomment>Operation within the certificate&apos;s sentence.</extracomment>
        <translation>division</translation>
    </message>
    <message>
        <source>%1 and %2 are both on the student list, but to the computer they are one name: they share one set of history files.</source>
        <extracomment>Told at start. %1 and %2 are pupils on the list whose names differ only in capitals.</extracomment>
        <translation>%1 et %2 sont tous deux sur la liste des élèves, mais pour l’ordinateur c’est un seul nom&#xa0;: ils partagent les mêmes fichiers d’historique.</translation>
    </message>
    <message>
        <source>%1 is on the list already</source>
        <extracomment>%1 is the pupil on the list with that name, or with it in other capitals. Room: 281 px.</extracomment>
        <translation>%1 est déjà sur la liste</translation>
    </message>
</context>
<context>
    <name>TCertificatefrm</name>
    <message>
        <source>Certificate</source>
        <translation>Diplôme</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printed &amp;by...</source>
        <extracomment>Menu command: asks for the name printed under the certificate.</extracomment>
        <translation>Imprimé &amp;par...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu command: closes the certificate.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Congratulations!!!</source>
        <extracomment>The certificate&apos;s heading, in large decorative capitals. Room: about 650 px at 67 px.</extracomment>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>You got</source>
        <extracomment>Certificate line, followed by the score on the next line (&quot;7 correct out of 10 asked!&quot;).</extracomment>
        <translation>Tu as obtenu</translation>
    </message>
    <message>
        <source>The certificate</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Le diplôme</translation>
    </message>
</context>
<context>
    <name>TClassOverviewfrm</name>
    <message>
        <source>Name</source>
        <extracomment>Column headings of the class overview; a column is as wide as its widest entry.
----------
Column headings of the exported class overview (a spreadsheet file).</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers, as in &quot;85%&quot;.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>↑ up</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↑ en hausse</translation>
    </message>
    <message>
        <source>→ level</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>→ stable</translation>
    </message>
    <message>
        <source>↓ down</source>
        <extracomment>Trend of a pupil&apos;s right answers; the arrow stays.</extracomment>
        <translation>↓ en baisse</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Aperçu de la classe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Class overview</source>
        <translation>Aperçu de la classe</translation>
    </message>
    <message>
        <source>Class Overview - %1</source>
        <translation>Aperçu de la classe - %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day file(s) could not be read and are left out: %1.</source>
        <translation>
            <numerusform>%n fichier de jour n’a pas pu être lu et a été ignoré&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers de jour n’ont pas pu être lus et ont été ignorés&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 fluent</source>
        <translation>%1 sur %2 acquis</translation>
    </message>
    <message>
        <source>The class overview</source>
        <translation>L’aperçu de la classe</translation>
    </message>
    <message>
        <source>Export Class Overview</source>
        <translation>Exporter l’aperçu de la classe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The class overview was saved as &quot;%1&quot;.</source>
        <translation>L’aperçu de la classe a été enregistré sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Last day % right</source>
        <translation>Dernier jour % justes</translation>
    </message>
    <message>
        <source>Addition fluent of %1</source>
        <translation>Addition acquis sur %1</translation>
    </message>
    <message>
        <source>Subtraction fluent of %1</source>
        <translation>Soustraction acquis sur %1</translation>
    </message>
    <message>
        <source>Multiplication fluent of %1</source>
        <translation>Multiplication acquis sur %1</translation>
    </message>
    <message>
        <source>Division fluent of %1</source>
        <translation>Division acquis sur %1</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>A pupil&apos;s trend in the exported class overview: the share of right answers goes down, stays, goes up.</extracomment>
        <translation>en baisse</translation>
    </message>
    <message>
        <source>level</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>up</source>
        <translation>en hausse</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>À revoir aujourd’hui</translation>
    </message>
</context>
<context>
    <name>TFluencyReportfrm</name>
    <message>
        <source>Fluency Report</source>
        <extracomment>Subject of the sentence &quot;%1 was saved as ...&quot;.</extracomment>
        <translation>Bilan des acquis</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fluency Report - %1</source>
        <translation>Bilan des acquis - %1</translation>
    </message>
    <message>
        <source>The fluency report</source>
        <translation>Le bilan des acquis</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>THelpfrm</name>
    <message>
        <source>Quorvex Help</source>
        <extracomment>Title of the manual&apos;s window, as the Help menu&apos;s item.
----------
Read out by a screen reader as the manual&apos;s name.</extracomment>
        <translation>Aide de Quorvex</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button: closes the manual.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TWhoami</name>
    <message>
        <source>I am ....</source>
        <extracomment>Title of the dialog asking who prints.</extracomment>
        <translation>Je suis ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Ce nom figurera sur l’impression</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Flash cards for addition, subtraction, multiplication and division.</source>
        <translation>Cartes de calcul pour l’addition, la soustraction, la multiplication et la division.</translation>
    </message>
</context>
<context>
    <name>Tflashcardfrm</name>
    <message>
        <source>Flash Cards</source>
        <extracomment>Title of the main window.</extracomment>
        <translation>Cartes de calcul</translation>
    </message>
    <message>
        <source>See how many questions you can answer in the time you decide!</source>
        <extracomment>The speed-round panel&apos;s instructions, one line each, in a box 505 px wide and four lines high.</extracomment>
        <translation>Combien de questions vas-tu réussir dans le temps que tu choisis&#xa0;?</translation>
    </message>
    <message>
        <source>Be sure to select the types of questions you want to see.</source>
        <translation>Choisis bien les types de questions que tu veux voir.</translation>
    </message>
    <message>
        <source>Don&apos;t worry about wrong answers, they won&apos;t be counted.</source>
        <translation>Pas de souci pour les erreurs&#xa0;: elles ne sont pas comptées.</translation>
    </message>
    <message>
        <source>GOOD LUCK!!</source>
        <translation>BONNE CHANCE&#xa0;!!</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Nom du produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version:%1</source>
        <extracomment>Followed by the version number without a blank, as in &quot;Version:1.0&quot;.</extracomment>
        <translation>Version:%1</translation>
    </message>
    <message>
        <source>The answers could not be saved. Close without saving them?</source>
        <translation>Les réponses n’ont pas pu être enregistrées. Fermer sans les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Questions Correct: %1</source>
        <translation>Bonnes réponses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Questions Asked: %1</source>
        <translation>Questions posées&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n dots drawn</source>
        <extracomment>Above the dot board: how many dots the pupil has placed.</extracomment>
        <translation>
            <numerusform>%n point dessiné</numerusform>
            <numerusform>%n points dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Last item of the list of pupils whose day files are cleaned up: every pupil.</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Reading the pupils&apos; days...</source>
        <translation>Lecture des jours des élèves...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Class Overview</source>
        <translation>Aperçu de la classe</translation>
    </message>
    <message>
        <source>Total time: %1 s</source>
        <extracomment>The time since the drill began. Room: about 115 px.</extracomment>
        <translation>Temps total&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>Day %1</source>
        <extracomment>An item of the list of earlier days on the results tab. Room: about 65 px.</extracomment>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Print &amp;Certificate</source>
        <translation>Imprimer le &amp;diplôme</translation>
    </message>
    <message>
        <source>&amp;Fluency Report</source>
        <translation>&amp;Bilan des acquis</translation>
    </message>
    <message>
        <source>Teacher Stuff</source>
        <extracomment>Submenu of File holding the teacher&apos;s commands.</extracomment>
        <translation>Espace enseignant</translation>
    </message>
    <message>
        <source>Login to access</source>
        <extracomment>Teacher menu: shows the panel to log in or set a password.</extracomment>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>&amp;Delete a student</source>
        <translation>&amp;Supprimer un élève</translation>
    </message>
    <message>
        <source>&amp;Add a Student</source>
        <translation>&amp;Ajouter un élève</translation>
    </message>
    <message>
        <source>&amp;File clean up</source>
        <translation>&amp;Nettoyer les fichiers</translation>
    </message>
    <message>
        <source>Class &amp;Overview</source>
        <translation>Aperçu de la &amp;classe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show &amp;Timer</source>
        <translation>Afficher le &amp;chrono</translation>
    </message>
    <message>
        <source>Redo Wrong after</source>
        <extracomment>Submenu: after how many questions a wrongly answered question comes back.</extracomment>
        <translation>Reposer les erreurs après</translation>
    </message>
    <message>
        <source>repeat wrong answers more than right</source>
        <translation>reposer les mauvaises réponses plus souvent que les bonnes</translation>
    </message>
    <message>
        <source>5 questions</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;.</extracomment>
        <translation>5 questions</translation>
    </message>
    <message>
        <source>10 Questions</source>
        <translation>10 questions</translation>
    </message>
    <message>
        <source>15 Questions</source>
        <translation>15 questions</translation>
    </message>
    <message>
        <source>20 Questions</source>
        <translation>20 questions</translation>
    </message>
    <message>
        <source>Always &amp;Random</source>
        <extracomment>Choice in &quot;Redo Wrong after&quot;: questions never come back on purpose.</extracomment>
        <translation>Toujours au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <extracomment>Hidden menu item.</extracomment>
        <translation>&amp;Enregistrer les données</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Questions asked: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Questions posées&#xa0;: 0</translation>
    </message>
    <message>
        <source>Questions correct: 0</source>
        <extracomment>Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold.</extracomment>
        <translation>Bonnes réponses&#xa0;: 0</translation>
    </message>
    <message>
        <source>User Name</source>
        <extracomment>Label above the list of pupils. Room: 100 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Involving</source>
        <extracomment>Group title: which numbers the questions involve. Room: 185 px.</extracomment>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Tables of</source>
        <extracomment>Radio button; a number list follows to its right. Room: 90 px at 19 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Table de</translation>
    </message>
    <message>
        <source>Practice with up to #</source>
        <extracomment>Radio button wrapping onto two lines; a number list sits in the second line after about 85 px. # stands for that number.</extracomment>
        <translation>Entraînement jusqu’à</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Group title above the four operations (what the question asks for). Room: 185 px.</extracomment>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <extracomment>Operation. Room: 160 px at 19 px bold.</extracomment>
        <translation>Division</translation>
    </message>
    <message>
        <source>Include zero</source>
        <extracomment>Check box: questions may use the number 0. Room: 160 px at 16 px bold.</extracomment>
        <translation>Avec le zéro</translation>
    </message>
    <message>
        <source>Mix and Match</source>
        <extracomment>Check box: ask several ticked operations mixed. Room: 160 px at 16 px bold.</extracomment>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Total Time: 0.0 s</source>
        <extracomment>Replaced while the clock runs. Room: 115 px.</extracomment>
        <translation>Temps total&#xa0;: 0,0 s</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <extracomment>Tab of the list of answers.</extracomment>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>0 dots drawn</source>
        <extracomment>Above the dot board.</extracomment>
        <translation>0 point dessiné</translation>
    </message>
    <message>
        <source>&amp;Show in order</source>
        <extracomment>Radio button on the results tab; the next one starts 128 px to the right.</extracomment>
        <translation>&amp;Dans l’ordre</translation>
    </message>
    <message>
        <source>Show &amp;Wrong first</source>
        <extracomment>Radio button on the results tab; the next one starts 144 px to the right.</extracomment>
        <translation>&amp;Erreurs d’abord</translation>
    </message>
    <message>
        <source>&amp;Longest times first</source>
        <extracomment>Radio button on the results tab; the next one starts 152 px to the right.</extracomment>
        <translation>Plus &amp;lentes d’abord</translation>
    </message>
    <message>
        <source>Shortest &amp;times first</source>
        <extracomment>Radio button on the results tab; the next one starts 160 px to the right.</extracomment>
        <translation>Plus rap&amp;ides d’abord</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <extracomment>Check box on the results tab: show the answers of an earlier day. Room: about 110 px.</extracomment>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>Group title of the question strip.</extracomment>
        <translation>Question</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Button that starts the drill. Room: 185 px at 19 px bold.</extracomment>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: check the typed answer. Room: 185 px.</extracomment>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Question Type</source>
        <extracomment>Group title. Room: 215 px at 16 px bold.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Type de questions</translation>
    </message>
    <message>
        <source>Practice|Speed Round</source>
        <extracomment>The two items of a drop-down list, separated by |. Keep the |. Room: 120 px each.</extracomment>
        <translation>Entraînement|Défi chrono</translation>
    </message>
    <message>
        <source>Speed Round </source>
        <extracomment>Title of the speed-round panel.</extracomment>
        <translation>Défi chrono </translation>
    </message>
    <message>
        <source>Time: 60 s</source>
        <extracomment>Replaced when the round length is changed. Room: 130 px.</extracomment>
        <translation>Durée&#xa0;: 60 s</translation>
    </message>
    <message>
        <source>You did:</source>
        <extracomment>Shown above the number of right answers at the end of a speed round.</extracomment>
        <translation>Ton score&#xa0;:</translation>
    </message>
    <message>
        <source>File Clean Up</source>
        <extracomment>Title of the teacher panel that deletes old day files.</extracomment>
        <translation>Nettoyage des fichiers</translation>
    </message>
    <message>
        <source>Delete some of the  history files</source>
        <extracomment>Room: 237 px.</extracomment>
        <translation>Supprimer d’anciens fichiers</translation>
    </message>
    <message>
        <source>Keep only the last                files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 162 px from the left of the text: keep enough blanks so the list covers no word. Room: 257 px.</extracomment>
        <translation>Garder les derniers</translation>
    </message>
    <message>
        <source>Delete the first               files</source>
        <extracomment>Radio button. A number list of 49 px lies over the blanks, starting 134 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Effacer du 1 au</translation>
    </message>
    <message>
        <source>Note:  All deletions are final!</source>
        <extracomment>Warning in red. Room: 210 px.</extracomment>
        <translation>Attention&#xa0;: c’est définitif&#xa0;!</translation>
    </message>
    <message>
        <source>For the following student(s)</source>
        <extracomment>A list of pupils (or &quot;All&quot;) follows below. Room: 209 px.</extracomment>
        <translation>Pour l’élève ou les élèves&#xa0;:</translation>
    </message>
    <message>
        <source>DELETED!!</source>
        <extracomment>Shown in red after files were deleted. Room: 102 px at 19 px bold.</extracomment>
        <translation>SUPPRIMÉ</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button. Room: 105 px.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Do&amp;ne</source>
        <extracomment>Button: close the panel. Room: about 100 px.</extracomment>
        <translation>Ter&amp;miné</translation>
    </message>
    <message>
        <source>Add a Student</source>
        <extracomment>Title of the teacher panel that adds a pupil to the list.</extracomment>
        <translation>Ajouter un élève</translation>
    </message>
    <message>
        <source>No spaces in name use __ instead</source>
        <extracomment>Note under the name box. Room: 259 px.</extracomment>
        <translation>Pas d’espace, utilisez __</translation>
    </message>
    <message>
        <source>notes:</source>
        <extracomment>Room: 49 px.</extracomment>
        <translation>note&#xa0;:</translation>
    </message>
    <message>
        <source>For long names, please abbreviate</source>
        <extracomment>Note under the name box. Room: 261 px.</extracomment>
        <translation>Abrégez les noms trop longs</translation>
    </message>
    <message>
        <source>Student was added!</source>
        <extracomment>Shown in green after adding a pupil. Room: 150 px.</extracomment>
        <translation>Élève ajouté&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button. Room: 113 px at 19 px bold.</extracomment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>Button: close the panel. Room: 113 px at 19 px bold.</extracomment>
        <translation>Ter&amp;miné</translation>
    </message>
    <message>
        <source>Delete a student</source>
        <extracomment>Title of the teacher panel that removes a pupil from the list.</extracomment>
        <translation>Supprimer un élève</translation>
    </message>
    <message>
        <source>Select student to delete</source>
        <extracomment>Room: 178 px.</extracomment>
        <translation>Élève à supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button. Room: 97 px.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button. Room: 99 px.</extracomment>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Log-in</source>
        <extracomment>Title of the panels for the teacher password.</extracomment>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>No password is set</source>
        <extracomment>Room: 144 px, centred.</extracomment>
        <translation>Sans mot de passe</translation>
    </message>
    <message>
        <source>Create a password to restrict </source>
        <extracomment>First half of a sentence continued by the next line (&quot;Student data manipulation&quot;). Room: 221 px.</extracomment>
        <translation>Un mot de passe protège </translation>
    </message>
    <message>
        <source>Student data manipulation</source>
        <extracomment>Second half of &quot;Create a password to restrict ... &quot;. Room: 199 px.</extracomment>
        <translation>les données des élèves</translation>
    </message>
    <message>
        <source>Set Password</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Log-out</source>
        <extracomment>Title of the panel for logging the teacher out.</extracomment>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Log out</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Label beside the password box. Room: 93 px.
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Log in failed</source>
        <extracomment>Shown in red. Room: 93 px at 16 px bold.</extracomment>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Log in</source>
        <extracomment>Button. Room: 129 px.</extracomment>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Press Start for a question</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Appuie sur Commencer pour avoir une question</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Practice with up to</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Entraînement jusqu’à</translation>
    </message>
    <message>
        <source>Speed round length in seconds</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Durée du défi chrono en secondes</translation>
    </message>
    <message>
        <source>Array board</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tableau de points</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Arrays and results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Tableau de points et résultats</translation>
    </message>
    <message>
        <source>Scroll the results</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Faire défiler les résultats</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>Column headings of a pupil&apos;s exported answers (a spreadsheet file).
----------
Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Number of last files to keep</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nombre de fichiers récents à garder</translation>
    </message>
    <message>
        <source>Number of first files to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nombre de fichiers anciens à supprimer</translation>
    </message>
    <message>
        <source>Student to clean up</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Élève concerné par le nettoyage</translation>
    </message>
    <message>
        <source>Student to delete</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Élève à supprimer</translation>
    </message>
    <message>
        <source>Name of the new student</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nom du nouvel élève</translation>
    </message>
    <message>
        <source>New password</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>No answers</source>
        <translation>Aucune réponse</translation>
    </message>
    <message>
        <source>A teacher password has been set on another computer meanwhile. Log in with that password.</source>
        <translation>Entre-temps, un mot de passe enseignant a été défini sur un autre ordinateur. Connectez-vous avec ce mot de passe.</translation>
    </message>
    <message>
        <source>This password cannot be stored: it holds a character the password file cannot keep.</source>
        <translation>Ce mot de passe ne peut pas être enregistré&#xa0;: il contient un caractère que le fichier des mots de passe ne peut pas conserver.</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <extracomment>The question button once the drill runs: asks the next question. Room: 185 px at 19 px bold.</extracomment>
        <translation>&amp;Question suivante</translation>
    </message>
    <message>
        <source>%1, %2, %3, answered %4, %5</source>
        <extracomment>A line of the results page read out: question type, operation, the fact in words, the answer given, then &quot;right&quot; or &quot;wrong&quot;.</extracomment>
        <translation>%1, %2, %3, réponse %4, %5</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>, %1 seconds</source>
        <extracomment>Added to a line of the results page read out: the time the answer took.</extracomment>
        <translation>, %1 secondes</translation>
    </message>
    <message>
        <source>The student list was not read</source>
        <extracomment>Shown in red in place of the notes of the Add a Student panel. Room: 281 px.</extracomment>
        <translation>La liste des élèves n’a pas été lue</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds, after a number: &quot;12.5 s&quot;.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Arrays</source>
        <extracomment>Tab of the dot board.</extracomment>
        <translation>&amp;Tableau de points</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is on a network share (%2). Quorvex cannot see how this computer mounts it: pupils&apos; answers are safe there only when every computer mounts the share without caching, as the README says under &quot;Network shares&quot;.</source>
        <extracomment>At start, once per computer. %1 is the class folder, %2 the share&apos;s kind of file system (&quot;nfs4&quot;, &quot;cifs&quot;, &quot;fuse.sshfs&quot;). The README&apos;s section keeps its English title.</extracomment>
        <translation>Le dossier de la classe «&#xa0;%1&#xa0;» se trouve sur un partage réseau (%2). Quorvex ne peut pas voir comment cet ordinateur le monte&#xa0;: les réponses des élèves n’y sont en sécurité que si chaque ordinateur monte le partage sans cache, comme l’indique le README sous «&#xa0;Network shares&#xa0;».</translation>
    </message>
    <message>
        <source>Reading %1&apos;s saved days...</source>
        <translation>Lecture des jours enregistrés de %1...</translation>
    </message>
    <message>
        <source>Fluency Report</source>
        <translation>Bilan des acquis</translation>
    </message>
    <message>
        <source>Saving %1&apos;s answers...</source>
        <translation>Enregistrement des réponses de %1...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1&apos;s answers could not be saved: the class folder did not answer. They are kept, to be saved at the next occasion.</source>
        <translation>Les réponses de %1 n’ont pas pu être enregistrées&#xa0;: le dossier de la classe n’a pas répondu. Elles sont conservées et seront enregistrées à la prochaine occasion.</translation>
    </message>
    <message>
        <source>The class folder has not yet answered the last save of %1&apos;s answers. They are kept, to be saved once it has.</source>
        <translation>Le dossier de la classe n’a pas encore répondu au dernier enregistrement des réponses de %1. Elles sont conservées et seront enregistrées dès qu’il aura répondu.</translation>
    </message>
    <message>
        <source>Cleaning up the days...</source>
        <translation>Nettoyage des jours...</translation>
    </message>
    <message>
        <source>Writing the list of names...</source>
        <translation>Écriture de la liste des noms...</translation>
    </message>
    <message>
        <source>Deleting the students and their days...</source>
        <translation>Suppression des élèves et de leurs jours...</translation>
    </message>
    <message>
        <source>Operation</source>
        <extracomment>Read out by a screen reader as the name of the group of the four operations.</extracomment>
        <translation>Opération</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a choice just made, then the question</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <extracomment>Menu item: the whole window larger (Ctrl+Plus).</extracomment>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <extracomment>Menu item: the whole window smaller (Ctrl+Minus).</extracomment>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <extracomment>Menu item: the window at its normal size (Ctrl+0).</extracomment>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <extracomment>Menu item: the window fills the whole screen (F11).</extracomment>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>Start comes back when Show History is unticked</source>
        <extracomment>Shown in the question strip while an earlier day shows on the results tab. Room: 560 px at 13 px bold.</extracomment>
        <translation>«&#xa0;Commencer&#xa0;» revient quand «&#xa0;Historique&#xa0;» est décoché</translation>
    </message>
    <message>
        <source>Show the password</source>
        <extracomment>The button in a password box that shows or hides what was typed.</extracomment>
        <translation>Afficher le code</translation>
    </message>
    <message>
        <source>How far the numbers go when you practise one table</source>
        <extracomment>Tooltip of the number list in &quot;Practice with up to #&quot;.</extracomment>
        <translation>Jusqu’où vont les nombres quand tu t’entraînes sur une seule table</translation>
    </message>
    <message>
        <source>Questions that add: 3 + 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Des additions&#xa0;: 3 + 4 =&#xa0;?</translation>
    </message>
    <message>
        <source>Questions that take away: 9 - 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Des soustractions&#xa0;: 9 - 4 =&#xa0;?</translation>
    </message>
    <message>
        <source>Questions that multiply: 3 x 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Des multiplications&#xa0;: 3 x 4 =&#xa0;?</translation>
    </message>
    <message>
        <source>Questions that divide: 12 ÷ 4 = ?</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Des divisions&#xa0;: 12 ÷ 4 =&#xa0;?</translation>
    </message>
    <message>
        <source>Tick to mix in questions that add</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Coche pour ajouter des additions au mélange</translation>
    </message>
    <message>
        <source>Tick to mix in questions that take away</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Coche pour ajouter des soustractions au mélange</translation>
    </message>
    <message>
        <source>Tick to mix in questions that multiply</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Coche pour ajouter des multiplications au mélange</translation>
    </message>
    <message>
        <source>Tick to mix in questions that divide</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Coche pour ajouter des divisions au mélange</translation>
    </message>
    <message>
        <source>The questions may use the number 0 too</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les questions peuvent aussi utiliser le nombre 0</translation>
    </message>
    <message>
        <source>Tick more than one kind of question and get them mixed</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Coche plusieurs sortes de questions et elles arrivent mélangées</translation>
    </message>
    <message>
        <source>Practice: one question after another, as long as you like. Speed Round: as many as you can before the time runs out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Entraînement&#xa0;: une question après l’autre, aussi longtemps que tu veux. Défi chrono&#xa0;: le plus de questions possible avant la fin du temps</translation>
    </message>
    <message>
        <source>How many seconds the speed round lasts</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Combien de secondes dure le défi chrono</translation>
    </message>
    <message>
        <source>Pick your name before you start: your answers are saved under it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Choisis ton nom avant de commencer&#xa0;: tes réponses sont enregistrées à ce nom</translation>
    </message>
    <message>
        <source>Start, and then the next question (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Commencer, puis la question suivante (Entrée)</translation>
    </message>
    <message>
        <source>See if your answer is right (Enter)</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Regarde si ta réponse est juste (Entrée)</translation>
    </message>
    <message>
        <source>Type your answer here and press Enter</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tape ta réponse ici et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Dots that show the question. For take-away and divide questions, click to put dots down and count them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Des points qui montrent la question. Pour les soustractions et les divisions, clique pour poser des points et compte-les</translation>
    </message>
    <message>
        <source>Your answers: green with a tick is right, red with a cross is wrong</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tes réponses&#xa0;: en vert avec une coche, c’est juste&#xa0;; en rouge avec une croix, c’est faux</translation>
    </message>
    <message>
        <source>Scroll through your answers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fais défiler tes réponses</translation>
    </message>
    <message>
        <source>Your answers in the order you gave them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tes réponses dans l’ordre où tu les as données</translation>
    </message>
    <message>
        <source>Wrong answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les mauvaises réponses en haut</translation>
    </message>
    <message>
        <source>The slowest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les réponses les plus lentes en haut</translation>
    </message>
    <message>
        <source>The fastest answers at the top</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les réponses les plus rapides en haut</translation>
    </message>
    <message>
        <source>Look at the answers of an earlier day</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Regarde les réponses d’un jour précédent</translation>
    </message>
    <message>
        <source>Which day to look at: 1 is the first</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Quel jour regarder&#xa0;: 1 est le premier</translation>
    </message>
    <message>
        <source>The new pupil&apos;s name, without spaces</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Le nom du nouvel élève, sans espaces</translation>
    </message>
    <message>
        <source>Put the name on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Ajouter le nom à la liste</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fermer ce panneau</translation>
    </message>
    <message>
        <source>The pupil to take off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>L’élève à retirer de la liste</translation>
    </message>
    <message>
        <source>Take this pupil off the list, with all their saved days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Retirer cet élève de la liste, avec tous ses jours enregistrés</translation>
    </message>
    <message>
        <source>Close this panel without taking anyone off</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fermer ce panneau sans retirer personne</translation>
    </message>
    <message>
        <source>Keep only the newest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Garder seulement les jours les plus récents</translation>
    </message>
    <message>
        <source>How many of the newest days to keep</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Combien de jours récents garder</translation>
    </message>
    <message>
        <source>Delete the oldest days</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Supprimer les jours les plus anciens</translation>
    </message>
    <message>
        <source>How many of the oldest days to delete</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Combien de jours anciens supprimer</translation>
    </message>
    <message>
        <source>Whose days: one pupil, or everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les jours de quel élève&#xa0;: un seul, ou tout le monde</translation>
    </message>
    <message>
        <source>Delete those days now: this cannot be undone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Supprimer ces jours maintenant&#xa0;: on ne peut pas revenir en arrière</translation>
    </message>
    <message>
        <source>The new teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Le nouveau mot de passe enseignant</translation>
    </message>
    <message>
        <source>The same password again, to be sure it has no typo</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Le même mot de passe encore une fois, pour être sûr qu’il n’y a pas de faute de frappe</translation>
    </message>
    <message>
        <source>Keep this password: the teacher&apos;s commands then ask for it</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Garder ce mot de passe&#xa0;: les commandes de l’enseignant le demanderont ensuite</translation>
    </message>
    <message>
        <source>Close without setting a password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fermer sans créer de mot de passe</translation>
    </message>
    <message>
        <source>The teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Le mot de passe enseignant</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s commands</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Ouvrir les commandes de l’enseignant</translation>
    </message>
    <message>
        <source>Close without logging in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fermer sans se connecter</translation>
    </message>
    <message>
        <source>Lock the teacher&apos;s commands again</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Verrouiller à nouveau les commandes de l’enseignant</translation>
    </message>
    <message>
        <source>Close and stay logged in</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Fermer et rester connecté</translation>
    </message>
    <message>
        <source>Dots that show the question</source>
        <extracomment>Tooltip of the Arrays tab.</extracomment>
        <translation>Des points qui montrent la question</translation>
    </message>
    <message>
        <source>Every answer you gave, right or wrong</source>
        <extracomment>Tooltip of the Results tab.</extracomment>
        <translation>Toutes les réponses que tu as données, justes ou fausses</translation>
    </message>
    <message>
        <source>Tables of %1: every table from 1 to %1</source>
        <extracomment>Tooltip of &quot;Tables of&quot; with the number chosen beside it.</extracomment>
        <translation>Table de %1&#xa0;: toutes les tables de 1 à %1</translation>
    </message>
    <message>
        <source>Tables of %1 asks every table from 1 to %1; Practice asks only the table of %1</source>
        <extracomment>Tooltip of the number beside &quot;Tables of&quot;; it is also the table practised with &quot;Practice with up to #&quot;.</extracomment>
        <translation>«&#xa0;Table de %1&#xa0;» pose toutes les tables de 1 à %1&#xa0;; «&#xa0;Entraînement jusqu’à&#xa0;» pose seulement la table de %1</translation>
    </message>
    <message>
        <source>Practice with up to %1: only the table of %2, with numbers from 1 to %1</source>
        <extracomment>Tooltip of &quot;Practice with up to #&quot;: %1 is the number in its list, %2 the one beside &quot;Tables of&quot;.</extracomment>
        <translation>Entraînement jusqu’à %1&#xa0;: seulement la table de %2, avec les nombres de 1 à %1</translation>
    </message>
    <message>
        <source>Certificates, reports, the teacher&apos;s commands and closing</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les diplômes, les bilans, les commandes de l’enseignant et la sortie</translation>
    </message>
    <message>
        <source>A certificate for what you did, to print</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Un diplôme pour ce que tu as fait, à imprimer</translation>
    </message>
    <message>
        <source>Which facts you know by heart, and how each day went</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les calculs que tu connais par cœur, et comment s’est passé chaque jour</translation>
    </message>
    <message>
        <source>The teacher&apos;s commands, behind the teacher password</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les commandes de l’enseignant, protégées par le mot de passe enseignant</translation>
    </message>
    <message>
        <source>Set the teacher password, log in or log out</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Créer le mot de passe enseignant, se connecter ou se déconnecter</translation>
    </message>
    <message>
        <source>Take a pupil off the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Retirer un élève de la liste</translation>
    </message>
    <message>
        <source>Put a new pupil on the list</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Ajouter un nouvel élève à la liste</translation>
    </message>
    <message>
        <source>Delete the oldest days of one pupil or of everyone</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Supprimer les jours les plus anciens d’un élève ou de tout le monde</translation>
    </message>
    <message>
        <source>How every pupil is doing, on one page</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Où en est chaque élève, sur une seule page</translation>
    </message>
    <message>
        <source>Save your answers and close Quorvex</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Enregistrer tes réponses et fermer Quorvex</translation>
    </message>
    <message>
        <source>Choices for the drill and for the window</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Les choix pour l’exercice et pour la fenêtre</translation>
    </message>
    <message>
        <source>Show the clock while you answer</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Afficher le chrono pendant que tu réponds</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 5 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Une question ratée revient après 5 questions</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 10 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Une question ratée revient après 10 questions</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 15 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Une question ratée revient après 15 questions</translation>
    </message>
    <message>
        <source>A question you got wrong comes back after 20 questions</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Une question ratée revient après 20 questions</translation>
    </message>
    <message>
        <source>Every question is picked at random</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Chaque question est choisie au hasard</translation>
    </message>
    <message>
        <source>Save your answers now</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Enregistrer tes réponses maintenant</translation>
    </message>
    <message>
        <source>Make everything bigger</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tout agrandir</translation>
    </message>
    <message>
        <source>Make everything smaller</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tout rétrécir</translation>
    </message>
    <message>
        <source>Everything back to its normal size</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Tout revient à sa taille normale</translation>
    </message>
    <message>
        <source>Fill the whole screen; press F11 again to go back</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Remplir tout l’écran&#xa0;; appuie encore sur F11 pour revenir</translation>
    </message>
    <message>
        <source>Which version of Quorvex this is</source>
        <extracomment>Tooltip.</extracomment>
        <translation>La version de Quorvex que tu utilises</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title, after the others.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How Quorvex works</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Comment marche Quorvex</translation>
    </message>
    <message>
        <source>Quorvex &amp;Help</source>
        <extracomment>Menu item that opens the manual (F1).</extracomment>
        <translation>&amp;Aide de Quorvex</translation>
    </message>
    <message>
        <source>How Quorvex works, for pupils and for teachers</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Comment marche Quorvex, pour les élèves et pour les enseignants</translation>
    </message>
    <message>
        <source>New password again</source>
        <extracomment>Read out by a screen reader as the control&apos;s name: the second box, where the new password is typed again.</extracomment>
        <translation>Répéter le nouveau mot de passe</translation>
    </message>
    <message>
        <source>The two passwords are not the same. Type the new password in both boxes again.</source>
        <translation>Les deux mots de passe ne sont pas identiques. Tapez encore une fois le nouveau mot de passe dans les deux cases.</translation>
    </message>
    <message>
        <source>Once more</source>
        <extracomment>Shown in the empty second box for a new password, where it is typed again. Room: about 100 px.</extracomment>
        <translation>Encore</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <extracomment>The button in a password box while it shows what was typed.</extracomment>
        <translation>Masquer le code</translation>
    </message>
    <message>
        <source>Question type</source>
        <translation>Type de question</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Answer typed</source>
        <translation>Réponse tapée</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Tenths of a second</source>
        <translation>Dixièmes de seconde</translation>
    </message>
    <message>
        <source>practice</source>
        <extracomment>A question type in a pupil&apos;s exported answers.</extracomment>
        <translation>exercice</translation>
    </message>
    <message>
        <source>speed round</source>
        <extracomment>A question type in a pupil&apos;s exported answers: an answer saved without a time.</extracomment>
        <translation>défi chrono</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether an exported answer was right.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>No day was saved, so there is no day file.</source>
        <translation>Aucun jour n’a été enregistré, il n’y a donc pas de fichier de jour.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %2: the %n day file(s), copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</source>
        <translation>
            <numerusform>%1 à %2&#xa0;: le fichier de jour (%n), copié octet par octet. Chaque ligne est une réponse&#xa0;: l’opération, 1 pour juste ou 0 pour faux, le calcul, la réponse tapée et le temps en dixièmes de seconde (0 en défi chrono). Les textes sont dans le jeu de caractères Windows-1252.</numerusform>
            <numerusform>%1 à %2&#xa0;: les %n fichiers des jours, copiés octet par octet. Chaque ligne est une réponse&#xa0;: l’opération, 1 pour juste ou 0 pour faux, le calcul, la réponse tapée et le temps en dixièmes de seconde (0 en défi chrono). Les textes sont dans le jeu de caractères Windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quorvex: everything the class folder &quot;%1&quot; holds about %2, exported on %3.</source>
        <translation>Quorvex&#xa0;: tout ce que le dossier de la classe «&#xa0;%1&#xa0;» contient sur %2, exporté le %3.</translation>
    </message>
    <message>
        <source>answers.csv: every answer of those days, one row each, for a spreadsheet (UTF-8).</source>
        <translation>answers.csv&#xa0;: chaque réponse de ces jours, une par ligne, pour un tableur (UTF-8).</translation>
    </message>
    <message>
        <source>fluency-report.pdf: the fluency report of those days.</source>
        <translation>fluency-report.pdf&#xa0;: le bilan des acquis de ces jours.</translation>
    </message>
    <message>
        <source>Besides these days the class folder holds only the pupil&apos;s name on the class list and a summary of these days that makes reading them faster. Quorvex sends nothing anywhere.</source>
        <translation>En dehors de ces jours, le dossier de la classe ne contient que le nom de l’élève sur la liste de la classe et un résumé de ces jours qui en accélère la lecture. Quorvex n’envoie rien nulle part.</translation>
    </message>
    <message>
        <source>Fluency Report: %1</source>
        <translation type="obsolete">Bilan des acquis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export %1 into a folder</source>
        <translation>Exporter %1 dans un dossier</translation>
    </message>
    <message>
        <source>Quorvex export</source>
        <translation>Export Quorvex</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 The file was copied as it is; its answers are not in answers.csv.</source>
        <translation>%1 Le fichier a été copié tel quel&#xa0;; ses réponses ne sont pas dans answers.csv.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être écrit.</translation>
    </message>
    <message numerus="yes">
        <source>Everything kept about %1 (%n day(s)) was exported to &quot;%2&quot;.</source>
        <translation>
            <numerusform>Tout ce qui est gardé sur %1 (%n jour) a été exporté dans «&#xa0;%2&#xa0;».</numerusform>
            <numerusform>Tout ce qui est gardé sur %1 (%n jours) a été exporté dans «&#xa0;%2&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Export a Pupil...</source>
        <translation>&amp;Exporter un élève...</translation>
    </message>
    <message>
        <source>Copy everything kept about the selected pupil into a folder</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Copier dans un dossier tout ce qui est gardé sur l’élève choisi</translation>
    </message>
    <message numerus="yes">
        <source>Erase everything kept about %1: %n saved day(s)? They are deleted for good; %1 stays on the class list.</source>
        <extracomment>Asked before a pupil is erased; %1 is the pupil&apos;s name.</extracomment>
        <translation>
            <numerusform>Effacer tout ce qui est gardé sur %1&#xa0;: %n jour enregistré&#xa0;? Il est supprimé pour de bon&#xa0;; %1 reste sur la liste de la classe.</numerusform>
            <numerusform>Effacer tout ce qui est gardé sur %1&#xa0;: %n jours enregistrés&#xa0;? Ils sont supprimés pour de bon&#xa0;; %1 reste sur la liste de la classe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erase %1 and everything kept about them: %n saved day(s) and their place on the class list? They are deleted for good.</source>
        <translation>
            <numerusform>Effacer %1 et tout ce qui est gardé sur cet élève&#xa0;: %n jour enregistré et sa place sur la liste de la classe&#xa0;? Tout est supprimé pour de bon.</numerusform>
            <numerusform>Effacer %1 et tout ce qui est gardé sur cet élève&#xa0;: %n jours enregistrés et sa place sur la liste de la classe&#xa0;? Tout est supprimé pour de bon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erasing %1...</source>
        <translation>Effacement de %1...</translation>
    </message>
    <message>
        <source>%1 was not erased completely.</source>
        <translation>%1 n’a pas été effacé complètement.</translation>
    </message>
    <message>
        <source>%1 and everything kept about them were erased.</source>
        <translation>%1 et tout ce qui était gardé sur cet élève ont été effacés.</translation>
    </message>
    <message>
        <source>E&amp;rase a Pupil...</source>
        <translation>E&amp;ffacer un élève...</translation>
    </message>
    <message>
        <source>Delete the selected pupil and everything kept about them, for good</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Supprimer pour de bon l’élève choisi et tout ce qui est gardé sur lui</translation>
    </message>
    <message>
        <source>Delete the days saved longer ago than the school keeps them</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Effacer les jours enregistrés depuis plus longtemps que l’école ne les garde</translation>
    </message>
    <message>
        <source>After how many months a saved day is deleted</source>
        <extracomment>Tooltip.</extracomment>
        <translation>Après combien de mois un jour enregistré est effacé</translation>
    </message>
    <message>
        <source>Older than                 months</source>
        <extracomment>Radio button: delete the days saved more than that many months ago. A number list of 49 px lies over the blanks, starting 100 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px.</extracomment>
        <translation>Plus de                    mois</translation>
    </message>
    <message>
        <source>Months after which days are deleted</source>
        <extracomment>Read out by a screen reader as the control&apos;s name.</extracomment>
        <translation>Mois après lesquels les jours sont effacés</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>The file &quot;%1&quot; could not be used: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être utilisé&#xa0;: %2.</translation>
    </message>
</context>
</TS>
