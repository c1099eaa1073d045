<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FluencyReport</name>
    <message numerus="yes">
        <source>%1, %n answers</source>
        <translation>
            <numerusform>%1, %n answer</numerusform>
            <numerusform>%1, %n answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the day files could not be read as answers and were left out.</source>
        <translation>
            <numerusform>%n line of the day files could not be read as an answer and was left out.</numerusform>
            <numerusform>%n lines of the day files could not be read as answers and were left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <translation>
            <numerusform>%n dot</numerusform>
            <numerusform>%n dots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1</source>
        <extracomment>The dot board of a multiplication read out: &quot;3 rows of 4 dots&quot;. %1 is the dots of one row.</extracomment>
        <translation>
            <numerusform>%n row of %1</numerusform>
            <numerusform>%n rows of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. %n correct of %2.</source>
        <extracomment>Read out after an answer was checked: the result (%1), then the score so far: %n right of %2 asked.</extracomment>
        <translation>
            <numerusform>%1. %n correct of %2.</numerusform>
            <numerusform>%1. %n correct of %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct out of %1 asked!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers of %1 questions asked. Room: about 400 px.</extracomment>
        <translation>
            <numerusform>%n correct out of %1 asked!</numerusform>
            <numerusform>%n correct out of %1 asked!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct in %1 s!</source>
        <extracomment>Certificate line under &quot;You got&quot;: %n right answers in a speed round of %1 seconds.</extracomment>
        <translation>
            <numerusform>%n correct in %1 s!</numerusform>
            <numerusform>%n correct in %1 s!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClassOverviewfrm</name>
    <message numerus="yes">
        <source>%n day file(s) could not be read and are left out: %1.</source>
        <translation>
            <numerusform>%n day file could not be read and is left out: %1.</numerusform>
            <numerusform>%n day files could not be read and are left out: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tflashcardfrm</name>
    <message numerus="yes">
        <source>%n dots drawn</source>
        <extracomment>Above the dot board: how many dots the pupil has placed.</extracomment>
        <translation>
            <numerusform>%n dots drawn</numerusform>
            <numerusform>%n dots drawn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 to %2: the %n day file(s), copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</source>
        <translation>
            <numerusform>%1 to %2: the %n day file, copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</numerusform>
            <numerusform>%1 to %2: the %n day files, copied byte for byte. Each line is one answer: the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the time in tenths of a second (0 in a speed round). The texts are in the Windows-1252 character set.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Everything kept about %1 (%n day(s)) was exported to &quot;%2&quot;.</source>
        <translation>
            <numerusform>Everything kept about %1 (%n day) was exported to &quot;%2&quot;.</numerusform>
            <numerusform>Everything kept about %1 (%n days) was exported to &quot;%2&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erase everything kept about %1: %n saved day(s)? They are deleted for good; %1 stays on the class list.</source>
        <extracomment>Asked before a pupil is erased; %1 is the pupil&apos;s name.</extracomment>
        <translation>
            <numerusform>Erase everything kept about %1: %n saved day? It is deleted for good; %1 stays on the class list.</numerusform>
            <numerusform>Erase everything kept about %1: %n saved days? They are deleted for good; %1 stays on the class list.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erase %1 and everything kept about them: %n saved day(s) and their place on the class list? They are deleted for good.</source>
        <translation>
            <numerusform>Erase %1 and everything kept about them: %n saved day and their place on the class list? They are deleted for good.</numerusform>
            <numerusform>Erase %1 and everything kept about them: %n saved days and their place on the class list? They are deleted for good.</numerusform>
        </translation>
    </message>
</context>
</TS>
