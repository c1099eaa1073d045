#include "gui/wording/phrases.h"

#include "core/drill/board.h"
#include "core/drill/tenths.h"
#include "gui/platform/textcodec.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

namespace {

QString phrase(const char* text, int n = -1)
{
    return QCoreApplication::translate("Phrases", text, nullptr, n);
}

QString number(int n)
{
    return QString::number(n);
}

// The left side of a question in words, with its answer or a question mark.
QString spokenSum(const quorvex::Question& q, std::optional<int> answer)
{
    const QString a = number(q.firstNum);
    const QString b = number(q.secondNum);
    if (!answer) {
        switch (q.op) {
        case quorvex::Operation::Addition:
            //: Spoken question, read out by a screen reader.
            return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 plus %2 equals?")).arg(a, b);
        case quorvex::Operation::Subtraction:
            return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 minus %2 equals?")).arg(a, b);
        case quorvex::Operation::Multiplication:
            return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 times %2 equals?")).arg(a, b);
        case quorvex::Operation::Division:
            return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 divided by %2 equals?")).arg(a, b);
        }
        return {};
    }
    const QString c = number(*answer);
    switch (q.op) {
    case quorvex::Operation::Addition:
        //: A whole fact in words, read out by a screen reader.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 plus %2 equals %3")).arg(a, b, c);
    case quorvex::Operation::Subtraction:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 minus %2 equals %3")).arg(a, b, c);
    case quorvex::Operation::Multiplication:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 times %2 equals %3")).arg(a, b, c);
    case quorvex::Operation::Division:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 divided by %2 equals %3")).arg(a, b, c);
    }
    return {};
}

// An operation in the results page's column, 85 pixels wide.
// An operation within the certificate's sentence, "with multiplication", where a language
// writes it in small letters.
QString operationInSentence(quorvex::Operation op)
{
    switch (op) {
    case quorvex::Operation::Addition:
        //: Operation within the certificate's sentence ("... with addition and division").
        return QCoreApplication::translate("Phrases", "Addition", "in the certificate's sentence");
    case quorvex::Operation::Subtraction:
        //: Operation within the certificate's sentence.
        return QCoreApplication::translate("Phrases", "Subtraction", "in the certificate's sentence");
    case quorvex::Operation::Multiplication:
        //: Operation within the certificate's sentence.
        return QCoreApplication::translate("Phrases", "Multiplication", "in the certificate's sentence");
    case quorvex::Operation::Division:
        //: Operation within the certificate's sentence.
        return QCoreApplication::translate("Phrases", "Division", "in the certificate's sentence");
    }
    return {};
}

QString operationColumnText(quorvex::Operation op)
{
    switch (op) {
    case quorvex::Operation::Addition:
        //: Operation in a column of the results page. Room: 85 px at 13 px.
        return QCoreApplication::translate("Phrases", "Addition", "results page");
    case quorvex::Operation::Subtraction:
        //: Operation in a column of the results page. Room: 85 px at 13 px.
        return QCoreApplication::translate("Phrases", "Subtraction", "results page");
    case quorvex::Operation::Multiplication:
        //: Operation in a column of the results page. Room: 85 px at 13 px.
        return QCoreApplication::translate("Phrases", "Multiplication", "results page");
    case quorvex::Operation::Division:
        //: Operation in a column of the results page. Room: 85 px at 13 px.
        return QCoreApplication::translate("Phrases", "Division", "results page");
    }
    return {};
}

} // namespace

QString operationText(quorvex::Operation op)
{
    switch (op) {
    case quorvex::Operation::Addition:
        //: Operation, as in the results page and the certificate.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Addition"));
    case quorvex::Operation::Subtraction:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Subtraction"));
    case quorvex::Operation::Multiplication:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Multiplication"));
    case quorvex::Operation::Division:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Division"));
    }
    return {};
}

QString shownLogWord(const quorvex::Bytes& word)
{
    const QString text = toQt(word);
    const QString bare = text.trimmed();
    QString shown;
    for (quorvex::Operation op : quorvex::allOperations) {
        if (bare == toQt(quorvex::operationName(op)))
            shown = operationColumnText(op);
    }
    if (bare == QStringLiteral("Practice"))
        //: Question type on the results page. Room: about 75 px.
        shown = phrase(QT_TRANSLATE_NOOP("Phrases", "Practice"));
    else if (bare == QStringLiteral("S. Round"))
        //: Question type "Speed Round", shortened, on the results page. Room: about 75 px.
        shown = phrase(QT_TRANSLATE_NOOP("Phrases", "S. Round"));
    if (shown.isEmpty())
        return text;
    const qsizetype lead = text.indexOf(bare);
    return text.left(lead) + shown + text.mid(lead + bare.size());
}

QString nameProblemText(quorvex::NameProblem problem, const quorvex::Bytes& other)
{
    using quorvex::NameProblem;
    // Each kind of refusal has its sentence; shown in red in a line 281 px wide.
    switch (problem) {
    case NameProblem::None:
        return {};
    case NameProblem::Empty:
        //: Why a new pupil's name was refused. Room: 281 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Type a name first"));
    case NameProblem::PathSeparator:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "No / or \\ in a name"));
    case NameProblem::ForbiddenCharacter:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "No < > : \" | ? * in a name"));
    case NameProblem::ControlCharacter:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "No control characters in a name"));
    case NameProblem::DotName:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "A name cannot be . or .."));
    case NameProblem::OwnFilePrefix:
        //: The program's hidden files begin with a dot and a tilde. Room: 281 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "A name cannot begin with .~"));
    case NameProblem::EndsInDigit:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "A name cannot end in a digit"));
    case NameProblem::ReservedDeviceName:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Windows keeps this name for itself"));
    case NameProblem::TooLong:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Name too long, please abbreviate"));
    case NameProblem::NotInCharacterSet:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "A character cannot be stored"));
    case NameProblem::SharesDayFiles:
        //: %1 is a pupil on the list whose history files the new name would also use: Ann1 for Ann,
        //: since Ann's day 11 and Ann1's day 1 are one file. Room: 281 px with a short name.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Would share history files with %1")).arg(toQt(other));
    case NameProblem::OnRosterAlready:
        //: %1 is the pupil on the list with that name, or with it in other capitals. Room: 281 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 is on the list already")).arg(toQt(other));
    }
    return {};
}

namespace {
QString withDecimalSeparator(QString number)
{
    //: The decimal separator of the numbers shown: "," where "12,5 s" is written.
    return number.replace(QLatin1Char('.'), phrase(QT_TRANSLATE_NOOP("Phrases", ".")));
}
} // namespace

QString shownTenths(int32_t tenths)
{
    return withDecimalSeparator(toQt(quorvex::tenthsText(tenths)));
}

QString shownNumber(double value)
{
    return withDecimalSeparator(QString::number(value));
}

QString roundLengthCaption(int seconds)
{
    if (seconds <= 60)
        //: The length of a speed round. Room: 130 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Time: %1 s")).arg(seconds);
    if (seconds % 60 == 0)
        //: The length of a speed round in whole minutes (the blank at the end is the English text's own).
        //: Room: 130 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Time: %1 min ")).arg(seconds / 60);
    //: The length of a speed round in minutes and seconds. Room: 130 px.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "Time: %1 min %2 s")).arg(seconds / 60).arg(seconds % 60);
}

QString accessOfferCaption(quorvex::AccessOffer offer)
{
    switch (offer) {
    case quorvex::AccessOffer::CreatePassword:
        //: Teacher menu item while no password exists. & marks the Alt key letter.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Click here to create &Password"));
    case quorvex::AccessOffer::LogIn:
        //: Teacher menu item while the teacher commands are locked, from the program's start on.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Login"));
    case quorvex::AccessOffer::LogInAgain:
        //: Teacher menu item once a teacher logged out: the same, with an Alt key letter.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "&Login"));
    case quorvex::AccessOffer::LogOut:
        break;
    }
    //: Teacher menu item while a teacher is logged in. & marks the Alt key letter.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "&Logout"));
}

QString spokenQuestionText(const quorvex::Question& question)
{
    return spokenSum(question, std::nullopt);
}

QString spokenResultText(const quorvex::Question& question, bool right)
{
    const QString fact = spokenSum(question, quorvex::expectedAnswer(question));
    //: Read out after an answer was checked; %1 is the whole fact in words.
    return right ? phrase(QT_TRANSLATE_NOOP("Phrases", "right: %1")).arg(fact)
                 //: Read out after an answer was checked; %1 is the whole fact in words.
                 : phrase(QT_TRANSLATE_NOOP("Phrases", "wrong: %1")).arg(fact);
}

QString spokenBoardText(const quorvex::Question& question)
{
    if (quorvex::showsGrid(question.op))
        //: The dot board read out when the pupil draws the dots.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "empty grid for your dots"));
    if (question.op == quorvex::Operation::Addition)
        //: The dot board of an addition read out: "3 dots and 4 dots". %1 and %2 are the two counts.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 and %2"))
            .arg(phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n dot(s)"), question.firstNum),
                phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n dot(s)"), question.secondNum));
    if (question.firstNum == 0 || question.secondNum == 0)
        return phrase(QT_TRANSLATE_NOOP("Phrases", "no dots"));
    //: The dot board of a multiplication read out: "3 rows of 4 dots". %1 is the dots of one row.
    return phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n row(s) of %1"), question.firstNum)
        .arg(phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n dot(s)"), question.secondNum));
}

QString spokenMarkedText(const quorvex::Question& question, bool right, int correct, int asked)
{
    //: Read out after an answer was checked: the result (%1), then the score so far: %n right of %2 asked.
    return phrase(QT_TRANSLATE_N_NOOP("Phrases", "%1. %n correct of %2."), correct)
        .arg(spokenResultText(question, right), number(asked));
}

QString spokenFactText(const quorvex::Bytes& shown)
{
    // The signs of a line of the results page in words, everything else as it stands.
    QStringList words;
    for (const QString& word : toQt(shown).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QStringLiteral("+"))
            //: A sign read out: "7 plus 5 equals 12".
            words << phrase(QT_TRANSLATE_NOOP("Phrases", "plus"));
        else if (word == QStringLiteral("-"))
            words << phrase(QT_TRANSLATE_NOOP("Phrases", "minus"));
        else if (word == QStringLiteral("x"))
            words << phrase(QT_TRANSLATE_NOOP("Phrases", "times"));
        else if (word == QStringLiteral("\u00f7"))
            words << phrase(QT_TRANSLATE_NOOP("Phrases", "divided by"));
        else if (word == QStringLiteral("="))
            words << phrase(QT_TRANSLATE_NOOP("Phrases", "equals"));
        else
            words << word;
    }
    return words.join(QLatin1Char(' '));
}

QString spokenCellText(int column, int row, bool dot)
{
    //: A cell of the dot board read out, with or without a dot in it.
    return dot ? phrase(QT_TRANSLATE_NOOP("Phrases", "row %1, column %2, dot")).arg(row + 1).arg(column + 1)
               : phrase(QT_TRANSLATE_NOOP("Phrases", "row %1, column %2, empty")).arg(row + 1).arg(column + 1);
}

CertificateWords certificateWords(const quorvex::CertificateInputs& in)
{
    CertificateWords words;
    words.name = toQt(in.studentName);
    if (in.questionTypeIndex == 0) {
        //: Certificate line under "You got": %n right answers of %1 questions asked. Room: about 400 px.
        words.score = phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n correct out of %1 asked!"), in.correctCount)
                          .arg(number(in.askedCount));
        //: Certificate line in large decorative capitals. Room: about 500 px at 40 px.
        words.type = phrase(QT_TRANSLATE_NOOP("Phrases", "in Practice"));
    } else {
        //: Certificate line under "You got": %n right answers in a speed round of %1 seconds.
        words.score = phrase(QT_TRANSLATE_N_NOOP("Phrases", "%n correct in %1 s!"), in.roundRightCount)
                          .arg(number(in.roundSeconds));
        //: Certificate line in large decorative capitals. Room: about 500 px at 40 px.
        words.type = phrase(QT_TRANSLATE_NOOP("Phrases", "in Speed Round"));
    }
    QStringList names;
    for (quorvex::Operation op : quorvex::involvedOperations(in))
        names << operationInSentence(op);
    QString joined;
    if (names.size() == 1)
        joined = names[0];
    else if (names.size() == 2)
        //: Two operations joined: "Addition and Division".
        joined = phrase(QT_TRANSLATE_NOOP("Phrases", "%1 and %2")).arg(names[0], names[1]);
    else if (names.size() == 3)
        joined = phrase(QT_TRANSLATE_NOOP("Phrases", "%1, %2 and %3")).arg(names[0], names[1], names[2]);
    else if (names.size() == 4)
        joined = phrase(QT_TRANSLATE_NOOP("Phrases", "%1, %2, %3 and %4")).arg(names[0], names[1], names[2], names[3]);
    //: Certificate line: the operations the questions involved. Room: about 600 px.
    words.involve = phrase(QT_TRANSLATE_NOOP("Phrases", "Involving %1")).arg(joined);
    if (in.tablesOf)
        //: Certificate line. %1 is the table's number. Room: about 600 px.
        words.table = phrase(QT_TRANSLATE_NOOP("Phrases", "Using all the numbers up to %1!")).arg(toQt(in.tableText));
    else
        //: Certificate line. %1 is the number practised, %2 the largest other number. Room: about 600 px.
        words.table = phrase(QT_TRANSLATE_NOOP("Phrases", "Using only the number %1 and numbers up to %2!"))
                          .arg(toQt(in.tableText), toQt(in.upToText));
    return words;
}
