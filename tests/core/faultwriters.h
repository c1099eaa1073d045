#pragma once

// What the fault tests have the program write, on POSIX and on Windows alike: days that tell
// their writer apart, and the files a killed writer alternates between.

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/password.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/textlines.h"
#include "fileerrors.h"
#include "scratchfolder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <vector>

namespace {

using namespace quorvex;

// A day that tells its writer and its place in that writer's sequence apart from every other,
// with lengths that differ from save to save.
std::vector<Treslts> dayOf(int writer, int save)
{
    std::vector<Treslts> records(static_cast<size_t>(1 + (save * 7 + writer * 3) % 40));
    int32_t ticks = 1;
    for (Treslts& record : records) {
        record.operation = "Multiplication";
        record.question = decimal(writer) + " x " + decimal(save) + " = " + decimal(writer * save);
        record.answer = decimal(writer * save);
        record.correct = writer == 0;
        record.ticks = ticks++;
        record.questionType = "Practice";
    }
    return records;
}

struct SaveOutcome {
    int32_t writer;
    int32_t save;
    int32_t day; // 0 when the save failed
    char reason[200]; // what a failed save said, cut short; empty when it saved
};

SaveOutcome outcomeOf(int32_t writer, int32_t save, const Result<int32_t>& day)
{
    SaveOutcome outcome { writer, save, day.ok() ? *day : 0, {} };
    if (!day.ok()) {
        const Bytes said = described(day.error());
        said.copy(outcome.reason, sizeof outcome.reason - 1);
    }
    return outcome;
}

// Saves of one pupil's days by several copies of the program at once: every save took a day of
// its own, days 1 to count with no gap, each holding exactly what its save wrote, and nothing
// else is left in the folder.
void expectEverySaveInADayOfItsOwn(const std::vector<SaveOutcome>& saves, int32_t count)
{
    ASSERT_EQ(saves.size(), static_cast<size_t>(count));
    std::map<int32_t, SaveOutcome> byDay;
    for (const SaveOutcome& save : saves) {
        ASSERT_GE(save.day, 1) << "save " << save.save << " of writer " << save.writer << " failed: " << save.reason;
        EXPECT_TRUE(byDay.emplace(save.day, save).second) << "day " << save.day << " was given twice";
    }
    std::vector<std::string> expectedNames;
    for (int32_t day = 1; day <= count; ++day) {
        ASSERT_TRUE(byDay.contains(day)) << "no save took day " << day;
        const SaveOutcome& save = byDay.at(day);
        const Result<Bytes> contents = readFile(dayFileName("Ann", day));
        ASSERT_TRUE(contents.ok());
        EXPECT_EQ(*contents, dayContents(dayOf(save.writer, save.save))) << "day " << day;
        expectedNames.push_back(dayFileName("Ann", day));
    }
    std::ranges::sort(expectedNames);
    EXPECT_EQ(folderEntries(), expectedNames);
}

// A file the program writes, and two versions of it that a writer alternates between: a kill
// may leave the first, the second, or (for a day, which is never replaced) one more whole day.
struct KilledWriter {
    const char* name;
    std::function<Status(int version)> write;
    std::function<Bytes(int version)> contents;
};

// Big enough that a write takes a while, so that kills land inside one.
std::vector<Bytes> bigRoster(char mark)
{
    std::vector<Bytes> roster { guestName };
    for (int k = 0; k < 60000; ++k)
        roster.push_back(Bytes("Student_") + mark + decimal(k) + "x");
    return roster;
}

std::vector<Treslts> bigDay(int version)
{
    std::vector<Treslts> day = dayOf(version, 0);
    day.resize(20000, day.front());
    return day;
}

const std::vector<Bytes>& rosterVersion(int version)
{
    static const std::vector<Bytes> rosters[2] { bigRoster('A'), bigRoster('B') };
    return rosters[version];
}

Bytes passwordVersion(int version)
{
    return Bytes(version == 0 ? 300000 : 200000, version == 0 ? 'a' : 'b');
}

[[maybe_unused]] std::ostream& operator<<(std::ostream& out, const KilledWriter& writer)
{
    return out << writer.name;
}

std::vector<KilledWriter> killedWriters()
{
    return { KilledWriter { "studnames.txt", [](int version) { return writeRoster(rosterVersion(version)); },
                 [](int version) { return joinLines(rosterVersion(version)); } },
        KilledWriter { "password.txt", [](int version) { return writePasswordFile(passwordVersion(version)); },
            [](int version) { return passwordVersion(version) + "\r\n"; } },
        KilledWriter { "day",
            [](int version) {
                Result<int32_t> saved = saveNextDay("Ann", bigDay(version));
                return saved.ok() ? success() : Status(saved.error());
            },
            [](int version) { return dayContents(bigDay(version)); } } };
}

} // namespace
