#include "core/reports/fluency.h"

#include "core/classfolder/daysummary.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"

#include <algorithm>

namespace quorvex {

namespace {

// A whole number as the drill writes it: decimal digits without leading zeros. Nine digits at
// most, far beyond any fact, so that the value cannot overflow.
std::optional<int64_t> takeNumber(BytesView& text)
{
    size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9')
        ++length;
    if (length == 0 || length > 9 || (length > 1 && text[0] == '0'))
        return std::nullopt;
    int64_t value = 0;
    for (size_t i = 0; i < length; ++i)
        value = value * 10 + (text[i] - '0');
    text.remove_prefix(length);
    return value;
}

bool takePiece(BytesView& text, BytesView piece)
{
    if (!text.starts_with(piece))
        return false;
    text.remove_prefix(piece.size());
    return true;
}

// A loaded text keeps the blank that was written before its comma; a hand-edited one may not.
BytesView withoutTrailingBlank(BytesView text)
{
    if (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool inDrillRange(int64_t a, int64_t b)
{
    return a >= 0 && a <= largestBase && b >= smallestSecond && b <= largestSecond;
}

size_t cellIndex(int32_t a, int32_t b)
{
    return static_cast<size_t>(a) * (largestSecond - smallestSecond + 1) + static_cast<size_t>(b - smallestSecond);
}

// The lines of a file as splitLines reads them (a line feed ends a line, every carriage return
// is dropped, byte 26 ends the file), handed over as views: a year of days is a million lines,
// and copying each into a string of its own would cost more than the rest of the reading.
// Only a line that holds a carriage return besides its line end is copied into scratch.
template <class Visit> void forEachLine(BytesView text, Bytes& scratch, Visit visit)
{
    if (const size_t end = text.find('\x1a'); end != BytesView::npos)
        text = text.substr(0, end);
    while (!text.empty()) {
        const size_t feed = text.find('\n');
        BytesView line = text.substr(0, feed);
        text.remove_prefix(feed == BytesView::npos ? text.size() : feed + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find('\r') != BytesView::npos) {
            scratch.assign(line);
            std::erase(scratch, '\r');
            line = scratch;
        }
        visit(line);
    }
}

// The fields of a line as splitDayLine walks it, as views into the line.
struct DayFields {
    int count = 0;
    std::array<BytesView, 5> texts;
};

DayFields splitFields(BytesView line)
{
    DayFields fields;
    size_t start = 0;
    while (fields.count < 5 && start < line.size()) {
        // A comma ends the field, and so does the line's last character, which only field 5
        // keeps.
        const size_t comma = line.find(',', start);
        const size_t end = comma == BytesView::npos ? line.size() - 1 : comma;
        const size_t kept = fields.count == 4 ? end + 1 : end;
        fields.texts[static_cast<size_t>(fields.count)] = line.substr(start, kept - start);
        ++fields.count;
        start = end + 1;
    }
    return fields;
}

} // namespace

std::optional<Fact> parseFact(BytesView question)
{
    BytesView text = withoutTrailingBlank(question);
    const std::optional<int64_t> first = takeNumber(text);
    if (!first)
        return std::nullopt;
    if (text.size() < 3 || text[0] != ' ' || text[2] != ' ')
        return std::nullopt;
    Operation op;
    switch (text[1]) {
    case '+':
        op = Operation::Addition;
        break;
    case '-':
        op = Operation::Subtraction;
        break;
    case 'x':
        op = Operation::Multiplication;
        break;
    case divisionSign:
        op = Operation::Division;
        break;
    default:
        return std::nullopt;
    }
    text.remove_prefix(3);
    const std::optional<int64_t> second = takeNumber(text);
    if (!second || !takePiece(text, " = "))
        return std::nullopt;
    const std::optional<int64_t> result = takeNumber(text);
    if (!result || !text.empty())
        return std::nullopt;

    int64_t a = *first;
    const int64_t b = *second;
    switch (op) {
    case Operation::Addition:
        if (*result != a + b)
            return std::nullopt;
        break;
    case Operation::Subtraction:
        a = *first - b;
        if (*result != a)
            return std::nullopt;
        break;
    case Operation::Multiplication:
        if (*result != a * b)
            return std::nullopt;
        break;
    case Operation::Division:
        if (b == 0 || *first % b != 0)
            return std::nullopt;
        a = *first / b;
        if (*result != a)
            return std::nullopt;
        break;
    }
    if (!inDrillRange(a, b))
        return std::nullopt;
    return Fact { op, static_cast<int32_t>(a), static_cast<int32_t>(b) };
}

std::optional<Fact> factOf(BytesView operation, BytesView question)
{
    const std::optional<Fact> fact = parseFact(question);
    if (!fact || withoutTrailingBlank(operation) != operationName(fact->op))
        return std::nullopt;
    return fact;
}

FactState nextState(FactState current, bool correct, int32_t ticks)
{
    if (!correct)
        return FactState::Wrong;
    if (isTimed(ticks))
        return ticks <= fluentTenths ? FactState::Fluent : FactState::Right;
    return current == FactState::Fluent ? FactState::Fluent : FactState::Right;
}

std::optional<double> DayPoint::shareRight() const
{
    if (answered <= 0)
        return std::nullopt;
    return static_cast<double>(right) / answered;
}

bool FluencyReport::addLine(BytesView line, DayPoint& point, std::vector<int32_t>& rightTimes)
{
    const DayFields fields = splitFields(line);
    if (fields.count < 5)
        return false;
    const std::optional<int32_t> ticks = parseTicks(fields.texts[4]);
    // The history view reads any second field but "1 " as wrong; a report of what a pupil
    // knows leaves out a line whose outcome was edited out of the file's form.
    const bool right = fields.texts[1] == "1 ";
    if (!ticks || (!right && fields.texts[1] != "0 "))
        return false;
    const std::optional<Fact> fact = factOf(fields.texts[0], fields.texts[2]);
    if (!fact)
        return false;
    const size_t op = static_cast<size_t>(code(fact->op) - 1);
    FactState& cell = m_states[op][cellIndex(fact->a, fact->b)];
    cell = nextState(cell, right, *ticks);
    Review& review = m_reviews[op][cellIndex(fact->a, fact->b)];
    review = nextReview(review, point.day, right, *ticks);
    m_unsaved[op][cellIndex(fact->a, fact->b)] = point.unsaved;
    ++point.answered;
    if (right) {
        ++point.right;
        if (isTimed(*ticks))
            rightTimes.push_back(*ticks);
    }
    return true;
}

void FluencyReport::finishDay(DayPoint& point, std::vector<int32_t>& rightTimes)
{
    if (rightTimes.empty())
        return;
    const size_t middle = rightTimes.size() / 2;
    std::nth_element(rightTimes.begin(), rightTimes.begin() + static_cast<std::ptrdiff_t>(middle), rightTimes.end());
    const double upper = rightTimes[middle];
    if (rightTimes.size() % 2 == 1) {
        point.medianTenths = upper;
        return;
    }
    const double lower
        = *std::max_element(rightTimes.begin(), rightTimes.begin() + static_cast<std::ptrdiff_t>(middle));
    point.medianTenths = (lower + upper) / 2;
}

const DayPoint& FluencyReport::addDayFile(BytesView contents)
{
    return addDay(contents, false);
}

const DayPoint& FluencyReport::addUnsavedDay(std::span<const Treslts> records)
{
    return addDay(dayContents(records), true);
}

const DayPoint& FluencyReport::addDay(BytesView contents, bool unsaved)
{
    DayPoint point;
    point.day = static_cast<int32_t>(m_days.size()) + 1;
    point.unsaved = unsaved;
    std::vector<int32_t> rightTimes;
    Bytes withoutReturns;
    forEachLine(contents, withoutReturns, [&](BytesView line) {
        if (!line.empty() && !addLine(line, point, rightTimes))
            ++m_skippedLines;
    });
    finishDay(point, rightTimes);
    m_days.push_back(point);
    return m_days.back();
}

FactState FluencyReport::state(const Fact& fact) const
{
    if (!inDrillRange(fact.a, fact.b))
        return FactState::NotAsked;
    return m_states[static_cast<size_t>(code(fact.op) - 1)][cellIndex(fact.a, fact.b)];
}

bool FluencyReport::fromUnsaved(const Fact& fact) const
{
    return inDrillRange(fact.a, fact.b) && m_unsaved[static_cast<size_t>(code(fact.op) - 1)][cellIndex(fact.a, fact.b)];
}

Review nextReview(Review current, int32_t day, bool correct, int32_t ticks)
{
    if (correct && !isTimed(ticks))
        return current;
    if (!correct || ticks > fluentTenths)
        return { 0, day };
    const bool onTime = current.step == 0 || day >= current.due;
    const int32_t step
        = onTime ? std::min(current.step + 1, static_cast<int32_t>(reviewIntervals.size())) : current.step;
    return { step, day + reviewIntervals[static_cast<size_t>(step - 1)] };
}

Review FluencyReport::review(const Fact& fact) const
{
    if (!inDrillRange(fact.a, fact.b))
        return {};
    return m_reviews[static_cast<size_t>(code(fact.op) - 1)][cellIndex(fact.a, fact.b)];
}

bool FluencyReport::due(const Fact& fact) const
{
    const Review r = review(fact);
    return r.due != 0 && r.due <= today();
}

int32_t FluencyReport::dueCount(Operation op) const
{
    int32_t count = 0;
    for (const Review& r : m_reviews[static_cast<size_t>(code(op) - 1)])
        count += r.due != 0 && r.due <= today() ? 1 : 0;
    return count;
}

int32_t FluencyReport::fluentNotDue(Operation op) const
{
    const size_t o = static_cast<size_t>(code(op) - 1);
    int32_t count = 0;
    for (size_t k = 0; k < m_states[o].size(); ++k)
        count += m_states[o][k] == FactState::Fluent && !(m_reviews[o][k].due != 0 && m_reviews[o][k].due <= today())
            ? 1
            : 0;
    return count;
}

std::array<int32_t, 4> FluencyReport::stateCounts(Operation op) const
{
    std::array<int32_t, 4> counts {};
    for (const FactState cell : m_states[static_cast<size_t>(code(op) - 1)])
        ++counts[static_cast<size_t>(cell)];
    return counts;
}

Result<FluencyReport> readFluencyReport(const Bytes& student, bool readEverything)
{
    SavedDays saved = readSavedDays(student, DayListing::settledForPupil(student),
        readEverything ? DayReading::Everything : DayReading::Summarised);
    if (!saved.unreadable.empty())
        return saved.unreadable.front();
    return std::move(saved.report);
}

} // namespace quorvex
