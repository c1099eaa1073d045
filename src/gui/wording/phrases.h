#pragma once

#include "core/classfolder/cleanup.h"
#include "core/classfolder/studentnames.h"
#include "core/drill/operations.h"
#include "core/drill/teacheraccess.h"
#include "core/reports/certificatetext.h"
#include "core/result.h"

#include <QString>

// The sentences the core words in English, in the language the program is shown in. The core
// says what to say (which sentence, with which numbers and names); here the words are put
// together from whole translated sentences. Without a translation loaded every function gives
// the core's English text unchanged, byte for byte, so the English program reads as it always did.

// Whether a translation of the program's texts is loaded (set by the loader in translations.h).
bool programTranslated();
void setProgramTranslated(bool translated);

// "Multiplication" and the like.
QString operationText(quorvex::Operation op);

// A word of a day's answer line as the results page shows it: the operation names and the
// question types ("Practice", "S. Round") in the user's language, the blanks around them kept;
// anything else (a pupil's name in a loaded day) as it stands.
QString shownLogWord(const quorvex::Bytes& word);

// Why a name typed into the Add a Student panel was refused; other is the pupil on the list
// whose history files it would share.
QString nameProblemText(quorvex::NameProblem problem, const quorvex::Bytes& other = {});

// Two pupils of the roster whose history files overlap (see core/studentnames.h).
QString dayFileOverlapText(const quorvex::DayFileOverlap& overlap);

// The reason of a failed file operation, in the user's language where the system's reason is
// a known one.
QString fileErrorReason(const quorvex::FileError& error);

// A stale lock of the class folder that was removed, as the core reports it.
QString lockNoticeText(const quorvex::Bytes& notice);

// A clean-up of day files that was refused: "Could not delete Ann's day 3: Permission denied".
QString dayFaultText(const quorvex::DayFault& fault);

// A time in tenths of a second as shown, "12.5", with the decimal separator of the program's
// language ("12,5" in German, French and Spanish). Files keep the point.
QString shownTenths(int32_t tenths);
// Any number as shown, with that separator.
QString shownNumber(double value);

// "Time: 90 s", "Time: 1 min 30 s" above the speed round's scroll bar.
QString roundLengthCaption(int seconds);

// The teacher menu's access item: "Click here to create &Password", "Login", "&Login", "&Logout".
QString accessOfferCaption(quorvex::AccessOffer offer);

// What a screen reader says for the drill (see core/spoken.h for the English).
QString spokenQuestionText(const quorvex::Question& question);
QString spokenResultText(const quorvex::Question& question, bool right);
QString spokenBoardText(const quorvex::Question& question);
QString spokenMarkedText(const quorvex::Question& question, bool right, int correct, int asked);
QString spokenFactText(const quorvex::Bytes& shown);
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
