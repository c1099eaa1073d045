// A student's day file, loaded whole as the history view loads it, from any bytes: each line is
// one record in file order, each field lands where the reading walk puts it, the first time that
// is not a whole number fails the day with its text, and a day the program saves loads back as
// the records it saved.

#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "fuzzsupport.h"

#include <cstdint>
#include <optional>

using namespace quorvex;
using fuzzsupport::expectedLines;

namespace {

// The fields of a line, worked out from its commas rather than by walking it: a piece ended by a
// comma is whole (field 5 keeps the comma); the line's last piece, when the line does not end in
// a comma, loses its last character unless it is field 5. Pieces after the fifth do not count.
std::vector<Bytes> expectedFields(BytesView line)
{
    std::vector<Bytes> fields;
    if (line.empty())
        return fields;
    size_t start = 0;
    while (fields.size() < 5) {
        const size_t comma = line.find(',', start);
        const bool fifth = fields.size() == 4;
        if (comma == BytesView::npos) {
            if (start < line.size()) {
                const BytesView piece = line.substr(start);
                fields.emplace_back(fifth ? piece : piece.substr(0, piece.size() - 1));
            }
            break;
        }
        Bytes piece(line.substr(start, comma - start));
        if (fifth)
            piece += ',';
        fields.push_back(std::move(piece));
        start = comma + 1;
    }
    return fields;
}

// A sign, then at least one digit, and nothing else, within 32 bits.
std::optional<int32_t> expectedTicks(BytesView text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t { 1 } << 32)
            return std::nullopt; // stays out of range whatever follows
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// A record as the drill makes it holds no comma and no line break in its texts.
Bytes asTheDrillWouldHoldIt(Bytes text)
{
    std::erase_if(text, [](char c) { return c == ',' || c == '\r' || c == '\n' || c == '\x1a'; });
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::enterWorkingFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BytesView input(reinterpret_cast<const char*>(data), size);
    const Bytes student = "Ann";

    // What the whole load must give: one record per line, or the first bad time.
    std::vector<Treslts> expected;
    std::optional<Bytes> badTime;
    for (const Bytes& line : expectedLines(input)) {
        const std::vector<Bytes> fields = expectedFields(line);
        Treslts record;
        record.questionType = student;
        record.number = static_cast<int32_t>(expected.size() + 1);
        if (fields.size() >= 1)
            record.operation = fields[0];
        if (fields.size() >= 2)
            record.correct = fields[1] == "1 ";
        if (fields.size() >= 3)
            record.question = fields[2];
        if (fields.size() >= 4)
            record.answer = fields[3];
        if (fields.size() >= 5) {
            const std::optional<int32_t> ticks = expectedTicks(fields[4]);
            if (!ticks && !badTime)
                badTime = fields[4];
            record.ticks = ticks.value_or(0);
        }
        expected.push_back(std::move(record));
    }

    fuzzsupport::putFile(dayFileName(student, 1), input);
    FUZZ_CHECK(countDays(student) == 1);
    const Result<std::vector<Treslts>> loaded = loadDay(student, 1);
    if (badTime) {
        FUZZ_CHECK(!loaded.ok());
        FUZZ_CHECK(loaded.error()
            == (FileError { .file = dayFileName(student, 1), .why = Failure::InvalidInteger, .text = *badTime }));
    } else {
        FUZZ_CHECK(loaded.ok());
        FUZZ_CHECK(*loaded == expected);
    }

    // Saved as the next day of another student and viewed again: the same records, each text
    // with the blank its separator left behind, the student's name as question type, numbered in
    // file order.
    std::vector<Treslts> saved;
    for (const Treslts& record : expected) {
        Treslts drilled = record;
        drilled.operation = asTheDrillWouldHoldIt(record.operation);
        drilled.question = asTheDrillWouldHoldIt(record.question);
        drilled.answer = asTheDrillWouldHoldIt(record.answer);
        drilled.questionType = "Practice";
        saved.push_back(std::move(drilled));
    }
    const Bytes other = "Bob";
    const Result<int32_t> day = saveNextDay(other, saved);
    FUZZ_CHECK(day.ok() && *day == 1);
    const Result<Bytes> written = readFile(dayFileName(other, 1));
    FUZZ_CHECK(written.ok() && *written == dayContents(saved));
    const Result<std::vector<Treslts>> viewed = loadDay(other, 1);
    FUZZ_CHECK(viewed.ok());
    FUZZ_CHECK(viewed->size() == saved.size());
    for (size_t k = 0; k < saved.size(); ++k) {
        const Treslts& back = (*viewed)[k];
        FUZZ_CHECK(back.operation == saved[k].operation + " ");
        FUZZ_CHECK(back.correct == saved[k].correct);
        FUZZ_CHECK(back.question == saved[k].question + " ");
        FUZZ_CHECK(back.answer == saved[k].answer + " ");
        FUZZ_CHECK(back.ticks == saved[k].ticks);
        FUZZ_CHECK(back.questionType == other);
        FUZZ_CHECK(back.number == static_cast<int32_t>(k + 1));
    }
    FUZZ_CHECK(removeFile(dayFileName(other, 1)).ok());
    return 0;
}
