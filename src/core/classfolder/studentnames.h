#pragma once

#include "core/bytes.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quorvex {

// How the Add box treats what is typed: a typed blank becomes "_" (pasted blanks are not
// typed and stay), and a box holding a single character shows it as a capital when it is
// one of a to z, so the first letter typed comes out capitalised.
char typedNameCharacter(char typed);
Bytes capitalisedSoleCharacter(Bytes text);

// Why a name cannot join the roster. A student's day files are named by the name followed
// directly by the day number, so the name must be a plain file name of this folder and
// must not end in a digit (X1's day 2 would be X's day 12), nor begin as the program's own
// hidden files do.
enum class NameProblem {
    None,
    Empty,
    PathSeparator,
    ForbiddenCharacter, // < > : " | ? *, refused by common file systems
    ControlCharacter, // also ends roster lines early when read back
    DotName,
    OwnFilePrefix, // ".~": its day files would be taken for scratch files and swept at start
    EndsInDigit,
    ReservedDeviceName, // CON, NUL, COM1 ...: Windows opens a device for the day file
    TooLong,
    NotInCharacterSet, // found by the window, which holds the typed text as Unicode
    SharesDayFiles, // found against the roster: see rosterNameSharingDayFiles
    OnRosterAlready, // the same name, or one differing only in letter case: one set of day files
};

// The longest name whose day files still fit the 255-byte file name limit with any day
// number up to 99999, also as the scratch file a save writes first (".~" before the day
// file's name and ".saving" after it).
inline constexpr size_t maxStudentNameLength = 255 - 2 - 5 - 4 - 7;

NameProblem checkStudentName(BytesView name);

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

// ---- Names whose day files coincide -------------------------------------------------------
// Ann's day 11 and Ann1's day 1 are both Ann11.txt: two entries share day files when one is
// the other followed by digits, and a day of the longer one is then also a day of the shorter
// one (the digits do not begin with 0, and Ann's day number stays within 32 bits). Letter
// case is ignored as in namesNoLongerOnRoster; entries that differ only in case are one
// pupil, not two that share.

// The roster entry that is the name, or differs from it only in letter case (which names the
// same day files on Windows and the shares schools use); none when there is none.
std::optional<Bytes> rosterEntryNamed(const std::vector<Bytes>& roster, BytesView name);

// Pairs of entries of a roster, as earlier versions wrote it unchecked, that differ only in
// letter case, each pair once, in roster order.
std::vector<std::pair<Bytes, Bytes>> rosterNamesDifferingInCase(const std::vector<Bytes>& roster);

// The first roster entry that would share day files with name, were name added; none when the
// name is safe to add. Names ending in a digit are refused anyway, so on a roster the Add panel
// wrote this is an entry that is the name followed by digits.
std::optional<Bytes> rosterNameSharingDayFiles(const std::vector<Bytes>& roster, BytesView name);

// The other entries whose day files could coincide with the student's, in roster order; of
// entries that differ only in case, the first.
std::vector<Bytes> rosterEntriesSharingDayFiles(const std::vector<Bytes>& roster, BytesView student);

// Whether the student's day file of that number is also a day file of another entry: Ann's
// day 11 is Ann1's day 1, Ann's day 10 is nobody else's. A delete or clean-up of the student
// leaves such a file alone.
bool dayFileCouldBelongToAnother(const std::vector<Bytes>& roster, BytesView student, int32_t day);

// Two entries of a roster, as earlier versions wrote it unchecked, that share day files:
// other is student followed by digits.
struct DayFileOverlap {
    Bytes student;
    Bytes other;

    friend bool operator==(const DayFileOverlap&, const DayFileOverlap&) = default;
};

// Every such pair once (entries that differ only in case count once), in roster order.
std::vector<DayFileOverlap> rosterDayFileOverlaps(const std::vector<Bytes>& roster);

// The first day of the student that is the other's day 1: Ann's day 11 for Ann and Ann1.
int32_t firstSharedDay(const DayFileOverlap& overlap);

} // namespace quorvex
