#pragma once

// "Redo Wrong after": what a pupil has still to learn comes back. After every N questions of a
// run the next question is a re-ask, taken from the pool in this order: facts the saved days make
// due for review today (fluency.h), those last answered wrong first, until the run has asked
// them; facts answered wrong in this run and not answered right since; facts answered right but
// slowly in this run; facts whose latest state, in the pupil's saved days and this sitting, is
// wrong or right but not fluent. Between re-asks a fact the run has seen answered right within 3.0 s is not drawn again
// while the settings allow one it has not. A fact answered right within 3.0 s leaves the pool.

#include "core/drill/questiondraw.h"
#include "core/reports/fluency.h"

#include <optional>
#include <vector>

namespace quorvex {

// The tag of "Always &Random": every question is drawn, none is a re-ask.
inline constexpr int32_t alwaysRandom = 99999;

// The fact a question asks: its operation, base number and second number.
Fact factOf(const Question& question);

// Whether the settings can ask the fact as the question after one with base number
// lastFirstNum (0 before the first question of a run, so that it never has base 0).
bool canAsk(const DrillSettings& settings, const Fact& fact, int32_t lastFirstNum);

class ReaskPool {
public:
    // Another pupil: the pool holds what the saved days say, nothing of a run.
    void startPupil(const FluencyReport& saved);
    void beginRun();
    // An answer of this run: timed in practice (also when checked in the tenth its question
    // appeared), not in a speed round.
    void answered(const Fact& fact, bool right, int32_t ticks, bool timed);

    // The fact to ask again; none when the pool holds none the settings can ask now. Among the
    // facts of the saved days one is chosen at random.
    std::optional<Fact> reask(const DrillSettings& settings, int32_t lastFirstNum, RandomEngine& rng) const;

    // Whether the run has the fact answered right within 3.0 s.
    bool fluentInRun(const Fact& fact) const { return m_fluentInRun[index(fact)]; }
    // A fact the settings can ask now that the run has not had answered right within 3.0 s,
    // chosen at random; none when there is none.
    std::optional<Fact> unlearned(const DrillSettings& settings, int32_t lastFirstNum, RandomEngine& rng) const;

    // The latest state of the fact in the saved days and this sitting.
    FactState state(const Fact& fact) const { return m_states[index(fact)]; }

private:
    static constexpr size_t cellsPerOperation = (largestBase + 1) * (largestSecond - smallestSecond + 1);
    static size_t index(const Fact& fact);
    template <class Keep>
    std::vector<Fact> askable(const DrillSettings& settings, int32_t lastFirstNum, Keep keep) const;

    struct Missed {
        Fact fact;
        bool wrong = false; // else right but slow
    };
    std::vector<Missed> m_run; // oldest first
    std::vector<FactState> m_states = std::vector<FactState>(4 * cellsPerOperation, FactState::NotAsked);
    std::vector<bool> m_fluentInRun = std::vector<bool>(4 * cellsPerOperation, false);
    // Due for review today by the saved days, and not yet asked in this sitting.
    std::vector<bool> m_due = std::vector<bool>(4 * cellsPerOperation, false);
};

} // namespace quorvex
