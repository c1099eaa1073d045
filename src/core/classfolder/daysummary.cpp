#include "core/classfolder/daysummary.h"

#include "core/classfolder/textlines.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>

namespace quorvex {

namespace {

// The first line; a summary of another form is read as none and written anew.
// Version 2 added the reviews; a summary of another version is read as none, and the days again.
constexpr BytesView heading = "Quorvex summary of saved days 2";

// Far beyond a summary of ten years of days, and short of anything that takes long to read.
constexpr size_t maxSummarySize = size_t { 4 } << 20;

std::vector<BytesView> fieldsOf(BytesView line)
{
    std::vector<BytesView> fields;
    while (!line.empty()) {
        const size_t blank = line.find(' ');
        fields.push_back(line.substr(0, blank));
        if (blank == BytesView::npos)
            break;
        line.remove_prefix(blank + 1);
    }
    return fields;
}

// Decimal digits and nothing else: no sign, no blank.
std::optional<long long> number(BytesView text)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// A day is told from the next version of it by its stamp, which on some shares has whole
// seconds only: a day replaced within the second it was written, by one of the same size, would
// look the same. So a summary covers only days written at least this long before it was, by
// the file server's clock, and a day written later is read again by the next reader.
constexpr long long settledSeconds = 2;

// What this computer's clock takes for a day saved a moment ago, by whatever computer: well
// beyond settledSeconds, for clocks that differ by a little. A clock far behind the file
// server's only has a day read again for longer.
constexpr long long recentSeconds = 60;

long long nanosecondsNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Writes the summary under the student's lock when that is free this moment, leaving out a last
// day too recent to be told from a later version of it; a second such day is not left out but
// left to the next reader.
// onFile is the number of days the summary on file covers and holds for; none when it is to be
// written anew whatever it covers.
// The days were read without the lock, so a clean-up or a delete on another computer may have
// renumbered them meanwhile, and the days read be no longer the days that stand. Such a change
// moves another file to the last day the summary covers, or none, and takes that day's stamp
// with it: the stamp looked up before the days were read (before) must still be the one read
// and the one that stands once the lock is held, when no one can renumber them any more.
// A stamp of a file saved within the same second is told apart by settledSeconds.
void writeSummary(const Bytes& student, const DaySummary& summary, const DaySummary* beforeLast,
    std::optional<size_t> onFile, const std::array<std::optional<FileStamp>, 2>& before)
{
    Result<FolderLock> lock = FolderLock::take(studentLockName(student), std::chrono::milliseconds(0));
    if (!lock)
        return;
    const std::optional<long long> now = lock->serverTime();
    if (!now)
        return;
    const auto settled = [&](const DaySummary& s) {
        return s.stamps.empty() || s.stamps.back().modified < (*now - settledSeconds) * 1000000000LL;
    };
    const DaySummary* written = settled(summary) ? &summary : beforeLast && settled(*beforeLast) ? beforeLast : nullptr;
    if (!written || written->stamps.empty() || written->stamps.size() == onFile)
        return;
    const std::optional<FileStamp> lookedUp = before[written == &summary ? 0 : 1];
    const auto last = static_cast<int32_t>(written->stamps.size());
    if (lookedUp != written->stamps.back() || fileStamp(dayFileName(student, last)) != lookedUp)
        return;
    (void)lock->replaceDerivedFile(daySummaryName(student), written->text());
}

} // namespace

Bytes daySummaryName(const Bytes& student)
{
    return ".~" + student + ".days.summary";
}

// day <size> <modified> <answered> <right> <twice the median tenths, or -> per day; the facts'
// states as one digit each, operation by operation; their reviews as "<step> <due day>" in the
// same order; the lines skipped; "end" last, so a text cut short is no summary.
Bytes DaySummary::text() const
{
    Bytes out = Bytes(heading) + "\n";
    for (size_t i = 0; i < stamps.size(); ++i) {
        const DayPoint& day = report.m_days[i];
        out += "day " + decimal(stamps[i].size) + " " + decimal(stamps[i].modified) + " " + decimal(day.answered) + " "
            + decimal(day.right) + " " + (day.medianTenths ? decimal(std::llround(*day.medianTenths * 2)) : Bytes("-"))
            + "\n";
    }
    out += "facts ";
    for (const auto& states : report.m_states)
        for (const FactState state : states)
            out += static_cast<char>('0' + static_cast<int>(state));
    out += "\nreviews";
    for (const auto& reviews : report.m_reviews)
        for (const Review& review : reviews)
            out += " " + decimal(review.step) + " " + decimal(review.due);
    out += "\nskipped " + decimal(report.m_skippedLines) + "\nend\n";
    return out;
}

std::optional<DaySummary> DaySummary::parse(BytesView text)
{
    const std::vector<Bytes> lines = splitLines(text);
    if (lines.size() < 4 || lines.front() != heading || lines.back() != "end")
        return std::nullopt;
    DaySummary summary;
    FluencyReport& report = summary.report;
    size_t at = 1;
    for (; at < lines.size() && lines[at].starts_with("day "); ++at) {
        const std::vector<BytesView> fields = fieldsOf(lines[at]);
        if (fields.size() != 6)
            return std::nullopt;
        const auto size = number(fields[1]);
        const auto modified = number(fields[2]);
        const auto answered = number(fields[3]);
        const auto right = number(fields[4]);
        const auto median = fields[5] == "-" ? std::optional<long long>(-1) : number(fields[5]);
        if (!size || !modified || !answered || !right || !median || *right > *answered
            || *answered > static_cast<long long>(maxDayLines) || *median < -1 || *median > 2LL * INT32_MAX)
            return std::nullopt;
        summary.stamps.push_back({ *size, *modified });
        DayPoint day;
        day.day = static_cast<int32_t>(summary.stamps.size());
        day.answered = static_cast<int32_t>(*answered);
        day.right = static_cast<int32_t>(*right);
        if (*median >= 0)
            day.medianTenths = static_cast<double>(*median) / 2;
        report.m_days.push_back(day);
    }
    if (lines.size() != at + 4 || !lines[at].starts_with("facts ") || !lines[at + 1].starts_with("reviews ")
        || !lines[at + 2].starts_with("skipped "))
        return std::nullopt;
    const BytesView states = BytesView(lines[at]).substr(6);
    size_t cell = 0;
    for (auto& operation : report.m_states)
        for (FactState& state : operation) {
            if (cell >= states.size() || states[cell] < '0' || states[cell] > '3')
                return std::nullopt;
            state = static_cast<FactState>(states[cell++] - '0');
        }
    if (cell != states.size())
        return std::nullopt;
    // A review's due day lies after the day of the answer that set it, at most the longest
    // interval after the last day covered.
    const std::vector<BytesView> reviews = fieldsOf(BytesView(lines[at + 1]).substr(8));
    const long long lastDue = static_cast<long long>(summary.stamps.size()) + reviewIntervals.back();
    size_t field = 0;
    for (auto& operation : report.m_reviews)
        for (Review& review : operation) {
            if (field + 1 >= reviews.size())
                return std::nullopt;
            const auto step = number(reviews[field]);
            const auto due = number(reviews[field + 1]);
            field += 2;
            if (!step || !due || *step > static_cast<long long>(reviewIntervals.size()) || *due > lastDue
                || (*step > 0 && *due == 0))
                return std::nullopt;
            review = { static_cast<int32_t>(*step), static_cast<int32_t>(*due) };
        }
    const auto skipped = number(BytesView(lines[at + 2]).substr(8));
    if (field != reviews.size() || !skipped || *skipped > INT32_MAX)
        return std::nullopt;
    report.m_skippedLines = static_cast<int32_t>(*skipped);
    return summary;
}

SavedDays readSavedDays(const Bytes& student, const DayListing& listing, DayReading how)
{
    SavedDays saved;
    saved.count = listing.count(student);
    if (saved.count == 0)
        return saved;
    const Bytes summaryName = daySummaryName(student);
    std::optional<DaySummary> kept;
    if (how == DayReading::Summarised && listing.has(summaryName)) {
        const Result<Bytes> text = readFile(summaryName, maxSummarySize);
        kept = text ? DaySummary::parse(*text) : std::nullopt;
    }
    // The stamps of the last two days before any day is read (see writeSummary); the one
    // before the last only when a summary may be written that ends there.
    const bool nothingToRead = kept && kept->stamps.size() == static_cast<size_t>(saved.count);
    const std::array<std::optional<FileStamp>, 2> before { listing.stamp(student, saved.count),
        saved.count > 1 && !nothingToRead ? listing.stamp(student, saved.count - 1) : std::nullopt };
    DaySummary summary;
    if (kept) {
        // It holds while every day it covers stands as it noted: the days the listing gives a
        // stamp for, and the last it covers, which a deletion or renumbering replaces.
        const auto holds = [&](const DaySummary& s) {
            const int32_t covered = static_cast<int32_t>(s.stamps.size());
            if (covered > saved.count)
                return false;
            for (int32_t day = 1; day < covered; ++day) {
                const std::optional<FileStamp> listed = listing.listedStamp(student, day);
                if (listed && *listed != s.stamps[static_cast<size_t>(day - 1)])
                    return false;
            }
            if (covered == 0)
                return true;
            const size_t fromLast = static_cast<size_t>(saved.count - covered);
            return (fromLast < before.size() ? before[fromLast] : listing.stamp(student, covered)) == s.stamps.back();
        };
        if (kept && holds(*kept))
            summary = std::move(*kept);
    }
    const size_t covered = summary.stamps.size();
    // The summary as it stood before the last day was added: see below.
    std::optional<DaySummary> beforeLast;
    for (int32_t day = static_cast<int32_t>(covered) + 1; day <= saved.count; ++day) {
        FileStamp stamp;
        const Bytes name = dayFileName(student, day);
        const Result<Bytes> contents = readFile(name, maxDayFileSize, &stamp);
        if (!contents) {
            saved.unreadable.push_back(contents.error());
            continue;
        }
        if (day == saved.count)
            beforeLast = summary;
        summary.report.addDayFile(*contents);
        summary.stamps.push_back(stamp);
    }
    // Only a day saved a moment ago is new: the summary would leave it out (see writeSummary),
    // so it stays as it is, the lock untaken, and the day is read again until it has settled.
    const bool onlyARecentDay = how == DayReading::Summarised && summary.stamps.size() == covered + 1
        && summary.stamps.back().modified > nanosecondsNow() - recentSeconds * 1000000000LL;
    if (saved.unreadable.empty() && !onlyARecentDay
        && (summary.stamps.size() > covered || how == DayReading::Everything))
        writeSummary(student, summary, beforeLast ? &*beforeLast : nullptr,
            how == DayReading::Everything ? std::nullopt : std::optional<size_t>(covered), before);
    saved.report = std::move(summary.report);
    return saved;
}

} // namespace quorvex
