#pragma once

#include "core/result.h"

#include <vector>

namespace quorvex {

inline const Bytes rosterFileName = "studnames.txt";
inline const Bytes guestName = "Guest";

// The roster's entries, one per line of the file, in file order (an empty file is one empty
// entry).
std::vector<Bytes> parseRoster(BytesView contents);

// Reads studnames.txt; when there is none, creates it holding "Guest" and returns that.
// A roster that exists but cannot be read is an error, and is never replaced here: so is
// anything but a regular file (a FIFO, a device), and a file over maxSmallFileSize.
Result<std::vector<Bytes>> loadOrCreateRoster();

// Writes the entries as the roster, one line each, replacing studnames.txt in one step: a
// failure at any moment leaves the old roster whole. Holds the roster's lock (fileio.h)
// while it writes; a roster that is a link is written through the link when the file it points
// to lies within the class folder, and not at all otherwise (see replaceFile).
Status writeRoster(const std::vector<Bytes>& entries);

// One computer's change to the roster: the names it added and deleted.
struct RosterChange {
    std::vector<Bytes> added;
    std::vector<Bytes> deleted;
    bool guestFirst = false; // file the built-in first entry as "Guest"
    // What this computer shows: the base when no roster stands on disk any more.
    std::vector<Bytes> shown;
};

// Applies the change to the roster as it stands on disk now, under the roster's lock, and
// returns what was written: names another computer added or deleted meanwhile stay so. One
// entry per deleted name goes (position 0 never), and each added name is placed as the Add
// panel places it. A roster that cannot be read is an error and stays as it is.
Result<std::vector<Bytes>> changeRoster(const RosterChange& change);

// The error of a lock another holder keeps, in words for the teacher.
FileError lockedOut(const Bytes& file, const FileError& lockError);

} // namespace quorvex
