#pragma once

#include "core/bytes.h"
#include "core/classfolder/daysummary.h"
#include "core/drill/answerlog.h"
#include "core/reports/fluency.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex {

// The class overview: one row per roster entry, what the fluency report tells of that pupil,
// summed up.

// The share right over the last trendDays days against the trendDays before them; a
// difference under trendMargin is level. Days without answers (an empty save) are passed over.
enum class Trend : uint8_t { None, Down, Level, Up };
inline constexpr size_t trendDays = 5;
inline constexpr double trendMargin = 0.05;

// None until there are twice trendDays days with answers.
Trend trendOf(const std::vector<DayPoint>& days);

struct PupilSummary {
    Bytes name;
    bool guest = false; // the roster's built-in first entry, listed last
    int32_t days = 0; // day files saved, unreadable ones included
    int32_t answers = 0; // answers read, today's unsaved ones included
    std::optional<double> lastShare; // the last day's share right; none for an empty day
    std::array<int32_t, 4> fluent {}; // fluent facts, by operation code - 1
    Trend trend = Trend::None;
    int32_t dueToday = 0; // facts of every operation due for review on the pupil's next day
    std::vector<Bytes> unreadableDays; // the day files that could not be read
};

// The summary of a report read from savedDays day files.
PupilSummary summarise(Bytes name, const FluencyReport& report, int32_t savedDays);

// Reads the pupil's day files as the listing shows them; one that cannot be read is named in
// the summary and left out. The unsaved answers, when given, count as the day the next save
// will make of them.
PupilSummary readPupilSummary(const Bytes& name, const DayListing& listing,
    const std::vector<Treslts>* unsaved = nullptr, DayReading how = DayReading::Summarised);

// Shared with the threads that read: how many pupils are read, and a request to stop.
struct OverviewProgress {
    std::atomic<int32_t> done { 0 };
    std::atomic<bool> cancel { false };
};

// The answers of the lesson in progress, which count for the pupil who gave them.
struct UnsavedAnswers {
    Bytes owner;
    std::vector<Treslts> records;
};

// Every roster entry read on up to `threads` threads from one listing of the class folder,
// entry 0 (the built-in Guest) marked as such, in the default order (sortOverview by name).
// Empty when cancelled.
std::vector<PupilSummary> readClassOverview(const std::vector<Bytes>& roster,
    const std::optional<UnsavedAnswers>& unsaved, OverviewProgress& progress, unsigned threads,
    DayReading how = DayReading::Summarised);

// The columns, as shown, printed and exported.
enum class OverviewColumn : uint8_t {
    Name,
    Days,
    Answers,
    LastDay,
    Addition,
    Subtraction,
    Multiplication,
    Division,
    Trend,
    DueToday,
};
inline constexpr int overviewColumnCount = 10;

// Orders the rows by the column; ties and the name column in the names' byte order. Guest
// stays last whichever the order, and a missing value is smaller than any.
void sortOverview(std::vector<PupilSummary>& rows, OverviewColumn column, bool descending);

// The words of the exported file in the teacher's language, UTF-8: the column headings, and
// the trends Down, Level and Up.
struct OverviewCsvWords {
    std::array<Bytes, overviewColumnCount> headings;
    std::array<Bytes, 3> trends;
};

// The texts of one cell in the exported file; names in UTF-8, numbers plain.
Bytes csvCell(const PupilSummary& row, OverviewColumn column, const OverviewCsvWords& words);

// The whole file: a heading row and one row per pupil, UTF-8, CR LF line ends, a field quoted
// when it holds a comma, a quote or a line end, its quotes doubled.
Bytes overviewCsv(const std::vector<PupilSummary>& rows, const OverviewCsvWords& words);

} // namespace quorvex
