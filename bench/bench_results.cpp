#include "core/classfolder/history.h"
#include "core/drill/resultsorder.h"
#include "exchangesort.h"
#include "fileerrors.h"
#include "scratchfolder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace quorvex;

namespace {

// A long sitting as the page gets it: answering order, times of a few seconds with many
// equal, about a third wrong.
std::vector<Treslts> answeredLog(size_t size)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int32_t> factor(1, 12);
    std::uniform_int_distribution<int32_t> ticks(5, 80);
    std::bernoulli_distribution correct(0.67);
    std::vector<Treslts> log;
    log.reserve(size);
    for (size_t k = 1; k <= size; ++k) {
        const int32_t a = factor(random);
        const int32_t b = factor(random);
        Treslts r;
        r.question = decimal(a) + " x " + decimal(b) + " = " + decimal(a * b);
        r.operation = "Multiplication";
        r.questionType = "Practice";
        r.correct = correct(random);
        r.answer = decimal(r.correct ? a * b : a * b + 1);
        r.ticks = ticks(random);
        r.number = static_cast<int32_t>(k);
        log.push_back(std::move(r));
    }
    return log;
}

// Each run starts from the answering order so every iteration does the same work; a run
// of "in order" starts from the longest-first arrangement, or it would find nothing to do.
template <class Sort> void runOrder(benchmark::State& state, ResultsOrder order, Sort sort)
{
    std::vector<Treslts> start = answeredLog(static_cast<size_t>(state.range(0)));
    if (order == ResultsOrder::InOrder)
        reorderResults(start, ResultsOrder::LongestFirst);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Treslts> log = start;
        state.ResumeTiming();
        sort(log, order);
        benchmark::DoNotOptimize(log.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void reorder(std::vector<Treslts>& log, ResultsOrder order)
{
    reorderResults(log, order);
}

void BM_Reorder(benchmark::State& state, ResultsOrder order)
{
    runOrder(state, order, reorder);
}

void BM_ExchangeSort(benchmark::State& state, ResultsOrder order)
{
    runOrder(state, order, exchangeSort);
}

BENCHMARK_CAPTURE(BM_Reorder, InOrder, ResultsOrder::InOrder)->Arg(3000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reorder, WrongFirst, ResultsOrder::WrongFirst)
    ->Arg(3000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reorder, LongestFirst, ResultsOrder::LongestFirst)
    ->Arg(3000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reorder, ShortestFirst, ResultsOrder::ShortestFirst)
    ->Arg(3000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExchangeSort, InOrder, ResultsOrder::InOrder)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExchangeSort, WrongFirst, ResultsOrder::WrongFirst)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExchangeSort, LongestFirst, ResultsOrder::LongestFirst)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExchangeSort, ShortestFirst, ResultsOrder::ShortestFirst)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);

// The working folder is the program's only place for files, so the day files go into a
// fresh ScratchFolder for the length of the benchmark, made in the temporary folder even when
// the tests' shared folder (QUORVEX_SHARE_A and _B) is set.

// Includes the flush to the disk that keeps a crash from leaving half a day behind.
void BM_SaveDay(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    const std::vector<Treslts> log = answeredLog(3000);
    for (auto _ : state) {
        const Result<int32_t> day = saveDayFrom("Ann", 1, log);
        if (!day.ok()) {
            state.SkipWithError(described(day.error()).c_str());
            break;
        }
        state.PauseTiming();
        std::filesystem::remove(dayFileName("Ann", *day));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveDay)->Unit(benchmark::kMicrosecond);

void BM_LoadDay(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    if (!saveNextDay("Ann", answeredLog(3000)).ok()) {
        state.SkipWithError("could not write the day");
        return;
    }
    for (auto _ : state) {
        const auto records = loadDay("Ann", 1);
        benchmark::DoNotOptimize(records.ok());
    }
}
BENCHMARK(BM_LoadDay)->Unit(benchmark::kMicrosecond);

} // namespace
