#pragma once

#include "core/bytes.h"

#include <cstdint>
#include <optional>

namespace quorvex {

// The most digits an answer can have: the largest answer the drill asks is 12 x 12 = 144.
// The answer box takes no more, which also keeps every typed answer within 32 bits.
inline constexpr int maxAnswerDigits = 3;

// The typed answer as a whole number: decimal digits only (leading zeros are fine), at most
// maxAnswerDigits of them. Anything else is no answer.
std::optional<int32_t> parseAnswer(BytesView text);

// What the answer box keeps of an edit: its digits, at most maxAnswerDigits of them.
Bytes answerDigits(BytesView text);

} // namespace quorvex
