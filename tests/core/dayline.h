#pragma once

#include "core/bytes.h"
#include "core/classfolder/history.h"

#include <cstdint>

// One line of a day file as the program writes it, CR LF included.
inline quorvex::Bytes dayFileLine(
    const quorvex::Bytes& operation, bool correct, const quorvex::Bytes& question, int32_t ticks)
{
    quorvex::Treslts record;
    record.operation = operation;
    record.correct = correct;
    record.question = question;
    record.answer = "0";
    record.ticks = ticks;
    return quorvex::dayLine(record) + "\r\n";
}
