#pragma once

#include "core/bytes.h"

#include <cstdint>

namespace quorvex {

// Every time is a count of 100 ms ticks, shown as t div 10, ".", t mod 10: 123 is "12.3",
// 7 is "0.7", 600 is "60.0".
Bytes tenthsText(int32_t tenths);

} // namespace quorvex
