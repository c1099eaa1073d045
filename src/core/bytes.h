#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// Texts in the core are 8-bit bytes exactly as the files hold them (Windows-1252:
// the division sign is byte 247). The windows convert them for display.
using Bytes = std::string;
using BytesView = std::string_view;

// Decimal text of a 32-bit value: no leading zeros, no grouping, "-" when negative.
inline Bytes decimal(long long value)
{
    return std::to_string(value);
}

} // namespace quorvex
