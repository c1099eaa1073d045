#include "core/reports/csv.h"

#include "core/cp1252.h"

namespace quorvex {

Bytes utf8(BytesView cp1252)
{
    Bytes out;
    for (const char byte : cp1252) {
        const char32_t c = cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Bytes csvField(BytesView field)
{
    Bytes text(field);
    if (!text.empty() && Bytes("=+-@\t\r").find(text.front()) != Bytes::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"\r\n") == Bytes::npos)
        return text;
    Bytes out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

Bytes csvLine(std::span<const Bytes> fields)
{
    Bytes out;
    for (size_t k = 0; k < fields.size(); ++k)
        out += (k ? "," : "") + csvField(fields[k]);
    return out + "\r\n";
}

} // namespace quorvex
