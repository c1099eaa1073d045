#include "gui/platform/textcodec.h"

#include "core/cp1252.h"

#include <QList>

QString toQt(quorvex::BytesView bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text += QChar(static_cast<char16_t>(quorvex::cp1252ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

static std::optional<quorvex::Bytes> convert(const QString& text, bool lossy)
{
    quorvex::Bytes bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const char32_t character : text.toUcs4()) {
        const auto byte = quorvex::unicodeToCp1252(character);
        if (!byte && !lossy)
            return std::nullopt;
        bytes.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return bytes;
}

std::optional<quorvex::Bytes> toBytes(const QString& text)
{
    return convert(text, false);
}

quorvex::Bytes toBytesLossy(const QString& text)
{
    return *convert(text, true);
}
