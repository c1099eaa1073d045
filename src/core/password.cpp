#include "password.h"

#include "fileio.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace quorvex {

namespace {

constexpr BytesView lineEnders { "\r\n\x1a", 3 };

} // namespace

Bytes parsePassword(BytesView contents)
{
    return Bytes(contents.substr(0, contents.find_first_of(lineEnders)));
}

Result<std::optional<Bytes>> readPasswordFile()
{
    struct stat info { };
    if (::lstat(passwordFileName.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return std::optional<Bytes> {};
        return FileError { passwordFileName, std::strerror(errno) };
    }
    auto contents = readFile(passwordFileName);
    if (!contents)
        return contents.error();
    return std::optional<Bytes> { parsePassword(*contents) };
}

bool passwordFitsOneLine(BytesView password)
{
    return password.find_first_of(lineEnders) == BytesView::npos;
}

Status writePasswordFile(BytesView password)
{
    Bytes line(password);
    line += "\r\n";
    return replaceFile(passwordFileName, line);
}

bool passwordMatches(BytesView typed, BytesView stored)
{
    return typed == stored;
}

} // namespace quorvex
