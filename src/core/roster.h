#pragma once

#include "result.h"

#include <vector>

namespace quorvex {

inline const Bytes rosterFileName = "studnames.txt";
inline const Bytes guestName = "Guest";

// The roster's entries, one per line of the file, in file order (an empty file is one empty
// entry).
std::vector<Bytes> parseRoster(BytesView contents);

// Reads studnames.txt; when there is none, creates it holding "Guest" and returns that.
// A roster that exists but cannot be read is an error, and is never replaced here.
Result<std::vector<Bytes>> loadOrCreateRoster();

// Writes the entries as the roster, one line each, replacing studnames.txt in one step: a
// failure at any moment leaves the old roster whole.
Status writeRoster(const std::vector<Bytes>& entries);

} // namespace quorvex
