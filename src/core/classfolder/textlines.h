#pragma once

#include "core/bytes.h"

#include <vector>

namespace quorvex {

// Splits 8-bit text into lines the way every file of the program is read: a line feed ends
// a line, a carriage return directly before it belongs to the line end, any other carriage
// return is dropped, and byte 26 ends the file. At least one line is read, so empty text is
// one empty line; a line end after the last line adds no line.
std::vector<Bytes> splitLines(BytesView text);

// Lines as the program writes them: each one, the last included, ends with CR LF.
Bytes joinLines(const std::vector<Bytes>& lines);

} // namespace quorvex
