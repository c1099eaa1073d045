#include "core/classfolder/textlines.h"

namespace quorvex {

std::vector<Bytes> splitLines(BytesView text)
{
    if (const auto end = text.find('\x1a'); end != BytesView::npos)
        text = text.substr(0, end);

    std::vector<Bytes> lines;
    Bytes line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!line.empty() || lines.empty() || (!text.empty() && text.back() != '\n'))
        lines.push_back(std::move(line));
    return lines;
}

Bytes joinLines(const std::vector<Bytes>& lines)
{
    Bytes text;
    for (const Bytes& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace quorvex
