// A pupil's data on request: everything the class folder holds about one pupil, copied into a
// folder the teacher chooses, for the pupil or a parent who asks for it; or erased for good.

#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/roster.h"
#include "core/reports/fluency.h"
#include "core/reports/pupilexport.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/pdffile.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/fluencypage.h"
#include "gui/windows/folderwait.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/faultwords.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

quorvex::AnswersCsvWords answersWords()
{
    //: Column headings of a pupil's exported answers (a spreadsheet file).
    const QString headings[] = { Tflashcardfrm::tr("Day"), Tflashcardfrm::tr("Question type"),
        Tflashcardfrm::tr("Operation"), Tflashcardfrm::tr("Fact"), Tflashcardfrm::tr("Answer typed"),
        Tflashcardfrm::tr("Right"), Tflashcardfrm::tr("Tenths of a second") };
    quorvex::AnswersCsvWords words;
    for (size_t k = 0; k < words.headings.size(); ++k)
        words.headings[k] = headings[k].toStdString();
    //: A question type in a pupil's exported answers.
    words.practice = Tflashcardfrm::tr("practice").toStdString();
    //: A question type in a pupil's exported answers: an answer saved without a time.
    words.speedRound = Tflashcardfrm::tr("speed round").toStdString();
    //: Whether an exported answer was right.
    words.right = Tflashcardfrm::tr("yes").toStdString();
    words.wrong = Tflashcardfrm::tr("no").toStdString();
    return words;
}

// What each file of the export is, in the teacher's language.
QString readme(const QString& pupil, const std::vector<quorvex::ExportedDay>& days, const QString& className)
{
    const int count = static_cast<int>(days.size());
    const QString dayFiles = count == 0
        ? Tflashcardfrm::tr("No day was saved, so there is no day file.")
        //: %1 and %2 are the first and last day file, "Ann1.txt" and "Ann12.txt".
        : Tflashcardfrm::tr("%1 to %2: the %n day file(s), copied byte for byte. Each line is one answer: "
                            "the operation, 1 for right or 0 for wrong, the fact, the answer typed, and the "
                            "time in tenths of a second (0 in a speed round). The texts are in the "
                            "Windows-1252 character set.",
            nullptr, count)
              .arg(toQt(days.front().fileName), toQt(days.back().fileName));
    return Tflashcardfrm::tr("Quorvex: everything the class folder \"%1\" holds about %2, exported on %3.")
               .arg(className, pupil, QLocale().toString(QDate::currentDate(), QLocale::LongFormat))
        + QStringLiteral("\n\n") + dayFiles + QLatin1Char('\n')
        + Tflashcardfrm::tr("answers.csv: every answer of those days, one row each, for a spreadsheet (UTF-8).")
        + QLatin1Char('\n') + Tflashcardfrm::tr("fluency-report.pdf: the fluency report of those days.")
        + QStringLiteral("\n\n")
        + Tflashcardfrm::tr("Besides these days the class folder holds only the pupil's name on the class list "
                            "and a summary of these days that makes reading them faster. Quorvex sends nothing "
                            "anywhere.")
        + QLatin1Char('\n');
}

bool writePdf(const QString& path, const quorvex::FluencyReport& report, const QString& pupil)
{
    QPdfWriter pdf(path);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    pdf.setResolution(150);
    pdf.setTitle(QCoreApplication::translate("FluencyReport", "Fluency Report: %1").arg(pupil));
    pdf.setCreator(QStringLiteral("Quorvex"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setTransform(fluencyPageTransform(QRectF(0, 0, pdf.width(), pdf.height())));
    drawFluencyPage(painter, report, pupil);
    return painter.end();
}

} // namespace

void Tflashcardfrm::ExportaPupil1Click()
{
    if (followPasswordSetElsewhere() || !access.teacherCommandsEnabled())
        return;
    const quorvex::Bytes student = selectedStudent();
    const QString pupil = ui.namecb->currentText();
    const QString chosen = userDialogs().askFolder(this, tr("Export %1 into a folder").arg(pupil), pdfFolder());
    if (chosen.isEmpty())
        return;
    const std::optional<quorvex::Result<std::vector<quorvex::ExportedDay>>> read
        = folderwait::runOffWindow<quorvex::Result<std::vector<quorvex::ExportedDay>>>(this,
            { .text = tr("Reading %1\'s saved days...").arg(pupil), .title = windowTitle(), .stoppable = true },
            [student] { return quorvex::readPupilDays(student); });
    if (!read)
        return;
    if (!*read) {
        reportFileError(this, read->error());
        return;
    }
    const std::vector<quorvex::ExportedDay>& days = **read;

    // A folder of its own, never one that is there already.
    QString name = pdfFileName(tr("Quorvex export"), pupil, QDate::currentDate());
    name.chop(4);
    QDir into(chosen);
    QString folder = name;
    for (int n = 2; !into.mkdir(folder); ++n) {
        if (!into.exists(folder) || n > 99) {
            userDialogs().reportError(
                this, tr("The folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(into.filePath(folder))));
            return;
        }
        folder = QStringLiteral("%1 (%2)").arg(name).arg(n);
    }
    into.cd(folder);

    QStringList failures;
    const auto write = [&](const QString& file, const quorvex::Bytes& contents) {
        const quorvex::Status written
            = quorvex::createNewFile(QFile::encodeName(into.filePath(file)).toStdString(), contents);
        if (!written)
            failures << tr("The file \"%1\" could not be written: %2.")
                            .arg(QDir::toNativeSeparators(into.filePath(file)), fileErrorReason(written.error()));
    };
    quorvex::FluencyReport report;
    for (const quorvex::ExportedDay& day : days) {
        write(toQt(day.fileName), day.contents);
        report.addDayFile(day.contents);
        if (!day.answers)
            failures << tr("%1 The file was copied as it is; its answers are not in answers.csv.")
                            .arg(fileErrorText(day.answers.error()));
    }
    write(QStringLiteral("answers.csv"), quorvex::answersCsv(days, answersWords()));
    write(QStringLiteral("README.txt"), readme(pupil, days, QDir::current().dirName()).toUtf8().toStdString());
    if (!writePdf(into.filePath(QStringLiteral("fluency-report.pdf")), report, pupil))
        failures << tr("The file \"%1\" could not be written.")
                        .arg(QDir::toNativeSeparators(into.filePath(QStringLiteral("fluency-report.pdf"))));
    if (!failures.isEmpty()) {
        userDialogs().reportError(this, failures.join(QLatin1Char('\n')));
        return;
    }
    userDialogs().showNotice(this,
        tr("Everything kept about %1 (%n day(s)) was exported to \"%2\".", nullptr, static_cast<int>(days.size()))
            .arg(pupil, QDir::toNativeSeparators(into.path())));
}

void Tflashcardfrm::ErasePupil1Click()
{
    if (followPasswordSetElsewhere() || !access.teacherCommandsEnabled())
        return;
    const quorvex::Bytes student = selectedStudent();
    const QString pupil = ui.namecb->currentText();
    const std::optional<int32_t> days = folderwait::runOffWindow<int32_t>(this,
        { .text = tr("Reading %1\'s saved days...").arg(pupil), .title = windowTitle(), .stoppable = true },
        [student] { return quorvex::countDays(student); });
    if (!days)
        return;
    const bool guest = ui.namecb->currentIndex() == 0;
    //: Asked before a pupil is erased; %1 is the pupil's name.
    const QString question = guest
        ? tr("Erase everything kept about %1: %n saved day(s)? They are deleted for good; %1 stays on the class "
             "list.",
            nullptr, *days)
              .arg(pupil)
        : tr("Erase %1 and everything kept about them: %n saved day(s) and their place on the class list? They "
             "are deleted for good.",
            nullptr, *days)
              .arg(pupil);
    if (!userDialogs().askYesNo(this, question))
        return;
    // Answers of the pupil not saved yet are not saved any more.
    if (session.unsaved() && session.answersOwner() == student)
        session.markSaved(student);
    const std::optional<quorvex::DayFilesReport> erased = folderwait::runOffWindow<quorvex::DayFilesReport>(this,
        { .text = tr("Erasing %1...").arg(pupil), .title = windowTitle() },
        [student] { return quorvex::erasePupil(student); });
    reportLockNotices(this);
    if (!erased)
        return;
    if (const quorvex::Result<std::vector<quorvex::Bytes>> roster = quorvex::loadOrCreateRoster()) {
        setEntries(ui.namecb, *roster);
        ui.namecb->setCurrentIndex(0);
    }
    QStringList faults;
    for (const quorvex::DayFault& fault : erased->faults)
        faults << dayFaultText(fault);
    if (!faults.isEmpty() || !erased->erased) {
        faults.prepend(tr("%1 was not erased completely.").arg(pupil));
        userDialogs().reportError(this, faults.join(QLatin1Char('\n')));
        return;
    }
    userDialogs().showNotice(this, tr("%1 and everything kept about them were erased.").arg(pupil));
}
