#include "core/drill/reask.h"

#include <algorithm>
#include <functional>

namespace quorvex {

Fact factOf(const Question& question)
{
    const int32_t b = question.secondNum;
    switch (question.op) {
    case Operation::Subtraction:
        return { question.op, question.firstNum - b, b };
    case Operation::Division:
        return { question.op, b == 0 ? 0 : question.firstNum / b, b };
    case Operation::Addition:
    case Operation::Multiplication:
        break;
    }
    return { question.op, question.firstNum, b };
}

bool canAsk(const DrillSettings& settings, const Fact& fact, int32_t lastFirstNum)
{
    const int32_t range = settings.tablesOf ? settings.tableNumber : settings.practiceBound;
    const int32_t lowest = settings.includeZero ? 0 : 1;
    const bool secondFits
        = settings.tablesOf ? fact.b >= 1 && fact.b <= settings.tableNumber : fact.b == settings.tableNumber;
    return settings.allowed[static_cast<size_t>(code(fact.op) - 1)] && fact.a >= lowest && fact.a <= range
        && fact.a != lastFirstNum && secondFits;
}

size_t ReaskPool::index(const Fact& fact)
{
    return static_cast<size_t>(code(fact.op) - 1) * cellsPerOperation
        + static_cast<size_t>(fact.a * (largestSecond - smallestSecond + 1) + fact.b - smallestSecond);
}

void ReaskPool::startPupil(const FluencyReport& saved)
{
    beginRun();
    for (const Operation op : allOperations) {
        for (int32_t a = 0; a <= largestBase; ++a) {
            for (int32_t b = smallestSecond; b <= largestSecond; ++b) {
                const Fact fact { op, a, b };
                m_states[index(fact)] = saved.state(fact);
                m_due[index(fact)] = m_spaced && saved.due(fact);
            }
        }
    }
}

void ReaskPool::beginRun()
{
    m_run.clear();
    m_inPlay.clear();
    m_lastAskedUnknown = false;
    std::fill(m_fluentInRun.begin(), m_fluentInRun.end(), false);
}

void ReaskPool::answered(const Fact& fact, bool right, int32_t ticks, bool timed)
{
    // The saved days' states move on as a day file would move them, except that a practice
    // answer is timed even at 0 tenths, which a day file cannot tell from a speed round's.
    FactState& state = m_states[index(fact)];
    state = nextState(state, right, timed ? std::max(ticks, 1) : 0);
    m_due[index(fact)] = false;
    if (right)
        std::erase(m_inPlay, fact);
    else if (m_inPlay.size() < factsInPlay && std::find(m_inPlay.begin(), m_inPlay.end(), fact) == m_inPlay.end())
        m_inPlay.push_back(fact); // a known fact missed while four are in play waits for room
    const auto found = std::find_if(m_run.begin(), m_run.end(), [&](const Missed& m) { return m.fact == fact; });
    // A right answer without a time settles a wrong one but shows no speed.
    if (right && !timed) {
        if (found != m_run.end() && found->wrong)
            m_run.erase(found);
        return;
    }
    if (found != m_run.end())
        m_run.erase(found);
    if (!right)
        m_run.push_back({ fact, true });
    else if (ticks > fluentTenths)
        m_run.push_back({ fact, false });
    else
        m_fluentInRun[index(fact)] = true;
}

template <class Keep>
std::vector<Fact> ReaskPool::askable(const DrillSettings& settings, int32_t lastFirstNum, Keep keep) const
{
    std::vector<Fact> facts;
    for (const Operation op : allOperations) {
        for (int32_t a = 0; a <= largestBase; ++a) {
            for (int32_t b = smallestSecond; b <= largestSecond; ++b) {
                const Fact fact { op, a, b };
                if (canAsk(settings, fact, lastFirstNum) && keep(fact))
                    facts.push_back(fact);
            }
        }
    }
    return facts;
}

static std::optional<Fact> anyOf(const std::vector<Fact>& facts, RandomEngine& rng)
{
    if (facts.empty())
        return std::nullopt;
    return facts[std::uniform_int_distribution<size_t>(0, facts.size() - 1)(rng)];
}

std::optional<Fact> ReaskPool::reask(const DrillSettings& settings, int32_t lastFirstNum, RandomEngine& rng) const
{
    for (const bool wrong : { true, false }) {
        const std::optional<Fact> due = anyOf(
            askable(settings, lastFirstNum,
                [this, wrong](const Fact& fact) {
                    return m_due[index(fact)] && (m_states[index(fact)] == FactState::Wrong) == wrong && admitted(fact);
                }),
            rng);
        if (due)
            return due;
    }
    for (const bool wrong : { true, false }) {
        for (const Missed& missed : m_run) {
            if (missed.wrong == wrong && canAsk(settings, missed.fact, lastFirstNum) && admitted(missed.fact))
                return missed.fact;
        }
    }
    return anyOf(askable(settings, lastFirstNum,
                     [this](const Fact& fact) {
                         const FactState state = m_states[index(fact)];
                         return (state == FactState::Wrong || state == FactState::Right) && admitted(fact);
                     }),
        rng);
}

bool ReaskPool::admitted(const Fact& fact) const
{
    return !m_spaced || known(fact) || m_inPlay.size() < factsInPlay
        || std::find(m_inPlay.begin(), m_inPlay.end(), fact) != m_inPlay.end();
}

std::optional<Fact> ReaskPool::instead(
    const DrillSettings& settings, int32_t lastFirstNum, const Fact& drawn, RandomEngine& rng) const
{
    const auto unasked = [this](const Fact& fact) { return known(fact) && !fluentInRun(fact); };
    const bool knownNext = m_spaced && m_lastAskedUnknown && !askable(settings, lastFirstNum, unasked).empty();
    const auto dueOrNew = [&](const Fact& fact) {
        if (fluentInRun(fact))
            return false;
        return known(fact) && m_spaced ? bool(m_due[index(fact)]) : !knownNext && admitted(fact);
    };
    const auto anyAdmitted = [this](const Fact& fact) { return admitted(fact); };
    const std::function<bool(const Fact&)> tiers[] = { dueOrNew, unasked, anyAdmitted };
    for (const auto& suits : tiers) {
        if (suits(drawn))
            return std::nullopt;
        if (const std::optional<Fact> fact = anyOf(askable(settings, lastFirstNum, suits), rng))
            return fact;
    }
    return std::nullopt;
}

void ReaskPool::asked(const Fact& fact)
{
    m_lastAskedUnknown = !known(fact);
}

} // namespace quorvex
