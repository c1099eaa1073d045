// How many questions a drill needs until a pupil knows the whole table set, with "Always Random"
// and with a re-ask after every 10 or 5 questions. The simulated pupil knows 100 of the 144
// facts of the tables of 12 (times, no zero) and answers right in 2.0 s; each of the other 44
// is answered wrong (in 5.0 s) the first two times it is asked and right in 2.0 s the third.
// One practice run of the real DrillSession per seed; the median over 200 seeds is printed.
//
// Two counts: until the pupil knows every fact (the last unknown fact asked a third time), and
// until the program has seen every fact answered right within 3.0 s, as the fluency report
// would show it.

#include "core/drill/answers.h"
#include "core/drill/drillsession.h"
#include "spread.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

using namespace quorvex;

namespace {

constexpr int32_t facts = 144;
constexpr int32_t unknownFacts = 44;
constexpr int32_t limit = 100000;

struct Needed {
    int32_t known = limit; // questions until the pupil knows every fact
    int32_t shown = limit; // questions until every fact was answered right within 3.0 s
};

int32_t cell(const Question& q)
{
    return (q.firstNum - 1) * 12 + q.secondNum - 1;
}

Needed simulate(int32_t redoWrongAfter, unsigned seed)
{
    // Which facts the pupil does not know comes from the seed too, apart from the drill's draw.
    std::vector<int32_t> order(facts);
    std::iota(order.begin(), order.end(), 0);
    RandomEngine pupilRandom(seed ^ 0x5eedu);
    std::shuffle(order.begin(), order.end(), pupilRandom);
    std::vector<int32_t> asksLeft(facts, 0); // wrong answers still to come
    for (int32_t k = 0; k < unknownFacts; ++k)
        asksLeft[static_cast<size_t>(order[static_cast<size_t>(k)])] = 2;
    std::vector<int32_t> learnt; // asked twice, not yet a third time
    std::vector<bool> shownFluent(facts, false);
    int32_t stillUnknown = unknownFacts;
    int32_t stillNotShown = facts;

    DrillSettings settings;
    settings.tableNumber = 12;
    DrillSession session;
    session.random().seed(seed);
    session.setRedoWrongAfter(redoWrongAfter);

    Needed needed;
    for (int32_t asked = 1; asked <= limit && stillNotShown > 0; ++asked) {
        const Question q = session.nextQuestion(settings).question;
        int32_t& left = asksLeft[static_cast<size_t>(cell(q))];
        const bool right = left == 0;
        for (int32_t t = 0; t < (right ? 20 : 50); ++t)
            session.tick();
        const int64_t answer = expectedAnswer(q) + (right ? 0 : 1);
        (void)session.check(decimal(answer));
        if (!right) {
            if (--left == 0)
                learnt.push_back(cell(q)); // right from the next asking on
        } else if (std::erase(learnt, cell(q)) > 0 && --stillUnknown == 0) {
            needed.known = asked;
        }
        if (right && !shownFluent[static_cast<size_t>(cell(q))]) {
            shownFluent[static_cast<size_t>(cell(q))] = true;
            if (--stillNotShown == 0)
                needed.shown = asked;
        }
    }
    return needed;
}

} // namespace

int main()
{
    constexpr unsigned runs = 200;
    const struct {
        const char* name;
        int32_t tag;
    } choices[] = { { "Always Random", alwaysRandom }, { "10 Questions", 10 }, { "5 questions", 5 } };
    std::printf("%-14s %28s %28s\n", "", "pupil knows all (p10-p90)", "all shown fluent (p10-p90)");
    for (const auto& choice : choices) {
        std::vector<int32_t> known;
        std::vector<int32_t> shown;
        for (unsigned seed = 1; seed <= runs; ++seed) {
            const Needed needed = simulate(choice.tag, seed);
            known.push_back(needed.known);
            shown.push_back(needed.shown);
        }
        const auto k = spread(known);
        const auto s = spread(shown);
        std::printf(
            "%-14s %16d (%4d-%4d) %16d (%4d-%4d)\n", choice.name, k.median, k.low, k.high, s.median, s.low, s.high);
    }
}
