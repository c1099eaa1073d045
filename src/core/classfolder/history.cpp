#include "core/classfolder/history.h"

#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/studentnames.h"
#include "core/classfolder/textlines.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <future>
#include <limits>

namespace quorvex {

namespace {

bool usableInFileName(const Bytes& student)
{
    return student.find('/') == Bytes::npos && student.find('\0') == Bytes::npos;
}

FileError unusableName(const Bytes& student, int32_t day)
{
    return { .file = dayFileName(student, day), .why = Failure::InvalidFileName };
}

FileError nameTooLong(const Bytes& student, int32_t day)
{
    return { .file = dayFileName(student, day),
        .why = Failure::NameTooLong,
        .number = static_cast<long long>(maxStudentNameLength) };
}

void shorten(Bytes& text)
{
    if (text.size() > maxShownFieldLength) {
        text.resize(maxShownFieldLength);
        text += "...";
    }
}

// Saves as saveDayFrom, with the student's lock held.
Result<int32_t> saveLocked(const FolderLock& lock, const Bytes& student, int32_t day, std::span<const Treslts> records)
{
    // Earlier versions prepared a day beside it; what an interrupted one left goes.
    (void)removeName(scratchFileName(dayFileName(student, day)));
    const Bytes contents = dayContents(records);
    for (;;) {
        const Bytes name = dayFileName(student, day);
        bool existedAlready = false;
        Status created = lock.createFile(name, contents, &existedAlready);
        if (created)
            return day;
        if (!existedAlready)
            return created.error();
        if (!fileExists(name)) {
            // Not a day that appeared meanwhile but something else under the name.
            if (fileKind(name) == FileKind::Folder)
                return FileError::system(name, EISDIR);
            return created.error();
        }
        // An earlier version of the program, which takes no lock, saved this day a moment
        // ago: take the next free one.
        while (dayExists(student, day))
            ++day;
    }
}

template <class Save> Result<int32_t> underLock(const Bytes& student, int32_t firstDay, Save save)
{
    if (!usableInFileName(student))
        return unusableName(student, firstDay);
    if (student.size() > maxStudentNameLength)
        return nameTooLong(student, std::max(firstDay, countDayFiles(student) + 1));
    Result<FolderLock> lock = FolderLock::take(studentLockName(student));
    if (!lock) {
        return FileError { .file = dayFileName(student, std::max(firstDay, countDayFiles(student) + 1)),
            .why = lock.error().why == Failure::InUse ? Failure::DaysInUse : Failure::DaysNotLockable,
            .text = student,
            .cause = causedBy(lock.error()) };
    }
    FolderLock held = std::move(lock).value();
    (void)settleStudentLocked(student, held);
    return save(held);
}

} // namespace

Bytes dayFileName(const Bytes& student, int32_t day)
{
    return student + decimal(day) + ".txt";
}

Bytes dayLine(const Treslts& record)
{
    Bytes line;
    line.reserve(record.operation.size() + record.question.size() + record.answer.size() + 24);
    line += record.operation;
    line += record.correct ? " ,1 ," : " ,0 ,";
    line += record.question;
    line += " ,";
    line += record.answer;
    line += " ,";
    line += decimal(record.ticks);
    return line;
}

Bytes dayContents(std::span<const Treslts> records)
{
    Bytes text;
    for (const Treslts& record : records) {
        text += dayLine(record);
        text += "\r\n";
    }
    return text;
}

DayLineFields splitDayLine(BytesView line)
{
    DayLineFields fields;
    Bytes text;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool last = i + 1 == line.size();
        if (c != ',' && !last) {
            text.push_back(c);
            continue;
        }
        if (fields.count < 5) {
            if (fields.count == 4)
                text.push_back(c);
            fields.texts[static_cast<size_t>(fields.count)] = std::move(text);
            ++fields.count;
        }
        text.clear();
    }
    return fields;
}

std::optional<int32_t> parseTicks(BytesView text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    // Only digits from here on: from_chars would take a second sign.
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, 10);
    if (error != std::errc {} || stop != end)
        return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

Result<Treslts> readDayLine(BytesView line, const Bytes& fileName)
{
    DayLineFields fields = splitDayLine(line);
    Treslts record;
    if (fields.count >= 1)
        record.operation = std::move(fields.texts[0]);
    if (fields.count >= 2)
        record.correct = fields.texts[1] == "1 ";
    if (fields.count >= 3)
        record.question = std::move(fields.texts[2]);
    if (fields.count >= 4)
        record.answer = std::move(fields.texts[3]);
    if (fields.count >= 5) {
        const std::optional<int32_t> ticks = parseTicks(fields.texts[4]);
        if (!ticks)
            return FileError { .file = fileName, .why = Failure::InvalidInteger, .text = std::move(fields.texts[4]) };
        record.ticks = *ticks;
    }
    return record;
}

Result<std::vector<Treslts>> parseDay(BytesView contents, const Bytes& student, const Bytes& fileName)
{
    const std::vector<Bytes> lines = splitLines(contents);
    std::vector<Treslts> records;
    records.reserve(lines.size());
    for (const Bytes& line : lines) {
        Result<Treslts> record = readDayLine(line, fileName);
        if (!record)
            return record.error();
        records.push_back(std::move(record).value());
        records.back().questionType = student;
        records.back().number = static_cast<int32_t>(records.size());
    }
    return records;
}

bool dayExists(const Bytes& student, int32_t day)
{
    return usableInFileName(student) && fileExists(dayFileName(student, day));
}

Result<DayListing> DayListing::read()
{
    Result<std::vector<FolderEntry>> entries = listWorkingFolder();
    if (!entries)
        return entries.error();
    return DayListing(std::move(entries).value());
}

DayListing DayListing::readOrLookByName()
{
    Result<DayListing> listing = read();
    return listing ? std::move(listing).value() : DayListing();
}

DayListing DayListing::forOnePupil()
{
    return networkShareOfWorkingFolder().empty() ? DayListing() : readOrLookByName();
}

DayListing::DayListing(std::vector<FolderEntry> entries)
    : m_entries(std::move(entries))
    , m_listed(true)
{
    std::ranges::sort(m_entries, {}, &FolderEntry::name);
}

const FolderEntry* DayListing::find(const Bytes& name) const
{
    const auto found = std::ranges::lower_bound(m_entries, name, {}, &FolderEntry::name);
    return found != m_entries.end() && found->name == name ? &*found : nullptr;
}

bool DayListing::has(const Bytes& name) const
{
    return m_listed ? find(name) != nullptr : nameTaken(name);
}

int32_t DayListing::count(const Bytes& student) const
{
    if (!usableInFileName(student))
        return 0;
    int32_t count = 0;
    for (;;) {
        const FolderEntry* entry = find(dayFileName(student, count + 1));
        if (!entry || (entry->kind && *entry->kind != FileKind::Regular))
            break;
        if (!entry->kind && !dayExists(student, count + 1))
            break;
        ++count;
    }
    while (dayExists(student, count + 1))
        ++count;
    return count;
}

std::optional<FileStamp> DayListing::listedStamp(const Bytes& student, int32_t day) const
{
    const FolderEntry* entry = find(dayFileName(student, day));
    return entry ? entry->stamp : std::nullopt;
}

std::optional<FileStamp> DayListing::stamp(const Bytes& student, int32_t day) const
{
    if (const std::optional<FileStamp> listed = listedStamp(student, day))
        return listed;
    return usableInFileName(student) ? fileStamp(dayFileName(student, day)) : std::nullopt;
}

DayListing DayListing::settledForPupil(const Bytes& student)
{
    DayListing listing = forOnePupil();
    if (usableInFileName(student) && listing.has(cleanupRecordName(student))) {
        (void)settleStudent(student, std::chrono::milliseconds(0));
        listing = forOnePupil();
    }
    return listing;
}

int32_t countDays(const Bytes& student)
{
    return DayListing::settledForPupil(student).count(student);
}

int32_t countDayFiles(const Bytes& student)
{
    return DayListing::forOnePupil().count(student);
}

Result<std::vector<Treslts>> loadDay(const Bytes& student, int32_t day)
{
    if (!usableInFileName(student))
        return unusableName(student, day);
    const Bytes name = dayFileName(student, day);
    Result<Bytes> contents = readFile(name, maxDayFileSize);
    if (!contents)
        return contents.error();
    if (static_cast<size_t>(std::ranges::count(*contents, '\n')) > maxDayLines)
        return FileError { .file = name, .why = Failure::TooManyLines, .number = static_cast<long long>(maxDayLines) };
    Result<std::vector<Treslts>> records = parseDay(*contents, student, name);
    if (!records)
        return records;
    std::vector<Treslts> shown = std::move(records).value();
    for (Treslts& record : shown) {
        shorten(record.operation);
        shorten(record.question);
        shorten(record.answer);
    }
    return shown;
}

Result<int32_t> saveNextDay(const Bytes& student, std::span<const Treslts> records)
{
    // On a share the listing and the taking of the lock take about as long each, so the folder
    // is listed meanwhile. What another holder did before this save took the lock is then seen
    // by a look at the last day the listing showed and at the one after it: a save adds days
    // after it, a deletion or renumbering (which may have made a day of that number again) takes
    // days away before it, and the folder is listed again.
    const auto when = networkShareOfWorkingFolder().empty() ? std::launch::deferred : std::launch::async;
    std::future<DayListing> listing = std::async(when, &DayListing::forOnePupil);
    return underLock(student, 1, [&](const FolderLock& lock) {
        const int32_t listed = listing.get().count(student);
        const int32_t days = listed == 0 || dayExists(student, listed) ? listed : countDayFiles(student);
        return saveLocked(lock, student, days + 1, records);
    });
}

Result<int32_t> saveDayFrom(const Bytes& student, int32_t firstDay, std::span<const Treslts> records)
{
    return underLock(
        student, firstDay, [&](const FolderLock& lock) { return saveLocked(lock, student, firstDay, records); });
}

} // namespace quorvex
