#pragma once

// Everything the class folder holds about one pupil, for the pupil or a parent who asks for
// it: the day files as they are, and every answer of them as a spreadsheet file.

#include "core/drill/answerlog.h"
#include "core/result.h"

#include <array>
#include <vector>

namespace quorvex {

struct ExportedDay {
    Bytes fileName; // "Ann3.txt"
    Bytes contents; // the file's bytes as they are
    // Its answers, or why they could not be read (the file is copied all the same).
    Result<std::vector<Treslts>> answers = std::vector<Treslts> {};
};

// The pupil's day files 1, 2, 3, ... up to the first missing one, as the history view lists
// them. A file that cannot be read at all is an error naming it: an export leaves nothing out
// without saying so. So is a day that is a link to a file outside the class folder.
Result<std::vector<ExportedDay>> readPupilDays(const Bytes& student);

// The words of the answers file in the teacher's language, UTF-8: the headings of day, question
// type, operation, fact, typed answer, right and tenths; the two question types (a day file
// keeps no question type: an answer without a time is taken for a speed round's, as the fluency
// report takes it); and right and wrong.
struct AnswersCsvWords {
    std::array<Bytes, 7> headings;
    Bytes practice;
    Bytes speedRound;
    Bytes right;
    Bytes wrong;
};

// One row per answer of the days that could be read, in day order: the day's number, question
// type, operation, fact, typed answer, right or wrong, tenths of a second. UTF-8, CR LF.
Bytes answersCsv(const std::vector<ExportedDay>& days, const AnswersCsvWords& words);

} // namespace quorvex
