#pragma once

#include <optional>

namespace quorvex {

// The files' 8-bit character set, Windows-1252. Bytes it leaves undefined (129, 141, 143,
// 144, 157) map to the control characters of the same number, so every byte has a character
// and every byte read comes back unchanged when written.
char32_t cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1252(char32_t character);

} // namespace quorvex
