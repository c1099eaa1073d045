#include "studentnames.h"

#include <algorithm>

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

bool sameIgnoringCase(BytesView a, BytesView b)
{
    return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
        return folded(static_cast<unsigned char>(x)) == folded(static_cast<unsigned char>(y));
    });
}

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
    if (isDigit(name.back()))
        return NameProblem::EndsInDigit;
    if (isReservedDeviceName(name))
        return NameProblem::ReservedDeviceName;
    if (name.size() > maxStudentNameLength)
        return NameProblem::TooLong;
    return NameProblem::None;
}

Bytes nameProblemMessage(NameProblem problem)
{
    switch (problem) {
    case NameProblem::None:
        return {};
    case NameProblem::Empty:
        return "Type a name first";
    case NameProblem::PathSeparator:
        return "No / or \\ in a name";
    case NameProblem::ForbiddenCharacter:
        return "No < > : \" | ? * in a name";
    case NameProblem::ControlCharacter:
        return "No control characters in a name";
    case NameProblem::DotName:
        return "A name cannot be . or ..";
    case NameProblem::EndsInDigit:
        return "A name cannot end in a digit";
    case NameProblem::ReservedDeviceName:
        return "Windows keeps this name for itself";
    case NameProblem::TooLong:
        return "Name too long, please abbreviate";
    case NameProblem::NotInCharacterSet:
        return "A character cannot be stored";
    }
    return {};
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

} // namespace quorvex
