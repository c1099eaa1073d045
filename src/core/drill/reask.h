#pragma once

// "Redo Wrong after": what a pupil has still to learn comes back. After every N questions of a
// run the next question is a re-ask, taken from the pool in this order: facts the saved days make
// due for review today (fluency.h), those last answered wrong first, until the run has asked
// them; facts answered wrong in this run and not answered right since; facts answered right but
// slowly in this run; facts whose latest state, in the pupil's saved days and this sitting, is
// wrong or right but not fluent. A fact answered right within 3.0 s leaves the pool.
//
// Between re-asks the drawn question stands when it suits, else one that suits is chosen at
// random, in this order: facts due today and facts not yet known (latest state not fluent), then
// known facts the run has not asked, then the drawn one. A fact the run has had answered right
// within 3.0 s is not asked again while the settings allow one it has not.
//
// Facts not yet known come a few at a time, mixed among known ones: at most factsInPlay of them
// are in play (answered wrong in the run and not answered right since; a question passed over
// with Next Question brings none in), and, while the settings allow a known fact the run has not
// asked, no two questions in a row ask facts not yet known unless the second is a re-ask. Re-asks
// keep the bound on the facts in play too.

#include "core/drill/questiondraw.h"
#include "core/reports/fluency.h"

#include <optional>
#include <vector>

namespace quorvex {

// The facts not yet known that a run works on at once.
inline constexpr size_t factsInPlay = 4;

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
    // Off, the pool keeps the rule it had before reviews were spaced over days: no facts due, no
    // bound on the facts in play, and between re-asks any fact the run has not had answered
    // right within 3.0 s. Kept to compare the two.
    void setSpacedReviews(bool on) { m_spaced = on; }
    // An answer of this run: timed in practice (also when checked in the tenth its question
    // appeared), not in a speed round.
    void answered(const Fact& fact, bool right, int32_t ticks, bool timed);

    // The fact to ask again; none when the pool holds none the settings can ask now. Among the
    // facts of the saved days one is chosen at random.
    std::optional<Fact> reask(const DrillSettings& settings, int32_t lastFirstNum, RandomEngine& rng) const;

    // The fact to ask instead of the drawn one between re-asks, or none to ask the drawn one.
    std::optional<Fact> instead(
        const DrillSettings& settings, int32_t lastFirstNum, const Fact& drawn, RandomEngine& rng) const;
    // The question the run asks now, of a fact from the draw or a re-ask.
    void asked(const Fact& fact);

    // Whether the run has the fact answered right within 3.0 s.
    bool fluentInRun(const Fact& fact) const { return m_fluentInRun[index(fact)]; }
    // Whether the fact's latest state, in the saved days and this sitting, is fluent.
    bool known(const Fact& fact) const { return m_states[index(fact)] == FactState::Fluent; }
    // The facts in play: not yet known, answered wrong in the run and not right since.
    const std::vector<Fact>& inPlay() const { return m_inPlay; }

    // The latest state of the fact in the saved days and this sitting.
    FactState state(const Fact& fact) const { return m_states[index(fact)]; }

private:
    static constexpr size_t cellsPerOperation = (largestBase + 1) * (largestSecond - smallestSecond + 1);
    static size_t index(const Fact& fact);
    template <class Keep>
    std::vector<Fact> askable(const DrillSettings& settings, int32_t lastFirstNum, Keep keep) const;
    // Whether asking the fact keeps at most factsInPlay facts in play.
    bool admitted(const Fact& fact) const;

    struct Missed {
        Fact fact;
        bool wrong = false; // else right but slow
    };
    std::vector<Missed> m_run; // oldest first
    std::vector<FactState> m_states = std::vector<FactState>(4 * cellsPerOperation, FactState::NotAsked);
    std::vector<bool> m_fluentInRun = std::vector<bool>(4 * cellsPerOperation, false);
    // Due for review today by the saved days, and not yet asked in this sitting.
    std::vector<bool> m_due = std::vector<bool>(4 * cellsPerOperation, false);
    bool m_spaced = true;
    std::vector<Fact> m_inPlay;
    bool m_lastAskedUnknown = false;
};

} // namespace quorvex
