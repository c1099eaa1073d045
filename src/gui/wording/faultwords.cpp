#include "gui/wording/faultwords.h"

#include "core/classfolder/history.h"
#include "gui/platform/textcodec.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace {

QString phrase(const char* text)
{
    return QCoreApplication::translate("Phrases", text);
}

QString number(long long n)
{
    return QString::number(n);
}

// The system's reason for an errno value, or for the file layer's own codes. The C library's
// words differ between systems; these read alike everywhere, so a report looks the same on a
// classroom's Windows computers.
QString systemReason(int code)
{
    switch (code) {
    //: The system's reason why a file operation failed.
    case EPERM:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Operation not permitted"));
    case ENOENT:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "No such file or directory"));
    case EIO:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Input/output error"));
    case EACCES:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Permission denied"));
    case EBUSY:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Device or resource busy"));
    case EEXIST:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "File exists"));
    case EXDEV:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Invalid cross-device link"));
    case ENOTDIR:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Not a directory"));
    case EISDIR:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Is a directory"));
    case EINVAL:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Invalid argument"));
    case EMFILE:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Too many open files"));
    case EFBIG:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "File too large"));
    case ENOSPC:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "No space left on device"));
    case EROFS:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Read-only file system"));
    case ENAMETOOLONG:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "File name too long"));
    case ENOTEMPTY:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Directory not empty"));
    case ELOOP:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Too many levels of symbolic links"));
    case EDQUOT:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Disk quota exceeded"));
    case ESTALE:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Stale file handle"));
    case ENOLCK:
        //: A step of a clean-up or a save failed because another copy of the program took the lock
        //: after this computer had not renewed it for a minute (a sleeping laptop, a stalled network).
        return phrase(QT_TRANSLATE_NOOP(
            "Phrases", "The lock was taken over meanwhile: this computer had not renewed it for over a minute"));
    case quorvex::fileChangedMeanwhile:
        //: A file was not deleted or renumbered because it changed while the clean-up ran.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "The file changed since the work began"));
    default:
        // One the program never meets on purpose: the system's own words.
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

// "another copy of the program", or the computer, process and time its note gives.
QString holderText(const quorvex::LockHolder& holder)
{
    if (holder.computer.empty())
        //: Who holds a lock on a file: "in use by another copy of the program".
        return phrase(QT_TRANSLATE_NOOP("Phrases", "another copy of the program"));
    //: Who holds a lock on a file: %1 a computer's name, %2 a process number, %3 a time.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "computer %1, process %2, since %3"))
        .arg(toQt(holder.computer), toQt(holder.process), toQt(holder.since));
}

// What stands where the program keeps a lock, for "this is a link, not a lock of the program's".
QString strangerText(const quorvex::FileError& error)
{
    using quorvex::Failure;
    switch (error.why) {
    //: What stands where the program keeps a lock: "this is a link, not a lock of the program's".
    case Failure::LinkForLock:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a link"));
    case Failure::PipeForLock:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a pipe (FIFO)"));
    case Failure::SocketForLock:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a socket"));
    case Failure::DeviceForLock:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a device"));
    case Failure::FolderForLock:
        //: A folder stands where the program keeps a lock; %1 is a name found in it.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "a folder the program did not make (it holds \"%1\")"))
            .arg(toQt(error.text));
    default:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "something that is no file"));
    }
}

// The failure a failure came of (an empty one where none is named).
const quorvex::FileError& causeOf(const quorvex::FileError& error)
{
    static const quorvex::FileError none;
    return error.cause ? *error.cause : none;
}

QString causeText(const quorvex::FileError& error)
{
    return fileErrorReason(causeOf(error));
}

} // namespace

QString fileErrorReason(const quorvex::FileError& error)
{
    using quorvex::Failure;
    switch (error.why) {
    case Failure::System:
        return systemReason(error.code);
    case Failure::TooLarge:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "File too large: more than %1 MB")).arg(error.number);
    case Failure::NotRegularFile:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Not a regular file (a pipe, a device or the like)"));
    case Failure::NotRegularOrUnreachable:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Not a regular file, or a link to a file that cannot be reached"));
    case Failure::UnreachableLink:
        //: %1 is the system's reason.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "A link to a file that cannot be reached (%1)"))
            .arg(systemReason(error.code));
    case Failure::LinkOutsideFolder:
        //: %1 is the file the link points to.
        return phrase(QT_TRANSLATE_NOOP(
                          "Phrases", "A link to a file outside the class folder (%1); it is read but never written"))
            .arg(toQt(error.text));
    case Failure::InvalidFileName:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Invalid file name"));
    case Failure::NameTooLong:
        //: A pupil's name is too long to save under: %1 is the most bytes a name may have.
        return phrase(QT_TRANSLATE_NOOP("Phrases",
                          "The name is longer than %1 bytes, so its day files could pass the limit of 255 bytes for "
                          "a file name"))
            .arg(error.number);
    case Failure::InvalidInteger:
        //: A time in a day file that is no whole number; %1 is the text found.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "'%1' is not a valid integer value")).arg(toQt(error.text));
    case Failure::TooManyLines:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Too many lines for a day: more than %1")).arg(error.number);
    case Failure::InUse:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "in use by %1")).arg(holderText(error.holder));
    case Failure::BeingChanged:
        //: The student list or the password cannot be changed now; %1 says who holds its lock.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "it is being changed (%1); try again in a moment"))
            .arg(causeText(error));
    case Failure::NotLockable:
        //: %1 is the lock's file name, %2 why it could not be taken.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "could not be locked (%1: %2)"))
            .arg(toQt(causeOf(error).file), causeText(error));
    case Failure::DaysInUse:
        //: A save waited for a pupil's days in vain. %1 is the pupil, %2 who holds the lock.
        return phrase(
            QT_TRANSLATE_NOOP("Phrases", "%1's days are in use by %2; the answers are kept, save again in a moment"))
            .arg(toQt(error.text), holderText(causeOf(error).holder));
    case Failure::DaysNotLockable:
        //: %1 is the pupil, %2 the lock's file name, %3 why it could not be taken.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "could not lock %1's days (%2: %3)"))
            .arg(toQt(error.text), toQt(causeOf(error).file), causeText(error));
    case Failure::LinkForLock:
    case Failure::PipeForLock:
    case Failure::SocketForLock:
    case Failure::DeviceForLock:
    case Failure::OtherForLock:
    case Failure::FolderForLock:
        //: Something else has the name of one of the program's locks; %1 says what it is.
        return phrase(QT_TRANSLATE_NOOP("Phrases",
                          "this is %1, not a lock of the program's; delete it when no computer is using the program"))
            .arg(strangerText(error));
    case Failure::NoteNotCarriedOut:
        if (error.text.empty())
            //: As below, but the note could not even be renamed. %1 is why it was not carried out.
            return phrase(QT_TRANSLATE_NOOP("Phrases", "the clean-up note was not carried out (%1)"))
                .arg(causeText(error));
        //: A clean-up interrupted earlier left a note of what was still to do; it was checked, found wrong
        //: and renamed rather than carried out. %1 is why, %2 the note's new file name.
        return phrase(
            QT_TRANSLATE_NOOP("Phrases", "the clean-up note was not carried out (%1); it was set aside as \"%2\""))
            .arg(causeText(error), toQt(error.text));
    case Failure::NoteGarbled:
        //: Why a clean-up note was not carried out.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "it is not one this program wrote"));
    case Failure::NoteNamesAnother:
        //: Why a clean-up note was not carried out: it is in one pupil's name but names another.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "it names another pupil"));
    case Failure::NotOnRoster:
        //: Why a clean-up note was not carried out; %1 is a pupil's name, the list the student list.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "%1 is not on the list")).arg(toQt(error.text));
    case Failure::RosterHoldsSharer:
        //: Why a clean-up was refused: %1 is another pupil on the student list, the pupil's name followed
        //: by digits (Ann1 for Ann), whose day files may have the same names.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "the list also holds %1, whose history files may be the same files"))
            .arg(toQt(error.text));
    case Failure::NoteCountsFewerDays:
        //: Why a clean-up note was not carried out: it counts days 1 to %1, but a day %2 is there too.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "the note counts %1 days, but day %2 is there"))
            .arg(number(error.number), number(error.number + 1));
    case Failure::DayNotCounted:
        //: Why a clean-up note was not carried out: day %1 is not the file the note recorded.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "day %1 is not the day the note counted")).arg(error.number);
    case Failure::DayNotFound:
        //: Why a clean-up note was not carried out: day %1 was being renumbered and is neither under its
        //: old number nor under its new one.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "day %1 is neither where the note had it nor where it was going"))
            .arg(error.number);
    case Failure::MayBeSharersDay:
        //: Why a day file was not deleted: %1 is another pupil whose day it may be too (Ann's day 11 is
        //: Ann1's day 1).
        return phrase(QT_TRANSLATE_NOOP("Phrases", "it may be a history file of %1 too")).arg(toQt(error.text));
    case Failure::JpegLibraryMissing:
        //: The certificate's picture cannot be drawn. %1 is the library's file name, %2 the system's reason.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Cannot load the JPEG library %1: %2"))
            .arg(toQt(error.text),
                error.detail.empty() ? phrase(QT_TRANSLATE_NOOP("Phrases", "unknown reason")) : toQt(error.detail));
    case Failure::JpegFunctionMissing:
        //: %1 is the library's file name, %2 a function it should have.
        return phrase(QT_TRANSLATE_NOOP("Phrases", "The JPEG library %1 has no %2"))
            .arg(toQt(error.text), toQt(error.detail));
    case Failure::PictureTooLarge:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Picture too large"));
    case Failure::PictureNotRgb:
        return phrase(QT_TRANSLATE_NOOP("Phrases", "Picture cannot be shown in RGB"));
    case Failure::PictureUndecodable:
        // The JPEG library's own words, which it has in English only.
        return toQt(error.detail);
    }
    return {};
}

QString lockNoticeText(const quorvex::LockNotice& notice)
{
    if (notice.kind == quorvex::LockNotice::Kind::NotPutBack)
        //: A lock was taken over from a holder that stopped halfway; a file it had moved into its own
        //: folder could not go back. %1 is the file's name, %2 the lock's, %3 the system's reason,
        //: %4 where the file is now.
        return phrase(
            QT_TRANSLATE_NOOP("Phrases",
                "The file \"%1\" that the holder of the lock \"%2\" had set aside could not be put back (%3); "
                "it is kept as \"%4\"."))
            .arg(toQt(notice.file), toQt(notice.lock), systemReason(notice.code), toQt(notice.keptAs));
    const QString why = notice.unrenewedSeconds < 0
        //: Why a lock left behind was removed.
        ? phrase(QT_TRANSLATE_NOOP("Phrases", "its process has ended"))
        //: Why a lock left behind was removed; %1 is a number of seconds.
        : phrase(QT_TRANSLATE_NOOP("Phrases", "it was not renewed for %1 seconds")).arg(notice.unrenewedSeconds);
    //: %1 is a lock file's name, %2 who held it, %3 why it was removed.
    return phrase(QT_TRANSLATE_NOOP("Phrases", "The lock \"%1\" of %2 was removed: %3."))
        .arg(toQt(notice.lock), holderText(notice.holder), why);
}

QString dayFaultText(const quorvex::DayFault& fault)
{
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

QString dayFileOverlapText(const quorvex::DayFileOverlap& overlap)
{
    //: Told at start. %1 and %2 are pupils on the list, %2 being %1 followed by digits; %3 is a
    //: day number of %1's, %4 the file both days are.
    return phrase(QT_TRANSLATE_NOOP("Phrases",
                      "%1 and %2 are both on the student list, but their history files overlap: %1's day %3 is "
                      "the same file as %2's day 1 (%4)."))
        .arg(toQt(overlap.student), toQt(overlap.other), number(quorvex::firstSharedDay(overlap)),
            toQt(quorvex::dayFileName(overlap.other, 1)));
}

QString rosterTwinsText(const quorvex::Bytes& first, const quorvex::Bytes& second)
{
    //: Told at start. %1 and %2 are pupils on the list whose names differ only in capitals.
    return phrase(QT_TRANSLATE_NOOP("Phrases",
                      "%1 and %2 are both on the student list, but to the computer they are one name: they share one "
                      "set of history files."))
        .arg(toQt(first), toQt(second));
}
