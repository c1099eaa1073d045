#pragma once

#include "core/bytes.h"
#include "core/drill/answerlog.h"
#include "core/drill/operations.h"
#include "core/result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex {

// Which facts a pupil knows by heart, gathered from the student's day files.
//
// A fact is what the drill draws before it forms a question: the operation, the base number a
// and the second number b. A subtraction or division shows a + b or a x b first, so its answer
// is a: "9 - 5 = 4" is a = 4, b = 5 and "12 ÷ 3 = 4" is a = 4, b = 3.
struct Fact {
    Operation op = Operation::Multiplication;
    int32_t a = 0;
    int32_t b = 0;

    friend bool operator==(const Fact&, const Fact&) = default;
};

// The facts any setting can produce: a from 0 (with "Include zero") to 12, b from 1 to 12.
inline constexpr int32_t largestBase = 12;
inline constexpr int32_t smallestSecond = 1;
inline constexpr int32_t largestSecond = 12;
// How many facts one operation can ask: a from 0 to 12, b from 1 to 12.
inline constexpr int32_t factsPerOperation = (largestBase + 1) * (largestSecond - smallestSecond + 1);

// A fact counts as known when it is answered right within 3.0 seconds.
inline constexpr int32_t fluentTenths = 30;

// A completed fact as marking stores it, "3 x 4 = 12", with or without the blank a loaded line
// keeps at its end. None for anything the drill cannot have written: another layout, leading
// zeros, a wrong result, or numbers outside the drill's ranges.
std::optional<Fact> parseFact(BytesView question);

// The latest word on a fact, later answers replacing earlier ones.
enum class FactState : uint8_t {
    NotAsked,
    Wrong,
    // Right, but not within 3.0 s, or in a speed round, whose answers carry no time.
    Right,
    Fluent,
};

// A day file does not say whether a record came from a speed round: its question type is not
// stored. A speed-round record always has 0 tenths, while a practice answer takes at least one
// tick unless it was checked in the very tenth its question appeared. So 0 (or, from a
// hand-edited file, fewer) tenths is taken for a speed-round record: it counts as right or
// wrong, never as a time.
constexpr bool isTimed(int32_t ticks)
{
    return ticks > 0;
}

// The state a fact moves to with one more answer. A right answer without a time confirms a
// state it finds already right or fluent and otherwise makes the fact right: it can neither
// show fluency nor take it away.
FactState nextState(FactState current, bool correct, int32_t ticks);

// Reviews spaced over days, counted in the pupil's saved days (one per sitting). A fact answered
// right within 3.0 s is due again 1, 3, 7, 14 and then every 30 days after its first, second, ...
// such answer given on or after the day it was due; one given before moves the due day out
// without a step. A wrong answer, or a right one slower than 3.0 s, makes the fact due at once and
// starts the intervals again. A right answer without a time (a speed round's) changes nothing.
inline constexpr std::array<int32_t, 5> reviewIntervals { 1, 3, 7, 14, 30 };

struct Review {
    int32_t step = 0; // fluent answers in a row on or after their due day; 0 before one or after a miss
    int32_t due = 0; // the day from which the fact is due; 0 while it is new (never answered but right)

    friend bool operator==(const Review&, const Review&) = default;
};

// The review after one more answer on the day.
Review nextReview(Review current, int32_t day, bool correct, int32_t ticks);

// One point of the chart: how a day went.
struct DayPoint {
    int32_t day = 0;
    int32_t answered = 0; // records that are facts, skipped lines not included
    int32_t right = 0;
    // Median tenths of the day's right, timed answers; the mean of the middle two for an even
    // count. None when there were none.
    std::optional<double> medianTenths;
    // The answers of the lesson in progress, which no day file holds yet.
    bool unsaved = false;

    // Share of right answers from 0 to 1; none for a day without answers (an empty save).
    std::optional<double> shareRight() const;

    friend bool operator==(const DayPoint&, const DayPoint&) = default;
};

class FluencyReport {
public:
    // Adds the student's next day, in day order, from its file's bytes; returns the day's
    // point. A line that is not a record of a fact
    // (an unreadable time, a missing field, an unknown question) is skipped and counted rather
    // than ending the day, and empty lines (an empty save reads as one) are passed over.
    const DayPoint& addDayFile(BytesView contents);

    // Adds the answers of the lesson in progress as the day the next save will make of them,
    // read exactly as that day will be once saved, and marked as not yet saved. It comes after
    // the saved days, and once saved it is read as one of them: it must not be added as well.
    const DayPoint& addUnsavedDay(std::span<const Treslts> records);

    FactState state(const Fact& fact) const;
    FactState state(Operation op, int32_t a, int32_t b) const { return state(Fact { op, a, b }); }
    // Whether a fact's state comes from an answer not yet saved.
    bool fromUnsaved(const Fact& fact) const;
    bool hasUnsavedDay() const { return !m_days.empty() && m_days.back().unsaved; }

    const std::vector<DayPoint>& days() const { return m_days; }
    int32_t skippedLines() const { return m_skippedLines; }
    // Counts of cells in each state for one operation, indexed by FactState.
    std::array<int32_t, 4> stateCounts(Operation op) const;

    Review review(const Fact& fact) const;
    // The day the next answers belong to: the lesson in progress, else the next to be saved.
    int32_t today() const { return static_cast<int32_t>(m_days.size()) + (hasUnsavedDay() ? 0 : 1); }
    // Whether the fact is due for review today.
    bool due(const Fact& fact) const;
    // Facts of the operation due today, and fluent ones that are not.
    int32_t dueCount(Operation op) const;
    int32_t fluentNotDue(Operation op) const;

private:
    friend struct DaySummary; // keeps a report in the class folder (daysummary.h)

    const DayPoint& addDay(BytesView contents, bool unsaved);
    // Applies one line of a day file; false when it is no record of a fact.
    bool addLine(BytesView line, DayPoint& point, std::vector<int32_t>& rightTimes);
    static void finishDay(DayPoint& point, std::vector<int32_t>& rightTimes);

    static constexpr size_t rows = largestBase + 1;
    static constexpr size_t columns = largestSecond - smallestSecond + 1;
    std::array<std::array<FactState, rows * columns>, 4> m_states {};
    std::array<std::array<bool, rows * columns>, 4> m_unsaved {};
    std::array<std::array<Review, rows * columns>, 4> m_reviews {};
    std::vector<DayPoint> m_days;
    int32_t m_skippedLines = 0;
};

// The fact a stored line answers, when its operation name ("Multiplication" with or without
// the blank a loaded text keeps) matches its question line.
std::optional<Fact> factOf(BytesView operation, BytesView question);

// Reads every day of the student, 1 up to the first missing number, as the history view lists
// them, through the student's summary of them (daysummary.h) unless everything is to be read
// again. A day file that cannot be read is an error naming it.
Result<FluencyReport> readFluencyReport(const Bytes& student, bool readEverything = false);

} // namespace quorvex
