// The fluency report of the selected student, read from that student's saved days and the
// answers of the lesson in progress that are not yet saved; and the class overview, the same
// read for every pupil of the roster and summed up in one row each.

#include "core/reports/classoverview.h"
#include "core/reports/fluency.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/classoverviewfrm.h"
#include "gui/windows/fluencyreport.h"
#include "gui/windows/folderwait.h"
#include "gui/windows/userdialogs.h"

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
    // Read through the pupil's summary of the days, or every day file again (Refresh).
    const auto read
        = [this, student, caption](QWidget* waiting, bool everything) -> std::optional<quorvex::FluencyReport> {
        std::optional<quorvex::Result<quorvex::FluencyReport>> read
            = folderwait::runOffWindow<quorvex::Result<quorvex::FluencyReport>>(waiting,
                { .text = tr("Reading %1\'s saved days...").arg(caption),
                    .title = tr("Fluency Report"),
                    .stoppable = true },
                [student, everything] { return quorvex::readFluencyReport(student, everything); });
        if (!read)
            return std::nullopt;
        if (!*read) {
            reportFileError(waiting, read->error());
            return std::nullopt;
        }
        quorvex::FluencyReport report = std::move(*read).value();
        // Unsaved answers are the selected pupil's only when they were given under that name.
        if (session.unsaved() && session.answersOwner() == student)
            report.addUnsavedDay(session.ownAnswers().records());
        return report;
    };
    std::optional<quorvex::FluencyReport> report = read(over, false);
    if (!report)
        return;
    TFluencyReportfrm window(over);
    window.setReport(std::move(*report), caption);
    window.readAgain = [&read, &window] { return read(&window, true); };
    window.exec();
}

// The roster's pupils read on other threads while the window stays live and shows how far it got;
// none when the user stopped waiting.
std::optional<std::vector<quorvex::PupilSummary>> Tflashcardfrm::readClassOverview(
    QWidget* over, quorvex::DayReading how)
{
    std::vector<quorvex::Bytes> roster;
    for (int i = 0; i < ui.namecb->count(); ++i)
        roster.push_back(toBytesLossy(ui.namecb->itemText(i))); // from the 8-bit roster, unchanged
    std::optional<quorvex::UnsavedAnswers> unsaved;
    if (session.unsaved()) {
        const auto records = session.ownAnswers().records();
        unsaved = quorvex::UnsavedAnswers { session.answersOwner(), { records.begin(), records.end() } };
    }
    // Shared with the reading threads, which may outlive a wait the user stopped.
    auto progress = std::make_shared<quorvex::OverviewProgress>();
    // A pupil's summary is a few round trips to a share, reading days many: the threads wait
    // on the network far more than they compute.
    const unsigned threads = std::max(8u, std::thread::hardware_concurrency());
    std::optional<std::vector<quorvex::PupilSummary>> rows
        = folderwait::runOffWindow<std::vector<quorvex::PupilSummary>>(over,
            { .text = tr("Reading the pupils' days..."),
                .title = tr("Class Overview"),
                .objectName = QStringLiteral("overviewprogress"),
                .steps = folderwait::Steps { &progress->done, static_cast<int>(roster.size()) },
                .stoppable = true },
            [roster, unsaved, progress, threads, how] {
                return quorvex::readClassOverview(roster, unsaved, *progress, threads, how);
            });
    if (!rows)
        progress->cancel = true; // the threads stop after the pupil each is reading
    return rows;
}

void Tflashcardfrm::ClassOverview1Click()
{
    if (followPasswordSetElsewhere() || !access.teacherCommandsEnabled())
        return;
    std::optional<std::vector<quorvex::PupilSummary>> rows = readClassOverview(this, quorvex::DayReading::Summarised);
    if (!rows)
        return;
    TClassOverviewfrm window(this);
    window.setRows(std::move(*rows), QDir::current().dirName());
    window.openReport
        = [this, &window](const quorvex::Bytes& student) { showFluencyReport(student, toQt(student), &window); };
    window.readAgain = [this, &window] { return readClassOverview(&window, quorvex::DayReading::Everything); };
    window.exec();
}
