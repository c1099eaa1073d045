// Wording the certificate from the counters and settings as they stand, and showing it.

#include "core/reports/certificatetext.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/certificatefrm.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>

void Tflashcardfrm::wireCertificate()
{
    connect(ui.Printcertificate1, &QAction::triggered, this, &Tflashcardfrm::Printcertificate1Click);
}

void Tflashcardfrm::Printcertificate1Click()
{
    quorvex::CertificateInputs in;
    in.questionTypeIndex = ui.qtcb->currentIndex();
    in.correctCount = session.correct();
    in.askedCount = session.log().askedCount();
    in.roundRightCount = session.roundRight();
    in.roundSeconds = ui.srsb->value();
    in.tablesOf = ui.ttrb->isChecked();
    in.tableText = toBytesLossy(ui.ttcb->currentText());
    in.upToText = toBytesLossy(ui.uptocb->currentText());
    in.mixAndMatch = ui.mixcb->isChecked();
    for (size_t k = 0; k < opBoxes.size(); ++k)
        in.ticked[k] = opBoxes[k]->isChecked();
    in.currentOp = session.operation();
    in.studentName = toBytesLossy(ui.namecb->currentText());

    Certificatefrm->setNameDialog(Whoami);
    Certificatefrm->setComposedWords(certificateWords(in));
    Certificatefrm->exec();
}
