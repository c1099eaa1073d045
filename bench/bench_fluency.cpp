#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/drill/operations.h"
#include "core/reports/classoverview.h"
#include "core/reports/fluency.h"
#include "scratchfolder.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

// The program works in its current folder: the benchmark writes the days into a fresh
// ScratchFolder, made in the temporary folder even when the tests' shared folder
// (QUORVEX_SHARE_A and _B) is set.

// A day of a busy pupil: every operation, numbers up to 12, a fifth of the answers in speed
// rounds, about a quarter wrong.
std::vector<Treslts> busyDay(std::mt19937& random, size_t size)
{
    std::uniform_int_distribution<int32_t> operation(1, 4);
    std::uniform_int_distribution<int32_t> base(0, largestBase);
    std::uniform_int_distribution<int32_t> second(1, largestSecond);
    std::uniform_int_distribution<int32_t> ticks(4, 90);
    std::bernoulli_distribution correct(0.75);
    std::bernoulli_distribution speedRound(0.2);
    std::vector<Treslts> day(size);
    for (Treslts& record : day) {
        const Operation op = operationFromCode(operation(random));
        const int32_t a = base(random);
        const int32_t b = second(random);
        Question q { op, a, b };
        if (op == Operation::Subtraction)
            q.firstNum = a + b;
        if (op == Operation::Division)
            q.firstNum = a * b;
        record.question = completedFact(q);
        record.operation = operationName(op);
        record.correct = correct(random);
        record.answer = decimal(record.correct ? a : a + 1);
        record.ticks = speedRound(random) ? 0 : ticks(random);
    }
    return day;
}

// A year of days of 3,000 answers each, every one read: what the report reads when it opens
// without a summary of the days (the first time, or Refresh).
void BM_ReadFluencyReport365x3000(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    std::mt19937 random(7);
    for (int32_t day = 1; day <= 365; ++day) {
        if (!saveNextDay("Pupil", busyDay(random, 3000)).ok()) {
            state.SkipWithError("could not write the days");
            return;
        }
    }
    for (auto _ : state) {
        Result<FluencyReport> report = readFluencyReport("Pupil", true);
        if (!report.ok() || report->days().size() != 365) {
            state.SkipWithError("could not read the days");
            return;
        }
        benchmark::DoNotOptimize(report);
    }
    state.SetItemsProcessed(state.iterations() * 365 * 3000);
}
BENCHMARK(BM_ReadFluencyReport365x3000)->Unit(benchmark::kMillisecond);

// The class overview of 30 pupils with a year of 3,000-answer days each, read on one or two
// threads, every day file read (Refresh) or through the pupils' summaries (the second argument
// 1: as it opens once they stand). The pupils' files are copies of one pupil's, read from the
// page cache.
void BM_ReadClassOverview30x365x3000(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    std::mt19937 random(7);
    std::vector<Bytes> roster { "Guest" };
    for (int32_t day = 1; day <= 365; ++day) {
        if (!saveNextDay("Guest", busyDay(random, 3000)).ok()) {
            state.SkipWithError("could not write the days");
            return;
        }
    }
    for (int pupil = 1; pupil < 30; ++pupil) {
        roster.push_back("Pupil " + decimal(pupil) + "x"); // "Pupil 1" day 11 would be "Pupil 11" day 1
        for (int32_t day = 1; day <= 365; ++day)
            std::filesystem::copy_file(dayFileName("Guest", day), dayFileName(roster.back(), day));
    }
    // Saved on earlier days, as a summary covers only days of more than a moment ago.
    const auto yesterday = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    for (const Bytes& pupil : roster)
        for (int32_t day = 1; day <= 365; ++day)
            std::filesystem::last_write_time(dayFileName(pupil, day), yesterday);
    for (auto _ : state) {
        OverviewProgress progress;
        const std::vector<PupilSummary> rows = readClassOverview(roster, std::nullopt, progress,
            static_cast<unsigned>(state.range(0)), state.range(1) ? DayReading::Summarised : DayReading::Everything);
        if (rows.size() != 30 || rows.front().days != 365) {
            state.SkipWithError("could not read the days");
            return;
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ReadClassOverview30x365x3000)
    ->Args({ 1, 0 })
    ->Args({ 2, 0 })
    ->Args({ 2, 1 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
