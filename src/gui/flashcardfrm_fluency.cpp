// The fluency report of the selected student, read from that student's saved days.

#include "core/fluency.h"
#include "flashcardfrm.h"
#include "fluencyreport.h"
#include "userdialogs.h"

#include <QComboBox>

void Tflashcardfrm::FluencyReport1Click()
{
    quorvex::Result<quorvex::FluencyReport> report = quorvex::readFluencyReport(selectedStudent());
    if (!report) {
        reportFileError(this, report.error());
        return;
    }
    TFluencyReportfrm window(this);
    window.setReport(std::move(report).value(), ui.namecb->currentText());
    window.exec();
}
