#pragma once

#include "core/bytes.h"

#include <span>

namespace quorvex {

// The files a spreadsheet opens: UTF-8, comma-separated, CR LF line ends.

// A text of the class folder (Windows-1252) in UTF-8.
Bytes utf8(BytesView cp1252);

// One field: quoted when it holds a comma, a quote or a line end, its quotes doubled. A field a
// spreadsheet would take for a formula or a command, one beginning with "=", "+", "-", "@", a
// tab or a carriage return, gets an apostrophe in front, which spreadsheets show as text.
Bytes csvField(BytesView field);

// One line of fields, ended by CR LF.
Bytes csvLine(std::span<const Bytes> fields);

} // namespace quorvex
