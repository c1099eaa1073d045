#include "core/drill/drillsession.h"

#include "core/drill/answers.h"

namespace quorvex {

DrillSession::DrillSession() = default;

void DrillSession::changeQuestionType(QuestionType type)
{
    m_type = type;
    m_state = StripState::Idle;
    m_clocks = {};
}

void DrillSession::beginRun()
{
    m_roundTenthsLeft = m_roundSeconds * 10;
    m_roundRight = 0;
    m_askedShown = 0;
    m_correct = 0;
    m_questionStartTenths = 0;
    m_elapsedTenths = 0;
    m_lastFirstNum = 0;
    m_markedInRun = 0;
    m_pool.beginRun();
}

DrillSession::Asked DrillSession::nextQuestion(const DrillSettings& settings)
{
    m_unsaved = true;
    // The operation is drawn before a new run resets the last base number, as it always was,
    // so that a seeded sitting asks the same questions.
    const Operation op = drawOperation(m_random, settings.allowed);
    const bool runBegan = m_state == StripState::Idle;
    if (runBegan)
        beginRun();
    else
        m_questionStartTenths = m_elapsedTenths;
    (m_type == QuestionType::Practice ? m_clocks.question : m_clocks.round) = true;
    // The draw always runs, so that "Always Random" asks what it always asked for a seed; with a
    // number chosen its question may give way to a re-ask or to a fact that suits the pupil
    // better (reask.h).
    const int32_t lastFirstNum = m_lastFirstNum;
    m_question = drawOperands(m_random, settings, op, m_lastFirstNum);
    std::optional<Fact> reask;
    if (m_redoWrongAfter != alwaysRandom) {
        if (m_markedInRun > 0 && m_markedInRun % m_redoWrongAfter == 0)
            reask = m_pool.reask(settings, lastFirstNum, m_random);
        const std::optional<Fact> fact
            = reask ? reask : m_pool.instead(settings, lastFirstNum, factOf(m_question), m_random);
        if (fact) {
            m_question = formQuestion(fact->op, fact->a, fact->b);
            m_lastFirstNum = fact->a;
        }
        m_pool.asked(factOf(m_question));
    }
    m_state = StripState::Asking;
    return { m_question, runBegan, reask.has_value() };
}

std::optional<DrillSession::Marked> DrillSession::check(BytesView typed)
{
    const std::optional<int32_t> answer = parseAnswer(typed);
    if (!answer)
        return std::nullopt;
    m_questionEndTenths = m_elapsedTenths;
    m_clocks.question = false;
    if (m_state == StripState::Asking)
        m_state = StripState::Answered;

    const bool right = *answer == expectedAnswer(m_question);
    if (right) {
        ++m_roundRight;
        ++m_correct;
    }
    Treslts record;
    record.question = completedFact(m_question);
    record.operation = operationName(m_question.op);
    record.questionType = m_type == QuestionType::Practice ? Bytes("Practice") : Bytes("S. Round");
    record.answer = Bytes(typed);
    record.correct = right;
    record.ticks = m_questionEndTenths - m_questionStartTenths;
    record.number = m_log.askedCount() + 1;
    m_pool.answered(factOf(m_question), right, record.ticks, m_type == QuestionType::Practice);
    ++m_markedInRun;
    m_log.append(std::move(record));
    m_askedShown = m_log.askedCount();
    return Marked { m_log.slot(m_log.askedCount()), right };
}

DrillSession::RoundTicked DrillSession::roundTick()
{
    --m_roundTenthsLeft;
    const RoundTicked ticked { m_roundTenthsLeft, m_roundTenthsLeft < 100, m_roundTenthsLeft <= 0 };
    if (ticked.ended) {
        m_state = StripState::Idle;
        m_clocks.round = false;
        m_roundTenthsLeft = m_roundSeconds * 10;
    }
    return ticked;
}

int32_t DrillSession::questionTenths() const
{
    return (m_state == StripState::Asking ? m_elapsedTenths : m_questionEndTenths) - m_questionStartTenths;
}

DrillSession::StudentChange DrillSession::changeStudent(BytesView student)
{
    if (m_unsaved)
        return StudentChange::KeptUnsaved;
    m_clocks.question = false;
    m_elapsedTenths = 0;
    m_state = StripState::Idle;
    // The new student starts with an empty log, also when it is set aside for the view.
    if (m_historyShown)
        m_ownLog.setAskedCount(0);
    m_log.setAskedCount(0);
    m_correct = 0;
    m_owner = Bytes(student);
    m_pool.startPupil(FluencyReport());
    return StudentChange::Changed;
}

void DrillSession::followSelection(BytesView student)
{
    if (!m_unsaved)
        m_owner = Bytes(student);
}

void DrillSession::markSaved(BytesView student)
{
    m_unsaved = false;
    m_owner = Bytes(student);
}

void DrillSession::showHistory()
{
    if (m_historyShown)
        return;
    m_ownLog = m_log;
    m_historyShown = true;
}

void DrillSession::showDay(std::vector<Treslts> records)
{
    // Outside the view the log is the pupil's own, which a day must never replace.
    if (!m_historyShown)
        return;
    m_log.setAskedCount(0);
    for (Treslts& record : records)
        m_log.append(std::move(record));
}

void DrillSession::hideHistory()
{
    if (!m_historyShown)
        return;
    m_log = m_ownLog;
    m_historyShown = false;
}

} // namespace quorvex
