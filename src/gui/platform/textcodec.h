#pragma once

#include "core/bytes.h"

#include <QString>
#include <optional>

// The core's 8-bit texts (Windows-1252) to and from the toolkit's strings.
QString toQt(quorvex::BytesView bytes);

// None when the text holds a character the 8-bit files cannot carry.
std::optional<quorvex::Bytes> toBytes(const QString& text);

// As toBytes, with every character the files cannot carry written as "?": for texts that only
// the program itself composed, or where a best effort is right.
quorvex::Bytes toBytesLossy(const QString& text);
