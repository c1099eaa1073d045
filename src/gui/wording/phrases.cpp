#include "gui/wording/phrases.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/drill/board.h"
#include "core/drill/spoken.h"
#include "core/drill/tenths.h"
#include "gui/platform/textcodec.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <optional>

namespace {

bool translated = false;

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

// The system's reasons the program meets, in the English words the core gives them.
struct SystemReason {
    int code;
    const char* text;
};
//: The system's reason why a file operation failed.
constexpr SystemReason systemReasons[] = {
    { EPERM, QT_TRANSLATE_NOOP("Phrases", "Operation not permitted") },
    { ENOENT, QT_TRANSLATE_NOOP("Phrases", "No such file or directory") },
    { EIO, QT_TRANSLATE_NOOP("Phrases", "Input/output error") },
    { EACCES, QT_TRANSLATE_NOOP("Phrases", "Permission denied") },
    { EBUSY, QT_TRANSLATE_NOOP("Phrases", "Device or resource busy") },
    { EEXIST, QT_TRANSLATE_NOOP("Phrases", "File exists") },
    { EXDEV, QT_TRANSLATE_NOOP("Phrases", "Invalid cross-device link") },
    { ENOTDIR, QT_TRANSLATE_NOOP("Phrases", "Not a directory") },
    { EISDIR, QT_TRANSLATE_NOOP("Phrases", "Is a directory") },
    { EINVAL, QT_TRANSLATE_NOOP("Phrases", "Invalid argument") },
    { EMFILE, QT_TRANSLATE_NOOP("Phrases", "Too many open files") },
    { EFBIG, QT_TRANSLATE_NOOP("Phrases", "File too large") },
    { ENOSPC, QT_TRANSLATE_NOOP("Phrases", "No space left on device") },
    { EROFS, QT_TRANSLATE_NOOP("Phrases", "Read-only file system") },
    { ENAMETOOLONG, QT_TRANSLATE_NOOP("Phrases", "File name too long") },
    { ENOTEMPTY, QT_TRANSLATE_NOOP("Phrases", "Directory not empty") },
    { ELOOP, QT_TRANSLATE_NOOP("Phrases", "Too many levels of symbolic links") },
    { EDQUOT, QT_TRANSLATE_NOOP("Phrases", "Disk quota exceeded") },
    { ESTALE, QT_TRANSLATE_NOOP("Phrases", "Stale file handle") },
    //: A step of a clean-up or a save failed because another copy of the program took the lock
    //: after this computer had not renewed it for a minute (a sleeping laptop, a stalled network).
    { ENOLCK,
        QT_TRANSLATE_NOOP(
            "Phrases", "The lock was taken over meanwhile: this computer had not renewed it for over a minute") },
    // Not an errno value: the file layer's own, for a file that is no longer the one a step was meant for.
    //: A file was not deleted or renumbered because it changed while the clean-up ran.
    { quorvex::fileChangedMeanwhile, QT_TRANSLATE_NOOP("Phrases", "The file changed since the work began") },
};

// The reason for an errno value (or the file layer's own code) in the user's language; empty for
// one the program does not know.
QString systemReason(int code)
{
    for (const SystemReason& reason : systemReasons) {
        if (reason.code == code)
            return phrase(reason.text);
    }
    return {};
}

// An operation in the results page's column, 85 pixels wide.
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

// The reasons the program words itself, as the core words them in English, and the same in the
// user's language. A part in brackets that is itself a reason is worded in turn. A reason that
// matches none stays in English.
QString ownReason(const QString& english);

QString holderText(const QString& english)
{
    if (english == QStringLiteral("another copy of the program"))
        //: Who holds a lock on a file: "in use by another copy of the program".
        return phrase(QT_TRANSLATE_NOOP("Phrases", "another copy of the program"));
    static const QRegularExpression holder(QStringLiteral("^computer (.*), process (.*), since (.*)$"));
    if (const QRegularExpressionMatch m = holder.match(english); m.hasMatch())
        //: Who holds a lock on a file: %1 a computer's name, %2 a process number, %3 a time.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "computer %1, process %2, since %3"))
            .arg(m.captured(1), m.captured(2), m.captured(3));
    return english;
}

// What stands where a lock should be, in "this is a pipe (FIFO), not a lock of the program's".
QString foreignText(const QString& english)
{
    //: What stands where the program keeps a lock: "this is a link, not a lock of the program's".
    static const char* const kinds[] = { QT_TRANSLATE_NOOP("Phrases", "a link"),
        QT_TRANSLATE_NOOP("Phrases", "a pipe (FIFO)"), QT_TRANSLATE_NOOP("Phrases", "a socket"),
        QT_TRANSLATE_NOOP("Phrases", "a device"), QT_TRANSLATE_NOOP("Phrases", "something that is no file") };
    for (const char* kind : kinds) {
        if (english == QLatin1String(kind))
            return phrase(kind);
    }
    static const QRegularExpression folder(
        QStringLiteral("^a folder the program did not make \\(it holds \"(.*)\"\\)$"));
    if (const QRegularExpressionMatch m = folder.match(english); m.hasMatch())
        //: A folder stands where the program keeps a lock; %1 is a name found in it.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a folder the program did not make (it holds \"%1\")"))
            .arg(m.captured(1));
    return english;
}

// Puts the parts in place of %1, %2 ... in one pass, so that a part holding "%2" (a file's name)
// stays as it is.
QString filledIn(const QString& text, const QStringList& parts)
{
    QString filled;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const qsizetype index = k + 1 < text.size() ? text[k + 1].digitValue() - 1 : -1;
        if (text[k] == QLatin1Char('%') && index >= 0 && index < parts.size()) {
            filled += parts[index];
            ++k;
        } else {
            filled += text[k];
        }
    }
    return filled;
}

QString ownReason(const QString& english)
{
    // What a bracketed part is: by default a holder or a reason, worded in turn; "kept" for a
    // name, number or file, which stays as it is; "foreign" for what stands in a lock's place.
    enum class Parts { Worded, Kept, Foreign };
    struct Pattern {
        const char* match;
        const char* text;
        Parts parts = Parts::Worded;
    };
    // In the order of their tests: a more particular form before a more general one.
    static const Pattern patterns[] = {
        { "^File too large: more than (\\d+) MB$", QT_TRANSLATE_NOOP("Phrases", "File too large: more than %1 MB") },
        { "^Not a regular file \\(a pipe, a device or the like\\)$",
            QT_TRANSLATE_NOOP("Phrases", "Not a regular file (a pipe, a device or the like)") },
        { "^Not a regular file, or a link to a file that cannot be reached$",
            QT_TRANSLATE_NOOP("Phrases", "Not a regular file, or a link to a file that cannot be reached") },
        { "^A link to a file that cannot be reached \\((.*)\\)$",
            QT_TRANSLATE_NOOP("Phrases", "A link to a file that cannot be reached (%1)") },
        { "^A link to a file outside the class folder \\((.*)\\); it is read but never written$",
            QT_TRANSLATE_NOOP(
                "Phrases", "A link to a file outside the class folder (%1); it is read but never written") },
        { "^in use by (.*)$", QT_TRANSLATE_NOOP("Phrases", "in use by %1") },
        { "^Invalid file name$", QT_TRANSLATE_NOOP("Phrases", "Invalid file name") },
        { "^'(.*)' is not a valid integer value$", QT_TRANSLATE_NOOP("Phrases", "'%1' is not a valid integer value") },
        { "^Too many lines for a day: more than (\\d+)$",
            QT_TRANSLATE_NOOP("Phrases", "Too many lines for a day: more than %1") },
        { "^it is being changed \\((.*)\\); try again in a moment$",
            QT_TRANSLATE_NOOP("Phrases", "it is being changed (%1); try again in a moment") },
        { "^could not be locked \\(([^:]*): (.*)\\)$", QT_TRANSLATE_NOOP("Phrases", "could not be locked (%1: %2)") },
        { "^(.*)'s days are in use by (.*); the answers are kept, save again in a moment$",
            QT_TRANSLATE_NOOP("Phrases", "%1's days are in use by %2; the answers are kept, save again in a moment") },
        { "^could not lock (.*)'s days \\(([^:]*): (.*)\\)$",
            QT_TRANSLATE_NOOP("Phrases", "could not lock %1's days (%2: %3)") },
        //: Something else has the name of one of the program's locks; %1 says what it is.
        { "^this is (.*), not a lock of the program's; delete it when no computer is using the program$",
            QT_TRANSLATE_NOOP(
                "Phrases", "this is %1, not a lock of the program's; delete it when no computer is using the program"),
            Parts::Foreign },
        //: A clean-up interrupted earlier left a note of what was still to do; it was checked, found wrong
        //: and renamed rather than carried out. %1 is why, %2 the note's new file name.
        { "^the clean-up note was not carried out \\((.*)\\); it was set aside as \"(.*)\"$",
            QT_TRANSLATE_NOOP("Phrases", "the clean-up note was not carried out (%1); it was set aside as \"%2\"") },
        //: As above, but the note could not even be renamed. %1 is why it was not carried out.
        { "^the clean-up note was not carried out \\((.*)\\)$",
            QT_TRANSLATE_NOOP("Phrases", "the clean-up note was not carried out (%1)") },
        //: Why a clean-up note was not carried out.
        { "^it is not one this program wrote$", QT_TRANSLATE_NOOP("Phrases", "it is not one this program wrote") },
        //: Why a clean-up note was not carried out: it is in one pupil's name but names another.
        { "^it names another pupil$", QT_TRANSLATE_NOOP("Phrases", "it names another pupil") },
        //: Why a clean-up note was not carried out; %1 is a pupil's name, the list the student list.
        { "^(.*) is not on the list$", QT_TRANSLATE_NOOP("Phrases", "%1 is not on the list"), Parts::Kept },
        //: Why a clean-up was refused: %1 is another pupil on the student list, the pupil's name followed
        //: by digits (Ann1 for Ann), whose day files may have the same names.
        { "^the list also holds (.*), whose history files may be the same files$",
            QT_TRANSLATE_NOOP("Phrases", "the list also holds %1, whose history files may be the same files"),
            Parts::Kept },
        //: Why a clean-up note was not carried out: it counts days 1 to %1, but a day %2 is there too.
        { "^the note counts (\\d+) days, but day (\\d+) is there$",
            QT_TRANSLATE_NOOP("Phrases", "the note counts %1 days, but day %2 is there"), Parts::Kept },
        //: Why a clean-up note was not carried out: day %1 is not the file the note recorded.
        { "^day (\\d+) is not the day the note counted$",
            QT_TRANSLATE_NOOP("Phrases", "day %1 is not the day the note counted"), Parts::Kept },
        //: Why a clean-up note was not carried out: day %1 was being renumbered and is neither under its
        //: old number nor under its new one.
        { "^day (\\d+) is neither where the note had it nor where it was going$",
            QT_TRANSLATE_NOOP("Phrases", "day %1 is neither where the note had it nor where it was going"),
            Parts::Kept },
        //: Why a day file was not deleted: %1 is another pupil whose day it may be too (Ann's day 11 is
        //: Ann1's day 1).
        { "^it may be a history file of (.*) too$", QT_TRANSLATE_NOOP("Phrases", "it may be a history file of %1 too"),
            Parts::Kept },
    };
    for (const Pattern& pattern : patterns) {
        const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(pattern.match)).match(english);
        if (!m.hasMatch())
            continue;
        QStringList parts;
        for (int k = 1; k <= m.lastCapturedIndex(); ++k) {
            const QString part = m.captured(k);
            if (pattern.parts == Parts::Kept)
                parts << part;
            else if (pattern.parts == Parts::Foreign)
                parts << foreignText(part);
            else // holders and reasons within are worded too; names, numbers and files stay
                parts << (holderText(part) != part ? holderText(part) : ownReason(part));
        }
        return filledIn(phrase(pattern.text), parts);
    }
    for (const SystemReason& reason : systemReasons) {
        if (english == QLatin1String(reason.text))
            return phrase(reason.text);
    }
    return english;
}

} // namespace

bool programTranslated()
{
    return translated;
}

void setProgramTranslated(bool on)
{
    translated = on;
}

QString operationText(quorvex::Operation op)
{
    if (!translated)
        return toQt(quorvex::operationName(op));
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
    if (!translated)
        return text;
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
    if (!translated)
        return toQt(quorvex::nameProblemMessage(problem, other));
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
    }
    return toQt(quorvex::nameProblemMessage(problem, other));
}

QString dayFileOverlapText(const quorvex::DayFileOverlap& overlap)
{
    if (!translated)
        return toQt(quorvex::dayFileOverlapMessage(overlap));
    //: Told at start. %1 and %2 are pupils on the list, %2 being %1 followed by digits; %3 is a
    //: day number of %1's, %4 the file both days are.
    return phrase(QT_TRANSLATE_NOOP("Phrases",
                      "%1 and %2 are both on the student list, but their history files overlap: %1's day %3 is "
                      "the same file as %2's day 1 (%4)."))
        .arg(toQt(overlap.student), toQt(overlap.other), number(quorvex::firstSharedDay(overlap)),
            toQt(quorvex::dayFileName(overlap.other, 1)));
}

QString fileErrorReason(const quorvex::FileError& error)
{
    if (!translated)
        return toQt(error.reason);
    if (error.code != 0) {
        if (const QString reason = systemReason(error.code); !reason.isEmpty())
            return reason;
    }
    return ownReason(toQt(error.reason));
}

QString lockNoticeText(const quorvex::Bytes& notice)
{
    const QString english = toQt(notice);
    if (!translated)
        return english;
    static const QRegularExpression notPutBack(QStringLiteral(
        "^The file \"(.*)\" that the holder of the lock \"(.*)\" had set aside could not be put back \\((.*)\\); it is "
        "kept as \"(.*)\"\\.$"));
    if (const QRegularExpressionMatch m = notPutBack.match(english); m.hasMatch())
        //: A lock was taken over from a holder that stopped halfway; a file it had moved into its own
        //: folder could not go back. %1 is the file's name, %2 the lock's, %3 the system's reason,
        //: %4 where the file is now.
        return phrase(
            QT_TRANSLATE_NOOP("Phrases",
                "The file \"%1\" that the holder of the lock \"%2\" had set aside could not be put back (%3); "
                "it is kept as \"%4\"."))
            .arg(m.captured(1), m.captured(2), ownReason(m.captured(3)), m.captured(4));
    static const QRegularExpression removed(QStringLiteral("^The lock \"(.*)\" of (.*) was removed: (.*)\\.$"));
    const QRegularExpressionMatch m = removed.match(english);
    if (!m.hasMatch())
        return english;
    QString why = m.captured(3);
    static const QRegularExpression renewed(QStringLiteral("^it was not renewed for (\\d+) seconds$"));
    if (why == QStringLiteral("its process has ended"))
        //: Why a lock left behind was removed.
        why = phrase(QT_TRANSLATE_NOOP("Phrases", "its process has ended"));
    else if (const QRegularExpressionMatch r = renewed.match(why); r.hasMatch())
        //: Why a lock left behind was removed; %1 is a number of seconds.
        why = phrase(QT_TRANSLATE_NOOP("Phrases", "it was not renewed for %1 seconds")).arg(r.captured(1));
    //: %1 is a lock file's name, %2 who held it, %3 why it was removed.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "The lock \"%1\" of %2 was removed: %3."))
        .arg(m.captured(1), holderText(m.captured(2)), why);
}

QString dayFaultText(const quorvex::DayFault& fault)
{
    if (!translated)
        return toQt(quorvex::dayFaultMessage(fault));
    const QString student = toQt(fault.student);
    const QString reason = fileErrorReason(fault.error);
    using Action = quorvex::DayFault::Action;
    if (fault.action == Action::Start)
        //: %1 is a pupil's name, %2 the system's reason.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1's days were left as they are: %2")).arg(student, reason);
    if (fault.action == Action::Delete)
        //: %1 is a pupil's name, %2 the day's number, %3 the system's reason.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Could not delete %1's day %2: %3"))
            .arg(student, number(fault.day), reason);
    //: %1 is a pupil's name, %2 the day's number, %3 its new number, %4 the system's reason.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "Could not renumber %1's day %2 as day %3: %4"))
        .arg(student, number(fault.day), number(fault.newDay), reason);
}

namespace {
QString withDecimalSeparator(QString number)
{
    if (!translated)
        return number;
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
    if (!translated)
        return toQt(quorvex::roundLengthText(seconds));
    if (seconds <= 60)
        //: The length of a speed round. Room: 130 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Time: %1 s")).arg(seconds);
    if (seconds % 60 == 0)
        //: The length of a speed round in whole minutes. Room: 130 px.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Time: %1 min")).arg(seconds / 60);
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
    if (!translated)
        return toQt(quorvex::spokenQuestion(question));
    return spokenSum(question, std::nullopt);
}

QString spokenResultText(const quorvex::Question& question, bool right)
{
    if (!translated)
        return toQt(quorvex::spokenResult(question, right));
    const QString fact = spokenSum(question, quorvex::expectedAnswer(question));
    //: Read out after an answer was checked; %1 is the whole fact in words.
    return right ? phrase(QT_TRANSLATE_NOOP("Phrases", "right: %1")).arg(fact)
                 //: Read out after an answer was checked; %1 is the whole fact in words.
                 : phrase(QT_TRANSLATE_NOOP("Phrases", "wrong: %1")).arg(fact);
}

QString spokenBoardText(const quorvex::Question& question)
{
    if (!translated)
        return toQt(quorvex::spokenBoard(question));
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
    if (!translated)
        return toQt(quorvex::spokenMarked(question, right, correct, asked));
    //: Read out after an answer was checked: the result (%1), then the score so far: %n right of %2 asked.
    return phrase(QT_TRANSLATE_N_NOOP("Phrases", "%1. %n correct of %2."), correct)
        .arg(spokenResultText(question, right), number(asked));
}

QString spokenFactText(const quorvex::Bytes& shown)
{
    if (!translated)
        return toQt(quorvex::spokenFact(shown));
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
    if (!translated)
        return toQt(quorvex::spokenCell(column, row, dot));
    //: A cell of the dot board read out, with or without a dot in it.
    return dot ? phrase(QT_TRANSLATE_NOOP("Phrases", "row %1, column %2, dot")).arg(row + 1).arg(column + 1)
               : phrase(QT_TRANSLATE_NOOP("Phrases", "row %1, column %2, empty")).arg(row + 1).arg(column + 1);
}

CertificateWords certificateWords(const quorvex::CertificateInputs& in)
{
    if (!translated) {
        const quorvex::CertificateLines lines = quorvex::composeCertificate(in);
        return { toQt(lines.name), toQt(lines.score), toQt(lines.type), toQt(lines.involve), toQt(lines.table) };
    }
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
        names << operationText(op);
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
