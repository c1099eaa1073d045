#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/roster.h"
#include "fileerrors.h"
#include "scratchfolder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

// The program works in its current folder: each benchmark gets a fresh ScratchFolder, made in
// the temporary folder even when the tests' shared folder (QUORVEX_SHARE_A and _B) is set.

Bytes studentName(int k)
{
    Bytes name = "Student_";
    for (; k > 0; k /= 26)
        name += static_cast<char>('a' + k % 26);
    return name;
}

// A day as a pupil leaves it: about fifty answered questions.
const Bytes& sampleDay()
{
    static const Bytes day = [] {
        Bytes text;
        for (int k = 0; k < 50; ++k)
            text += "Multiplication ,1 ,7 x 8 = 56 ,56 ,34\r\n";
        return text;
    }();
    return day;
}

// Plain writes: the program's own saves flush every file to the disk, which would make
// setting up a class's year take minutes.
void writeDays(const Bytes& student, int days)
{
    for (int day = 1; day <= days; ++day) {
        std::ofstream file(dayFileName(student, day), std::ios::binary);
        file << sampleDay();
    }
}

void BM_LoadRoster1000(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    std::vector<Bytes> roster { guestName };
    for (int k = 1; k <= 1000; ++k)
        roster.push_back(studentName(k));
    (void)writeRoster(roster);
    for (auto _ : state) {
        auto loaded = loadOrCreateRoster();
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadRoster1000)->Unit(benchmark::kMicrosecond);

void BM_CountDays365(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    writeDays("Ann", 365);
    for (auto _ : state)
        benchmark::DoNotOptimize(countDays("Ann"));
}
BENCHMARK(BM_CountDays365)->Unit(benchmark::kMicrosecond);

// "All" over a class of 30 with a year of days each, keeping the last 10: 10,650 deletions
// and 300 renames per run. The files are written again, untimed, before every run.
void BM_CleanUpAll30x365(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    std::vector<Bytes> students { guestName };
    for (int k = 1; k < 30; ++k)
        students.push_back(studentName(k));
    for (auto _ : state) {
        state.PauseTiming();
        for (const Bytes& student : students)
            writeDays(student, 365);
        state.ResumeTiming();
        const DayFilesReport report = cleanUp(students, CleanupMode::KeepLast, 10);
        benchmark::DoNotOptimize(report.deleted);
    }
}
BENCHMARK(BM_CleanUpAll30x365)->Unit(benchmark::kMillisecond)->Iterations(3);

// Taking a student's lock and giving it back: a file created exclusively, with its note.
void BM_FolderLock(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    for (auto _ : state) {
        Result<FolderLock> lock = FolderLock::take(studentLockName("Ann"));
        benchmark::DoNotOptimize(lock.ok());
    }
}
BENCHMARK(BM_FolderLock)->Unit(benchmark::kMicrosecond);

// A whole save as the Save command makes it, for a pupil with a year of days: the lock, the
// look for an interrupted clean-up, counting 365 days, a 100-answer day written aside,
// flushed and moved in. The new day is removed again, untimed.
void BM_SaveNextDayWithLock(benchmark::State& state)
{
    ScratchFolder folder(std::filesystem::temp_directory_path());
    writeDays("Ann", 365);
    std::vector<Treslts> day(100);
    for (Treslts& record : day) {
        record.operation = "Multiplication";
        record.question = "7 x 8 = 56";
        record.answer = "56";
        record.correct = true;
        record.ticks = 23;
    }
    for (auto _ : state) {
        const Result<int32_t> saved = saveNextDay("Ann", day);
        if (!saved.ok()) {
            state.SkipWithError(described(saved.error()).c_str());
            break;
        }
        state.PauseTiming();
        (void)removeFile(dayFileName("Ann", *saved));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveNextDayWithLock)->Unit(benchmark::kMicrosecond);

} // namespace
