#include "core/classfolder/studentnames.h"

#include "core/classfolder/history.h"

#include <algorithm>
#include <limits>

namespace quorvex {

namespace {

bool isControlByte(unsigned char byte)
{
    // 129, 141, 143, 144 and 157 have no character in the 8-bit set: they stand for the
    // control characters of the same number.
    return byte < 32 || byte == 127 || byte == 129 || byte == 141 || byte == 143 || byte == 144 || byte == 157;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The capital of an 8-bit letter, as file systems that ignore case compare names: a to z,
// the accented letters, š, œ, ž and ÿ.
unsigned char folded(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    switch (c) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return c - 0x10;
    case 0xFF: // ÿ
        return 0x9F;
    }
    return c;
}

bool sameIgnoringCase(BytesView a, BytesView b)
{
    return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
        return folded(static_cast<unsigned char>(x)) == folded(static_cast<unsigned char>(y));
    });
}

// A day's number as dayFileName writes it: decimal digits with no leading zero, from 1 to the
// largest 32-bit day. Digits of any other form are no day of anyone's.
std::optional<int32_t> writtenDayNumber(BytesView digits)
{
    if (digits.empty() || digits.size() > 10 || digits[0] == '0' || !std::ranges::all_of(digits, isDigit))
        return std::nullopt;
    long long value = 0;
    for (const char digit : digits)
        value = value * 10 + (digit - '0');
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// The day of shorter that is longer's day 1 (Ann's day 11 for Ann and Ann1); none when longer
// is not shorter followed by digits that lead to such a day.
std::optional<int32_t> dayMeetingFirstDay(BytesView shorter, BytesView longer)
{
    if (longer.size() <= shorter.size() || !sameIgnoringCase(longer.substr(0, shorter.size()), shorter))
        return std::nullopt;
    return writtenDayNumber(Bytes(longer.substr(shorter.size())) + "1");
}

// Every day file of the longer name is then one of the shorter name's too.
bool shareDayFiles(BytesView a, BytesView b)
{
    return dayMeetingFirstDay(a, b).has_value() || dayMeetingFirstDay(b, a).has_value();
}

// Windows opens a device, not a file, for these names in any folder and with any extension,
// whatever their case and with blanks before the dot. A day file is the name followed by the
// day number, so COM and LPT alone would make COM1.txt; the 8-bit superscripts one, two and
// three count as digits there.
bool isReservedDeviceName(BytesView name)
{
    BytesView stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    for (const BytesView device : { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" }) {
        if (sameIgnoringCase(stem, device))
            return true;
    }
    if (stem.size() < 3 || (!sameIgnoringCase(stem.substr(0, 3), "COM") && !sameIgnoringCase(stem.substr(0, 3), "LPT")))
        return false;
    const BytesView number = stem.substr(3);
    return number.empty()
        || (number.size() == 1
            && ((number[0] >= '1' && number[0] <= '9') || number[0] == '\xb9' || number[0] == '\xb2'
                || number[0] == '\xb3'));
}

} // namespace

char typedNameCharacter(char typed)
{
    return typed == ' ' ? '_' : typed;
}

Bytes capitalisedSoleCharacter(Bytes text)
{
    if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

NameProblem checkStudentName(BytesView name)
{
    if (name.empty())
        return NameProblem::Empty;
    if (std::ranges::any_of(name, [](char c) { return isControlByte(static_cast<unsigned char>(c)); }))
        return NameProblem::ControlCharacter;
    if (name.find_first_of("/\\") != BytesView::npos)
        return NameProblem::PathSeparator;
    if (name.find_first_of("<>:\"|?*") != BytesView::npos)
        return NameProblem::ForbiddenCharacter;
    if (name == "." || name == "..")
        return NameProblem::DotName;
    if (name.starts_with(".~"))
        return NameProblem::OwnFilePrefix;
    if (isDigit(name.back()))
        return NameProblem::EndsInDigit;
    if (isReservedDeviceName(name))
        return NameProblem::ReservedDeviceName;
    if (name.size() > maxStudentNameLength)
        return NameProblem::TooLong;
    return NameProblem::None;
}

bool rosterNameLess(BytesView a, BytesView b)
{
    return std::ranges::lexicographical_compare(
        a, b, [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

size_t placeNewName(std::vector<Bytes>& roster, size_t followed)
{
    const size_t count = roster.size();
    for (size_t a = 1; a + 2 <= count; ++a) {
        const size_t lower = count - a;
        const size_t upper = lower - 1;
        if (!rosterNameLess(roster[lower], roster[upper]))
            continue;
        std::swap(roster[lower], roster[upper]);
        if (followed == lower)
            followed = upper;
        else if (followed == upper)
            followed = lower;
    }
    return followed;
}

std::vector<Bytes> withoutDeletedStudents(std::vector<Bytes> roster, const std::vector<Bytes>& deleted)
{
    for (const Bytes& name : deleted) {
        if (roster.size() < 2)
            break;
        if (const auto found = std::find(roster.begin() + 1, roster.end(), name); found != roster.end())
            roster.erase(found);
    }
    return roster;
}

std::vector<Bytes> namesNoLongerOnRoster(const std::vector<Bytes>& roster, const std::vector<Bytes>& deleted)
{
    std::vector<Bytes> names;
    for (const Bytes& name : deleted) {
        const bool stillHeld
            = std::ranges::any_of(roster, [&](const Bytes& entry) { return sameIgnoringCase(entry, name); });
        if (!stillHeld && std::ranges::find(names, name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::optional<Bytes> rosterEntryNamed(const std::vector<Bytes>& roster, BytesView name)
{
    for (const Bytes& entry : roster) {
        if (sameIgnoringCase(entry, name))
            return entry;
    }
    return std::nullopt;
}

std::vector<std::pair<Bytes, Bytes>> rosterNamesDifferingInCase(const std::vector<Bytes>& roster)
{
    std::vector<std::pair<Bytes, Bytes>> pairs;
    for (size_t k = 0; k < roster.size(); ++k) {
        for (size_t j = 0; j < k; ++j) {
            if (sameIgnoringCase(roster[j], roster[k])) {
                pairs.emplace_back(roster[j], roster[k]);
                break;
            }
        }
    }
    return pairs;
}

std::optional<Bytes> rosterNameSharingDayFiles(const std::vector<Bytes>& roster, BytesView name)
{
    const std::vector<Bytes> sharing = rosterEntriesSharingDayFiles(roster, name);
    if (sharing.empty())
        return std::nullopt;
    return sharing.front();
}

std::vector<Bytes> rosterEntriesSharingDayFiles(const std::vector<Bytes>& roster, BytesView student)
{
    std::vector<Bytes> sharing;
    for (const Bytes& entry : roster) {
        const bool named
            = std::ranges::any_of(sharing, [&](const Bytes& other) { return sameIgnoringCase(other, entry); });
        if (!named && !sameIgnoringCase(entry, student) && shareDayFiles(entry, student))
            sharing.push_back(entry);
    }
    return sharing;
}

bool dayFileCouldBelongToAnother(const std::vector<Bytes>& roster, BytesView student, int32_t day)
{
    // Compared as the day file's name without ".txt", which every day file ends in alike.
    const Bytes file = Bytes(student) + decimal(day);
    const BytesView fileView = file;
    return std::ranges::any_of(roster, [&](const Bytes& entry) {
        return !sameIgnoringCase(entry, student) && entry.size() < file.size()
            && sameIgnoringCase(fileView.substr(0, entry.size()), entry)
            && writtenDayNumber(fileView.substr(entry.size())).has_value();
    });
}

std::vector<DayFileOverlap> rosterDayFileOverlaps(const std::vector<Bytes>& roster)
{
    std::vector<DayFileOverlap> overlaps;
    for (size_t a = 0; a < roster.size(); ++a) {
        for (size_t b = a + 1; b < roster.size(); ++b) {
            const bool aFirst = dayMeetingFirstDay(roster[a], roster[b]).has_value();
            if (!aFirst && !dayMeetingFirstDay(roster[b], roster[a]))
                continue;
            DayFileOverlap overlap { aFirst ? roster[a] : roster[b], aFirst ? roster[b] : roster[a] };
            const bool told = std::ranges::any_of(overlaps, [&](const DayFileOverlap& earlier) {
                return sameIgnoringCase(earlier.student, overlap.student)
                    && sameIgnoringCase(earlier.other, overlap.other);
            });
            if (!told)
                overlaps.push_back(std::move(overlap));
        }
    }
    return overlaps;
}

int32_t firstSharedDay(const DayFileOverlap& overlap)
{
    return dayMeetingFirstDay(overlap.student, overlap.other).value_or(0);
}

} // namespace quorvex
