#include "core/drill/answerlog.h"
#include "core/drill/answers.h"
#include "core/drill/drillsession.h"
#include "core/drill/operations.h"
#include "core/drill/questiondraw.h"

#include <benchmark/benchmark.h>

using namespace quorvex;

namespace {

// The settings a class drills with most: "Tables of" 12, or all four operations mixed up to 12.
DrillSettings settingsFor(bool mixed)
{
    DrillSettings settings;
    settings.tableNumber = 12;
    settings.practiceBound = 12;
    settings.tablesOf = !mixed;
    settings.includeZero = mixed;
    settings.allowed
        = mixed ? std::array<bool, 4> { true, true, true, true } : std::array<bool, 4> { false, false, true, false };
    return settings;
}

// What Start / Next Question computes: the operation, the operands and the line on show.
void BM_DrawQuestion(benchmark::State& state)
{
    const DrillSettings settings = settingsFor(state.range(0) != 0);
    RandomEngine random(20261208);
    int32_t lastFirstNum = 0;
    for (auto _ : state) {
        const Operation op = drawOperation(random, settings.allowed);
        const Question question = drawOperands(random, settings, op, lastFirstNum);
        benchmark::DoNotOptimize(questionLine(question));
    }
}
BENCHMARK(BM_DrawQuestion)->ArgName("mixed")->Arg(0)->Arg(1);

// What Check computes for a typed answer: the number, right or wrong, the completed fact, and
// the record appended to a log that already holds range(0) answers (the slot is reused each
// time, as after a change of student, so the log does not grow with the iterations).
void BM_MarkAnswer(benchmark::State& state)
{
    const auto held = static_cast<int32_t>(state.range(0));
    AnswerLog log;
    log.setAskedCount(held + 1);
    const Question question { Operation::Division, 132, 12 };
    const Bytes typed = "11";
    for (auto _ : state) {
        log.setAskedCount(held);
        const std::optional<int32_t> answer = parseAnswer(typed);
        Treslts record;
        record.question = completedFact(question);
        record.operation = operationName(question.op);
        record.questionType = "Practice";
        record.answer = typed;
        record.correct = answer && *answer == expectedAnswer(question);
        record.ticks = 34;
        record.number = held + 1;
        log.append(std::move(record));
        benchmark::DoNotOptimize(log.slot(held + 1).correct);
    }
}
BENCHMARK(BM_MarkAnswer)->Arg(0)->Arg(3000)->Arg(100000);

// Next Question and Check in a long run of the tables of 12, every third answer wrong and the
// others within 3.0 s, with "Redo Wrong after" at range(0) questions (99999: "Always Random").
// With a number chosen, a drawn fact already answered within 3.0 s gives way to one that was
// not, so most questions of a long run look through the whole fact table.
void BM_RedoWrongQuestion(benchmark::State& state)
{
    DrillSettings settings = settingsFor(false);
    DrillSession session;
    session.random().seed(20261208);
    session.setRedoWrongAfter(static_cast<int32_t>(state.range(0)));
    int32_t n = 0;
    for (auto _ : state) {
        const Question question = session.nextQuestion(settings).question;
        session.tick();
        benchmark::DoNotOptimize(session.check(decimal(expectedAnswer(question) + (++n % 3 == 0 ? 1 : 0))));
        // The log is kept short so that only the draw is measured as the run goes on.
        session.log().setAskedCount(0);
    }
}
BENCHMARK(BM_RedoWrongQuestion)->Arg(99999)->Arg(10)->Arg(5);

} // namespace
