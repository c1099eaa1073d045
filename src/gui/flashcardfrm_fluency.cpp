// The fluency report of the selected student, read from that student's saved days and the
// answers of the lesson in progress that are not yet saved.

#include "core/fluency.h"
#include "flashcardfrm.h"
#include "fluencyreport.h"
#include "userdialogs.h"

#include <QComboBox>

void Tflashcardfrm::FluencyReport1Click()
{
    const quorvex::Bytes student = selectedStudent();
    quorvex::Result<quorvex::FluencyReport> read = quorvex::readFluencyReport(student);
    if (!read) {
        reportFileError(this, read.error());
        return;
    }
    quorvex::FluencyReport report = std::move(read).value();
    // Unsaved answers are the selected pupil's only when they were given under that name.
    if (session.unsaved() && session.answersOwner() == student)
        report.addUnsavedDay(session.ownAnswers().records());
    TFluencyReportfrm window(this);
    window.setReport(std::move(report), ui.namecb->currentText());
    window.exec();
}
