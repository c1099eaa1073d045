#pragma once

#include "core/classfolder/studentnames.h"
#include "core/drill/operations.h"
#include "core/drill/teacheraccess.h"
#include "core/reports/certificatetext.h"

#include <QString>

// The drill's words in the program's language. The core says what happened (a question, a
// refused name, the settings of a certificate); each function here words one kind of it from
// whole translated sentences. English is the sentences' source language.

// "Multiplication" and the like.
QString operationText(quorvex::Operation op);

// A word of a day's answer line as the results page shows it: the operation names and the
// question types ("Practice", "S. Round") in the user's language, the blanks around them kept;
// anything else (a pupil's name in a loaded day) as it stands.
QString shownLogWord(const quorvex::Bytes& word);

// Why a name typed into the Add a Student panel was refused; other is the pupil on the list
// whose history files it would share.
QString nameProblemText(quorvex::NameProblem problem, const quorvex::Bytes& other = {});

// A time in tenths of a second as shown, "12.5", with the decimal separator of the program's
// language ("12,5" in German, French and Spanish). Files keep the point.
QString shownTenths(int32_t tenths);
// Any number as shown, with that separator.
QString shownNumber(double value);

// "Time: 90 s", "Time: 1 min 30 s" above the speed round's scroll bar.
QString roundLengthCaption(int seconds);

// The teacher menu's access item: "Click here to create &Password", "Login", "&Login", "&Logout".
QString accessOfferCaption(quorvex::AccessOffer offer);

// What a screen reader says for the drill, in words rather than signs.
// "7 times 5 equals?", "12 divided by 3 equals?"
QString spokenQuestionText(const quorvex::Question& question);
// "right: 7 times 5 equals 35" or "wrong: 7 times 5 equals 35".
QString spokenResultText(const quorvex::Question& question, bool right);
// The dot board: "3 rows of 4 dots", "5 dots and 2 dots", "no dots", or, for subtraction and
// division, "empty grid for your dots".
QString spokenBoardText(const quorvex::Question& question);
// Once an answer is marked: the result and the score so far, "right: 7 times 5 equals 35. 3
// correct of 4."
QString spokenMarkedText(const quorvex::Question& question, bool right, int correct, int asked);
// A line of the results page read out: "7 x 5 = 35" as "7 times 5 equals 35"; any other word
// or number stays as it is.
QString spokenFactText(const quorvex::Bytes& shown);
// The board's keyboard cursor, counted from 0 and said from 1: "row 2, column 3, dot" or
// "row 2, column 3, empty".
QString spokenCellText(int column, int row, bool dot);

// The five lines of the certificate that change from one certificate to the next.
struct CertificateWords {
    QString name;
    QString score;
    QString type;
    QString involve;
    QString table;
};
CertificateWords certificateWords(const quorvex::CertificateInputs& in);
