#pragma once

#include "result.h"

#include <optional>

namespace quorvex {

inline const Bytes passwordFileName = "password.txt";

// The teacher password stays one line of plain text, as earlier password files hold it:
// every byte before the first carriage return, line feed or byte 26 (the end of the file
// when there is none). An empty file is the empty password.
Bytes parsePassword(BytesView contents);

// The stored password, or no value when nothing stands under password.txt. Whatever stands
// there and cannot be read is an error: a locked program must not open up because its
// password file became unreadable.
Result<std::optional<Bytes>> readPasswordFile();

// False for a password that would not read back as itself from its one-line file.
bool passwordFitsOneLine(BytesView password);

// Writes the password as one line ending in CR LF, replacing the old file in one step. The
// caller has made sure the password fits one line.
Status writePasswordFile(BytesView password);

// Whole texts, byte for byte: letter case and blanks count.
bool passwordMatches(BytesView typed, BytesView stored);

} // namespace quorvex
