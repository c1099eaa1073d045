#pragma once

#include "bytes.h"

#include <vector>

namespace quorvex {

// How the Add box treats what is typed: a typed blank becomes "_" (pasted blanks are not
// typed and stay), and a box holding a single character shows it as a capital when it is
// one of a to z, so the first letter typed comes out capitalised.
char typedNameCharacter(char typed);
Bytes capitalisedSoleCharacter(Bytes text);

// Why a name cannot join the roster. A student's day files are named by the name followed
// directly by the day number, so the name must be a plain file name of this folder and
// must not end in a digit (X1's day 2 would be X's day 12).
enum class NameProblem {
    None,
    Empty,
    PathSeparator,
    ForbiddenCharacter, // < > : " | ? *, refused by common file systems
    ControlCharacter, // also ends roster lines early when read back
    DotName,
    EndsInDigit,
    ReservedDeviceName, // CON, NUL, COM1 ...: Windows opens a device for the day file
    TooLong,
    NotInCharacterSet, // found by the window, which holds the typed text as Unicode
};

// The longest name whose day files still fit the 255-byte file name limit with any day
// number up to 99999, also as the scratch file a save writes first (".~" before the day
// file's name and ".saving" after it).
inline constexpr size_t maxStudentNameLength = 255 - 2 - 5 - 4 - 7;

NameProblem checkStudentName(BytesView name);

// Names as file systems that ignore letter case compare them, 8-bit letters included.
bool sameIgnoringCase(BytesView a, BytesView b);

// The words shown in the Add panel for a refused name; empty for NameProblem::None.
Bytes nameProblemMessage(NameProblem problem);

// Roster order: byte by byte as unsigned values; a name that begins another sorts first.
bool rosterNameLess(BytesView a, BytesView b);

// Moves the last entry into place by one bubbling pass from the bottom up to positions 2
// and 1. Entry 0, the built-in "Guest", is never compared or moved; a list sorted from
// position 1 on stays sorted, the new name after any equal ones. Returns where the entry
// that stood at position followed is now, so the current student stays the current student.
size_t placeNewName(std::vector<Bytes>& roster, size_t followed = 0);

// The roster after the Delete panel's Done: one entry per deleted name is taken out of the
// roster as it stands now (names added meanwhile stay); position 0 is never removed.
std::vector<Bytes> withoutDeletedStudents(std::vector<Bytes> roster, const std::vector<Bytes>& deleted);

// The deleted names whose day files may go: those that no entry of the roster still holds,
// each once, in order of deletion. An entry that differs only in letter case holds the name
// too: on Windows and on the network shares schools use, "ann1.txt" is Ann's day 1.
std::vector<Bytes> namesNoLongerOnRoster(const std::vector<Bytes>& roster, const std::vector<Bytes>& deleted);

} // namespace quorvex
