#pragma once

#include "core/classfolder/fileio.h"
#include "core/drill/answerlog.h"
#include "core/result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex {

// A student's history is one file per saved day, numbered 1, 2, 3, ... up to the first number
// with no file; a file beyond a gap is not one of the days (the next save fills the gap).
// Each line is one record: "Multiplication ,1 ,3 x 4 = 12 ,12 ,35" and CR LF. The question
// type and the number are not stored; a loaded day gets the student's name as question type
// and numbers 1, 2, 3, ... in file order.

// The student's name, the day in decimal and ".txt", with no separator: student "X1" day 2
// and student "X" day 12 share one file.
Bytes dayFileName(const Bytes& student, int32_t day);

// One record as its line, without the line end.
Bytes dayLine(const Treslts& record);

// A whole day: one line per record, each ending CR LF. No records give no bytes at all.
Bytes dayContents(std::span<const Treslts> records);

// The fields of one line as the reading walk splits it: every comma ends the field in
// progress, and so does the line's last character, which field 5 keeps and fields 1 to 4
// lose. So the texts keep the blank written before each comma, and a sixth field onwards is
// ignored.
struct DayLineFields {
    int count = 0; // how many fields the line carried, 0 to 5
    std::array<Bytes, 5> texts;
};
DayLineFields splitDayLine(BytesView line);

// An optional sign and decimal digits that fit 32 bits; nothing else.
std::optional<int32_t> parseTicks(BytesView text);

// One line as a record. Field 2 is right exactly when it reads "1 " (digit, blank). The fields
// a short line does not carry (an empty line carries none) stay empty, wrong and 0 tenths.
// A field 5 that is not a whole number is an error naming fileName and the text.
Result<Treslts> readDayLine(BytesView line, const Bytes& fileName);

// Every line of a day file, as many as there are: an empty file is one empty record, a
// final line end adds none. The first malformed line makes the whole day an error.
Result<std::vector<Treslts>> parseDay(BytesView contents, const Bytes& student, const Bytes& fileName);

// False as well for a student name that cannot be part of a file name ('/' or byte 0).
bool dayExists(const Bytes& student, int32_t day);

// What one listing of the class folder says of every pupil's days. On a share a look at a file
// is a round trip to the server and a listing a few for hundreds of names, so the days of the
// whole class are counted from one listing, and only what it cannot tell is looked at.
class DayListing {
public:
    // Lists the working folder; an error when it cannot be read.
    static Result<DayListing> read();
    // The same, or, when the folder cannot be listed (a folder one may open files in but not
    // list, say), none that leaves every day to be looked for by name.
    static DayListing readOrLookByName();
    // What serves one pupil best: a listing on a network share, where each look is a round trip
    // and a listing a few for hundreds of names; looks by name on a local disk, where listing a
    // class folder of years of days takes longer than looking up one pupil's.
    static DayListing forOnePupil();
    // The same, once a clean-up of the student that was interrupted is finished, when no one
    // else holds the student's lock.
    static DayListing settledForPupil(const Bytes& student);
    explicit DayListing(std::vector<FolderEntry> entries);

    // The number of days as dayExists would find them probing 1, 2, 3, ...: a name the listing
    // shows as a link or without its kind is looked at, and so is the number after the last,
    // since a share may match names in any case and a day may have been saved since.
    int32_t count(const Bytes& student) const;

    // The day's stamp as the listing gives it, else looked up; none for no file.
    std::optional<FileStamp> stamp(const Bytes& student, int32_t day) const;
    // The day's stamp where the listing gives it, with no look at the file.
    std::optional<FileStamp> listedStamp(const Bytes& student, int32_t day) const;

    // Whether anything stands under the name.
    bool has(const Bytes& name) const;

private:
    DayListing() = default;
    const FolderEntry* find(const Bytes& name) const;

    std::vector<FolderEntry> m_entries; // by name
    bool m_listed = false;
};

// The number of days: 1, 2, 3, ... up to the first missing file. A clean-up of the student
// that was interrupted is finished first, when no one else holds the student's lock.
int32_t countDays(const Bytes& student);

// The same, as the files stand, for those who hold the student's lock.
int32_t countDayFiles(const Bytes& student);

// A day holds one line per answer: a file of more lines than this is no day of the program's.
inline constexpr size_t maxDayLines = 1000000;

// Texts longer than this are shown cut short, ending in "...".
inline constexpr size_t maxShownFieldLength = 200;

// A day for the history view: no larger than maxDayFileSize (fileio.h) and maxDayLines, and
// with every absurdly long text cut to maxShownFieldLength.
Result<std::vector<Treslts>> loadDay(const Bytes& student, int32_t day);

// Writes the records as the student's next day and returns its number. The file is created
// whole or not at all and never replaces one that exists, even one that another copy of the
// program created a moment ago: then the next free number is taken. Anything else in the way
// of the name (a folder, say) is an error, not skipped, so no day is filed beyond a gap.
// The save holds the student's lock, waiting for it up to lockWait (fileio.h): a clean-up
// or delete of the student never runs in between. A name too long for its day files
// (studentnames.h) is an error naming the limit.
Result<int32_t> saveNextDay(const Bytes& student, std::span<const Treslts> records);

// The same, trying day firstDay first: what saveNextDay does once it has counted the days.
Result<int32_t> saveDayFrom(const Bytes& student, int32_t firstDay, std::span<const Treslts> records);

} // namespace quorvex
