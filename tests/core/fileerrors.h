#pragma once

// A file error as a test prints it: the file, the kind of failure by its number, and what it
// names, with the failure it came of. The words for people are the windows'.

#include "core/result.h"

#include <ostream>
#include <sstream>
#include <string>

namespace quorvex {

inline void PrintTo(const FileError& error, std::ostream* out)
{
    *out << "{" << error.file << ": failure " << static_cast<int>(error.why);
    if (error.code)
        *out << ", errno " << error.code;
    if (!error.text.empty())
        *out << ", text \"" << error.text << "\"";
    if (error.number)
        *out << ", number " << error.number;
    if (!error.holder.computer.empty())
        *out << ", held by " << error.holder.computer << " " << error.holder.process << " " << error.holder.since;
    if (!error.detail.empty())
        *out << ", detail \"" << error.detail << "\"";
    if (error.cause) {
        *out << ", from ";
        PrintTo(*error.cause, out);
    }
    *out << "}";
}

inline std::string described(const FileError& error)
{
    std::ostringstream out;
    PrintTo(error, &out);
    return out.str();
}

} // namespace quorvex
