// The answer box and marking.

#include "core/drill/answers.h"
#include "gui/controls/controlhelpers.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/phrases.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

void Tflashcardfrm::wireAnswers()
{
    ui.anseb->installEventFilter(this);
    connect(ui.checkbt, &QPushButton::clicked, this, &Tflashcardfrm::checkbtClick);
    // Pasted or dropped text is filtered like typed text.
    connect(ui.anseb, &QLineEdit::textEdited, this, &Tflashcardfrm::filterAnswerText);
}

void Tflashcardfrm::ansebEnter()
{
    ui.anseb->clear();
}

bool Tflashcardfrm::ansebKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter marks only an open question: never one not yet asked, nor one whose speed
        // round has run out.
        if (ui.checkbt->isEnabled())
            checkbtClick();
        return true;
    }
    const QString text = event->text();
    // Keys that type nothing (arrows, Delete, shortcuts such as paste) keep their usual work.
    if (text.isEmpty() || event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QChar typed = text.front();
    if (event->key() == Qt::Key_Backspace || typed.category() == QChar::Other_Control)
        return false;
    if (typed < QLatin1Char('0') || typed > QLatin1Char('9'))
        return true;
    // A digit beyond the longest answer is not taken, unless it replaces a selection.
    return ui.anseb->text().size() >= quorvex::maxAnswerDigits && !ui.anseb->hasSelectedText();
}

void Tflashcardfrm::filterAnswerText()
{
    const QString text = ui.anseb->text();
    const QString kept = toQt(quorvex::answerDigits(toBytesLossy(text)));
    if (kept == text)
        return;
    const int cursor
        = static_cast<int>(toQt(quorvex::answerDigits(toBytesLossy(text.left(ui.anseb->cursorPosition())))).size());
    ui.anseb->setText(kept);
    ui.anseb->setCursorPosition(cursor);
}

void Tflashcardfrm::checkbtClick()
{
    const QString typed = ui.anseb->text();
    if (typed.isEmpty())
        return;
    const auto marked = session.check(toBytesLossy(typed));
    if (!marked) {
        // Not a whole number (the "?" left in the box): the question stays open and its time
        // runs on, with the text selected so that the pupil can type over it.
        ui.anseb->selectAll();
        ui.anseb->setFocus();
        return;
    }
    runClocks();
    // Next Question carries the result before it takes the focus, so that the focus brings it.
    ui.Questionbt->setAccessibleDescription(
        spokenMarkedText(session.question(), marked->right, session.correct(), session.askedShown()));
    showStrip(ui.Questionbt);
    ui.anseb->setEnabled(false);
    showMarked(marked->record, marked->right);
    resltsbtClick();
}

void Tflashcardfrm::showMarked(const quorvex::Treslts& record, bool right)
{
    setCaption(ui.qlb, toQt(record.question));
    setTextColour(ui.qlb, right ? green : red);
    // Right and wrong told by shape as well as colour, beside the fact.
    QPixmap mark(ui.qmarklb->size() * devicePixelRatioF());
    mark.setDevicePixelRatio(devicePixelRatioF());
    mark.fill(Qt::transparent);
    {
        QPainter painter(&mark);
        painter.setRenderHint(QPainter::Antialiasing);
        drawAnswerMark(painter, QRectF(QPointF(0, 0), ui.qmarklb->size()), right, right ? green : red);
    }
    ui.qmarklb->setPixmap(mark);
    ui.qmarklb->show();
    if (right)
        setCaption(ui.qclb, tr("Questions Correct: %1").arg(session.correct()));
    ui.qlb->setAccessibleName(spokenResultText(session.question(), right));
    ui.Questionbt->setFocus();
    setCaption(ui.qalb, tr("Questions Asked: %1").arg(session.askedShown()));
}
