// How much of "Tables of" 12 a class still knows a month after practice ends, with "Always
// Random" and with a re-ask after every 10 questions. Unlike quorvex_redowrong_simulation's pupil,
// who never forgets, this one forgets between school days.
//
// The pupil's memory of each fact follows the DSR model of memory (difficulty, stability,
// retrievability: Ye, Su and Cao 2022, "A Stochastic Shortest Path Algorithm for Optimizing Spaced
// Repetition Scheduling", KDD), with the default weights of its fourth version, fitted to millions
// of reviews. A fact has a stability S, in days, and a difficulty D from 1 to 10; t days after its
// last review it is recalled with probability R = 1 / (1 + t / (9 S)), a power law of forgetting
// (Wixted and Ebbesen 1991) by which R is 0.9 after S days. A fact recalled (answered right in
// 2.0 s, the model's "good") gets S * (1 + e^w8 (11 - D) S^-w9 (e^(w10 (1 - R)) - 1)): the more it
// had been forgotten, the more it gains, and nothing the same day (R = 1): the spacing effect
// (Cepeda et al. 2006). A fact not recalled (answered wrong in 5.0 s, its right answer then shown)
// gets S = w11 D^-w12 ((S + 1)^w13 - 1) e^(w14 (1 - R)) and a higher D. D drifts back towards
// its first value by w7 at each review. A day counts as a school day.
//
// Each of 30 pupils starts knowing 100 of the 144 facts (times, no zero), learned on day 0 as a
// first "good" review (S = w2, D = w4); each of the other 44 (chosen by the pupil's seed) is
// answered wrong the first two times it is asked and then learned as a first "again" (S = w0,
// D = w4 + 2 w5). Every school day for 60 days the pupil answers 120 questions of the real
// DrillSession (about ten minutes), which reads the days saved before, as at the pupil's next
// start; the day is then saved as the program saves it.
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

constexpr int32_t schoolDays = 60;
constexpr int32_t pupils = 30;
constexpr int32_t monthLater = 30;

// The model's fourth version's default weights w0 to w14.
constexpr double w[] = { 0.4, 0.6, 2.4, 5.8, 4.93, 0.94, 0.86, 0.01, 1.49, 0.14, 0.94, 2.18, 0.05, 0.34, 1.26 };

struct Memory {
    double stability = w[2];
    double difficulty = w[4];
    int32_t lastReview = 0; // the school day
    int32_t wrongToCome = 0; // answers still wrong before a fact never learned is learned
};

int32_t cell(const Question& q)
{
    const Fact fact = factOf(q);
    return (code(fact.op) - 1) * 144 + (fact.a - 1) * 12 + fact.b - 1;
}

double recall(const Memory& m, int32_t day)
{
    return 1 / (1 + (day - m.lastReview) / (9 * m.stability));
}

// One review on the day, recalled or not.
void review(Memory& m, int32_t day, bool recalled)
{
    const double r = recall(m, day);
    if (recalled) {
        m.stability *= 1
            + std::exp(w[8]) * (11 - m.difficulty) * std::pow(m.stability, -w[9]) * (std::exp(w[10] * (1 - r)) - 1);
    } else {
        m.stability = w[11] * std::pow(m.difficulty, -w[12]) * (std::pow(m.stability + 1, w[13]) - 1)
            * std::exp(w[14] * (1 - r));
        m.difficulty = std::min(10.0, m.difficulty + 2 * w[6]);
    }
    m.difficulty = w[7] * w[4] + (1 - w[7]) * m.difficulty;
    m.lastReview = day;
}

struct Scenario {
    const char* name;
    int32_t operations; // times, then plus, minus and divided by
    int32_t answersPerDay;
};

struct Kept {
    double nextMorning = 0; // share of the facts recalled the day after the last practice
    double monthLater = 0; // and 30 days after that
};

Kept simulate(const Scenario& scenario, int32_t redoWrongAfter, bool spaced, unsigned seed)
{
    std::mt19937 pupilRandom(seed ^ 0x5eedu);
    const int32_t facts = 144 * scenario.operations;
    const int32_t unknownFacts = 44 * scenario.operations;
    std::vector<Memory> memory(static_cast<size_t>(4 * 144));
    DrillSettings settings;
    settings.tableNumber = 12;
    settings.allowed = { scenario.operations > 1, scenario.operations > 2, true, scenario.operations > 3 };
    std::vector<int32_t> order;
    for (int32_t f = 0; f < 4 * 144; ++f)
        if (settings.allowed[static_cast<size_t>(f / 144)])
            order.push_back(f);
    std::shuffle(order.begin(), order.end(), pupilRandom);
    for (int32_t k = 0; k < unknownFacts; ++k)
        memory[static_cast<size_t>(order[static_cast<size_t>(k)])] = { w[0], w[4] + 2 * w[5], 0, 2 };
    std::uniform_real_distribution<double> chance(0, 1);

    FluencyReport saved;
    for (int32_t day = 1; day <= schoolDays; ++day) {
        DrillSession session;
        session.random().seed(seed * 1000 + static_cast<unsigned>(day));
        session.setRedoWrongAfter(redoWrongAfter);
        session.setSpacedReviews(spaced);
        session.setSavedDays(saved);
        for (int32_t k = 0; k < scenario.answersPerDay; ++k) {
            const Question q = session.nextQuestion(settings).question;
            Memory& m = memory[static_cast<size_t>(cell(q))];
            bool right = false;
            if (m.wrongToCome > 0) {
                if (--m.wrongToCome == 0)
                    m.lastReview = day; // learned from the answer shown
            } else {
                right = chance(pupilRandom) < recall(m, day);
                review(m, day, right);
            }
            for (int32_t t = 0; t < (right ? 20 : 50); ++t)
                session.tick();
            (void)session.check(decimal(expectedAnswer(q) + (right ? 0 : 1)));
        }
        saved.addDayFile(dayContents(session.log().records()));
    }
    Kept kept;
    for (int32_t f = 0; f < 4 * 144; ++f) {
        const Memory& m = memory[static_cast<size_t>(f)];
        if (!settings.allowed[static_cast<size_t>(f / 144)] || m.wrongToCome > 0)
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
        bool spaced;
    } choices[]
        = { { "Always Random", alwaysRandom, false }, { "10, unspaced", 10, false }, { "10, spaced", 10, true } };
    const Scenario scenarios[] = { { "Tables of 12, times, 120 a day", 1, 120 },
        { "Tables of 12, times, 40 a day", 1, 40 }, { "Tables of 12, all four, 120 a day", 4, 120 } };
    for (const Scenario& scenario : scenarios) {
        std::printf(
            "%s\n%-14s %30s %30s\n", scenario.name, "", "recalled after day 60 (p10-p90)", "30 days later (p10-p90)");
        for (const auto& choice : choices) {
            std::vector<double> nextMorning;
            std::vector<double> later;
            for (unsigned seed = 1; seed <= pupils; ++seed) {
                const Kept kept = simulate(scenario, choice.tag, choice.spaced, seed);
                nextMorning.push_back(100 * kept.nextMorning);
                later.push_back(100 * kept.monthLater);
            }
            const auto n = spread(nextMorning);
            const auto l = spread(later);
            std::printf("%-14s %17.1f %% (%4.1f-%4.1f) %17.1f %% (%4.1f-%4.1f)\n", choice.name, n.median, n.low, n.high,
                l.median, l.low, l.high);
        }
    }
}
