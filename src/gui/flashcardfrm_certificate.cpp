// Wording the certificate from the counters and settings as they stand, and showing it.

#include "certificatefrm.h"
#include "core/certificatetext.h"
#include "flashcardfrm.h"
#include "textcodec.h"

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
    in.questionTypeText = toBytesLossy(ui.qtcb->currentText());
    in.correctCount = correctCount;
    in.askedCount = answerLog.askedCount();
    in.roundRightCount = roundRightCount;
    in.roundSeconds = ui.srsb->value();
    in.tablesOf = ui.ttrb->isChecked();
    in.tableText = toBytesLossy(ui.ttcb->currentText());
    in.upToText = toBytesLossy(ui.uptocb->currentText());
    in.mixAndMatch = ui.mixcb->isChecked();
    for (const quorvex::Operation op : quorvex::allOperations) {
        const QCheckBox* box = opBoxes[static_cast<size_t>(quorvex::code(op))];
        in.ticked[static_cast<size_t>(quorvex::code(op) - 1)] = box && box->isChecked();
    }
    in.currentOp = quorvex::isOperationCode(currentOp) ? quorvex::operationFromCode(currentOp)
                                                       : quorvex::Operation::Multiplication;
    in.studentName = toBytesLossy(ui.namecb->currentText());

    Certificatefrm->setNameDialog(Whoami);
    Certificatefrm->setComposedLines(quorvex::composeCertificate(in));
    Certificatefrm->exec();
}
