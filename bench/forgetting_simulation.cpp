// How much of "Tables of" 12 a class still knows a month after practice ends, with "Always
// Random" and with a re-ask after every 10 questions. Unlike quorvex_redowrong_simulation's pupil,
// who never forgets, this one forgets between school days.
//
// The pupil's memory of each fact follows the two-component model of memory (Wozniak and
// Gorzelanczyk 1995, the model behind spaced-repetition schedules): a fact has a stability S, in
// school days, and is recalled t days after its last successful recall with probability
// R = exp(-t / S) (Ebbinghaus's forgetting curve). A recall raises the stability the more, the
// more the fact had been forgotten: S becomes S * (1 + 3 * (1 - R)) + 0.1, so a fact asked again
// the same day (R = 1) gains almost nothing and one recalled after about S days nearly triples
// its S: the spacing effect (Cepeda et al. 2006, a meta-analysis of distributed practice; Pavlik
// and Anderson 2005 for facts drilled by retrieval). A fact not recalled is answered wrong, its
// right answer shown: S halves (at least 1) and it counts as just learned.
//
// Each of 30 pupils starts knowing 100 of the 144 facts (times, no zero) with S = 3 days, learned
// on day 0; each of the other 44 (chosen by the pupil's seed) is answered wrong the first two times
// it is asked and then learned, S = 1. A recalled fact is answered in 2.0 s, a wrong one in 5.0 s.
// Every school day for 60 days the pupil answers 120 questions of the real DrillSession (about
// ten minutes), which reads the days saved before, as at the pupil's next start; the day is then
// saved as the program saves it.
//
// Printed, median over the 30 pupils (10th to 90th percentile), as shares of the 144 facts: the
// facts the pupil would recall the morning after day 60, and 30 days after that with no practice
// in between (the expected share, the mean of R over the facts).

#include "core/classfolder/history.h"
#include "core/drill/answers.h"
#include "core/drill/drillsession.h"
#include "core/reports/fluency.h"
#include "spread.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

using namespace quorvex;

namespace {

constexpr int32_t facts = 144;
constexpr int32_t unknownFacts = 44;
constexpr int32_t schoolDays = 60;
constexpr int32_t answersPerDay = 120;
constexpr int32_t pupils = 30;
constexpr int32_t monthLater = 30;

struct Memory {
    double stability = 3;
    int32_t lastRecalled = 0; // the school day
    int32_t wrongToCome = 0; // answers still wrong before a fact never learned is learned
};

int32_t cell(const Question& q)
{
    const Fact fact = factOf(q);
    return (fact.a - 1) * 12 + fact.b - 1;
}

double recall(const Memory& m, int32_t day)
{
    return std::exp(-(day - m.lastRecalled) / m.stability);
}

struct Kept {
    double nextMorning = 0; // share of the facts recalled the day after the last practice
    double monthLater = 0; // and 30 days after that
};

Kept simulate(int32_t redoWrongAfter, unsigned seed)
{
    std::mt19937 pupilRandom(seed ^ 0x5eedu);
    std::vector<Memory> memory(facts);
    std::vector<int32_t> order(facts);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), pupilRandom);
    for (int32_t k = 0; k < unknownFacts; ++k)
        memory[static_cast<size_t>(order[static_cast<size_t>(k)])] = { 1, 0, 2 };
    std::uniform_real_distribution<double> chance(0, 1);

    DrillSettings settings;
    settings.tableNumber = 12;
    FluencyReport saved;
    for (int32_t day = 1; day <= schoolDays; ++day) {
        DrillSession session;
        session.random().seed(seed * 1000 + static_cast<unsigned>(day));
        session.setRedoWrongAfter(redoWrongAfter);
        session.setSavedDays(saved);
        for (int32_t k = 0; k < answersPerDay; ++k) {
            const Question q = session.nextQuestion(settings).question;
            Memory& m = memory[static_cast<size_t>(cell(q))];
            bool right = false;
            if (m.wrongToCome > 0) {
                if (--m.wrongToCome == 0)
                    m.lastRecalled = day; // learned from the answer shown
            } else {
                const double r = recall(m, day);
                right = chance(pupilRandom) < r;
                if (right)
                    m.stability = m.stability * (1 + 3 * (1 - r)) + 0.1;
                else
                    m.stability = std::max(1.0, m.stability / 2);
                m.lastRecalled = day;
            }
            for (int32_t t = 0; t < (right ? 20 : 50); ++t)
                session.tick();
            (void)session.check(decimal(expectedAnswer(q) + (right ? 0 : 1)));
        }
        saved.addDayFile(dayContents(session.log().records()));
    }
    Kept kept;
    for (const Memory& m : memory) {
        if (m.wrongToCome > 0)
            continue; // never learned
        kept.nextMorning += recall(m, schoolDays + 1) / facts;
        kept.monthLater += recall(m, schoolDays + monthLater) / facts;
    }
    return kept;
}

} // namespace

int main()
{
    const struct {
        const char* name;
        int32_t tag;
    } choices[] = { { "Always Random", alwaysRandom }, { "10 Questions", 10 } };
    std::printf("%-14s %30s %30s\n", "", "recalled after day 60 (p10-p90)", "30 days later (p10-p90)");
    for (const auto& choice : choices) {
        std::vector<double> nextMorning;
        std::vector<double> later;
        for (unsigned seed = 1; seed <= pupils; ++seed) {
            const Kept kept = simulate(choice.tag, seed);
            nextMorning.push_back(100 * kept.nextMorning);
            later.push_back(100 * kept.monthLater);
        }
        const auto n = spread(nextMorning);
        const auto l = spread(later);
        std::printf("%-14s %17.1f %% (%4.1f-%4.1f) %17.1f %% (%4.1f-%4.1f)\n", choice.name, n.median, n.low, n.high,
            l.median, l.low, l.high);
    }
}
