// Times what a pupil or teacher waits on, in the class folder that is the current folder: run it
// there, on a local disk or on a share of the lab (bench/share-actions), and under strace -c for
// the file-system calls. Each action is run the given number of times; the median and the range
// are printed in milliseconds.
//
//   quorvex_folder_actions count|save|change|report|overview|reread [pupil] [--repeat N]

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/roster.h"
#include "core/drill/reask.h"
#include "core/reports/classoverview.h"
#include "core/reports/fluency.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace quorvex;

namespace {

std::vector<Treslts> hundredAnswers()
{
    std::vector<Treslts> records;
    for (int32_t i = 0; i < 100; ++i) {
        const int32_t a = i % 13;
        const int32_t b = i % 12 + 1;
        Treslts record;
        record.question = decimal(a) + " x " + decimal(b) + " = " + decimal(a * b);
        record.operation = "Multiplication";
        record.questionType = "Practice";
        record.answer = decimal(a * b);
        record.correct = true;
        record.ticks = 20 + i % 40;
        record.number = i + 1;
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<Bytes> roster()
{
    Result<Bytes> contents = readFile("studnames.txt", maxSmallFileSize);
    return contents ? parseRoster(*contents) : std::vector<Bytes> {};
}

bool readOverview(bool reread)
{
    OverviewProgress progress;
    const auto rows = readClassOverview(roster(), std::nullopt, progress,
        std::max(2u, std::thread::hardware_concurrency()), reread ? DayReading::Everything : DayReading::Summarised);
    return !rows.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s count|save|change|report|overview|reread [pupil] [--repeat N]\n", argv[0]);
        return 2;
    }
    const std::string action = argv[1];
    Bytes pupil = "Pupil01";
    int repeat = 5;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
            repeat = std::atoi(argv[++i]);
        else
            pupil = argv[i];
    }
    const std::vector<Treslts> day = hundredAnswers();
    std::function<bool()> run;
    if (action == "count")
        run = [&] { return countDays(pupil) > 0; };
    else if (action == "save")
        // Each run saves for the next pupil of the roster: a copy that saved for a pupil a
        // moment ago lets others take that pupil's lock first.
        run = [&, pupils = roster(), next = size_t { 1 }]() mutable {
            const Bytes& saver = pupils.size() > 1 ? pupils[next++ % (pupils.size() - 1) + 1] : pupil;
            return bool(saveNextDay(saver, day));
        };
    else if (action == "change")
        run = [&] {
            // What a change of pupil reads: the saved days for the re-ask pool.
            const Result<FluencyReport> saved = readFluencyReport(pupil);
            ReaskPool pool;
            if (saved)
                pool.startPupil(*saved);
            return bool(saved);
        };
    else if (action == "report")
        run = [&] { return bool(readFluencyReport(pupil)); };
    else if (action == "overview")
        run = [] { return readOverview(false); };
    else if (action == "reread")
        run = [] { return readOverview(true); };
    if (!run) {
        std::fprintf(stderr, "unknown action %s\n", action.c_str());
        return 2;
    }
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!run()) {
            std::fprintf(stderr, "%s failed\n", action.c_str());
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::ranges::sort(times);
    std::printf("%s %s: median %.1f ms (%.1f to %.1f, %d runs)\n", action.c_str(), pupil.c_str(),
        times[times.size() / 2], times.front(), times.back(), repeat);
    return 0;
}
