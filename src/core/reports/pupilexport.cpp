#include "core/reports/pupilexport.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/reports/csv.h"
#include "core/reports/fluency.h"

namespace quorvex {

namespace {

// A stored text without the blank its separator left behind.
BytesView trimmed(BytesView text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

Result<std::vector<ExportedDay>> readPupilDays(const Bytes& student)
{
    std::vector<ExportedDay> days;
    const int32_t count = countDays(student);
    for (int32_t day = 1; day <= count; ++day) {
        ExportedDay exported;
        exported.fileName = dayFileName(student, day);
        // A link planted in a shared folder must not carry a file of the teacher's out.
        if (std::optional<FileError> link = linkOutOfFolder(exported.fileName))
            return *link;
        Result<Bytes> contents = readFile(exported.fileName);
        if (!contents)
            return contents.error();
        exported.contents = std::move(contents).value();
        exported.answers = parseDay(exported.contents, student, exported.fileName);
        days.push_back(std::move(exported));
    }
    return days;
}

Bytes answersCsv(const std::vector<ExportedDay>& days, const AnswersCsvWords& words)
{
    Bytes out = csvLine(words.headings);
    for (size_t day = 0; day < days.size(); ++day) {
        if (!days[day].answers)
            continue;
        for (const Treslts& record : *days[day].answers) {
            if (record.question.empty() && record.operation.empty())
                continue; // the one empty record an empty save reads as
            const std::array<Bytes, 7> fields { decimal(static_cast<long long>(day + 1)),
                isTimed(record.ticks) ? words.practice : words.speedRound, utf8(trimmed(record.operation)),
                utf8(trimmed(record.question)), utf8(trimmed(record.answer)),
                record.correct ? words.right : words.wrong, decimal(record.ticks) };
            out += csvLine(fields);
        }
    }
    return out;
}

} // namespace quorvex
