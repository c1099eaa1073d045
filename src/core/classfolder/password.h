#pragma once

#include "core/result.h"

#include <optional>

namespace quorvex {

inline const Bytes passwordFileName = "password.txt";

// The teacher password stays one line of plain text, as earlier password files hold it:
// every byte before the first carriage return, line feed or byte 26 (the end of the file
// when there is none). An empty file is the empty password.
Bytes parsePassword(BytesView contents);

// The stored password, or no value when nothing stands under password.txt. Whatever stands
// there and cannot be read is an error: a locked program must not open up because its
// password file became unreadable. Only a regular file of at most maxSmallFileSize is read.
Result<std::optional<Bytes>> readPasswordFile();

// False for a password that would not read back as itself from its one-line file.
bool passwordFitsOneLine(BytesView password);

// Writes the password as one line ending in CR LF, replacing the old file in one step and
// keeping its mode (a new file is readable by its owner only). The caller has made sure the
// password fits one line.
Status writePasswordFile(BytesView password);

// Creates password.txt holding the password, readable and writable by its owner only, unless
// something stands under the name already (a password set on another computer meanwhile):
// then nothing is written and existedAlready is set.
Status createPasswordFile(BytesView password, bool* existedAlready);

// Whole texts, byte for byte: letter case and blanks count.
bool passwordMatches(BytesView typed, BytesView stored);

} // namespace quorvex
