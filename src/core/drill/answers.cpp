#include "core/drill/answers.h"

namespace quorvex {

static bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<int32_t> parseAnswer(BytesView text)
{
    if (text.empty() || text.size() > static_cast<size_t>(maxAnswerDigits))
        return std::nullopt;
    int32_t value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

Bytes answerDigits(BytesView text)
{
    Bytes digits;
    for (const char c : text) {
        if (isDigit(c) && digits.size() < static_cast<size_t>(maxAnswerDigits))
            digits.push_back(c);
    }
    return digits;
}

} // namespace quorvex
