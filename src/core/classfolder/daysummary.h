#pragma once

// A pupil's saved days, read for the re-ask pool, the fluency report and the class overview.
//
// Reading a year of days from a share takes seconds, so what they say is also kept in the class
// folder, per pupil, in ".~<name>.days.summary": the fluency report of days 1 to K and the stamp
// (size and time) of each of those files. It is derived, never trusted over the days: it
// serves only while the days it covers still stand as it noted them, checked against the
// folder's listing, which gives the count of days everywhere and each day's stamp on Windows,
// and against a look at day K. Days saved since are read and added to it; anything else (a day
// deleted or renumbered by any copy of the program, one that knows no summary included) has
// day K differ and all days are read again. A day before K edited in place is seen only where
// the listing gives stamps (Windows); elsewhere reading everything again (Refresh) takes it.
// The days are read without the pupil's lock, so a summary is written only once the lock is
// held and day K still stands as it stood before the reading began (see daysummary.cpp).
//
// Copies that know no summary read the days as they always did and leave the file alone.

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/reports/fluency.h"

#include <vector>

namespace quorvex {

// ".~<name>.days.summary": not a day, not a scratch file, hidden like the locks.
Bytes daySummaryName(const Bytes& student);

// What the summary file holds.
struct DaySummary {
    FluencyReport report; // of the days covered, none unsaved
    std::vector<FileStamp> stamps; // of days 1, 2, ... as they were read

    // The file's text, and back; none for anything that is not such a text, whole.
    Bytes text() const;
    static std::optional<DaySummary> parse(BytesView text);
};

enum class DayReading {
    Summarised, // the summary, where it holds, and the days it does not cover
    Everything, // every day read again, and the summary made anew from them
};

struct SavedDays {
    int32_t count = 0; // the days as countDayFiles finds them, unreadable ones included
    FluencyReport report; // of the days that could be read
    std::vector<FileError> unreadable;
};

// The student's saved days as the listing shows them. When days had to be read and all of them
// could be, the summary is written anew, under the student's lock if that is free this moment
// (else another copy is at work on the days and the next reader writes it).
SavedDays readSavedDays(const Bytes& student, const DayListing& listing, DayReading how = DayReading::Summarised);

} // namespace quorvex
