// The fluency report of the selected student, read from that student's saved days and the
// answers of the lesson in progress that are not yet saved; and the class overview, the same
// read for every pupil of the roster and summed up in one row each.

#include "classoverviewfrm.h"
#include "core/classoverview.h"
#include "core/fluency.h"
#include "flashcardfrm.h"
#include "fluencyreport.h"
#include "textcodec.h"
#include "userdialogs.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <thread>

void Tflashcardfrm::FluencyReport1Click()
{
    showFluencyReport(selectedStudent(), ui.namecb->currentText(), this);
}

void Tflashcardfrm::showFluencyReport(const quorvex::Bytes& student, const QString& caption, QWidget* over)
{
    quorvex::Result<quorvex::FluencyReport> read = quorvex::readFluencyReport(student);
    if (!read) {
        reportFileError(over, read.error());
        return;
    }
    quorvex::FluencyReport report = std::move(read).value();
    // Unsaved answers are the selected pupil's only when they were given under that name.
    if (session.unsaved() && session.answersOwner() == student)
        report.addUnsavedDay(session.ownAnswers().records());
    TFluencyReportfrm window(over);
    window.setReport(std::move(report), caption);
    window.exec();
}

void Tflashcardfrm::ClassOverview1Click()
{
    if (followPasswordSetElsewhere() || !access.teacherCommandsEnabled())
        return;
    std::vector<quorvex::Bytes> roster;
    for (int i = 0; i < ui.namecb->count(); ++i)
        roster.push_back(toBytesLossy(ui.namecb->itemText(i))); // from the 8-bit roster, unchanged
    std::optional<quorvex::UnsavedAnswers> unsaved;
    if (session.unsaved()) {
        const auto records = session.ownAnswers().records();
        unsaved = quorvex::UnsavedAnswers { session.answersOwner(), { records.begin(), records.end() } };
    }

    // The days are read on other threads while the window stays live and shows how far it got.
    quorvex::OverviewProgress progress;
    std::vector<quorvex::PupilSummary> rows;
    std::atomic<bool> finished { false };
    std::thread reader([&] {
        rows = quorvex::readClassOverview(roster, unsaved, progress, std::max(2u, std::thread::hardware_concurrency()));
        finished = true;
    });
    QProgressDialog waiting(tr("Reading the pupils' days..."), tr("Cancel"), 0, static_cast<int>(roster.size()), this);
    waiting.setObjectName(QStringLiteral("overviewprogress"));
    waiting.setWindowTitle(tr("Class Overview"));
    waiting.setWindowModality(Qt::WindowModal);
    waiting.setMinimumDuration(300);
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (waiting.wasCanceled())
            progress.cancel = true;
        else
            waiting.setValue(progress.done);
        if (finished)
            loop.quit();
    });
    poll.start(20);
    if (!finished)
        loop.exec();
    reader.join();
    const bool cancelled = progress.cancel;
    waiting.reset();
    if (cancelled)
        return;

    TClassOverviewfrm window(this);
    window.setRows(std::move(rows), QDir::current().dirName());
    window.openReport
        = [this, &window](const quorvex::Bytes& student) { showFluencyReport(student, toQt(student), &window); };
    window.exec();
}
