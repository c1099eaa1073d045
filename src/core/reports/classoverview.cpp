#include "core/reports/classoverview.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/drill/operations.h"
#include "core/reports/csv.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace quorvex {

namespace {

struct Pooled {
    int32_t right = 0;
    int32_t answered = 0;
    double share() const { return static_cast<double>(right) / answered; }
};

Pooled pool(std::span<const DayPoint* const> days)
{
    Pooled sum;
    for (const DayPoint* day : days) {
        sum.right += day->right;
        sum.answered += day->answered;
    }
    return sum;
}

// A value to sort by: missing values first.
double sortKey(const PupilSummary& row, OverviewColumn column)
{
    switch (column) {
    case OverviewColumn::Name:
        return 0;
    case OverviewColumn::Days:
        return row.days;
    case OverviewColumn::Answers:
        return row.answers;
    case OverviewColumn::LastDay:
        return row.lastShare ? *row.lastShare : -1;
    case OverviewColumn::Addition:
    case OverviewColumn::Subtraction:
    case OverviewColumn::Multiplication:
    case OverviewColumn::Division:
        return row.fluent[static_cast<size_t>(column) - static_cast<size_t>(OverviewColumn::Addition)];
    case OverviewColumn::Trend:
        return static_cast<double>(row.trend);
    case OverviewColumn::DueToday:
        return row.dueToday;
    }
    return 0;
}

} // namespace

Trend trendOf(const std::vector<DayPoint>& days)
{
    std::vector<const DayPoint*> answered;
    for (const DayPoint& day : days)
        if (day.answered > 0)
            answered.push_back(&day);
    if (answered.size() < 2 * trendDays)
        return Trend::None;
    const std::span<const DayPoint* const> all(answered);
    const double recent = pool(all.last(trendDays)).share();
    const double before = pool(all.subspan(all.size() - 2 * trendDays, trendDays)).share();
    if (std::abs(recent - before) < trendMargin)
        return Trend::Level;
    return recent > before ? Trend::Up : Trend::Down;
}

PupilSummary summarise(Bytes name, const FluencyReport& report, int32_t savedDays)
{
    PupilSummary row;
    row.name = std::move(name);
    row.days = savedDays;
    for (const DayPoint& day : report.days())
        row.answers += day.answered;
    if (!report.days().empty())
        row.lastShare = report.days().back().shareRight();
    for (const Operation op : allOperations) {
        row.fluent[static_cast<size_t>(code(op) - 1)] = report.stateCounts(op)[static_cast<size_t>(FactState::Fluent)];
        row.dueToday += report.dueCount(op);
    }
    row.trend = trendOf(report.days());
    return row;
}

PupilSummary readPupilSummary(
    const Bytes& name, const DayListing& listing, const std::vector<Treslts>* unsaved, DayReading how)
{
    SavedDays saved = readSavedDays(name, listing, how);
    if (unsaved)
        saved.report.addUnsavedDay(*unsaved);
    PupilSummary row = summarise(name, saved.report, saved.count);
    for (const FileError& error : saved.unreadable)
        row.unreadableDays.push_back(error.file);
    return row;
}

std::vector<PupilSummary> readClassOverview(const std::vector<Bytes>& roster,
    const std::optional<UnsavedAnswers>& unsaved, OverviewProgress& progress, unsigned threads, DayReading how)
{
    const DayListing listing = DayListing::readOrLookByName();
    std::vector<PupilSummary> rows(roster.size());
    std::atomic<size_t> next { 0 };
    const auto work = [&] {
        for (size_t i = next++; i < roster.size() && !progress.cancel; i = next++) {
            const bool owner = unsaved && unsaved->owner == roster[i];
            rows[i] = readPupilSummary(roster[i], listing, owner ? &unsaved->records : nullptr, how);
            rows[i].guest = i == 0;
            ++progress.done;
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned n = 1; n < std::max(threads, 1u) && n < roster.size(); ++n)
        helpers.emplace_back(work);
    work();
    helpers.clear();
    if (progress.cancel)
        return {};
    sortOverview(rows, OverviewColumn::Name, false);
    return rows;
}

void sortOverview(std::vector<PupilSummary>& rows, OverviewColumn column, bool descending)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const PupilSummary& x, const PupilSummary& y) {
        if (x.guest != y.guest)
            return y.guest;
        const double a = sortKey(x, column);
        const double b = sortKey(y, column);
        if (a != b)
            return descending ? a > b : a < b;
        if (column == OverviewColumn::Name && descending)
            return y.name < x.name;
        return x.name < y.name;
    });
}

Bytes csvCell(const PupilSummary& row, OverviewColumn column, const OverviewCsvWords& words)
{
    switch (column) {
    case OverviewColumn::Name:
        return utf8(row.name);
    case OverviewColumn::LastDay:
        return row.lastShare ? decimal(std::lround(*row.lastShare * 100)) : Bytes {};
    case OverviewColumn::Trend:
        return row.trend == Trend::None ? Bytes() : words.trends[static_cast<size_t>(row.trend) - 1];
    default:
        return decimal(static_cast<long long>(sortKey(row, column)));
    }
}

Bytes overviewCsv(const std::vector<PupilSummary>& rows, const OverviewCsvWords& words)
{
    Bytes out;
    const auto line = [&](auto cell) {
        std::vector<Bytes> fields;
        for (int c = 0; c < overviewColumnCount; ++c)
            fields.push_back(cell(static_cast<OverviewColumn>(c)));
        out += csvLine(fields);
    };
    line([&](OverviewColumn c) { return words.headings[static_cast<size_t>(c)]; });
    for (const PupilSummary& row : rows)
        line([&](OverviewColumn c) { return csvCell(row, c, words); });
    return out;
}

} // namespace quorvex
